#pragma once
// The toolkit's one subclassing mechanism: per window a chain of procedures, each with an id
// and its reference data. The one added last sees a message first and passes it on with
// DefSubclass; below the last link the window's own procedure runs.
//
// The chains are kept in this process's memory. The platform's mechanism of the same shape
// keeps them in a window property, and under Wine reading one is a round trip to the window
// server, twice for every message a window gets. A chain of the platform's may lie over one
// of ours, or under it; each passes messages to the other.
//
// A link may be added or removed at any time, during its own call as well; a removed link no
// longer sees messages. When the window is destroyed its chain goes after WM_NCDESTROY.

#include <windows.h>

#include <commctrl.h>

// Adds (Proc, Id) to Wnd's chain, or gives the link it is already a new Ref. Wnd must be a
// window of this process.
bool SetSubclass(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id, DWORD_PTR Ref);
// Removes (Proc, Id) from Wnd's chain; false when it is not in it.
bool RemoveSubclass(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id);
// From within a link's call: the message to the next link down, or to the window's own
// procedure below the last. Outside any call, straight to the window's own procedure.
LRESULT DefSubclass(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// True, with the link's data in Ref, when Wnd's chain holds (Proc, Id).
bool SubclassData(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id, DWORD_PTR& Ref);
