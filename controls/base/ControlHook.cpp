#include "controls/base/ControlHook.h"

#include <algorithm>
#include <commctrl.h>

#include "controls/base/HookList.h"
#include "controls/base/SeHook.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/ScopeGuards.h"
#include "toolkit/WindowSubclass.h"

namespace {

// The hooks' place in a window's subclass chain, above the control's own binding.
constexpr UINT_PTR HookLinkId = 0x484B;

} // namespace

TControlHook::~TControlHook() {
  FDestroying = true;
  Uninstall();
}

void TControlHook::SetControl(TWinControl* Value) {
  if (Value == FControl)
    return;
  Uninstall();
  FControl = Value;
  if (!FClients.empty())
    Install();
}

void TControlHook::AddClient(TSeHook* Client) {
  if (std::find(FClients.begin(), FClients.end(), Client) == FClients.end())
    FClients.push_back(Client);
  Install();
}

void TControlHook::RemoveClient(TSeHook* Client) {
  std::erase(FClients, Client);
  if (!FClients.empty())
    return;
  Uninstall();
  HookList().ScheduleRelease(this);
}

void TControlHook::Install() {
  if (!FControl || FControl->Destroying() || FDestroying)
    return;
  const HWND Wnd = FControl->Handle();
  DWORD_PTR Ref = 0;
  if (SubclassData(Wnd, HookProc, HookLinkId, Ref))
    return; // ours already
  if (SetSubclass(Wnd, HookProc, HookLinkId, reinterpret_cast<DWORD_PTR>(this)))
    FInstalledOn = Wnd;
}

void TControlHook::Uninstall() {
  if (FInstalledOn)
    RemoveSubclass(FInstalledOn, HookProc, HookLinkId);
  FInstalledOn = nullptr;
}

bool TControlHook::ClientsListen() const {
  return !FClients.empty() && FControl && !FDestroying && !FControl->Destroying();
}

LRESULT CALLBACK TControlHook::HookProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                        DWORD_PTR Ref) {
  auto* Self = reinterpret_cast<TControlHook*>(Ref);
  return Shielded<LRESULT>(0, [&] { return Self->Dispatch(Wnd, Msg, WParam, LParam); });
}

LRESULT TControlHook::Dispatch(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!FControl)
    return DefSubclass(Wnd, Msg, WParam, LParam);
  TMessage Message{Msg, WParam, LParam, 0};
  // A client may leave (or free itself) while the message goes round: the round works on a
  // copy and skips those no longer registered.
  const std::vector<TSeHook*> Clients = FClients;
  const auto StillClient = [this](TSeHook* Client) {
    return std::find(FClients.begin(), FClients.end(), Client) != FClients.end();
  };
  bool Handled = false;
  if (Msg != WM_QUIT)
    for (auto It = Clients.rbegin(); It != Clients.rend() && !Handled; ++It)
      if (ClientsListen() && StillClient(*It))
        Shielded([&] { (*It)->BeforeMessage(Message, Handled); });

  // The window always sees its own destruction; AfterMessage follows even a failed call.
  if (!Handled || Msg == WM_DESTROY) {
    const TScopeExit After([&] {
      for (auto It = Clients.rbegin(); It != Clients.rend(); ++It)
        if (ClientsListen() && StillClient(*It))
          Shielded([&] { (*It)->AfterMessage(Message); });
    });
    Message.Result = DefSubclass(Wnd, Msg, WParam, LParam);
  }

  if (Msg == WM_DESTROY) {
    Uninstall();
    // The toolkit may make the window again (a style only creation can set): the hook
    // follows it there once the new window exists.
    if (!FDestroying && FControl && !FControl->Destroying())
      HookList().ScheduleReinstall(this);
  }
  return Message.Result;
}
