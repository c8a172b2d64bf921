#pragma once
// The program's own window classes: each registered with the platform the first time a
// window of it is about to be made.

#include <windows.h>

// Registers the class Name of the program's module with Procedure, Style and Cursor (none:
// the window sets its own), once; later calls for the same name do nothing.
void RegisterWindowClassOnce(const wchar_t* Name, WNDPROC Procedure, UINT Style = 0,
                             HCURSOR Cursor = nullptr);
