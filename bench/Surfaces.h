#pragma once
// Deterministic test pictures for the benchmarks: the same pixels on every run.

#include <cstdint>
#include <memory>
#include <vector>

#include "bench/Turns.h"
#include "gfx/Bitmap.h"

// splitmix64.
class TRandom {
public:
  explicit TRandom(uint64_t Seed) : FState(Seed) {}
  uint32_t Next();
  uint32_t Below(uint32_t Bound) { return static_cast<uint32_t>((uint64_t{Next()} * Bound) >> 32); }

private:
  uint64_t FState;
};

// Gives one pixel of a run of the given kind (0, 1 or 2).
using TPixelMaker = TsePixel (*)(TRandom& Random, uint32_t Kind);

// A Width x Height surface filled row after row in runs of 1 to 32 pixels; each run picks one
// of the three kinds with equal odds, so each kind covers about a third of the pixels.
std::unique_ptr<TseBitmap> MakeSurface(int32_t Width, int32_t Height, uint64_t Seed,
                                       TPixelMaker Pixel);

// Kinds: alpha 0, alpha 255, alpha 1..254; colours random per pixel.
TsePixel MixedAlphaPixel(TRandom& Random, uint32_t Kind);
// Kinds: alpha 0, alpha 255, alpha 255 (no partial alpha at all).
TsePixel TwoLevelAlphaPixel(TRandom& Random, uint32_t Kind);
// Kinds: the key colour 0x007F007F, opaque, opaque.
TsePixel KeyHolePixel(TRandom& Random, uint32_t Kind);
// Opaque random colour whatever the kind.
TsePixel OpaquePixel(TRandom& Random, uint32_t Kind);

// The surface's pixels premultiplied by their alpha, as pixman's a8r8g8b8 reads them.
std::vector<uint32_t> Premultiplied(const TseBitmap& Bitmap);

// memcpy of a Width x Height frame from one surface to another: the reference of the figures
// that move a frame's bytes.
TSetUp MemcpyFrame(int32_t Width, int32_t Height);
