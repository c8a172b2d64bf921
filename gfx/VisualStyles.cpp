#include "gfx/VisualStyles.h"

#include <windows.h>

#include "toolkit/SystemLibrary.h"

namespace {

using TThemeQuery = BOOL(WINAPI*)();
using TOpenThemeData = HANDLE(WINAPI*)(HWND, LPCWSTR);
using TCloseThemeData = HRESULT(WINAPI*)(HANDLE);
using TDrawThemeBackground = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
using TGetThemeBackgroundRegion = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, HRGN*);

// The two queries, and the three calls that draw a part of a theme class.
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
      FModule = LoadSystemLibrary(L"uxtheme.dll");
      if (FModule) {
        FIsAppThemed = LibraryProc<TThemeQuery>(FModule, "IsAppThemed");
        FIsThemeActive = LibraryProc<TThemeQuery>(FModule, "IsThemeActive");
        FOpen = LibraryProc<TOpenThemeData>(FModule, "OpenThemeData");
        FClose = LibraryProc<TCloseThemeData>(FModule, "CloseThemeData");
        FDraw = LibraryProc<TDrawThemeBackground>(FModule, "DrawThemeBackground");
        FRegion = LibraryProc<TGetThemeBackgroundRegion>(FModule, "GetThemeBackgroundRegion");
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
      FOpen = nullptr;
      FClose = nullptr;
      FDraw = nullptr;
      FRegion = nullptr;
    }
    LeaveCriticalSection(&FLock);
  }

  // Read without the lock: asked on the user-interface thread only.
  bool Active() const {
    return FModule && FIsAppThemed && FIsThemeActive && FIsAppThemed() && FIsThemeActive();
  }
  int References() const { return FReferences; }

  bool DrawPart(HWND Wnd, HDC DC, const wchar_t* ClassList, int Part, int State, const RECT& Rect,
                const RECT* Clip) const {
    if (!Active() || !FOpen || !FClose || !FDraw)
      return false;
    const HANDLE Theme = FOpen(Wnd, ClassList);
    if (!Theme)
      return false;
    const bool Drawn = SUCCEEDED(FDraw(Theme, DC, Part, State, &Rect, Clip));
    FClose(Theme);
    return Drawn;
  }

  HANDLE Open(HWND Wnd, const wchar_t* ClassList) const {
    return Active() && FOpen && FClose && FDraw ? FOpen(Wnd, ClassList) : nullptr;
  }
  void Close(HANDLE Theme) const {
    if (Theme && FClose)
      FClose(Theme);
  }
  bool Draw(HANDLE Theme, HDC DC, int Part, int State, const RECT& Rect, const RECT* Clip) const {
    return Theme && FDraw && SUCCEEDED(FDraw(Theme, DC, Part, State, &Rect, Clip));
  }

  TRegionHandle PartRegion(HWND Wnd, HDC DC, const wchar_t* ClassList, int Part, int State,
                           const RECT& Rect) const {
    if (!Active() || !FOpen || !FClose || !FRegion)
      return nullptr;
    const HANDLE Theme = FOpen(Wnd, ClassList);
    if (!Theme)
      return nullptr;
    HRGN Region = nullptr;
    if (FAILED(FRegion(Theme, DC, Part, State, &Rect, &Region)))
      Region = nullptr;
    FClose(Theme);
    return TRegionHandle(Region);
  }

private:
  CRITICAL_SECTION FLock;
  int FReferences = 0;
  HMODULE FModule = nullptr;
  TThemeQuery FIsAppThemed = nullptr;
  TThemeQuery FIsThemeActive = nullptr;
  TOpenThemeData FOpen = nullptr;
  TCloseThemeData FClose = nullptr;
  TDrawThemeBackground FDraw = nullptr;
  TGetThemeBackgroundRegion FRegion = nullptr;
};

TThemeLibrary GLibrary;

} // namespace

bool LoadThemeLibrary() { return GLibrary.Load(); }

void ReleaseThemeLibrary() { GLibrary.Release(); }

bool VisualStylesActive() { return GLibrary.Active(); }

int ThemeLibraryReferences() { return GLibrary.References(); }

bool DrawThemePart(HWND Wnd, HDC DC, const wchar_t* ClassList, int Part, int State,
                   const RECT& Rect, const RECT* Clip) {
  return GLibrary.DrawPart(Wnd, DC, ClassList, Part, State, Rect, Clip);
}

TRegionHandle ThemePartRegion(HWND Wnd, HDC DC, const wchar_t* ClassList, int Part, int State,
                              const RECT& Rect) {
  return GLibrary.PartRegion(Wnd, DC, ClassList, Part, State, Rect);
}

TThemeParts::TThemeParts(HWND Wnd, const wchar_t* ClassList)
    : FTheme(GLibrary.Open(Wnd, ClassList)) {}

TThemeParts::~TThemeParts() { GLibrary.Close(FTheme); }

bool TThemeParts::Draw(HDC DC, int Part, int State, const RECT& Rect, const RECT* Clip) const {
  return GLibrary.Draw(FTheme, DC, Part, State, Rect, Clip);
}
