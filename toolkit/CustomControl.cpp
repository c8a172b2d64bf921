#include "toolkit/CustomControl.h"

void TCustomControl::PaintWindow(HDC DC) {
  const TCanvasDC Painting(FCanvas, DC);
  FCanvas.Font.Assign(Font());
  Paint();
}
