#pragma once
// The row loops written once over a vector type; PixelRowsSse2.cpp and PixelRowsAvx2.cpp
// instantiate them with 4 and 8 pixels per vector. Each vector does what BlendPixel does per
// pixel, in 16-bit lanes: (s * a + 128) >> 8 keeps exactly the high byte of every lane.

#include <cstddef>

#include "gfx/Pixels.h"

template <class V> struct TSimdRows {
  using T = typename V::T;
  static constexpr size_t N = V::Pixels;

  static T Blend(T Top, T Bottom) {
    const T Zero = V::Zero();
    const T Alpha = V::Srl32(Top, 24);
    const T AlphaBytes = V::Or(V::Or(Alpha, V::Sll32(Alpha, 8)),
                               V::Or(V::Sll32(Alpha, 16), V::Sll32(Alpha, 24)));
    const T C255 = V::Set16(255);
    const T C128 = V::Set16(128);
    const auto Half = [&](T TopLanes, T BottomLanes, T AlphaLanes) {
      const T Inverse = V::Sub16(C255, AlphaLanes);
      return V::Add16(V::Srl16(V::Add16(V::Mul16(TopLanes, AlphaLanes), C128), 8),
                      V::Srl16(V::Add16(V::Mul16(BottomLanes, Inverse), C128), 8));
    };
    const T Low = Half(V::UnpackLo8(Top, Zero), V::UnpackLo8(Bottom, Zero),
                       V::UnpackLo8(AlphaBytes, Zero));
    const T High = Half(V::UnpackHi8(Top, Zero), V::UnpackHi8(Bottom, Zero),
                        V::UnpackHi8(AlphaBytes, Zero));
    const T Blended = V::Pack16(Low, High);
    const T Opaque = V::Eq32(Alpha, V::Set32(255));
    const T Clear = V::Eq32(Alpha, Zero);
    return V::Or(V::And(Opaque, Top),
                 V::Or(V::And(Clear, Bottom), V::AndNot(V::Or(Opaque, Clear), Blended)));
  }

  static void BlendRows(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom,
                        size_t Count) {
    size_t I = 0;
    for (; I + N <= Count; I += N) {
      const T TopPixels = V::Load(Top + I);
      const T Alpha = V::Srl32(TopPixels, 24);
      if (V::AllSet(V::Eq32(Alpha, V::Set32(255)))) {
        V::Store(Out + I, TopPixels);
        continue;
      }
      if (V::AllSet(V::Eq32(Alpha, V::Zero()))) {
        if (Out != Bottom)
          V::Store(Out + I, V::Load(Bottom + I));
        continue;
      }
      V::Store(Out + I, Blend(TopPixels, V::Load(Bottom + I)));
    }
    for (; I < Count; ++I)
      Out[I] = BlendPixel(Top[I], Bottom[I]);
  }

  static void KeyRow(TsePixel* Dest, const TsePixel* Source, size_t Count) {
    const T ColorMask = V::Set32(0x00FFFFFF);
    const T Key = V::Set32(KeyColor);
    size_t I = 0;
    for (; I + N <= Count; I += N) {
      const T Pixels = V::Load(Source + I);
      const T Hole = V::Eq32(V::And(Pixels, ColorMask), Key);
      V::Store(Dest + I, V::Or(V::And(Hole, V::Load(Dest + I)), V::AndNot(Hole, Pixels)));
    }
    for (; I < Count; ++I)
      if (!IsKeyColored(Source[I]))
        Dest[I] = Source[I];
  }

  static void BlendFillRow(TsePixel* Dest, TsePixel Pixel, size_t Count) {
    const T Top = V::Set32(static_cast<int>(Pixel));
    size_t I = 0;
    for (; I + N <= Count; I += N)
      V::Store(Dest + I, Blend(Top, V::Load(Dest + I)));
    for (; I < Count; ++I)
      Dest[I] = BlendPixel(Pixel, Dest[I]);
  }

  static bool HasPartialAlpha(const TsePixel* Pixels, size_t Count) {
    size_t I = 0;
    for (; I + N <= Count; I += N) {
      const T Alpha = V::Srl32(V::Load(Pixels + I), 24);
      if (!V::AllSet(V::Or(V::Eq32(Alpha, V::Zero()), V::Eq32(Alpha, V::Set32(255)))))
        return true;
    }
    for (; I < Count; ++I)
      if (PixelAlpha(Pixels[I]) != 0 && PixelAlpha(Pixels[I]) != 255)
        return true;
    return false;
  }
};
