#include "bench/Streams.h"

// Kept out of line, in a file of their own, so that the loops stay as written wherever the
// benchmarks call them; built for AVX2 too where the processor has it, as the routines are.
#define MIREVAN_STREAM_LOOP __attribute__((target_clones("avx2", "default")))

MIREVAN_STREAM_LOOP void SourceOverTarget(TsePixel* Target, const TsePixel* Source, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Target[I] ^= Source[I];
}

MIREVAN_STREAM_LOOP void HalvedSourceOverTarget(TsePixel* Target, const TsePixel* Source,
                                                size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    Target[I] ^= Source[2 * I];
}

MIREVAN_STREAM_LOOP void FadeStreams(TsePixel* Work, TsePixel* New, const TsePixel* Old,
                                     size_t Count) {
  for (size_t I = 0; I < Count; ++I) {
    const TsePixel Pixel = New[I] | 0x80000000;
    New[I] = Pixel;
    Work[I] = Pixel ^ Old[I];
  }
}
