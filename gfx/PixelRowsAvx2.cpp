// Built with AVX2 enabled; reached only when the processor reports AVX2.
#include "gfx/PixelRows.h"

#ifdef MIREVAN_PIXEL_ROWS_X86
#include <immintrin.h>

#include "gfx/PixelRowsSimd.h"

namespace {

struct TAvx2 : TVectorLanes<TAvx2> {
  using T = __m256i;
  static constexpr size_t Pixels = 8;
  static T Load(const TsePixel* P) { return _mm256_loadu_si256(reinterpret_cast<const T*>(P)); }
  static void Store(TsePixel* P, T V) { _mm256_storeu_si256(reinterpret_cast<T*>(P), V); }
  // Past the caches, for an aligned vector of an image written whole and not read back soon;
  // Fence orders such stores before the image goes to anyone else.
  static void Stream(TsePixel* P, T V) { _mm256_stream_si256(reinterpret_cast<T*>(P), V); }
  static void Fence() { _mm_sfence(); }
  static bool Aligned(const TsePixel* P) { return reinterpret_cast<uintptr_t>(P) % sizeof(T) == 0; }
  // A hint only: an address outside the process's memory is ignored, not a fault.
  static void Prefetch(uintptr_t Address) {
    _mm_prefetch(reinterpret_cast<const char*>(Address), _MM_HINT_T0);
  }
  static T Zero() { return _mm256_setzero_si256(); }
  static T Set32(int V) { return _mm256_set1_epi32(V); }
  static T Set8(char V) { return _mm256_set1_epi8(V); }
  static T Set16(short V) { return _mm256_set1_epi16(V); }
  static T And(T A, T B) { return _mm256_and_si256(A, B); }
  static T Or(T A, T B) { return _mm256_or_si256(A, B); }
  static T AndNot(T Mask, T B) { return _mm256_andnot_si256(Mask, B); }
  static T Eq32(T A, T B) { return _mm256_cmpeq_epi32(A, B); }
  static T Srl32(T A, int N) { return _mm256_srli_epi32(A, N); }
  static T Sll32(T A, int N) { return _mm256_slli_epi32(A, N); }
  static T Srl16(T A, int N) { return _mm256_srli_epi16(A, N); }
  static T Sll16(T A, int N) { return _mm256_slli_epi16(A, N); }
  static T Add16(T A, T B) { return _mm256_add_epi16(A, B); }
  static T Sub16(T A, T B) { return _mm256_sub_epi16(A, B); }
  // (x * w + 128) >> 8 for bytes x and w in 16-bit lanes, as one rounding multiply: with the
  // weight held as w * 128, (x * w * 128 + 2^14) >> 15 is the same value exactly. Weights
  // are made by Weight (one for every lane) or WeightLanes (a byte in each 16-bit lane).
  static T Weight(uint8_t W) { return Set16(static_cast<short>(W * 128)); }
  static T WeightLanes(T Bytes) { return Sll16(Bytes, 7); }
  static T Scale(T Lanes, T Weight) { return _mm256_mulhrs_epi16(Lanes, Weight); }
  // Within each 128-bit half, as Pack16 packs back within each half.
  static T UnpackLo8(T A, T B) { return _mm256_unpacklo_epi8(A, B); }
  static T UnpackHi8(T A, T B) { return _mm256_unpackhi_epi8(A, B); }
  static T MinU8(T A, T B) { return _mm256_min_epu8(A, B); }
  static T MaxU8(T A, T B) { return _mm256_max_epu8(A, B); }
  static T SubSatU8(T A, T B) { return _mm256_subs_epu8(A, B); }
  static T Pack16(T A, T B) { return _mm256_packus_epi16(A, B); }
  static T Select(T Mask, T IfSet, T IfClear) { return _mm256_blendv_epi8(IfClear, IfSet, Mask); }
  // Each pixel's alpha in the four 16-bit lanes of its colour bytes, in the order the low and
  // the high unpack (within each 128-bit half) put the pixels.
  static T AlphaLanesLo(T Pixels) {
    const T Pick = _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, 3, -1,
                                    3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    return _mm256_shuffle_epi8(Pixels, Pick);
  }
  static T AlphaLanesHi(T Pixels) {
    const T Pick = _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1,
                                    11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    return _mm256_shuffle_epi8(Pixels, Pick);
  }
  // Eight bytes widened to the eight 32-bit lanes.
  static T WidenBytes(const uint8_t* P) {
    return _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(P)));
  }
  // Pixels 0, 2, 4 and 6 of A, then of B.
  static T Even(T A, T B) {
    const __m256 Halves = _mm256_shuffle_ps(_mm256_castsi256_ps(A), _mm256_castsi256_ps(B),
                                            _MM_SHUFFLE(2, 0, 2, 0)); // a0 a2 b0 b2 a4 a6 b4 b6
    return _mm256_permute4x64_epi64(_mm256_castps_si256(Halves), _MM_SHUFFLE(3, 1, 2, 0));
  }
  static bool AnySet(T Mask) { return _mm256_movemask_epi8(Mask) != 0; }
  static bool AllSet(T Mask) { return _mm256_movemask_epi8(Mask) == -1; }
};

} // namespace

const TPixelRowFunctions PixelRowsAvx2 = SimdPixelRows<TAvx2>("avx2");
#endif
