#pragma once
// The control base's frame: buffering modes, bevel cuts, sides and kinds, the colours of each
// cut and the rectangle a frame leaves inside.

#include <cstdint>

#include "toolkit/Colors.h"
#include "toolkit/Types.h"

enum TSePerformance : uint8_t { qzpNoBuffer, qzpSharedBuffer, qzpDoubleBuffer };

enum TSeBevelCut : uint8_t { qbvNone, qbvLowered, qbvRaised, qbvSpace, qbvBorder, qbvFlatBorder };

enum TSeBevelSide : uint8_t { qbsLeft, qbsTop, qbsRight, qbsBottom };
using TSeBevelSides = uint8_t; // bit i for TSeBevelSide i
constexpr TSeBevelSides AllBevelSides = 0xF;

enum TSeBevelKind : uint8_t { qbkNone, qbkSingle, qbkTile, qbkSoft, qbkBorder, qbkFlat };

// The identifiers stored layouts write for these.
inline constexpr const char* PerformanceNames[] = {"qzpNoBuffer", "qzpSharedBuffer",
                                                   "qzpDoubleBuffer"};
inline constexpr const char* BevelCutNames[] = {"qbvNone",  "qbvLowered", "qbvRaised",
                                                "qbvSpace", "qbvBorder",  "qbvFlatBorder"};
inline constexpr const char* BevelSideNames[] = {"qbsLeft", "qbsTop", "qbsRight", "qbsBottom"};
inline constexpr const char* BevelKindNames[] = {"qbkNone", "qbkSingle", "qbkTile",
                                                 "qbkSoft", "qbkBorder", "qbkFlat"};

// The colours of one bevel: its left and top lines, its right and bottom lines.
struct TSeBevelColors {
  TColor TopLeft = clNone;
  TColor BottomRight = clNone;
};

// The outer or the inner bevel of a cut (both clNone for qbvNone).
TSeBevelColors BevelColors(TSeBevelCut Cut, bool Outer);
// The cut a kind sets both bevels to; qbkNone leaves them (answers qbvNone).
TSeBevelCut BevelKindCut(TSeBevelKind Kind);

struct TSeFrame {
  int32_t BorderWidth = 0;
  TSeBevelCut BevelInner = qbvLowered;
  TSeBevelCut BevelOuter = qbvLowered;
  TSeBevelSides BevelSides = AllBevelSides;
  int32_t BevelWidth = 0;
};

// Bounds shrunk by the border on every side, then on each side of BevelSides by BevelWidth
// for every bevel present.
TRect FrameInnerRect(const TRect& Bounds, const TSeFrame& Frame);
