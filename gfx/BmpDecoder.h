#pragma once
// Windows BMP file images decoded into a surface, without the platform: 1, 4 and 8 bits with
// a palette (8 and 4 also run-length encoded), 24 bits, and 32 bits (plain or with bit masks).
// Every size is checked against the bytes there are before anything is allocated.

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"

// Decodes Size bytes at Data into Bitmap: its size, and opaque pixels. Raises Exception
// "Bitmap image is not valid" for anything else, leaving Bitmap as it was.
void DecodeBmp(const uint8_t* Data, size_t Size, TseBitmap& Bitmap);
