#pragma once
// Hook.dll: tells one window of the program about top-level windows of the whole desktop
// that come into being, are shown, or are destroyed.
//
// Between HookWindow(R) and UnHookWindow, R receives WM_HOOKNOTIFY with the window's handle
// as the first parameter and HOOK_WINDOWSHOWN or HOOK_WINDOWDESTROYED as the second.

#include <windows.h>

extern "C" {
// Starts watching (once; later calls only change the receiver). Returns FALSE only when
// the watcher could not be started.
BOOL WINAPI HookWindow(HWND Receiver);
// Stops watching; no notification is posted after it returns. Harmless when not watching.
BOOL WINAPI UnHookWindow();
}

constexpr UINT WM_HOOKNOTIFY = WM_USER + 1; // 1025
constexpr LPARAM HOOK_WINDOWSHOWN = 2;
constexpr LPARAM HOOK_WINDOWDESTROYED = 3;
