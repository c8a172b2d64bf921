#pragma once
// The watcher behind Hook.dll: one thread in the calling process that follows the desktop's
// top-level windows and posts a notification for each window that appears, is shown or goes.
//
// Why a watcher thread and not a global hook: a global CBT or shell hook has to be loaded
// into every other process, which fails for processes of the other bitness and for
// protected ones, and runs our code inside programs we know nothing about. Out-of-context
// WinEvents need no injection and report creation and showing at once. They are not enough
// alone: under Wine the destruction of another process's window is not reported at all, and
// on Windows an event can be dropped when the queue is busy. So the thread also takes a
// census of the top-level windows every SweepInterval milliseconds and reports what the
// events missed: a vanished window within that time, a new or newly shown one too.
// The census also makes every report exactly-once per change, whichever path sees it first.

#include <windows.h>

#include <atomic>
#include <unordered_map>

#include "toolkit/KernelHandle.h"

class TWindowWatcher {
public:
  static constexpr UINT SweepInterval = 200;

  // Starts the thread, or only changes the receiver when it runs already.
  bool Start(HWND Receiver);
  // Ends the thread and waits for it; nothing is posted after this returns.
  void Stop();

private:
  static DWORD WINAPI ThreadMain(LPVOID Self);
  static void CALLBACK EventProc(HWINEVENTHOOK Hook, DWORD Event, HWND Wnd, LONG IdObject,
                                 LONG IdChild, DWORD EventThread, DWORD EventTime);
  void Run();
  void OnEvent(DWORD Event, HWND Wnd);
  void Sweep();
  void Appeared(HWND Wnd, bool Visible);
  void Notify(HWND Wnd, LPARAM Code) const;

  std::atomic<HWND> FReceiver{nullptr};
  THandle FThread;
  DWORD FThreadId = 0;
  THandle FReady;
  bool FStarted = false;
  // Top-level windows known to exist, with whether they were visible when last seen.
  // Touched only by the watcher thread.
  std::unordered_map<HWND, bool> FKnown;
};
