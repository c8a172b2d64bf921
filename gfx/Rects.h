#pragma once
// Rectangle arithmetic the skinned controls share.

#include "toolkit/Types.h"

constexpr int32_t RectWidth(const TRect& R) { return R.Right - R.Left; }
constexpr int32_t RectHeight(const TRect& R) { return R.Bottom - R.Top; }
// Width or height below 1.
constexpr bool RectIsEmpty(const TRect& R) { return RectWidth(R) < 1 || RectHeight(R) < 1; }
constexpr bool RectEquals(const TRect& A, const TRect& B) { return A == B; }
// Each side moved N outward.
constexpr TRect GrowRect(const TRect& R, int32_t N) {
  return {R.Left - N, R.Top - N, R.Right + N, R.Bottom + N};
}
// R moved, size kept, to sit centred in Bounds.
constexpr TRect CenterRect(const TRect& R, const TRect& Bounds) {
  const int32_t Left = Bounds.Left + (RectWidth(Bounds) - RectWidth(R)) / 2;
  const int32_t Top = Bounds.Top + (RectHeight(Bounds) - RectHeight(R)) / 2;
  return {Left, Top, Left + RectWidth(R), Top + RectHeight(R)};
}
// R moved to Bounds' left edge and centred vertically (the offset halved toward zero).
constexpr TRect CenterRectVert(const TRect& R, const TRect& Bounds) {
  const int32_t Top = Bounds.Top + (RectHeight(Bounds) - RectHeight(R)) / 2;
  return {Bounds.Left, Top, Bounds.Left + RectWidth(R), Top + RectHeight(R)};
}
