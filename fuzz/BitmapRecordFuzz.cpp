// A surface record comes from a skin file: whatever it holds, loading either succeeds with
// a surface that matches the record, or raises a stream error; it never crashes, reads past
// the bytes or allocates more than they could describe.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "gfx/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream Stream(std::vector<uint8_t>(Data, Data + Size));
  TseBitmap Bitmap;
  try {
    Bitmap.LoadFromStream(Stream);
  } catch (const EStreamError&) {
    return 0;
  }
  if (!Bitmap.Empty() &&
      static_cast<size_t>(Bitmap.Width()) * static_cast<size_t>(Bitmap.Height()) * 4 > Size)
    std::abort();
  // What loaded saves back to the bytes it came from (key snapping aside).
  TMemoryStream Saved;
  Bitmap.SaveToStream(Saved);
  if (!Bitmap.Transparent && !Bitmap.Empty() &&
      (Saved.Bytes().size() > Size ||
       !std::equal(Saved.Bytes().begin(), Saved.Bytes().end(), Data)))
    std::abort();
  return 0;
}
