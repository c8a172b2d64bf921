#include "app/RunningCopy.h"

#include <cstdint>

namespace {

constexpr const wchar_t* MutexName = L"Local\\Mirevan.RunningCopy";
constexpr const wchar_t* WindowName = L"Local\\Mirevan.RunningCopy.Window";
constexpr DWORD StartWait = 10000; // how long a start of the running copy may take

// What the running copy publishes: its process and main window.
struct TPublished {
  uint32_t ProcessId;
  uint64_t Window;
};

} // namespace

TRunningCopy::~TRunningCopy() {
  if (FOwned)
    ReleaseMutex(FMutex.Get());
}

UINT TRunningCopy::ComeForwardMessage() {
  static const UINT Message = RegisterWindowMessageW(L"Mirevan.ComeForward");
  return Message;
}

bool TRunningCopy::Take() {
  FMutex.Reset(CreateMutexW(nullptr, FALSE, MutexName));
  if (!FMutex)
    return true; // nothing to tell by: run
  const ULONGLONG Deadline = GetTickCount64() + StartWait;
  for (;;) {
    // Ended without letting go (killed, crashed), the last copy leaves the mutex abandoned.
    const DWORD Wait = WaitForSingleObject(FMutex.Get(), 0);
    if (Wait == WAIT_OBJECT_0 || Wait == WAIT_ABANDONED)
      return FOwned = true;
    if (AskRunningCopy() || GetTickCount64() >= Deadline)
      return false;
    // The running copy is still starting, or ending: wait for its window or its end.
    if (const DWORD Next = WaitForSingleObject(FMutex.Get(), 100);
        Next == WAIT_OBJECT_0 || Next == WAIT_ABANDONED)
      return FOwned = true;
  }
}

bool TRunningCopy::AskRunningCopy() const {
  TPublished Published{};
  {
    const THandle Mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, WindowName));
    if (!Mapping)
      return false;
    if (const void* View = MapViewOfFile(Mapping.Get(), FILE_MAP_READ, 0, 0, sizeof Published)) {
      Published = *static_cast<const TPublished*>(View);
      UnmapViewOfFile(View);
    }
  }
  const auto Wnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(Published.Window));
  DWORD Owner = 0;
  if (!Wnd || !IsWindow(Wnd) || !GetWindowThreadProcessId(Wnd, &Owner) ||
      Owner != Published.ProcessId)
    return false;
  // This start came from the user: the running copy may take the foreground from it.
  AllowSetForegroundWindow(Owner);
  return PostMessageW(Wnd, ComeForwardMessage(), 0, 0) != FALSE;
}

void TRunningCopy::Publish(HWND MainWindow) {
  if (!FOwned)
    return;
  if (!FMapping)
    FMapping.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(TPublished), WindowName));
  if (!FMapping)
    return;
  if (void* View = MapViewOfFile(FMapping.Get(), FILE_MAP_WRITE, 0, 0, sizeof(TPublished))) {
    *static_cast<TPublished*>(View) = {GetCurrentProcessId(),
                                       reinterpret_cast<uintptr_t>(MainWindow)};
    UnmapViewOfFile(View);
  }
}
