#include "tools/contactsheet/PngFile.h"

#include <cstdio>
#include <zlib.h>

namespace {

void Put32(std::vector<uint8_t>& Out, uint32_t Value) {
  for (int Shift = 24; Shift >= 0; Shift -= 8)
    Out.push_back(static_cast<uint8_t>(Value >> Shift));
}

void Chunk(std::vector<uint8_t>& Out, const char* Type, const std::vector<uint8_t>& Data) {
  Put32(Out, static_cast<uint32_t>(Data.size()));
  const size_t Start = Out.size();
  Out.insert(Out.end(), Type, Type + 4);
  Out.insert(Out.end(), Data.begin(), Data.end());
  Put32(Out,
        static_cast<uint32_t>(crc32(0, Out.data() + Start, static_cast<uInt>(Out.size() - Start))));
}

} // namespace

bool WritePng(const std::string& FileName, int Width, int Height,
              const std::vector<uint32_t>& Pixels) {
  std::vector<uint8_t> Raw;
  Raw.reserve(static_cast<size_t>(Height) * (Width * 3 + 1));
  for (int Y = 0; Y < Height; ++Y) {
    Raw.push_back(0); // no filter
    for (int X = 0; X < Width; ++X) {
      const uint32_t P = Pixels[static_cast<size_t>(Y) * Width + X];
      Raw.push_back(static_cast<uint8_t>(P >> 16));
      Raw.push_back(static_cast<uint8_t>(P >> 8));
      Raw.push_back(static_cast<uint8_t>(P));
    }
  }
  uLongf Size = compressBound(static_cast<uLong>(Raw.size()));
  std::vector<uint8_t> Packed(Size);
  if (compress2(Packed.data(), &Size, Raw.data(), static_cast<uLong>(Raw.size()), 9) != Z_OK)
    return false;
  Packed.resize(Size);

  std::vector<uint8_t> File = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> Header;
  Put32(Header, static_cast<uint32_t>(Width));
  Put32(Header, static_cast<uint32_t>(Height));
  Header.insert(Header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
  Chunk(File, "IHDR", Header);
  Chunk(File, "IDAT", Packed);
  Chunk(File, "IEND", {});
  FILE* Out = std::fopen(FileName.c_str(), "wb");
  if (!Out)
    return false;
  const bool Written = std::fwrite(File.data(), 1, File.size(), Out) == File.size();
  return std::fclose(Out) == 0 && Written;
}
