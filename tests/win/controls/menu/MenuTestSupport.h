#pragma once
// What the menu tests share: the open menu levels of a thread as a user sees them, and the
// user's side played on a thread of its own while the test's thread runs the menu's loop.

#include <windows.h>

#include <vector>

// The visible menu windows of a thread (topmost tool windows), innermost (topmost) first.
inline std::vector<HWND> VisibleLevels(DWORD Thread) {
  std::vector<HWND> Found;
  EnumThreadWindows(
      Thread,
      [](HWND Wnd, LPARAM Data) -> BOOL {
        const LONG_PTR Ex = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
        if (IsWindowVisible(Wnd) && (Ex & WS_EX_TOPMOST) && (Ex & WS_EX_TOOLWINDOW))
          reinterpret_cast<std::vector<HWND>*>(Data)->push_back(Wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Found));
  return Found;
}

// From the user's thread: until Count levels of Thread show; false after two seconds.
inline bool WaitForLevels(DWORD Thread, size_t Count) {
  for (int Waited = 0; Waited < 200; ++Waited) {
    if (VisibleLevels(Thread).size() == Count)
      return true;
    Sleep(10);
  }
  return false;
}

inline RECT WindowRectOf(HWND Wnd) {
  RECT R{};
  GetWindowRect(Wnd, &R);
  return R;
}
