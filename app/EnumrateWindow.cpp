#include "app/EnumrateWindow.h"

#include <algorithm>
#include <cstring>

#include "app/TransparentMgr.h"

namespace {

// What a read left in the buffer, trusting neither the reported length nor the terminator:
// Wine's GetWindowTextA answers a null handle with a length over untouched memory.
std::string TextRead(const char (&Buffer)[WindowTextBufferSize], int Length) {
  if (Length <= 0)
    return {};
  return std::string(Buffer, strnlen(Buffer, std::min(Length, WindowTextBufferSize - 1)));
}

} // namespace

std::string ReadWindowTitle(HWND Wnd) {
  if (!Wnd)
    return {};
  char Buffer[WindowTextBufferSize] = {};
  return TextRead(Buffer, GetWindowTextA(Wnd, Buffer, WindowTextBufferSize));
}

std::string ReadWindowClassName(HWND Wnd) {
  if (!Wnd)
    return {};
  char Buffer[WindowTextBufferSize] = {};
  return TextRead(Buffer, GetClassNameA(Wnd, Buffer, WindowTextBufferSize));
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
