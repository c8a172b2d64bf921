#include "skin/Adler32.h"

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define MIREVAN_ADLER_SSE2 1
#endif

namespace {

constexpr uint64_t Base = 65521;
// The most bytes after which the sums, taken modulo Base before, still fit 32 bits.
constexpr size_t Block = 5552;

#ifdef MIREVAN_ADLER_SSE2
uint64_t Lanes(__m128i V) {
  alignas(16) uint32_t L[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(L), V);
  return uint64_t{L[0]} + L[1] + L[2] + L[3];
}

// Sixteen bytes at a time over Size (a multiple of 16, at most Block) bytes. Byte j of a group
// is added to B once for every byte after it in the group and once for itself (16 - j times),
// and each group's sum once more for every later group, 16 times each.
void Groups(uint64_t& A, uint64_t& B, const uint8_t* Data, size_t Size) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i FirstWeights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
  const __m128i LastWeights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
  __m128i Sums = Zero;     // the bytes so far
  __m128i Earlier = Zero;  // the sums before each group, added up
  __m128i Weighted = Zero; // the bytes by their weight within their group
  for (size_t At = 0; At < Size; At += 16) {
    const __m128i Bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Data + At));
    Earlier = _mm_add_epi32(Earlier, Sums);
    Sums = _mm_add_epi32(Sums, _mm_sad_epu8(Bytes, Zero));
    Weighted = _mm_add_epi32(
        Weighted, _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(Bytes, Zero), FirstWeights),
                                _mm_madd_epi16(_mm_unpackhi_epi8(Bytes, Zero), LastWeights)));
  }
  B += A * Size + 16 * Lanes(Earlier) + Lanes(Weighted);
  A += Lanes(Sums);
}
#endif

} // namespace

uint32_t Adler32(uint32_t Adler, const uint8_t* Data, size_t Size) {
  uint64_t A = Adler & 0xFFFF;
  uint64_t B = Adler >> 16;
  while (Size > 0) {
    size_t Count = std::min(Size, Block);
    Size -= Count;
#ifdef MIREVAN_ADLER_SSE2
    const size_t Grouped = Count & ~size_t{15};
    Groups(A, B, Data, Grouped);
    Data += Grouped;
    Count -= Grouped;
#endif
    for (; Count > 0; --Count) {
      A += *Data++;
      B += A;
    }
    A %= Base;
    B %= Base;
  }
  return static_cast<uint32_t>(B << 16 | A);
}
