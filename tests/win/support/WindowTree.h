#pragma once
// Another process's child windows as anyone can read them from outside: class, text,
// place in the parent's client area, visibility, and who the parent is.

#include <windows.h>

#include <string>
#include <vector>

struct TChildWindow {
  HWND Handle = nullptr;
  HWND Parent = nullptr;
  std::string ClassName;
  std::string Text;
  RECT Bounds{}; // in the parent's client coordinates
  bool Visible = false;
};

// Every descendant of Root, hidden ones too, each parent before its children.
std::vector<TChildWindow> ChildWindowsOf(HWND Root);
// What the window answers to WM_GETTEXT (sent across the process boundary), "" when it does
// not answer in time.
std::string WindowTextOf(HWND Wnd);
// The window's rectangle in its parent's client coordinates (the screen's for a top level).
RECT BoundsInParent(HWND Wnd);
