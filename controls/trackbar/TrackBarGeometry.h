#pragma once
// The track bar's arithmetic, free of the window system: where the thumb stands for a value
// and which value a pixel stands for (snapped to the tick frequency), the track's rectangle,
// the ticks, the thumb's outline and hit test, and the page step of a click beside the thumb.
// Coordinates run along the bar's axis ("along") and across it; a vertical bar swaps them.

#include <vector>

#include "toolkit/Types.h"

enum TTrackOrientation { toHorizontal, toVertical };
enum TTickMark { tmBoth, tmBottomRight, tmTopLeft };
enum TIntervalHighlightType { htLowInterval, htHighInterval, htNone };

// The plain bar's metrics.
constexpr int TrackEndMargin = 9;
constexpr int TrackSideOffset = 7;
// Ticks on the top push the thumb and the track down by this much.
constexpr int TopTickRoom = 5;

// The thumb's width for a half-width: both halves and the centre pixel.
inline int ThumbWidthFor(int HalfWidth) { return 2 * HalfWidth + 1; }
// The plain thumb's length across the axis: round(Width * 2.2).
int ThumbLengthFor(int ThumbWidth);
// Numerator / Denominator rounded to the nearest integer, halves to even.
int RoundHalfEven(long long Numerator, long long Denominator);

// One tick: a line across the axis at Along, covering From..To (both included).
struct TTrackTick {
  int Along = 0;
  int From = 0;
  int To = 0;
  bool End = false; // at Min or Max: one pixel longer
  friend bool operator==(const TTrackTick&, const TTrackTick&) = default;
};

struct TTrackBarLayout {
  TTrackOrientation Orientation = toHorizontal;
  int Width = 150;
  int Height = 45;
  int Min = 0;
  int Max = 10;
  int Frequency = 1;
  bool ShowTicks = true;
  TTickMark TickMarks = tmBottomRight;
  int ThumbWidth = 9;   // T: along the axis
  int ThumbLength = 20; // Len: across it
  int EndMargin = TrackEndMargin;
  int SideOffset = TrackSideOffset;

  // L: the bar's extent along its axis.
  int Length() const { return Orientation == toHorizontal ? Width : Height; }
  int AlongOf(TPoint P) const { return Orientation == toHorizontal ? P.X : P.Y; }
  // Ticks are drawn on the top (left) side.
  bool TopTicks() const { return ShowTicks && (TickMarks == tmTopLeft || TickMarks == tmBoth); }

  // The thumb centre for a value: 0 when the range is empty.
  int PositionToPixel(int Position) const;
  // The value a pixel along the axis stands for, snapped to Frequency and kept in the range.
  int PixelToPosition(int Along) const;
  // Where the track lies, in the bar's coordinates.
  TRect TrackRect() const;
  // The part of the track the highlight covers, with the thumb's centre at Centre (empty for
  // htNone).
  TRect HighlightRect(const TRect& Track, int Centre, TIntervalHighlightType Type) const;
  // The values that get a tick: multiples of Frequency, and Min and Max.
  std::vector<int> TickValues() const;
  // The tick lines, on the top side first, then on the bottom; none without ShowTicks.
  std::vector<TTrackTick> Ticks() const;
  // The first pixel across the axis the thumb covers.
  int ThumbTop() const { return SideOffset + (TopTicks() ? TopTickRoom : 0); }
  // The thumb's bounding box with its centre at Centre.
  TRect ThumbBounds(int Centre) const;
  // The thumb's outline (also its hit area): a rectangle (four corners, right and bottom
  // exclusive) for tmBoth, else a pentagon pointing to the ticks.
  std::vector<TPoint> ThumbOutline(int Centre) const;
  bool ThumbHit(int Centre, TPoint P) const;

  // A rectangle given along and across the axis, in the bar's coordinates.
  TRect Oriented(int AlongFrom, int AcrossFrom, int AlongTo, int AcrossTo) const;
  TPoint Oriented(int Along, int Across) const;
};

// Where a click beside the thumb takes the position: one page toward Target.
int PageStepToward(int Position, int Target, int PageSize);
