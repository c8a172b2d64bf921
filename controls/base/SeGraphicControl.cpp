#include "controls/base/SeGraphicControl.h"

#include "controls/base/ParentBackground.h"

TSeGraphicControl::TSeGraphicControl(TComponent* AOwner) : TSeControlBase(AOwner) {}

void TSeGraphicControl::Paint() {
  PaintBuffered(
      false,
      [this](HDC DC) {
        if (Transparent())
          DrawParentBackground(DC);
        PaintClient();
      },
      [this](HDC Background) { DrawParentBackground(Background); });
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
