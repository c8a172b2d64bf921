#pragma once
// Colour routines of the skin library: toolkit colours and pixels, channel adjustment, the
// hue shift through hue/saturation/lightness, and rectangle centring.

#include <cstdint>

#include "gfx/Pixels.h"
#include "toolkit/Colors.h"
#include "toolkit/Types.h"

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
// R moved, size kept, to sit centred in Bounds.
TRect CenterRect(const TRect& R, const TRect& Bounds);

// Rounding to the nearest integer with halves to even, as the floating-point unit does.
int32_t RoundHalfEven(float Value);
