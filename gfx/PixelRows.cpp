#include "gfx/PixelRows.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

void BlendRowsPortable(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Out[I] = BlendPixel(Top[I], Bottom[I]);
}

void KeyRowPortable(TsePixel* Dest, const TsePixel* Source, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    if (!IsKeyColored(Source[I]))
      Dest[I] = Source[I];
}

void BlendEvenRowsPortable(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom,
                           size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Out[I] = BlendPixel(Top[2 * I], Bottom[I]);
}

void BlendFillRowPortable(TsePixel* Dest, TsePixel Pixel, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Dest[I] = BlendPixel(Pixel, Dest[I]);
}

bool HasPartialAlphaPortable(const TsePixel* Pixels, size_t Count) {
  for (size_t I = 0; I < Count; ++I) {
    const uint8_t Alpha = PixelAlpha(Pixels[I]);
    if (Alpha != 0 && Alpha != 255)
      return true;
  }
  return false;
}

bool SnapKeyRowPortable(TsePixel* Pixels, size_t Count, TsePixel Key) {
  const auto Near = [](uint32_t A, uint32_t B) { return (A > B ? A - B : B - A) < 6; };
  bool Snapped = false;
  for (size_t I = 0; I < Count; ++I) {
    const TsePixel Pixel = Pixels[I];
    if (Near(Pixel >> 16 & 0xFF, Key >> 16 & 0xFF) && Near(Pixel >> 8 & 0xFF, Key >> 8 & 0xFF) &&
        Near(Pixel & 0xFF, Key & 0xFF)) {
      Pixels[I] = KeyColor;
      Snapped = true;
    }
  }
  return Snapped;
}

} // namespace

void PixelRowsPortableMaskAlpha(TsePixel* Pixels, const uint8_t* Alpha, size_t Count) {
  for (size_t I = 0; I < Count; ++I) {
    const TsePixel Colour = Pixels[I] & 0x00FFFFFF;
    Pixels[I] = Colour | (Colour == KeyColor ? 0 : static_cast<TsePixel>(Alpha[I]) << 24);
  }
}

void PixelRowsPortableMaskBlend(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom,
                                const uint8_t* Alpha, size_t Count) {
  PixelRowsPortableMaskAlpha(Top, Alpha, Count);
  BlendRowsPortable(Out, Top, Bottom, Count);
}

void PixelRowsPortableFadeBlend(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom, uint8_t Alpha,
                                size_t Count) {
  for (size_t I = 0; I < Count; ++I) {
    const TsePixel Colour = Top[I] & 0x00FFFFFF;
    Top[I] = Colour | (Colour == KeyColor ? 0 : static_cast<TsePixel>(Alpha) << 24);
    Out[I] = BlendPixel(Top[I], Bottom[I]);
  }
}

void PixelRowsPortableGatherEven(TsePixel* Out, const TsePixel* Source, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Out[I] = Source[2 * I];
}

bool PixelRowsPortableSnap(TsePixel* Pixels, size_t Count, TsePixel Key) {
  return SnapKeyRowPortable(Pixels, Count, Key);
}

const TPixelRowFunctions PixelRowsPortable = {"portable",
                                              BlendRowsPortable,
                                              KeyRowPortable,
                                              BlendFillRowPortable,
                                              HasPartialAlphaPortable,
                                              SnapKeyRowPortable,
                                              PixelRowsPortableMaskAlpha,
                                              PixelRowsPortableMaskBlend,
                                              PixelRowsPortableFadeBlend,
                                              PixelRowsPortableGatherEven,
                                              BlendEvenRowsPortable};

const TPixelRowFunctions* const* AvailablePixelRows(size_t& Count) {
  static const TPixelRowFunctions* Forms[4];
  static const size_t Found = [] {
    size_t N = 0;
    Forms[N++] = &PixelRowsPortable;
#ifdef MIREVAN_PIXEL_ROWS_X86
    Forms[N++] = &PixelRowsSse2; // every x86-64 processor has it
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
      Forms[N++] = &PixelRowsAvx2;
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512dq"))
      Forms[N++] = &PixelRowsAvx512;
#endif
    return N;
  }();
  Count = Found;
  return Forms;
}

const TPixelRowFunctions& PixelRows() {
  static const TPixelRowFunctions& Chosen = []() -> const TPixelRowFunctions& {
    size_t Count = 0;
    const TPixelRowFunctions* const* Forms = AvailablePixelRows(Count);
    return *Forms[Count - 1];
  }();
  return Chosen;
}

void SetAlphaRow(TsePixel* Pixels, uint8_t Alpha, size_t Count) {
  const TsePixel High = static_cast<TsePixel>(Alpha) << 24;
  for (size_t I = 0; I < Count; ++I)
    Pixels[I] = (Pixels[I] & 0x00FFFFFF) | High;
}

void FillRow(TsePixel* Pixels, TsePixel Pixel, size_t Count) {
#ifdef __SSE2__
  // Four pixels a store: paints clear whole buffers with this before every draw, and the
  // compiler keeps a plain loop scalar at this optimisation level.
  const __m128i Four = _mm_set1_epi32(static_cast<int>(Pixel));
  size_t I = 0;
  for (; I + 4 <= Count; I += 4)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Pixels + I), Four);
  std::fill_n(Pixels + I, Count - I, Pixel);
#else
  std::fill_n(Pixels, Count, Pixel);
#endif
}
