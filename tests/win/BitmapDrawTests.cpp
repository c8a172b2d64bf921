// Surfaces drawn onto real devices under the platform: straight into 32- and 24-bit
// device-independent sections, through the platform onto device bitmaps and windows, and
// converted to and from the toolkit's graphics.

#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

#include "gfx/Animation.h"
#include "gfx/Bitmap.h"
#include "gfx/BmpDecoder.h"
#include "toolkit/Graphics.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/SysUtils.h"

namespace {

TsePixel Position(int X, int Y) { return 0xFF000000u | static_cast<TsePixel>(X) << 8 | Y; }

template <class F> void Paint(TseBitmap& Bitmap, F Value) {
  for (int Y = 0; Y < Bitmap.Height(); ++Y)
    for (int X = 0; X < Bitmap.Width(); ++X)
      *Bitmap.PixelPtr(X, Y) = Value(X, Y);
}

COLORREF Rgb(TsePixel Pixel) { return RGB(Pixel >> 16 & 0xFF, Pixel >> 8 & 0xFF, Pixel & 0xFF); }

TEST(Draw, IntoA32BitSectionMatchesDrawTo) {
  TseBitmap Source, ByDevice, ByMemory;
  Source.SetSize(10, 10);
  Paint(Source,
        [](int X, int Y) { return static_cast<TsePixel>((X * 25) << 24 | Position(X, Y)); });
  Source.AlphaBlend = true;
  for (TseBitmap* Target : {&ByDevice, &ByMemory}) {
    Target->SetSize(16, 12);
    Target->Clear(0xFF204060);
  }
  for (const TRect& Dst : {Rect(-5, 1, 15, 21), Rect(3, 2, 8, 7), Rect(0, 0, 10, 10)}) {
    Source.Draw(ByDevice.DC(), Dst, Rect(1, 1, 9, 9));
    Source.DrawTo(ByMemory, Dst, Rect(1, 1, 9, 9));
  }
  ASSERT_EQ(std::memcmp(ByDevice.Bits(), ByMemory.Bits(), 16 * 12 * 4), 0);
}

TEST(Draw, TheWindowOriginShiftsTheDestination) {
  TseBitmap Source, Target;
  Source.SetSize(100, 1);
  Paint(Source, Position);
  Target.SetSize(100, 2);
  SetWindowOrgEx(Target.DC(), 5, -1, nullptr);
  Source.Draw(Target.DC(), 0, 0); // lands at (-5, 1) of the memory
  SetWindowOrgEx(Target.DC(), 0, 0, nullptr);
  // The clipped start samples source column 4 first, then the next one at every column.
  EXPECT_EQ(Target.GetPixel(0, 1), Position(4, 0));
  EXPECT_EQ(Target.GetPixel(1, 1), Position(5, 0));
  EXPECT_EQ(Target.GetPixel(0, 0), 0u);
}

// A 24-bit device-independent section of 7 x 3 (rows padded to 24 bytes), selected into a
// memory device context.
class Section24 {
public:
  Section24() {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = 7;
    Info.bmiHeader.biHeight = 3;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 24;
    Bitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits),
                              nullptr, 0);
    DC = CreateCompatibleDC(nullptr);
    Old = SelectObject(DC, Bitmap);
    std::memset(Bits, 0xEE, 24 * 3);
  }
  ~Section24() {
    SelectObject(DC, Old);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  // Blue, green, red of pixel (x, y) counted from the top.
  uint32_t Pixel(int X, int Y) const {
    const uint8_t* P = Bits + (2 - Y) * 24 + X * 3;
    return P[0] | P[1] << 8 | P[2] << 16;
  }
  HBITMAP Bitmap;
  HDC DC;
  HGDIOBJ Old;
  uint8_t* Bits = nullptr;
};

TEST(Draw, IntoA24BitSection) {
  Section24 Target;
  TseBitmap Source;
  Source.SetSize(3, 1);
  *Source.PixelPtr(0, 0) = 0x00112233;
  *Source.PixelPtr(1, 0) = 0xFF112233;
  *Source.PixelPtr(2, 0) = 0x80FF0000;
  Source.AlphaBlend = true;
  Source.Draw(Target.DC, 4, 1);
  EXPECT_EQ(Target.Pixel(4, 1), 0xEEEEEEu);                                     // alpha 0
  EXPECT_EQ(Target.Pixel(5, 1), 0x112233u);                                     // alpha 255
  EXPECT_EQ(Target.Pixel(6, 1), BlendPixel(0x80FF0000, 0x00EEEEEE) & 0xFFFFFF); // blended
  EXPECT_EQ(Target.Bits[1 * 24 + 21], 0xEE); // the row's padding is left alone
  EXPECT_EQ(Target.Pixel(3, 1), 0xEEEEEEu);

  Source.AlphaBlend = false;
  Source.Transparent = true;
  *Source.PixelPtr(1, 0) = 0xFF7F007F;
  Source.Draw(Target.DC, 0, 0);
  EXPECT_EQ(Target.Pixel(0, 0), 0x112233u);
  EXPECT_EQ(Target.Pixel(1, 0), 0xEEEEEEu); // key-coloured, whatever its alpha
  EXPECT_EQ(Target.Pixel(2, 0), 0xFF0000u);
}

// A device bitmap like the screen's: no pixel memory to write, so the platform draws.
class DeviceBitmap {
public:
  DeviceBitmap(int Width, int Height) {
    const HDC Screen = GetDC(nullptr);
    Bitmap = CreateCompatibleBitmap(Screen, Width, Height);
    ReleaseDC(nullptr, Screen);
    DC = CreateCompatibleDC(nullptr);
    Old = SelectObject(DC, Bitmap);
    const RECT All{0, 0, Width, Height};
    const HBRUSH Blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(DC, &All, Blue);
    DeleteObject(Blue);
  }
  ~DeviceBitmap() {
    SelectObject(DC, Old);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  HBITMAP Bitmap;
  HDC DC;
  HGDIOBJ Old;
};

TEST(Draw, ThroughThePlatformInEveryMode) {
  DeviceBitmap Target(8, 2);
  TseBitmap Source;
  Source.SetSize(4, 1);
  const TsePixel Pixels[] = {0x00FF0000, 0xFF00FF00, 0x80FF0000, 0xFF7F007F};
  std::memcpy(Source.Bits(), Pixels, sizeof Pixels);

  Source.Draw(Target.DC, 0, 0); // copy
  for (int X = 0; X < 4; ++X)
    EXPECT_EQ(GetPixel(Target.DC, X, 0), Rgb(Pixels[X])) << X;

  Source.AlphaBlend = true;
  Source.Draw(Target.DC, 4, 0);
  EXPECT_EQ(GetPixel(Target.DC, 4, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(Target.DC, 5, 0), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(Target.DC, 6, 0), Rgb(BlendPixel(0x80FF0000, 0xFF0000FF)));

  Source.AlphaBlend = false;
  Source.Transparent = true;
  *Source.PixelPtr(0, 0) = KeyColor;
  Source.Draw(Target.DC, Rect(0, 1, 8, 2), Source.BoundsRect()); // scaled 2:1
  EXPECT_EQ(GetPixel(Target.DC, 0, 1), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(Target.DC, 1, 1), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(Target.DC, 2, 1), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(Target.DC, 7, 1), RGB(0, 0, 255));
  EXPECT_TRUE(TransparentBltAvailable());
}

LRESULT CALLBACK PlainWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ERASEBKGND)
    return 1;
  return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

TEST(Draw, OntoAWindow) {
  WNDCLASSA Class{};
  Class.lpfnWndProc = PlainWindowProc;
  Class.hInstance = GetModuleHandleA(nullptr);
  Class.lpszClassName = "MirevanDrawTarget";
  RegisterClassA(&Class);
  const HWND Wnd =
      CreateWindowExA(WS_EX_TOPMOST, "MirevanDrawTarget", "draw", WS_POPUP | WS_VISIBLE, 10, 10, 40,
                      40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(Wnd, nullptr);
  UpdateWindow(Wnd);
  TseBitmap Source;
  Source.SetSize(4, 4);
  Paint(Source,
        [](int X, int Y) { return 0xFF000000u | static_cast<TsePixel>(X * 60) << 16 | Y * 60; });
  const HDC DC = GetDC(Wnd);
  Source.Draw(DC, Rect(2, 2, 10, 10), Source.BoundsRect());
  GdiFlush();
  EXPECT_EQ(GetPixel(DC, 2, 2), Rgb(Source.GetPixel(0, 0)));
  EXPECT_EQ(GetPixel(DC, 9, 9), Rgb(Source.GetPixel(3, 3)));
  EXPECT_EQ(GetPixel(DC, 4, 8), Rgb(Source.GetPixel(1, 3)));
  ReleaseDC(Wnd, DC);
  DestroyWindow(Wnd);
}

TEST(Tile, ThirtyByTwentyIntoSeventyByFifty) {
  TseBitmap Source, Target;
  Source.SetSize(40, 30);
  Paint(Source, Position);
  Target.SetSize(80, 60);
  Target.Clear(0x11111111);
  Source.Tile(Target.DC(), Rect(5, 4, 75, 54), Rect(2, 3, 32, 23));
  for (int Y = 0; Y < 60; ++Y)
    for (int X = 0; X < 80; ++X) {
      const bool Inside = X >= 5 && X < 75 && Y >= 4 && Y < 54;
      // Three columns (the last 10 wide) of three rows (the last 10 high), each piece from
      // the part's top-left corner.
      const TsePixel Expected = Inside ? Position(2 + (X - 5) % 30, 3 + (Y - 4) % 20) : 0x11111111u;
      ASSERT_EQ(Target.GetPixel(X, Y), Expected) << X << "," << Y;
    }
  Source.Tile(Target.DC(), Rect(0, 0, 80, 60), Rect(0, 0, 0, 5)); // no tile area: nothing
  EXPECT_EQ(Target.GetPixel(0, 0), 0x11111111u);
}

TEST(Transition, PlaysOntoADeviceAndEndsWithTheNewImage) {
  TseBitmap Screen, Old, New;
  Screen.SetSize(50, 40);
  Screen.Clear(0xFF000000);
  Old.SetSize(30, 20);
  Old.Clear(0xFF0000FF);
  New.SetSize(30, 20);
  Paint(New, Position);
  TseAnimationRec Settings;
  Settings.SetEffect("Fade");
  Settings.SetTime(50);
  PlayAnimation(Screen.DC(), 10, 5, Settings, New, Old);
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 50; ++X) {
      const bool Inside = X >= 10 && X < 40 && Y >= 5 && Y < 25;
      ASSERT_EQ(Screen.GetPixel(X, Y), Inside ? Position(X - 10, Y - 5) : 0xFF000000u)
          << X << "," << Y;
    }
}

TEST(ToolkitGraphics, ThePortableBmpDecoderAgreesWithThePlatform) {
  for (const char* Name : {"DragOn.bmp", "DragOff.bmp"}) {
    const std::string Path = ExtractFilePath(ExeFileName()) + Name;
    TBitmap Platform;
    Platform.LoadFromFile(Path);
    TseBitmap FromPlatform;
    FromPlatform.Assign(Platform);
    const HANDLE File = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(File, INVALID_HANDLE_VALUE);
    std::vector<uint8_t> Bytes(GetFileSize(File, nullptr));
    DWORD Read = 0;
    ReadFile(File, Bytes.data(), static_cast<DWORD>(Bytes.size()), &Read, nullptr);
    CloseHandle(File);
    TseBitmap Decoded;
    DecodeBmp(Bytes.data(), Bytes.size(), Decoded);
    ASSERT_EQ(Decoded.Width(), FromPlatform.Width());
    ASSERT_EQ(Decoded.Height(), FromPlatform.Height());
    EXPECT_EQ(std::memcmp(Decoded.Bits(), FromPlatform.Bits(),
                          static_cast<size_t>(Decoded.Width()) * Decoded.Height() * 4),
              0)
        << Name;
  }
}

TEST(ToolkitGraphics, AssignFromABitmapAndAnIconAndBack) {
  TBitmap Picture;
  Picture.LoadFromFile(ExtractFilePath(ExeFileName()) + "DragOff.bmp");
  TseBitmap Surface;
  Surface.Assign(Picture);
  ASSERT_EQ(Surface.Width(), 32);
  ASSERT_EQ(Surface.Height(), 32);
  const TBitmapDC Original(Picture.Handle());
  for (int Y = 0; Y < 32; Y += 5)
    for (int X = 0; X < 32; X += 5) {
      EXPECT_EQ(Rgb(Surface.GetPixel(X, Y)), GetPixel(Original.Handle(), X, Y));
      EXPECT_EQ(Surface.GetPixel(X, Y) >> 24, 255u);
    }

  TIcon Icon;
  Icon.SetHandle(LoadIconA(nullptr, IDI_APPLICATION));
  ASSERT_FALSE(Icon.Empty());
  TseBitmap FromIcon;
  FromIcon.Assign(Icon);
  ASSERT_EQ(FromIcon.Width(), Icon.Width());
  int Untouched = 0, Painted = 0;
  for (int Y = 0; Y < FromIcon.Height(); ++Y)
    for (int X = 0; X < FromIcon.Width(); ++X) {
      const TsePixel Pixel = FromIcon.GetPixel(X, Y);
      EXPECT_EQ(Pixel >> 24, 255u);
      (Pixel == 0xFF000000u ? Untouched : Painted)++;
    }
  EXPECT_GT(Painted, 0);
  EXPECT_GT(Untouched, 0); // the icon's transparent parts leave the surface as it was

  TBitmap Back;
  Surface.Transparent = false;
  Surface.AssignTo(Back);
  EXPECT_EQ(Back.Width(), 32);
  const TBitmapDC Copy(Back.Handle());
  EXPECT_EQ(GetPixel(Copy.Handle(), 7, 9), Rgb(Surface.GetPixel(7, 9)));
  try {
    Surface.Assign(TFont());
    FAIL() << "a font became a surface";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TFont to a TseBitmap");
  }
}

} // namespace
