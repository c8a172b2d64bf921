#include "controls/base/Platform.h"

#include <cmath>

#include "toolkit/SystemLibrary.h"

namespace {

// Set once when the program starts.
struct TPlatform {
  using TMonitorFromRect = HMONITOR(WINAPI*)(LPCRECT, DWORD);
  using TMonitorFromPoint = HMONITOR(WINAPI*)(POINT, DWORD);
  using TMonitorFromWindow = HMONITOR(WINAPI*)(HWND, DWORD);
  using TGetMonitorInfo = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
  using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);

  TPlatform() {
    const HMODULE User = GetModuleHandleA("user32.dll");
    MonitorFromRect = LibraryProc<TMonitorFromRect>(User, "MonitorFromRect");
    MonitorFromPoint = LibraryProc<TMonitorFromPoint>(User, "MonitorFromPoint");
    MonitorFromWindow = LibraryProc<TMonitorFromWindow>(User, "MonitorFromWindow");
    GetMonitorInfo = LibraryProc<TGetMonitorInfo>(User, "GetMonitorInfoA");
    GetScrollBarInfo = LibraryProc<TGetScrollBarInfo>(User, "GetScrollBarInfo");
  }

  TMonitorFromRect MonitorFromRect = nullptr;
  TMonitorFromPoint MonitorFromPoint = nullptr;
  TMonitorFromWindow MonitorFromWindow = nullptr;
  TGetMonitorInfo GetMonitorInfo = nullptr;
  TGetScrollBarInfo GetScrollBarInfo = nullptr;
};

const TPlatform GPlatform;

int GCaptureDepth = 0;
HWND GCaptureWindow = nullptr;

TRect MonitorRect(HMONITOR Monitor, bool UseWorkArea) {
  MONITORINFO Info{};
  Info.cbSize = sizeof Info;
  if (!Monitor || !GPlatform.GetMonitorInfo(Monitor, &Info))
    return GetWorkArea(UseWorkArea);
  const RECT& R = UseWorkArea ? Info.rcWork : Info.rcMonitor;
  return {R.left, R.top, R.right, R.bottom};
}

} // namespace

bool MultiMonitor() {
  return GetSystemMetrics(SM_CMONITORS) > 1 && GPlatform.MonitorFromRect &&
         GPlatform.MonitorFromPoint && GPlatform.GetMonitorInfo;
}

TRect GetWorkArea(bool UseWorkArea) {
  RECT Area;
  if (UseWorkArea && SystemParametersInfoA(SPI_GETWORKAREA, 0, &Area, 0))
    return {Area.left, Area.top, Area.right, Area.bottom};
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TRect MonitorRectAtPoint(POINT Point, bool UseWorkArea) {
  if (!MultiMonitor())
    return GetWorkArea(UseWorkArea);
  return MonitorRect(GPlatform.MonitorFromPoint(Point, MONITOR_DEFAULTTONEAREST), UseWorkArea);
}

TRect MonitorRectOfWindow(HWND Window, bool UseWorkArea) {
  if (!MultiMonitor() || !GPlatform.MonitorFromWindow)
    return GetWorkArea(UseWorkArea);
  return MonitorRect(GPlatform.MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), UseWorkArea);
}

int KeyRepeatDelay() {
  int Delay = 0;
  SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &Delay, 0);
  return Delay * 200 + 200;
}

int KeyRepeatInterval() {
  DWORD Speed = 0;
  SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &Speed, 0);
  return static_cast<int>(std::nearbyint(1000.0 / ((Speed + 1) * 2.3)));
}

BOOL GetScrollBarInfoSafe(HWND Window, LONG Object, SCROLLBARINFO& Info) {
  if (GPlatform.GetScrollBarInfo)
    return GPlatform.GetScrollBarInfo(Window, Object, &Info);
  Info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return 0;
}

void BeginMouseCapture(HWND Window) {
  if (GCaptureDepth == 0) {
    GCaptureWindow = Window;
    SetCapture(Window);
  }
  ++GCaptureDepth;
}

void EndMouseCapture() {
  if (GCaptureDepth == 0)
    return;
  if (--GCaptureDepth == 0) {
    if (GCaptureWindow && GetCapture() == GCaptureWindow)
      ReleaseCapture();
    GCaptureWindow = nullptr;
  }
}

int MouseCaptureDepth() { return GCaptureDepth; }
