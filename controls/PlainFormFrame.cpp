#include "controls/PlainFormFrame.h"

#include <commctrl.h>

TPlainFormFrame::TPlainFormFrame(TComponent* AOwner)
    : TComponent(AOwner), FForm(dynamic_cast<TForm*>(AOwner)) {}

void TPlainFormFrame::Loaded() {
  if (FForm && !FHooked) {
    FHooked = FForm->Handle();
    SetWindowSubclass(FHooked, FrameProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
}

void TPlainFormFrame::BeforeDestruction() {
  Unhook();
  TComponent::BeforeDestruction();
}

void TPlainFormFrame::Unhook() {
  if (FHooked) {
    RemoveWindowSubclass(FHooked, FrameProc, 1);
    FHooked = nullptr;
  }
}

LRESULT CALLBACK TPlainFormFrame::FrameProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam,
                                            UINT_PTR, DWORD_PTR Self) {
  auto* Frame = reinterpret_cast<TPlainFormFrame*>(Self);
  bool Handled = false;
  const LRESULT Result = Frame->HandleMessage(Wnd, Msg, WParam, LParam, Handled);
  if (Msg == WM_NCDESTROY)
    Frame->Unhook();
  return Handled ? Result : DefSubclassProc(Wnd, Msg, WParam, LParam);
}

LRESULT TPlainFormFrame::HandleMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam,
                                       bool& Handled) {
  switch (Msg) {
  case WM_SYSCOMMAND:
    // Carried out here; the form then swallows the message.
    if ((WParam & 0xFFF0) == SC_MINIMIZE)
      ShowWindow(Wnd, SW_MINIMIZE);
    else if ((WParam & 0xFFF0) == SC_RESTORE)
      ShowWindow(Wnd, SW_RESTORE);
    break;
  case WM_NCLBUTTONDOWN:
    if (IsIconic(Wnd)) {
      ShowWindow(Wnd, SW_RESTORE);
      Handled = true;
    } else if (WParam == HTCLOSE || WParam == HTMINBUTTON) {
      FPressed = WParam;
      SetCapture(Wnd);
      Handled = true;
    }
    break;
  case WM_LBUTTONUP:
    if (FPressed) {
      const WPARAM Pressed = FPressed;
      FPressed = 0;
      ReleaseCapture();
      POINT Point{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
      ClientToScreen(Wnd, &Point);
      const LRESULT Hit = SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(Point.x, Point.y));
      if (static_cast<WPARAM>(Hit) == Pressed) {
        if (Pressed == HTCLOSE)
          FForm->Close();
        else
          ShowWindow(Wnd, SW_MINIMIZE);
      }
      Handled = true;
    }
    break;
  case WM_CAPTURECHANGED:
    FPressed = 0;
    break;
  default:
    break;
  }
  return 0;
}
