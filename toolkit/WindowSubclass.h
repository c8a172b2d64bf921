#pragma once
// The reference data of one link of a window's subclass chain. The cross compiler's import
// library lacks the platform's query, so it is looked up in the loaded common-controls
// library once.

#include <windows.h>

#include <commctrl.h>

// True, with the link's data in Ref, when Wnd's chain holds (Proc, Id).
bool SubclassData(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id, DWORD_PTR& Ref);
