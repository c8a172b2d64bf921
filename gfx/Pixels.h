#pragma once
// The pixel: 32 bits, read as 0xAARRGGBB (memory order blue, green, red, alpha), straight
// alpha, 0 transparent and 255 opaque. Also the pixel's colour routines: toolkit colours
// and pixels, channel adjustment, and the hue shift through hue/saturation/lightness.

#include <cstdint>

#include "toolkit/Colors.h"

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

class TseBitmap;

// Alpha in the top byte, then the colour's red, green and blue (system colours resolved).
TsePixel ColorToPixel(TColor Color, uint8_t Alpha = 255);
// Channels clamped to 0..255.
TsePixel MakePixel(int16_t R, int16_t G, int16_t B, uint8_t A);
TColor PixelToColor(TsePixel Pixel);
// Colour channels saturate, alpha wraps around.
TsePixel AdjustPixel(TsePixel Pixel, int16_t DR, int16_t DG, int16_t DB, int16_t DA);

struct THsl {
  float H = 0, S = 0, L = 0; // each 0..1
};
THsl RGBToHSL(TsePixel Pixel);
TsePixel HSLToRGB(float H, float S, float L);
// Hue turned by Delta / 255 of a circle; the result is opaque.
TsePixel ChangePixelHue(TsePixel Pixel, int32_t Delta);
// Every pixel that is not fully transparent takes ChangePixelHue.
void ChangeBitmapHue(TseBitmap& Bitmap, int32_t Delta);

// Pixels whose colour equals Key's get alpha 0.
void ClearKeyAlpha(TsePixel* Pixels, int32_t Count, TsePixel Key);

// Rounding to the nearest integer with halves to even, as the floating-point unit does.
int32_t RoundHalfEven(float Value);
