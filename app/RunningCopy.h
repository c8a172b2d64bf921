#pragma once
// One running copy of Mirevan in a session. Two would fight over the same windows: closing
// one would make opaque what the other still lists as translucent. A second start therefore
// only brings the running copy's window to the front and ends, touching no window itself.

#include <windows.h>

#include "toolkit/KernelHandle.h"

class TRunningCopy {
public:
  TRunningCopy() = default;
  ~TRunningCopy();
  TRunningCopy(const TRunningCopy&) = delete;
  TRunningCopy& operator=(const TRunningCopy&) = delete;

  // True when this process is to run: no other copy runs, or the one that ran has ended
  // meanwhile. Otherwise the running copy has been asked to come forward (or was still
  // starting for longer than a start should take), and this one is to end.
  bool Take();
  // Makes this copy's main window the one a later start brings forward.
  void Publish(HWND MainWindow);
  // The message a later start posts to the running copy's main window.
  static UINT ComeForwardMessage();

private:
  bool AskRunningCopy() const;

  THandle FMutex;
  THandle FMapping;
  bool FOwned = false;
};
