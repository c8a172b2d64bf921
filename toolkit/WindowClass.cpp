#include "toolkit/WindowClass.h"

#include <set>
#include <string>

void RegisterWindowClassOnce(const wchar_t* Name, WNDPROC Procedure, UINT Style, HCURSOR Cursor) {
  static std::set<std::wstring> Registered;
  if (!Registered.insert(Name).second)
    return;
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.style = Style;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.hCursor = Cursor;
  Class.lpszClassName = Name;
  RegisterClassExW(&Class);
}
