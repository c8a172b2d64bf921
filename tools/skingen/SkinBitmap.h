#pragma once
// One bitmap of a skin as the art sets draw it and the compiler stores it.

#include <cstdint>
#include <string>
#include <vector>

namespace SkinGen {

struct SkinBitmap {
  std::string Name;
  int Width = 0, Height = 0;
  // Top row first, 4 bytes B,G,R,A per pixel, straight alpha. Pixels with alpha 0 are all
  // zero, and no pixel comes near the loader's transparent key colour RGB 127,0,127.
  std::vector<uint8_t> Bgra;
};

} // namespace SkinGen
