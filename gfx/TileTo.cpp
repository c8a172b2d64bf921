// An area filled with unscaled copies of a part of a surface, as one draw of each copy would
// fill it, but a target row at a time: the copies of a narrow part are laid side by side in
// one row first, so that each row is one pass of the pixel mode.

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "gfx/Bitmap.h"

namespace {

// Where a copy clipped by the target starts reading: the clipped start scaled as DrawInto
// scales it, which for a 1:1 copy of Size pixels cut by Cut is one pixel before Cut.
int32_t ClippedStart(int32_t Cut, int32_t Size) {
  const int64_t Start = (int64_t{Size} * Cut * 65535 + Size / 2) / Size;
  return static_cast<int32_t>(Start >> 16);
}

// Target columns Left to Left + Count read source columns from First on; Cut when the copy
// is clipped on its left.
struct TSegment {
  int32_t Left, Count, First;
  bool Cut;
};

// The visible columns of the copies, left to right: each as DrawInto clips and reads it.
std::vector<TSegment> Segments(const TRect& DstRect, const TRect& SrcRect, const TRect& Visible) {
  std::vector<TSegment> Out;
  const int32_t Width = SrcRect.Width();
  for (int32_t Left = DstRect.Left; Left < DstRect.Right; Left += Width) {
    const int32_t Right = std::min(Left + Width, DstRect.Right);
    const int32_t VisibleLeft = std::max(Left, Visible.Left);
    const int32_t VisibleRight = std::min(Right, Visible.Right);
    if (VisibleRight <= VisibleLeft) {
      if (Left >= Visible.Right)
        break;
      continue;
    }
    const int32_t Cut = VisibleLeft - Left;
    Out.push_back({VisibleLeft, VisibleRight - VisibleLeft,
                   SrcRect.Left + (Cut ? ClippedStart(Cut, Right - Left) : 0), Cut != 0});
  }
  return Out;
}

// The source row of target row Y, as DrawInto of the copy that holds Y picks it.
int32_t SourceRow(int32_t Y, const TRect& DstRect, const TRect& SrcRect, int32_t VisibleTop) {
  const int32_t Height = SrcRect.Height();
  const int32_t Top = DstRect.Top + (Y - DstRect.Top) / Height * Height;
  const int32_t Bottom = std::min(Top + Height, DstRect.Bottom);
  const int32_t FirstVisible = std::max(Top, VisibleTop);
  const int32_t Cut = FirstVisible - Top;
  const int64_t Row = (Cut ? ClippedStart(Cut, Bottom - Top) : 0) + int64_t{Y} - FirstVisible;
  return SrcRect.Top + static_cast<int32_t>(std::min<int64_t>(Row, Bottom - Top - 1));
}

// The row of Segments laid into Line (LineLeft at Line[0]) from Source: the copies after a
// cut one repeat the part's columns Period wide, so after one whole copy the rest is doubled
// from what is already there.
void LayRow(TsePixel* Line, const TsePixel* Source, const std::vector<TSegment>& Segments,
            int32_t Period, int32_t LineLeft) {
  size_t I = 0;
  // Only the first copy can be cut by the target's left edge: it reads from its own start.
  for (; I < Segments.size() && Segments[I].Cut; ++I)
    std::memcpy(Line + (Segments[I].Left - LineLeft), Source + Segments[I].First,
                Segments[I].Count * sizeof(TsePixel));
  if (I == Segments.size())
    return;
  TsePixel* Run = Line + (Segments[I].Left - LineLeft);
  const auto Length =
      static_cast<size_t>(Segments.back().Left + Segments.back().Count - Segments[I].Left);
  const size_t First = std::min<size_t>(Length, static_cast<size_t>(Period));
  std::memcpy(Run, Source + Segments[I].First, First * sizeof(TsePixel));
  for (size_t Done = First; Done < Length; Done *= 2)
    std::memcpy(Run + Done, Run, std::min(Done, Length - Done) * sizeof(TsePixel));
}

// Count copied pixels of a target row from its source line, Row at target column RowLeft. A
// copied row is the same in every copy of the part: after the first it is one copy of the
// target row laid from the same source row, Earlier, which is kept.
void CopyRow(TsePixel* Row, int32_t RowLeft, size_t Count, const TsePixel* SourceLine,
             const std::vector<TSegment>& Columns, int32_t Period, bool Laid, TsePixel*& Earlier) {
  if (Earlier)
    std::memcpy(Row, Earlier, Count * sizeof(TsePixel));
  else if (Laid)
    LayRow(Row, SourceLine, Columns, Period, RowLeft);
  else
    for (const TSegment& Segment : Columns)
      std::memcpy(Row + (Segment.Left - RowLeft), SourceLine + Segment.First,
                  static_cast<size_t>(Segment.Count) * sizeof(TsePixel));
  Earlier = Row;
}

// One draw per copy: parts reaching outside the surface scale what is left of them.
void DrawEachCopy(const TseBitmap& Source, const TRect& DstRect, const TRect& SrcRect,
                  const TPixelTarget& Target) {
  for (int32_t Left = DstRect.Left; Left < DstRect.Right; Left += SrcRect.Width())
    for (int32_t Top = DstRect.Top; Top < DstRect.Bottom; Top += SrcRect.Height()) {
      const TRect Piece =
          IntersectRect({Left, Top, Left + SrcRect.Width(), Top + SrcRect.Height()}, DstRect);
      DrawInto(
          Source, Piece,
          {SrcRect.Left, SrcRect.Top, SrcRect.Left + Piece.Width(), SrcRect.Top + Piece.Height()},
          Target);
    }
}

// Copies this narrow are laid into one row before the pixel mode runs over it.
constexpr int32_t NarrowWidth = 64;
// The most pixels kept of laid rows, 256 KB.
constexpr size_t LaidBudget = 65536;

} // namespace

void TileInto(const TseBitmap& Source, TRect DstRect, TRect SrcRect, const TPixelTarget& Target) {
  if (Source.Empty() || !Target.Bits || SrcRect.Width() <= 0 || SrcRect.Height() <= 0 ||
      DstRect.IsEmpty())
    return;
  const bool Inside = IntersectRect(SrcRect, Source.BoundsRect()) == SrcRect;
  const bool OwnPixels = reinterpret_cast<const uint8_t*>(Source.Bits()) == Target.Bits;
  if (!Inside || OwnPixels || Target.BitsPerPixel != 32) {
    DrawEachCopy(Source, DstRect, SrcRect, Target);
    return;
  }
  const TRect Visible = IntersectRect(DstRect, {0, 0, Target.Width, Target.Height});
  if (Visible.IsEmpty())
    return;
  const std::vector<TSegment> Columns = Segments(DstRect, SrcRect, Visible);
  const bool Laid = SrcRect.Width() < NarrowWidth && Columns.size() > 1;
  const auto Count = static_cast<size_t>(Visible.Width());
  // Copied pixels are laid straight into the target; the other modes lay a row to draw.
  const bool Plain = Source.DrawsAsCopy();
  const int32_t Height = SrcRect.Height();
  // A narrow part drawn in another mode lays each source row once, into a row of its own
  // that every later copy of that row draws from, where the part's copies repeat down the
  // area and all its rows fit LaidBudget; else one row is laid again for every target row.
  const bool KeepLaid = Laid && !Plain && Visible.Height() > Height &&
                        static_cast<size_t>(Height) * Count <= LaidBudget;
  const size_t LineRows = KeepLaid ? static_cast<size_t>(Height) : 1;
  const auto Line =
      std::make_unique_for_overwrite<TsePixel[]>(Laid && !Plain ? LineRows * Count : 0);
  std::vector<TsePixel*> LaidRows(Plain ? static_cast<size_t>(Height) : 0);
  // Whole rows of the target follow each other in memory: once a copy's height of them is
  // copied, the rest repeats them a block at a time, doubling, down to the first copy, which
  // a cut through it shifts by a row.
  const bool Blocks = Plain && Visible.Left == 0 && Visible.Right == Target.Width &&
                      Target.Stride == int64_t{Target.Width} * 4;
  const int32_t TopCopy = DstRect.Top + (Visible.Top - DstRect.Top) / Height * Height;
  const int32_t BlocksTop = TopCopy == Visible.Top ? Visible.Top : TopCopy + Height;
  // Bottom row first, in address order, as DrawInto goes.
  for (int32_t Y = Visible.Bottom - 1; Y >= Visible.Top; --Y) {
    if (Blocks && Y >= BlocksTop && Visible.Bottom - 1 - Y >= Height) {
      const int32_t Period = (Visible.Bottom - 1 - Y) / Height * Height;
      const int32_t Rows = std::min(Period, Y - BlocksTop + 1);
      uint8_t* To = Target.Bits + (Target.Height - 1 - Y) * Target.Stride;
      std::memcpy(To, To - Period * Target.Stride, static_cast<size_t>(Rows * Target.Stride));
      Y -= Rows - 1;
      continue;
    }
    const int32_t Row = SourceRow(Y, DstRect, SrcRect, Visible.Top);
    const TsePixel* SourceLine = Source.PixelPtr(0, Row);
    auto* Pixels =
        reinterpret_cast<TsePixel*>(Target.Bits + (Target.Height - 1 - Y) * Target.Stride);
    if (Plain) {
      CopyRow(Pixels + Visible.Left, Visible.Left, Count, SourceLine, Columns, SrcRect.Width(),
              Laid, LaidRows[static_cast<size_t>(Row - SrcRect.Top)]);
      continue;
    }
    if (Laid) {
      // Kept rows are laid by the bottom copy's height of rows, which meets every source row
      // once, and only drawn from after it.
      TsePixel* LaidLine =
          Line.get() + (KeepLaid ? static_cast<size_t>(Row - SrcRect.Top) * Count : 0);
      if (!KeepLaid || Visible.Bottom - 1 - Y < Height)
        LayRow(LaidLine, SourceLine, Columns, SrcRect.Width(), Visible.Left);
      DrawRow(Source, LaidLine, Pixels + Visible.Left, Count);
      continue;
    }
    for (const TSegment& Segment : Columns)
      DrawRow(Source, SourceLine + Segment.First, Pixels + Segment.Left,
              static_cast<size_t>(Segment.Count));
  }
}

void TseBitmap::TileTo(TseBitmap& Target, TRect DstRect, TRect SrcRect) const {
  if (!Target.Empty())
    TileInto(*this, DstRect, SrcRect, PixelTargetOf(Target));
}
