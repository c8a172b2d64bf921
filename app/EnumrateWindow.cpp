#include "app/EnumrateWindow.h"

#include "app/TransparentMgr.h"

std::string ReadWindowTitle(HWND Wnd) {
  char Buffer[WindowTextBufferSize];
  const int Length = GetWindowTextA(Wnd, Buffer, WindowTextBufferSize);
  return std::string(Buffer, Length > 0 ? static_cast<size_t>(Length) : 0);
}

std::string ReadWindowClassName(HWND Wnd) {
  char Buffer[WindowTextBufferSize];
  const int Length = GetClassNameA(Wnd, Buffer, WindowTextBufferSize);
  return std::string(Buffer, Length > 0 ? static_cast<size_t>(Length) : 0);
}

namespace {

BOOL CALLBACK EnumWindowsProc(HWND Wnd, LPARAM) {
  if (!TransparentManager)
    return FALSE;
  TransparentManager->TransparentWindow(Wnd);
  return TRUE;
}

} // namespace

void TEnumrate::EnumAllWindows() { EnumWindows(EnumWindowsProc, 0); }
