#include "controls/labels/SeSkinGroupBox.h"

#include "controls/buttons/SeSkinCheckBox.h"
#include "gfx/Bitmap.h"
#include "gfx/Shapes.h"
#include "skin/SkinObjects.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/Published.h"
#include "toolkit/WinControl.h"

TSeSkinGroupBox::TSeSkinGroupBox(TComponent* AOwner) : TSeSkinned(AOwner, "GroupBox") {
  SetTransparent(true);
}

const TPropTable& TSeSkinGroupBox::Properties() {
  using C = TSeSkinGroupBox;
  static const TPropTable Table(
      &TSeCustomGroupBox::Properties(),
      {SkinEngineProp<C>(), SkinObjectProp<C>(), SkinVersionProp<C>()});
  return Table;
}

void TSeSkinGroupBox::SetSkinEngine(TSeSkinEngine* Engine) {
  TSeSkinned::SetSkinEngine(Engine);
  if (auto* Box = dynamic_cast<TSeSkinCheckBox*>(CheckBox())) {
    Box->SetSkinEngine(Engine);
    LayoutCheckBox();
  }
}

TSeCustomCheckBox* TSeSkinGroupBox::CreateCheckBox() {
  auto* Box = MakeComponent<TSeSkinCheckBox>(this);
  Box->SetSkinEngine(SkinEngine());
  return Box;
}

void TSeSkinGroupBox::SkinAttached(TSeSkinObject&) {
  if (const auto* Frame = dynamic_cast<const TSeBitmapObject*>(FindSkinPart("Frame")))
    SetTransparent(Frame->Masked || Frame->MaskedBorder || Frame->MaskedAngles);
}

TRect TSeSkinGroupBox::GetCaptionRect() {
  if (!Skinned())
    return TSeCustomGroupBox::GetCaptionRect();
  return GroupCaptionRect(GroupLayout(), true);
}

void TSeSkinGroupBox::PaintClient() {
  if (!Skinned()) {
    TSeCustomGroupBox::PaintClient();
    return;
  }
  if (!Transparent())
    FillRectColor(Canvas(), {0, 0, Width(), Height()}, Parent() ? Parent()->Color() : Color());
  const TRect Caption = GetCaptionRect();
  const HDC DC = Canvas().Handle();
  if (TSeSkinObject* Frame = FindSkinPart("Frame")) {
    // The frame must not show behind the caption: what lies there is kept and put back.
    const TSavedDC Saved(DC);
    TseBitmap Under;
    const bool Keep = !Caption.IsEmpty();
    if (Keep) {
      Under.SetSize(Caption.Width(), Caption.Height());
      BitBlt(Under.DC(), 0, 0, Caption.Width(), Caption.Height(), DC, Caption.Left, Caption.Top,
             SRCCOPY);
    }
    Frame->SetBounds(GetFrameRect());
    Frame->Draw(Canvas());
    if (Keep)
      BitBlt(DC, Caption.Left, Caption.Top, Caption.Width(), Caption.Height(), Under.DC(), 0, 0,
             SRCCOPY);
  }
  if (TSeSkinObject* Part = FindSkinPart("Caption")) {
    PaintFont().Assign(Part->GetFont());
    Part->SetBounds(Caption);
    Part->Draw(Canvas());
  }
  if (!CheckBox())
    PaintCaptionText(Caption);
}
