#include "controls/PlainFormFrame.h"

TPlainFormFrame::TPlainFormFrame(TComponent* AOwner)
    : TSeHook(AOwner), FForm(dynamic_cast<TForm*>(AOwner)) {}

void TPlainFormFrame::Loaded() {
  TSeHook::Loaded();
  SetControl(FForm);
}

void TPlainFormFrame::Dispatch(TMessage& Message) {
  const HWND Wnd = FForm->Handle();
  switch (Message.Msg) {
  case WM_SYSCOMMAND:
    // Carried out here; the form then swallows the message.
    if ((Message.WParam & 0xFFF0) == SC_MINIMIZE)
      ShowWindow(Wnd, SW_MINIMIZE);
    else if ((Message.WParam & 0xFFF0) == SC_RESTORE)
      ShowWindow(Wnd, SW_RESTORE);
    break;
  case WM_NCLBUTTONDOWN:
    if (IsIconic(Wnd)) {
      ShowWindow(Wnd, SW_RESTORE);
      SetHandled();
    } else if (Message.WParam == HTCLOSE || Message.WParam == HTMINBUTTON) {
      FPressed = Message.WParam;
      SetCapture(Wnd);
      SetHandled();
    }
    break;
  case WM_LBUTTONUP:
    if (FPressed) {
      const WPARAM Pressed = FPressed;
      FPressed = 0;
      ReleaseCapture();
      POINT Point{static_cast<short>(LOWORD(Message.LParam)),
                  static_cast<short>(HIWORD(Message.LParam))};
      ClientToScreen(Wnd, &Point);
      const LRESULT Hit = SendMessageW(Wnd, WM_NCHITTEST, 0, MAKELPARAM(Point.x, Point.y));
      SetHandled();
      if (static_cast<WPARAM>(Hit) == Pressed) {
        if (Pressed == HTCLOSE)
          FForm->Close();
        else
          ShowWindow(Wnd, SW_MINIMIZE);
      }
    }
    break;
  case WM_CAPTURECHANGED:
    FPressed = 0;
    break;
  default:
    break;
  }
}
