#pragma once
// The row loops written once over a vector type; PixelRowsSse2.cpp, PixelRowsAvx2.cpp and
// PixelRowsAvx512.cpp instantiate them with 4, 8 and 16 pixels per vector. Each vector does what
// BlendPixel does per pixel, in 16-bit lanes: (s * a + 128) >> 8 keeps exactly the high byte of
// every lane.

#include <cstddef>
#include <cstdint>

#include "gfx/PixelRows.h"

// Lane masks (a set of 32-bit lanes) for the forms whose compares give whole vectors, which
// these forms derive from; the AVX-512 form keeps them in its mask registers instead.
template <class V> struct TVectorLanes {
  // No loads and stores of part of a vector: rows begin and end pixel by pixel.
  static constexpr bool MaskedParts = false;
  static auto NoLanes() { return V::Zero(); }
  // The lanes where A has no bit of Bits.
  template <class T> static T ZeroIn(T A, T Bits) { return V::Eq32(V::And(A, Bits), V::Zero()); }
  template <class T> static T EqLanes(T A, T B) { return V::Eq32(A, B); }
  template <class T> static T OrLanes(T A, T B) { return V::Or(A, B); }
  // The lanes of B not in A.
  template <class T> static T AndNotLanes(T A, T B) { return V::AndNot(A, B); }
  template <class T> static bool AnyLane(T Lanes) { return V::AnySet(Lanes); }
  template <class T> static bool AllLanes(T Lanes) { return V::AllSet(Lanes); }
  // IfSet in the lanes given, IfClear in the others.
  template <class T> static T SelectLanes(T Lanes, T IfSet, T IfClear) {
    return V::Select(Lanes, IfSet, IfClear);
  }
  // Value stored in the lanes given; the rest of P stays.
  template <class T> static void StoreLanes(TsePixel* P, T Lanes, T Value) {
    V::Store(P, V::Select(Lanes, Value, V::Load(P)));
  }
};

template <class V> struct TSimdRows {
  using T = typename V::T;
  static constexpr size_t N = V::Pixels;
  // How far ahead of the halved source row's reads its lines are asked for, in pixels: the
  // source is twice as wide and high as the target, too big to stay cached, and the rows
  // read skip one each, which the processor's own prefetching does not follow far enough.
  // The AVX-512 form reads fast enough to need 512 (256 left it waiting; 1024 was no faster);
  // the AVX2 form measured alike at 256, 512 and 1024.
  static constexpr size_t PrefetchAhead = 512;

  // Top and Bottom mixed channel by channel, (t * wt + 128) >> 8 + (b * wb + 128) >> 8, with
  // the weights in Scale's form for the lanes of the low and of the high unpacked half.
  static T Mix(T Top, T Bottom, T TopLow, T BottomLow, T TopHigh, T BottomHigh) {
    const T Zero = V::Zero();
    const auto Half = [](T TopLanes, T BottomLanes, T TopWeight, T BottomWeight) {
      return V::Add16(V::Scale(TopLanes, TopWeight), V::Scale(BottomLanes, BottomWeight));
    };
    return V::Pack16(
        Half(V::UnpackLo8(Top, Zero), V::UnpackLo8(Bottom, Zero), TopLow, BottomLow),
        Half(V::UnpackHi8(Top, Zero), V::UnpackHi8(Bottom, Zero), TopHigh, BottomHigh));
  }

  static T Blend(T Top, T Bottom) {
    const T Zero = V::Zero();
    const T Alpha = V::Srl32(Top, 24);
    const T C255 = V::Set16(255);
    const T Low = V::AlphaLanesLo(Top), High = V::AlphaLanesHi(Top);
    const T Blended = Mix(Top, Bottom, V::WeightLanes(Low), V::WeightLanes(V::Sub16(C255, Low)),
                          V::WeightLanes(High), V::WeightLanes(V::Sub16(C255, High)));
    // Alpha 255 and 0 take the pixel as it is: the formula would round them off by one.
    return V::SelectLanes(V::EqLanes(Alpha, V::Set32(255)), Top,
                          V::SelectLanes(V::EqLanes(Alpha, Zero), Bottom, Blended));
  }

  // The vector of Top's pixels from pixel I on, Top read at every Step-th pixel.
  template <size_t Step> static T TopAt(const TsePixel* Top, size_t I) {
    if constexpr (Step == 1)
      return V::Load(Top + I);
    else
      return V::Even(V::Load(Top + 2 * I), V::Load(Top + 2 * I + N));
  }

  // Out[i] = Top[Step * i] over Bottom[i].
  template <size_t Step>
  static void BlendLoop(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom, size_t Count) {
    const T Opaque = V::Set32(static_cast<int>(0xFF000000));
    size_t I = HeadCount(Out, Count);
    BlendPart<Step>(Out, Top, Bottom, I);
    // Four vectors at a time. A block wholly opaque or wholly transparent, as skins have them in
    // long runs, takes one side as it is; Bottom is not even read under an opaque one. Any
    // other block is blended vector by vector without further branches, which short runs of
    // mixed pixels would mispredict.
    for (; I + 4 * N <= Count; I += 4 * N) {
      if constexpr (Step > 1) // a line of 16 pixels at a time, past the row's end too
        for (size_t K = 0; K < 4 * N * Step; K += 16)
          V::Prefetch(reinterpret_cast<uintptr_t>(Top + Step * I) +
                      (K + PrefetchAhead) * sizeof(TsePixel));
      const T P0 = TopAt<Step>(Top, I), P1 = TopAt<Step>(Top, I + N);
      const T P2 = TopAt<Step>(Top, I + 2 * N), P3 = TopAt<Step>(Top, I + 3 * N);
      const T Lowest = V::MinU8(V::MinU8(P0, P1), V::MinU8(P2, P3));
      const T Highest = V::MaxU8(V::MaxU8(P0, P1), V::MaxU8(P2, P3));
      if (V::AllLanes(V::EqLanes(V::And(Lowest, Opaque), Opaque))) {
        V::Store(Out + I, P0);
        V::Store(Out + I + N, P1);
        V::Store(Out + I + 2 * N, P2);
        V::Store(Out + I + 3 * N, P3);
      } else if (!V::AllLanes(V::ZeroIn(Highest, Opaque))) {
        V::Store(Out + I, Blend(P0, V::Load(Bottom + I)));
        V::Store(Out + I + N, Blend(P1, V::Load(Bottom + I + N)));
        V::Store(Out + I + 2 * N, Blend(P2, V::Load(Bottom + I + 2 * N)));
        V::Store(Out + I + 3 * N, Blend(P3, V::Load(Bottom + I + 3 * N)));
      } else if (Out != Bottom) {
        for (size_t K = 0; K < 4 * N; K += N)
          V::Store(Out + I + K, V::Load(Bottom + I + K));
      }
    }
    for (; I + N <= Count; I += N)
      V::Store(Out + I, Blend(TopAt<Step>(Top, I), V::Load(Bottom + I)));
    BlendPart<Step>(Out + I, Top + Step * I, Bottom + I, Count - I);
  }

  // Fewer pixels than a vector holds, as BlendLoop blends them: in one masked vector where
  // the form has them (skins draw many pieces a few pixels wide), else one by one.
  template <size_t Step>
  static void BlendPart(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom, size_t Count) {
    if constexpr (Step == 1 && V::MaskedParts) {
      if (Count > 0)
        V::StorePart(Out, Count, Blend(V::LoadPart(Top, Count), V::LoadPart(Bottom, Count)));
    } else {
      for (size_t I = 0; I < Count; ++I)
        Out[I] = BlendPixel(Top[Step * I], Bottom[I]);
    }
  }

  static void BlendRows(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom, size_t Count) {
    BlendLoop<1>(Out, Top, Bottom, Count);
  }

  // The halved row read and blended in one pass: the loads of the wide source row, the
  // slow part, overlap the blending.
  static void BlendEvenRows(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom,
                            size_t Count) {
    BlendLoop<2>(Out, Top, Bottom, Count);
  }

  static void KeyRow(TsePixel* Dest, const TsePixel* Source, size_t Count) {
    const T ColorMask = V::Set32(0x00FFFFFF);
    const T Key = V::Set32(KeyColor);
    // Holes and pixels are merged branch-free, a whole vector at a time: short runs of either
    // would mispredict a branch, and the destination's lines are fetched for the store anyway.
    // Stores are aligned, so no vector spans two cache lines.
    size_t I = HeadCount(Dest, Count);
    KeyPart(Dest, Source, I);
    for (; I + N <= Count; I += N) {
      const T Pixels = V::Load(Source + I);
      const auto Holes = V::EqLanes(V::And(Pixels, ColorMask), Key);
      V::Store(Dest + I, V::SelectLanes(Holes, V::Load(Dest + I), Pixels));
    }
    KeyPart(Dest + I, Source + I, Count - I);
  }

  // Fewer pixels than a vector holds, as KeyRow draws them.
  static void KeyPart(TsePixel* Dest, const TsePixel* Source, size_t Count) {
    if constexpr (V::MaskedParts) {
      if (Count == 0)
        return;
      const T Pixels = V::LoadPart(Source, Count);
      const auto Holes = V::EqLanes(V::And(Pixels, V::Set32(0x00FFFFFF)), V::Set32(KeyColor));
      V::StoreLanes(Dest, V::AndNotLanes(Holes, V::PartLanes(Count)), Pixels);
    } else {
      for (size_t I = 0; I < Count; ++I)
        if (!IsKeyColored(Source[I]))
          Dest[I] = Source[I];
    }
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
      if (!V::AllLanes(V::OrLanes(V::EqLanes(Alpha, V::Zero()), V::EqLanes(Alpha, V::Set32(255)))))
        return true;
    }
    for (; I < Count; ++I)
      if (PixelAlpha(Pixels[I]) != 0 && PixelAlpha(Pixels[I]) != 255)
        return true;
    return false;
  }

  static bool SnapKeyRow(TsePixel* Pixels, size_t Count, TsePixel Key) {
    const T KeyVector = V::Set32(static_cast<int>(Key));
    const T ColorMask = V::Set32(0x00FFFFFF);
    const T Five = V::Set8(5);
    const T Exact = V::Set32(static_cast<int>(KeyColor));
    auto Found = V::NoLanes();
    size_t I = 0;
    for (; I + N <= Count; I += N) {
      const T Values = V::Load(Pixels + I);
      // Per byte |value - key|, then what exceeds 5; near pixels have none in their colour.
      const T Distance = V::Or(V::SubSatU8(Values, KeyVector), V::SubSatU8(KeyVector, Values));
      const auto Near = V::ZeroIn(V::SubSatU8(Distance, Five), ColorMask);
      Found = V::OrLanes(Found, Near);
      // Only vectors that change are written: holes already exactly key-coloured, as in
      // every picture snapped before, are not, and the one branch stays predictable.
      const auto Stale = V::AndNotLanes(V::EqLanes(Values, Exact), Near);
      if (V::AnyLane(Stale))
        V::StoreLanes(Pixels + I, Stale, Exact);
    }
    const bool Snapped = V::AnyLane(Found);
    return PixelRowsPortableSnap(Pixels + I, Count - I, Key) || Snapped;
  }

  // Pixels with Alpha's bytes as their alpha, or 0 where they are key-coloured.
  static T Masked(T Pixels, const uint8_t* Alpha) {
    const T Colour = V::And(Pixels, V::Set32(0x00FFFFFF));
    const auto Hole = V::EqLanes(Colour, V::Set32(KeyColor));
    return V::SelectLanes(Hole, Colour, V::Or(Colour, V::Sll32(V::WidenBytes(Alpha), 24)));
  }

  static void MaskAlphaRow(TsePixel* Pixels, const uint8_t* Alpha, size_t Count) {
    size_t I = 0;
    for (; I + N <= Count; I += N)
      V::Store(Pixels + I, Masked(V::Load(Pixels + I), Alpha + I));
    PixelRowsPortableMaskAlpha(Pixels + I, Alpha + I, Count - I);
  }

  // How many of Out's pixels come before its first aligned vector.
  static size_t HeadCount(const TsePixel* Out, size_t Count) {
    size_t I = 0;
    while (I < Count && !V::Aligned(Out + I))
      ++I;
    return I;
  }

  // The transition's frames below write the work image whole, and it goes to the screen
  // next, not back through these loops: its vectors are streamed to memory, which saves
  // reading its lines in first and leaves the caches to the two images read.
  static void MaskBlendRow(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom,
                           const uint8_t* Alpha, size_t Count) {
    size_t I = HeadCount(Out, Count);
    PixelRowsPortableMaskBlend(Out, Top, Bottom, Alpha, I);
    for (; I + N <= Count; I += N) {
      const T Pixels = Masked(V::Load(Top + I), Alpha + I);
      V::Store(Top + I, Pixels);
      V::Stream(Out + I, Blend(Pixels, V::Load(Bottom + I)));
    }
    PixelRowsPortableMaskBlend(Out + I, Top + I, Bottom + I, Alpha + I, Count - I);
    V::Fence();
  }

  // One alpha for every pixel: its lanes are set once, and alpha 0 or 255 (the first and
  // last frames) take one side as it is, as Blend does per pixel.
  static void FadeBlendRow(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom, uint8_t Alpha,
                           size_t Count) {
    const T ColorMask = V::Set32(0x00FFFFFF);
    const T Key = V::Set32(KeyColor);
    const T AlphaBits = V::Set32(static_cast<int>(static_cast<TsePixel>(Alpha) << 24));
    const T TopWeight = V::Weight(Alpha);
    const T BottomWeight = V::Weight(static_cast<uint8_t>(255 - Alpha));
    size_t I = HeadCount(Out, Count);
    PixelRowsPortableFadeBlend(Out, Top, Bottom, Alpha, I);
    for (; I + N <= Count; I += N) {
      const T Colour = V::And(V::Load(Top + I), ColorMask);
      const auto Hole = V::EqLanes(Colour, Key);
      const T Pixels = V::SelectLanes(Hole, Colour, V::Or(Colour, AlphaBits));
      V::Store(Top + I, Pixels);
      const T Under = V::Load(Bottom + I);
      T Blended;
      if (Alpha == 0)
        Blended = Under;
      else if (Alpha == 255)
        Blended = Pixels;
      else
        Blended = Mix(Pixels, Under, TopWeight, BottomWeight, TopWeight, BottomWeight);
      // Holes have alpha 0: the pixel under them stays.
      V::Stream(Out + I, V::SelectLanes(Hole, Under, Blended));
    }
    PixelRowsPortableFadeBlend(Out + I, Top + I, Bottom + I, Alpha, Count - I);
    V::Fence();
  }

  static void GatherEven(TsePixel* Out, const TsePixel* Source, size_t Count) {
    size_t I = 0;
    for (; I + N <= Count; I += N)
      V::Store(Out + I, V::Even(V::Load(Source + 2 * I), V::Load(Source + 2 * I + N)));
    PixelRowsPortableGatherEven(Out + I, Source + 2 * I, Count - I);
  }
};

// The table of a form's row loops, for the form's file to define.
template <class V> constexpr TPixelRowFunctions SimdPixelRows(const char* Name) {
  using R = TSimdRows<V>;
  return {Name,
          R::BlendRows,
          R::KeyRow,
          R::BlendFillRow,
          R::HasPartialAlpha,
          R::SnapKeyRow,
          R::MaskAlphaRow,
          R::MaskBlendRow,
          R::FadeBlendRow,
          R::GatherEven,
          R::BlendEvenRows};
}
