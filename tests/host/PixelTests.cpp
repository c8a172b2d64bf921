// The blend, the row loops in every form the processor runs, and the colour routines.

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/PixelRows.h"
#include "gfx/Pixels.h"
#include "gfx/Rects.h"

namespace {

TEST(BlendPixel, ExactValuesAndShortcuts) {
  EXPECT_EQ(BlendPixel(0x80FF0000, 0xFF0000FF), 0xBF80007Fu);
  EXPECT_EQ(BlendPixel(0x00123456, 0xFFABCDEF), 0xFFABCDEFu); // alpha 0: the destination
  EXPECT_EQ(BlendPixel(0xFF123456, 0x80ABCDEF), 0xFF123456u); // alpha 255: the source
  // The alpha byte is blended like the others, not forced opaque.
  EXPECT_EQ(BlendPixel(0x80FFFFFF, 0x00000000), 0x40808080u);
}

// The formula one byte at a time: the two-bytes-per-word computation must match it for every
// alpha, extreme bytes included (a carry between lanes would show here).
TEST(BlendPixel, MatchesTheFormulaByteByByte) {
  const auto Reference = [](TsePixel S, TsePixel D) {
    const uint32_t A = S >> 24;
    if (A == 255 || A == 0)
      return A == 255 ? S : D;
    TsePixel Result = 0;
    for (int Shift = 0; Shift < 32; Shift += 8) {
      const uint32_t SB = S >> Shift & 0xFF, DB = D >> Shift & 0xFF;
      Result |= (((SB * A + 128) >> 8) + ((DB * (255 - A) + 128) >> 8)) << Shift;
    }
    return Result;
  };
  std::mt19937 Random(99);
  for (uint32_t A = 0; A < 256; ++A)
    for (uint32_t Colour : {0x000000u, 0xFFFFFFu, 0xFF00FFu, 0x00FF00u, 0x808080u}) {
      for (TsePixel D : {0x00000000u, 0xFFFFFFFFu, 0x80FF00FFu, static_cast<TsePixel>(Random())}) {
        const TsePixel S = A << 24 | Colour;
        EXPECT_EQ(BlendPixel(S, D), Reference(S, D)) << std::hex << S << " over " << D;
      }
      const TsePixel S = A << 24 | (Random() & 0xFFFFFF);
      const TsePixel D = Random();
      EXPECT_EQ(BlendPixel(S, D), Reference(S, D)) << std::hex << S << " over " << D;
    }
}

// Every vector form against the portable one: random pixels, every alpha, odd lengths,
// unaligned starts, and the two inputs equal (as MergeUnder and DrawTo call it).
TEST(PixelRows, EveryFormGivesTheSameBits) {
  size_t FormCount = 0;
  const TPixelRowFunctions* const* Forms = AvailablePixelRows(FormCount);
  ASSERT_GE(FormCount, 1u);
  std::mt19937 Random(1234);
  std::vector<TsePixel> Top(256 * 4 + 40), Bottom(Top.size());
  for (size_t I = 0; I < Top.size(); ++I) {
    Top[I] = Random();
    Bottom[I] = Random();
  }
  for (uint32_t A = 0; A < 256; ++A) // every alpha at least four times
    for (int K = 0; K < 4; ++K)
      Top[A * 4 + K] = (Top[A * 4 + K] & 0x00FFFFFF) | A << 24;
  for (size_t I = 0; I < Top.size(); I += 7)
    Top[I] = (Top[I] & 0xFF000000) | 0x7F007F; // some key pixels
  // Then runs of one kind, long enough to fill whole vectors: holes, opaque, transparent.
  for (size_t I = 256 * 4; I < Top.size(); ++I) {
    const size_t Run = (I - 256 * 4) / 12 % 3;
    Top[I] = Run == 0 ? KeyColor : (Top[I] & 0x00FFFFFF) | (Run == 1 ? 0xFF000000 : 0);
  }
  // Runs longer than four whole vectors of the widest form: opaque, transparent and holes,
  // each also broken by one pixel of another kind.
  for (int Broken = 0; Broken < 2; ++Broken)
    for (TsePixel Kind : {0xFF000000u, 0u, KeyColor}) {
      const size_t Start = Top.size();
      Top.resize(Start + 72);
      for (size_t I = Start; I < Top.size(); ++I)
        Top[I] = Kind == KeyColor ? KeyColor : Kind | (static_cast<TsePixel>(I) & 0xFFFFFF);
      if (Broken)
        Top[Start + 40] = 0x80654321;
    }
  Bottom.resize(Top.size(), 0x12345678);

  for (size_t F = 0; F < FormCount; ++F) {
    const TPixelRowFunctions& Form = *Forms[F];
    for (size_t Start : {0u, 1u, 3u})
      for (size_t Count : {size_t{0}, size_t{1}, size_t{7}, size_t{9}, size_t{31}, size_t{1000},
                           Top.size() - Start}) {
        std::vector<TsePixel> Expected(Bottom), Actual(Bottom);
        PixelRowsPortable.BlendRows(Expected.data() + Start, Top.data() + Start,
                                    Expected.data() + Start, Count);
        Form.BlendRows(Actual.data() + Start, Top.data() + Start, Actual.data() + Start, Count);
        EXPECT_EQ(Actual, Expected) << Form.Name << " blend " << Start << "+" << Count;

        // The top written over, as merging under a background does.
        Expected = Top;
        Actual = Top;
        PixelRowsPortable.BlendRows(Expected.data() + Start, Expected.data() + Start,
                                    Bottom.data() + Start, Count);
        Form.BlendRows(Actual.data() + Start, Actual.data() + Start, Bottom.data() + Start, Count);
        EXPECT_EQ(Actual, Expected) << Form.Name << " blend under " << Start << "+" << Count;

        Expected = Bottom;
        Actual = Bottom;
        PixelRowsPortable.KeyRow(Expected.data() + Start, Top.data() + Start, Count);
        Form.KeyRow(Actual.data() + Start, Top.data() + Start, Count);
        EXPECT_EQ(Actual, Expected) << Form.Name << " key " << Start << "+" << Count;

        // Rows read at every other pixel, as an exact halving draws them.
        {
          const size_t Half = std::min(Count, (Top.size() - Start) / 2);
          Expected = Bottom;
          Actual = Bottom;
          PixelRowsPortable.BlendEvenRows(Expected.data() + Start, Top.data() + Start,
                                          Expected.data() + Start, Half);
          Form.BlendEvenRows(Actual.data() + Start, Top.data() + Start, Actual.data() + Start,
                             Half);
          EXPECT_EQ(Actual, Expected) << Form.Name << " blend even " << Start << "+" << Half;
          Form.GatherEven(Actual.data() + Start, Top.data() + Start, Half);
          for (size_t I = 0; I < Half; ++I)
            ASSERT_EQ(Actual[Start + I], Top[Start + 2 * I]) << Form.Name << " gather " << I;
        }

        for (TsePixel Fill : {0x80336699u, 0x01FFFFFFu, 0xFE000000u, 0x00FFFFFFu, 0xFF123456u}) {
          Expected = Bottom;
          Actual = Bottom;
          PixelRowsPortable.BlendFillRow(Expected.data() + Start, Fill, Count);
          Form.BlendFillRow(Actual.data() + Start, Fill, Count);
          EXPECT_EQ(Actual, Expected) << Form.Name << " fill " << std::hex << Fill;
        }
      }
    // Pixels around two keys, each channel up to 7 away in either direction.
    for (TsePixel Key : {KeyColor, 0x00030AFDu}) {
      std::vector<TsePixel> Near(1000);
      for (TsePixel& Pixel : Near) {
        Pixel = static_cast<TsePixel>(Random()) & 0xFF000000;
        for (int Shift : {0, 8, 16}) {
          const int Channel = std::clamp(
              static_cast<int>(Key >> Shift & 0xFF) + static_cast<int>(Random() % 15) - 7, 0, 255);
          Pixel |= static_cast<TsePixel>(Channel) << Shift;
        }
      }
      for (size_t Count : {0u, 3u, 9u, 1000u}) {
        std::vector<TsePixel> Expected(Near), Actual(Near);
        const bool ExpectedAny = PixelRowsPortable.SnapKeyRow(Expected.data(), Count, Key);
        EXPECT_EQ(Form.SnapKeyRow(Actual.data(), Count, Key), ExpectedAny) << Form.Name;
        EXPECT_EQ(Actual, Expected) << Form.Name << " snap " << Count;
      }
    }
    std::vector<uint8_t> Alphas(Top.size());
    for (uint8_t& A : Alphas)
      A = static_cast<uint8_t>(Random());
    for (size_t Start : {0u, 1u, 3u})
      for (size_t Count : {0u, 5u, 9u, 1000u}) {
        std::vector<TsePixel> Expected(Top), Actual(Top);
        PixelRowsPortable.MaskAlphaRow(Expected.data() + Start, Alphas.data() + Start, Count);
        Form.MaskAlphaRow(Actual.data() + Start, Alphas.data() + Start, Count);
        EXPECT_EQ(Actual, Expected) << Form.Name << " mask alpha " << Start << "+" << Count;
        std::vector<TsePixel> ExpectedTop(Top), ActualTop(Top), ExpectedOut(Bottom),
            ActualOut(Bottom);
        PixelRowsPortable.MaskBlendRow(ExpectedOut.data() + Start, ExpectedTop.data() + Start,
                                       Bottom.data() + Start, Alphas.data() + Start, Count);
        Form.MaskBlendRow(ActualOut.data() + Start, ActualTop.data() + Start, Bottom.data() + Start,
                          Alphas.data() + Start, Count);
        EXPECT_EQ(ActualTop, ExpectedTop) << Form.Name << " mask blend " << Start << "+" << Count;
        EXPECT_EQ(ActualOut, ExpectedOut) << Form.Name << " mask blend " << Start << "+" << Count;
        // One alpha throughout, every one of them.
        for (int Alpha = 0; Alpha < 256; ++Alpha) {
          const std::vector<uint8_t> Same(Alphas.size(), static_cast<uint8_t>(Alpha));
          std::vector<TsePixel> MaskTop(Top), FadeTop(Top), MaskOut(Bottom), FadeOut(Bottom);
          PixelRowsPortable.MaskBlendRow(MaskOut.data() + Start, MaskTop.data() + Start,
                                         Bottom.data() + Start, Same.data() + Start, Count);
          Form.FadeBlendRow(FadeOut.data() + Start, FadeTop.data() + Start, Bottom.data() + Start,
                            static_cast<uint8_t>(Alpha), Count);
          EXPECT_EQ(FadeTop, MaskTop) << Form.Name << " fade " << Alpha << " " << Count;
          EXPECT_EQ(FadeOut, MaskOut) << Form.Name << " fade " << Alpha << " " << Count;
        }
      }
    std::vector<TsePixel> Solid(37, 0xFF000000);
    Solid[5] = 0;
    EXPECT_FALSE(Form.HasPartialAlpha(Solid.data(), Solid.size())) << Form.Name;
    Solid[36] = 0xFE000000; // in the tail
    EXPECT_TRUE(Form.HasPartialAlpha(Solid.data(), Solid.size())) << Form.Name;
    Solid[36] = 0xFF000000;
    Solid[2] = 0x01000000; // in the first vector
    EXPECT_TRUE(Form.HasPartialAlpha(Solid.data(), Solid.size())) << Form.Name;
  }
}

TEST(Colors, ConversionsAndAdjustment) {
  EXPECT_EQ(ColorToPixel(0x0000FF, 0x80), 0x80FF0000u); // toolkit red
  EXPECT_EQ(ColorToPixel(0x332211), 0xFF112233u);
  EXPECT_EQ(PixelToColor(0x80112233), 0x00332211);
  EXPECT_EQ(MakePixel(-5, 300, 128, 7), 0x0700FF80u);
  const TsePixel Adjusted = AdjustPixel(0x10F00010, 32, 32, -32, -32);
  EXPECT_EQ(Adjusted, 0xF0FF2000u); // red 255, green 32, blue 0, alpha 240
  EXPECT_EQ(AdjustPixel(0xF0000000, 0, 0, 0, 32), 0x10000000u);
}

TEST(Colors, HueShift) {
  EXPECT_EQ(ChangePixelHue(0xFFFF0000, 85), 0xFF00FF00u);
  EXPECT_EQ(ChangePixelHue(0xFF00FF00, 85), 0xFF0000FFu);
  EXPECT_EQ(ChangePixelHue(0xFF0000FF, 85), 0xFFFF0000u); // 170 + 85 wraps to 0
  EXPECT_EQ(ChangePixelHue(0x80808080, 40), 0xFF808080u); // grey stays grey, made opaque
  const THsl Red = RGBToHSL(0xFFFF0000);
  EXPECT_FLOAT_EQ(Red.H, 0);
  EXPECT_FLOAT_EQ(Red.S, 1);
  EXPECT_FLOAT_EQ(Red.L, 0.5f);
  for (TsePixel Pixel : {0xFF123456u, 0xFFFEDCBAu, 0xFF7F007Fu, 0xFF00FF80u}) {
    const THsl Hsl = RGBToHSL(Pixel);
    EXPECT_EQ(HSLToRGB(Hsl.H, Hsl.S, Hsl.L), Pixel) << std::hex << Pixel;
  }

  TseBitmap Bitmap;
  Bitmap.SetSize(2, 1);
  *Bitmap.PixelPtr(0, 0) = 0x80FF0000;
  *Bitmap.PixelPtr(1, 0) = 0x00FF0000;
  ChangeBitmapHue(Bitmap, 85);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(Bitmap.GetPixel(1, 0), 0x00FF0000u); // fully transparent pixels untouched
}

TEST(Colors, RoundingKeyAlphaAndCentring) {
  EXPECT_EQ(RoundHalfEven(2.5f), 2);
  EXPECT_EQ(RoundHalfEven(3.5f), 4);
  EXPECT_EQ(RoundHalfEven(-0.5f), 0);
  TsePixel Pixels[] = {0xFF7F007F, 0x807F007F, 0xFF7F0080, 0x12345678};
  ClearKeyAlpha(Pixels, 4, KeyColor);
  EXPECT_EQ(Pixels[0], 0x007F007Fu);
  EXPECT_EQ(Pixels[1], 0x007F007Fu);
  EXPECT_EQ(Pixels[2], 0xFF7F0080u);
  ClearKeyAlpha(Pixels + 3, 0, 0x00345678);
  EXPECT_EQ(Pixels[3], 0x12345678u);
  EXPECT_EQ(CenterRect(Rect(3, 4, 13, 14), Rect(0, 0, 25, 25)), Rect(7, 7, 17, 17));
  EXPECT_EQ(CenterRect(Rect(0, 0, 30, 10), Rect(10, 10, 20, 20)), Rect(0, 10, 30, 20));
  EXPECT_EQ(MulDivRound(500, 65535, 100), 327675);
  EXPECT_EQ(MulDivRound(-3, 1, 2), -2); // halves away from zero
  EXPECT_EQ(MulDivRound(1, 1, 0), -1);
}

} // namespace
