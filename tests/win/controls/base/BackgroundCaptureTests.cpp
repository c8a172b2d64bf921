// The background capture on the real desktop: a patterned window under the captured
// rectangle, a solid window standing for the frame that moves over it. What the frame
// covered comes from the previous capture, the rest from the screen.

#include <windows.h>

#include <gtest/gtest.h>
#include <vector>

#include "controls/base/BackgroundCapture.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

constexpr const char* PatternClass = "MirevanCapturePattern";
constexpr TRect PatternBounds = Rect(100, 100, 300, 250);
constexpr COLORREF Solid = RGB(0x20, 0xE0, 0x30);

// The pattern's colour (0x00RRGGBB) at screen point (X, Y); Variant tells repaints apart.
uint32_t PatternAt(int32_t X, int32_t Y, uint8_t Variant) {
  const auto Red = static_cast<uint32_t>((X * 3) & 0xFF);
  const auto Green = static_cast<uint32_t>((Y * 5) & 0xFF);
  return Red << 16 | Green << 8 | Variant;
}

// A popup that paints the pattern of its GWLP_USERDATA variant, or one solid colour when
// that is 0.
LRESULT CALLBACK PatternProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ERASEBKGND)
    return 1;
  if (Msg != WM_PAINT)
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
  PAINTSTRUCT Paint;
  HDC DC = BeginPaint(Wnd, &Paint);
  RECT Client;
  GetClientRect(Wnd, &Client);
  POINT Origin{0, 0};
  ClientToScreen(Wnd, &Origin);
  const auto Variant = static_cast<uint8_t>(GetWindowLongPtrA(Wnd, GWLP_USERDATA));
  std::vector<uint32_t> Pixels(static_cast<size_t>(Client.right) * Client.bottom);
  for (int Y = 0; Y < Client.bottom; ++Y)
    for (int X = 0; X < Client.right; ++X)
      Pixels[static_cast<size_t>(Y) * Client.right + X] =
          Variant ? PatternAt(Origin.x + X, Origin.y + Y, Variant)
                  : (GetRValue(Solid) << 16 | GetGValue(Solid) << 8 | GetBValue(Solid));
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof Info.bmiHeader;
  Info.bmiHeader.biWidth = Client.right;
  Info.bmiHeader.biHeight = -Client.bottom;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  SetDIBitsToDevice(DC, 0, 0, Client.right, Client.bottom, 0, 0, 0, Client.bottom, Pixels.data(),
                    &Info, DIB_RGB_COLORS);
  EndPaint(Wnd, &Paint);
  return 0;
}

class BackgroundCaptureTest : public ::testing::Test {
protected:
  void SetUp() override {
    WNDCLASSEXA Class{};
    Class.cbSize = sizeof Class;
    Class.lpfnWndProc = PatternProc;
    Class.hInstance = GetModuleHandleA(nullptr);
    Class.lpszClassName = PatternClass;
    RegisterClassExA(&Class); // fails harmlessly when registered already
    Pattern = Popup(PatternBounds, 1);
  }
  void TearDown() override {
    if (Frame)
      DestroyWindow(Frame);
    DestroyWindow(Pattern);
  }

  static HWND Popup(const TRect& R, uint8_t Variant) {
    HWND Wnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, PatternClass, "", WS_POPUP, R.Left,
                               R.Top, R.Width(), R.Height(), nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(Wnd, GWLP_USERDATA, Variant);
    ShowWindow(Wnd, SW_SHOWNOACTIVATE);
    Repaint(Wnd, Variant);
    return Wnd;
  }
  static void Repaint(HWND Wnd, uint8_t Variant) {
    SetWindowLongPtrA(Wnd, GWLP_USERDATA, Variant);
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(50);
  }
  // The screen's colour at a point, 0x00RRGGBB.
  static uint32_t ScreenAt(int32_t X, int32_t Y) {
    HDC DC = GetDC(nullptr);
    const COLORREF C = GetPixel(DC, X, Y);
    ReleaseDC(nullptr, DC);
    return GetRValue(C) << 16 | GetGValue(C) << 8 | GetBValue(C);
  }
  // Every pixel of the capture against Expected(screen X, screen Y), alpha opaque.
  template <class F> static void ExpectCapture(const TSeBackgroundCapture& Capture, F&& Expected) {
    const TseBitmap* Bitmap = Capture.Bitmap();
    ASSERT_NE(Bitmap, nullptr);
    const TRect R = Capture.Rect();
    ASSERT_EQ(Bitmap->Width(), R.Width());
    ASSERT_EQ(Bitmap->Height(), R.Height());
    for (int32_t Y = 0; Y < R.Height(); ++Y)
      for (int32_t X = 0; X < R.Width(); ++X)
        ASSERT_EQ(Bitmap->GetPixel(X, Y), 0xFF000000 | Expected(R.Left + X, R.Top + Y))
            << "at screen " << R.Left + X << "," << R.Top + Y;
  }

  HWND Pattern = nullptr;
  HWND Frame = nullptr;
};

TEST_F(BackgroundCaptureTest, TheFramesOldPlaceComesFromThePreviousCapture) {
  TSeBackgroundCapture Capture;
  EXPECT_EQ(Capture.Bitmap(), nullptr);
  const TRect First = Rect(140, 130, 220, 190);
  ASSERT_TRUE(Capture.Capture(nullptr, First));
  EXPECT_EQ(Capture.Rect(), First);
  ExpectCapture(Capture, [](int32_t X, int32_t Y) { return PatternAt(X, Y, 1); });

  // The frame appears where the capture was taken, and the pattern under it changes.
  Repaint(Pattern, 2);
  Frame = Popup(First, 0);
  ASSERT_EQ(
      ScreenAt(First.Left + 10, First.Top + 10),
      static_cast<uint32_t>(GetRValue(Solid) << 16 | GetGValue(Solid) << 8 | GetBValue(Solid)));

  // Moved by (24, 16): the overlap is what was behind the frame, the rest today's screen.
  const TRect Second = Rect(164, 146, 244, 206);
  ASSERT_TRUE(Capture.Capture(Frame, Second));
  EXPECT_EQ(Capture.Rect(), Second);
  ExpectCapture(Capture, [&](int32_t X, int32_t Y) {
    const bool Covered = X >= First.Left && X < First.Right && Y >= First.Top && Y < First.Bottom;
    return PatternAt(X, Y, Covered ? 1 : 2);
  });

  // The same rectangle again is not taken anew, whatever the screen shows now.
  Repaint(Pattern, 3);
  const TseBitmap* Held = Capture.Bitmap();
  EXPECT_TRUE(Capture.Capture(Frame, Second));
  EXPECT_EQ(Capture.Bitmap(), Held);
  EXPECT_EQ(Capture.Bitmap()->GetPixel(Second.Width() - 1, Second.Height() - 1),
            0xFF000000 | PatternAt(Second.Right - 1, Second.Bottom - 1, 2));
}

TEST_F(BackgroundCaptureTest, AHiddenFrameOrABlockKeepsToTheScreenAndTheOldCapture) {
  TSeBackgroundCapture Capture;
  const TRect First = Rect(140, 130, 220, 190);
  Frame = Popup(First, 0);
  ASSERT_TRUE(Capture.Capture(Frame, First)); // shows the frame: nothing older to use
  ShowWindow(Frame, SW_HIDE);
  PumpFor(50);

  // Blocked (as while the frame is refreshed), a new rectangle leaves the capture as it was.
  {
    TSeCaptureBlock Block(Capture);
    EXPECT_FALSE(Capture.Capture(Frame, Rect(150, 140, 230, 200)));
    EXPECT_EQ(Capture.Rect(), First);
  }
  EXPECT_FALSE(Capture.Blocked());

  // The hidden frame is no longer on the screen: all of the new rectangle is the screen's.
  const TRect Second = Rect(150, 140, 230, 200);
  ASSERT_TRUE(Capture.Capture(Frame, Second));
  ExpectCapture(Capture, [](int32_t X, int32_t Y) { return PatternAt(X, Y, 1); });

  Capture.Clear();
  EXPECT_EQ(Capture.Bitmap(), nullptr);
  EXPECT_TRUE(Capture.Rect().IsEmpty());
}

} // namespace
