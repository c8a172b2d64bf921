#include "controls/SeGraphicControl.h"

#include "controls/PaintSurface.h"
#include "controls/ParentBackground.h"

TSeGraphicControl::TSeGraphicControl(TComponent* AOwner) : TSeControlBase(AOwner) {}

void TSeGraphicControl::Paint() {
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0)
    return;
  TSePaintSurface Surface(Canvas(), Performance(), W, H, false);
  PaintFont().Assign(Font());
  Canvas().Font.Assign(PaintFont());
  if (Transparent())
    DrawParentBackground(Canvas().Handle());
  PaintClient();
  Surface.Blend(Blending(), BlendBackground(),
                [this](HDC Background) { DrawParentBackground(Background); });
  Surface.Present();
}

void TSeGraphicControl::PaintClient() {
  if (Transparent())
    return;
  Canvas().Brush.Color = Color();
  Canvas().Brush.Style = TBrushStyle::bsSolid;
  Canvas().FillRect(ClientRect());
}

void TSeGraphicControl::DrawParentBackground(HDC DC) {
  if (Parent() && Parent()->HandleAllocated())
    ::DrawParentBackground(*this, DC, Width(), Height(), Performance(), false);
}
