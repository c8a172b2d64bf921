#pragma once
// The frame's notification-area icon and the private message window its callbacks come to.
// The window also answers the end of the log-on: it consents, and takes the icon away when
// the log-on ends.

#include <windows.h>

#include <functional>
#include <shellapi.h>
#include <string>

#include "controls/frame/FrameStates.h"

class TSeTrayIcon {
public:
  // Callbacks arrive as CallbackMessage; Id tells this icon apart on the window.
  TSeTrayIcon(UINT CallbackMessage, UINT Id);
  ~TSeTrayIcon();
  TSeTrayIcon(const TSeTrayIcon&) = delete;
  TSeTrayIcon& operator=(const TSeTrayIcon&) = delete;

  // The callbacks' window: null until the icon was first shown.
  HWND Window() const { return FWindow; }
  void SetIcon(HICON Icon) { FIcon = Icon; }
  // Shows the icon with Tip (cut to 63 characters); true when the platform took it.
  bool Add(const std::string& Tip);
  // Takes the icon away; nothing when it is not shown.
  void Remove();
  bool Shown() const { return FShown; }
  const std::string& Tip() const { return FTip; }

  // A callback's mouse message (the second parameter of the callback message).
  std::function<void(UINT MouseMessage)> OnNotify;

private:
  static LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT Handle(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  NOTIFYICONDATAA Record() const;

  UINT FCallbackMessage;
  UINT FId;
  HWND FWindow = nullptr;
  HICON FIcon = nullptr;
  std::string FTip;
  bool FShown = false;
};
