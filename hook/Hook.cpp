#include "hook/Hook.h"

#include "hook/WindowWatcher.h"

namespace {

SRWLOCK GLock = SRWLOCK_INIT;
TWindowWatcher GWatcher;

} // namespace

BOOL WINAPI DllMain(HINSTANCE Instance, DWORD Reason, LPVOID) {
  if (Reason == DLL_PROCESS_ATTACH)
    DisableThreadLibraryCalls(Instance);
  return TRUE;
}

BOOL WINAPI HookWindow(HWND Receiver) {
  AcquireSRWLockExclusive(&GLock);
  const bool Started = GWatcher.Start(Receiver);
  ReleaseSRWLockExclusive(&GLock);
  return Started ? TRUE : FALSE;
}

BOOL WINAPI UnHookWindow() {
  AcquireSRWLockExclusive(&GLock);
  GWatcher.Stop();
  ReleaseSRWLockExclusive(&GLock);
  return TRUE;
}
