#include "controls/SeItemView.h"

#include <algorithm>

#include "controls/MenuMetrics.h"
#include "controls/SeCustomItem.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/Timer.h"

namespace {

constexpr UINT ScrollInterval = 100;

bool Contains(const TRect& R, POINT P) {
  return P.x >= R.Left && P.x < R.Right && P.y >= R.Top && P.y < R.Bottom;
}

} // namespace

TSeItemView::TSeItemView(TComponent* AOwner) : TComponent(AOwner) {}

TSeItemView::~TSeItemView() = default;

TMenuRows TSeItemView::Rows() const {
  TMenuRows Result;
  if (!Item)
    return Result;
  for (int I = 0; I < Item->Count(); ++I)
    Result.Rows.push_back({Item->Items(I)->Visible(), Item->Items(I)->IsSeparator()});
  Result.Scrolled = Item->Scrolled() && !Horizontal;
  Result.ScrollCount = Item->ScrollCount();
  Result.FirstVisible = Item->FirstVisible;
  return Result;
}

bool TSeItemView::Scrolls() const { return Rows().Scrolls(); }

TRect TSeItemView::ScrollStrip(int Arrow) const {
  if (!Scrolls())
    return {};
  if (Arrow == 1)
    return {Origin.X, Origin.Y, Origin.X + ContentWidth, Origin.Y + MenuScrollStrip};
  return {Origin.X, Origin.Y + ContentHeight - MenuScrollStrip, Origin.X + ContentWidth,
          Origin.Y + ContentHeight};
}

// ---------------------------------------------------------------------------------------
// Layout

void TSeItemView::SetContentSize(int Width, int Height) {
  ContentWidth = Width;
  ContentHeight = Height;
}

void TSeItemView::Layout() {
  if (!Item || !Canvas)
    return;
  Canvas->Font = MenuMetrics().Font;
  const int Count = Item->Count();
  std::vector<TMenuRowSize> Sizes(Count);
  for (int I = 0; I < Count; ++I) {
    TSeCustomItem* Child = Item->Items(I);
    Child->ItemRect = {};
    if (Child->Visible()) {
      const TPoint Size = Child->MeasureItem(*Canvas, *this);
      Sizes[I] = {Size.X, Size.Y};
    }
  }
  if (!Horizontal) {
    const TMenuLayout Placed = LayoutMenuRows(Rows(), Sizes, Origin);
    for (int I = 0; I < Count; ++I)
      Item->Items(I)->ItemRect = Placed.Rects[I];
    SetContentSize(Placed.Width, Placed.Height);
    return;
  }
  // A row of buttons, left to right; a bar's system items sit at its control's right edge
  // (close, restore, minimize) and left edge (the window icon).
  const int BarWidth = BarControl ? BarControl->Width() : 0;
  int X = 0, Tallest = 0;
  for (int I = 0; I < Count; ++I) {
    TSeCustomItem* Child = Item->Items(I);
    if (!Child->Visible())
      continue;
    const int W = Sizes[I].Width, H = Sizes[I].Height;
    Tallest = std::max(Tallest, H);
    switch (Child->SystemKind) {
    case sikClose:
      Child->ItemRect = {BarWidth - W, 0, BarWidth, H};
      break;
    case sikRestore:
      Child->ItemRect = {BarWidth - 2 * W, 0, BarWidth - W, H};
      break;
    case sikMinimize:
      Child->ItemRect = {BarWidth - 3 * W, 0, BarWidth - 2 * W, H};
      break;
    case sikWindowIcon:
      Child->ItemRect = {0, 0, W, H};
      break;
    case sikOrdinary:
      X += W;
      Child->ItemRect = {X - W, 0, X, H};
      break;
    }
    TRect& R = Child->ItemRect;
    R = {R.Left + Origin.X, R.Top + Origin.Y, R.Right + Origin.X, R.Bottom + Origin.Y};
  }
  SetContentSize(X, Tallest);
}

TRect TSeItemView::GetItemRect(TSeCustomItem* Child) {
  if (!Child)
    return {};
  if (Child->ItemRect.IsEmpty() && Child->Visible() && Child->Parent() == Item) {
    const TMenuRows R = Rows();
    const int Index = Item->IndexOf(Child);
    const bool Shown =
        !R.Scrolls() || (Index >= R.FirstVisible && Index < R.FirstVisible + R.VisibleRowCount());
    if (Shown)
      Layout();
  }
  return Child->ItemRect;
}

void TSeItemView::InitiateActions() {
  if (Item)
    for (int I = 0; I < Item->Count(); ++I)
      Item->Items(I)->InitiateAction();
}

// ---------------------------------------------------------------------------------------
// Painting

void TSeItemView::Paint(TCanvas& Target) {
  if (!Item)
    return;
  Target.Font = MenuMetrics().Font;
  if (Scrolls()) {
    Item->DrawScrollArrow(Target, *this, HotArrow == 1, 1, ScrollStrip(1));
    Item->DrawScrollArrow(Target, *this, HotArrow == 2, 2, ScrollStrip(2));
  }
  const TMenuRows R = Rows();
  const int First = R.Scrolls() ? R.FirstVisible : 0;
  const int Last = First + R.VisibleRowCount();
  for (int I = First; I < Last && I < Item->Count(); ++I) {
    TSeCustomItem* Child = Item->Items(I);
    if (!Child->Visible() || Child->PaintingSuspended)
      continue;
    Child->DrawItem(Target, *this, !Tracking, Child == Current, GetItemRect(Child));
  }
}

// ---------------------------------------------------------------------------------------
// The pointer and the arrow keys

void TSeItemView::SetCurrent(TSeCustomItem* Child) {
  if (Child == Current)
    return;
  TSeCustomItem* Old = Current;
  Current = Child;
  RepaintItem(Old);
  RepaintItem(Current);
}

void TSeItemView::MouseMove(POINT Screen) {
  if (!Item || !Window || !Window->HandleAllocated())
    return;
  POINT P = Screen;
  ScreenToClient(Window->Handle(), &P);
  TSeCustomItem* Old = Current;
  if (!Tracking) {
    Current = nullptr;
    if (Application)
      Application->Hint.clear();
  }
  if (Scrolls()) {
    if (Contains(ScrollStrip(1), P)) {
      if (HotArrow != 1)
        StartScrolling(1);
    } else if (Contains(ScrollStrip(2), P)) {
      if (HotArrow != 2)
        StartScrolling(2);
    } else if (HotArrow != 0) {
      StopScrolling();
      RepaintScrollArrow(1);
      RepaintScrollArrow(2);
    }
  }
  const TMenuRows R = Rows();
  const int First = R.Scrolls() ? R.FirstVisible : 0;
  const int Last = First + R.VisibleRowCount();
  for (int I = First; I < Last && I < Item->Count(); ++I) {
    TSeCustomItem* Child = Item->Items(I);
    if (Child->Visible() && Contains(GetItemRect(Child), P)) {
      Current = Child;
      if (Application)
        Application->Hint = Child->Hint();
      break;
    }
  }
  if (Current != Old) {
    RepaintItem(Old);
    RepaintItem(Current);
  }
}

void TSeItemView::Select(bool Forward) {
  if (!Item)
    return;
  const TMenuStep Step = StepMenu(Rows(), Item->IndexOf(Current), Forward);
  if (!Step.Skipped.empty())
    RepaintItem(Current);
  if (Step.Current < 0)
    return;
  if (Step.FirstVisible != Item->FirstVisible) {
    Item->FirstVisible = Step.FirstVisible;
    Layout();
    RepaintAll();
  }
  TSeCustomItem* Next = Item->Items(Step.Current);
  if (Next == Current)
    return;
  SetCurrent(Next);
  if (Application)
    Application->Hint = Next->Hint();
  if (SubmenuOpen)
    OpenSubmenu();
}

void TSeItemView::SelectNext() { Select(true); }
void TSeItemView::SelectPrevious() { Select(false); }

bool TSeItemView::OpenSubmenu() {
  if (!Current || !Current->Enabled() || Current->Count() == 0 || HotArrow != 0 || !Window ||
      !Window->HandleAllocated())
    return false;
  const TRect R = GetItemRect(Current);
  POINT TopLeft{R.Left, R.Top}, BottomRight{R.Right, R.Bottom};
  ClientToScreen(Window->Handle(), &TopLeft);
  ClientToScreen(Window->Handle(), &BottomRight);
  const TRect OnScreen{TopLeft.x, TopLeft.y, BottomRight.x, BottomRight.y};
  SubmenuOpen = true;
  if (Bar)
    Current->Popup(this, OnScreen.Left, OnScreen.Bottom, OnScreen);
  else
    Current->Popup(this, OnScreen.Right, OnScreen.Top, OnScreen);
  return true;
}

// ---------------------------------------------------------------------------------------
// The scroll strips

void TSeItemView::StartScrolling(int Arrow) {
  if (ChildView && ChildView->Window && ChildView->Window->HandleAllocated())
    PostMessageW(ChildView->Window->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  HotArrow = Arrow;
  RepaintScrollArrow(Arrow);
  if (!FScrollTimer) {
    FScrollTimer = std::make_unique<TTimer>(nullptr);
    FScrollTimer->SetOnTimer([this](TObject*) { ScrollStep(); });
  }
  FScrollTimer->SetInterval(ScrollInterval);
  FScrollTimer->SetEnabled(true);
}

void TSeItemView::StopScrolling() {
  FScrollTimer.reset();
  HotArrow = 0;
}

void TSeItemView::ScrollStep() {
  if (!Item)
    return;
  if (HotArrow == 1 && Item->FirstVisible > 0)
    SelectPrevious();
  else if (HotArrow == 2 && Item->FirstVisible + Item->ScrollCount() < Item->Count())
    SelectNext();
}

// ---------------------------------------------------------------------------------------

bool TSeItemView::InCurrentItem(POINT Screen) const {
  if (!Current || !Window || !Window->HandleAllocated())
    return false;
  POINT P = Screen;
  ScreenToClient(Window->Handle(), &P);
  return Contains(Current->ItemRect, P);
}

TSeItemView* TSeItemView::CurrentItemViewAt(POINT Screen) {
  for (TSeItemView* View = this; View; View = View->ParentView)
    if (View->InCurrentItem(Screen))
      return View;
  return nullptr;
}

void TSeItemView::EndAllLevels() {
  for (TSeItemView* View = this; View; View = View->ParentView) {
    View->Tracking = false;
    TSeCustomItem* Old = View->Current;
    View->Current = nullptr;
    View->SubmenuOpen = false;
    View->RepaintItem(Old);
  }
}
