#include "ImageFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace ArtGen {

namespace {

constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t DirectoryHeaderSize = 6;
constexpr uint32_t DirectoryEntrySize = 16;
// 72 dots per inch.
constexpr uint32_t PixelsPerMetre = 2835;

void Put16(std::vector<uint8_t>& Out, uint32_t Value) {
  Out.push_back(static_cast<uint8_t>(Value));
  Out.push_back(static_cast<uint8_t>(Value >> 8));
}

void Put32(std::vector<uint8_t>& Out, uint32_t Value) {
  Put16(Out, Value & 0xFFFF);
  Put16(Out, Value >> 16);
}

uint32_t RowStride(uint32_t Bits) { return (Bits + 31) / 32 * 4; }

void PutInfoHeader(std::vector<uint8_t>& Out, int Width, int StoredHeight, int BitCount,
                   uint32_t ImageSize, uint32_t Resolution) {
  Put32(Out, InfoHeaderSize);
  Put32(Out, static_cast<uint32_t>(Width));
  Put32(Out, static_cast<uint32_t>(StoredHeight));
  Put16(Out, 1); // planes
  Put16(Out, static_cast<uint32_t>(BitCount));
  Put32(Out, 0); // uncompressed
  Put32(Out, ImageSize);
  Put32(Out, Resolution);
  Put32(Out, Resolution);
  Put32(Out, 0); // colours used
  Put32(Out, 0); // important colours
}

void CheckImage(const IconImage& Image) {
  if (Image.Width < 1 || Image.Width > 256 || Image.Height < 1 || Image.Height > 256)
    throw std::invalid_argument("icon images must be 1 to 256 pixels on a side");
  if (Image.Bgra.size() != static_cast<size_t>(Image.Width) * Image.Height * 4)
    throw std::invalid_argument("icon image pixel count does not match its size");
}

// The image as stored in an icon or cursor resource: header, colour rows, then mask rows.
std::vector<uint8_t> EncodeIconImage(const IconImage& Image) {
  CheckImage(Image);
  const uint32_t W = static_cast<uint32_t>(Image.Width), H = static_cast<uint32_t>(Image.Height);
  const uint32_t MaskStride = RowStride(W);
  std::vector<uint8_t> Out;
  PutInfoHeader(Out, Image.Width, Image.Height * 2, 32, (W * 4 + MaskStride) * H, 0);
  for (uint32_t Row = H; Row-- > 0;) {
    const uint8_t* Source = &Image.Bgra[Row * W * 4];
    Out.insert(Out.end(), Source, Source + W * 4);
  }
  for (uint32_t Row = H; Row-- > 0;) {
    std::vector<uint8_t> Mask(MaskStride, 0);
    for (uint32_t X = 0; X < W; ++X)
      if (Image.Bgra[(Row * W + X) * 4 + 3] == 0)
        Mask[X / 8] |= static_cast<uint8_t>(0x80 >> (X % 8));
    Out.insert(Out.end(), Mask.begin(), Mask.end());
  }
  return Out;
}

// Directory plus images. For icons the two per-entry fields hold planes and bit count; for
// cursors they hold the hotspot.
std::vector<uint8_t> EncodeResourceFile(uint16_t Type, const std::vector<IconImage>& Images,
                                        uint16_t FieldA, uint16_t FieldB) {
  if (Images.empty() || Images.size() > 0xFFFF)
    throw std::invalid_argument("an icon file needs at least one image");
  std::vector<uint8_t> Out;
  Put16(Out, 0);
  Put16(Out, Type);
  Put16(Out, static_cast<uint32_t>(Images.size()));
  std::vector<std::vector<uint8_t>> Encoded;
  for (const IconImage& Image : Images)
    Encoded.push_back(EncodeIconImage(Image));
  uint32_t Offset = DirectoryHeaderSize + DirectoryEntrySize * static_cast<uint32_t>(Images.size());
  for (size_t I = 0; I < Images.size(); ++I) {
    // 256 is stored as 0.
    Out.push_back(static_cast<uint8_t>(Images[I].Width & 0xFF));
    Out.push_back(static_cast<uint8_t>(Images[I].Height & 0xFF));
    Out.push_back(0); // no palette
    Out.push_back(0);
    Put16(Out, FieldA);
    Put16(Out, FieldB);
    Put32(Out, static_cast<uint32_t>(Encoded[I].size()));
    Put32(Out, Offset);
    Offset += static_cast<uint32_t>(Encoded[I].size());
  }
  for (const auto& Bytes : Encoded)
    Out.insert(Out.end(), Bytes.begin(), Bytes.end());
  return Out;
}

} // namespace

std::vector<uint8_t> EncodeBmp24(int Width, int Height, const std::vector<uint8_t>& Bgr) {
  if (Width < 1 || Height < 1)
    throw std::invalid_argument("bitmap size must be positive");
  const uint32_t W = static_cast<uint32_t>(Width), H = static_cast<uint32_t>(Height);
  if (Bgr.size() != static_cast<size_t>(W) * H * 3)
    throw std::invalid_argument("bitmap pixel count does not match its size");
  const uint32_t Stride = RowStride(W * 24);
  const uint32_t ImageSize = Stride * H;
  std::vector<uint8_t> Out;
  Out.reserve(FileHeaderSize + InfoHeaderSize + ImageSize);
  Out.push_back('B');
  Out.push_back('M');
  Put32(Out, FileHeaderSize + InfoHeaderSize + ImageSize);
  Put32(Out, 0); // reserved
  Put32(Out, FileHeaderSize + InfoHeaderSize);
  PutInfoHeader(Out, Width, Height, 24, ImageSize, PixelsPerMetre);
  for (uint32_t Row = H; Row-- > 0;) {
    const uint8_t* Source = &Bgr[Row * W * 3];
    Out.insert(Out.end(), Source, Source + W * 3);
    Out.insert(Out.end(), Stride - W * 3, 0);
  }
  return Out;
}

std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& Images) {
  return EncodeResourceFile(1, Images, 1, 32);
}

std::vector<uint8_t> EncodeCursor(const IconImage& Image, int HotX, int HotY) {
  if (HotX < 0 || HotY < 0 || HotX >= Image.Width || HotY >= Image.Height)
    throw std::invalid_argument("cursor hotspot lies outside the image");
  return EncodeResourceFile(2, {Image}, static_cast<uint16_t>(HotX), static_cast<uint16_t>(HotY));
}

void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes) {
  std::FILE* File = std::fopen(Path.c_str(), "wb");
  if (!File)
    throw std::runtime_error("cannot create '" + Path + "': " + std::strerror(errno));
  const size_t Written = std::fwrite(Bytes.data(), 1, Bytes.size(), File);
  const int WriteError = Written == Bytes.size() ? 0 : errno;
  const bool Closed = std::fclose(File) == 0;
  if (Written != Bytes.size() || !Closed) {
    const int Error = WriteError ? WriteError : errno;
    throw std::runtime_error("cannot write '" + Path +
                             "': " + (Error ? std::strerror(Error) : "incomplete write"));
  }
}

} // namespace ArtGen
