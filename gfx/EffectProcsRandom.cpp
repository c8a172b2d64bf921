// Effects built on the shared pseudo-random generator, and the plasma. The random ones
// reseed the generator with the mask's area on every call, so each frame of a transition
// repeats the same sequence and the pattern only grows with the percentage.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "gfx/EffectProcs.h"

std::vector<int32_t> RandomCells(int32_t Width, int32_t Height, int32_t Count) {
  const uint32_t Area = static_cast<uint32_t>(Width) * static_cast<uint32_t>(Height);
  RandomSeed() = Area;
  std::vector<int32_t> Cells;
  if (Area == 0)
    return Cells;
  Count = std::clamp<int64_t>(Count, 0, Area);
  Cells.reserve(static_cast<size_t>(Count));
  std::vector<bool> Chosen(Area, false);
  for (int32_t I = 0; I < Count; ++I) {
    uint32_t Index;
    do {
      Index = RandomNumber(Area);
    } while (Chosen[Index]);
    Chosen[Index] = true;
    Cells.push_back(static_cast<int32_t>(Index));
  }
  return Cells;
}

namespace {

void PixelCells(uint8_t* M, int32_t W, int32_t H, int32_t P, uint8_t Value) {
  const int32_t Count = RoundEven(static_cast<double>(W) * H * P / 100.0);
  for (int32_t Index : RandomCells(W, H, Count))
    M[Index] = Value;
}

} // namespace

void PixelProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P > 0)
    PixelCells(M, W, H, P, 255);
}

void PixelFadeProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P > 0)
    PixelCells(M, W, H, P, static_cast<uint8_t>(std::clamp(RoundEven(P / 100.0 * 255), 0, 255)));
}

void PixelLineProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t Count = RoundEven(static_cast<double>(P) * W * H / 100.0);
  const int32_t Columns = RoundEven(P / 100.0 * (2.0 * W - 1)) + 1;
  for (int32_t Index : RandomCells(W, H, Count)) {
    const int32_t X = Index % W;
    if (X >= Columns)
      continue;
    const int32_t Level = std::max(0, RoundEven(2.0 * P - static_cast<double>(X) * W * 0.1 / P));
    M[Index] = static_cast<uint8_t>(std::min(255, RoundEven(Level / 100.0 * 255)));
  }
}

void StreamProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (W <= 0 || H <= 0)
    return;
  RandomSeed() = static_cast<uint32_t>(W) * static_cast<uint32_t>(H);
  // Each column's head starts above the mask by a random delay, smoothed so neighbouring
  // columns run close together.
  std::vector<int32_t> Head(static_cast<size_t>(W));
  for (int32_t X = 0; X < W; ++X)
    Head[X] = -static_cast<int32_t>(RandomNumber(80));
  for (int32_t J = 1; J <= 8; ++J)
    for (int32_t X = J; X <= W - 1 - J; ++X)
      Head[X] = (Head[X - 1] + 2 * Head[X] + Head[X + 1]) / 4;
  std::vector<int32_t> Limit(static_cast<size_t>(W), H - 1);
  const int32_t Steps = MulDivRound(H + 79, P, 100) + 1;
  for (int32_t S = 0; S < Steps; ++S) {
    for (int32_t X = 0; X < W; ++X) {
      if (Head[X] < 0) {
        ++Head[X];
        continue;
      }
      MaskSet(M, W, H, X, Head[X], 255);
      if (++Head[X] > Limit[X]) {
        Head[X] = 0;
        Limit[X] = std::max(Limit[X] - 1, 0);
      }
    }
  }
}

namespace {

struct TPlasmaTables {
  std::array<int32_t, 512> T1{}, T2{}, Palette{};
  TPlasmaTables() {
    for (int32_t S = 0; S < 512; ++S) {
      const double Angle = 2.0 * std::numbers::pi * S / 512.0;
      T1[S] = (RoundEven(256.0 * std::cos(Angle)) + 256) & 511;
      T2[S] = (RoundEven(256.0 * std::sin(Angle)) + 256) & 511;
    }
    static const int32_t C[13] = {255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255};
    const int32_t Step = (12 * 65536) / 511;
    int32_t Hi = 0;
    for (int32_t I = 0; I <= 510; ++I) {
      const int32_t Pos = I * Step, K = Pos >> 16, F = Pos & 65535;
      const int32_t Lo = C[K];
      Hi = K >= 12 ? C[12] : C[K + 1];
      const int32_t WL = 65536 - F;
      if (Step - WL > WL)
        Palette[I] = Hi;
      else if (Step - F > F)
        Palette[I] = Lo;
      else
        Palette[I] = static_cast<int32_t>(
            (static_cast<int64_t>(Lo) * WL + static_cast<int64_t>(Hi) * F) >> 16);
    }
    Palette[511] = Hi;
  }
};

const TPlasmaTables& PlasmaTables() {
  static const TPlasmaTables Tables;
  return Tables;
}

} // namespace

void PlasmaProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  const TPlasmaTables& T = PlasmaTables();
  const int32_t Level = MulDivRound(2 * P, 255, 100);
  for (int32_t Y = 0; Y < H; ++Y) {
    const int32_t Row = Y % 512;
    for (int32_t X = 0; X < W; ++X) {
      const int32_t Index = (T.T2[(X + T.T2[Row]) & 511] + T.T1[Row]) & 511;
      M[static_cast<int64_t>(Y) * W + X] =
          static_cast<uint8_t>(std::clamp(Level - T.Palette[Index], 0, 255));
    }
  }
}
