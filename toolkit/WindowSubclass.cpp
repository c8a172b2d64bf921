#include "toolkit/WindowSubclass.h"

namespace {

using TGetWindowSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

TGetWindowSubclass Query() {
  // The library is loaded already: the program links its subclass calls.
  static const auto Proc = reinterpret_cast<TGetWindowSubclass>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "GetWindowSubclass")));
  return Proc;
}

} // namespace

bool SubclassData(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id, DWORD_PTR& Ref) {
  Ref = 0;
  const TGetWindowSubclass Get = Query();
  return Wnd && Get && Get(Wnd, Proc, Id, &Ref);
}
