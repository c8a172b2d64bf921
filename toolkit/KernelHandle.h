#pragma once
// The one owner of kernel handles (processes, threads, events, mutexes, file mappings, files
// opened with CreateFile): closed with CloseHandle when the owner ends or takes another.
// Header only and depending on the platform alone, so that Hook.dll can use it as it is.

#include <windows.h>

#include <utility>

class THandle {
public:
  THandle() = default;
  // Takes Handle; both null and INVALID_HANDLE_VALUE (what CreateFile fails with) mean none.
  explicit THandle(HANDLE Handle) : FHandle(Valid(Handle) ? Handle : nullptr) {}
  ~THandle() { Reset(); }
  THandle(THandle&& Other) noexcept : FHandle(Other.Release()) {}
  THandle& operator=(THandle&& Other) noexcept {
    if (this != &Other)
      Reset(Other.Release());
    return *this;
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;

  HANDLE Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  // Closes the handle held, if any, and holds Handle instead.
  void Reset(HANDLE Handle = nullptr) {
    if (FHandle)
      CloseHandle(FHandle);
    FHandle = Valid(Handle) ? Handle : nullptr;
  }
  // Gives the handle up without closing it.
  HANDLE Release() { return std::exchange(FHandle, nullptr); }

private:
  static bool Valid(HANDLE Handle) { return Handle && Handle != INVALID_HANDLE_VALUE; }
  HANDLE FHandle = nullptr;
};
