#pragma once
// The toolkit's own notifications to controls, windowed and windowless alike, delivered
// through Perform (WndProc) like any window message.

#include <windows.h>

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_MOUSEENTER = CM_BASE + 1; // the pointer came over the control
constexpr UINT CM_MOUSELEAVE = CM_BASE + 2; // the pointer left it
constexpr UINT CM_ENTER = CM_BASE + 3;      // the control took the keyboard focus
constexpr UINT CM_EXIT = CM_BASE + 4;       // the control lost it
// A dialog key (VK_RETURN, VK_ESCAPE in WParam) offered to the controls of a form; a control
// that acts on it answers non-zero. VK_TAB with Ctrl held comes to the focused control and
// its parents only, with the shift state (TShiftState) in LParam.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// Posted by TForm::Release: the message loop frees the form once its handlers have returned.
constexpr UINT CM_RELEASE = CM_BASE + 6;
// The keyboard focus moved to another control of a form (LParam: that TWinControl, or null).
// Sent to the form, which passes it down to every control it holds, windowless ones too.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
// An accelerator character (Alt and a letter, WParam the character) offered to the controls
// of a form; a control whose caption marks it answers non-zero.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 8;

// One window message as hooks see it: the number, both parameters and the result so far.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
