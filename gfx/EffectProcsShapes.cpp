// Mask primitives, the value rules, and the shapes of the slide and fade families.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gfx/EffectProcs.h"

void MaskLine(uint8_t* Mask, int32_t Width, int32_t Height, int32_t X1, int32_t Y1, int32_t X2,
              int32_t Y2, uint8_t Value) {
  const int32_t DX = std::abs(X2 - X1), DY = std::abs(Y2 - Y1);
  const int32_t StepX = X2 > X1 ? 1 : (X2 < X1 ? -1 : 0);
  const int32_t StepY = Y2 > Y1 ? 1 : (Y2 < Y1 ? -1 : 0);
  const int32_t Dist = std::max(DX, DY);
  int32_t X = X1, Y = Y1, ErrX = 0, ErrY = 0;
  MaskSet(Mask, Width, Height, X, Y, Value);
  for (int32_t Step = 0; Step <= Dist; ++Step) {
    ErrX += DX;
    ErrY += DY;
    bool Moved = false;
    if (ErrX > Dist) {
      ErrX -= Dist;
      X += StepX;
      Moved = true;
    }
    if (ErrY > Dist) {
      ErrY -= Dist;
      Y += StepY;
      Moved = true;
    }
    if (Moved)
      MaskSet(Mask, Width, Height, X, Y, Value);
  }
}

namespace {

void CirclePlot(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY, int32_t X,
                int32_t Y, uint8_t Value) {
  for (int32_t K = X; K <= X + 1; ++K) {
    MaskSet(Mask, Width, Height, CX + K, CY + Y, Value);
    MaskSet(Mask, Width, Height, CX - K, CY + Y, Value);
    MaskSet(Mask, Width, Height, CX + K, CY - Y, Value);
    MaskSet(Mask, Width, Height, CX - K, CY - Y, Value);
  }
  for (int32_t K = Y; K <= Y + 1; ++K) {
    MaskSet(Mask, Width, Height, CX + K, CY + X, Value);
    MaskSet(Mask, Width, Height, CX - K, CY + X, Value);
    MaskSet(Mask, Width, Height, CX + K, CY - X, Value);
    MaskSet(Mask, Width, Height, CX - K, CY - X, Value);
  }
}

} // namespace

void MaskCircle(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                int32_t Radius, uint8_t Value) {
  int32_t X = 0, Y = Radius, D = 3 - 2 * Radius;
  while (X < Y) {
    CirclePlot(Mask, Width, Height, CX, CY, X, Y, Value);
    if (D < 0) {
      D += 4 * X + 6;
    } else {
      D += 4 * (X - Y) + 10;
      --Y;
    }
    ++X;
  }
  if (X == Y)
    CirclePlot(Mask, Width, Height, CX, CY, X, Y, Value);
}

uint8_t FadeValue(int32_t Percent) {
  return static_cast<uint8_t>(std::clamp(MulDivRound(Percent, 255, 100), 0, 255));
}

uint8_t SmoothValue(int32_t Percent, int32_t K, int32_t N) {
  if (Percent >= 100)
    return 255;
  const double Step = N == 0 ? 2.0 * Percent : 2.0 * Percent / N;
  const int32_t Value = MulDivRound(RoundEven(2.0 * Percent - K * Step), 255, 100);
  return static_cast<uint8_t>(std::clamp(Value, 0, 255));
}

void InvertSlideMask(uint8_t* Mask, int32_t Width, int32_t Height) {
  const int64_t Count = static_cast<int64_t>(Width) * Height;
  for (int64_t I = 0; I < Count; ++I)
    Mask[I] = Mask[I] != 0 ? 0 : 255;
}

void InvertFadeMask(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent) {
  const uint8_t Value = FadeValue(Percent);
  const int64_t Count = static_cast<int64_t>(Width) * Height;
  for (int64_t I = 0; I < Count; ++I)
    Mask[I] = Mask[I] != 0 ? 0 : Value;
}

void InvertSmoothMask(uint8_t* Mask, int32_t Width, int32_t Height) {
  const int64_t Count = static_cast<int64_t>(Width) * Height;
  for (int64_t I = 0; I < Count; ++I)
    Mask[I] = static_cast<uint8_t>(255 - Mask[I]);
}

int32_t MaskDiag(int32_t Width, int32_t Height) {
  return RoundEven(
      std::sqrt(static_cast<double>(Width) * Width + static_cast<double>(Height) * Height));
}

void AspectSteps(int32_t Width, int32_t Height, double& SX, double& SY) {
  if (Height < Width) {
    SX = 1.0;
    SY = static_cast<double>(Height) / Width;
  } else {
    SX = static_cast<double>(Width) / Height;
    SY = 1.0;
  }
}

void MaskRectOutline(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                     int32_t A, int32_t B, uint8_t Value) {
  MaskLine(Mask, Width, Height, CX - A, CY - B, CX + A, CY - B, Value);
  MaskLine(Mask, Width, Height, CX + A, CY - B, CX + A, CY + B, Value);
  MaskLine(Mask, Width, Height, CX + A, CY + B, CX - A, CY + B, Value);
  MaskLine(Mask, Width, Height, CX - A, CY + B, CX - A, CY - B, Value);
}

void MaskDiamondOutline(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                        int32_t A, int32_t B, uint8_t Value) {
  MaskLine(Mask, Width, Height, CX - A, CY, CX, CY - B, Value);
  MaskLine(Mask, Width, Height, CX, CY - B, CX + A, CY, Value);
  MaskLine(Mask, Width, Height, CX + A, CY, CX, CY + B, Value);
  MaskLine(Mask, Width, Height, CX, CY + B, CX - A, CY, Value);
}

void MaskCrossOutline(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                      int32_t A, int32_t B, uint8_t Value) {
  const int32_t A2 = A / 2, B2 = B / 2;
  // Clockwise from the top-left corner of the vertical arm.
  const int32_t Points[12][2] = {{CX - A2, CY - B}, {CX + A2, CY - B}, {CX + A2, CY - B2},
                                 {CX + A, CY - B2}, {CX + A, CY + B2}, {CX + A2, CY + B2},
                                 {CX + A2, CY + B}, {CX - A2, CY + B}, {CX - A2, CY + B2},
                                 {CX - A, CY + B2}, {CX - A, CY - B2}, {CX - A2, CY - B2}};
  for (int I = 0; I < 12; ++I) {
    const int J = (I + 1) % 12;
    MaskLine(Mask, Width, Height, Points[I][0], Points[I][1], Points[J][0], Points[J][1], Value);
  }
}

void ShapeDiagonal(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t A = MulDivRound(Width - 1, Percent, 100);
  const int32_t B = MulDivRound(Height - 1, Percent, 100);
  if (A >= B) {
    for (int32_t T = 0; T <= 2 * A; ++T)
      MaskLine(Mask, Width, Height, 0, std::min(T, 2 * B), T, 0, Value);
  } else {
    for (int32_t T = 0; T <= 2 * B; ++T)
      MaskLine(Mask, Width, Height, 0, T, std::min(T, 2 * A), 0, Value);
  }
}

namespace {

void DiagonalLegs(int32_t Width, int32_t Height, int32_t Percent, int64_t& LX, int64_t& LY) {
  LX = RoundEven(Percent / 100.0 * (Width - 1));
  LY = RoundEven(Percent / 100.0 * (Height - 1));
}

void FillRows(uint8_t* Mask, int32_t Width, int32_t Height, int32_t From, int32_t To,
              uint8_t Value) {
  From = std::max(From, 0);
  To = std::min(To, Height - 1);
  for (int32_t Y = From; Y <= To; ++Y)
    std::fill_n(Mask + static_cast<int64_t>(Y) * Width, Width, Value);
}

} // namespace

void ShapeDiagonalIn(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  int64_t LX, LY;
  DiagonalLegs(Width, Height, Percent, LX, LY);
  for (int32_t Y = 0; Y < Height; ++Y) {
    for (int32_t X = 0; X < Width; ++X) {
      // Legs along the edges from the corner, hypotenuse included.
      const int64_t U1 = X, V1 = Height - 1 - Y; // from (0, H - 1)
      const int64_t U2 = Width - 1 - X, V2 = Y;  // from (W - 1, 0)
      const bool In1 = U1 <= LX && V1 <= LY && U1 * LY + V1 * LX <= LX * LY;
      const bool In2 = U2 <= LX && V2 <= LY && U2 * LY + V2 * LX <= LX * LY;
      if (In1 || In2)
        Mask[static_cast<int64_t>(Y) * Width + X] = Value;
    }
  }
}

void ShapeDiagonalOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent,
                      uint8_t Value) {
  int64_t LX, LY;
  DiagonalLegs(Width, Height, Percent, LX, LY);
  // Signed distance from the main diagonal, scaled: 0 on it, (W-1)(H-1) at the corners.
  for (int32_t Y = 0; Y < Height; ++Y) {
    for (int32_t X = 0; X < Width; ++X) {
      const int64_t S =
          static_cast<int64_t>(X) * (Height - 1) - static_cast<int64_t>(Y) * (Width - 1);
      if (S >= -LY * (Width - 1) && S <= LX * (Height - 1))
        Mask[static_cast<int64_t>(Y) * Width + X] = Value;
    }
  }
}

void ShapeDown(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  FillRows(Mask, Width, Height, 0, MulDivRound(Percent, Height - 1, 100), Value);
}

void ShapeIn(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t M = MulDivRound(Percent, Height / 2, 100);
  FillRows(Mask, Width, Height, 0, M, Value);
  FillRows(Mask, Width, Height, Height - 1 - M, Height - 1, Value);
}

void ShapeOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t M = MulDivRound(Percent, Height / 2, 100);
  FillRows(Mask, Width, Height, Height / 2 - M, Height / 2 + M, Value);
}

void ShapeCrossOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t A = MulDivRound(Percent, 2 * Width, 100);
  const int32_t B = MulDivRound(Percent, 2 * Height, 100);
  const int32_t CX = Width / 2, CY = Height / 2;
  for (int32_t F = -(A / 4); F <= A / 4; ++F)
    for (int32_t Y = CY - B; Y <= CY + B; ++Y)
      MaskSet(Mask, Width, Height, CX + F, Y, Value);
  for (int32_t L = -(B / 4); L <= B / 4; ++L)
    for (int32_t X = CX - A; X <= CX + A; ++X)
      MaskSet(Mask, Width, Height, X, CY + L, Value);
}

void ShapeRectOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  double SX, SY;
  AspectSteps(Width, Height, SX, SY);
  const int32_t E = MulDivRound(Percent, std::max(Width, Height), 100);
  for (int32_t K = 0; K <= E / 2; ++K)
    MaskRectOutline(Mask, Width, Height, Width / 2, Height / 2, RoundEven(K * SX),
                    RoundEven(K * SY), Value);
}

void ShapeDiamondOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  double SX, SY;
  AspectSteps(Width, Height, SX, SY);
  const int32_t N = MulDivRound(Percent, std::max(Width, Height), 100);
  for (int32_t K = 0; K <= N; ++K)
    MaskDiamondOutline(Mask, Width, Height, Width / 2, Height / 2, RoundEven(K * SX),
                       RoundEven(K * SY), Value);
}

void ShapeCircleOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t R = MulDivRound(MaskDiag(Width, Height), Percent, 100) / 2;
  for (int32_t K = 0; K <= R; ++K)
    MaskCircle(Mask, Width, Height, Width / 2, Height / 2, K, Value);
}

void ShapeCircleIn(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t Diag = MaskDiag(Width, Height);
  const int32_t M = MulDivRound(Diag, Percent, 100) / 2;
  for (int32_t K = Diag / 2 - M; K <= Diag / 2; ++K)
    MaskCircle(Mask, Width, Height, Width / 2, Height / 2, K, Value);
}

void ShapeCircleCorner(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent,
                       uint8_t Value) {
  const int32_t R = MulDivRound(MaskDiag(Width, Height), Percent, 100);
  for (int32_t K = 0; K <= R; ++K)
    MaskCircle(Mask, Width, Height, 0, Height - 1, K, Value);
}

void ShapeRotate(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value) {
  const int32_t N = MulDivRound(Width + Height, Percent, 100);
  for (int32_t K = 0; K <= N; ++K) {
    if (K < Height)
      MaskLine(Mask, Width, Height, 0, Height - 1, Width - 1, Height - K, Value);
    else
      MaskLine(Mask, Width, Height, 0, Height - 1, Width + Height - K, 0, Value);
  }
}

void FadeProc(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  const int32_t Value = std::clamp(RoundEven(P / 100.0 * 255), 0, 255);
  std::fill_n(M, static_cast<int64_t>(W) * H, static_cast<uint8_t>(Value));
}
