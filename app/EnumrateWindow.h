#pragma once
// Finding the desktop's top-level windows, and reading what the user sees of one.

#include <windows.h>

#include <string>

// Titles and class names are read as 8-bit text into buffers of this many characters,
// so at most 259 characters of either are seen. A failed read gives empty text.
constexpr int WindowTextBufferSize = 260;

std::string ReadWindowTitle(HWND Wnd);
std::string ReadWindowClassName(HWND Wnd);

class TEnumrate {
public:
  // Hands every top-level window, top of the z-order first, to
  // TransparentManager->TransparentWindow. Does nothing when there is no manager.
  static void EnumAllWindows();
};
