#pragma once
// Encoders for the Windows picture formats the program ships: 24-bit bitmaps, and icons and
// cursors holding 32-bit images with an alpha channel.

#include <cstdint>
#include <string>
#include <vector>

namespace ArtGen {

// One image of an icon or cursor: Width*Height pixels, top row first, B,G,R,A with straight
// alpha.
struct IconImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Bgra;
};

// A bottom-up, uncompressed 24-bit .bmp file from pixels given top row first as B,G,R.
std::vector<uint8_t> EncodeBmp24(int Width, int Height, const std::vector<uint8_t>& Bgr);

// An .ico file holding each image in turn. The AND mask marks fully transparent pixels.
std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& Images);

// A .cur file holding one image whose hotspot is pixel (HotX, HotY) counted from the top left.
std::vector<uint8_t> EncodeCursor(const IconImage& Image, int HotX, int HotY);

// Writes Bytes to Path, replacing any existing file. Throws std::runtime_error naming the
// path and the reason when the file cannot be written completely.
void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes);

} // namespace ArtGen
