#include "tests/win/support/WindowTree.h"

std::string WindowTextOf(HWND Wnd) {
  char Text[1024] = {};
  DWORD_PTR Length = 0;
  if (!SendMessageTimeoutA(Wnd, WM_GETTEXT, sizeof Text, reinterpret_cast<LPARAM>(Text),
                           SMTO_ABORTIFHUNG, 2000, &Length))
    return "";
  return std::string(Text, Length < sizeof Text ? Length : sizeof Text - 1);
}

RECT BoundsInParent(HWND Wnd) {
  RECT Bounds{};
  GetWindowRect(Wnd, &Bounds);
  const HWND Parent = GetAncestor(Wnd, GA_PARENT);
  if (Parent && Parent != GetDesktopWindow())
    MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&Bounds), 2);
  return Bounds;
}

namespace {

void Collect(HWND Parent, std::vector<TChildWindow>& Into) {
  for (HWND Child = GetWindow(Parent, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT)) {
    TChildWindow Found;
    Found.Handle = Child;
    Found.Parent = Parent;
    char Class[128] = {};
    GetClassNameA(Child, Class, sizeof Class);
    Found.ClassName = Class;
    Found.Text = WindowTextOf(Child);
    Found.Bounds = BoundsInParent(Child);
    Found.Visible = IsWindowVisible(Child) != FALSE;
    Into.push_back(Found);
    Collect(Child, Into);
  }
}

} // namespace

std::vector<TChildWindow> ChildWindowsOf(HWND Root) {
  std::vector<TChildWindow> Windows;
  Collect(Root, Windows);
  return Windows;
}
