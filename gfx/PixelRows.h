#pragma once
// Whole-row pixel loops, in a portable form and in SSE2, AVX2 and AVX-512 forms that give the same
// bits; the fastest form the processor runs is chosen once.

#include <cstddef>
#include <cstdint>

#include "gfx/Pixels.h"

struct TPixelRowFunctions {
  const char* Name;
  // Out[i] = Top over Bottom: Top's alpha 0 gives Bottom, 255 gives Top, else BlendPixel.
  void (*BlendRows)(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom, size_t Count);
  // Dest[i] = Source[i] unless the source pixel is key-coloured.
  void (*KeyRow)(TsePixel* Dest, const TsePixel* Source, size_t Count);
  // Dest[i] = BlendPixel(Pixel, Dest[i]).
  void (*BlendFillRow)(TsePixel* Dest, TsePixel Pixel, size_t Count);
  // Whether some pixel's alpha is neither 0 nor 255.
  bool (*HasPartialAlpha)(const TsePixel* Pixels, size_t Count);
  // Pixels whose red, green and blue each lie within 5 of Key's become KeyColor; true when
  // there was one.
  bool (*SnapKeyRow)(TsePixel* Pixels, size_t Count, TsePixel Key);
  // Pixels[i] takes Alpha[i] as its alpha byte, or 0 when it is key-coloured.
  void (*MaskAlphaRow)(TsePixel* Pixels, const uint8_t* Alpha, size_t Count);
  // MaskAlphaRow on Top, then Out[i] = Top over Bottom as BlendRows, in one pass.
  void (*MaskBlendRow)(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom, const uint8_t* Alpha,
                       size_t Count);
  // MaskBlendRow with every Alpha[i] equal to Alpha: the frames of a plain fade.
  void (*FadeBlendRow)(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom, uint8_t Alpha,
                       size_t Count);
  // Out[i] = Source[2 i]: a row shrunk to half its width.
  void (*GatherEven)(TsePixel* Out, const TsePixel* Source, size_t Count);
  // Out[i] = Top[2 i] over Bottom[i], as BlendRows.
  void (*BlendEvenRows)(TsePixel* Out, const TsePixel* Top, const TsePixel* Bottom, size_t Count);
};

extern const TPixelRowFunctions PixelRowsPortable;
#if defined(__x86_64__) || defined(__i386__)
#define MIREVAN_PIXEL_ROWS_X86 1
extern const TPixelRowFunctions PixelRowsSse2;
extern const TPixelRowFunctions PixelRowsAvx2;
extern const TPixelRowFunctions PixelRowsAvx512;
#endif

// Every form this processor can run, portable first.
const TPixelRowFunctions* const* AvailablePixelRows(size_t& Count);
// The form in use: the last of the available ones.
const TPixelRowFunctions& PixelRows();

// The portable loops the vector forms finish their rows with.
void PixelRowsPortableMaskAlpha(TsePixel* Pixels, const uint8_t* Alpha, size_t Count);
void PixelRowsPortableMaskBlend(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom,
                                const uint8_t* Alpha, size_t Count);
void PixelRowsPortableFadeBlend(TsePixel* Out, TsePixel* Top, const TsePixel* Bottom, uint8_t Alpha,
                                size_t Count);
void PixelRowsPortableGatherEven(TsePixel* Out, const TsePixel* Source, size_t Count);
// The portable key snapping, for the pixels after the last whole vector.
bool PixelRowsPortableSnap(TsePixel* Pixels, size_t Count, TsePixel Key);

// Plain loops every form shares.
void SetAlphaRow(TsePixel* Pixels, uint8_t Alpha, size_t Count);
void FillRow(TsePixel* Pixels, TsePixel Pixel, size_t Count);
