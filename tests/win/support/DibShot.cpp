#include "tests/win/support/DibShot.h"

TDibShot::TDibShot(int Width, int Height) : FWidth(Width), FHeight(Height) {
  BITMAPINFO Info{};
  Info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  FBitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits),
                             nullptr, 0);
  FDC = CreateCompatibleDC(nullptr);
  FOld = SelectObject(FDC, FBitmap);
}

TDibShot::~TDibShot() {
  SelectObject(FDC, FOld);
  DeleteDC(FDC);
  DeleteObject(FBitmap);
}

uint32_t TDibShot::Pixel(int X, int Y) const {
  GdiFlush();
  return FBits[Y * FWidth + X] & 0xFFFFFF;
}

std::vector<uint32_t> TDibShot::Pixels() const {
  GdiFlush();
  std::vector<uint32_t> Result(FBits, FBits + static_cast<size_t>(FWidth) * FHeight);
  for (uint32_t& Pixel : Result)
    Pixel &= 0xFFFFFF;
  return Result;
}

std::vector<uint32_t> PrintClient(HWND Wnd, int Width, int Height) {
  const TDibShot Shot(Width, Height);
  SendMessageW(Wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()), PRF_CLIENT);
  return Shot.Pixels();
}
