#pragma once
// Every private window message number of the program in one table, so that a new one can be
// checked against all the others at a glance. The numbers are fixed: skins, tests and other
// windows of the program rely on them. Hook.dll's notification (WM_HOOKNOTIFY, WM_USER + 1)
// is part of that library's exported protocol and lives in hook/Hook.h, since Hook.dll
// depends on nothing of the program.
//
// Plain numbers, so that portable code (the skin engine) can use them too: UINT is uint32_t
// on every target.

#include <cstdint>

// --- The toolkit: notifications to controls, windowed and windowless alike, delivered
// through Perform (WndProc) like any window message.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 1; // the pointer came over the control
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 2; // the pointer left it
constexpr uint32_t CM_ENTER = CM_BASE + 3;      // the control took the keyboard focus
constexpr uint32_t CM_EXIT = CM_BASE + 4;       // the control lost it
// A dialog key (VK_RETURN, VK_ESCAPE in WParam) offered to the controls of a form; a control
// that acts on it answers non-zero. VK_TAB with Ctrl held comes to the focused control and
// its parents only, with the shift state (TShiftState) in LParam.
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
// Posted by TForm::Release: the message loop frees the form once its handlers have returned.
constexpr uint32_t CM_RELEASE = CM_BASE + 6;
// The keyboard focus moved to another control of a form (LParam: that TWinControl, or null).
// Sent to the form, which passes it down to every control it holds, windowless ones too.
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
// An accelerator character (Alt and a letter, WParam the character) offered to the controls
// of a form; a control whose caption marks it answers non-zero.
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 8;

// --- The skin engine and the objects it serves (LParam: the engine, or the object).
constexpr uint32_t SE_SKINCHANGED = 0x06A6;      // the engine's skin has changed
constexpr uint32_t SE_SKINCHANGING = 0x06A7;     // the engine's skin is about to change
constexpr uint32_t SE_OBJECTINVALIDATE = 0x0849; // a skin object of the frame needs painting
constexpr uint32_t SE_GETSKINFORM = 0x084A;      // answered by a skinned frame with itself

// --- The frame (TSeCustomForm).
constexpr uint32_t SE_TRAYNOTIFY = 0x056C;     // from the frame's tray icon
constexpr uint32_t SE_REFRESHFRAME = 0x056D;   // repaint the frame (caption style put back)
constexpr uint32_t SE_MAXIMIZE = 0x056E;       // maximize, once the current message is done
constexpr uint32_t SE_SETWINDOWSTATE = 0x056F; // take the window state coded in WParam

// --- The registry of control hooks: its hidden window carries out what must wait until the
// current message is done (LParam: the control hook).
constexpr uint32_t SE_HOOKREINSTALL = 0xB0DE; // put a hook back on a re-created window
constexpr uint32_t SE_HOOKRELEASE = 0xB0DF;   // free a hook that lost its last client

// --- The menus.
constexpr uint32_t SE_OPENSUBMENU = 0x046F; // to a view's window: open the current sub-menu
constexpr uint32_t SE_ITEMCLICK = 0x08BA;   // to the click handler: run the item in LParam

// --- The main window.
constexpr uint32_t WM_LAUNCHSENTINEL = 0x8001; // WM_APP + 1, posted to itself once it has shown
