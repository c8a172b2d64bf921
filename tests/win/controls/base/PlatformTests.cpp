// The platform layer of the skinned controls: keyboard repeat timing that follows the
// settings, monitor geometry, scroll-bar information and nested mouse capture.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/base/Platform.h"
#include "toolkit/OsVersion.h"

namespace {

TEST(Platform, KeyboardTimingFollowsTheSettings) {
  int OldDelay = 0;
  DWORD OldSpeed = 0;
  SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &OldDelay, 0);
  SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &OldSpeed, 0);
  SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 1, nullptr, 0);
  SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 31, nullptr, 0);
  EXPECT_EQ(KeyRepeatDelay(), 400);
  EXPECT_EQ(KeyRepeatInterval(), 14); // Round(1000 / 73.6)
  SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 3, nullptr, 0);
  SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 0, nullptr, 0);
  EXPECT_EQ(KeyRepeatDelay(), 800);
  EXPECT_EQ(KeyRepeatInterval(), 435); // Round(1000 / 2.3)
  SystemParametersInfoA(SPI_SETKEYBOARDDELAY, static_cast<UINT>(OldDelay), nullptr, 0);
  SystemParametersInfoA(SPI_SETKEYBOARDSPEED, OldSpeed, nullptr, 0);
}

TEST(Platform, GeometryCaptureAndScrollBars) {
  EXPECT_TRUE(UnicodePlatform());
  const TRect Screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_EQ(GetWorkArea(false), Screen);
  if (!MultiMonitor()) {
    EXPECT_EQ(MonitorRectAtPoint({5, 5}, false), Screen);
    EXPECT_EQ(MonitorRectOfWindow(GetDesktopWindow(), true), GetWorkArea(true));
  }

  const HWND Wnd = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 0, 0, 50,
                                   50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SCROLLBARINFO Info{};
  Info.cbSize = sizeof Info;
  EXPECT_TRUE(GetScrollBarInfoSafe(Wnd, OBJID_VSCROLL, Info));
  BeginMouseCapture(Wnd);
  BeginMouseCapture(Wnd);
  EndMouseCapture();
  EXPECT_EQ(GetCapture(), Wnd); // two begins need two ends
  EndMouseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(MouseCaptureDepth(), 0);
  EndMouseCapture(); // one end too many does not unbalance the next capture
  BeginMouseCapture(Wnd);
  EXPECT_EQ(GetCapture(), Wnd);
  EndMouseCapture();
  DestroyWindow(Wnd);
}

} // namespace
