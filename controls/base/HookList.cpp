#include "controls/base/HookList.h"

#include <algorithm>

#include "controls/base/ControlHook.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/WindowClass.h"

namespace {

constexpr const wchar_t* RegistryClassName = L"MirevanHookRegistry";

std::unique_ptr<THookList>& Instance() {
  static std::unique_ptr<THookList> List;
  return List;
}

} // namespace

THookList& HookList() {
  if (!Instance())
    Instance() = std::make_unique<THookList>();
  return *Instance();
}

THookList::THookList() {
  RegisterWindowClassOnce(RegistryClassName, WindowProc);
  FWindow = CreateWindowExW(0, RegistryClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

THookList::~THookList() {
  if (FWindow) {
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
  }
  FHooks.clear();
}

TControlHook* THookList::FindHook(TWinControl* Control) const {
  for (const auto& Hook : FHooks)
    if (Hook->Control() == Control)
      return Hook.get();
  return nullptr;
}

TControlHook* THookList::GetHook(TWinControl* Control) {
  if (TControlHook* Hook = FindHook(Control))
    return Hook;
  FHooks.push_back(std::make_unique<TControlHook>(Control));
  return FHooks.back().get();
}

bool THookList::Registered(const TControlHook* Hook) const {
  return std::any_of(FHooks.begin(), FHooks.end(),
                     [Hook](const auto& Owned) { return Owned.get() == Hook; });
}

void THookList::ScheduleReinstall(TControlHook* Hook) {
  PostMessageW(FWindow, SE_HOOKREINSTALL, 0, reinterpret_cast<LPARAM>(Hook));
}

void THookList::ScheduleRelease(TControlHook* Hook) {
  PostMessageW(FWindow, SE_HOOKRELEASE, 0, reinterpret_cast<LPARAM>(Hook));
}

void THookList::Reinstall(TControlHook* Hook) {
  if (Registered(Hook) && Hook->ClientCount() > 0)
    Hook->Install();
}

void THookList::Release(TControlHook* Hook) {
  const auto It = std::find_if(FHooks.begin(), FHooks.end(),
                               [Hook](const auto& Owned) { return Owned.get() == Hook; });
  if (It != FHooks.end() && (*It)->ClientCount() == 0)
    FHooks.erase(It);
}

LRESULT CALLBACK THookList::WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Self = reinterpret_cast<THookList*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  auto* Hook = reinterpret_cast<TControlHook*>(LParam);
  if (Self && Msg == SE_HOOKREINSTALL) {
    Shielded([&] { Self->Reinstall(Hook); });
    return 0;
  }
  if (Self && Msg == SE_HOOKRELEASE) {
    Shielded([&] { Self->Release(Hook); });
    return 0;
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}
