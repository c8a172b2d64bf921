// The modal loop of one open menu level. Every level runs its own loop, nested inside the
// loop of the level that opened it; all of them read the thread's one message queue, under
// one mouse capture held by the first level's window.

#include "controls/MenuLoop.h"

#include <windows.h>

#include <cwctype>
#include <windowsx.h>

#include "controls/Platform.h"
#include "controls/SeCustomItem.h"
#include "controls/SeItemView.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"

namespace {

POINT GLastMouse{INT_MIN, INT_MIN};

// The level whose loop runs now (the innermost one), or null.
TSeItemView* GInnermost = nullptr;

// A press outside every level, to be delivered once the levels have closed: under the
// capture it was addressed to a menu window that will be gone by then.
struct TPendingPress {
  bool Set = false;
  POINT Screen{};
  WPARAM Keys = 0;
} GPendingPress;

// The screen point of a mouse message, from the window it was addressed to.
POINT MessagePoint(const MSG& Msg) {
  if (!Msg.hwnd || !IsWindow(Msg.hwnd))
    return Msg.pt;
  POINT P{GET_X_LPARAM(Msg.lParam), GET_Y_LPARAM(Msg.lParam)};
  ClientToScreen(Msg.hwnd, &P);
  return P;
}

void PostKey(TWinControl* Window, WPARAM Key) {
  if (Window && Window->HandleAllocated())
    PostMessageW(Window->Handle(), WM_KEYDOWN, Key, 0);
}

bool IsNonClientMouse(UINT Msg) { return Msg >= WM_NCLBUTTONDOWN && Msg <= WM_NCMBUTTONDBLCLK; }

// The first child whose caption marks Key as its accelerator ("&" before it), or null.
TSeCustomItem* AcceleratorItem(TSeCustomItem* Item, wchar_t Key) {
  const wchar_t Wanted = static_cast<wchar_t>(std::towupper(Key));
  for (int I = 0; I < Item->Count(); ++I) {
    const std::wstring Caption = WindowText(Item->Items(I)->Caption());
    for (size_t C = 0; C + 1 < Caption.size(); ++C)
      if (Caption[C] == L'&' && static_cast<wchar_t>(std::towupper(Caption[C + 1])) == Wanted)
        return Item->Items(I);
  }
  return nullptr;
}

} // namespace

void DeliverPendingPress() {
  if (!GPendingPress.Set)
    return;
  GPendingPress.Set = false;
  const POINT Screen = GPendingPress.Screen;
  const HWND Target = WindowFromPoint(Screen);
  if (!Target)
    return;
  const LRESULT Hit = SendMessageW(Target, WM_NCHITTEST, 0, MAKELPARAM(Screen.x, Screen.y));
  if (Hit == HTCLIENT) {
    POINT Client = Screen;
    ScreenToClient(Target, &Client);
    PostMessageW(Target, WM_LBUTTONDOWN, GPendingPress.Keys, MAKELPARAM(Client.x, Client.y));
  } else if (Hit != HTNOWHERE && Hit != HTERROR && Hit != HTTRANSPARENT) {
    PostMessageW(Target, WM_NCLBUTTONDOWN, static_cast<WPARAM>(Hit),
                 MAKELPARAM(Screen.x, Screen.y));
  }
}

void TSeItemView::CloseOpenLevels() {
  if (!GInnermost)
    return;
  GInnermost->EndAllLevels();
  for (TSeItemView* View = GInnermost; View; View = View->ParentView)
    if (View->Window && View->Window->HandleAllocated())
      ShowWindow(View->Window->Handle(), SW_HIDE);
}

void TSeItemView::TrackMenu() {
  TSeItemView* const Outer = GInnermost;
  GInnermost = this;
  Tracking = true;
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // the arrow
  if (Item && Item->Count() > 0) {
    Current = Item->Items(Item->Count() - 1);
    const int First = Item->FirstVisible;
    if (First >= 0 && First < Item->Count()) {
      Current = Item->Items(First);
      if (Current->SystemKind != sikOrdinary && First + 1 < Item->Count())
        Current = Item->Items(First + 1);
    }
    RepaintItem(Current);
    POINT Cursor;
    if (GetCursorPos(&Cursor))
      MouseMove(Cursor);
  }
  const HWND Own = Window && Window->HandleAllocated() ? Window->Handle() : nullptr;
  BeginMouseCapture(Own);
  // A menu opened while another one's loop runs (which it has just ended) takes the capture
  // over from the other's first level.
  if (!ParentView && Own && GetCapture() != Own)
    SetCapture(Own);
  const HWND Captured = GetCapture();
  try {
    bool Handled = true;
    while (Tracking && Captured && GetCapture() == Captured) {
      if (!Handled)
        WaitMessage();
      Handled = false;
      MSG Msg;
      if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_NOREMOVE))
        continue;
      Handled = true;
      if (Msg.message == WM_QUIT || IsNonClientMouse(Msg.message)) {
        EndAllLevels();
        break;
      }
      if (Msg.message == WM_WINDOWPOSCHANGING) {
        EndAllLevels();
        break;
      }
      if (Msg.message == WM_LBUTTONDOWN) {
        const POINT P = MessagePoint(Msg);
        PeekMessageW(&Msg, nullptr, Msg.message, Msg.message, PM_REMOVE);
        if (InCurrentItem(P))
          PostKey(Window, VK_RETURN);
        else if (!CurrentItemViewAt(P)) {
          GPendingPress = {true, P, Msg.wParam};
          EndAllLevels();
          break;
        }
        continue;
      }
      if (!PeekMessageW(&Msg, nullptr, Msg.message, Msg.message, PM_REMOVE))
        continue;
      switch (Msg.message) {
      case WM_CONTEXTMENU:
      case WM_LBUTTONDBLCLK:
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
      case WM_RBUTTONDBLCLK:
      case WM_MBUTTONDOWN:
      case WM_MBUTTONUP:
      case WM_MBUTTONDBLCLK:
      case WM_MOUSEWHEEL:
        break;
      case WM_MOUSEMOVE:
        if (!HandleMouseMove(MessagePoint(Msg)))
          Tracking = false;
        break;
      case WM_LBUTTONUP: {
        const POINT P = MessagePoint(Msg);
        if (InCurrentItem(P))
          PostKey(Window, VK_RETURN);
        else if (!CurrentItemViewAt(P))
          EndAllLevels();
        break;
      }
      case SE_OPENSUBMENU:
        OpenSubmenu();
        break;
      default:
        if (Msg.message >= WM_KEYFIRST && Msg.message <= WM_SYSDEADCHAR) {
          // Keys posted to a level that has closed since are not for this one.
          if (Msg.hwnd && !IsWindow(Msg.hwnd))
            break;
          if (GetKeyState(VK_LBUTTON) < 0)
            break;
          if (!HandleKey(Msg))
            Tracking = false;
          break;
        }
        TranslateMessage(&Msg);
        DispatchMessageW(&Msg);
      }
    }
  } catch (...) {
    GInnermost = Outer;
    if (ParentView)
      ParentView->RepaintAll();
    Tracking = false;
    EndMouseCapture();
    throw;
  }
  GInnermost = Outer;
  if (ParentView)
    ParentView->RepaintAll();
  Tracking = false;
  EndMouseCapture();
}

bool TSeItemView::HandleKey(const MSG& Msg) {
  if (Msg.message == WM_CHAR || Msg.message == WM_SYSCHAR) {
    if (TSeCustomItem* Chosen =
            Item ? AcceleratorItem(Item, static_cast<wchar_t>(Msg.wParam)) : nullptr) {
      SetCurrent(Chosen);
      PostKey(Window, VK_RETURN);
    }
    return true;
  }
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN)
    return true;
  const bool Popup = !Bar;
  switch (Msg.wParam) {
  case VK_TAB:
  case VK_SPACE:
    return true;
  case VK_RETURN:
    if (Current) {
      TSeCustomItem* Chosen = Current;
      Chosen->Click();
      if (!OpenSubmenu() && TSeCustomItem::Exists(Chosen) && Chosen->Enabled() &&
          !Chosen->IsSeparator())
        EndAllLevels();
    }
    return Tracking;
  case VK_MENU:
  case VK_F10:
    EndAllLevels();
    return false;
  case VK_ESCAPE:
    if (ParentView)
      ParentView->SubmenuOpen = false;
    SetCurrent(nullptr);
    return false;
  case VK_LEFT:
    if (!Popup) {
      SelectPrevious();
    } else if (ParentView) {
      if (ParentView->Bar) {
        PostKey(ParentView->Window, VK_LEFT);
        return false;
      }
      PostKey(Window, VK_ESCAPE);
    }
    return true;
  case VK_UP:
    if (Popup)
      SelectPrevious();
    return true;
  case VK_RIGHT:
    if (!Popup) {
      SelectNext();
    } else if (!OpenSubmenu() && ParentView) {
      if (ParentView->Bar) {
        PostKey(ParentView->Window, VK_RIGHT);
        return false;
      }
      PostKey(Window, VK_ESCAPE);
    }
    return true;
  case VK_DOWN:
    if (Popup)
      SelectNext();
    else
      OpenSubmenu();
    return true;
  default:
    TranslateMessage(&Msg);
    return true;
  }
}

bool TSeItemView::HandleMouseMove(POINT Screen) {
  if (Screen.x == GLastMouse.x && Screen.y == GLastMouse.y)
    return true;
  TSeItemView* Outermost = this;
  while (Outermost->ParentView)
    Outermost = Outermost->ParentView;
  for (TSeItemView* View = Outermost; View; View = View->ChildView) {
    TSeCustomItem* Before = View->Current;
    View->MouseMove(Screen);
    if (View != this && View->Current != Before && View->Current) {
      // The pointer chose another item of an outer level: the levels inside it close and
      // that level opens the new item's sub-menu.
      for (TSeItemView* Inner = this; Inner && Inner != View; Inner = Inner->ParentView)
        PostKey(Inner->Window, VK_ESCAPE);
      if (View->Window && View->Window->HandleAllocated())
        PostMessageW(View->Window->Handle(), SE_OPENSUBMENU, 0, 0);
      return false;
    }
    if (View == this)
      break;
  }
  GLastMouse = Screen;
  return true;
}
