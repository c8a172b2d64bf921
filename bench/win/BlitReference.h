#pragma once
// The Windows benchmarks' reference figure: a white picture of a given size in a memory
// device context, copied onto a window (its client area, or the whole window) with BitBlt.

#include <windows.h>

class TBlitReference {
public:
  TBlitReference(HWND Wnd, bool WholeWindow, int Width, int Height)
      : FWnd(Wnd), FTarget(WholeWindow ? GetWindowDC(Wnd) : GetDC(Wnd)),
        FMemory(CreateCompatibleDC(FTarget)),
        FPicture(CreateCompatibleBitmap(FTarget, Width, Height)),
        FOld(SelectObject(FMemory, FPicture)), FWidth(Width), FHeight(Height) {
    PatBlt(FMemory, 0, 0, Width, Height, WHITENESS);
  }
  ~TBlitReference() {
    SelectObject(FMemory, FOld);
    DeleteObject(FPicture);
    DeleteDC(FMemory);
    ReleaseDC(FWnd, FTarget);
  }
  TBlitReference(const TBlitReference&) = delete;
  TBlitReference& operator=(const TBlitReference&) = delete;

  // The window's device context, for the cases measured beside the copy.
  HDC Target() const { return FTarget; }
  void Copy() const { BitBlt(FTarget, 0, 0, FWidth, FHeight, FMemory, 0, 0, SRCCOPY); }

private:
  HWND FWnd;
  HDC FTarget;
  HDC FMemory;
  HBITMAP FPicture;
  HGDIOBJ FOld;
  int FWidth, FHeight;
};
