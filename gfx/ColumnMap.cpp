#include "gfx/ColumnMap.h"

#include <algorithm>

#include "gfx/PixelRows.h"

TColumnMap::TColumnMap(int32_t Left, int32_t Width, int32_t StartX, int32_t StepX, size_t Count)
    : FColumns(Count) {
  int64_t AccX = StartX;
  for (size_t I = 0; I < Count; ++I, AccX += StepX) {
    const auto Column = static_cast<int32_t>(Left + std::min<int64_t>(AccX >> 16, Width - 1));
    FColumns[I] = Column;
    FHalving = FHalving && Column == FColumns[0] + 2 * static_cast<int64_t>(I);
    if (!FRuns.empty() && FRuns.back().Column == Column)
      ++FRuns.back().Length;
    else
      FRuns.push_back({Column, 1});
  }
}

void TColumnMap::Gather(TsePixel* Out, const TsePixel* Row) const {
  if (FHalving) {
    PixelRows().GatherEven(Out, Row + FColumns.front(), FColumns.size());
    return;
  }
  if (LongRuns()) {
    for (const TRun& Run : FRuns) {
      FillRow(Out, Row[Run.Column], Run.Length);
      Out += Run.Length;
    }
    return;
  }
  for (size_t I = 0; I < FColumns.size(); ++I)
    Out[I] = Row[FColumns[I]];
}
