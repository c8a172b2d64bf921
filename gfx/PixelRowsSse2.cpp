#include "gfx/PixelRows.h"

#ifdef MIREVAN_PIXEL_ROWS_X86
#include <cstring>
#include <emmintrin.h>

#include "gfx/PixelRowsSimd.h"

namespace {

struct TSse2 : TVectorLanes<TSse2> {
  using T = __m128i;
  static constexpr size_t Pixels = 4;
  static T Load(const TsePixel* P) { return _mm_loadu_si128(reinterpret_cast<const T*>(P)); }
  static void Store(TsePixel* P, T V) { _mm_storeu_si128(reinterpret_cast<T*>(P), V); }
  // Past the caches, for an aligned vector of an image written whole and not read back soon;
  // Fence orders such stores before the image goes to anyone else.
  static void Stream(TsePixel* P, T V) { _mm_stream_si128(reinterpret_cast<T*>(P), V); }
  static void Fence() { _mm_sfence(); }
  static bool Aligned(const TsePixel* P) { return reinterpret_cast<uintptr_t>(P) % sizeof(T) == 0; }
  // A hint only: an address outside the process's memory is ignored, not a fault.
  static void Prefetch(uintptr_t Address) {
    _mm_prefetch(reinterpret_cast<const char*>(Address), _MM_HINT_T0);
  }
  static T Zero() { return _mm_setzero_si128(); }
  static T Set32(int V) { return _mm_set1_epi32(V); }
  static T Set8(char V) { return _mm_set1_epi8(V); }
  static T Set16(short V) { return _mm_set1_epi16(V); }
  static T And(T A, T B) { return _mm_and_si128(A, B); }
  static T Or(T A, T B) { return _mm_or_si128(A, B); }
  static T AndNot(T Mask, T B) { return _mm_andnot_si128(Mask, B); }
  static T Eq32(T A, T B) { return _mm_cmpeq_epi32(A, B); }
  static T Srl32(T A, int N) { return _mm_srli_epi32(A, N); }
  static T Sll32(T A, int N) { return _mm_slli_epi32(A, N); }
  static T Srl16(T A, int N) { return _mm_srli_epi16(A, N); }
  static T Add16(T A, T B) { return _mm_add_epi16(A, B); }
  static T Sub16(T A, T B) { return _mm_sub_epi16(A, B); }
  static T Mul16(T A, T B) { return _mm_mullo_epi16(A, B); }
  // (x * w + 128) >> 8 for bytes x and w in 16-bit lanes. Weights are made by Weight (one
  // for every lane) or WeightLanes (a byte in each 16-bit lane).
  static T Weight(uint8_t W) { return Set16(W); }
  static T WeightLanes(T Bytes) { return Bytes; }
  static T Scale(T Lanes, T Weight) { return Srl16(Add16(Mul16(Lanes, Weight), Set16(128)), 8); }
  static T UnpackLo8(T A, T B) { return _mm_unpacklo_epi8(A, B); }
  static T UnpackHi8(T A, T B) { return _mm_unpackhi_epi8(A, B); }
  static T MinU8(T A, T B) { return _mm_min_epu8(A, B); }
  static T MaxU8(T A, T B) { return _mm_max_epu8(A, B); }
  static T SubSatU8(T A, T B) { return _mm_subs_epu8(A, B); }
  static T Pack16(T A, T B) { return _mm_packus_epi16(A, B); }
  static T Select(T Mask, T IfSet, T IfClear) {
    return _mm_or_si128(_mm_and_si128(Mask, IfSet), _mm_andnot_si128(Mask, IfClear));
  }
  // Each pixel's alpha in the four 16-bit lanes of its colour bytes, for the pixels the
  // low and the high unpack take.
  static T AlphaLanes(T Pixels, bool High) {
    const T Alpha = _mm_srli_epi32(Pixels, 24);
    const T Spread = _mm_or_si128(Alpha, _mm_slli_epi32(Alpha, 16)); // a 0 a 0 per pixel
    const T Lanes = High ? _mm_unpackhi_epi32(Spread, Spread) : _mm_unpacklo_epi32(Spread, Spread);
    return Lanes;
  }
  static T AlphaLanesLo(T Pixels) { return AlphaLanes(Pixels, false); }
  static T AlphaLanesHi(T Pixels) { return AlphaLanes(Pixels, true); }
  // Four bytes widened to the four 32-bit lanes.
  static T WidenBytes(const uint8_t* P) {
    int Bytes;
    std::memcpy(&Bytes, P, 4);
    const T Zero = _mm_setzero_si128();
    return _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(Bytes), Zero), Zero);
  }
  // Pixels 0 and 2 of A, then of B.
  static T Even(T A, T B) {
    return _mm_castps_si128(
        _mm_shuffle_ps(_mm_castsi128_ps(A), _mm_castsi128_ps(B), _MM_SHUFFLE(2, 0, 2, 0)));
  }
  static bool AnySet(T Mask) { return _mm_movemask_epi8(Mask) != 0; }
  static bool AllSet(T Mask) { return _mm_movemask_epi8(Mask) == 0xFFFF; }
};

} // namespace

const TPixelRowFunctions PixelRowsSse2 = SimdPixelRows<TSse2>("sse2");
#endif
