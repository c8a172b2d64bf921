// The surface: sizes, per-pixel work, the stream record and drawing into another surface.

#include <cstring>
#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "gfx/BitmapLink.h"

namespace {

// A surface whose pixel (x, y) is Value(x, y).
template <class F> void Paint(TseBitmap& Bitmap, F Value) {
  for (int Y = 0; Y < Bitmap.Height(); ++Y)
    for (int X = 0; X < Bitmap.Width(); ++X)
      *Bitmap.PixelPtr(X, Y) = Value(X, Y);
}

// Pixels that tell their own position: 0xFF00XXYY.
TsePixel Position(int X, int Y) { return 0xFF000000u | static_cast<TsePixel>(X) << 8 | Y; }

TEST(Surface, SetSize) {
  TseBitmap Bitmap;
  EXPECT_TRUE(Bitmap.Empty());
  Bitmap.SetSize(0, 10);
  Bitmap.SetSize(10, 0);
  EXPECT_TRUE(Bitmap.Empty());
  Bitmap.SetSize(-5, 3);
  ASSERT_FALSE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.Width(), 5);
  EXPECT_EQ(Bitmap.Height(), 3);
  for (int I = 0; I < 15; ++I)
    EXPECT_EQ(Bitmap.Bits()[I], 0u); // new storage is zero
  Bitmap.Clear(0x12345678);
  Bitmap.SetSize(5, 3); // the current size keeps the pixels
  EXPECT_EQ(Bitmap.GetPixel(4, 2), 0x12345678u);
  Bitmap.SetSize(0, 3);
  EXPECT_EQ(Bitmap.GetPixel(4, 2), 0x12345678u);
  Bitmap.SetSize(6, 3);
  EXPECT_EQ(Bitmap.GetPixel(4, 2), 0u);
}

TEST(Surface, SizesBeyondTheAddressableFailCleanly) {
  TseBitmap Bitmap;
  Bitmap.SetSize(4, 4);
  Bitmap.AlphaBlend = true;
  for (auto [W, H] : {std::pair{65536, 65536}, {46341, 46341}, {INT32_MAX, 2}, {INT32_MIN, 1}}) {
    try {
      Bitmap.SetSize(W, H);
      FAIL() << W << " x " << H << " was allocated";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(Bitmap.Empty());
    EXPECT_EQ(Bitmap.Width(), 4); // the old size stays, with no storage
    EXPECT_TRUE(Bitmap.AlphaBlend);
    // Every per-pixel operation is harmless now.
    Bitmap.Clear(1);
    Bitmap.SetAlpha(3);
    Bitmap.FillRect(Rect(0, 0, 4, 4), 5);
    Bitmap.CheckAlphaBlend();
    EXPECT_FALSE(Bitmap.AlphaBlend);
    Bitmap.AlphaBlend = true;
    EXPECT_EQ(Bitmap.GetPixel(0, 0), 0u);
  }
}

TEST(Surface, RowsAreStoredBottomUp) {
  TseBitmap Bitmap;
  Bitmap.SetSize(3, 2);
  Paint(Bitmap, Position);
  EXPECT_EQ(Bitmap.GetPixel(-1, 0), 0u);
  EXPECT_EQ(Bitmap.GetPixel(3, 0), 0u);
  EXPECT_EQ(Bitmap.GetPixel(0, 2), 0u);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), Bitmap.Bits()[3]); // first pixel of the last stored row
  EXPECT_EQ(Bitmap.Bits()[0], Position(0, 1));
  EXPECT_EQ(Bitmap.Bits()[5], Position(2, 0));
}

TEST(Surface, AlphaAndFills) {
  TseBitmap Bitmap;
  Bitmap.SetSize(3, 2);
  Paint(Bitmap, Position);
  Bitmap.SetAlpha(200);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X)
      EXPECT_EQ(Bitmap.GetPixel(X, Y), (Position(X, Y) & 0xFFFFFF) | 0xC8000000u);

  Bitmap.SetAlphaRect(7, Rect(1, 0, 1, 2)); // no width: nothing
  EXPECT_EQ(Bitmap.GetPixel(1, 0) >> 24, 200u);
  Bitmap.SetAlphaRect(7, Rect(2, -5, 10, 1)); // clipped to (2, 0)
  EXPECT_EQ(Bitmap.GetPixel(2, 0) >> 24, 7u);
  EXPECT_EQ(Bitmap.GetPixel(2, 1) >> 24, 200u);
  EXPECT_EQ(Bitmap.GetPixel(1, 0) >> 24, 200u);

  Bitmap.Clear(0xFF0000FF);
  Bitmap.FillRect(Rect(-4, -4, 1, 1), 0x80FF0000); // plain store while AlphaBlend is off
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0x80FF0000u);
  EXPECT_EQ(Bitmap.GetPixel(1, 0), 0xFF0000FFu);
  Bitmap.AlphaBlend = true;
  Bitmap.FillRect(Rect(1, 1, 99, 99), 0x80FF0000);
  EXPECT_EQ(Bitmap.GetPixel(1, 1), 0xBF80007Fu);
  EXPECT_EQ(Bitmap.GetPixel(2, 1), 0xBF80007Fu);
  EXPECT_EQ(Bitmap.GetPixel(1, 0), 0xFF0000FFu);
  Bitmap.FillRect(Rect(2, 2, 1, 1), 0); // inverted: nothing
}

TEST(Surface, FlagsFromThePixels) {
  TseBitmap Bitmap;
  Bitmap.SetSize(4, 4);
  Bitmap.Clear(0xFF000000);
  *Bitmap.PixelPtr(3, 3) = 0x00FFFFFF;
  Bitmap.CheckAlphaBlend();
  EXPECT_FALSE(Bitmap.AlphaBlend);
  *Bitmap.PixelPtr(2, 3) = 0x7F000000;
  Bitmap.CheckAlphaBlend();
  EXPECT_TRUE(Bitmap.AlphaBlend);

  Bitmap.Clear(0xFF102030);
  *Bitmap.PixelPtr(0, 0) = 0xFF7D027F; // every channel within 5 of the key
  *Bitmap.PixelPtr(1, 0) = 0xFF84057A; // red and blue 5 away, green 5 away
  *Bitmap.PixelPtr(2, 0) = 0xFF85007F; // red 6 away
  Bitmap.CheckTransparent(KeyColor);
  EXPECT_TRUE(Bitmap.Transparent);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), KeyColor);
  EXPECT_EQ(Bitmap.GetPixel(1, 0), KeyColor);
  EXPECT_EQ(Bitmap.GetPixel(2, 0), 0xFF85007Fu);
  Bitmap.Clear(0xFF102030);
  Bitmap.CheckTransparent(0x00102030); // a near match snaps to the key colour itself
  EXPECT_EQ(Bitmap.GetPixel(3, 3), KeyColor);
  Bitmap.Clear(0xFF000000);
  Bitmap.CheckTransparent(KeyColor);
  EXPECT_FALSE(Bitmap.Transparent);
}

TEST(Surface, MergeUnderPutsTheBackgroundBehind) {
  TseBitmap Surface, Background;
  Surface.SetSize(4, 2);
  Background.SetSize(6, 6);
  Paint(Background, [](int X, int Y) { return 0xFF000000u | static_cast<TsePixel>(X * 16 + Y); });
  *Surface.PixelPtr(0, 0) = 0x00ABCDEF; // clear: becomes the background
  *Surface.PixelPtr(1, 0) = 0xFF123456; // opaque: stays
  *Surface.PixelPtr(2, 0) = 0x80FF0000; // translucent: blended over it
  *Surface.PixelPtr(3, 0) = 0x00000000;
  *Surface.PixelPtr(0, 1) = 0x00000000;
  // Background part (2, 3)-(9, 9) is clipped to (2, 3)-(6, 6) and lands at (-1, 0).
  Surface.MergeUnder(Background, -1, 0, Rect(2, 3, 9, 9));
  EXPECT_EQ(Surface.GetPixel(0, 0), Background.GetPixel(3, 3));
  EXPECT_EQ(Surface.GetPixel(1, 0), 0xFF123456u);
  EXPECT_EQ(Surface.GetPixel(2, 0), BlendPixel(0x80FF0000, Background.GetPixel(5, 3)));
  EXPECT_EQ(Surface.GetPixel(3, 0), 0u); // no background column 6
  EXPECT_EQ(Surface.GetPixel(0, 1), Background.GetPixel(3, 4));
}

TEST(Surface, AssignMakesAnOpaqueCopy) {
  TseBitmap Source, Copy;
  Source.SetSize(2, 2);
  Source.Name = "Form";
  Paint(Source,
        [](int X, int Y) { return static_cast<TsePixel>(0x40 * (X + 2 * Y)) << 24 | 0x123456; });
  Copy.Name = "kept";
  Copy.Assign(Source);
  EXPECT_EQ(Copy.Name, "kept");
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 2; ++X)
      EXPECT_EQ(Copy.GetPixel(X, Y), 0xFF123456u);
  TseBitmap Empty;
  Copy.Assign(Empty); // nothing to copy: the copy stays as it was
  EXPECT_EQ(Copy.GetPixel(1, 1), 0xFF123456u);
  try {
    Copy.Assign(TPersistent());
    FAIL() << "assigned a plain persistent";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TPersistent to a TseBitmap");
  }
}

// ---------------------------------------------------------------------------------------
// The stream record

TEST(SurfaceRecord, RoundTripsByteForByte) {
  TseBitmap Bitmap;
  Bitmap.SetSize(3, 2);
  Bitmap.Name = "top";
  Paint(Bitmap, Position);
  TMemoryStream Stream;
  Bitmap.SaveToStream(Stream);
  const std::vector<uint8_t>& Bytes = Stream.Bytes();
  ASSERT_EQ(Bytes.size(), 4u + 3 + 4 + 4 + 24);
  EXPECT_EQ(std::vector<uint8_t>(Bytes.begin(), Bytes.begin() + 15),
            (std::vector<uint8_t>{3, 0, 0, 0, 't', 'o', 'p', 3, 0, 0, 0, 2, 0, 0, 0}));
  // Pixels as they lie in memory: bottom row first, blue green red alpha.
  EXPECT_EQ(std::vector<uint8_t>(Bytes.begin() + 15, Bytes.begin() + 19),
            (std::vector<uint8_t>{1, 0, 0, 0xFF}));

  Stream.SetPosition(0);
  TseBitmap Loaded;
  Loaded.LoadFromStream(Stream);
  EXPECT_EQ(Loaded.Name, "top");
  ASSERT_EQ(Loaded.Width(), 3);
  EXPECT_EQ(std::memcmp(Loaded.Bits(), Bitmap.Bits(), 24), 0);
  EXPECT_FALSE(Loaded.AlphaBlend);
  EXPECT_FALSE(Loaded.Transparent);
}

TMemoryStream Record(const std::string& Name, int32_t W, int32_t H,
                     const std::vector<TsePixel>& Pixels) {
  TMemoryStream Stream;
  WriteString(Stream, Name);
  Stream.WriteInt32(W);
  Stream.WriteInt32(H);
  Stream.WriteBuffer(Pixels.data(), static_cast<int64_t>(Pixels.size() * 4));
  Stream.SetPosition(0);
  return Stream;
}

TEST(SurfaceRecord, LoadingSnapsNearKeyPixelsUnlessAlphaIsPartial) {
  TseBitmap Bitmap;
  TMemoryStream Keyed = Record("a", 2, 1, {0xFF7D027F, 0x00000000});
  Bitmap.LoadFromStream(Keyed);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), KeyColor);
  EXPECT_TRUE(Bitmap.Transparent);
  EXPECT_FALSE(Bitmap.AlphaBlend);

  TseBitmap Translucent;
  TMemoryStream Blended = Record("b", 2, 1, {0xFF7D027F, 0x80000000});
  Translucent.LoadFromStream(Blended);
  EXPECT_EQ(Translucent.GetPixel(0, 0), 0xFF7D027Fu);
  EXPECT_TRUE(Translucent.AlphaBlend);
  EXPECT_FALSE(Translucent.Transparent);
}

TEST(SurfaceRecord, BadRecordsRaiseAReadErrorWithoutAllocating) {
  const auto Fails = [](TMemoryStream Stream) {
    TseBitmap Bitmap;
    try {
      Bitmap.LoadFromStream(Stream);
    } catch (const EReadError& E) {
      EXPECT_EQ(E.Message(), "Stream read error");
      return Bitmap.Empty();
    }
    return false;
  };
  EXPECT_TRUE(Fails(Record("x", -2, 1, {0, 0})));
  EXPECT_TRUE(Fails(Record("x", 2, -1, {0, 0})));
  EXPECT_TRUE(Fails(Record("x", 100000, 100000, {0, 0}))); // far more than the stream holds
  EXPECT_TRUE(Fails(Record("x", 0x7FFFFFFF, 0x7FFFFFFF, {})));
  EXPECT_TRUE(Fails(Record("x", 3, 3, {0, 0, 0, 0, 0, 0, 0, 0}))); // one pixel short
  TMemoryStream BadName;
  BadName.WriteInt32(-1);
  BadName.SetPosition(0);
  EXPECT_TRUE(Fails(std::move(BadName)));
  TMemoryStream LongName;
  LongName.WriteInt32(1000);
  LongName.WriteInt32(0);
  LongName.SetPosition(0);
  EXPECT_TRUE(Fails(std::move(LongName)));
  EXPECT_TRUE(Fails(TMemoryStream(std::vector<uint8_t>{1, 0})));
}

TEST(SurfaceRecord, AnEmptySurfaceWritesNoSize) {
  TseBitmap Bitmap;
  Bitmap.SetSize(2, 2);
  try {
    Bitmap.SetSize(INT32_MAX, 4);
  } catch (const Exception&) {
  }
  TMemoryStream Stream;
  Bitmap.SaveToStream(Stream);
  Stream.SetPosition(0);
  TseBitmap Loaded;
  Loaded.LoadFromStream(Stream);
  EXPECT_TRUE(Loaded.Empty());
  EXPECT_EQ(Stream.Remaining(), 0);
}

// ---------------------------------------------------------------------------------------
// DrawTo

TEST(DrawTo, ScalesNearestNeighbour) {
  TseBitmap Source, Target;
  Source.SetSize(10, 10);
  Paint(Source, Position);
  Target.SetSize(20, 20);
  Source.DrawTo(Target, Rect(0, 0, 20, 20), Source.BoundsRect());
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 20; ++X)
      ASSERT_EQ(Target.GetPixel(X, Y), Position(X / 2, Y / 2)) << X << "," << Y;

  TseBitmap Small;
  Small.SetSize(5, 5);
  Source.DrawTo(Small, Rect(0, 0, 5, 5), Source.BoundsRect());
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 5; ++X)
      EXPECT_EQ(Small.GetPixel(X, Y), Position(2 * X, 2 * Y));
}

TEST(DrawTo, AClippedStartUsesTheRoundedAccumulator) {
  TseBitmap Source, Target;
  Source.SetSize(100, 1);
  Paint(Source, Position);
  Target.SetSize(100, 1);
  // Starting 5 columns left of the target: the first visible column samples source column
  // 4 (MulDiv(500, 65535, 100) = 327675), every following column the next one.
  Source.DrawTo(Target, -5, 0);
  EXPECT_EQ(Target.GetPixel(0, 0), Position(4, 0));
  EXPECT_EQ(Target.GetPixel(1, 0), Position(5, 0));
  EXPECT_EQ(Target.GetPixel(94, 0), Position(98, 0));
  EXPECT_EQ(Target.GetPixel(95, 0), 0u);
  // The same through the scaling path: 50 columns into 100, clipped by 5.
  TseBitmap Half;
  Half.SetSize(50, 1);
  Paint(Half, Position);
  Target.Clear(0);
  Half.DrawTo(Target, Rect(-5, 0, 95, 1), Half.BoundsRect());
  // Start MulDiv(50 * 5, 65535, 100) = 163838 (column 2), step 32768.
  EXPECT_EQ(Target.GetPixel(0, 0), Position(2, 0));
  EXPECT_EQ(Target.GetPixel(1, 0), Position(2, 0));
  EXPECT_EQ(Target.GetPixel(2, 0), Position(3, 0));
}

TEST(DrawTo, PixelModes) {
  TseBitmap Source, Target;
  Source.SetSize(4, 1);
  Target.SetSize(4, 1);
  const TsePixel Pixels[] = {0x00FF0000, 0xFF00FF00, 0x80FF0000, 0xFF7F007F};
  std::memcpy(Source.Bits(), Pixels, sizeof Pixels);

  Target.Clear(0xFF0000FF);
  Source.DrawTo(Target, 0, 0); // no flags: copied
  for (int X = 0; X < 4; ++X)
    EXPECT_EQ(Target.GetPixel(X, 0), Pixels[X]);

  Target.Clear(0xFF0000FF);
  Source.AlphaBlend = true;
  Source.DrawTo(Target, 0, 0);
  EXPECT_EQ(Target.GetPixel(0, 0), 0xFF0000FFu); // alpha 0: untouched
  EXPECT_EQ(Target.GetPixel(1, 0), 0xFF00FF00u); // alpha 255: replaced
  EXPECT_EQ(Target.GetPixel(2, 0), 0xBF80007Fu); // blended, the target's alpha too
  EXPECT_FALSE(Target.AlphaBlend);               // the target's flags stay

  Target.Clear(0xFF0000FF);
  Source.AlphaBlend = false;
  Source.Transparent = true;
  *Source.PixelPtr(0, 0) = KeyColor;
  Source.DrawTo(Target, 0, 0);
  EXPECT_EQ(Target.GetPixel(0, 0), 0xFF0000FFu); // 0x007F007F skipped
  EXPECT_EQ(Target.GetPixel(3, 0), 0xFF0000FFu); // 0xFF7F007F skipped too
  EXPECT_EQ(Target.GetPixel(2, 0), 0x80FF0000u);
}

TEST(DrawTo, RectanglesOutsideEitherSurfaceAreSafe) {
  TseBitmap Source, Target;
  Source.SetSize(4, 4);
  Paint(Source, Position);
  Target.SetSize(4, 4);
  Target.Clear(7);
  Source.DrawTo(Target, Rect(0, 0, 4, 4), Rect(2, 2, 40, 40)); // read only what exists
  EXPECT_EQ(Target.GetPixel(0, 0), Position(2, 2));
  EXPECT_EQ(Target.GetPixel(3, 3), Position(3, 3));
  Source.DrawTo(Target, Rect(0, 0, 4, 4), Rect(-8, -8, -4, -4));  // nothing of the source
  Source.DrawTo(Target, Rect(9, 9, 20, 20), Source.BoundsRect()); // nothing of the target
  Source.DrawTo(Target, Rect(2, 2, 2, 9), Source.BoundsRect());   // no width
  EXPECT_EQ(Target.GetPixel(0, 0), Position(2, 2));
  Source.DrawTo(Target, 2, 2, Rect(0, 0, 4, 4));
  EXPECT_EQ(Target.GetPixel(3, 3), Position(1, 1));
}

} // namespace

// ---------------------------------------------------------------------------------------
// Links and the list

namespace {

TEST(BitmapLink, MaskedRegionsOfANineSlicePicture) {
  TseBitmap Image;
  Image.SetSize(64, 64);
  Image.Clear(0xFF336699);
  *Image.PixelPtr(39, 29) = 0x00336699;
  auto Link = CreateBitmapLink(&Image, Rect(10, 10, 40, 30));
  Link->CheckMasked(Rect(4, 4, 4, 4));
  EXPECT_TRUE(Link->MaskedAngles);
  EXPECT_FALSE(Link->MaskedBorder);
  EXPECT_FALSE(Link->Masked);
  Link->CheckMasked(Rect(0, 0, 0, 4)); // a bottom band only
  EXPECT_FALSE(Link->MaskedAngles);
  EXPECT_TRUE(Link->MaskedBorder);
  EXPECT_FALSE(Link->Masked);
  Link->CheckMasked();
  EXPECT_TRUE(Link->Masked);
  EXPECT_FALSE(Link->MaskedBorder);

  *Image.PixelPtr(39, 29) = 0x33333333;            // the one value that is never a hole
  *Image.PixelPtr(20, 20) = KeyColor | 0xFF000000; // key-coloured but opaque: no hole
  Link->CheckMasked(Rect(4, 4, 4, 4));
  EXPECT_FALSE(Link->Masked || Link->MaskedBorder || Link->MaskedAngles);
  *Image.PixelPtr(20, 20) = KeyColor;
  *Image.PixelPtr(12, 20) = 0xFE000000; // left band
  Link->CheckMasked(Rect(4, 4, 4, 4));
  EXPECT_TRUE(Link->Masked);
  EXPECT_TRUE(Link->MaskedBorder);
  EXPECT_FALSE(Link->MaskedAngles);

  // Positions outside the image read as 0 and count as holes.
  auto Outside = CreateBitmapLink(&Image, Rect(60, 0, 70, 10));
  Image.Clear(0xFF000000);
  Outside->CheckMasked(Rect(2, 2, 2, 2));
  EXPECT_TRUE(Outside->Masked && Outside->MaskedBorder && Outside->MaskedAngles);
}

TEST(BitmapLink, ValidityAndAssignment) {
  TseBitmap Image;
  EXPECT_FALSE(CreateBitmapLink(nullptr, Rect(0, 0, 5, 5))->IsValid());
  EXPECT_FALSE(CreateBitmapLink(&Image, Rect(0, 0, 0, 5))->IsValid());
  EXPECT_TRUE(CreateBitmapLink(&Image, Rect(0, 0, 1, 1))->IsValid());
  Image.Name = "Form";
  auto Source = CreateBitmapLink(&Image, Rect(1, 2, 3, 4));
  Source->MaskedAngles = true;
  TseBitmapLink Copy;
  Copy.Assign(*Source);
  EXPECT_EQ(Copy.Image, &Image);
  EXPECT_EQ(Copy.Name, "Form");
  EXPECT_EQ(Copy.Rect, Rect(1, 2, 3, 4));
  EXPECT_TRUE(Copy.MaskedAngles);
  Copy.SetRight(9);
  EXPECT_EQ(Copy.Right(), 9);
}

TEST(BitmapList, FindsByNameIgnoringCaseLastMatchWins) {
  TseBitmapList List;
  for (const char* Name : {"Form", "Button", "form"}) {
    auto Bitmap = std::make_unique<TseBitmap>();
    Bitmap->Name = Name;
    List.Add(std::move(Bitmap));
  }
  auto Link = List.GetBitmapLink("FORM", Rect(0, 0, 4, 4));
  ASSERT_NE(Link, nullptr);
  EXPECT_EQ(Link->Image, List.GetBitmap(2));
  EXPECT_EQ(Link->Name, "form");
  EXPECT_EQ(List.GetBitmapLink("Forms", TRect{}), nullptr);
  EXPECT_EQ(List.GetBitmap(-1), nullptr);
  EXPECT_EQ(List.GetBitmap(3), nullptr);
  List.Clear();
  EXPECT_EQ(List.Count(), 0);
}

} // namespace
