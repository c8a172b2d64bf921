// One surface drawn into another: clipped, scaled nearest-neighbour in 16.16 fixed point, in
// the pixel mode the source's flags choose.

#include <cstring>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/PixelRows.h"

namespace {

int64_t MulDiv64(int64_t Number, int64_t Numerator, int64_t Denominator) {
  const int64_t Product = Number * Numerator;
  return (Product + Denominator / 2) / Denominator; // all positive here
}

} // namespace

TSampling MakeSampling(const TRect& SrcRect, const TRect& DstRect, const TRect& Visible) {
  TSampling Sampling;
  Sampling.StepX = static_cast<int32_t>(static_cast<int64_t>(SrcRect.Width()) * 65536 /
                                        DstRect.Width());
  Sampling.StepY = static_cast<int32_t>(static_cast<int64_t>(SrcRect.Height()) * 65536 /
                                        DstRect.Height());
  // A clipped start is scaled with 65535, not 65536, as the platform's own code does.
  Sampling.StartX = static_cast<int32_t>(
      MulDiv64(static_cast<int64_t>(SrcRect.Width()) * (Visible.Left - DstRect.Left), 65535,
               DstRect.Width()));
  Sampling.StartY = static_cast<int32_t>(
      MulDiv64(static_cast<int64_t>(SrcRect.Height()) * (Visible.Top - DstRect.Top), 65535,
               DstRect.Height()));
  return Sampling;
}

void TseBitmap::DrawTo(TseBitmap& Target, int32_t X, int32_t Y) const {
  DrawTo(Target, {X, Y, X + FWidth, Y + FHeight}, BoundsRect());
}

void TseBitmap::DrawTo(TseBitmap& Target, int32_t X, int32_t Y, TRect SrcRect) const {
  DrawTo(Target, {X, Y, X + SrcRect.Width(), Y + SrcRect.Height()}, SrcRect);
}

void TseBitmap::DrawTo(TseBitmap& Target, TRect DstRect, TRect SrcRect) const {
  if (Empty() || Target.Empty())
    return;
  // Only the part of SrcRect inside the surface is ever read.
  const TRect Source = IntersectRect(SrcRect, BoundsRect());
  if (Source.IsEmpty() || DstRect.IsEmpty())
    return;
  const TRect Visible = IntersectRect(DstRect, Target.BoundsRect());
  if (Visible.IsEmpty())
    return;
  const TSampling Sampling = MakeSampling(Source, DstRect, Visible);
  const auto Count = static_cast<size_t>(Visible.Width());
  const TPixelRowFunctions& Rows = PixelRows();
  std::vector<TsePixel> Gathered;
  if (Sampling.StepX != 65536)
    Gathered.resize(Count);

  int64_t AccY = Sampling.StartY;
  for (int32_t Y = Visible.Top; Y < Visible.Bottom; ++Y, AccY += Sampling.StepY) {
    const int32_t SourceY =
        Source.Top + static_cast<int32_t>(std::min<int64_t>(AccY >> 16, Source.Height() - 1));
    const TsePixel* SourceRow = PixelPtr(0, SourceY);
    const TsePixel* Line;
    size_t Columns = Count;
    if (Sampling.StepX == 65536) {
      // 1:1 columns read one run of the source row.
      const int32_t First = Source.Left + (Sampling.StartX >> 16);
      Columns = std::min<size_t>(Count, static_cast<size_t>(Source.Right - First));
      Line = SourceRow + First;
    } else {
      int64_t AccX = Sampling.StartX;
      for (size_t I = 0; I < Count; ++I, AccX += Sampling.StepX)
        Gathered[I] =
            SourceRow[Source.Left + std::min<int64_t>(AccX >> 16, Source.Width() - 1)];
      Line = Gathered.data();
    }
    TsePixel* TargetRow = Target.PixelPtr(Visible.Left, Y);
    if (AlphaBlend)
      Rows.BlendRows(TargetRow, Line, TargetRow, Columns);
    else if (Transparent)
      Rows.KeyRow(TargetRow, Line, Columns);
    else
      std::memcpy(TargetRow, Line, Columns * sizeof(TsePixel));
  }
}
