#include "tests/win/support/ScreenBackdrop.h"

#include "tests/win/support/DibShot.h"

TBackdrop::TBackdrop(const RECT& Bounds, COLORREF Colour) : FBrush(CreateSolidBrush(Colour)) {
  static const wchar_t* const Class = [] {
    WNDCLASSEXW Info{};
    Info.cbSize = sizeof Info;
    Info.lpfnWndProc = DefWindowProcW;
    Info.hInstance = GetModuleHandleW(nullptr);
    Info.lpszClassName = L"MirevanTestBackdrop";
    RegisterClassExW(&Info);
    return Info.lpszClassName;
  }();
  FWnd = CreateWindowExW(WS_EX_TOOLWINDOW, Class, L"", WS_POPUP, Bounds.left, Bounds.top,
                         Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  SetClassLongPtrW(FWnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(FBrush));
  ShowWindow(FWnd, SW_SHOWNOACTIVATE);
  UpdateWindow(FWnd);
}

TBackdrop::~TBackdrop() {
  DestroyWindow(FWnd);
  DeleteObject(FBrush);
}

std::vector<uint32_t> ScreenPixels(const RECT& R) {
  const TDibShot Shot(R.right - R.left, R.bottom - R.top);
  const HDC Screen = GetDC(nullptr);
  BitBlt(Shot.DC(), 0, 0, Shot.Width(), Shot.Height(), Screen, R.left, R.top, SRCCOPY);
  ReleaseDC(nullptr, Screen);
  return Shot.Pixels();
}
