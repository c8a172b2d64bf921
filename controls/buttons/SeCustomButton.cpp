#include "controls/buttons/SeCustomButton.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

#include "controls/base/CheckGeometry.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/Actions.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Button.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/Forms.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ImageList.h"

namespace {

// The theme class "Button", part 1 (the push button), and its states.
constexpr int PushButtonPart = 1;
constexpr int StateNormal = 1, StateHot = 2, StatePressed = 3, StateDisabled = 4,
              StateDefaulted = 5;

// What an action's image is drawn on to become the glyph: magenta, which the glyph's
// bottom-left pixel then makes see-through wherever the image leaves it.
constexpr TColor ActionGlyphBackground = 0x00FF00FF;

TRect ToRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }
RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

// The kinds' glyphs, each loaded from the program's resources on first use and kept; one
// that cannot be loaded stays empty.
const TBitmap& KindGlyph(TBitBtnKind Kind) {
  static std::map<TBitBtnKind, std::unique_ptr<TBitmap>> Glyphs;
  std::unique_ptr<TBitmap>& Glyph = Glyphs[Kind];
  if (!Glyph) {
    Glyph = std::make_unique<TBitmap>();
    if (const char* Name = ButtonKindInfo(Kind).Resource) {
      try {
        Glyph->LoadFromResourceName(GetModuleHandleW(nullptr), Name);
      } catch (const EResNotFound&) {
      }
    }
  }
  return *Glyph;
}

constexpr std::array<const char*, 11> KindNames{"bkCustom", "bkOK",     "bkCancel", "bkHelp",
                                                "bkYes",    "bkNo",     "bkClose",  "bkAbort",
                                                "bkRetry",  "bkIgnore", "bkAll"};
constexpr std::array<const char*, 4> LayoutNames{"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                 "blGlyphBottom"};
constexpr std::array<const char*, 2> StateNames{"qbsNormal", "qbsPressed"};

bool IsPushButton(const TControl* Control) {
  return dynamic_cast<const TSeCustomButton*>(Control) || dynamic_cast<const TButton*>(Control);
}

} // namespace

TSeCustomButton::TSeCustomButton(TComponent* AOwner) : TSeCustomControl(AOwner) {
  HotLook = true;
  // The button clicks on its own terms (the pointer released over it while tracking).
  FControlStyle = (FControlStyle & ~csClickEvents) | csCaptureMouse | csDoubleClicks;
  FColor = clBtnFace;
  SetPerformance(qzpDoubleBuffer);
  SetTabStop(true);
  SetBounds(Left(), Top(), 75, 25);
  FGlyph.OnChange = [this](TObject*) { GlyphChanged(); };
}

TSeCustomButton::~TSeCustomButton() { SetAction(nullptr); }

const TPropTable& TSeCustomButton::Properties() {
  using B = TSeCustomButton;
  static const TPropTable Table(
      &TControl::Properties(),
      {ComponentProp<B, TAction>("Action", &B::Action, &B::SetAction),
       DefaultProp(AccessorProp<B>("BlackAndWhiteGlyph", TPropKind::pkBoolean,
                                   &B::BlackAndWhiteGlyph, &B::SetBlackAndWhiteGlyph),
                   false),
       DefaultProp(AccessorProp<B>("Cancel", TPropKind::pkBoolean, &B::Cancel, &B::SetCancel),
                   false),
       DefaultProp(AccessorProp<B>("Default", TPropKind::pkBoolean, &B::Default, &B::SetDefault),
                   false),
       DefaultProp(AccessorProp<B>("Kind", TPropKind::pkEnum, &B::Kind, &B::SetKind, KindNames),
                   bkCustom),
       DefaultProp(AccessorProp<B>("ModalResult", TPropKind::pkInteger, &B::ModalResult,
                                   &B::SetModalResult),
                   0),
       DefaultProp(
           AccessorProp<B>("NumGlyphs", TPropKind::pkInteger, &B::NumGlyphs, &B::SetNumGlyphs), 1),
       DefaultProp(AccessorProp<B>("Spacing", TPropKind::pkInteger, &B::Spacing, &B::SetSpacing),
                   4),
       DefaultProp(AccessorProp<B>("State", TPropKind::pkEnum, &B::State, &B::SetState, StateNames),
                   qbsNormal),
       // An image the action gives is the action's to store.
       StoredWhen(ObjectProp<B>("Glyph", &B::FGlyph),
                  [](const TPersistent& O) { return !static_cast<const B&>(O).GlyphFromAction(); }),
       DefaultProp(
           AccessorProp<B>("Layout", TPropKind::pkEnum, &B::Layout, &B::SetLayout, LayoutNames),
           blGlyphLeft),
       DefaultProp(AccessorProp<B>("TabStop", TPropKind::pkBoolean, &B::TabStop, &B::SetTabStop),
                   true),
       DefaultProp(AccessorProp<B>("WordWrap", TPropKind::pkBoolean, &B::WordWrap, &B::SetWordWrap),
                   false),
       DefaultProp(AccessorProp<B>("Performance", TPropKind::pkEnum, &B::Performance,
                                   &B::SetPerformance, PerformanceNames),
                   qzpDoubleBuffer),
       DefaultProp(AccessorProp<B>("Transparent", TPropKind::pkBoolean, &B::Transparent,
                                   &B::SetTransparent),
                   false)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomButton::Changed(bool Differs) {
  if (Differs)
    Invalidate();
}

void TSeCustomButton::SetLayout(TButtonLayout Value) {
  const bool Differs = Value != FLayout;
  FLayout = Value;
  Changed(Differs);
}

void TSeCustomButton::SetNumGlyphs(int Value) {
  Value = Value < 1 ? 1 : Value > 4 ? 4 : Value;
  const bool Differs = Value != FNumGlyphs;
  FNumGlyphs = Value;
  Changed(Differs);
}

void TSeCustomButton::SetSpacing(int Value) {
  const bool Differs = Value != FSpacing;
  FSpacing = Value;
  Changed(Differs);
}

void TSeCustomButton::SetState(TSeButtonState Value) {
  const bool Differs = Value != FState;
  FState = Value;
  Changed(Differs);
}

void TSeCustomButton::SetBlackAndWhiteGlyph(bool Value) {
  const bool Differs = Value != FBlackAndWhiteGlyph;
  FBlackAndWhiteGlyph = Value;
  Changed(Differs);
}

void TSeCustomButton::SetWordWrap(bool Value) {
  const bool Differs = Value != FWordWrap;
  FWordWrap = Value;
  Changed(Differs);
}

void TSeCustomButton::SetGlyph(const TBitmap& Value) {
  FGlyphFromAction = false;
  FGlyph.Assign(Value);
}

void TSeCustomButton::GlyphChanged() {
  SetNumGlyphs(NumGlyphsForGlyph(FGlyph.Width(), FGlyph.Height(), FNumGlyphs));
  Invalidate();
}

void TSeCustomButton::SetKind(TBitBtnKind Value) {
  if (Value == FKind)
    return;
  const TButtonKindInfo Info = ButtonKindInfo(Value);
  if (Info.Changes) {
    SetDefault(Info.MakesDefault);
    FModalResult = Info.ModalResult;
    FGlyph.Assign(KindGlyph(Value));
    SetNumGlyphs(2);
  }
  FKind = Value;
  Invalidate();
}

void TSeCustomButton::SetDefault(bool Value) {
  FDefault = Value;
  if (HandleAllocated())
    if (TForm* Form = GetParentForm(this)) {
      TWinControl* Active = TWinControl::FindControl(GetFocus());
      if (Active && GetParentForm(Active) != Form)
        Active = nullptr;
      Form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Active));
    }
  Invalidate();
}

void TSeCustomButton::FocusChanged(TControl* Focused) {
  const bool Value = Focused && IsPushButton(Focused) ? false : FDefault;
  if (Value != FActiveDefault) {
    FActiveDefault = Value;
    Invalidate();
  }
}

// ---------------------------------------------------------------------------------------
// Actions

void TSeCustomButton::Click() {
  if (TForm* Form = GetParentForm(this))
    Form->ModalResult = FModalResult;
  if (FAction && (FOnClickFromAction || !OnClick))
    FAction->Execute();
  else
    TSeCustomControl::Click();
}

void TSeCustomButton::SetAction(TAction* Value) {
  if (Value == FAction)
    return;
  if (FAction) {
    FAction->RemoveClient(FActionLink.get());
    FAction->RemoveFreeNotification(this);
    DropAction();
  }
  if (!Value)
    return;
  FAction = Value;
  FActionLink = std::make_unique<TActionLinkOf<TSeCustomButton>>(*this);
  FAction->AddClient(FActionLink.get());
  FAction->FreeNotification(this);
  ActionChanged(*FAction, Loading());
}

void TSeCustomButton::DropAction() {
  FAction = nullptr;
  FActionLink.reset();
  FOnClickFromAction = false;
  FGlyphFromAction = false;
}

void TSeCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  TSeCustomControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FAction)
    DropAction();
}

// Linked while loading (CheckDefaults), only what the button left at its defaults is taken.
void TSeCustomButton::ActionChanged(TAction& Source, bool CheckDefaults) {
  if (!CheckDefaults || Caption().empty())
    SetCaption(Source.Caption());
  if (!CheckDefaults || Enabled())
    SetEnabled(Source.Enabled());
  if (!CheckDefaults || Hint().empty())
    SetHint(Source.Hint());
  if (!CheckDefaults || !OnClick) {
    OnClick = Source.OnExecute;
    FOnClickFromAction = true;
  }
  ActionGlyphChanged(Source, CheckDefaults);
}

void TSeCustomButton::ActionGlyphChanged(const TAction& Source, bool CheckDefaults) {
  if (!Source.HasImage()) {
    if (FGlyphFromAction) {
      FGlyphFromAction = false;
      FGlyph.Clear();
    }
    return;
  }
  if (CheckDefaults && !FGlyph.Empty() && !FGlyphFromAction)
    return;
  TBitmap Image;
  Source.Images()->GetBitmap(Source.ImageIndex(), Image, ActionGlyphBackground);
  FGlyphFromAction = true;
  FGlyph.Assign(Image);
}

bool TSeCustomButton::TakesDialogKey(WPARAM Key) const {
  const bool Mine =
      (Key == VK_RETURN && (FActiveDefault || Focused())) || (Key == VK_ESCAPE && FCancel);
  return Mine && (KeyboardShiftState() & (ssShift | ssAlt | ssCtrl)) == 0 && CanFocus();
}

LRESULT TSeCustomButton::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case CM_DIALOGKEY:
    if (!TakesDialogKey(WParam))
      return TSeCustomControl::WndProc(Msg, WParam, LParam);
    Click();
    return 1;
  case CM_FOCUSCHANGED:
    FocusChanged(reinterpret_cast<TControl*>(LParam));
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
  case CM_DIALOGCHAR:
    // The caption's accelerator: focus, then click.
    if (!IsAccelerator(static_cast<wchar_t>(WParam), WindowText(Caption())) || !CanFocus())
      return TSeCustomControl::WndProc(Msg, WParam, LParam);
    SetFocus();
    Click();
    return 1;
  default:
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
  }
}

// ---------------------------------------------------------------------------------------
// Mouse and keyboard

void TSeCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled())
    return;
  if (CanFocus() && !Focused())
    SetFocus();
  SetState(qbsPressed);
  FTracking = true;
}

void TSeCustomButton::MouseMove(TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseMove(Shift, X, Y);
  if (!FTracking)
    return;
  const RECT Client = ClientRect();
  const bool Inside =
      X >= 0 && X < Client.right - Client.left && Y >= 0 && Y < Client.bottom - Client.top;
  SetState(Inside ? qbsPressed : qbsNormal);
}

void TSeCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TComponentRef<TSeCustomButton> Self(this);
  TSeCustomControl::MouseUp(Button, Shift, X, Y);
  if (!Self || !FTracking || Button != mbLeft)
    return;
  FTracking = false;
  SetState(qbsNormal);
  if (X >= 0 && X < Width() && Y >= 0 && Y < Height()) {
    Click();
    if (!Self)
      return;
  }
  Invalidate();
}

void TSeCustomButton::MouseCaptureLost() {
  if (FTracking) {
    FTracking = false;
    SetState(qbsNormal);
  }
}

void TSeCustomButton::KeyDown(WORD& Key, TShiftState Shift) {
  TSeCustomControl::KeyDown(Key, Shift);
  if (Key == VK_SPACE && !(Shift & ssAlt))
    SetState(qbsPressed);
}

void TSeCustomButton::KeyUp(WORD& Key, TShiftState Shift) {
  TSeCustomControl::KeyUp(Key, Shift);
  if (Key != VK_SPACE)
    return;
  Key = 0;
  SetState(qbsNormal);
  Click();
}

void TSeCustomButton::EnabledChanged() {
  TSeCustomControl::EnabledChanged();
  Invalidate();
}

void TSeCustomButton::CaptionChanged() {
  TSeCustomControl::CaptionChanged();
  Invalidate();
}

// ---------------------------------------------------------------------------------------
// Layout

std::wstring TSeCustomButton::CaptionText() const { return WindowText(Caption()); }

TPoint TSeCustomButton::GlyphCell() const {
  return GlyphCellSize(FGlyph.Width(), FGlyph.Height(), FNumGlyphs);
}

TPoint TSeCustomButton::CaptionExtent() {
  if (FWordWrap)
    return WordWrapBox(Width(), Height(), FSpacing, GlyphCell());
  Canvas().Font.Assign(PaintFont());
  const std::wstring Text = CaptionText();
  SIZE Size{};
  // A scratch context: the extent does not depend on where the button paints.
  const TScreenScratchDC Screen;
  SelectObject(Screen.DC(), Canvas().Font.Handle());
  GetTextExtentPoint32W(Screen.DC(), Text.c_str(), static_cast<int>(Text.size()), &Size);
  return {Size.cx, Size.cy};
}

TRect TSeCustomButton::GetContentRect() {
  TButtonContent C;
  C.Width = Width();
  C.Height = Height();
  C.Text = CaptionExtent();
  C.Cell = GlyphCell();
  C.Spacing = FSpacing;
  C.Layout = FLayout;
  C.Pressed = FState == qbsPressed;
  return ButtonContentRect(C);
}

TRect TSeCustomButton::GetCaptionRect() {
  return ButtonCaptionRect(GetContentRect(), GlyphCell(), FSpacing, FLayout);
}

TRect TSeCustomButton::GetGlyphRect() {
  return ButtonGlyphRect(GetContentRect(), GlyphCell(), FSpacing, FLayout);
}

TRect TSeCustomButton::CaptionTextRect(UINT& Flags) {
  const TRect Area = GetCaptionRect();
  const std::wstring Text = CaptionText();
  Flags = DrawTextBiDiModeFlags(DT_CENTER | (FWordWrap ? DT_WORDBREAK : 0));
  TPoint Size = CaptionExtent();
  if (FWordWrap) {
    const TSelectObject Font(Canvas().Handle(), Canvas().Font.Handle());
    SIZE Line{};
    GetTextExtentPoint32W(Canvas().Handle(), Text.c_str(), static_cast<int>(Text.size()), &Line);
    RECT Measured{0, 0, Area.Width(), Line.cy};
    DrawTextW(Canvas().Handle(), Text.c_str(), static_cast<int>(Text.size()), &Measured,
              Flags | DT_CALCRECT);
    Size = {Measured.right - Measured.left, Measured.bottom - Measured.top};
  }
  return CentredRect(Area, Size.X, Size.Y);
}

// ---------------------------------------------------------------------------------------
// Painting

void TSeCustomButton::PaintClient() {
  TSeCustomControl::PaintClient();
  PaintFace();
  PaintCaption();
  PaintGlyph();
}

void TSeCustomButton::PaintFace() {
  TRect R = ToRect(GetInnerRect());
  const HDC DC = Canvas().Handle();
  if (VisualStylesActive()) {
    const int ThemeState = !Enabled()             ? StateDisabled
                           : FState == qbsPressed ? StatePressed
                           : MouseInControl()     ? StateHot
                           : ShowsFocus()         ? StateDefaulted
                                                  : StateNormal;
    if (!Transparent())
      DrawParentBackground(DC);
    if (DrawThemePart(HandleAllocated() ? Handle() : nullptr, DC, L"Button", PushButtonPart,
                      ThemeState, ToRECT(R)))
      return;
  }
  if (ShowsFocus()) {
    DrawRectOutline(Canvas(), R, clBlack);
    R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
  }
  FillRectColor(Canvas(), R, Color());
  if (FState == qbsNormal) {
    DrawEdgeLines(Canvas(), R, clBtnHighlight, clBlack);
    R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
    DrawEdgeLines(Canvas(), R, Color(), clBtnShadow);
  } else {
    DrawRectOutline(Canvas(), R, clBtnShadow);
  }
  if (FocusedFlag()) {
    const TRect Inner = ToRect(GetInnerRect());
    DrawFocusFrame(Canvas(), {Inner.Left + 4, Inner.Top + 4, Inner.Right - 4, Inner.Bottom - 4},
                   clBtnShadow);
  }
}

void TSeCustomButton::PaintCaption() {
  Canvas().Font.Assign(PaintFont());
  UINT Flags = 0;
  TRect R = CaptionTextRect(Flags);
  const std::wstring Text = CaptionText();
  if (!Enabled()) {
    TRect Shadow{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    Canvas().Font.SetColor(clBtnHighlight);
    DrawSkinText(Canvas(), Text, Shadow, Flags);
    Canvas().Font.SetColor(clBtnShadow);
  }
  DrawSkinText(Canvas(), Text, R, Flags);
}

void TSeCustomButton::PaintGlyph() {
  const TPoint Cell = GlyphCell();
  if (Cell.X <= 0 || Cell.Y <= 0)
    return;
  const TRect Target = CentredRect(GetGlyphRect(), Cell.X, Cell.Y);
  const int Source = GlyphCellIndex(FNumGlyphs, !Enabled(), FState == qbsPressed) * Cell.X;
  const bool Grey = FBlackAndWhiteGlyph && !MouseInControl();
  const bool Pale = FNumGlyphs == 1 && !Enabled();
  // The glyph's pixels read once as 0x00RRGGBB rows, top row first.
  const int W = FGlyph.Width(), H = FGlyph.Height();
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = W;
  Info.bmiHeader.biHeight = -H;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  std::vector<TsePixel> Pixels(static_cast<size_t>(W) * H);
  const TScreenScratchDC Screen;
  if (!GetDIBits(Screen.DC(), FGlyph.Handle(), 0, H, Pixels.data(), &Info, DIB_RGB_COLORS))
    return;
  const TsePixel Clear = Pixels[static_cast<size_t>(H - 1) * W] & 0xFFFFFF;
  const HDC DC = Canvas().Handle();
  for (int Y = 0; Y < Cell.Y; ++Y)
    for (int X = 0; X < Cell.X && Source + X < W; ++X) {
      const TsePixel P = Pixels[static_cast<size_t>(Y) * W + Source + X] & 0xFFFFFF;
      if (P == Clear)
        continue;
      const TsePixel Shown = GlyphPixel(P, Grey, Pale);
      SetPixelV(DC, Target.Left + X, Target.Top + Y,
                RGB(Shown >> 16 & 0xFF, Shown >> 8 & 0xFF, Shown & 0xFF));
    }
}
