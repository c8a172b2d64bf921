#pragma once
// The screen behind a window under test: a borderless window of one colour, and what the
// screen shows in a rectangle.

#include <windows.h>

#include <cstdint>
#include <vector>

class TBackdrop {
public:
  TBackdrop(const RECT& Bounds, COLORREF Colour);
  ~TBackdrop();
  TBackdrop(const TBackdrop&) = delete;
  TBackdrop& operator=(const TBackdrop&) = delete;

private:
  HBRUSH FBrush;
  HWND FWnd = nullptr;
};

// What the screen shows in R, as 0x00RRGGBB, rows from the top.
std::vector<uint32_t> ScreenPixels(const RECT& R);
