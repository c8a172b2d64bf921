#include "toolkit/GraphicControl.h"

LRESULT TGraphicControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg != WM_PAINT || !WParam)
    return TControl::WndProc(Msg, WParam, LParam);
  // The parent has moved the origin to this control and clipped to it.
  const TCanvasDC Painting(FCanvas, reinterpret_cast<HDC>(WParam));
  FCanvas.Font.Assign(Font());
  Paint();
  return 0;
}
