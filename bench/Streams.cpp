#include "bench/Streams.h"

#include <cstdint>
#include <immintrin.h>

// Kept out of line, in a file of their own, so that the loops stay as written wherever the
// benchmarks call them; built for AVX2 and AVX-512 too where the processor has them, as the
// routines are.
#define MIREVAN_STREAM_LOOP __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))

MIREVAN_STREAM_LOOP void SourceOverTarget(TsePixel* Target, const TsePixel* Source, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Target[I] ^= Source[I];
}

MIREVAN_STREAM_LOOP void HalvedSourceOverTarget(TsePixel* Target, const TsePixel* Source,
                                                size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Target[I] ^= Source[2 * I];
}

// The fade streams its work image past the caches from its first aligned vector on, so its
// floor does too, in vectors as wide as the fade's own where the processor has them.
namespace {

void FadeStreamsScalar(TsePixel* Work, TsePixel* New, const TsePixel* Old, size_t From, size_t To) {
  for (size_t I = From; I < To; ++I) {
    New[I] |= 0x80000000;
    Work[I] = New[I] ^ Old[I];
  }
}

size_t HeadCount(const TsePixel* Work, size_t Count, size_t Alignment) {
  size_t I = 0;
  while (I < Count && reinterpret_cast<uintptr_t>(Work + I) % Alignment != 0)
    ++I;
  return I;
}

__attribute__((target("avx512f"))) void FadeStreams512(TsePixel* Work, TsePixel* New,
                                                       const TsePixel* Old, size_t Count) {
  size_t I = HeadCount(Work, Count, 64);
  FadeStreamsScalar(Work, New, Old, 0, I);
  const __m512i Top = _mm512_set1_epi32(static_cast<int>(0x80000000));
  for (; I + 16 <= Count; I += 16) {
    const __m512i Pixels = _mm512_or_si512(_mm512_loadu_si512(New + I), Top);
    _mm512_storeu_si512(New + I, Pixels);
    _mm512_stream_si512(reinterpret_cast<__m512i*>(Work + I),
                        _mm512_xor_si512(Pixels, _mm512_loadu_si512(Old + I)));
  }
  FadeStreamsScalar(Work, New, Old, I, Count);
  _mm_sfence();
}

__attribute__((target("avx2"))) void FadeStreams256(TsePixel* Work, TsePixel* New,
                                                    const TsePixel* Old, size_t Count) {
  size_t I = HeadCount(Work, Count, 32);
  FadeStreamsScalar(Work, New, Old, 0, I);
  const __m256i Top = _mm256_set1_epi32(static_cast<int>(0x80000000));
  for (; I + 8 <= Count; I += 8) {
    const __m256i Pixels =
        _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(New + I)), Top);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(New + I), Pixels);
    _mm256_stream_si256(
        reinterpret_cast<__m256i*>(Work + I),
        _mm256_xor_si256(Pixels, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(Old + I))));
  }
  FadeStreamsScalar(Work, New, Old, I, Count);
  _mm_sfence();
}

void FadeStreams128(TsePixel* Work, TsePixel* New, const TsePixel* Old, size_t Count) {
  size_t I = HeadCount(Work, Count, 16);
  FadeStreamsScalar(Work, New, Old, 0, I);
  const __m128i Top = _mm_set1_epi32(static_cast<int>(0x80000000));
  for (; I + 4 <= Count; I += 4) {
    const __m128i Pixels =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(New + I)), Top);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(New + I), Pixels);
    _mm_stream_si128(
        reinterpret_cast<__m128i*>(Work + I),
        _mm_xor_si128(Pixels, _mm_loadu_si128(reinterpret_cast<const __m128i*>(Old + I))));
  }
  FadeStreamsScalar(Work, New, Old, I, Count);
  _mm_sfence();
}

} // namespace

void FadeStreams(TsePixel* Work, TsePixel* New, const TsePixel* Old, size_t Count) {
  static const auto Chosen = [] {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
      return FadeStreams512;
    return __builtin_cpu_supports("avx2") ? FadeStreams256 : FadeStreams128;
  }();
  Chosen(Work, New, Old, Count);
}
