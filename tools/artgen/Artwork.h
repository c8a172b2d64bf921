#pragma once
// Every picture the program ships, drawn and encoded ready to be written out.

#include <cstdint>
#include <string>
#include <vector>

namespace ArtGen {

struct ArtFile {
  std::string Name;
  std::vector<uint8_t> Bytes;
};

// Drag-cursor hotspot, in pixels from the top left of its 32x32 image.
constexpr int CursorHotX = 16;
constexpr int CursorHotY = 16;

// The icon, the drag cursor and the dialog pictures, in a fixed order.
std::vector<ArtFile> BuildArtwork();

} // namespace ArtGen
