#pragma once
// Mirevan's sentinel: a second process (Mirevan.exe started with "--guard") that knows the
// windows Mirevan has made translucent. When Mirevan ends in order the sentinel only ends too.
// When Mirevan dies (killed, a crash, a log-off that ends it), the sentinel does what the
// orderly end would have done: with "OpacityOnClose" on, every managed window that still
// exists gets its opacity back (a window that was layered before Mirevan took it gets its own
// attributes back); with it off, nothing. A sentinel that dies first changes nothing.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/KernelHandle.h"

struct TSentinelBlock;
class TTransparentItem;

// Mirevan's side.
class TSentinel {
public:
  TSentinel() = default;
  // Ending in order: the sentinel ends without acting.
  ~TSentinel();
  TSentinel(const TSentinel&) = delete;
  TSentinel& operator=(const TSentinel&) = delete;

  // Makes the memory shared with the sentinel; the managed windows can be published from then.
  bool Open();
  // Starts the sentinel process, once: after the window has first shown, so that the sentinel's
  // own start does not slow Mirevan's. False when it cannot be started.
  bool Launch();
  // The managed windows and the one setting, as they are now.
  void Publish(const std::vector<std::shared_ptr<TTransparentItem>>& Items, bool OpacityOnClose);
  // Mirevan has ended in order: the sentinel ends without acting.
  void EndInOrder();
  // The sentinel's process, or 0 before it has been started.
  DWORD ProcessId() const;

private:
  THandle FMapping;
  TSentinelBlock* FBlock = nullptr;
  THandle FSentinelProcess;
};

// The sentinel's side: from the command line's "--guard <block> <process>", the handles it
// inherited. Returns the process exit code.
bool IsSentinelCommandLine(const std::string& CommandLine);
int RunSentinel(const std::string& CommandLine);
