#include "controls/scroll/SeCustomScrollBar.h"

#include "controls/base/Platform.h"
#include "gfx/Shapes.h"
#include "gfx/VisualStyles.h"
#include "toolkit/Published.h"
#include "toolkit/ScopeGuards.h"
#include "toolkit/Timer.h"
#include "toolkit/WinControl.h"

namespace {

// The theme class "ScrollBar": its parts and states.
constexpr int ArrowPart = 1, ThumbHorzPart = 2, ThumbVertPart = 3;
constexpr int LowerTrackHorzPart = 4, UpperTrackHorzPart = 5;
constexpr int LowerTrackVertPart = 6, UpperTrackVertPart = 7;
constexpr int StateNormal = 1, StateHot = 2, StatePressed = 3, StateDisabled = 4;
// Arrow states come in fours (normal, hot, pressed, disabled) per direction.
constexpr int ArrowUp = 1, ArrowDown = 5, ArrowLeft = 9, ArrowRight = 13;

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

bool Contains(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

} // namespace

const TPropTable& TSeCustomScrollBar::Properties() {
  using S = TSeCustomScrollBar;
  static constexpr const char* KindNames[] = {"sbHorizontal", "sbVertical"};
  static const TPropTable Table(
      &TControl::Properties(),
      {DefaultProp(AccessorProp<S>("Kind", TPropKind::pkEnum, &S::Kind, &S::SetKind, KindNames),
                   sbHorizontal),
       DefaultProp(AccessorProp<S>("Min", TPropKind::pkInteger, &S::Min, &S::SetMin), 0),
       DefaultProp(AccessorProp<S>("Max", TPropKind::pkInteger, &S::Max, &S::SetMax), 100),
       DefaultProp(AccessorProp<S>("PageSize", TPropKind::pkInteger, &S::PageSize,
                                   &S::SetPageSize),
                   0),
       DefaultProp(AccessorProp<S>("Position", TPropKind::pkInteger, &S::Position,
                                   &S::SetPosition),
                   0),
       DefaultProp(AccessorProp<S>("LargeChange", TPropKind::pkInteger, &S::LargeChange,
                                   &S::SetLargeChange),
                   1),
       DefaultProp(AccessorProp<S>("SmallChange", TPropKind::pkInteger, &S::SmallChange,
                                   &S::SetSmallChange),
                   1),
       DefaultProp(AccessorProp<S>("ShowButtons", TPropKind::pkBoolean, &S::ShowButtons,
                                   &S::SetShowButtons),
                   true),
       AccessorProp<S>("BorderWidth", TPropKind::pkInteger, &S::BorderWidth, &S::SetBorderWidth),
       EventProp("OnChange", &S::OnChange)});
  return Table;
}

TSeCustomScrollBar::TSeCustomScrollBar(TComponent* AOwner) : TSeGraphicControl(AOwner) {
  FControlStyle |= csCaptureMouse;
  SetPerformance(qzpDoubleBuffer);
  SetBounds(Left(), Top(), 121, PlatformThumbSize() + 2 * FBorderWidth);
}

TSeCustomScrollBar::~TSeCustomScrollBar() = default;

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomScrollBar::SetKind(TScrollBarKind Value) {
  if (Value != FKind) {
    FKind = Value;
    Invalidate();
  }
}

void TSeCustomScrollBar::ChangeRange(void (TScrollRange::*Setter)(int), int Value) {
  const TScrollRange Old = FRange;
  (FRange.*Setter)(Value);
  if (FRange == Old)
    return;
  Invalidate();
  if (FRange.Position() != Old.Position())
    Change();
}

void TSeCustomScrollBar::SetShowButtons(bool Value) {
  if (Value != FShowButtons) {
    FShowButtons = Value;
    Invalidate();
  }
}

void TSeCustomScrollBar::SetBorderWidth(int Value) {
  if (Value != FBorderWidth) {
    FBorderWidth = Value;
    Invalidate();
  }
}

void TSeCustomScrollBar::AdjustThickness() {
  const int Thickness = PlatformThumbSize() + 2 * FBorderWidth;
  if (FKind == sbHorizontal)
    SetHeight(Thickness);
  else
    SetWidth(Thickness);
}

int TSeCustomScrollBar::PlatformThumbSize() const {
  return GetSystemMetrics(FKind == sbHorizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
}

// ---------------------------------------------------------------------------------------
// Geometry

TScrollBarLayout TSeCustomScrollBar::LayoutWithoutThumb() const {
  TScrollBarLayout Bar;
  Bar.Kind = FKind;
  Bar.Width = Width();
  Bar.Height = Height();
  Bar.Border = FBorderWidth;
  Bar.ButtonSize = ButtonSize();
  Bar.ShowButtons = FShowButtons;
  return Bar;
}

TScrollBarLayout TSeCustomScrollBar::Layout() const {
  TScrollBarLayout Bar = LayoutWithoutThumb();
  Bar.ThumbSize = ThumbSize();
  return Bar;
}

int TSeCustomScrollBar::ButtonSize() const {
  return FitButtonSize(FKind == sbHorizontal ? Width() : Height(), FBorderWidth,
                       PlatformThumbSize());
}

int TSeCustomScrollBar::ThumbSize() const {
  return ThumbSizeFor(LayoutWithoutThumb().TrackLength(), FRange, PlatformThumbSize());
}

TRect TSeCustomScrollBar::Button1Rect() const { return LayoutWithoutThumb().Button1(); }
TRect TSeCustomScrollBar::Button2Rect() const { return LayoutWithoutThumb().Button2(); }
TRect TSeCustomScrollBar::ThumbRect() const { return Layout().Thumb(FRange); }
TRect TSeCustomScrollBar::TrackRect() const { return LayoutWithoutThumb().Track(); }
TRect TSeCustomScrollBar::TrackBeforeRect() const { return Layout().TrackBefore(FRange); }
TRect TSeCustomScrollBar::TrackAfterRect() const { return Layout().TrackAfter(FRange); }

bool TSeCustomScrollBar::InButton1(TPoint Point) const {
  return FShowButtons && Contains(Button1Rect(), Point);
}
bool TSeCustomScrollBar::InButton2(TPoint Point) const {
  return FShowButtons && Contains(Button2Rect(), Point);
}
bool TSeCustomScrollBar::InThumb(TPoint Point) const { return Contains(ThumbRect(), Point); }
bool TSeCustomScrollBar::InTrackBefore(TPoint Point) const {
  return Contains(TrackBeforeRect(), Point);
}
bool TSeCustomScrollBar::InTrackAfter(TPoint Point) const {
  return Contains(TrackAfterRect(), Point);
}

// ---------------------------------------------------------------------------------------
// Scrolling

void TSeCustomScrollBar::Change() {
  if (OnChange)
    OnChange(this);
}

void TSeCustomScrollBar::Scroll(TScrollCode Code, int& Position) {
  if (OnScroll)
    OnScroll(this, Code, Position);
}

void TSeCustomScrollBar::ScrollTo(TScrollCode Code, int Position) {
  Scroll(Code, Position);
  SetPosition(Position);
}

void TSeCustomScrollBar::Step(TSeScrollStep Which) {
  ScrollTo(StepCode(Which), StepPosition(Which, FRange, FSmallChange, FLargeChange));
  if (Which == qssLineBack && Position() <= Min())
    FTowardMin = false;
  if (Which == qssLineForward && Position() >= Max())
    FTowardMax = false;
}

void TSeCustomScrollBar::ScrollContinuously(bool TowardMax) {
  FTowardMax = TowardMax;
  FTowardMin = !TowardMax;
  StartRepeat();
}

void TSeCustomScrollBar::StopContinuousScroll() {
  FTowardMin = FTowardMax = false;
  if (FPressed == TParts{})
    StopRepeat();
}

bool TSeCustomScrollBar::Repeating() const { return FRepeat && FRepeat->Enabled(); }

// One step at once, the next after the keyboard's repeat delay, then at its repeat rate.
void TSeCustomScrollBar::StartRepeat() {
  if (!FRepeat) {
    FRepeat = std::make_unique<TTimer>(nullptr);
    FRepeat->SetEnabled(false);
    FRepeat->SetOnTimer([this](TObject*) { RepeatTick(); });
  }
  FRepeat->SetEnabled(false);
  RepeatStep();
  FRepeat->SetInterval(static_cast<UINT>(KeyRepeatDelay()));
  FRepeat->SetEnabled(true);
}

void TSeCustomScrollBar::StopRepeat() {
  if (FRepeat)
    FRepeat->SetEnabled(false);
}

void TSeCustomScrollBar::RepeatTick() {
  // A failing step stops the repeat, or the timer would fail again and again.
  const TFailureScope Stop([this] { StopRepeat(); });
  const auto Rate = static_cast<UINT>(KeyRepeatInterval());
  if (FRepeat->Interval() != Rate)
    FRepeat->SetInterval(Rate);
  RepeatStep();
}

void TSeCustomScrollBar::RepeatStep() {
  if ((FPressed.Button1 && FHot.Button1) || FTowardMin) {
    Step(qssLineBack);
  } else if ((FPressed.Button2 && FHot.Button2) || FTowardMax) {
    Step(qssLineForward);
  } else {
    // The thumb moved since the last step: what lies under the pointer now?
    UpdateHot(FPointer);
    if (FPressed.TrackBefore && FHot.TrackBefore)
      Step(qssPageBack);
    else if (FPressed.TrackAfter && FHot.TrackAfter)
      Step(qssPageForward);
  }
  // Continuous scrolling that reached its end leaves nothing to repeat.
  if (FPressed == TParts{} && !FTowardMin && !FTowardMax)
    StopRepeat();
}

// ---------------------------------------------------------------------------------------
// Mouse and keyboard

void TSeCustomScrollBar::UpdateHot(TPoint Point) {
  const TParts Old = FHot;
  FHot.Thumb = InThumb(Point);
  FHot.Button1 = InButton1(Point);
  FHot.Button2 = InButton2(Point);
  FHot.TrackBefore = InTrackBefore(Point);
  FHot.TrackAfter = InTrackAfter(Point);
  if (FHot != Old)
    Invalidate();
}

void TSeCustomScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  FPointer = {X, Y};
  UpdateHot(FPointer);
  if (ThumbShown() && InThumb(FPointer)) {
    const TScrollBarLayout Bar = Layout();
    FGrab = Bar.AlongOf(FPointer) - Bar.ThumbStart(FRange, Position());
    ScrollTo(scTrack, Position());
    Invalidate();
    return;
  }
  bool TParts::*Part = InButton1(FPointer)       ? &TParts::Button1
                       : InButton2(FPointer)     ? &TParts::Button2
                       : InTrackBefore(FPointer) ? &TParts::TrackBefore
                       : InTrackAfter(FPointer)  ? &TParts::TrackAfter
                                                 : nullptr;
  if (!Part)
    return;
  FPressed.*Part = true;
  if (FHot.*Part) {
    Invalidate();
    StartRepeat();
  }
}

void TSeCustomScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  TSeGraphicControl::MouseMove(Shift, X, Y);
  FPointer = {X, Y};
  if (FGrab >= 0) {
    const TScrollBarLayout Bar = Layout();
    ScrollTo(scTrack, Bar.PositionAt(FRange, Bar.AlongOf(FPointer) - FGrab));
  }
  UpdateHot(FPointer);
}

void TSeCustomScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft)
    EndPress();
  TSeGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomScrollBar::EndPress() {
  if (FGrab >= 0)
    ScrollTo(scPosition, Position());
  FGrab = -1;
  FPressed = {};
  FTowardMin = FTowardMax = false;
  StopRepeat();
  ScrollTo(scEndScroll, Position());
  Invalidate();
}

void TSeCustomScrollBar::MouseLeave() {
  FHot = {};
  Invalidate();
  TSeGraphicControl::MouseLeave();
}

// Another window took the mouse while a button was held: the press ends as on release.
void TSeCustomScrollBar::MouseCaptureLost() {
  if (FGrab >= 0 || FPressed != TParts{})
    EndPress();
}

void TSeCustomScrollBar::EnabledChanged() {
  TSeGraphicControl::EnabledChanged();
  if (!Enabled() && (FGrab >= 0 || FPressed != TParts{}))
    EndPress();
}

LRESULT TSeCustomScrollBar::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS;
  case WM_KEYDOWN:
    switch (WParam) {
    case VK_LEFT:
    case VK_UP:
      Step(qssLineBack);
      return 0;
    case VK_RIGHT:
    case VK_DOWN:
      Step(qssLineForward);
      return 0;
    case VK_PRIOR:
      Step(qssPageBack);
      return 0;
    case VK_NEXT:
      Step(qssPageForward);
      return 0;
    case VK_HOME:
      Step(qssToMin);
      return 0;
    case VK_END:
      Step(qssToMax);
      return 0;
    default:
      break;
    }
    break;
  default:
    break;
  }
  return TSeGraphicControl::WndProc(Msg, WParam, LParam);
}

// ---------------------------------------------------------------------------------------
// Painting

bool TSeCustomScrollBar::ThumbShown() const { return Enabled() && !ThumbRect().IsEmpty(); }

bool TSeCustomScrollBar::Themed() const { return VisualStylesActive(); }

bool TSeCustomScrollBar::DrawThemed(int Part, int State, const TRect& Rect) {
  const HWND Wnd = Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
  return Themed() && DrawThemePart(Wnd, Canvas().Handle(), L"ScrollBar", Part, State, ToRECT(Rect));
}

void TSeCustomScrollBar::PaintClient() {
  TSeGraphicControl::PaintClient();
  PaintBorder();
  PaintTrack();
  if (FShowButtons) {
    PaintButton1();
    PaintButton2();
  }
  if (ThumbShown()) {
    PaintThumb();
    if (FPressed.TrackBefore && FHot.TrackBefore)
      PaintTrackBefore();
    if (FPressed.TrackAfter && FHot.TrackAfter)
      PaintTrackAfter();
  }
}

void TSeCustomScrollBar::PaintBorder() {
  if (FBorderWidth <= 0)
    return;
  TRect Frame{0, 0, Width(), Height()};
  DrawBevelSides(Canvas(), Frame, BevelLeft | BevelTop | BevelRight | BevelBottom, clBtnHighlight,
                 clBtnShadow, FBorderWidth);
}

void TSeCustomScrollBar::PaintTrack() {
  const TRect Track = TrackRect();
  const int Part = FKind == sbHorizontal ? LowerTrackHorzPart : LowerTrackVertPart;
  if (!DrawThemed(Part, Enabled() ? StateNormal : StateDisabled, Track))
    FillDithered(Canvas(), Track, clScrollBar, clBtnHighlight);
}

void TSeCustomScrollBar::PaintTrackBefore() {
  const TRect Part = TrackBeforeRect();
  if (!DrawThemed(FKind == sbHorizontal ? UpperTrackHorzPart : UpperTrackVertPart, StatePressed,
                  Part))
    FillRectColor(Canvas(), Part, cl3DDkShadow);
}

void TSeCustomScrollBar::PaintTrackAfter() {
  const TRect Part = TrackAfterRect();
  if (!DrawThemed(FKind == sbHorizontal ? LowerTrackHorzPart : LowerTrackVertPart, StatePressed,
                  Part))
    FillRectColor(Canvas(), Part, cl3DDkShadow);
}

void TSeCustomScrollBar::PaintButton1() { PaintButton(false); }
void TSeCustomScrollBar::PaintButton2() { PaintButton(true); }

void TSeCustomScrollBar::PaintButton(bool Second) {
  const TRect Rect = Second ? Button2Rect() : Button1Rect();
  const bool Hot = Second ? FHot.Button2 : FHot.Button1;
  const bool Pushed = Hot && (Second ? FPressed.Button2 : FPressed.Button1);
  const bool Horizontal = FKind == sbHorizontal;
  const int Direction =
      Second ? (Horizontal ? ArrowRight : ArrowDown) : (Horizontal ? ArrowLeft : ArrowUp);
  const int Offset = !Enabled() ? 3 : Pushed ? 2 : Hot ? 1 : 0;
  if (DrawThemed(ArrowPart, Direction + Offset, Rect))
    return;
  UINT Style = Second ? (Horizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN)
                      : (Horizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLUP);
  if (!Enabled())
    Style |= DFCS_INACTIVE;
  else if (Pushed)
    Style |= DFCS_PUSHED | DFCS_FLAT;
  RECT R = ToRECT(Rect);
  DrawFrameControl(Canvas().Handle(), &R, DFC_SCROLL, Style);
}

void TSeCustomScrollBar::PaintThumb() {
  TRect Thumb = ThumbRect();
  const int State = !Enabled()   ? StateDisabled
                    : Dragging() ? StatePressed
                    : FHot.Thumb ? StateHot
                                 : StateNormal;
  if (DrawThemed(FKind == sbHorizontal ? ThumbHorzPart : ThumbVertPart, State, Thumb))
    return;
  FillRectColor(Canvas(), Thumb, clBtnFace);
  if (Dragging()) {
    DrawRectOutline(Canvas(), Thumb, clBtnShadow);
    return;
  }
  constexpr int AllSides = BevelLeft | BevelTop | BevelRight | BevelBottom;
  DrawBevelSides(Canvas(), Thumb, AllSides, cl3DDkShadow, cl3DLight, 1);
  DrawBevelSides(Canvas(), Thumb, AllSides, clBtnShadow, clBtnHighlight, 1);
}
