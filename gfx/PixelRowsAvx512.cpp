// Built with AVX-512 (F, BW and DQ) enabled; reached only when the processor reports them and
// the system saves their registers.
#include "gfx/PixelRows.h"

#ifdef MIREVAN_PIXEL_ROWS_X86
#if defined(__GNUC__) && !defined(__clang__)
// GCC 12's AVX-512 header starts some vectors from an undefined one on purpose, and warns of
// it wherever they are inlined (GCC bug 105593).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

#include "gfx/PixelRowsSimd.h"

namespace {

// Masks are whole vectors, as in the narrower forms (a compare's bits are spread to its lanes,
// and a selection is one bitwise ternary operation), except the lane masks, which stay in
// mask registers.
struct TAvx512 {
  using T = __m512i;
  static constexpr size_t Pixels = 16;
  static T Load(const TsePixel* P) { return _mm512_loadu_si512(P); }
  static void Store(TsePixel* P, T V) { _mm512_storeu_si512(P, V); }
  // Past the caches, for an aligned vector of an image written whole and not read back soon;
  // Fence orders such stores before the image goes to anyone else.
  static void Stream(TsePixel* P, T V) { _mm512_stream_si512(reinterpret_cast<T*>(P), V); }
  static void Fence() { _mm_sfence(); }
  static bool Aligned(const TsePixel* P) { return reinterpret_cast<uintptr_t>(P) % sizeof(T) == 0; }
  // A hint only: an address outside the process's memory is ignored, not a fault.
  static void Prefetch(uintptr_t Address) {
    _mm_prefetch(reinterpret_cast<const char*>(Address), _MM_HINT_T0);
  }
  static T Zero() { return _mm512_setzero_si512(); }
  static T Set32(int V) { return _mm512_set1_epi32(V); }
  static T Set8(char V) { return _mm512_set1_epi8(V); }
  static T Set16(short V) { return _mm512_set1_epi16(V); }
  static T And(T A, T B) { return _mm512_and_si512(A, B); }
  static T Or(T A, T B) { return _mm512_or_si512(A, B); }
  static T AndNot(T Mask, T B) { return _mm512_andnot_si512(Mask, B); }
  static T Eq32(T A, T B) { return _mm512_movm_epi32(_mm512_cmpeq_epi32_mask(A, B)); }
  static T Srl32(T A, int N) { return _mm512_srli_epi32(A, static_cast<unsigned>(N)); }
  static T Sll32(T A, int N) { return _mm512_slli_epi32(A, static_cast<unsigned>(N)); }
  static T Srl16(T A, int N) { return _mm512_srli_epi16(A, static_cast<unsigned>(N)); }
  static T Sll16(T A, int N) { return _mm512_slli_epi16(A, static_cast<unsigned>(N)); }
  static T Add16(T A, T B) { return _mm512_add_epi16(A, B); }
  static T Sub16(T A, T B) { return _mm512_sub_epi16(A, B); }
  // The rounding multiply of the AVX2 form: (x * w * 128 + 2^14) >> 15 = (x * w + 128) >> 8.
  static T Weight(uint8_t W) { return Set16(static_cast<short>(W * 128)); }
  static T WeightLanes(T Bytes) { return Sll16(Bytes, 7); }
  static T Scale(T Lanes, T Weight) { return _mm512_mulhrs_epi16(Lanes, Weight); }
  // Within each 128-bit quarter, as Pack16 packs back within each quarter.
  static T UnpackLo8(T A, T B) { return _mm512_unpacklo_epi8(A, B); }
  static T UnpackHi8(T A, T B) { return _mm512_unpackhi_epi8(A, B); }
  static T MinU8(T A, T B) { return _mm512_min_epu8(A, B); }
  static T MaxU8(T A, T B) { return _mm512_max_epu8(A, B); }
  static T SubSatU8(T A, T B) { return _mm512_subs_epu8(A, B); }
  static T Pack16(T A, T B) { return _mm512_packus_epi16(A, B); }
  // (Mask & IfSet) | (~Mask & IfClear), bit by bit.
  static T Select(T Mask, T IfSet, T IfClear) {
    return _mm512_ternarylogic_epi32(Mask, IfSet, IfClear, 0xCA);
  }
  // Each pixel's alpha in the four 16-bit lanes of its colour bytes, in the order the low and
  // the high unpack (within each 128-bit quarter) put the pixels.
  static T AlphaLanesLo(T Pixels) {
    const __m128i Pick = _mm_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    return _mm512_shuffle_epi8(Pixels, _mm512_broadcast_i32x4(Pick));
  }
  static T AlphaLanesHi(T Pixels) {
    const __m128i Pick =
        _mm_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    return _mm512_shuffle_epi8(Pixels, _mm512_broadcast_i32x4(Pick));
  }
  // Sixteen bytes widened to the sixteen 32-bit lanes.
  static T WidenBytes(const uint8_t* P) {
    return _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(P)));
  }
  // Pixels 0, 2, ... 14 of A, then of B.
  static T Even(T A, T B) {
    const T Pick = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
    return _mm512_permutex2var_epi32(A, Pick, B);
  }
  // The first Count pixels (fewer than 16) of a vector; loads leave the other lanes 0 and do
  // not touch their memory.
  static constexpr bool MaskedParts = true;
  static __mmask16 PartLanes(size_t Count) { return static_cast<__mmask16>((1u << Count) - 1); }
  static T LoadPart(const TsePixel* P, size_t Count) {
    return _mm512_maskz_loadu_epi32(PartLanes(Count), P);
  }
  static void StorePart(TsePixel* P, size_t Count, T V) {
    _mm512_mask_storeu_epi32(P, PartLanes(Count), V);
  }
  // Lane masks in a mask register: one bit per 32-bit lane.
  static __mmask16 NoLanes() { return 0; }
  static __mmask16 ZeroIn(T A, T Bits) { return _mm512_testn_epi32_mask(A, Bits); }
  static __mmask16 EqLanes(T A, T B) { return _mm512_cmpeq_epi32_mask(A, B); }
  static __mmask16 OrLanes(__mmask16 A, __mmask16 B) { return A | B; }
  static __mmask16 AndNotLanes(__mmask16 A, __mmask16 B) { return static_cast<__mmask16>(~A & B); }
  static bool AnyLane(__mmask16 Lanes) { return Lanes != 0; }
  static bool AllLanes(__mmask16 Lanes) { return Lanes == 0xFFFF; }
  static T SelectLanes(__mmask16 Lanes, T IfSet, T IfClear) {
    return _mm512_mask_blend_epi32(Lanes, IfClear, IfSet);
  }
  static void StoreLanes(TsePixel* P, __mmask16 Lanes, T Value) {
    _mm512_mask_storeu_epi32(P, Lanes, Value);
  }
  static bool AnySet(T Mask) { return _mm512_test_epi32_mask(Mask, Mask) != 0; }
  static bool AllSet(T Mask) { return _mm512_movepi8_mask(Mask) == ~__mmask64{0}; }
};

} // namespace

const TPixelRowFunctions PixelRowsAvx512 = SimdPixelRows<TAvx512>("avx512");
#endif
