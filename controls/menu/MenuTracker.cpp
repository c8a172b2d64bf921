#include "controls/menu/MenuTracker.h"

#include <windowsx.h>

#include "controls/base/Platform.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SeItemView.h"

namespace {

// The opening whose Popup call runs innermost; each tracker puts itself here for its life and
// the one before it back at its end.
TMenuTracker*& ActiveSlot() {
  static TMenuTracker* Active = nullptr;
  return Active;
}

// The screen point of a mouse message, from the window it was addressed to.
POINT MessagePoint(const MSG& Msg) {
  if (!Msg.hwnd || !IsWindow(Msg.hwnd))
    return Msg.pt;
  POINT P{GET_X_LPARAM(Msg.lParam), GET_Y_LPARAM(Msg.lParam)};
  ClientToScreen(Msg.hwnd, &P);
  return P;
}

bool IsNonClientMouse(UINT Msg) { return Msg >= WM_NCLBUTTONDOWN && Msg <= WM_NCMBUTTONDBLCLK; }

bool IsKey(UINT Msg) { return Msg >= WM_KEYFIRST && Msg <= WM_SYSDEADCHAR; }

// What ends every level and stays queued for the loops outside the menu's.
bool EndsEveryLevel(UINT Msg) {
  return Msg == WM_QUIT || IsNonClientMouse(Msg) || Msg == WM_WINDOWPOSCHANGING;
}

// What the loops swallow: the menu has no use for them and nobody else is to see them.
bool IsIgnored(UINT Msg) {
  switch (Msg) {
  case WM_CONTEXTMENU:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP:
  case WM_MBUTTONDBLCLK:
  case WM_MOUSEWHEEL:
    return true;
  default:
    return false;
  }
}

} // namespace

// One level's loop from its start to its end: the level is linked to the level that opened
// it, is the innermost one, tracks, and holds the mouse capture; on every path out all of it
// is given back in the reverse order, and the opening level repaints.
class TMenuTracker::TLevelRun {
public:
  TLevelRun(TMenuTracker& Tracker, TSeItemView& Level)
      : FTracker(Tracker), FLevel(Level), FOuter(Tracker.FInnermost) {
    if (TSeItemView* Parent = FLevel.ParentView())
      Parent->SetChildView(&FLevel);
    FTracker.FInnermost = &FLevel;
  }
  ~TLevelRun() {
    FTracker.FInnermost = FOuter;
    TSeItemView* Parent = FLevel.ParentView();
    if (Parent)
      Parent->RepaintAll();
    FLevel.StopTracking();
    if (FCaptured)
      EndMouseCapture();
    if (Parent)
      Parent->SetChildView(nullptr);
  }
  TLevelRun(const TLevelRun&) = delete;
  TLevelRun& operator=(const TLevelRun&) = delete;

  // The level starts tracking, then takes the capture.
  void Start() {
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // the arrow
    FLevel.StartTracking(FTracker);
    const HWND Own = FLevel.WindowHandle();
    BeginMouseCapture(Own);
    FCaptured = true;
    // A menu opened while another one's loop runs (which it has just ended) takes the
    // capture over from the other's first level.
    if (!FLevel.ParentView() && Own && GetCapture() != Own)
      SetCapture(Own);
  }

private:
  TMenuTracker& FTracker;
  TSeItemView& FLevel;
  TSeItemView* FOuter;
  bool FCaptured = false;
};

TMenuTracker::TMenuTracker(TSeCustomPopupMenu& Menu) : FMenu(&Menu), FOuter(ActiveSlot()) {
  ActiveSlot() = this;
}

TMenuTracker::~TMenuTracker() { ActiveSlot() = FOuter; }

TMenuTracker* TMenuTracker::Active() { return ActiveSlot(); }

void TMenuTracker::MenuFreed(const TSeCustomPopupMenu& Menu) {
  for (TMenuTracker* Tracker = ActiveSlot(); Tracker; Tracker = Tracker->FOuter)
    if (Tracker->FMenu == &Menu)
      Tracker->FMenu = nullptr;
}

void TMenuTracker::Run(TSeCustomItem& Root, int X, int Y) {
  Root.Popup(*this, nullptr, X, Y, {});
  DeliverPendingPress();
}

void TMenuTracker::CloseLevels() {
  FMenu = nullptr;
  if (!FInnermost)
    return;
  FInnermost->EndAllLevels();
  for (TSeItemView* View = FInnermost; View; View = View->ParentView())
    View->HideWindow();
}

void TMenuTracker::Track(TSeItemView& Level) {
  TLevelRun Running(*this, Level);
  Running.Start();
  const HWND Captured = GetCapture();
  bool Waiting = false;
  while (Level.Tracking() && Captured && GetCapture() == Captured) {
    if (Waiting)
      WaitMessage();
    Waiting = !Step(Level);
  }
}

bool TMenuTracker::Step(TSeItemView& Level) {
  MSG Msg;
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_NOREMOVE))
    return false;
  if (EndsEveryLevel(Msg.message))
    Level.EndAllLevels();
  else if (Msg.message == WM_LBUTTONDOWN)
    Press(Level, Msg);
  else if (PeekMessageW(&Msg, nullptr, Msg.message, Msg.message, PM_REMOVE))
    Handle(Level, Msg);
  return true;
}

void TMenuTracker::Handle(TSeItemView& Level, const MSG& Msg) {
  if (IsIgnored(Msg.message))
    return;
  switch (Msg.message) {
  case WM_MOUSEMOVE:
    if (!FollowPointer(Level, MessagePoint(Msg)))
      Level.EndLevel();
    return;
  case WM_LBUTTONUP:
    Release(Level, MessagePoint(Msg));
    return;
  case SE_OPENSUBMENU:
    Level.OpenSubmenu();
    return;
  default:
    break;
  }
  if (!IsKey(Msg.message)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
    return;
  }
  // Keys posted to a level that has closed since are not for this one; nor are keys while
  // the button is down.
  if ((Msg.hwnd && !IsWindow(Msg.hwnd)) || GetKeyState(VK_LBUTTON) < 0)
    return;
  if (!Level.HandleKey(Msg))
    Level.EndLevel();
}

// The press stays queued until here: it chooses the current item, or ends the menu and is
// delivered to what lies under it afterwards.
void TMenuTracker::Press(TSeItemView& Level, MSG Msg) {
  const POINT P = MessagePoint(Msg);
  PeekMessageW(&Msg, nullptr, Msg.message, Msg.message, PM_REMOVE);
  if (Level.InCurrentItem(P)) {
    Level.PostKey(VK_RETURN);
  } else if (!Level.CurrentItemViewAt(P)) {
    FPendingPress = {true, P, Msg.wParam};
    Level.EndAllLevels();
  }
}

void TMenuTracker::Release(TSeItemView& Level, POINT Screen) {
  if (Level.InCurrentItem(Screen))
    Level.PostKey(VK_RETURN);
  else if (!Level.CurrentItemViewAt(Screen))
    Level.EndAllLevels();
}

bool TMenuTracker::FollowPointer(TSeItemView& Level, POINT Screen) {
  if (Screen.x == FLastMouse.x && Screen.y == FLastMouse.y)
    return true;
  TSeItemView* Outermost = &Level;
  while (Outermost->ParentView())
    Outermost = Outermost->ParentView();
  for (TSeItemView* View = Outermost; View; View = View->ChildView()) {
    TSeCustomItem* Before = View->Current();
    View->MouseMove(Screen);
    if (View != &Level && View->Current() != Before && View->Current()) {
      // The pointer chose another item of an outer level: the levels inside it close and
      // that level opens the new item's sub-menu.
      for (TSeItemView* Inner = &Level; Inner && Inner != View; Inner = Inner->ParentView())
        Inner->PostKey(VK_ESCAPE);
      View->PostToWindow(SE_OPENSUBMENU);
      return false;
    }
    if (View == &Level)
      break;
  }
  FLastMouse = Screen;
  return true;
}

void TMenuTracker::DeliverPendingPress() {
  if (!FPendingPress.Set)
    return;
  FPendingPress.Set = false;
  const POINT Screen = FPendingPress.Screen;
  const HWND Target = WindowFromPoint(Screen);
  if (!Target)
    return;
  const LRESULT Hit = SendMessageW(Target, WM_NCHITTEST, 0, MAKELPARAM(Screen.x, Screen.y));
  if (Hit == HTCLIENT) {
    POINT Client = Screen;
    ScreenToClient(Target, &Client);
    PostMessageW(Target, WM_LBUTTONDOWN, FPendingPress.Keys, MAKELPARAM(Client.x, Client.y));
  } else if (Hit != HTNOWHERE && Hit != HTERROR && Hit != HTTRANSPARENT) {
    PostMessageW(Target, WM_NCLBUTTONDOWN, static_cast<WPARAM>(Hit),
                 MAKELPARAM(Screen.x, Screen.y));
  }
}
