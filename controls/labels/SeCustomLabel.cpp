#include "controls/labels/SeCustomLabel.h"

#include "controls/base/PublishedControl.h"
#include "controls/base/TextMeasure.h"
#include "gfx/SkinText.h"
#include "toolkit/AnsiText.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/Published.h"
#include "toolkit/WinControl.h"

namespace {

constexpr const char* LayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};

constexpr UINT AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

} // namespace

TSeCustomLabel::TSeCustomLabel(TComponent* AOwner) : TSeGraphicControl(AOwner) {
  SetBounds(Left(), Top(), 65, 17);
  SetTransparent(true);
}

TSeCustomLabel::~TSeCustomLabel() { SetFocusControl(nullptr); }

const TPropTable& TSeCustomLabel::Properties() {
  using C = TSeCustomLabel;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"), ControlProp("Height"),
       ControlProp("Align"), ControlProp("Anchors"),
       DefaultProp(AccessorProp<C>("Performance", TPropKind::pkEnum, &C::Performance,
                                   &C::SetPerformance, PerformanceNames),
                   qzpNoBuffer),
       ControlProp("Hint"), ControlProp("ShowHint"),
       DefaultProp(AccessorProp<C>("Transparent", TPropKind::pkBoolean, &C::Transparent,
                                   &C::SetTransparent),
                   true),
       ControlProp("Visible"),
       DefaultProp(AccessorProp<C>("Alignment", TPropKind::pkEnum, &C::Alignment,
                                   &C::SetAlignment, AlignmentNames),
                   static_cast<int64_t>(TAlignment::taLeftJustify)),
       DefaultProp(AccessorProp<C>("AutoSize", TPropKind::pkBoolean, &C::AutoSize,
                                   &C::SetAutoSize),
                   true),
       ControlProp("Caption"), ControlProp("Color"), ControlProp("Enabled"), ControlProp("Font"),
       ControlProp("ParentFont"),
       DefaultProp(AccessorProp<C>("ShowAccelChar", TPropKind::pkBoolean, &C::ShowAccelChar,
                                   &C::SetShowAccelChar),
                   true),
       DefaultProp(AccessorProp<C>("Layout", TPropKind::pkEnum, &C::Layout, &C::SetLayout,
                                   LayoutNames),
                   tlTop),
       DefaultProp(AccessorProp<C>("WordWrap", TPropKind::pkBoolean, &C::WordWrap,
                                   &C::SetWordWrap),
                   false),
       ControlProp("OnClick")});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomLabel::SetFocusControl(TWinControl* Value) {
  if (Value == FFocusControl)
    return;
  if (FFocusControl)
    FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value)
    Value->FreeNotification(this);
}

void TSeCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TSeGraphicControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FFocusControl)
    FFocusControl = nullptr;
}

void TSeCustomLabel::SetAlignment(TAlignment Value) {
  if (Value != FAlignment) {
    FAlignment = Value;
    Invalidate();
  }
}

void TSeCustomLabel::SetAutoSize(bool Value) {
  if (Value != FAutoSize) {
    FAutoSize = Value;
    AdjustBounds();
  }
}

void TSeCustomLabel::SetLayout(TTextLayout Value) {
  if (Value != FLayout) {
    FLayout = Value;
    Invalidate();
  }
}

void TSeCustomLabel::SetWordWrap(bool Value) {
  if (Value != FWordWrap) {
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
  }
}

void TSeCustomLabel::SetShowAccelChar(bool Value) {
  if (Value != FShowAccelChar) {
    FShowAccelChar = Value;
    Invalidate();
  }
}

void TSeCustomLabel::CaptionChanged() {
  TSeGraphicControl::CaptionChanged();
  AdjustBounds();
  Repaint();
}

void TSeCustomLabel::Loaded() {
  TSeGraphicControl::Loaded();
  AdjustBounds();
}

LRESULT TSeCustomLabel::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == CM_DIALOGCHAR && FFocusControl && Enabled() && FShowAccelChar &&
      IsAccelerator(static_cast<wchar_t>(WParam), GetLabelText())) {
    if (FFocusControl->CanFocus())
      FFocusControl->SetFocus();
    return 1;
  }
  return TSeGraphicControl::WndProc(Msg, WParam, LParam);
}

// ---------------------------------------------------------------------------------------
// Text

std::wstring TSeCustomLabel::GetLabelText() const { return WindowText(Caption()); }

UINT TSeCustomLabel::TextFlags() const {
  return DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) |
         AlignmentFlags[static_cast<int>(FAlignment)] | (FShowAccelChar ? 0 : DT_NOPREFIX);
}

SIZE TSeCustomLabel::MeasureLabel() const {
  const RECT Client = ClientRect();
  return MeasureTextIn(Font(), LabelMeasureText(GetLabelText(), FShowAccelChar),
                       Client.right - Client.left, DrawTextBiDiModeFlags(TextFlags()));
}

void TSeCustomLabel::AdjustBounds() {
  if (!FAutoSize || Loading())
    return;
  const SIZE Size = MeasureLabel();
  // Mirroring for right-to-left reading decides which edge stays.
  const bool KeepRight =
      FAlignment != TAlignment::taCenter &&
      (DrawTextBiDiModeFlags(FAlignment == TAlignment::taRightJustify ? DT_RIGHT : DT_LEFT) &
       DT_RIGHT);
  const TRect Old{Left(), Top(), Left() + Width(), Top() + Height()};
  const TRect New = LabelAutoSizeBounds(Old, Size.cx, Size.cy, KeepRight);
  SetBounds(New.Left, New.Top, New.Width(), New.Height());
}

void TSeCustomLabel::DoDrawText(RECT& Rect, UINT Flags) {
  std::wstring Text = GetLabelText();
  if (!FShowAccelChar)
    Flags |= DT_NOPREFIX;
  Flags = DrawTextBiDiModeFlags(Flags);
  Canvas().Font.Assign(Font());
  TRect R{Rect.left, Rect.top, Rect.right, Rect.bottom};
  if (Flags & DT_CALCRECT) {
    DrawSkinText(Canvas(), LabelMeasureText(Text, FShowAccelChar), R, Flags);
  } else if (!Enabled()) {
    TRect Shadow{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    Canvas().Font.SetColor(clBtnHighlight);
    DrawSkinText(Canvas(), Text, Shadow, Flags);
    Canvas().Font.SetColor(clBtnShadow);
    DrawSkinText(Canvas(), Text, R, Flags);
  } else {
    DrawSkinText(Canvas(), Text, R, Flags);
  }
  Rect = {R.Left, R.Top, R.Right, R.Bottom};
}

void TSeCustomLabel::PaintClient() {
  TSeGraphicControl::PaintClient();
  RECT Rect = ClientRect();
  const UINT Flags = TextFlags();
  if (FLayout != tlTop) {
    RECT Measured = Rect;
    DoDrawText(Measured, Flags | DT_CALCRECT);
    OffsetRect(&Rect, 0,
               LabelLayoutOffset(FLayout, Rect.bottom - Rect.top, Measured.bottom - Measured.top));
  }
  DoDrawText(Rect, Flags);
}
