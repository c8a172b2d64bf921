#pragma once
// The scroll bar's arithmetic, free of the window system: the rules of its range, where its
// buttons, track and thumb lie, which position a thumb start stands for, and the positions
// its steps go to. The control asks here and paints and handles the mouse around it.

#include <cstdint>

#include "toolkit/ScrollTypes.h"
#include "toolkit/Types.h"

// Min, Max, PageSize and Position, kept consistent the way the bar's setters keep them.
class TScrollRange {
public:
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int PageSize() const { return FPageSize; }
  int Position() const { return FPosition; }

  // Not above Max; raises Position to it when needed; cuts PageSize to the range.
  void SetMin(int Value);
  // Not below Min; lowers Position to it when needed; cuts PageSize to the range.
  void SetMax(int Value);
  // Negative values are ignored; cut to the range.
  void SetPageSize(int Value);
  // Clamped into [Min, Max].
  void SetPosition(int Value) { FPosition = Clamp(Value); }
  int Clamp(int Value) const;

  // Max - Min + 1: how many positions there are.
  int Count() const { return FMax - FMin + 1; }
  // The positions a thumb travels over beyond Min. A page of 0 counts as a page of one: the
  // thumb then stands for a single position and reaches the track's end at Max.
  int Travel() const { return Count() - Page(); }
  // The last position the thumb can stand at: Max - PageSize + 1 (Max for a page of 0).
  int LastThumbPosition() const { return FMax - Page() + 1; }

  friend bool operator==(const TScrollRange&, const TScrollRange&) = default;

private:
  int Page() const { return FPageSize > 0 ? FPageSize : 1; }
  void CutPage();

  int FMin = 0;
  int FMax = 100;
  int FPageSize = 0;
  int FPosition = 0;
};

// A button's size along a bar of that length: Preferred, or half of what lies inside the
// border when two of them do not fit.
int FitButtonSize(int Length, int Border, int Preferred);

// The thumb's size on a track: the track's share of the page (with a page, at least two
// thirds of the platform's thumb), the platform's thumb without one; 0 when it does not fit.
int ThumbSizeFor(int TrackLength, const TScrollRange& Range, int PlatformThumb);

// Where the bar's parts lie. "Along" is the axis the thumb moves on (x for a horizontal bar),
// "across" the other one; rectangles are in the bar's own coordinates.
struct TScrollBarLayout {
  TScrollBarKind Kind = sbHorizontal;
  int Width = 0;
  int Height = 0;
  int Border = 0;
  int ButtonSize = 0; // each button's extent along the bar
  bool ShowButtons = true;
  int ThumbSize = 0; // 0: no thumb

  int Length() const { return Kind == sbHorizontal ? Width : Height; }
  int Thickness() const { return Kind == sbHorizontal ? Height : Width; }
  // The coordinate of a point along the bar.
  int AlongOf(TPoint Point) const { return Kind == sbHorizontal ? Point.X : Point.Y; }
  // From Start to End along the bar, across it from border to border.
  TRect Span(int Start, int End) const;

  TRect Button1() const { return Span(Border, Border + ButtonSize); }
  TRect Button2() const { return Span(Length() - Border - ButtonSize, Length() - Border); }
  int TrackStart() const { return Border + (ShowButtons ? ButtonSize : 0); }
  int TrackEnd() const { return Length() - Border - (ShowButtons ? ButtonSize : 0); }
  int TrackLength() const { return TrackEnd() - TrackStart(); }
  TRect Track() const { return Span(TrackStart(), TrackEnd()); }

  // Where the thumb starts for a position: in proportion over the track's free length, at
  // its end beyond the last thumb position, at its start when the range has no travel.
  int ThumbStart(const TScrollRange& Range, int Position) const;
  // The inverse: the position a thumb starting there stands for, clamped to the positions a
  // thumb can take (Min when the thumb cannot move).
  int PositionAt(const TScrollRange& Range, int ThumbStart) const;
  // Empty when there is no thumb.
  TRect Thumb(const TScrollRange& Range) const;
  // The track from its start to the thumb, and from the thumb's end to the track's end.
  TRect TrackBefore(const TScrollRange& Range) const;
  TRect TrackAfter(const TScrollRange& Range) const;
};

// The steps of the keyboard and of auto-repeat.
enum TSeScrollStep : uint8_t {
  qssLineBack,
  qssLineForward,
  qssPageBack,
  qssPageForward,
  qssToMax,
  qssToMin
};

TScrollCode StepCode(TSeScrollStep Step);
// The position a step leads to, clamped into [Min, Max]; a page step without a page goes
// LargeChange.
int StepPosition(TSeScrollStep Step, const TScrollRange& Range, int SmallChange, int LargeChange);
