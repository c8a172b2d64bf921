#pragma once
// What the skinned controls ask of the platform: monitor geometry, keyboard repeat timing,
// scroll-bar information and nested mouse capture. Entry points that older platforms lack
// are looked up by name once, when the program starts.

#include <windows.h>

#include "toolkit/Types.h"

// More than one monitor, and the monitor entry points exist.
bool MultiMonitor();
// The work area when asked for and known, else the whole screen.
TRect GetWorkArea(bool UseWorkArea);
// The monitor nearest to the point or window (its work area when asked for).
TRect MonitorRectAtPoint(POINT Point, bool UseWorkArea);
TRect MonitorRectOfWindow(HWND Window, bool UseWorkArea);
// Milliseconds before a held key repeats, and between repeats.
int KeyRepeatDelay();
int KeyRepeatInterval();
// GetScrollBarInfo where the platform has it; else the bar reads as invisible and 0 is
// returned.
BOOL GetScrollBarInfoSafe(HWND Window, LONG Object, SCROLLBARINFO& Info);
// Nested capture: the first Begin captures for Window, the last End releases it (when
// that window still holds it).
void BeginMouseCapture(HWND Window);
void EndMouseCapture();
int MouseCaptureDepth();
