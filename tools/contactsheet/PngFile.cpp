#include "tools/contactsheet/PngFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
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

bool ReadPng(const std::string& FileName, int& Width, int& Height, std::vector<uint32_t>& Pixels) {
  std::ifstream In(FileName, std::ios::binary);
  const std::vector<uint8_t> File{std::istreambuf_iterator<char>(In),
                                  std::istreambuf_iterator<char>()};
  const auto Get32 = [&File](size_t At) {
    return static_cast<uint32_t>(File[At]) << 24 | File[At + 1] << 16 | File[At + 2] << 8 |
           File[At + 3];
  };
  if (File.size() < 8 + 25 || File[1] != 'P' || File[2] != 'N' || File[3] != 'G')
    return false;
  std::vector<uint8_t> Packed;
  size_t At = 8;
  bool HeaderSeen = false;
  while (At + 12 <= File.size()) {
    const uint32_t Length = Get32(At);
    const std::string Type(File.begin() + static_cast<long>(At) + 4,
                           File.begin() + static_cast<long>(At) + 8);
    if (Length > File.size() - At - 12)
      return false;
    const uint8_t* Data = File.data() + At + 8;
    if (Type == "IHDR") {
      if (Length != 13 || Data[8] != 8 || Data[9] != 2 || Data[12] != 0)
        return false;
      Width = static_cast<int>(Get32(At + 8));
      Height = static_cast<int>(Get32(At + 12));
      HeaderSeen = Width > 0 && Height > 0 && Width < 65536 && Height < 65536;
    } else if (Type == "IDAT") {
      Packed.insert(Packed.end(), Data, Data + Length);
    }
    At += 12 + Length;
  }
  if (!HeaderSeen)
    return false;
  const size_t Row = static_cast<size_t>(Width) * 3 + 1;
  std::vector<uint8_t> Raw(Row * static_cast<size_t>(Height));
  uLongf Size = static_cast<uLongf>(Raw.size());
  if (uncompress(Raw.data(), &Size, Packed.data(), static_cast<uLong>(Packed.size())) != Z_OK ||
      Size != Raw.size())
    return false;
  Pixels.assign(static_cast<size_t>(Width) * Height, 0);
  for (int Y = 0; Y < Height; ++Y) {
    const uint8_t* Line = Raw.data() + Row * static_cast<size_t>(Y);
    if (Line[0] != 0)
      return false;
    for (int X = 0; X < Width; ++X)
      Pixels[static_cast<size_t>(Y) * Width + X] =
          static_cast<uint32_t>(Line[1 + X * 3]) << 16 | Line[2 + X * 3] << 8 | Line[3 + X * 3];
  }
  return true;
}
