#pragma once
// Mirevan's guard: a second process (Mirevan.exe started with "--guard") that knows the
// windows Mirevan has made translucent. When Mirevan ends in order the guard only ends too.
// When Mirevan dies (killed, a crash, a log-off that ends it), the guard does what the
// orderly end would have done: with "OpacityOnClose" on, every managed window that still
// exists gets its opacity back (a window that was layered before Mirevan took it gets its own
// attributes back); with it off, nothing. A guard that dies first changes nothing.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/KernelHandle.h"

struct TGuardBlock;
class TTransparentItem;

// Mirevan's side.
class TGuard {
public:
  TGuard() = default;
  // Ending in order: the guard ends without acting.
  ~TGuard();
  TGuard(const TGuard&) = delete;
  TGuard& operator=(const TGuard&) = delete;

  // Makes the memory shared with the guard; the managed windows can be published from then.
  bool Open();
  // Starts the guard process, once: after the window has first shown, so that the guard's
  // own start does not slow Mirevan's. False when it cannot be started.
  bool Launch();
  // The managed windows and the one setting, as they are now.
  void Publish(const std::vector<std::shared_ptr<TTransparentItem>>& Items, bool OpacityOnClose);
  // Mirevan has ended in order: the guard ends without acting.
  void EndInOrder();

private:
  THandle FMapping;
  TGuardBlock* FBlock = nullptr;
  THandle FGuardProcess;
};

// The guard's side: from the command line's "--guard <block> <process>", the handles it
// inherited. Returns the process exit code.
bool IsGuardCommandLine(const std::string& CommandLine);
int RunGuard(const std::string& CommandLine);
