// A surface drawn into pixel memory, its own or a device-independent bitmap's: clipped,
// scaled nearest-neighbour in 16.16 fixed point, in the pixel mode the source's flags choose.

#include <cstring>
#include <optional>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/ColumnMap.h"
#include "gfx/PixelRows.h"

namespace {

int64_t MulDiv64(int64_t Number, int64_t Numerator, int64_t Denominator) {
  return (Number * Numerator + Denominator / 2) / Denominator; // all positive here
}

// 24-bit targets: three bytes per pixel, the blend done on them as a pixel.
void WriteRow24(uint8_t* Target, const TsePixel* Line, size_t Count, bool AlphaBlend,
                bool Transparent) {
  for (size_t I = 0; I < Count; ++I, Target += 3) {
    TsePixel Pixel = Line[I];
    if (AlphaBlend) {
      const uint8_t Alpha = PixelAlpha(Pixel);
      if (Alpha == 0)
        continue;
      if (Alpha != 255)
        Pixel = BlendPixel(Pixel, static_cast<TsePixel>(Target[0]) |
                                      static_cast<TsePixel>(Target[1]) << 8 |
                                      static_cast<TsePixel>(Target[2]) << 16);
    } else if (Transparent && IsKeyColored(Pixel)) {
      continue;
    }
    Target[0] = static_cast<uint8_t>(Pixel);
    Target[1] = static_cast<uint8_t>(Pixel >> 8);
    Target[2] = static_cast<uint8_t>(Pixel >> 16);
  }
}

// Count copies of one pixel drawn over Pixels in the mode Source's flags choose.
void WriteRun(TsePixel* Pixels, TsePixel Pixel, size_t Count, const TseBitmap& Source,
              const TPixelRowFunctions& Rows) {
  if (Source.AlphaBlend) {
    const uint8_t Alpha = PixelAlpha(Pixel);
    if (Alpha == 0)
      return;
    if (Alpha != 255) {
      Rows.BlendFillRow(Pixels, Pixel, Count);
      return;
    }
  } else if (Source.Transparent && IsKeyColored(Pixel)) {
    return;
  }
  FillRow(Pixels, Pixel, Count);
}

// A row of a scaled draw, a run of one source column at a time.
void WriteRuns(TsePixel* Pixels, const TsePixel* SourceRow, const TColumnMap& Map,
               const TseBitmap& Source, const TPixelRowFunctions& Rows) {
  for (const TColumnMap::TRun& Run : Map.Runs()) {
    WriteRun(Pixels, SourceRow[Run.Column], Run.Length, Source, Rows);
    Pixels += Run.Length;
  }
}

// A line of source pixels drawn over a row of the target in the source's pixel mode.
void WriteLine(const TseBitmap& Source, const TPixelTarget& Target, uint8_t* TargetRow,
               int32_t Left, const TsePixel* Line, size_t Columns) {
  if (Target.BitsPerPixel == 24)
    WriteRow24(TargetRow + Left * 3, Line, Columns, Source.AlphaBlend, Source.Transparent);
  else
    DrawRow(Source, Line, reinterpret_cast<TsePixel*>(TargetRow) + Left, Columns);
}

} // namespace

TSampling MakeSampling(const TRect& SrcRect, const TRect& DstRect, const TRect& Visible) {
  TSampling Sampling;
  Sampling.StepX =
      static_cast<int32_t>(static_cast<int64_t>(SrcRect.Width()) * 65536 / DstRect.Width());
  Sampling.StepY =
      static_cast<int32_t>(static_cast<int64_t>(SrcRect.Height()) * 65536 / DstRect.Height());
  // A clipped start is scaled with 65535, not 65536, as the platform's own code does.
  Sampling.StartX = static_cast<int32_t>(
      MulDiv64(static_cast<int64_t>(SrcRect.Width()) * (Visible.Left - DstRect.Left), 65535,
               DstRect.Width()));
  Sampling.StartY = static_cast<int32_t>(
      MulDiv64(static_cast<int64_t>(SrcRect.Height()) * (Visible.Top - DstRect.Top), 65535,
               DstRect.Height()));
  return Sampling;
}

TPixelTarget PixelTargetOf(TseBitmap& Target) {
  return {reinterpret_cast<uint8_t*>(Target.Bits()), Target.Width(), Target.Height(),
          static_cast<int64_t>(Target.Width()) * 4, 32};
}

void DrawInto(const TseBitmap& Source, TRect DstRect, TRect SrcRect, const TPixelTarget& Target) {
  if (Source.Empty() || !Target.Bits)
    return;
  // Only the part of SrcRect inside the surface is ever read.
  const TRect Part = IntersectRect(SrcRect, Source.BoundsRect());
  if (Part.IsEmpty() || DstRect.IsEmpty())
    return;
  const TRect Visible = IntersectRect(DstRect, {0, 0, Target.Width, Target.Height});
  if (Visible.IsEmpty())
    return;
  const TSampling Sampling = MakeSampling(Part, DstRect, Visible);
  const auto Count = static_cast<size_t>(Visible.Width());
  const TPixelRowFunctions& Rows = PixelRows();
  const bool Scaled = Sampling.StepX != 65536;
  std::optional<TColumnMap> Map;
  if (Scaled)
    Map.emplace(Part.Left, Part.Width(), Sampling.StartX, Sampling.StepX, Count);
  // A surface drawn into its own pixels is read and written row by row from the top, each
  // row gathered before it is written, as it always was; the shortcuts below would see it
  // half written.
  const bool OwnPixels = reinterpret_cast<const uint8_t*>(Source.Bits()) == Target.Bits;
  // Runs of one source column go straight to 32-bit targets, a run at a time.
  const bool ByRuns = Scaled && Map->LongRuns() && Target.BitsPerPixel == 32 && !OwnPixels;
  // Halved alpha rows are read and blended in one pass.
  const bool Halved = Scaled && Map->Halving() && Target.BitsPerPixel == 32 && !OwnPixels;
  std::vector<TsePixel> Gathered(Scaled && !ByRuns ? Count : 0);
  int32_t GatheredY = -1;
  const bool Plain = Source.DrawsAsCopy();
  int32_t DrawnY = -1;
  const TsePixel* DrawnRow = nullptr;

  // Both surfaces keep their bottom row first: going up the target, rows of both are read
  // and written in address order, as the processor's prefetching likes them.
  const int32_t Height = Visible.Height();
  for (int32_t K = 0; K < Height; ++K) {
    const int32_t Y = OwnPixels ? Visible.Top + K : Visible.Bottom - 1 - K;
    const int64_t AccY = Sampling.StartY + static_cast<int64_t>(Y - Visible.Top) * Sampling.StepY;
    const int32_t SourceY =
        Part.Top + static_cast<int32_t>(std::min<int64_t>(AccY >> 16, Part.Height() - 1));
    const TsePixel* SourceRow = Source.PixelPtr(0, SourceY);
    uint8_t* TargetRow = Target.Bits + (Target.Height - 1 - Y) * Target.Stride;
    auto* Pixels = reinterpret_cast<TsePixel*>(TargetRow) + Visible.Left;
    if (Halved && Source.AlphaBlend) {
      Rows.BlendEvenRows(Pixels, SourceRow + Map->First(), Pixels, Count);
      continue;
    }
    if (ByRuns) {
      // A copied row repeated by the enlargement is the row just drawn.
      if (Plain && SourceY == DrawnY) {
        std::memcpy(Pixels, DrawnRow, Count * sizeof(TsePixel));
        continue;
      }
      DrawnY = SourceY;
      DrawnRow = Pixels;
      WriteRuns(Pixels, SourceRow, *Map, Source, Rows);
      continue;
    }
    if (!Scaled) {
      // 1:1 columns read one run of the source row.
      const int32_t First = Part.Left + (Sampling.StartX >> 16);
      WriteLine(Source, Target, TargetRow, Visible.Left, SourceRow + First,
                std::min<size_t>(Count, static_cast<size_t>(Part.Right - First)));
      continue;
    }
    // Rows of an enlargement repeat a source row: it is gathered once.
    if (SourceY != GatheredY || OwnPixels)
      Map->Gather(Gathered.data(), SourceRow);
    GatheredY = SourceY;
    WriteLine(Source, Target, TargetRow, Visible.Left, Gathered.data(), Count);
  }
}

void DrawRow(const TseBitmap& Source, const TsePixel* Line, TsePixel* Pixels, size_t Count) {
  const TPixelRowFunctions& Rows = PixelRows();
  if (Source.AlphaBlend)
    Rows.BlendRows(Pixels, Line, Pixels, Count);
  else if (Source.Transparent)
    Rows.KeyRow(Pixels, Line, Count);
  else
    std::memcpy(Pixels, Line, Count * sizeof(TsePixel));
}

void TseBitmap::DrawTo(TseBitmap& Target, int32_t X, int32_t Y) const {
  DrawTo(Target, {X, Y, X + FWidth, Y + FHeight}, BoundsRect());
}

void TseBitmap::DrawTo(TseBitmap& Target, int32_t X, int32_t Y, TRect SrcRect) const {
  DrawTo(Target, {X, Y, X + SrcRect.Width(), Y + SrcRect.Height()}, SrcRect);
}

void TseBitmap::DrawTo(TseBitmap& Target, TRect DstRect, TRect SrcRect) const {
  if (!Target.Empty())
    DrawInto(*this, DstRect, SrcRect, PixelTargetOf(Target));
}
