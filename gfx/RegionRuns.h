#pragma once
// The horizontal runs of a key-coloured picture's visible pixels: one rectangle per run,
// the pieces a window region is built from.

#include <vector>

#include "gfx/Bitmap.h"

// Runs of non-key pixels (red 127, green 0, blue 127, whatever the alpha), row by row from
// the top, each moved by (X, Y), appended to Runs after clearing it.
void ScanRegionRuns(const TseBitmap& Bitmap, int32_t X, int32_t Y, std::vector<TRect>& Runs);
