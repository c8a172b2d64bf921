#pragma once
// A top-down 32-bit section with a memory device context: controls paint into it (through
// WM_PRINTCLIENT or WM_PAINT with the context) and tests read the pixels back.

#include <windows.h>

#include <cstdint>
#include <vector>

class TDibShot {
public:
  TDibShot(int Width, int Height);
  ~TDibShot();
  TDibShot(const TDibShot&) = delete;
  TDibShot& operator=(const TDibShot&) = delete;

  HDC DC() const { return FDC; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The pixel as 0x00RRGGBB.
  uint32_t Pixel(int X, int Y) const;
  // Every pixel, rows from the top.
  std::vector<uint32_t> Pixels() const;

private:
  int FWidth, FHeight;
  HBITMAP FBitmap = nullptr;
  uint32_t* FBits = nullptr;
  HDC FDC = nullptr;
  HGDIOBJ FOld = nullptr;
};

// What a window paints of its client area (WM_PRINTCLIENT) into a shot of its size.
std::vector<uint32_t> PrintClient(HWND Wnd, int Width, int Height);
