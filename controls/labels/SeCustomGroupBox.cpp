#include "controls/labels/SeCustomGroupBox.h"

#include "controls/base/PublishedControl.h"
#include "controls/base/TextMeasure.h"
#include "controls/buttons/SeCustomCheckBox.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/AnsiText.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/Published.h"
#include "toolkit/WinControl.h"

namespace {

// The theme class "Button": the group box part and its states.
constexpr int GroupBoxPart = 4;
constexpr int GroupNormal = 1, GroupDisabled = 2;

constexpr const char* LeftRightNames[] = {"lrLeft", "lrRight"};

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

} // namespace

TSeCustomGroupBox::TSeCustomGroupBox(TComponent* AOwner) : TSeCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetBounds(0, 0, 90, 100);
}

const TPropTable& TSeCustomGroupBox::Properties() {
  using C = TSeCustomGroupBox;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"), ControlProp("Height"),
       ControlProp("Align"), ControlProp("Anchors"),
       DefaultProp(AccessorProp<C>("CaptionMargin", TPropKind::pkInteger, &C::CaptionMargin,
                                   &C::SetCaptionMargin),
                   12),
       DefaultProp(AccessorProp<C>("Enabled", TPropKind::pkBoolean, &C::Enabled, &C::SetEnabled),
                   true),
       ControlProp("Font"), ControlProp("ParentFont"),
       DefaultProp(AccessorProp<C>("TabStop", TPropKind::pkBoolean, &C::TabStop, &C::SetTabStop),
                   false),
       AccessorProp<C>("Transparent", TPropKind::pkBoolean, &C::Transparent, &C::SetTransparent),
       ControlProp("Caption"),
       DefaultProp(AccessorProp<C>("CheckBoxAlignment", TPropKind::pkEnum, &C::CheckBoxAlignment,
                                   &C::SetCheckBoxAlignment, LeftRightNames),
                   lrLeft),
       DefaultProp(AccessorProp<C>("Checked", TPropKind::pkBoolean, &C::Checked, &C::SetChecked),
                   true),
       DefaultProp(AccessorProp<C>("UseCheckBox", TPropKind::pkBoolean, &C::UseCheckBox,
                                   &C::SetUseCheckBox),
                   false),
       ControlProp("Visible")});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomGroupBox::SetCaptionMargin(int Value) {
  if (Value == FCaptionMargin)
    return;
  FCaptionMargin = Value;
  LayoutCheckBox();
  Invalidate();
}

void TSeCustomGroupBox::SetUseCheckBox(bool Value) {
  FUseCheckBox = Value;
  if (Value) {
    if (!FCheckBox) {
      FCheckBox = CreateCheckBox();
      FCheckBox->SetParent(this);
      FCheckBox->OnClick = [this](TObject*) { CheckBoxClick(); };
    }
    FCheckBox->SetAlignment(FCheckBoxAlignment);
    FCheckBox->SetChecked(FChecked);
    FCheckBox->SetCaption(Caption());
    FCheckBox->SetTop(0);
    LayoutCheckBox();
  } else if (FCheckBox) {
    TSeCustomCheckBox* Box = FCheckBox;
    FCheckBox = nullptr;
    Box->Free();
  }
  TControl::SetEnabled(FOwnEnabled || FUseCheckBox);
  EnableChildren();
  Invalidate();
}

void TSeCustomGroupBox::Loaded() {
  TSeCustomControl::Loaded();
  SetUseCheckBox(FUseCheckBox);
}

void TSeCustomGroupBox::SetCheckBoxAlignment(TSeLeftRight Value) {
  FCheckBoxAlignment = Value;
  if (FCheckBox)
    FCheckBox->SetAlignment(Value);
}

void TSeCustomGroupBox::SetChecked(bool Value) {
  if (Value == FChecked)
    return;
  FChecked = Value;
  if (FUseCheckBox && FCheckBox) {
    FCheckBox->SetChecked(Value);
    SetEnabled(Value);
  }
}

void TSeCustomGroupBox::SetEnabled(bool Value) {
  FOwnEnabled = Value;
  TControl::SetEnabled(Value || FUseCheckBox);
  EnableChildren();
  Invalidate();
}

void TSeCustomGroupBox::EnableChildren() {
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* Child = Controls(I);
    if (FUseCheckBox) {
      if (Child != FCheckBox)
        Child->SetEnabled(FChecked);
    } else {
      Child->SetEnabled(Enabled());
    }
  }
}

TSeCustomCheckBox* TSeCustomGroupBox::CreateCheckBox() {
  return MakeComponent<TSeCustomCheckBox>(this);
}

void TSeCustomGroupBox::CheckBoxClick() {
  Click();
  if (FCheckBox)
    FChecked = FCheckBox->Checked();
  if (FUseCheckBox)
    SetEnabled(FChecked);
  if (OnCheckBoxClick)
    OnCheckBoxClick(this);
}

LRESULT TSeCustomGroupBox::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == CM_DIALOGCHAR && IsAccelerator(static_cast<wchar_t>(WParam), WindowText(Caption()))) {
    for (int I = 0; I < ControlCount(); ++I)
      if (auto* Child = dynamic_cast<TWinControl*>(Controls(I)); Child && Child->CanFocus()) {
        Child->SetFocus();
        return 1;
      }
  }
  return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

// ---------------------------------------------------------------------------------------
// Layout

void TSeCustomGroupBox::LayoutCheckBox() {
  if (!FCheckBox)
    return;
  const int TextWidth =
      MeasureTextIn(FCheckBox->Font(), WindowText(FCheckBox->Caption()), 0, DT_SINGLELINE).cx;
  const int W = GroupCheckBoxWidth(Width(), FCaptionMargin, FCheckBox->GetGlyphSize().cx,
                                   FCheckBox->Spacing(), TextWidth);
  FCheckBox->SetBounds(FCaptionMargin, FCheckBox->Top(), W, FCheckBox->Height());
}

void TSeCustomGroupBox::Resize() {
  TSeCustomControl::Resize();
  if (FUseCheckBox)
    LayoutCheckBox();
}

void TSeCustomGroupBox::CaptionChanged() {
  TSeCustomControl::CaptionChanged();
  if (FCheckBox) {
    FCheckBox->SetCaption(Caption());
    LayoutCheckBox();
  }
  Invalidate();
}

TGroupLayout TSeCustomGroupBox::GroupLayout() const {
  TGroupLayout L;
  L.Width = Width();
  L.Height = Height();
  L.CaptionMargin = FCaptionMargin;
  L.CheckBox = FCheckBox != nullptr;
  if (FCheckBox) {
    const RECT B = FCheckBox->BoundsRect();
    L.CheckBoxBounds = {B.left, B.top, B.right, B.bottom};
  }
  const std::wstring Text = WindowText(Caption());
  L.CaptionEmpty = Text.empty();
  const SIZE Size = MeasureTextIn(Font(), Text.empty() ? L" " : Text, 0, DT_SINGLELINE);
  L.TextWidth = Text.empty() ? 0 : Size.cx;
  L.TextHeight = Size.cy;
  return L;
}

TRect TSeCustomGroupBox::GetFrameRect() { return GroupFrameRect(GroupLayout()); }

TRect TSeCustomGroupBox::GetCaptionRect() { return GroupCaptionRect(GroupLayout(), false); }

RECT TSeCustomGroupBox::ClientRect() const { return ToRECT(GroupClientRect(GroupLayout())); }

// ---------------------------------------------------------------------------------------
// Painting

void TSeCustomGroupBox::PaintClient() {
  TSeCustomControl::PaintClient();
  const TRect Frame = GetFrameRect();
  const TRect Caption = GetCaptionRect();
  const HDC DC = Canvas().Handle();
  bool Themed = false;
  if (VisualStylesActive()) {
    const TSavedDC Saved(DC);
    ExcludeClipRect(DC, Caption.Left, Caption.Top, Caption.Right, Caption.Bottom);
    Themed = DrawThemePart(HandleAllocated() ? Handle() : nullptr, DC, L"Button", GroupBoxPart,
                           Enabled() ? GroupNormal : GroupDisabled, ToRECT(Frame));
  }
  if (!Themed)
    PaintPlainFrame(Frame, Caption);
  if (!FCheckBox && !Caption.IsEmpty() && !this->Caption().empty())
    PaintCaptionText(Caption);
}

void TSeCustomGroupBox::PaintPlainFrame(const TRect& Frame, const TRect& Caption) {
  // An etched line: the highlight, then the shadow one pixel up and left; each open along the
  // top where the caption stands.
  for (const auto& [Offset, Color] : {std::pair{0, clBtnHighlight}, std::pair{-1, clBtnShadow}}) {
    const TRect R{Frame.Left + Offset, Frame.Top + Offset, Frame.Right + Offset,
                  Frame.Bottom + Offset};
    FillRectColor(Canvas(), R.Left, R.Top, R.Left + 1, R.Bottom, Color);
    FillRectColor(Canvas(), R.Right - 1, R.Top, R.Right, R.Bottom, Color);
    FillRectColor(Canvas(), R.Left, R.Bottom - 1, R.Right, R.Bottom, Color);
    FillRectColor(Canvas(), R.Left, R.Top, std::max(R.Left, Caption.Left), R.Top + 1, Color);
    FillRectColor(Canvas(), std::min(R.Right, Caption.Right), R.Top, R.Right, R.Top + 1, Color);
  }
}

void TSeCustomGroupBox::PaintCaptionText(const TRect& Rect) {
  const std::wstring Text = WindowText(Caption());
  const UINT Format = DrawTextBiDiModeFlags(DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  Canvas().Font.Assign(PaintFont());
  if (!Enabled()) {
    TRect Shadow{Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1};
    Canvas().Font.SetColor(clBtnHighlight);
    DrawSkinText(Canvas(), Text, Shadow, Format);
    Canvas().Font.SetColor(clBtnShadow);
  }
  TRect R = Rect;
  DrawSkinText(Canvas(), Text, R, Format);
}
