#include "controls/trackbar/TrackBarGeometry.h"

#include <algorithm>
#include <cstdint>

int RoundHalfEven(long long Numerator, long long Denominator) {
  if (Denominator < 0) {
    Numerator = -Numerator;
    Denominator = -Denominator;
  }
  long long Quotient = Numerator / Denominator;
  long long Rest = Numerator % Denominator;
  if (Rest < 0) { // floor division
    --Quotient;
    Rest += Denominator;
  }
  const long long Twice = 2 * Rest;
  if (Twice > Denominator || (Twice == Denominator && (Quotient & 1) != 0))
    ++Quotient;
  return static_cast<int>(Quotient);
}

int ThumbLengthFor(int ThumbWidth) { return RoundHalfEven(ThumbWidth * 22LL, 10); }

int TTrackBarLayout::PositionToPixel(int Position) const {
  if (Max == Min)
    return 0;
  const int Travel = Length() - 2 * EndMargin - ThumbWidth;
  const int Pixel = ThumbWidth / 2 + EndMargin +
                    RoundHalfEven(static_cast<long long>(Travel) * (Position - Min), Max - Min);
  return static_cast<int16_t>(Pixel);
}

int TTrackBarLayout::PixelToPosition(int Along) const {
  const int Travel = Length() - 2 * EndMargin - ThumbWidth;
  int Value = Min;
  if (Travel > 0)
    Value = RoundHalfEven(static_cast<long long>(Along - EndMargin - ThumbWidth / 2) * (Max - Min) +
                              static_cast<long long>(Min) * Travel,
                          Travel);
  if (Frequency > 0) {
    const int Excess = Value % Frequency;
    if (Excess > Frequency / 2)
      Value += Frequency;
    Value -= Excess;
  }
  return std::clamp(Value, Min, std::max(Min, Max));
}

TRect TTrackBarLayout::Oriented(int AlongFrom, int AcrossFrom, int AlongTo, int AcrossTo) const {
  if (Orientation == toHorizontal)
    return {AlongFrom, AcrossFrom, AlongTo, AcrossTo};
  return {AcrossFrom, AlongFrom, AcrossTo, AlongTo};
}

TPoint TTrackBarLayout::Oriented(int Along, int Across) const {
  return Orientation == toHorizontal ? TPoint{Along, Across} : TPoint{Across, Along};
}

TRect TTrackBarLayout::TrackRect() const {
  const int T = ThumbWidth;
  int Top = SideOffset + (TickMarks == tmTopLeft ? T / 2 : T / 4);
  if (TopTicks())
    Top += TopTickRoom;
  int Bottom = Top + ThumbLength - T / 2 - T / 4;
  if (TickMarks == tmBoth) {
    Bottom = Top + ThumbLength - 2 * (T / 4) - 1;
    ++Top;
  }
  return Oriented(EndMargin, Top, Length() - EndMargin, Bottom);
}

TRect TTrackBarLayout::HighlightRect(const TRect& Track, int Centre,
                                     TIntervalHighlightType Type) const {
  const bool Horizontal = Orientation == toHorizontal;
  const int Start = Horizontal ? Track.Left : Track.Top;
  const int End = Horizontal ? Track.Right : Track.Bottom;
  const int AcrossFrom = Horizontal ? Track.Top : Track.Left;
  const int AcrossTo = Horizontal ? Track.Bottom : Track.Right;
  switch (Type) {
  case htLowInterval:
    return Oriented(Start, AcrossFrom, Centre, AcrossTo);
  case htHighInterval:
    return Oriented(Centre, AcrossFrom, End, AcrossTo);
  default:
    return Oriented(Start, AcrossFrom, Start, AcrossTo);
  }
}

std::vector<int> TTrackBarLayout::TickValues() const {
  std::vector<int> Values;
  for (int I = Min; I <= Max; ++I)
    if (I == Min || I == Max || (Frequency > 0 && I % Frequency == 0))
      Values.push_back(I);
  return Values;
}

std::vector<TTrackTick> TTrackBarLayout::Ticks() const {
  std::vector<TTrackTick> Lines;
  if (!ShowTicks)
    return Lines;
  const std::vector<int> Values = TickValues();
  if (TickMarks == tmTopLeft || TickMarks == tmBoth)
    for (int Value : Values) {
      const bool End = Value == Min || Value == Max;
      // From S + 3 up to S, the end ticks to S - 1, the far point left out.
      Lines.push_back({PositionToPixel(Value), SideOffset + (End ? 0 : 1), SideOffset + 3, End});
    }
  if (TickMarks == tmBottomRight || TickMarks == tmBoth) {
    const int From = SideOffset + ThumbLength + (TickMarks == tmBoth ? 6 : 2);
    for (int Value : Values) {
      const bool End = Value == Min || Value == Max;
      Lines.push_back({PositionToPixel(Value), From, From + (End ? 3 : 2), End});
    }
  }
  return Lines;
}

TRect TTrackBarLayout::ThumbBounds(int Centre) const {
  const int Start = Centre - ThumbWidth / 2;
  return Oriented(Start, ThumbTop(), Start + ThumbWidth, ThumbTop() + ThumbLength);
}

std::vector<TPoint> TTrackBarLayout::ThumbOutline(int Centre) const {
  const int T = ThumbWidth, Len = ThumbLength, H = T / 2;
  const int X0 = Centre - T / 2, X1 = X0 + T - 1, Y0 = ThumbTop();
  std::vector<TPoint> Along;
  switch (TickMarks) {
  case tmBoth:
    Along = {{X0, Y0}, {X0 + T, Y0}, {X0 + T, Y0 + Len}, {X0, Y0 + Len}};
    break;
  case tmBottomRight:
    Along = {
        {X0, Y0}, {X1, Y0}, {X1, Y0 + Len - H - 1}, {Centre, Y0 + Len - 1}, {X0, Y0 + Len - H - 1}};
    break;
  case tmTopLeft:
    Along = {{Centre, Y0}, {X1, Y0 + H}, {X1, Y0 + Len - 1}, {X0, Y0 + Len - 1}, {X0, Y0 + H}};
    break;
  }
  std::vector<TPoint> Outline;
  for (const TPoint& P : Along)
    Outline.push_back(Oriented(P.X, P.Y));
  return Outline;
}

namespace {

// Inside the polygon or on its edge.
bool InPolygon(const std::vector<TPoint>& Polygon, TPoint P) {
  bool Inside = false;
  for (size_t I = 0, J = Polygon.size() - 1; I < Polygon.size(); J = I++) {
    const TPoint A = Polygon[I], B = Polygon[J];
    // On the segment A-B?
    const long long Cross = static_cast<long long>(B.X - A.X) * (P.Y - A.Y) -
                            static_cast<long long>(B.Y - A.Y) * (P.X - A.X);
    if (Cross == 0 && P.X >= std::min(A.X, B.X) && P.X <= std::max(A.X, B.X) &&
        P.Y >= std::min(A.Y, B.Y) && P.Y <= std::max(A.Y, B.Y))
      return true;
    if ((A.Y > P.Y) != (B.Y > P.Y) &&
        P.X < A.X + static_cast<double>(B.X - A.X) * (P.Y - A.Y) / (B.Y - A.Y))
      Inside = !Inside;
  }
  return Inside;
}

} // namespace

bool TTrackBarLayout::ThumbHit(int Centre, TPoint P) const {
  if (TickMarks == tmBoth) {
    const TRect R = ThumbBounds(Centre);
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
  }
  return InPolygon(ThumbOutline(Centre), P);
}

int PageStepToward(int Position, int Target, int PageSize) {
  if (Target > Position)
    return Position + PageSize;
  if (Target < Position)
    return Position - PageSize;
  return Position;
}
