#pragma once
// One window's link in its subclass chain that fans every message out to the hooks watching
// it: BeforeMessage from the last registered to the first (the first that handles the
// message stops it, and the window never sees it), then the window, then AfterMessage.
// When the window is destroyed the link goes with it and is put back on the window the
// toolkit makes again, through the registry's deferred message.

#include <windows.h>

#include <vector>

#include "toolkit/Controls.h"

class TSeHook;

class TControlHook {
public:
  explicit TControlHook(TWinControl* Control) : FControl(Control) {}
  ~TControlHook();
  TControlHook(const TControlHook&) = delete;
  TControlHook& operator=(const TControlHook&) = delete;

  TWinControl* Control() const { return FControl; }
  void SetControl(TWinControl* Value);
  int ClientCount() const { return static_cast<int>(FClients.size()); }
  // Installs on the first client; the last one's departure uninstalls and schedules the
  // release of this object through the registry.
  void AddClient(TSeHook* Client);
  void RemoveClient(TSeHook* Client);
  // Joins the control's window chain (making the window when needed), once.
  void Install();
  void Uninstall();
  bool Installed() const { return FInstalledOn != nullptr; }

private:
  static LRESULT CALLBACK HookProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                   DWORD_PTR Ref);
  LRESULT Dispatch(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  bool ClientsListen() const;

  TWinControl* FControl;
  std::vector<TSeHook*> FClients;
  HWND FInstalledOn = nullptr;
  bool FDestroying = false;
};
