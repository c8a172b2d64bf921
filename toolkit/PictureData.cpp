// Pictures in stored layouts: a bitmap as the bytes of a BMP file, and a picture's "Data" as
// its graphic's class name followed by that graphic's bytes.

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/GdiGuards.h"
#include "toolkit/Graphics.h"
#include "toolkit/PropertyValues.h"
#include "toolkit/Published.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr LONG PixelsPerMetre = 2835;

[[noreturn]] void InvalidBitmap() { throw EInvalidGraphic("Bitmap image is not valid"); }

constexpr int FileHeaderSize = 14;

// Bytes of one row of a DIB: whole 32-bit words.
int64_t RowBytes(int64_t Width, int Bits) { return (Width * Bits + 31) / 32 * 4; }

// Depths kept as they are; others are stored as 32 bits.
int StoredDepth(HBITMAP Bitmap) {
  DIBSECTION Section{};
  if (GetObjectW(Bitmap, sizeof Section, &Section) == sizeof Section) {
    const int Bits = Section.dsBmih.biBitCount;
    if (Bits == 1 || Bits == 4 || Bits == 8 || Bits == 24 || Bits == 32)
      return Bits;
  }
  return 32;
}

bool HasPictureData(const TPicture& Picture) {
  const TBitmap* Bitmap = Picture.BitmapOrNull();
  return Bitmap && !Bitmap->Empty();
}

// A bitmap's bytes: their count, then the BMP file.
bool HasBitmapData(const TBitmap& Bitmap) { return !Bitmap.Empty(); }

void WriteBitmapData(const TBitmap& Bitmap, TStream& Stream) {
  TMemoryStream Bytes;
  Bitmap.SaveToStream(Bytes);
  Stream.WriteInt32(static_cast<int32_t>(Bytes.Size()));
  Stream.WriteBuffer(Bytes.Bytes().data(), Bytes.Size());
}

void ReadBitmapData(TBitmap& Bitmap, TStream& Stream) {
  const int32_t Size = Stream.ReadInt32();
  if (Size < 0 || Size > Stream.Remaining())
    throw EReadError();
  if (Size == 0) {
    Bitmap.Clear();
    return;
  }
  TStreamWindow Bytes(Stream, Size);
  Bitmap.LoadFromStream(Bytes);
  Bytes.SkipToEnd();
}

void WritePictureData(const TPicture& Picture, TStream& Stream) {
  WriteShortStr(Stream, Picture.BitmapOrNull()->ClassName());
  WriteBitmapData(*Picture.BitmapOrNull(), Stream);
}

void ReadPictureData(TPicture& Picture, TStream& Stream) {
  uint8_t Length = 0;
  Stream.ReadBuffer(&Length, 1);
  std::string ClassName(Length, '\0');
  Stream.ReadBuffer(ClassName.data(), Length);
  if (!SameText(ClassName, "TBitmap"))
    throw EReadError("Picture class " + ClassName + " not supported");
  auto Bitmap = std::make_unique<TBitmap>();
  ReadBitmapData(*Bitmap, Stream);
  Picture.SetGraphic(std::move(Bitmap));
}

} // namespace

void TBitmap::SaveToStream(TStream& Stream) const {
  if (Empty())
    return;
  const int Bits = StoredDepth(Handle());
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
  } Info{};
  Info.Header.biSize = sizeof(BITMAPINFOHEADER);
  Info.Header.biWidth = FWidth;
  Info.Header.biHeight = FHeight;
  Info.Header.biPlanes = 1;
  Info.Header.biBitCount = static_cast<WORD>(Bits);
  Info.Header.biCompression = BI_RGB;
  std::vector<uint8_t> Pixels(static_cast<size_t>(RowBytes(FWidth, Bits) * FHeight));
  const TScreenScratchDC Screen;
  const int Lines = GetDIBits(Screen.DC(), Handle(), 0, FHeight, Pixels.data(),
                              reinterpret_cast<BITMAPINFO*>(&Info), DIB_RGB_COLORS);
  if (Lines != FHeight)
    InvalidBitmap();
  const DWORD Colors = Bits <= 8 ? (1u << Bits) : 0;
  Info.Header.biClrUsed = 0;
  Info.Header.biSizeImage = static_cast<DWORD>(Pixels.size());
  // 72 dots per inch, as bitmap files usually say (GetDIBits leaves it 0).
  Info.Header.biXPelsPerMeter = Info.Header.biYPelsPerMeter = PixelsPerMetre;
  const DWORD Offset = FileHeaderSize + sizeof(BITMAPINFOHEADER) + Colors * sizeof(RGBQUAD);
  BITMAPFILEHEADER File{};
  File.bfType = 0x4D42; // "BM"
  File.bfSize = Offset + static_cast<DWORD>(Pixels.size());
  File.bfOffBits = Offset;
  static_assert(sizeof File == FileHeaderSize);
  Stream.WriteBuffer(&File, sizeof File);
  Stream.WriteBuffer(&Info.Header, sizeof Info.Header);
  Stream.WriteBuffer(Info.Colors, Colors * sizeof(RGBQUAD));
  Stream.WriteBuffer(Pixels.data(), static_cast<int64_t>(Pixels.size()));
}

void TBitmap::LoadFromStream(TStream& Stream) {
  const int64_t Size = Stream.Remaining();
  if (Size < FileHeaderSize + static_cast<int64_t>(sizeof(BITMAPINFOHEADER)))
    InvalidBitmap();
  std::vector<uint8_t> Bytes(static_cast<size_t>(Size));
  Stream.ReadBuffer(Bytes.data(), Size);
  BITMAPFILEHEADER File;
  std::memcpy(&File, Bytes.data(), sizeof File);
  BITMAPINFOHEADER Header;
  std::memcpy(&Header, Bytes.data() + FileHeaderSize, sizeof Header);
  // Only uncompressed (or bit-field) pictures with an information header of the usual kind.
  if (File.bfType != 0x4D42 || Header.biSize < sizeof Header ||
      FileHeaderSize + static_cast<int64_t>(Header.biSize) > File.bfOffBits ||
      File.bfOffBits > Size || Header.biWidth <= 0 || Header.biHeight == 0 ||
      Header.biPlanes != 1 ||
      (Header.biCompression != BI_RGB && Header.biCompression != BI_BITFIELDS))
    InvalidBitmap();
  const int Bits = Header.biBitCount;
  if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 16 && Bits != 24 && Bits != 32)
    InvalidBitmap();
  const int64_t Height = Header.biHeight < 0 ? -int64_t{Header.biHeight} : Header.biHeight;
  const int64_t PixelBytes = RowBytes(Header.biWidth, Bits) * Height;
  if (PixelBytes > Size - File.bfOffBits)
    InvalidBitmap();
  // The header and colour table, with room for a full table whatever the file holds.
  std::vector<uint8_t> Info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD) + 3 * sizeof(DWORD));
  Info.resize(std::max(Info.size(), static_cast<size_t>(File.bfOffBits - FileHeaderSize)));
  std::copy(Bytes.begin() + FileHeaderSize, Bytes.begin() + File.bfOffBits, Info.begin());
  void* Pixels = nullptr;
  TGdiOwner<HBITMAP> Bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(Info.data()),
                                             DIB_RGB_COLORS, &Pixels, nullptr, 0));
  if (!Bitmap || !Pixels)
    InvalidBitmap();
  std::memcpy(Pixels, Bytes.data() + File.bfOffBits, static_cast<size_t>(PixelBytes));
  GdiFlush();
  Adopt(Bitmap.release());
}

const TPropTable& TBitmap::Properties() {
  static const TPropTable Table(
      nullptr, {BinaryProp<TBitmap>("Data", &HasBitmapData, &WriteBitmapData, &ReadBitmapData)});
  return Table;
}

const TPropTable& TPicture::Properties() {
  static const TPropTable Table(
      nullptr,
      {BinaryProp<TPicture>("Data", &HasPictureData, &WritePictureData, &ReadPictureData)});
  return Table;
}
