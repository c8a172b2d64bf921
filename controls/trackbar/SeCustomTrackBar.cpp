#include "controls/trackbar/SeCustomTrackBar.h"

#include <algorithm>
#include <vector>

#include "gfx/Shapes.h"
#include "gfx/VisualStyles.h"
#include "toolkit/Published.h"

namespace {

// The theme class "TrackBar": its parts and states.
constexpr int TrackHorzPart = 1, TrackVertPart = 2;
constexpr int StateNormal = 1, StateHot = 2, StatePressed = 3, StateDisabled = 5;
constexpr TColor SelectionColor = SystemColor(COLOR_HIGHLIGHT);
// The focus rectangle takes the platform's own colours.
constexpr TColor FocusColor = static_cast<TColor>(0xFF000000u);

constexpr const char* Orientations[] = {"toHorizontal", "toVertical"};
constexpr const char* TickMarkNames[] = {"tmBoth", "tmBottomRight", "tmTopLeft"};
constexpr const char* HighlightNames[] = {"htLowInterval", "htHighInterval", "htNone"};

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

// The theme's thumb part: horizontal for both sides, pointing down, pointing up; vertical for
// both sides, pointing right, pointing left.
int ThumbPart(TTrackOrientation Orientation, TTickMark Marks) {
  if (Orientation == toHorizontal)
    return Marks == tmBoth ? 3 : Marks == tmBottomRight ? 4 : 5;
  return Marks == tmBoth ? 6 : Marks == tmBottomRight ? 8 : 7;
}

void PixelLine(HDC DC, TPoint From, TPoint To, COLORREF Color) {
  const int Steps = std::max(std::abs(To.X - From.X), std::abs(To.Y - From.Y));
  const int DX = (To.X > From.X) - (To.X < From.X), DY = (To.Y > From.Y) - (To.Y < From.Y);
  for (int I = 0; I <= Steps; ++I)
    SetPixelV(DC, From.X + I * DX, From.Y + I * DY, Color);
}

} // namespace

TSeCustomTrackBar::TSeCustomTrackBar(TComponent* AOwner) : TSeCustomControl(AOwner) {
  FControlStyle |= csCaptureMouse;
  SetTabStop(true);
  SetPerformance(qzpDoubleBuffer);
  SetBounds(Left(), Top(), 150, 45);
}

const TPropTable& TSeCustomTrackBar::Properties() {
  using T = TSeCustomTrackBar;
  static const TPropTable Table(
      &TControl::Properties(),
      {DefaultProp(AccessorProp<T>("Min", TPropKind::pkInteger, &T::Min, &T::SetMin), 0),
       DefaultProp(AccessorProp<T>("Max", TPropKind::pkInteger, &T::Max, &T::SetMax), 10),
       DefaultProp(AccessorProp<T>("Position", TPropKind::pkInteger, &T::Position,
                                   &T::SetPosition),
                   3),
       DefaultProp(AccessorProp<T>("Orientation", TPropKind::pkEnum, &T::Orientation,
                                   &T::SetOrientation, Orientations),
                   toHorizontal),
       AccessorProp<T>("ThumbHalfWidth", TPropKind::pkInteger, &T::ThumbHalfWidth,
                       &T::SetThumbHalfWidth),
       DefaultProp(AccessorProp<T>("LineSize", TPropKind::pkInteger, &T::LineSize,
                                   &T::SetLineSize),
                   1),
       DefaultProp(AccessorProp<T>("PageSize", TPropKind::pkInteger, &T::PageSize,
                                   &T::SetPageSize),
                   2),
       DefaultProp(AccessorProp<T>("Frequency", TPropKind::pkInteger, &T::Frequency,
                                   &T::SetFrequency),
                   1),
       DefaultProp(AccessorProp<T>("ThumbVisible", TPropKind::pkBoolean, &T::ThumbVisible,
                                   &T::SetThumbVisible),
                   true),
       DefaultProp(AccessorProp<T>("ShowTicks", TPropKind::pkBoolean, &T::ShowTicks,
                                   &T::SetShowTicks),
                   true),
       DefaultProp(AccessorProp<T>("IntervalHighlightType", TPropKind::pkEnum,
                                   &T::IntervalHighlightType, &T::SetIntervalHighlightType,
                                   HighlightNames),
                   htNone),
       DefaultProp(AccessorProp<T>("TickMarks", TPropKind::pkEnum, &T::TickMarks,
                                   &T::SetTickMarks, TickMarkNames),
                   tmBottomRight),
       DefaultProp(AccessorProp<T>("TabStop", TPropKind::pkBoolean, &T::TabStop, &T::SetTabStop),
                   true),
       EventProp("OnChange", &T::OnChange)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomTrackBar::SetMin(int Value) {
  if (Value == FMin || Value >= FMax)
    return;
  FMin = Value;
  if (FPosition < FMin)
    FPosition = FMin;
  Invalidate();
}

void TSeCustomTrackBar::SetMax(int Value) {
  if (Value == FMax || Value <= FMin)
    return;
  FMax = Value;
  if (FPosition > FMax)
    FPosition = FMax;
  Invalidate();
}

void TSeCustomTrackBar::SetPosition(int Value) {
  if (Value == FPosition)
    return;
  FPosition = std::clamp(Value, FMin, FMax);
  Invalidate();
  Change();
}

void TSeCustomTrackBar::SetOrientation(TTrackOrientation Value) {
  if (Value == FOrientation)
    return;
  FOrientation = Value;
  Invalidate();
}

void TSeCustomTrackBar::SetChanged(bool& Field, bool Value) {
  if (Value == Field)
    return;
  Field = Value;
  Invalidate();
}

void TSeCustomTrackBar::SetThumbHalfWidth(uint16_t Value) {
  if (Value == FThumbHalfWidth)
    return;
  FThumbHalfWidth = Value;
  Invalidate();
}

void TSeCustomTrackBar::SetFrequency(int Value) {
  if (Value == FFrequency)
    return;
  FFrequency = Value;
  Invalidate();
}

void TSeCustomTrackBar::SetThumbVisible(bool Value) { SetChanged(FThumbVisible, Value); }
void TSeCustomTrackBar::SetShowTicks(bool Value) { SetChanged(FShowTicks, Value); }

void TSeCustomTrackBar::SetIntervalHighlightType(TIntervalHighlightType Value) {
  if (Value == FHighlight)
    return;
  FHighlight = Value;
  Invalidate();
}

void TSeCustomTrackBar::SetTickMarks(TTickMark Value) {
  if (Value == FTickMarks)
    return;
  FTickMarks = Value;
  Invalidate();
}

void TSeCustomTrackBar::Change() {
  if (OnChange)
    OnChange(this);
}

// ---------------------------------------------------------------------------------------
// Geometry

int TSeCustomTrackBar::ThumbWidth() const { return ThumbWidthFor(FThumbHalfWidth); }
int TSeCustomTrackBar::EndMargin() const { return TrackEndMargin; }
int TSeCustomTrackBar::SideOffset() const { return TrackSideOffset; }
int TSeCustomTrackBar::ThumbLength() const { return ThumbLengthFor(ThumbWidth()); }

TTrackBarLayout TSeCustomTrackBar::Layout() const {
  TTrackBarLayout Bar;
  Bar.Orientation = FOrientation;
  Bar.Width = Width();
  Bar.Height = Height();
  Bar.Min = FMin;
  Bar.Max = FMax;
  Bar.Frequency = FFrequency;
  Bar.ShowTicks = FShowTicks;
  Bar.TickMarks = FTickMarks;
  Bar.ThumbWidth = ThumbWidth();
  Bar.ThumbLength = ThumbLength();
  Bar.EndMargin = EndMargin();
  Bar.SideOffset = SideOffset();
  return Bar;
}

bool TSeCustomTrackBar::ThumbHitTest(TPoint Point) const {
  const TTrackBarLayout Bar = Layout();
  return Bar.ThumbHit(Bar.PositionToPixel(FPosition), Point);
}

// ---------------------------------------------------------------------------------------
// Mouse and keyboard

void TSeCustomTrackBar::UpdateThumbHot(TPoint Point) {
  const bool Hot = ThumbHitTest(Point);
  if (Hot != FThumbHot) {
    FThumbHot = Hot;
    Invalidate();
  }
}

void TSeCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus())
    SetFocus();
  TSeCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  if (ThumbHitTest({X, Y})) {
    FDragging = true;
    Invalidate();
    return;
  }
  const TTrackBarLayout Bar = Layout();
  const int Target = Bar.PixelToPosition(Bar.AlongOf({X, Y}));
  if (Target != FPosition)
    SetPosition(PageStepToward(FPosition, Target, FPageSize));
}

void TSeCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseMove(Shift, X, Y);
  if (FDragging) {
    const TTrackBarLayout Bar = Layout();
    SetPosition(Bar.PixelToPosition(std::clamp(Bar.AlongOf({X, Y}), 0, Bar.Length())));
  }
  UpdateThumbHot({X, Y});
}

void TSeCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FDragging = false;
    Invalidate();
  }
  TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomTrackBar::MouseLeave() {
  FThumbHot = false;
  Invalidate();
  TSeCustomControl::MouseLeave();
}

// Another window took the mouse while the thumb was held: let go of it.
void TSeCustomTrackBar::MouseCaptureLost() {
  if (FDragging) {
    FDragging = false;
    Invalidate();
  }
}

void TSeCustomTrackBar::EnabledChanged() {
  TSeCustomControl::EnabledChanged();
  if (!Enabled())
    FDragging = false;
  Invalidate();
}

LRESULT TSeCustomTrackBar::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_GETDLGCODE)
    return DLGC_WANTARROWS;
  if (Msg == WM_KEYDOWN) {
    switch (WParam) {
    case VK_PRIOR:
      SetPosition(FPosition - FPageSize);
      return 0;
    case VK_NEXT:
      SetPosition(FPosition + FPageSize);
      return 0;
    case VK_END:
      SetPosition(FMax);
      return 0;
    case VK_HOME:
      SetPosition(FMin);
      return 0;
    case VK_LEFT:
    case VK_UP:
      SetPosition(FPosition - FLineSize);
      return 0;
    case VK_RIGHT:
    case VK_DOWN:
      SetPosition(FPosition + FLineSize);
      return 0;
    default:
      break;
    }
  }
  return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

// ---------------------------------------------------------------------------------------
// Painting

bool TSeCustomTrackBar::Themed() const { return VisualStylesActive(); }

bool TSeCustomTrackBar::DrawThemed(int Part, int State, const TRect& Rect) {
  return Themed() && DrawThemePart(HandleAllocated() ? Handle() : nullptr, Canvas().Handle(),
                                   L"TrackBar", Part, State, ToRECT(Rect));
}

void TSeCustomTrackBar::PaintClient() {
  TSeCustomControl::PaintClient();
  const TTrackBarLayout Bar = Layout();
  const int Centre = Bar.PositionToPixel(FPosition);
  PaintTrack(Bar.EndMargin, Bar.Length() - Bar.EndMargin, Centre);
  PaintTicks();
  PaintThumb(Centre);
  if (FocusedFlag())
    DrawFocusFrame(Canvas(), {0, 0, Width(), Height()}, FocusColor);
}

void TSeCustomTrackBar::PaintTrack(int Start, int End, int Centre) {
  const TTrackBarLayout Bar = Layout();
  const TRect Across = Bar.TrackRect();
  const TRect Track = FOrientation == toHorizontal ? TRect{Start, Across.Top, End, Across.Bottom}
                                                   : TRect{Across.Left, Start, Across.Right, End};
  // The theme's track is a thin groove in the middle of the thumb's reach.
  TRect Groove = Track;
  const int Inset = FThumbHalfWidth + 1;
  if (FOrientation == toHorizontal) {
    Groove.Top += Inset;
    Groove.Bottom -= Inset;
  } else {
    Groove.Left += Inset;
    Groove.Right -= Inset;
  }
  if (DrawThemed(FOrientation == toHorizontal ? TrackHorzPart : TrackVertPart, StateNormal, Groove))
    return;
  FillRectColor(Canvas(), Track, Enabled() ? clBtnHighlight : clBtnFace);
  if (HighlightShown())
    FillRectColor(Canvas(), Bar.HighlightRect(Track, Centre, FHighlight), SelectionColor);
  TRect Frame = Track;
  constexpr int AllSides = BevelLeft | BevelTop | BevelRight | BevelBottom;
  DrawBevelSides(Canvas(), Frame, AllSides, clBtnHighlight, clBtnShadow, 1);
  DrawBevelSides(Canvas(), Frame, AllSides, cl3DLight, cl3DDkShadow, 1);
}

void TSeCustomTrackBar::PaintTicks() {
  if (!FShowTicks)
    return;
  for (const TTrackTick& Tick : Layout().Ticks())
    PaintTick(Tick);
}

TRect TSeCustomTrackBar::TickRect(const TTrackTick& Tick) const {
  if (FOrientation == toHorizontal)
    return {Tick.Along, Tick.From, Tick.Along + 1, Tick.To + 1};
  return {Tick.From, Tick.Along, Tick.To + 1, Tick.Along + 1};
}

void TSeCustomTrackBar::PaintTick(const TTrackTick& Tick) {
  FillRectColor(Canvas(), TickRect(Tick), clBlack);
}

void TSeCustomTrackBar::PaintThumb(int Centre) {
  if (!FThumbVisible)
    return;
  const TTrackBarLayout Bar = Layout();
  TRect Bounds = Bar.ThumbBounds(Centre);
  const int State = !Enabled()  ? StateDisabled
                    : FDragging ? StatePressed
                    : FThumbHot ? StateHot
                                : StateNormal;
  const TRect Grown{Bounds.Left - 1, Bounds.Top - 1, Bounds.Right + 1, Bounds.Bottom + 1};
  if (DrawThemed(ThumbPart(FOrientation, FTickMarks), State, Grown))
    return;
  // Classic: the outline filled with the face, lit on its upper and left sides and shaded on
  // the others; a held thumb shows the face checked with the highlight.
  std::vector<TPoint> Outline = Bar.ThumbOutline(Centre);
  if (FTickMarks == tmBoth) // the rectangle's far corners are exclusive; the edges are drawn on
    Outline = {{Bounds.Left, Bounds.Top},
               {Bounds.Right - 1, Bounds.Top},
               {Bounds.Right - 1, Bounds.Bottom - 1},
               {Bounds.Left, Bounds.Bottom - 1}};
  std::vector<POINT> Points;
  for (const TPoint& P : Outline)
    Points.push_back({P.X, P.Y});
  const int Last = static_cast<int>(Points.size()) - 1;
  if (FDragging)
    FillPolygonDithered(Canvas(), Points.data(), Last, clBtnFace, clBtnHighlight);
  else
    FillPolygon(Canvas(), Points.data(), Last, clBtnFace);
  const HDC DC = Canvas().Handle();
  const COLORREF Light = ColorToRGB(clBtnHighlight), Dark = ColorToRGB(cl3DDkShadow);
  // Corners run clockwise on screen for a horizontal bar; swapping the axes reverses them.
  const int Turn = FOrientation == toHorizontal ? 1 : -1;
  for (size_t I = 0; I < Outline.size(); ++I) {
    const TPoint A = Outline[I], B = Outline[(I + 1) % Outline.size()];
    const int NormalX = Turn * (B.Y - A.Y), NormalY = -Turn * (B.X - A.X);
    PixelLine(DC, A, B, NormalX < 0 || NormalY < 0 ? Light : Dark);
  }
}
