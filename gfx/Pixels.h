#pragma once
// The pixel: 32 bits, read as 0xAARRGGBB (memory order blue, green, red, alpha), straight
// alpha, 0 transparent and 255 opaque.

#include <cstdint>

using TsePixel = uint32_t;

// The key colour: a hole wherever a surface's Transparent flag is set, and what painting
// buffers are cleared to.
constexpr TsePixel KeyColor = 0x007F007F;

constexpr bool IsKeyColored(TsePixel Pixel) { return (Pixel & 0x00FFFFFF) == 0x007F007F; }
constexpr uint8_t PixelAlpha(TsePixel Pixel) { return static_cast<uint8_t>(Pixel >> 24); }

// Source over destination, the library's one blend: per byte (alpha included)
// ((s * a + 128) >> 8) + ((d * (255 - a) + 128) >> 8), two bytes at a time per word.
constexpr TsePixel BlendPixel(TsePixel Source, TsePixel Dest) {
  const uint32_t A = Source >> 24;
  if (A == 255)
    return Source;
  if (A == 0)
    return Dest;
  const uint32_t InvA = 255 - A;
  const uint32_t SourceRB = (((Source & 0x00FF00FF) * A + 0x00800080) >> 8) & 0x00FF00FF;
  const uint32_t SourceGA = (((Source >> 8) & 0x00FF00FF) * A + 0x00800080) & 0xFF00FF00;
  const uint32_t DestRB = (((Dest & 0x00FF00FF) * InvA + 0x00800080) >> 8) & 0x00FF00FF;
  const uint32_t DestGA = (((Dest >> 8) & 0x00FF00FF) * InvA + 0x00800080) & 0xFF00FF00;
  return (SourceRB + DestRB) | (SourceGA + DestGA);
}
