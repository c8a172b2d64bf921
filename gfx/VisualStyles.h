#pragma once
// Whether the platform's visual styles are on for this program, asked of "uxtheme.dll",
// which is loaded at run time so that the program starts where it is missing.

// Counted: the library is loaded on the first call and kept. True when it is loaded.
bool LoadThemeLibrary();
// Counts down; unloads the library when the count reaches 0.
void ReleaseThemeLibrary();
// The library is loaded, and IsAppThemed and IsThemeActive both answer true.
bool VisualStylesActive();
// Draws Part in State of the theme class over Rect (clipped to Clip when given): open,
// draw, close. False, with nothing drawn, while visual styles are off.
#ifdef _WIN32
#include <windows.h>

#include "toolkit/GdiGuards.h"
bool DrawThemePart(HWND Wnd, HDC DC, const wchar_t* ClassList, int Part, int State,
                   const RECT& Rect, const RECT* Clip = nullptr);
// One theme class open for several parts (opening costs more than drawing): closed with
// the object. Draw answers false, with nothing drawn, while visual styles are off.
class TThemeParts {
public:
  TThemeParts(HWND Wnd, const wchar_t* ClassList);
  ~TThemeParts();
  TThemeParts(const TThemeParts&) = delete;
  TThemeParts& operator=(const TThemeParts&) = delete;
  bool Open() const { return FTheme != nullptr; }
  bool Draw(HDC DC, int Part, int State, const RECT& Rect, const RECT* Clip = nullptr) const;

private:
  HANDLE FTheme;
};
// The region a part of a theme class covers in Rect; null while visual styles are off.
TRegionHandle ThemePartRegion(HWND Wnd, HDC DC, const wchar_t* ClassList, int Part, int State,
                     const RECT& Rect);
#endif
// The current count, for tests.
int ThemeLibraryReferences();
