#include "controls/buttons/SeCustomCheckBox.h"

#include "controls/base/PublishedControl.h"
#include "controls/base/TextMeasure.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Published.h"

namespace {

// The theme class "Button": the check box part, its states in fours (normal, hot, pressed,
// disabled) for unchecked, checked and mixed.
constexpr int CheckBoxPart = 3;
constexpr int UncheckedNormal = 1, CheckedNormal = 5, MixedNormal = 9;

constexpr const char* StateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr const char* LeftRightNames[] = {"lrLeft", "lrRight"};

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

} // namespace

TSeCustomCheckBox::TSeCustomCheckBox(TComponent* AOwner) : TSeCustomControl(AOwner) {
  HotLook = true;
  // OnClick reports a change of State, not a click.
  FControlStyle &= ~(csClickEvents | csDoubleClicks);
  SetBounds(Left(), Top(), 98, 20);
  SetTabStop(true);
  SetTransparent(true);
  SetPerformance(qzpDoubleBuffer);
  SetCaption("CheckBox");
}

const TPropTable& TSeCustomCheckBox::Properties() {
  using C = TSeCustomCheckBox;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"), ControlProp("Height"),
       ControlProp("Anchors"),
       ControlProp("Caption"),
       DefaultProp(AccessorProp<C>("AllowGrayed", TPropKind::pkBoolean, &C::AllowGrayed,
                                   &C::SetAllowGrayed),
                   false),
       DefaultProp(AccessorProp<C>("Alignment", TPropKind::pkEnum, &C::Alignment,
                                   &C::SetAlignment, LeftRightNames),
                   lrLeft),
       DefaultProp(AccessorProp<C>("Checked", TPropKind::pkBoolean, &C::Checked, &C::SetChecked),
                   false),
       ControlProp("Enabled"), ControlProp("Font"), ControlProp("ParentFont"), ControlProp("Hint"),
       ControlProp("ShowHint"),
       DefaultProp(AccessorProp<C>("Spacing", TPropKind::pkInteger, &C::Spacing, &C::SetSpacing),
                   5),
       DefaultProp(AccessorProp<C>("State", TPropKind::pkEnum, &C::State, &C::SetState,
                                   StateNames),
                   cbUnchecked),
       DefaultProp(AccessorProp<C>("WordWrap", TPropKind::pkBoolean, &C::WordWrap,
                                   &C::SetWordWrap),
                   false),
       DefaultProp(AccessorProp<C>("Transparent", TPropKind::pkBoolean, &C::Transparent,
                                   &C::SetTransparent),
                   true),
       DefaultProp(AccessorProp<C>("TabStop", TPropKind::pkBoolean, &C::TabStop, &C::SetTabStop),
                   true),
       ControlProp("Visible"), ControlProp("OnClick")});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomCheckBox::SetState(TCheckBoxState Value) {
  if (Value == FState)
    return;
  FState = Value;
  DoClick();
  Invalidate();
}

void TSeCustomCheckBox::SetSpacing(int Value) {
  if (Value != FSpacing) {
    FSpacing = Value;
    Invalidate();
  }
}

void TSeCustomCheckBox::SetAlignment(TSeLeftRight Value) {
  if (Value != FAlignment) {
    FAlignment = Value;
    Invalidate();
  }
}

void TSeCustomCheckBox::SetWordWrap(bool Value) {
  if (Value != FWordWrap) {
    FWordWrap = Value;
    Invalidate();
  }
}

void TSeCustomCheckBox::Toggle() { SetState(NextCheckState(FState, FAllowGrayed)); }

void TSeCustomCheckBox::DoClick() {
  if (!Loading())
    Click();
}

SIZE TSeCustomCheckBox::GetGlyphSize() const { return {13, 13}; }

TCheckLayout TSeCustomCheckBox::Layout() const {
  const SIZE Glyph = GetGlyphSize();
  TCheckLayout L;
  L.Width = Width();
  L.Height = Height();
  L.GlyphWidth = Glyph.cx;
  L.GlyphHeight = Glyph.cy;
  L.Spacing = FSpacing;
  L.Alignment = FAlignment;
  return L;
}

TRect TSeCustomCheckBox::GlyphRect() const { return CheckGlyphRect(Layout()); }

UINT TSeCustomCheckBox::CaptionFormat() const {
  return DrawTextBiDiModeFlags(DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0));
}

TRect TSeCustomCheckBox::CaptionRect() {
  const TCheckLayout L = Layout();
  Canvas().Font.Assign(PaintFont());
  const std::wstring Text = WindowText(Caption());
  // Within the room beside the glyph, one line high to start with.
  TRect Measured{0, 0, CheckCaptionMeasureWidth(L),
                 MeasureTextIn(PaintFont(), L"Wg", 0, DT_SINGLELINE).cy};
  DrawSkinText(Canvas(), Text, Measured, CaptionFormat() | DT_CALCRECT);
  return CheckCaptionRect(L, Measured.Width(), Measured.Height());
}

// ---------------------------------------------------------------------------------------
// Input

LRESULT TSeCustomCheckBox::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_SYSCOLORCHANGE:
    Invalidate();
    break;
  // The platform check box's messages, for programs that read or drive the box from outside
  // (automation, screen readers).
  case BM_GETCHECK:
    return FState == cbChecked  ? BST_CHECKED
           : FState == cbGrayed ? BST_INDETERMINATE
                                : BST_UNCHECKED;
  case BM_SETCHECK:
    SetState(WParam == BST_CHECKED         ? cbChecked
             : WParam == BST_INDETERMINATE ? (FAllowGrayed ? cbGrayed : cbUnchecked)
                                           : cbUnchecked);
    return 0;
  case BM_CLICK:
    if (Enabled())
      Toggle();
    return 0;
  case CM_DIALOGCHAR:
    // The caption's accelerator focuses the box and toggles it.
    if (IsAccelerator(static_cast<wchar_t>(WParam), WindowText(Caption())) && CanFocus()) {
      SetFocus();
      if (Focused())
        Toggle();
      return 1;
    }
    break;
  default:
    break;
  }
  return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

void TSeCustomCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  if (CanFocus())
    SetFocus();
  SetCapture(Handle());
  FPressed = true;
  Invalidate();
}

void TSeCustomCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FPressed) {
    FPressed = false;
    Invalidate();
    if (GetCapture() == Handle())
      ReleaseCapture();
    if (ReleaseToggles(X, Y, Width(), Height()))
      Toggle();
  }
  TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    FPressed = true;
    Invalidate();
  }
  TSeCustomControl::KeyDown(Key, Shift);
}

void TSeCustomCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE && FPressed) {
    Toggle();
    FPressed = false;
    Invalidate();
  }
  TSeCustomControl::KeyUp(Key, Shift);
}

void TSeCustomCheckBox::EnabledChanged() {
  TSeCustomControl::EnabledChanged();
  Invalidate();
}

void TSeCustomCheckBox::CaptionChanged() {
  TSeCustomControl::CaptionChanged();
  Invalidate();
}

// ---------------------------------------------------------------------------------------
// Painting

void TSeCustomCheckBox::PaintClient() {
  TSeCustomControl::PaintClient();
  PaintGlyph();
  PaintCaption();
}

void TSeCustomCheckBox::PaintGlyph() {
  const RECT Glyph = ToRECT(GlyphRect());
  const HDC DC = Canvas().Handle();
  if (VisualStylesActive()) {
    const int Base = FState == cbUnchecked ? UncheckedNormal
                     : FState == cbChecked ? CheckedNormal
                                           : MixedNormal;
    const int Offset = !Enabled() ? 3 : FPressed ? 2 : MouseInControl() ? 1 : 0;
    if (DrawThemePart(HandleAllocated() ? Handle() : nullptr, DC, L"Button", CheckBoxPart,
                      Base + Offset, Glyph))
      return;
  }
  UINT Flags = DFCS_BUTTONCHECK;
  if (FState == cbChecked)
    Flags |= DFCS_CHECKED;
  else if (FState == cbGrayed)
    Flags = DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (!Enabled())
    Flags |= DFCS_INACTIVE;
  RECT R = Glyph;
  DrawFrameControl(DC, &R, DFC_BUTTON, Flags);
}

void TSeCustomCheckBox::PaintCaption() {
  TRect R = CaptionRect();
  const std::wstring Text = WindowText(Caption());
  const UINT Format = CaptionFormat();
  if (!Enabled()) {
    TRect Shadow{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    Canvas().Font.SetColor(clBtnHighlight);
    DrawSkinText(Canvas(), Text, Shadow, Format);
    Canvas().Font.SetColor(clBtnShadow);
  }
  DrawSkinText(Canvas(), Text, R, Format);
  if (FocusedFlag())
    DrawFocusFrame(Canvas(), {R.Left - 1, R.Top - 2, R.Right + 3, R.Bottom + 2}, clBtnShadow);
}
