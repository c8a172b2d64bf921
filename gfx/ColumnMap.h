#pragma once
// Which source column each target column of a scaled draw reads, worked out once per draw,
// and the shapes of it that rows can be drawn faster by: every other column (an exact
// halving), or runs of target columns that repeat one source column (an enlargement).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"

class TColumnMap {
public:
  // Count target columns from the 16.16 accumulator StartX by StepX, clamped to Width
  // source columns from Left.
  TColumnMap(int32_t Left, int32_t Width, int32_t StartX, int32_t StepX, size_t Count);

  // Source column First + 2 i for target column i, for every i.
  bool Halving() const { return FHalving; }
  // Runs long enough on average that drawing a run at a time pays.
  bool LongRuns() const { return FRuns.size() * MinAverageRun <= FColumns.size(); }

  struct TRun {
    int32_t Column; // of the source
    uint32_t Length;
  };
  const std::vector<TRun>& Runs() const { return FRuns; }
  int32_t First() const { return FColumns.front(); }

  // Out[i] = Row[column of i], Count pixels.
  void Gather(TsePixel* Out, const TsePixel* Row) const;

private:
  static constexpr size_t MinAverageRun = 6;
  std::vector<int32_t> FColumns;
  std::vector<TRun> FRuns;
  bool FHalving = true;
};
