#include "controls/scroll/ScrollBarGeometry.h"

#include <algorithm>

void TScrollRange::SetMin(int Value) {
  FMin = std::min(Value, FMax);
  FPosition = std::max(FPosition, FMin);
  CutPage();
}

void TScrollRange::SetMax(int Value) {
  FMax = std::max(Value, FMin);
  FPosition = std::min(FPosition, FMax);
  CutPage();
}

void TScrollRange::SetPageSize(int Value) {
  if (Value < 0)
    return;
  FPageSize = Value;
  CutPage();
}

int TScrollRange::Clamp(int Value) const { return std::clamp(Value, FMin, FMax); }

void TScrollRange::CutPage() { FPageSize = std::min(FPageSize, Count()); }

int FitButtonSize(int Length, int Border, int Preferred) {
  const int Inside = Length - 2 * Border;
  return Inside < 2 * Preferred ? Inside / 2 : Preferred;
}

int ThumbSizeFor(int TrackLength, const TScrollRange& Range, int PlatformThumb) {
  int Size = PlatformThumb;
  if (Range.PageSize() > 0)
    Size =
        std::max(MulDivRound(TrackLength, Range.PageSize(), Range.Count()), PlatformThumb * 2 / 3);
  return Size > TrackLength ? 0 : Size;
}

TRect TScrollBarLayout::Span(int Start, int End) const {
  const int Across0 = Border, Across1 = Thickness() - Border;
  return Kind == sbHorizontal ? TRect{Start, Across0, End, Across1}
                              : TRect{Across0, Start, Across1, End};
}

int TScrollBarLayout::ThumbStart(const TScrollRange& Range, int Position) const {
  const int Travel = Range.Travel();
  if (Travel < 1)
    return TrackStart();
  if (Position > Range.LastThumbPosition())
    return TrackEnd() - ThumbSize;
  return TrackStart() + MulDivRound(Position - Range.Min(), TrackLength() - ThumbSize, Travel);
}

int TScrollBarLayout::PositionAt(const TScrollRange& Range, int Start) const {
  const int Free = TrackLength() - ThumbSize;
  if (Free <= 0)
    return Range.Min();
  const int Position = MulDivRound(Start - TrackStart(), Range.Travel(), Free) + Range.Min();
  return std::clamp(Position, Range.Min(), std::max(Range.Min(), Range.LastThumbPosition()));
}

TRect TScrollBarLayout::Thumb(const TScrollRange& Range) const {
  if (ThumbSize <= 0)
    return {};
  const int Start = ThumbStart(Range, Range.Position());
  return Span(Start, Start + ThumbSize);
}

TRect TScrollBarLayout::TrackBefore(const TScrollRange& Range) const {
  return Span(TrackStart(), ThumbStart(Range, Range.Position()));
}

TRect TScrollBarLayout::TrackAfter(const TScrollRange& Range) const {
  return Span(ThumbStart(Range, Range.Position()) + ThumbSize, TrackEnd());
}

TScrollCode StepCode(TSeScrollStep Step) {
  switch (Step) {
  case qssLineBack:
    return scLineUp;
  case qssLineForward:
    return scLineDown;
  case qssPageBack:
    return scPageUp;
  case qssPageForward:
    return scPageDown;
  case qssToMax:
    return scBottom;
  case qssToMin:
  default:
    return scTop;
  }
}

int StepPosition(TSeScrollStep Step, const TScrollRange& Range, int SmallChange, int LargeChange) {
  // Wide, so that a step from near the ends of int cannot overflow before the clamp.
  const int64_t Page = Range.PageSize() < 1 ? LargeChange : Range.PageSize();
  int64_t Position = Range.Position();
  switch (Step) {
  case qssLineBack:
    Position -= SmallChange;
    break;
  case qssLineForward:
    Position += SmallChange;
    break;
  case qssPageBack:
    Position -= Page;
    break;
  case qssPageForward:
    Position += Page;
    break;
  case qssToMax:
    Position = Range.Max();
    break;
  case qssToMin:
    Position = Range.Min();
    break;
  }
  return static_cast<int>(std::clamp<int64_t>(Position, Range.Min(), Range.Max()));
}
