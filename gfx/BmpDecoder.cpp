#include "gfx/BmpDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

[[noreturn]] void Invalid() { throw Exception("Bitmap image is not valid"); }

// Little-endian reads that never pass the end.
class TBytes {
public:
  TBytes(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  size_t Size() const { return FSize; }
  uint32_t U32(size_t At) const {
    Need(At, 4);
    return FData[At] | FData[At + 1] << 8 | FData[At + 2] << 16 |
           static_cast<uint32_t>(FData[At + 3]) << 24;
  }
  uint16_t U16(size_t At) const {
    Need(At, 2);
    return static_cast<uint16_t>(FData[At] | FData[At + 1] << 8);
  }
  uint8_t U8(size_t At) const {
    Need(At, 1);
    return FData[At];
  }
  void Need(size_t At, size_t Count) const {
    if (At > FSize || Count > FSize - At)
      Invalid();
  }

private:
  const uint8_t* FData;
  size_t FSize;
};

struct THeader {
  int32_t Width = 0, Height = 0; // height as stored: negative for top-down rows
  uint16_t BitCount = 0;
  uint32_t Compression = 0;
  size_t PaletteAt = 0, PaletteEntry = 4, PaletteCount = 0, BitsAt = 0;
  uint32_t Masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
};

THeader ReadHeader(const TBytes& B) {
  if (B.U8(0) != 'B' || B.U8(1) != 'M')
    Invalid();
  THeader H;
  H.BitsAt = B.U32(10);
  const uint32_t InfoSize = B.U32(14);
  if (InfoSize == 12) { // the old core header
    H.Width = B.U16(18);
    H.Height = static_cast<int16_t>(B.U16(20));
    H.BitCount = B.U16(24);
    H.PaletteEntry = 3;
  } else if (InfoSize >= 40) {
    H.Width = static_cast<int32_t>(B.U32(18));
    H.Height = static_cast<int32_t>(B.U32(22));
    H.BitCount = B.U16(28);
    H.Compression = B.U32(30);
    H.PaletteCount = B.U32(46);
    if (H.Compression == 3) { // masks after the header (or inside a larger one)
      for (int I = 0; I < 3; ++I)
        H.Masks[I] = B.U32(14 + 40 + 4 * static_cast<size_t>(I));
    }
  } else {
    Invalid();
  }
  H.PaletteAt = 14 + InfoSize + (H.Compression == 3 && InfoSize == 40 ? 12 : 0);
  if (H.BitCount <= 8 && H.PaletteCount == 0)
    H.PaletteCount = size_t{1} << H.BitCount;
  const bool Known = (H.BitCount == 1 && H.Compression == 0) ||
                     (H.BitCount == 4 && (H.Compression == 0 || H.Compression == 2)) ||
                     (H.BitCount == 8 && (H.Compression == 0 || H.Compression == 1)) ||
                     (H.BitCount == 24 && H.Compression == 0) ||
                     (H.BitCount == 32 && (H.Compression == 0 || H.Compression == 3));
  if (!Known || H.Width <= 0 || H.Height == 0 || H.Height == INT32_MIN || H.Width > 32768 ||
      std::abs(H.Height) > 32768 || (H.BitCount <= 8 && H.PaletteCount > 256))
    Invalid();
  return H;
}

TsePixel PaletteColour(const TBytes& B, const THeader& H, uint32_t Index) {
  if (Index >= H.PaletteCount)
    return 0xFF000000;
  const size_t At = H.PaletteAt + Index * H.PaletteEntry;
  return 0xFF000000u | static_cast<TsePixel>(B.U8(At + 2)) << 16 |
         static_cast<TsePixel>(B.U8(At + 1)) << 8 | B.U8(At);
}

// The value of one masked channel scaled to 0..255.
uint32_t Channel(uint32_t Value, uint32_t Mask) {
  if (!Mask)
    return 0;
  int Shift = 0;
  while (!(Mask >> Shift & 1))
    ++Shift;
  const uint32_t Max = Mask >> Shift;
  return static_cast<uint32_t>((static_cast<uint64_t>((Value & Mask) >> Shift) * 255 + Max / 2) /
                               Max);
}

// Plain rows, bottom-up in the file unless the height is negative.
void DecodeRows(const TBytes& B, const THeader& H, std::vector<TsePixel>& Pixels) {
  const int32_t W = H.Width, Rows = std::abs(H.Height);
  const size_t Stride = ((static_cast<size_t>(W) * H.BitCount + 31) / 32) * 4;
  B.Need(H.BitsAt, Stride * static_cast<size_t>(Rows));
  for (int32_t Row = 0; Row < Rows; ++Row) {
    const size_t Line = H.BitsAt + Stride * static_cast<size_t>(Row);
    // Stored row Row is picture row (from the top) Rows - 1 - Row, or Row when top-down.
    const int32_t Y = H.Height > 0 ? Rows - 1 - Row : Row;
    TsePixel* Out = Pixels.data() + static_cast<size_t>(Y) * W;
    for (int32_t X = 0; X < W; ++X) {
      switch (H.BitCount) {
      case 1:
        Out[X] = PaletteColour(B, H, B.U8(Line + X / 8) >> (7 - X % 8) & 1);
        break;
      case 4:
        Out[X] = PaletteColour(B, H, B.U8(Line + X / 2) >> (X % 2 ? 0 : 4) & 15);
        break;
      case 8:
        Out[X] = PaletteColour(B, H, B.U8(Line + X));
        break;
      case 24:
        Out[X] = 0xFF000000u | static_cast<TsePixel>(B.U8(Line + X * 3 + 2)) << 16 |
                 static_cast<TsePixel>(B.U8(Line + X * 3 + 1)) << 8 | B.U8(Line + X * 3);
        break;
      default: {
        const uint32_t Value = B.U32(Line + static_cast<size_t>(X) * 4);
        Out[X] = 0xFF000000u | Channel(Value, H.Masks[0]) << 16 | Channel(Value, H.Masks[1]) << 8 |
                 Channel(Value, H.Masks[2]);
        break;
      }
      }
    }
  }
}

// Run-length encoded 8- or 4-bit rows (always bottom-up); pixels not reached stay index 0.
void DecodeRle(const TBytes& B, const THeader& H, std::vector<TsePixel>& Pixels) {
  const int32_t W = H.Width, Rows = H.Height;
  if (Rows < 0)
    Invalid();
  std::fill(Pixels.begin(), Pixels.end(), PaletteColour(B, H, 0));
  const bool Four = H.BitCount == 4;
  const auto Put = [&](int32_t X, int32_t Row, uint32_t Index) {
    if (X >= 0 && X < W && Row >= 0 && Row < Rows)
      Pixels[static_cast<size_t>(Rows - 1 - Row) * W + X] = PaletteColour(B, H, Index);
  };
  size_t At = H.BitsAt;
  int32_t X = 0, Row = 0;
  while (Row < Rows) {
    const uint8_t Count = B.U8(At), Value = B.U8(At + 1);
    At += 2;
    if (Count > 0) { // a run of Count pixels
      for (int I = 0; I < Count; ++I)
        Put(X++, Row, Four ? (I % 2 ? Value & 15 : Value >> 4) : Value);
    } else if (Value == 0) { // end of line
      X = 0;
      ++Row;
    } else if (Value == 1) { // end of picture
      break;
    } else if (Value == 2) { // move right and up
      X += B.U8(At);
      Row += B.U8(At + 1);
      At += 2;
    } else { // Value pixels given literally, padded to a word
      const size_t Bytes = Four ? (Value + 1u) / 2 : Value;
      B.Need(At, Bytes);
      for (int I = 0; I < Value; ++I)
        Put(X++, Row,
            Four ? (I % 2 ? B.U8(At + I / 2) & 15 : B.U8(At + I / 2) >> 4) : B.U8(At + I));
      At += (Bytes + 1) & ~size_t{1};
    }
  }
}

} // namespace

void DecodeBmp(const uint8_t* Data, size_t Size, TseBitmap& Bitmap) {
  const TBytes B(Data, Size);
  const THeader H = ReadHeader(B);
  const int32_t Rows = std::abs(H.Height);
  const size_t Count = static_cast<size_t>(H.Width) * static_cast<size_t>(Rows);
  // Plain rows must all be there; a run-length picture may not claim more than its runs
  // could ever paint (255 pixels per 2 bytes, with room for moves).
  if (H.Compression == 1 || H.Compression == 2) {
    if (Count > (Size + 1) * 512)
      Invalid();
  } else {
    const size_t Stride = ((static_cast<size_t>(H.Width) * H.BitCount + 31) / 32) * 4;
    B.Need(H.BitsAt, Stride * static_cast<size_t>(Rows));
  }
  std::vector<TsePixel> Pixels(Count);
  if (H.Compression == 1 || H.Compression == 2)
    DecodeRle(B, H, Pixels);
  else
    DecodeRows(B, H, Pixels);
  Bitmap.SetSize(H.Width, Rows);
  for (int32_t Y = 0; Y < Rows; ++Y)
    std::memcpy(Bitmap.PixelPtr(0, Y), Pixels.data() + static_cast<size_t>(Y) * H.Width,
                static_cast<size_t>(H.Width) * sizeof(TsePixel));
}
