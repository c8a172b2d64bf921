// BMP file images decoded without the platform.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "gfx/BmpDecoder.h"

namespace {

// A BMP file image: file header, 40-byte info header, palette, then Bits.
std::vector<uint8_t> Bmp(int32_t Width, int32_t Height, uint16_t BitCount, uint32_t Compression,
                         const std::vector<uint32_t>& Palette, const std::vector<uint8_t>& Bits,
                         const std::vector<uint32_t>& Masks = {}) {
  std::vector<uint8_t> Out;
  const auto U32 = [&](uint32_t V) {
    for (int S = 0; S < 32; S += 8)
      Out.push_back(static_cast<uint8_t>(V >> S));
  };
  const auto U16 = [&](uint16_t V) {
    Out.push_back(static_cast<uint8_t>(V));
    Out.push_back(static_cast<uint8_t>(V >> 8));
  };
  const uint32_t Offset = static_cast<uint32_t>(14 + 40 + Masks.size() * 4 + Palette.size() * 4);
  Out.push_back('B');
  Out.push_back('M');
  U32(Offset + static_cast<uint32_t>(Bits.size()));
  U32(0);
  U32(Offset);
  U32(40);
  U32(static_cast<uint32_t>(Width));
  U32(static_cast<uint32_t>(Height));
  U16(1);
  U16(BitCount);
  U32(Compression);
  U32(static_cast<uint32_t>(Bits.size()));
  U32(2835);
  U32(2835);
  U32(static_cast<uint32_t>(Palette.size()));
  U32(0);
  for (uint32_t M : Masks)
    U32(M);
  for (uint32_t P : Palette)
    U32(P);
  Out.insert(Out.end(), Bits.begin(), Bits.end());
  return Out;
}

std::vector<TsePixel> Decoded(const std::vector<uint8_t>& File, int& W, int& H) {
  TseBitmap Bitmap;
  DecodeBmp(File.data(), File.size(), Bitmap);
  W = Bitmap.Width();
  H = Bitmap.Height();
  std::vector<TsePixel> Pixels;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      Pixels.push_back(Bitmap.GetPixel(X, Y));
  return Pixels;
}

TEST(BmpDecoder, TrueColourRowsBothWays) {
  // 3 x 2, 24 bits: rows of 9 bytes padded to 12, bottom row first.
  const std::vector<uint8_t> Rows = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,
                                     10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
  int W, H;
  EXPECT_EQ(Decoded(Bmp(3, 2, 24, 0, {}, Rows), W, H),
            (std::vector<TsePixel>{0xFF0C0B0A, 0xFF0F0E0D, 0xFF121110, 0xFF030201, 0xFF060504,
                                   0xFF090807}));
  EXPECT_EQ(W, 3);
  EXPECT_EQ(H, 2);
  // A negative height stores the top row first.
  EXPECT_EQ(Decoded(Bmp(3, -2, 24, 0, {}, Rows), W, H)[0], 0xFF030201u);

  const std::vector<uint8_t> Words = {0x11, 0x22, 0x33, 0x00, 0x44, 0x55, 0x66, 0x99};
  EXPECT_EQ(Decoded(Bmp(2, 1, 32, 0, {}, Words), W, H),
            (std::vector<TsePixel>{0xFF332211, 0xFF665544})); // alpha ignored: opaque
  // Bit masks, here 5-6-5 spread over a 32-bit word.
  const std::vector<uint8_t> Masked = {0x1F, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x00, 0x00};
  EXPECT_EQ(Decoded(Bmp(2, 1, 32, 3, {}, Masked, {0xF800, 0x07E0, 0x001F}), W, H),
            (std::vector<TsePixel>{0xFF0000FF, 0xFFFF0000}));
}

TEST(BmpDecoder, PalettePictures) {
  const std::vector<uint32_t> Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  int W, H;
  // 8 bits, 5 x 1: indices 0..3 then 3; the row padded to 8 bytes.
  EXPECT_EQ(Decoded(Bmp(5, 1, 8, 0, Palette, {0, 1, 2, 3, 3, 0, 0, 0}), W, H),
            (std::vector<TsePixel>{0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF0000FF}));
  // 4 bits: high nibble first.
  EXPECT_EQ(Decoded(Bmp(3, 1, 4, 0, Palette, {0x12, 0x30, 0, 0}), W, H),
            (std::vector<TsePixel>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
  // 1 bit: the highest bit first.
  EXPECT_EQ(Decoded(Bmp(10, 1, 1, 0, {0x000000, 0xFFFFFF}, {0xA0, 0x40, 0, 0}), W, H),
            (std::vector<TsePixel>{0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF000000,
                                   0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000, 0xFFFFFFFF}));
  // An index past the palette reads as black.
  EXPECT_EQ(Decoded(Bmp(1, 1, 8, 0, Palette, {9, 0, 0, 0}), W, H)[0], 0xFF000000u);
}

TEST(BmpDecoder, RunLengthPictures) {
  const std::vector<uint32_t> Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  int W, H;
  // 8 bits, 6 x 3: bottom row a run of 3 ones and a literal 2, 3, 2 (padded to a word); then
  // end of line; a move of (2, 1) skips the middle row; then a run of 2 threes and the end.
  const std::vector<uint8_t> Rle8 = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1};
  const auto P = Decoded(Bmp(6, 3, 8, 1, Palette, Rle8), W, H);
  const TsePixel K = 0xFF000000, R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF;
  EXPECT_EQ(P, (std::vector<TsePixel>{K, K, B, B, K, K,    // top row, reached by the move
                                      K, K, K, K, K, K,    // skipped
                                      R, R, R, G, B, G})); // bottom row
  // 4 bits: a run alternates its two nibbles; a literal of 3 pixels takes 2 bytes, padded.
  const std::vector<uint8_t> Rle4 = {4, 0x12, 0, 3, 0x31, 0x20, 0, 1};
  EXPECT_EQ(Decoded(Bmp(7, 1, 4, 2, Palette, Rle4), W, H),
            (std::vector<TsePixel>{R, G, R, G, B, R, G}));
}

TEST(BmpDecoder, MalformedImagesAreRefused) {
  const auto Refused = [](std::vector<uint8_t> File) {
    TseBitmap Bitmap;
    Bitmap.SetSize(2, 2);
    Bitmap.Clear(0x12345678);
    try {
      DecodeBmp(File.data(), File.size(), Bitmap);
    } catch (const Exception& E) {
      return E.Message() == "Bitmap image is not valid" && Bitmap.GetPixel(1, 1) == 0x12345678u;
    }
    return false;
  };
  const std::vector<uint8_t> Row = {1, 2, 3, 0};
  std::vector<uint8_t> Good = Bmp(1, 1, 24, 0, {}, Row);
  EXPECT_FALSE(Refused(Good));
  std::vector<uint8_t> BadMagic = Good;
  BadMagic[0] = 'X';
  EXPECT_TRUE(Refused(BadMagic));
  EXPECT_TRUE(Refused(std::vector<uint8_t>(Good.begin(), Good.end() - 1))); // one byte short
  EXPECT_TRUE(Refused(std::vector<uint8_t>(Good.begin(), Good.begin() + 20)));
  EXPECT_TRUE(Refused(Bmp(0, 1, 24, 0, {}, Row)));
  EXPECT_TRUE(Refused(Bmp(1, 0, 24, 0, {}, Row)));
  EXPECT_TRUE(Refused(Bmp(100000, 1, 24, 0, {}, Row)));
  EXPECT_TRUE(Refused(Bmp(30000, 30000, 24, 0, {}, Row))); // rows the file does not hold
  EXPECT_TRUE(Refused(Bmp(1, 1, 16, 0, {}, Row)));         // 16 bits: not read
  EXPECT_TRUE(Refused(Bmp(1, 1, 24, 1, {}, Row)));         // run-length needs 8 or 4 bits
  EXPECT_TRUE(Refused(Bmp(1, 1, 8, 0, std::vector<uint32_t>(300), {0, 0, 0, 0})));
  // A run-length picture far larger than its runs could paint.
  EXPECT_TRUE(Refused(Bmp(30000, 30000, 8, 1, {0}, {0, 1})));
  // Runs that stop before the end of the picture's data.
  EXPECT_TRUE(Refused(Bmp(4, 4, 8, 1, {0}, {2, 0})));
}

} // namespace
