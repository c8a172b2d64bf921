#include "gfx/Pixels.h"

#include <algorithm>
#include <cmath>

#include "gfx/Bitmap.h"

int32_t RoundHalfEven(float Value) { return static_cast<int32_t>(std::nearbyint(Value)); }

TsePixel ColorToPixel(TColor Color, uint8_t Alpha) {
  const uint32_t Rgb = ColorToRGB(Color);
  return static_cast<TsePixel>(Alpha) << 24 | (Rgb & 0xFF) << 16 | (Rgb & 0xFF00) |
         (Rgb >> 16 & 0xFF);
}

TsePixel MakePixel(int16_t R, int16_t G, int16_t B, uint8_t A) {
  const auto Clamp = [](int16_t V) {
    return static_cast<uint32_t>(std::clamp<int16_t>(V, 0, 255));
  };
  return static_cast<TsePixel>(A) << 24 | Clamp(R) << 16 | Clamp(G) << 8 | Clamp(B);
}

TColor PixelToColor(TsePixel Pixel) {
  return static_cast<TColor>((Pixel >> 16 & 0xFF) | (Pixel & 0xFF00) | (Pixel & 0xFF) << 16);
}

TsePixel AdjustPixel(TsePixel Pixel, int16_t DR, int16_t DG, int16_t DB, int16_t DA) {
  const auto Channel = [Pixel](int Shift) { return static_cast<int16_t>(Pixel >> Shift & 0xFF); };
  return MakePixel(static_cast<int16_t>(Channel(16) + DR), static_cast<int16_t>(Channel(8) + DG),
                   static_cast<int16_t>(Channel(0) + DB),
                   static_cast<uint8_t>((Channel(24) + DA) & 0xFF));
}

THsl RGBToHSL(TsePixel Pixel) {
  const float R = static_cast<float>(Pixel >> 16 & 0xFF) / 255.0f;
  const float G = static_cast<float>(Pixel >> 8 & 0xFF) / 255.0f;
  const float B = static_cast<float>(Pixel & 0xFF) / 255.0f;
  const float Max = std::max({R, G, B});
  const float Min = std::min({R, G, B});
  THsl Result;
  Result.L = (Max + Min) / 2.0f;
  if (Max == Min)
    return Result;
  const float D = Max - Min;
  Result.S = Result.L < 0.5f ? D / (Max + Min) : D / (2.0f - Max - Min);
  if (Max == R)
    Result.H = (G - B) / D;
  else if (Max != G)
    Result.H = (R - G) / D + 4.0f;
  else
    Result.H = (B - R) / D + 2.0f;
  Result.H /= 6.0f;
  if (Result.H < 0)
    Result.H += 1.0f;
  return Result;
}

TsePixel HSLToRGB(float H, float S, float L) {
  if (S == 0) {
    const auto Grey = static_cast<int16_t>(RoundHalfEven(L * 255.0f));
    return MakePixel(Grey, Grey, Grey, 255);
  }
  const float Q = L > 0.5f ? L + S - L * S : L * (1.0f + S);
  const float P = 2.0f * L - Q;
  const auto Channel = [P, Q](float T) {
    T -= std::floor(T);
    float Value;
    if (6.0f * T < 1.0f)
      Value = P + (Q - P) * 6.0f * T;
    else if (2.0f * T < 1.0f)
      Value = Q;
    else if (3.0f * T < 2.0f)
      Value = P + (Q - P) * (2.0f / 3.0f - T) * 6.0f;
    else
      Value = P;
    return static_cast<int16_t>(RoundHalfEven(Value * 255.0f));
  };
  return MakePixel(Channel(H + 1.0f / 3.0f), Channel(H), Channel(H - 1.0f / 3.0f), 255);
}

TsePixel ChangePixelHue(TsePixel Pixel, int32_t Delta) {
  const THsl Hsl = RGBToHSL(Pixel);
  int32_t Hue = RoundHalfEven(Hsl.H * 255.0f) + Delta;
  if (Hue > 255)
    Hue -= 255;
  if (Hue < 0)
    Hue += 255;
  return HSLToRGB(static_cast<float>(Hue) / 255.0f, Hsl.S, Hsl.L);
}

void ChangeBitmapHue(TseBitmap& Bitmap, int32_t Delta) {
  if (Bitmap.Empty())
    return;
  TsePixel* Pixel = Bitmap.Bits();
  const size_t Count = static_cast<size_t>(Bitmap.Width()) * static_cast<size_t>(Bitmap.Height());
  for (size_t I = 0; I < Count; ++I, ++Pixel)
    if (PixelAlpha(*Pixel) != 0)
      *Pixel = ChangePixelHue(*Pixel, Delta);
}

void ClearKeyAlpha(TsePixel* Pixels, int32_t Count, TsePixel Key) {
  for (int32_t I = 0; I < Count; ++I)
    if ((Pixels[I] & 0x00FFFFFF) == (Key & 0x00FFFFFF))
      Pixels[I] &= 0x00FFFFFF;
}
