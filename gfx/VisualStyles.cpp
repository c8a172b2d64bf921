#include "gfx/VisualStyles.h"

#include <windows.h>

namespace {

using TThemeQuery = BOOL(WINAPI*)();

template <class T> T Lookup(HMODULE Module, const char* Name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

// Only the two queries the library asks are looked up.
class TThemeLibrary {
public:
  // Loaded once when the program starts, released when it ends.
  TThemeLibrary() {
    InitializeCriticalSection(&FLock);
    Load();
  }
  ~TThemeLibrary() {
    while (FReferences > 0)
      Release();
    DeleteCriticalSection(&FLock);
  }
  TThemeLibrary(const TThemeLibrary&) = delete;
  TThemeLibrary& operator=(const TThemeLibrary&) = delete;

  bool Load() {
    EnterCriticalSection(&FLock);
    ++FReferences;
    if (!FModule) {
      FModule = LoadLibraryA("uxtheme.dll");
      if (FModule) {
        FIsAppThemed = Lookup<TThemeQuery>(FModule, "IsAppThemed");
        FIsThemeActive = Lookup<TThemeQuery>(FModule, "IsThemeActive");
      }
    }
    const bool Loaded = FModule != nullptr;
    LeaveCriticalSection(&FLock);
    return Loaded;
  }

  void Release() {
    EnterCriticalSection(&FLock);
    if (FReferences > 0)
      --FReferences;
    if (FModule && FReferences == 0) {
      FreeLibrary(FModule);
      FModule = nullptr;
      FIsAppThemed = FIsThemeActive = nullptr;
    }
    LeaveCriticalSection(&FLock);
  }

  // Read without the lock: asked on the user-interface thread only.
  bool Active() const {
    return FModule && FIsAppThemed && FIsThemeActive && FIsAppThemed() && FIsThemeActive();
  }
  int References() const { return FReferences; }

private:
  CRITICAL_SECTION FLock;
  int FReferences = 0;
  HMODULE FModule = nullptr;
  TThemeQuery FIsAppThemed = nullptr;
  TThemeQuery FIsThemeActive = nullptr;
};

TThemeLibrary GLibrary;

} // namespace

bool LoadThemeLibrary() { return GLibrary.Load(); }

void ReleaseThemeLibrary() { GLibrary.Release(); }

bool VisualStylesActive() { return GLibrary.Active(); }

int ThemeLibraryReferences() { return GLibrary.References(); }
