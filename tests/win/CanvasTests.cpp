// Text, shapes, regions, platform geometry and visual styles, drawn into device-independent
// sections under the platform and read back pixel by pixel.

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Regions.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/GdiGuards.h"

namespace {

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000, White = 0xFFFFFF;

// A white surface with a canvas on it; colours are compared without the alpha byte.
class Surface {
public:
  Surface(int Width, int Height) {
    Bitmap.SetSize(Width, Height);
    Bitmap.Clear(0x00FFFFFF);
    Canvas.SetHandle(Bitmap.DC());
  }
  uint32_t Rgb(int X, int Y) {
    GdiFlush();
    return Bitmap.GetPixel(X, Y) & 0xFFFFFF;
  }
  static uint32_t Pixel(TColor Color) { // toolkit colour to 0xRRGGBB
    return (Color & 0xFF) << 16 | (Color & 0xFF00) | (Color >> 16 & 0xFF);
  }
  TseBitmap Bitmap;
  TCanvas Canvas;
};

TEST(Text, EllipsisKeepsTheLongestPrefixThatFits) {
  Surface S(10, 10);
  const HDC DC = S.Bitmap.DC();
  SelectObject(DC, S.Canvas.Font.Handle());
  const auto Width = [DC](const std::wstring& Text) {
    SIZE Size{};
    GetTextExtentPoint32W(DC, Text.c_str(), static_cast<int>(Text.size()), &Size);
    return static_cast<int>(Size.cx);
  };
  const std::wstring Word = L"Transparency";
  EXPECT_EQ(EllipsisText(DC, Word, Width(Word)), Word);
  EXPECT_EQ(EllipsisText(DC, Word, Width(L"Trans...")), L"Trans...");
  EXPECT_EQ(EllipsisText(DC, Word, Width(L"Transp...") - 1), L"Trans...");
  EXPECT_EQ(EllipsisText(DC, Word, Width(L"T...") - 1), L"...");
}

TEST(Text, DrawMeasureAndRotate) {
  Surface S(120, 40);
  S.Canvas.Font.SetColor(Red);
  TRect Area{0, 0, 120, 40};
  EXPECT_GT(DrawSkinText(S.Canvas, L"Mirevan", Area, DT_SINGLELINE), 0);
  int Reds = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 120; ++X) {
      const uint32_t P = S.Rgb(X, Y);
      Reds += P == 0xFF0000;
      EXPECT_TRUE(P == 0xFF0000 || P == 0xFFFFFF || (P & 0xFF) == (P >> 8 & 0xFF)) << std::hex << P;
    }
  EXPECT_GT(Reds, 10);
  EXPECT_EQ(MeasureText(S.Canvas, L"Mirevan", DT_SINGLELINE), TextWidth(S.Canvas, L"Mirevan"));
  EXPECT_EQ(MeasureText(S.Canvas, L"Mirevan", 0), TextWidth(S.Canvas, L"Mirevan"));
  EXPECT_GT(TextWidth(S.Canvas, L"Mirevan"), TextWidth(S.Canvas, L"Mire"));
}

// The flat rendering of Text into a key-coloured W x H surface, as the rotation draws it.
std::unique_ptr<TseBitmap> FlatText(const TFont& Font, const std::wstring& Text, int W, int H) {
  auto Flat = std::make_unique<TseBitmap>();
  Flat->SetSize(W, H);
  Flat->Clear(KeyColor);
  TCanvas Canvas(Flat->DC());
  Canvas.Font.Assign(Font);
  TRect Area = Flat->BoundsRect();
  DrawSkinText(Canvas, Text, Area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  GdiFlush();
  return Flat;
}

TEST(Text, RotationTurnsTheFlatRenderingAndKeepsTheBackground) {
  for (bool CounterClockwise : {true, false}) {
    Surface S(30, 90);
    S.Bitmap.Clear(0x00204060);
    S.Canvas.Font.SetColor(White);
    const TRect Rect{5, 3, 25, 83}; // 20 wide, 80 high
    DrawRotatedText(S.Canvas, L"Roll up", Rect, CounterClockwise,
                    DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    GdiFlush();
    const auto Flat = FlatText(S.Canvas.Font, L"Roll up", 80, 20);
    int TextPixels = 0;
    for (int Y = 0; Y < 90; ++Y)
      for (int X = 0; X < 30; ++X) {
        const TsePixel Seen = S.Bitmap.GetPixel(X, Y) & 0xFFFFFF;
        TsePixel Expected = 0x204060;
        if (X >= Rect.Left && X < Rect.Right && Y >= Rect.Top && Y < Rect.Bottom) {
          const int BX = X - Rect.Left, BY = Y - Rect.Top;
          // Counter-clockwise: flat (ax, ay) went to (ay, 79 - ax); clockwise to (19 - ay, ax).
          const TsePixel Source =
              CounterClockwise ? Flat->GetPixel(79 - BY, BX) : Flat->GetPixel(BY, 19 - BX);
          if ((Source & 0xFFFFFF) != 0x7F007F) {
            Expected = Source & 0xFFFFFF;
            ++TextPixels;
          }
        }
        ASSERT_EQ(Seen, Expected) << X << "," << Y << (CounterClockwise ? " ccw" : " cw");
      }
    EXPECT_GT(TextPixels, 20);
  }
}

// A scratch context of the screen measures text as the screen's own context does, is the
// same one on a thread and a thread's own elsewhere, and keeps nothing selected through it.
TEST(Text, TheScreenScratchContextMeasuresAsTheScreenAndKeepsNothing) {
  const std::wstring Sample = L"Handled Windows List: Make Transparent";
  for (const auto& [Face, Height, Weight] :
       {std::tuple{L"Tahoma", -11, FW_NORMAL}, std::tuple{L"Arial", -16, FW_BOLD},
        std::tuple{L"Courier New", -13, FW_NORMAL}}) {
    LOGFONTW Log{};
    Log.lfHeight = Height;
    Log.lfWeight = Weight;
    wcscpy_s(Log.lfFaceName, Face);
    const HFONT Font = CreateFontIndirectW(&Log);
    SIZE Screen{}, Scratch{};
    const HDC ScreenDC = GetDC(nullptr);
    const HGDIOBJ Old = SelectObject(ScreenDC, Font);
    GetTextExtentPoint32W(ScreenDC, Sample.c_str(), static_cast<int>(Sample.size()), &Screen);
    SelectObject(ScreenDC, Old);
    ReleaseDC(nullptr, ScreenDC);
    HDC First = nullptr;
    {
      const TScreenScratchDC Guard;
      First = Guard.DC();
      ASSERT_NE(First, nullptr);
      SelectObject(Guard.DC(), Font);
      GetTextExtentPoint32W(Guard.DC(), Sample.c_str(), static_cast<int>(Sample.size()), &Scratch);
    }
    EXPECT_EQ(Scratch.cx, Screen.cx) << static_cast<int>(Height);
    EXPECT_EQ(Scratch.cy, Screen.cy) << static_cast<int>(Height);
    {
      const TScreenScratchDC Again;
      EXPECT_EQ(Again.DC(), First);
      EXPECT_NE(GetCurrentObject(Again.DC(), OBJ_FONT), Font);
    }
    DeleteObject(Font); // deletable: no context holds it any more
    HDC Elsewhere = nullptr;
    std::thread([&] {
      const TScreenScratchDC Guard;
      Elsewhere = Guard.DC();
    }).join();
    EXPECT_NE(Elsewhere, nullptr);
    EXPECT_NE(Elsewhere, First);
  }
}

TEST(Shapes, EdgeLinesLeaveOutTheirEndPoints) {
  Surface S(10, 9);
  DrawEdgeLines(S.Canvas, {2, 2, 8, 7}, Red, Blue);
  const uint32_t R = Surface::Pixel(Red), B = Surface::Pixel(Blue), W = 0xFFFFFF;
  for (int Y = 0; Y < 9; ++Y)
    for (int X = 0; X < 10; ++X) {
      uint32_t Expected = W;
      if ((X == 2 && Y >= 2 && Y <= 5) || (Y == 2 && X >= 2 && X <= 6))
        Expected = R;
      if ((X == 7 && Y >= 2 && Y <= 6) || (Y == 6 && X >= 2 && X <= 7))
        Expected = B;
      EXPECT_EQ(S.Rgb(X, Y), Expected) << X << "," << Y;
    }
}

TEST(Shapes, BevelSidesMoveInwardRingByRing) {
  Surface S(9, 8);
  TRect Rect{1, 1, 7, 6};
  DrawBevelSides(S.Canvas, Rect, BevelLeft | BevelTop | BevelRight | BevelBottom, Blue, Red, 2);
  EXPECT_EQ(Rect, (TRect{3, 3, 5, 4}));
  const uint32_t R = Surface::Pixel(Red), B = Surface::Pixel(Blue);

  EXPECT_EQ(S.Rgb(1, 1), R);
  EXPECT_EQ(S.Rgb(1, 4), R);
  EXPECT_EQ(S.Rgb(1, 5), B); // the bottom line is drawn after the left one
  EXPECT_EQ(S.Rgb(6, 1), B); // the right line after the top one
  EXPECT_EQ(S.Rgb(6, 5), B);
  EXPECT_EQ(S.Rgb(7, 1), 0xFFFFFFu);
  EXPECT_EQ(S.Rgb(2, 2), R); // second ring
  EXPECT_EQ(S.Rgb(5, 3), B);
  EXPECT_EQ(S.Rgb(3, 4), B);
  EXPECT_EQ(S.Rgb(2, 3), R);
  EXPECT_EQ(S.Rgb(4, 4), B);
  EXPECT_EQ(S.Rgb(3, 3), 0xFFFFFFu); // inside both rings
  EXPECT_EQ(S.Rgb(4, 3), 0xFFFFFFu);

  TRect Left{1, 1, 7, 6};
  Surface One(9, 8);
  DrawBevelSides(One.Canvas, Left, BevelLeft, Blue, Red, 3);
  EXPECT_EQ(Left, (TRect{4, 1, 7, 6}));
  EXPECT_EQ(One.Rgb(3, 5), R);
  EXPECT_EQ(One.Rgb(4, 1), 0xFFFFFFu);
}

TEST(Shapes, GradientBandsNeverPaintTheEndColour) {
  Surface S(110, 300);
  FillGradient(S.Canvas, {0, 0, 100, 4}, 0x000000, false, 0x0064C8); // to red 200, green 100
  for (int X = 0; X < 100; ++X)
    ASSERT_EQ(S.Rgb(X, 2), static_cast<uint32_t>((2 * X) << 16 | X << 8)) << X;
  EXPECT_EQ(S.Rgb(100, 2), 0xFFFFFFu);

  FillGradient(S.Canvas, {0, 10, 1, 20}, 0x000000, false, White); // one pixel wide: one band
  EXPECT_EQ(S.Rgb(0, 15), 0u);

  // Vertical over 280 rows: 255 bands of MulDiv(k, 280, 255) rows each.
  FillGradient(S.Canvas, {105, 10, 110, 290}, 0x000000, true, 0xFF0000); // toward blue
  EXPECT_EQ(S.Rgb(107, 10), 0u);
  EXPECT_EQ(S.Rgb(107, 289), 254u); // band 254, not 255
  uint32_t Previous = 0;
  for (int Y = 10; Y < 290; ++Y) {
    EXPECT_GE(S.Rgb(107, Y), Previous);
    Previous = S.Rgb(107, Y);
  }
  // Fewer rows than 255: one band per row.
  FillGradient(S.Canvas, {0, 50, 2, 60}, 0x000000, true, 0x0000FF);
  for (int Y = 0; Y < 10; ++Y)
    EXPECT_EQ(S.Rgb(1, 50 + Y), static_cast<uint32_t>(Y * 255 / 10) << 16) << Y;
}

TEST(Shapes, DitheredCheckerboardStartsAtZero) {
  Surface S(12, 8);
  FillDithered(S.Canvas, {-3, -2, 10, 6}, Red, Blue);
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 12; ++X) {
      const uint32_t Expected = X >= 10 || Y >= 6    ? 0xFFFFFF
                                : (X % 2) == (Y % 2) ? Surface::Pixel(Blue)
                                                     : Surface::Pixel(Red);
      EXPECT_EQ(S.Rgb(X, Y), Expected) << X << "," << Y;
    }
}

TEST(Shapes, OutlinesAndFills) {
  Surface S(10, 10);
  DrawRectOutline(S.Canvas, {1, 1, 5, 5}, Red);
  EXPECT_EQ(S.Rgb(1, 1), Surface::Pixel(Red));
  EXPECT_EQ(S.Rgb(4, 4), Surface::Pixel(Red));
  EXPECT_EQ(S.Rgb(2, 2), 0xFFFFFFu);
  EXPECT_EQ(S.Rgb(5, 5), 0xFFFFFFu);
  FillRectColor(S.Canvas, 6, 6, 8, 8, Blue);
  EXPECT_EQ(S.Rgb(7, 7), Surface::Pixel(Blue));
  EXPECT_EQ(S.Rgb(8, 8), 0xFFFFFFu);
  EXPECT_EQ(S.Canvas.Brush.Color, Blue); // the canvas keeps what the routine set
  DrawLine(S.Canvas, 0, 9, 4, 9, Red);
  EXPECT_EQ(S.Rgb(3, 9), Surface::Pixel(Red));
  EXPECT_EQ(S.Rgb(4, 9), 0xFFFFFFu);
}

TEST(Shapes, RoundedPolygonsDitheredPolygonsAndIcons) {
  Surface S(40, 40);
  FillRoundRect(S.Canvas, {0, 0, 20, 20}, 12, Red);
  EXPECT_EQ(S.Rgb(10, 10), Surface::Pixel(Red));
  EXPECT_EQ(S.Rgb(0, 0), 0xFFFFFFu); // the rounded corner
  EXPECT_EQ(S.Rgb(10, 0), Surface::Pixel(Red));

  const POINT Triangle[] = {{20, 20}, {39, 20}, {20, 39}};
  FillPolygon(S.Canvas, Triangle, 2, Blue);
  EXPECT_EQ(S.Rgb(24, 24), Surface::Pixel(Blue));
  EXPECT_EQ(S.Rgb(38, 38), 0xFFFFFFu);

  Surface D(20, 20);
  const POINT Square[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
  FillPolygonDithered(D.Canvas, Square, 3, Red, Blue);
  EXPECT_EQ(D.Rgb(4, 4), Surface::Pixel(Blue)); // both even
  EXPECT_EQ(D.Rgb(5, 4), Surface::Pixel(Red));
  EXPECT_EQ(D.Rgb(15, 15), 0xFFFFFFu);

  Surface I(60, 40);
  I.Bitmap.Clear(0x00000000);
  DrawIconCentered(I.Canvas, {0, 0, 60, 40}, nullptr); // no icon: nothing
  DrawIconCentered(I.Canvas, {0, 0, 60, 40}, LoadIconA(nullptr, IDI_APPLICATION));
  // The 16 x 16 box sits at (22, 12); the icon is drawn from there at its own size.
  int Outside = 0, Inside = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 60; ++X)
      (X >= 22 && Y >= 12 ? Inside : Outside) += I.Rgb(X, Y) != 0;
  EXPECT_EQ(Outside, 0);
  EXPECT_GT(Inside, 0);
}

TEST(Regions, OneRectanglePerRunReadBackFromThePlatform) {
  TseBitmap Picture;
  Picture.SetSize(4, 2);
  Picture.Clear(0xFFFF0000);
  *Picture.PixelPtr(0, 0) = KeyColor;
  *Picture.PixelPtr(1, 0) = KeyColor;
  const TRegionHandle Owned = CreateRegionFromBitmap(Picture, 10, 20);
  const HRGN Region = Owned.get();
  ASSERT_NE(Region, nullptr);
  std::vector<uint8_t> Data(GetRegionData(Region, 0, nullptr));
  GetRegionData(Region, static_cast<DWORD>(Data.size()), reinterpret_cast<RGNDATA*>(Data.data()));
  const auto* Header = reinterpret_cast<const RGNDATAHEADER*>(Data.data());
  const auto* Rects = reinterpret_cast<const RECT*>(Data.data() + Header->dwSize);
  ASSERT_EQ(Header->nCount, 2u);
  EXPECT_EQ(Rects[0].left, 12);
  EXPECT_EQ(Rects[0].top, 20);
  EXPECT_EQ(Rects[0].right, 14);
  EXPECT_EQ(Rects[0].bottom, 21);
  EXPECT_EQ(Rects[1].left, 10);
  EXPECT_EQ(Rects[1].top, 21);
  EXPECT_EQ(Rects[1].right, 14);
  EXPECT_EQ(Rects[1].bottom, 22);
  EXPECT_EQ(CreateRegionFromBitmap(TseBitmap(), 0, 0).get(), nullptr);
}

TEST(Regions, MoreRunsThanOneBufferGiveTheirUnion) {
  TseBitmap Picture;
  Picture.SetSize(200, 100); // every other pixel a hole: 10,000 runs
  for (int Y = 0; Y < 100; ++Y)
    for (int X = 0; X < 200; ++X)
      *Picture.PixelPtr(X, Y) = (X + Y) % 2 ? KeyColor : 0xFF000000;
  const TRegionHandle Owned = CreateRegionFromBitmap(Picture, 3, 4);
  const HRGN Region = Owned.get();
  ASSERT_NE(Region, nullptr);
  for (int Y = 0; Y < 100; ++Y)
    for (int X = 0; X < 200; ++X)
      ASSERT_EQ(PtInRegion(Region, X + 3, Y + 4) != FALSE, (X + Y) % 2 == 0) << X << "," << Y;
  RECT Box;
  GetRgnBox(Region, &Box);
  EXPECT_EQ(Box.left, 3);
  EXPECT_EQ(Box.right, 203);
}

TEST(Regions, PointInPolygonUsesTheWindingRule) {
  // A five-pointed star drawn in one stroke: its centre is inside only by winding.
  const POINT Star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  EXPECT_TRUE(PointInPolygon({50, 45}, Star, 4));
  EXPECT_TRUE(PointInPolygon({50, 10}, Star, 4));
  EXPECT_FALSE(PointInPolygon({5, 80}, Star, 4));
  const POINT Square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(PointInPolygon({0, 0}, Square, 3));
  EXPECT_FALSE(PointInPolygon({10, 5}, Square, 3));
}

TEST(VisualStyles, CountedLoadingAndTheQuery) {
  ASSERT_EQ(ThemeLibraryReferences(), 1); // loaded once when the program started
  const HMODULE Theme = LoadLibraryA("uxtheme.dll");
  ASSERT_NE(Theme, nullptr); // Wine has the library
  using TQuery = BOOL(WINAPI*)();
  const auto AppThemed =
      reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(Theme, "IsAppThemed")));
  const auto ThemeActive =
      reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(Theme, "IsThemeActive")));
  EXPECT_EQ(VisualStylesActive(), AppThemed() && ThemeActive());
  EXPECT_TRUE(LoadThemeLibrary());
  EXPECT_EQ(ThemeLibraryReferences(), 2);
  ReleaseThemeLibrary();
  ReleaseThemeLibrary();
  EXPECT_EQ(ThemeLibraryReferences(), 0);
  EXPECT_FALSE(VisualStylesActive()); // unloaded: the answer is no
  ReleaseThemeLibrary();
  EXPECT_EQ(ThemeLibraryReferences(), 0);
  EXPECT_TRUE(LoadThemeLibrary());
  FreeLibrary(Theme);
}

} // namespace
