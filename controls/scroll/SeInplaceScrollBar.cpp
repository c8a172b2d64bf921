#include "controls/scroll/SeInplaceScrollBar.h"

#include <commctrl.h>
#include <cstdlib>

#include "toolkit/ListView.h"

namespace {

int PlatformBar(TScrollBarKind Kind) { return Kind == sbVertical ? SB_VERT : SB_HORZ; }

// The pixels of one row of a report list. Rows are taller than a line of the font (check
// boxes, small icons, the focus frame), and the list rounds a scroll in pixels to whole rows:
// a line of text per row falls short by several rows on long drags. A list without rows
// scrolls nothing, and a line of its font stands in.
int RowHeight(HWND List, const TListView& Control) {
  RECT Row{};
  if (ListView_GetItemCount(List) > 0 && ListView_GetItemRect(List, 0, &Row, LVIR_BOUNDS) &&
      Row.bottom > Row.top)
    return Row.bottom - Row.top;
  return std::abs(Control.Font().Height());
}

} // namespace

// ---------------------------------------------------------------------------------------
// One in-place bar

TSeInplaceScrollBar::TSeInplaceScrollBar(TComponent* AOwner, TScrollBarKind Kind,
                                         TSeScrollBarFactory Factory)
    : TCustomControl(AOwner), FKind(Kind), FFactory(std::move(Factory)) {
  // Shown once it has found its platform bar.
  SetVisible(false);
}

TSeCustomScrollBar* TSeInplaceScrollBar::ScrollBar() {
  if (!FScrollBar && FFactory) {
    // Made on first use rather than at construction: the factory is a virtual of the list
    // view, and a class derived from it gives its own bars only once it is complete.
    std::unique_ptr<TSeCustomScrollBar> Made = FFactory(this);
    if (!Made)
      return nullptr;
    FScrollBar = static_cast<TSeCustomScrollBar*>(InsertComponent(std::move(Made)));
    FScrollBar->SetKind(FKind);
    FScrollBar->SetBorderWidth(0);
    FScrollBar->SetPerformance(qzpDoubleBuffer);
    const RECT Client = ClientRect();
    FScrollBar->SetBounds(0, 0, Client.right, Client.bottom);
    FScrollBar->OnScroll = [this](TObject*, TScrollCode Code, int& Position) {
      InnerScroll(Code, Position);
    };
    FScrollBar->SetParent(this);
  }
  return FScrollBar;
}

void TSeInplaceScrollBar::CreateWnd() {
  TCustomControl::CreateWnd();
  ScrollBar();
}

void TSeInplaceScrollBar::BoundsChanged() {
  TCustomControl::BoundsChanged();
  if (FScrollBar) {
    const RECT Client = ClientRect();
    FScrollBar->SetBounds(0, 0, Client.right, Client.bottom);
  }
}

bool TSeInplaceScrollBar::Usable() const {
  // Its own window is made when it first shows.
  return !Destroying() && Parent() && Parent()->HandleAllocated() && FTarget &&
         !FTarget->Destroying() && FTarget->HandleAllocated();
}

void TSeInplaceScrollBar::TargetMessage(UINT Msg) {
  switch (Msg) {
  case WM_PAINT:
  case WM_ERASEBKGND:
  case WM_HSCROLL:
  case WM_VSCROLL:
    Synchronize();
    break;
  default:
    break;
  }
}

void TSeInplaceScrollBar::Synchronize() {
  if (!Usable())
    return;
  const HWND Wnd = FTarget->Handle();
  SCROLLBARINFO Info{};
  Info.cbSize = sizeof Info;
  if (!IsWindowVisible(Wnd) ||
      !GetScrollBarInfo(Wnd, FKind == sbVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &Info) ||
      (Info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    SetVisible(false);
    return;
  }
  RECT Place = Info.rcScrollBar;
  MapWindowPoints(nullptr, Parent()->Handle(), reinterpret_cast<POINT*>(&Place), 2);
  // Above the list view, whose window clips its siblings.
  SetWindowPos(Handle(), HWND_TOP, Place.left, Place.top, Place.right - Place.left,
               Place.bottom - Place.top, SWP_NOACTIVATE);
  SetVisible(true);

  SCROLLINFO Scroll{};
  Scroll.cbSize = sizeof Scroll;
  Scroll.fMask = SIF_ALL;
  if (!GetScrollInfo(Wnd, PlatformBar(FKind), &Scroll))
    return;
  TSeCustomScrollBar* Bar = ScrollBar();
  if (!Bar)
    return;
  Bar->SetEnabled(FTarget->Enabled());
  // Either end first, so that neither is refused for crossing the other's old value.
  if (Scroll.nMin > Bar->Max()) {
    Bar->SetMax(Scroll.nMax);
    Bar->SetMin(Scroll.nMin);
  } else {
    Bar->SetMin(Scroll.nMin);
    Bar->SetMax(Scroll.nMax);
  }
  Bar->SetPageSize(static_cast<int>(Scroll.nPage));
  Bar->SetPosition(Scroll.nPos);
  Bar->Invalidate();
}

void TSeInplaceScrollBar::InnerScroll(TScrollCode Code, int& Position) {
  if (!Usable())
    return;
  const HWND Wnd = FTarget->Handle();
  const UINT ScrollMessage = FKind == sbVertical ? WM_VSCROLL : WM_HSCROLL;
  switch (Code) {
  case scLineUp:
  case scLineDown:
    SendMessageW(Wnd, ScrollMessage, Code, 0);
    break;
  case scPageUp:
  case scPageDown:
  case scPosition:
  case scTrack:
  case scTop:
  case scBottom:
  case scEndScroll:
    if (auto* List = dynamic_cast<TListView*>(FTarget)) {
      SCROLLINFO Scroll{};
      Scroll.cbSize = sizeof Scroll;
      Scroll.fMask = SIF_ALL;
      GetScrollInfo(Wnd, PlatformBar(FKind), &Scroll);
      const int Delta = Position - Scroll.nTrackPos;
      int Dx = 0, Dy = 0;
      if (FKind == sbVertical) {
        Dy = Delta;
        // A report list scrolls in pixels but counts its bar in rows.
        if ((GetWindowLongW(Wnd, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT)
          Dy *= RowHeight(Wnd, *List);
      } else {
        Dx = Delta;
      }
      if (Delta != 0)
        SendMessageW(Wnd, LVM_SCROLL, static_cast<WPARAM>(Dx), static_cast<LPARAM>(Dy));
    } else {
      SendMessageW(Wnd, ScrollMessage, MAKEWPARAM(Code, Position), 0);
    }
    break;
  default:
    return;
  }
  Synchronize();
  if (FScrollBar)
    Position = FScrollBar->Position();
}

// ---------------------------------------------------------------------------------------
// The pair

TSeSubScrollBar::TSeSubScrollBar(TComponent* AOwner, TWinControl* ListView,
                                 const TSeScrollBarFactory& Factory)
    : TComponent(AOwner), FListView(ListView),
      FHorzBar(std::make_unique<TSeInplaceScrollBar>(nullptr, sbHorizontal, Factory)),
      FVertBar(std::make_unique<TSeInplaceScrollBar>(nullptr, sbVertical, Factory)) {
  FHorzBar->SetTarget(ListView);
  FVertBar->SetTarget(ListView);
}

TSeSubScrollBar::~TSeSubScrollBar() {
  SetListView(nullptr);
  for (auto* Bar : {FHorzBar.get(), FVertBar.get()})
    Bar->BeforeDestruction();
}

void TSeSubScrollBar::SetListView(TWinControl* Value) {
  FListView = Value;
  for (auto* Bar : {FHorzBar.get(), FVertBar.get()}) {
    Bar->SetTarget(Value);
    if (!Value)
      Bar->SetParent(nullptr);
  }
}

void TSeSubScrollBar::SetParent(TWinControl* Parent) {
  for (auto* Bar : {FHorzBar.get(), FVertBar.get()})
    Bar->SetParent(Parent);
}

void TSeSubScrollBar::ListViewMessage(UINT Msg) {
  if (!FListView || FListView->Destroying() || !FListView->HandleAllocated())
    return;
  for (auto* Bar : {FHorzBar.get(), FVertBar.get()})
    Bar->TargetMessage(Msg);
}

void TSeSubScrollBar::Synchronize() {
  for (auto* Bar : {FHorzBar.get(), FVertBar.get()})
    Bar->Synchronize();
}
