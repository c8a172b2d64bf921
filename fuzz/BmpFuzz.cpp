// Legacy skin records carry whole BMP file images: any bytes either decode into a surface
// the bytes could describe, or are refused with the one message.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gfx/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TseBitmap Bitmap;
  try {
    DecodeBmp(Data, Size, Bitmap);
  } catch (const Exception&) {
    return 0;
  }
  if (Bitmap.Empty() ||
      static_cast<size_t>(Bitmap.Width()) * Bitmap.Height() > (Size + 1) * 512 * 8)
    std::abort();
  for (int X = 0; X < Bitmap.Width(); ++X)
    if (Bitmap.GetPixel(X, 0) >> 24 != 255)
      std::abort(); // decoded pictures are opaque
  return 0;
}
