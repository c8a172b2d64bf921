#pragma once
// The registry of control hooks, one per hooked window control. Its hidden message window
// carries out what must wait until the current message is done: putting a hook back on a
// re-created window (SE_HOOKREINSTALL) and freeing a hook that lost its last client
// (SE_HOOKRELEASE).

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/PrivateMessages.h"

class TControlHook;

class THookList {
public:
  THookList();
  ~THookList();
  THookList(const THookList&) = delete;
  THookList& operator=(const THookList&) = delete;

  TControlHook* FindHook(TWinControl* Control) const;
  // The control's hook, made and registered when there is none.
  TControlHook* GetHook(TWinControl* Control);
  int Count() const { return static_cast<int>(FHooks.size()); }
  bool Registered(const TControlHook* Hook) const;

  void ScheduleReinstall(TControlHook* Hook);
  void ScheduleRelease(TControlHook* Hook);
  HWND Window() const { return FWindow; }

private:
  static LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Reinstall(TControlHook* Hook);
  void Release(TControlHook* Hook);

  std::vector<std::unique_ptr<TControlHook>> FHooks;
  HWND FWindow = nullptr;
};

// The process's registry, made on first use and freed when the program ends.
THookList& HookList();
