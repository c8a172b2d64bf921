// The reference of the start-up benchmark: the least a Win32 program does to put one window
// on the screen. One overlapped window of Mirevan's size, its client painted in one colour,
// a message loop, and an end when the window is closed.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_PAINT: {
    PAINTSTRUCT Paint;
    const HDC DC = BeginPaint(Wnd, &Paint);
    const HBRUSH Brush = CreateSolidBrush(RGB(0x30, 0x90, 0x60));
    FillRect(DC, &Paint.rcPaint, Brush);
    DeleteObject(Brush);
    EndPaint(Wnd, &Paint);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int Show) {
  WNDCLASSW Class{};
  Class.lpfnWndProc = WindowProc;
  Class.hInstance = Instance;
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Class.lpszClassName = L"MinimalBenchWindow";
  if (!RegisterClassW(&Class))
    return 1;
  const HWND Wnd = CreateWindowExW(0, Class.lpszClassName, L"Minimal", WS_OVERLAPPEDWINDOW, 400,
                                   330, 480, 360, nullptr, nullptr, Instance, nullptr);
  if (!Wnd)
    return 1;
  ShowWindow(Wnd, Show);
  UpdateWindow(Wnd);
  MSG Msg;
  while (GetMessageW(&Msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
  return static_cast<int>(Msg.wParam);
}
