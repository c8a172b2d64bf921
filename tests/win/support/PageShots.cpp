#include "tests/win/support/PageShots.h"

#include <windows.h>

#include "app/TransparentMgr.h"
#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/ScreenBackdrop.h"
#include "tests/win/support/WinTestSupport.h"

std::string PageShotSettings() {
  return "TransparentStart=0\r\nTransparentNewWindow=0\r\nTransparency=150";
}

void ClearAutoStart() {
  HKEY Key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, TStatus::AutoStartKey, 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &Key, nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(Key, TStatus::AutoStartValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
  RegCloseKey(Key);
}

namespace {

// Far from the window, which the program centres on the desktop.
POINT ParkingPlace() {
  return {GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2};
}

} // namespace

TSkinPicture ShootPage(const TMirevanProcess& Mirevan, int Index) {
  const HWND Main = Mirevan.MainWindow();
  if (!Mirevan.ClickTab(Index) || !WaitUntil([&] { return Mirevan.ActivePage() == Index; }, 3000) ||
      !PointAt(ParkingPlace()))
    return {};
  WaitUntil([&] { return GetForegroundWindow() == Main; }, 2000);
  // Settled: the same pixels in three looks in a row, 100 ms apart.
  RECT Bounds{};
  std::vector<uint32_t> Last;
  int Same = 0;
  const bool Settled = WaitUntil(
      [&] {
        Sleep(100);
        GetWindowRect(Main, &Bounds);
        std::vector<uint32_t> Now = ScreenPixels(Bounds);
        Same = Now == Last ? Same + 1 : 0;
        Last = std::move(Now);
        return Same >= 2;
      },
      10000);
  if (!Settled)
    return {};
  TSkinPicture Shot{Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, std::move(Last)};
  // What lies outside the window's region is whatever happens to be behind the window: it
  // is left out, so the picture shows the region's shape and nothing else.
  const HRGN Region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(Main, Region) != ERROR)
    for (int Y = 0; Y < Shot.Height; ++Y)
      for (int X = 0; X < Shot.Width; ++X)
        if (!PtInRegion(Region, X, Y))
          Shot.Pixels[static_cast<size_t>(Y) * Shot.Width + X] = OutsideTheRegion;
  DeleteObject(Region);
  return Shot;
}

std::string PageReferenceName(const std::string& Dir, int Index) {
  static const char* const Names[] = {"0-Operate", "1-WindowsList", "2-DragOperate", "3-Settings",
                                      "4-About", "5-Shortcuts"};
  return Dir + "/" + Names[Index] + ".png";
}
