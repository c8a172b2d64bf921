// SLIDE procedures: each cell names the cell of the new image shown there.

#include "gfx/EffectProcs.h"

void InterlaceProc(TseSlideCell* Cells, int32_t W, int32_t H, int32_t P) {
  // Even rows come in from the right, odd rows from the left.
  const int32_t M = MulDivRound(100 - P, W, 100);
  for (int32_t Y = 0; Y < H; ++Y) {
    for (int32_t X = 0; X < W; ++X) {
      TseSlideCell& Cell = Cells[static_cast<int64_t>(Y) * W + X];
      Cell.Alpha = 255;
      Cell.SourceX = static_cast<int16_t>(Y % 2 == 0 ? X + M : X - M);
      Cell.SourceY = static_cast<int16_t>(Y);
    }
  }
}

void CornerProc(TseSlideCell* Cells, int32_t W, int32_t H, int32_t P) {
  // At 0 % the frame is the old image alone.
  if (P <= 0)
    return;
  const int32_t A = MulDivRound(W - 1, P, 100), B = MulDivRound(H - 1, P, 100);
  for (int32_t Y = 0; Y <= B && Y < H; ++Y) {
    for (int32_t X = 0; X <= A && X < W; ++X) {
      TseSlideCell& Cell = Cells[static_cast<int64_t>(Y) * W + X];
      Cell.Alpha = 255;
      Cell.SourceX = static_cast<int16_t>(W - 1 - A + X);
      Cell.SourceY = static_cast<int16_t>(H - 1 - B + Y);
    }
  }
}
