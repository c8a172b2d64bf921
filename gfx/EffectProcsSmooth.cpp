// The smooth family: nested outlines whose values fall from the leading outline outward, so
// the shape grows with a soft edge and ends fully opaque.

#include <algorithm>

#include "gfx/EffectProcs.h"

namespace {

// Outline K of the two smooth diagonal effects, which scale the step by the diagonal.
uint8_t DiagonalSmoothValue(int32_t Percent, int32_t K, int32_t M) {
  if (Percent >= 100)
    return 255;
  const double Step = M == 0 ? 0.0 : static_cast<double>(K) * Percent / M;
  const int32_t Value = MulDivRound(RoundEven(2.0 * Percent - Step), 255, 100);
  return static_cast<uint8_t>(std::clamp(Value, 0, 255));
}

void FillRow(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Y, uint8_t Value) {
  if (Y >= 0 && Y < Height)
    std::fill_n(Mask + static_cast<int64_t>(Y) * Width, Width, Value);
}

} // namespace

void SmoothDiagonalProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  double SX, SY;
  AspectSteps(W, H, SX, SY);
  const int32_t N = MulDivRound(P, RoundEven(MaskDiag(W, H) * 2.5), 100);
  for (int32_t K = 0; K <= N; ++K)
    MaskLine(M, W, H, 0, RoundEven(K * SY), RoundEven(K * SX), 0, SmoothValue(P, K, N));
}

namespace {

// The diagonal bands of the smooth wipes: inward they join the bottom-left corner to the
// bottom edge and the top-right corner to the right edge, outward they cross the picture.
template <bool Inward> void SmoothDiagonal(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  double SX, SY;
  AspectSteps(W, H, SX, SY);
  const int32_t Dm = MulDivRound(MaskDiag(W, H), P, 100);
  const int32_t Last = RoundEven(2.0 * Dm);
  for (int32_t K = 0; K <= Last && K < std::max(W, H); ++K) {
    const uint8_t Value = DiagonalSmoothValue(P, K, Dm);
    const int32_t A = RoundEven(K * SX), B = RoundEven(K * SY);
    if constexpr (Inward) {
      MaskLine(M, W, H, 0, H - 1 - B, A, H - 1, Value);
      MaskLine(M, W, H, W - A, 0, W - 1, B, Value);
    } else {
      MaskLine(M, W, H, 0, H - 1 - B, W - A, 0, Value);
      MaskLine(M, W, H, A, H - 1, W - 1, B, Value);
    }
  }
}

} // namespace

void SmoothDiagonalInProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  SmoothDiagonal<true>(M, W, H, P);
}

void SmoothDiagonalOutProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  SmoothDiagonal<false>(M, W, H, P);
}

void SmoothDownProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t N = MulDivRound(RoundEven(H * 1.5), P, 100);
  for (int32_t K = 0; K <= N && K < H; ++K)
    FillRow(M, W, H, K, SmoothValue(P, K, N));
}

void SmoothInProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t N = MulDivRound(RoundEven(H * 0.8), P, 100);
  for (int32_t K = 0; K <= N && K <= H / 2; ++K) {
    const uint8_t Value = SmoothValue(P, K, N);
    FillRow(M, W, H, K, Value);
    FillRow(M, W, H, H - 1 - K, Value);
  }
}

void SmoothOutProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t N = MulDivRound(RoundEven(H * 0.8), P, 100);
  for (int32_t K = 0; K <= N && K <= H / 2 + 1; ++K) {
    const uint8_t Value = SmoothValue(P, K, N);
    FillRow(M, W, H, H / 2 - K, Value);
    FillRow(M, W, H, H / 2 + K, Value);
  }
}

// Nested outlines around the centre, growing with the mask's aspect, for the smooth cross and
// rectangle: n = MulDiv(P, Round(max(W, H) x Reach), 100) div 2.
template <class Outline>
void SmoothCentredOutlines(uint8_t* M, int32_t W, int32_t H, int32_t P, double Reach,
                           Outline Draw) {
  if (P <= 0)
    return;
  double SX, SY;
  AspectSteps(W, H, SX, SY);
  const int32_t N = MulDivRound(P, RoundEven(std::max(W, H) * Reach), 100) / 2;
  for (int32_t K = 0; K <= N; ++K)
    Draw(M, W, H, W / 2, H / 2, RoundEven(K * SX), RoundEven(K * SY), SmoothValue(P, K, N));
}

void SmoothCrossOutProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  SmoothCentredOutlines(M, W, H, P, 2.5, MaskCrossOutline);
}

void SmoothRectOutProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  SmoothCentredOutlines(M, W, H, P, 1.6, MaskRectOutline);
}

void CircleSmoothOutProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t N = MulDivRound(RoundEven(MaskDiag(W, H) * 0.9), P, 100);
  for (int32_t K = 0; K <= N; ++K)
    MaskCircle(M, W, H, W / 2, H / 2, K, SmoothValue(P, K, N));
}

void CircleSmoothProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t N = MulDivRound(RoundEven(MaskDiag(W, H) * 1.5), P, 100);
  for (int32_t K = 0; K <= N; ++K)
    MaskCircle(M, W, H, 0, H - 1, K, SmoothValue(P, K, N));
}

void DiamondSmoothOutProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  double SX, SY;
  AspectSteps(W, H, SX, SY);
  const int32_t N = MulDivRound(P, RoundEven(std::max(W, H) * 2.5), 100) / 2;
  for (int32_t K = 0; K <= N; ++K)
    MaskDiamondOutline(M, W, H, W / 2, H / 2, RoundEven(K * SX), RoundEven(K * SY),
                       SmoothValue(P, K, N));
}

void RotateSmoothProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t N = MulDivRound(2 * (W + H), P, 100);
  for (int32_t K = 0; K <= N; ++K) {
    const uint8_t Value = SmoothValue(P, K, N);
    if (K < H)
      MaskLine(M, W, H, 0, H - 1, W - 1, H - K, Value);
    else
      MaskLine(M, W, H, 0, H - 1, W + H - K, 0, Value);
  }
}
