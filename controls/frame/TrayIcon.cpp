#include "controls/frame/TrayIcon.h"

#include <cstring>

#include "toolkit/ErrorReport.h"
#include "toolkit/WindowClass.h"

namespace {

constexpr wchar_t TrayWindowClass[] = L"TSeTrayWindow";

} // namespace

TSeTrayIcon::TSeTrayIcon(UINT CallbackMessage, UINT Id)
    : FCallbackMessage(CallbackMessage), FId(Id) {}

TSeTrayIcon::~TSeTrayIcon() {
  Remove();
  if (FWindow) {
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
  }
}

NOTIFYICONDATAA TSeTrayIcon::Record() const {
  // The first version of the record: what every version of the notification area takes.
  NOTIFYICONDATAA Data{};
  Data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  Data.hWnd = FWindow;
  Data.uID = FId;
  Data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  Data.uCallbackMessage = FCallbackMessage;
  Data.hIcon = FIcon;
  std::memcpy(Data.szTip, FTip.data(), FTip.size()); // at most 63 bytes, zero-terminated
  return Data;
}

bool TSeTrayIcon::Add(const std::string& Tip) {
  // The window is made for the first showing: every frame has an icon (menu levels and hints
  // too), few ever show it.
  if (!FWindow) {
    RegisterWindowClassOnce(TrayWindowClass, WindowProc);
    // A message-only window would not hear the end of the log-on, which is broadcast to
    // top-level windows; a hidden top-level one does.
    FWindow = CreateWindowExW(0, TrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
  }
  FTip = TrayTip(Tip);
  NOTIFYICONDATAA Data = Record();
  if (FShown)
    return Shell_NotifyIconA(NIM_MODIFY, &Data) != FALSE;
  FShown = Shell_NotifyIconA(NIM_ADD, &Data) != FALSE;
  return FShown;
}

void TSeTrayIcon::Remove() {
  if (!FShown)
    return;
  NOTIFYICONDATAA Data = Record();
  Shell_NotifyIconA(NIM_DELETE, &Data);
  FShown = false;
}

LRESULT CALLBACK TSeTrayIcon::WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE) {
    auto* Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
  }
  auto* Icon = reinterpret_cast<TSeTrayIcon*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (!Icon)
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  return Shielded(LRESULT{0}, [&] { return Icon->Handle(Wnd, Msg, WParam, LParam); });
}

LRESULT TSeTrayIcon::Handle(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == FCallbackMessage) {
    if (OnNotify)
      OnNotify(static_cast<UINT>(LParam));
    return 0;
  }
  switch (Msg) {
  case WM_QUERYENDSESSION:
    return TRUE;
  case WM_ENDSESSION:
    if (WParam)
      Remove();
    return 0;
  default:
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  }
}
