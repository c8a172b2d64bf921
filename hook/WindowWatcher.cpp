#include "hook/WindowWatcher.h"

#include <vector>

#include "hook/Hook.h"

namespace {

// The one watcher of this process, for the event callback, which has no user data.
std::atomic<TWindowWatcher*> GActive{nullptr};

bool IsTopLevel(HWND Wnd) { return GetAncestor(Wnd, GA_PARENT) == GetDesktopWindow(); }

BOOL CALLBACK CollectWindow(HWND Wnd, LPARAM List) {
  reinterpret_cast<std::vector<HWND>*>(List)->push_back(Wnd);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> Windows;
  Windows.reserve(256);
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&Windows));
  return Windows;
}

} // namespace

bool TWindowWatcher::Start(HWND Receiver) {
  FReceiver = Receiver;
  if (FStarted)
    return true;
  FReady.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!FReady)
    return false;
  THandle Thread(CreateThread(nullptr, 0, ThreadMain, this, 0, &FThreadId));
  if (!Thread) {
    FReady.Reset();
    return false;
  }
  // Wait for the census and the event hook, so that no window created after HookWindow
  // returns is taken for one that existed before.
  const HANDLE Wait[] = {FReady.Get(), Thread.Get()};
  WaitForMultipleObjects(2, Wait, FALSE, INFINITE);
  FReady.Reset();
  if (WaitForSingleObject(Thread.Get(), 0) == WAIT_OBJECT_0)
    return false;
  FThread = std::move(Thread);
  FStarted = true;
  return true;
}

void TWindowWatcher::Stop() {
  FReceiver = nullptr;
  if (!FStarted)
    return;
  PostThreadMessageW(FThreadId, WM_QUIT, 0, 0);
  WaitForSingleObject(FThread.Get(), INFINITE);
  FThread.Reset();
  FStarted = false;
}

DWORD WINAPI TWindowWatcher::ThreadMain(LPVOID Self) {
  // Keep the library loaded for as long as this thread runs in it.
  HMODULE Pinned = nullptr;
  auto* Watcher = static_cast<TWindowWatcher*>(Self);
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&TWindowWatcher::ThreadMain), &Pinned);
  Watcher->Run();
  if (Pinned)
    FreeLibraryAndExitThread(Pinned, 0);
  return 0;
}

void TWindowWatcher::Run() {
  MSG Msg;
  PeekMessageW(&Msg, nullptr, 0, 0, PM_NOREMOVE); // this thread's queue, for WM_QUIT

  FKnown.clear();
  for (HWND Wnd : TopLevelWindows())
    FKnown.emplace(Wnd, IsWindowVisible(Wnd) != FALSE);

  GActive = this;
  const HWINEVENTHOOK Hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_HIDE, nullptr,
                                             EventProc, 0, 0, WINEVENT_OUTOFCONTEXT);
  const UINT_PTR Timer = SetTimer(nullptr, 0, SweepInterval, nullptr);
  SetEvent(FReady.Get());

  while (GetMessageW(&Msg, nullptr, 0, 0) > 0) {
    if (Msg.message == WM_TIMER && Msg.hwnd == nullptr)
      Sweep();
    else
      DispatchMessageW(&Msg);
  }

  KillTimer(nullptr, Timer);
  if (Hook)
    UnhookWinEvent(Hook);
  GActive = nullptr;
  FKnown.clear();
}

void CALLBACK TWindowWatcher::EventProc(HWINEVENTHOOK, DWORD Event, HWND Wnd, LONG IdObject,
                                        LONG IdChild, DWORD, DWORD) {
  if (IdObject != OBJID_WINDOW || IdChild != CHILDID_SELF || !Wnd)
    return;
  if (TWindowWatcher* Watcher = GActive)
    Watcher->OnEvent(Event, Wnd);
}

void TWindowWatcher::OnEvent(DWORD Event, HWND Wnd) {
  switch (Event) {
  case EVENT_OBJECT_CREATE:
    if (IsTopLevel(Wnd) && !FKnown.contains(Wnd))
      Appeared(Wnd, IsWindowVisible(Wnd) != FALSE);
    break;
  case EVENT_OBJECT_SHOW:
    if (IsTopLevel(Wnd)) {
      auto It = FKnown.find(Wnd);
      if (It == FKnown.end())
        Appeared(Wnd, true);
      else if (!It->second) {
        It->second = true;
        Notify(Wnd, HOOK_WINDOWSHOWN);
      }
    }
    break;
  case EVENT_OBJECT_HIDE:
    if (auto It = FKnown.find(Wnd); It != FKnown.end())
      It->second = false;
    break;
  case EVENT_OBJECT_DESTROY:
    // The window may be gone already, so only windows known as top-level count.
    if (FKnown.erase(Wnd))
      Notify(Wnd, HOOK_WINDOWDESTROYED);
    break;
  default:
    break;
  }
}

void TWindowWatcher::Sweep() {
  const std::vector<HWND> Current = TopLevelWindows();
  std::unordered_map<HWND, bool> Seen;
  Seen.reserve(Current.size());
  for (HWND Wnd : Current)
    Seen.emplace(Wnd, IsWindowVisible(Wnd) != FALSE);

  for (auto It = FKnown.begin(); It != FKnown.end();) {
    if (Seen.contains(It->first)) {
      ++It;
      continue;
    }
    // Gone from the top level: destroyed, or made a child of another window (not reported).
    const HWND Left = It->first;
    It = FKnown.erase(It);
    if (!IsWindow(Left))
      Notify(Left, HOOK_WINDOWDESTROYED);
  }
  for (HWND Wnd : Current) {
    const bool Visible = Seen[Wnd];
    auto It = FKnown.find(Wnd);
    if (It == FKnown.end()) {
      Appeared(Wnd, Visible);
    } else {
      if (Visible && !It->second)
        Notify(Wnd, HOOK_WINDOWSHOWN);
      It->second = Visible;
    }
  }
}

void TWindowWatcher::Appeared(HWND Wnd, bool Visible) {
  FKnown.emplace(Wnd, Visible);
  Notify(Wnd, HOOK_WINDOWSHOWN);
}

void TWindowWatcher::Notify(HWND Wnd, LPARAM Code) const {
  if (const HWND Receiver = FReceiver)
    PostMessageW(Receiver, WM_HOOKNOTIFY, reinterpret_cast<WPARAM>(Wnd), Code);
}
