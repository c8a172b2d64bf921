#pragma once
// The memory floors of the pixel routines: the least a routine can do that reads and writes
// the same bytes, one cheap operation per pixel and nothing to decide. Measured beside the
// routine and its reference in the same run, a floor shows how much of a ratio is the memory
// the routine must move rather than the work it does on it.

#include <cstddef>

#include "gfx/Pixels.h"

// A colour-key draw's streams: the source read, the target read and written.
void SourceOverTarget(TsePixel* Target, const TsePixel* Source, size_t Count);

// An exact halving's: a source row twice as wide read, the target row read and written.
void HalvedSourceOverTarget(TsePixel* Target, const TsePixel* Source, size_t Count);

// A fade frame's: the new image read and written (its alpha), the old one read, the work
// image written past the caches.
void FadeStreams(TsePixel* Work, TsePixel* New, const TsePixel* Old, size_t Count);
