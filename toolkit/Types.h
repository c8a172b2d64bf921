#pragma once
// Geometry shared by every layer: rectangles with exclusive right and bottom edges.

#include <algorithm>
#include <cstdint>

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A width and a height.
struct TSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
  return {Left, Top, Right, Bottom};
}

// The common part of two rectangles; empty (possibly inverted) when they do not meet.
constexpr TRect IntersectRect(const TRect& A, const TRect& B) {
  return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
}

// Number * Numerator / Denominator in 64-bit arithmetic, rounded to the nearest integer with
// halves away from zero, as the platform's MulDiv does (named apart from that one, which
// windows.h declares); -1 when Denominator is 0.
constexpr int32_t MulDivRound(int32_t Number, int32_t Numerator, int32_t Denominator) {
  if (Denominator == 0)
    return -1;
  const int64_t Product = static_cast<int64_t>(Number) * Numerator;
  const int64_t Half = (Denominator < 0 ? -static_cast<int64_t>(Denominator) : Denominator) / 2;
  const bool Negative = (Product < 0) != (Denominator < 0);
  const int64_t Magnitude = ((Product < 0 ? -Product : Product) + Half) /
                            (Denominator < 0 ? -static_cast<int64_t>(Denominator) : Denominator);
  return static_cast<int32_t>(Negative ? -Magnitude : Magnitude);
}
