#include "controls/menu/SeItemView.h"

#include <algorithm>
#include <cwctype>

#include "controls/menu/MenuMetrics.h"
#include "controls/menu/SeCustomItem.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/ScopeGuards.h"
#include "toolkit/Timer.h"

namespace {

constexpr UINT ScrollInterval = 100;

bool Contains(const TRect& R, POINT P) {
  return P.x >= R.Left && P.x < R.Right && P.y >= R.Top && P.y < R.Bottom;
}

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

TSeItemView::TSeItemView(TComponent* AOwner) : TComponent(AOwner) {}

TSeItemView::~TSeItemView() = default;

TMenuRows TSeItemView::Rows() const {
  TMenuRows Result;
  if (!FItem)
    return Result;
  for (int I = 0; I < FItem->Count(); ++I)
    Result.Rows.push_back({FItem->Items(I)->Visible(), FItem->Items(I)->IsSeparator()});
  Result.Scrolled = FItem->Scrolled() && !FHorizontal;
  Result.ScrollCount = FItem->ScrollCount();
  Result.FirstVisible = FItem->FirstVisible;
  return Result;
}

bool TSeItemView::Scrolls() const { return Rows().Scrolls(); }

TRect TSeItemView::ScrollStrip(int Arrow) const {
  if (!Scrolls())
    return {};
  if (Arrow == 1)
    return {FOrigin.X, FOrigin.Y, FOrigin.X + FContentWidth, FOrigin.Y + MenuScrollStrip};
  return {FOrigin.X, FOrigin.Y + FContentHeight - MenuScrollStrip, FOrigin.X + FContentWidth,
          FOrigin.Y + FContentHeight};
}

// ---------------------------------------------------------------------------------------
// Layout

void TSeItemView::SetContentSize(int Width, int Height) {
  FContentWidth = Width;
  FContentHeight = Height;
}

void TSeItemView::Layout() {
  if (!FItem || !FCanvas)
    return;
  FCanvas->Font = MenuMetrics().Font;
  const int Count = FItem->Count();
  std::vector<TMenuRowSize> Sizes(Count);
  for (int I = 0; I < Count; ++I) {
    TSeCustomItem* Child = FItem->Items(I);
    Child->ItemRect = {};
    if (Child->Visible()) {
      const TPoint Size = Child->MeasureItem(*FCanvas, *this);
      Sizes[I] = {Size.X, Size.Y};
    }
  }
  if (!FHorizontal) {
    const TMenuLayout Placed = LayoutMenuRows(Rows(), Sizes, FOrigin);
    for (int I = 0; I < Count; ++I)
      FItem->Items(I)->ItemRect = Placed.Rects[I];
    SetContentSize(Placed.Width, Placed.Height);
    return;
  }
  // A row of buttons, left to right; a bar's system items sit at its control's right edge
  // (close, restore, minimize) and left edge (the window icon).
  const int BarWidth = FBarControl ? FBarControl->Width() : 0;
  int X = 0, Tallest = 0;
  for (int I = 0; I < Count; ++I) {
    TSeCustomItem* Child = FItem->Items(I);
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
    R = {R.Left + FOrigin.X, R.Top + FOrigin.Y, R.Right + FOrigin.X, R.Bottom + FOrigin.Y};
  }
  SetContentSize(X, Tallest);
}

TRect TSeItemView::GetItemRect(TSeCustomItem* Child) {
  if (!Child)
    return {};
  if (Child->ItemRect.IsEmpty() && Child->Visible() && Child->Parent() == FItem) {
    const TMenuRows R = Rows();
    const int Index = FItem->IndexOf(Child);
    const bool Shown =
        !R.Scrolls() || (Index >= R.FirstVisible && Index < R.FirstVisible + R.VisibleRowCount());
    if (Shown)
      Layout();
  }
  return Child->ItemRect;
}

void TSeItemView::InitiateActions() {
  if (FItem)
    for (int I = 0; I < FItem->Count(); ++I)
      FItem->Items(I)->InitiateAction();
}

// ---------------------------------------------------------------------------------------
// Painting

void TSeItemView::Paint(TCanvas& Target) {
  if (!FItem)
    return;
  Target.Font = MenuMetrics().Font;
  if (Scrolls()) {
    FItem->DrawScrollArrow(Target, *this, FHotArrow == 1, 1, ScrollStrip(1));
    FItem->DrawScrollArrow(Target, *this, FHotArrow == 2, 2, ScrollStrip(2));
  }
  const TMenuRows R = Rows();
  const int First = R.Scrolls() ? R.FirstVisible : 0;
  const int Last = First + R.VisibleRowCount();
  for (int I = First; I < Last && I < FItem->Count(); ++I) {
    TSeCustomItem* Child = FItem->Items(I);
    if (!Child->Visible() || Child->PaintingSuspended)
      continue;
    Child->DrawItem(Target, *this, !FTracking, Child == FCurrent, GetItemRect(Child));
  }
}

void TSeItemView::PaintAt(TCanvas& Target, TPoint Origin) {
  const TSwapScope<TPoint> Moved(FOrigin, Origin);
  Paint(Target);
}

void TSeItemView::ShowTracked(TSeCustomItem* Child, int Arrow) {
  FTracking = true;
  FCurrent = Child;
  FHotArrow = Arrow;
}

// ---------------------------------------------------------------------------------------
// The pointer and the arrow keys

void TSeItemView::SetCurrent(TSeCustomItem* Child) {
  if (Child == FCurrent)
    return;
  TSeCustomItem* Old = FCurrent;
  FCurrent = Child;
  RepaintItem(Old);
  RepaintItem(FCurrent);
}

void TSeItemView::MouseMove(POINT Screen) {
  if (!FItem || !FWindow || !FWindow->HandleAllocated())
    return;
  POINT P = Screen;
  ScreenToClient(FWindow->Handle(), &P);
  TSeCustomItem* Old = FCurrent;
  if (!FTracking) {
    FCurrent = nullptr;
    if (Application)
      Application->Hint.clear();
  }
  if (Scrolls()) {
    if (Contains(ScrollStrip(1), P)) {
      if (FHotArrow != 1)
        StartScrolling(1);
    } else if (Contains(ScrollStrip(2), P)) {
      if (FHotArrow != 2)
        StartScrolling(2);
    } else if (FHotArrow != 0) {
      StopScrolling();
      RepaintScrollArrow(1);
      RepaintScrollArrow(2);
    }
  }
  const TMenuRows R = Rows();
  const int First = R.Scrolls() ? R.FirstVisible : 0;
  const int Last = First + R.VisibleRowCount();
  for (int I = First; I < Last && I < FItem->Count(); ++I) {
    TSeCustomItem* Child = FItem->Items(I);
    if (Child->Visible() && Contains(GetItemRect(Child), P)) {
      FCurrent = Child;
      if (Application)
        Application->Hint = Child->Hint();
      break;
    }
  }
  if (FCurrent != Old) {
    RepaintItem(Old);
    RepaintItem(FCurrent);
  }
}

void TSeItemView::Select(bool Forward) {
  if (!FItem)
    return;
  const TMenuStep Step = StepMenu(Rows(), FItem->IndexOf(FCurrent), Forward);
  if (!Step.Skipped.empty())
    RepaintItem(FCurrent);
  if (Step.Current < 0)
    return;
  if (Step.FirstVisible != FItem->FirstVisible) {
    FItem->FirstVisible = Step.FirstVisible;
    Layout();
    RepaintAll();
  }
  TSeCustomItem* Next = FItem->Items(Step.Current);
  if (Next == FCurrent)
    return;
  SetCurrent(Next);
  if (Application)
    Application->Hint = Next->Hint();
  if (FSubmenuOpen)
    OpenSubmenu();
}

void TSeItemView::SelectNext() { Select(true); }
void TSeItemView::SelectPrevious() { Select(false); }

bool TSeItemView::OpenSubmenu() {
  if (!FTracker || !FCurrent || !FCurrent->Enabled() || FCurrent->Count() == 0 || FHotArrow != 0 ||
      !FWindow || !FWindow->HandleAllocated())
    return false;
  const TRect R = GetItemRect(FCurrent);
  POINT TopLeft{R.Left, R.Top}, BottomRight{R.Right, R.Bottom};
  ClientToScreen(FWindow->Handle(), &TopLeft);
  ClientToScreen(FWindow->Handle(), &BottomRight);
  const TRect OnScreen{TopLeft.x, TopLeft.y, BottomRight.x, BottomRight.y};
  FSubmenuOpen = true;
  if (FBar)
    FCurrent->Popup(*FTracker, this, OnScreen.Left, OnScreen.Bottom, OnScreen);
  else
    FCurrent->Popup(*FTracker, this, OnScreen.Right, OnScreen.Top, OnScreen);
  return true;
}

// ---------------------------------------------------------------------------------------
// The scroll strips

void TSeItemView::StartScrolling(int Arrow) {
  if (FChildView)
    FChildView->PostKey(VK_ESCAPE);
  FHotArrow = Arrow;
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
  FHotArrow = 0;
}

void TSeItemView::ScrollStep() {
  if (!FItem)
    return;
  if (FHotArrow == 1 && FItem->FirstVisible > 0)
    SelectPrevious();
  else if (FHotArrow == 2 && FItem->FirstVisible + FItem->ScrollCount() < FItem->Count())
    SelectNext();
}

// ---------------------------------------------------------------------------------------
// The level's loop

void TSeItemView::StartTracking(TMenuTracker& Tracker) {
  FTracker = &Tracker;
  FTracking = true;
  if (!FItem || FItem->Count() == 0)
    return;
  FCurrent = FirstRow();
  RepaintItem(FCurrent);
  POINT Cursor;
  if (GetCursorPos(&Cursor))
    MouseMove(Cursor);
}

void TSeItemView::StopTracking() {
  FTracking = false;
  FTracker = nullptr;
}

TSeCustomItem* TSeItemView::FirstRow() const {
  const int First = FItem->FirstVisible;
  if (First < 0 || First >= FItem->Count())
    return FItem->Items(FItem->Count() - 1);
  if (FItem->Items(First)->SystemKind != sikOrdinary && First + 1 < FItem->Count())
    return FItem->Items(First + 1);
  return FItem->Items(First);
}

bool TSeItemView::InCurrentItem(POINT Screen) const {
  if (!FCurrent || !FWindow || !FWindow->HandleAllocated())
    return false;
  POINT P = Screen;
  ScreenToClient(FWindow->Handle(), &P);
  return Contains(FCurrent->ItemRect, P);
}

TSeItemView* TSeItemView::CurrentItemViewAt(POINT Screen) {
  for (TSeItemView* View = this; View; View = View->FParentView)
    if (View->InCurrentItem(Screen))
      return View;
  return nullptr;
}

void TSeItemView::EndAllLevels() {
  for (TSeItemView* View = this; View; View = View->FParentView)
    View->EndLevelWithoutCurrent();
}

void TSeItemView::EndLevelWithoutCurrent() {
  FTracking = false;
  TSeCustomItem* Old = FCurrent;
  FCurrent = nullptr;
  FSubmenuOpen = false;
  RepaintItem(Old);
}

// ---------------------------------------------------------------------------------------
// The keys

bool TSeItemView::HandleKey(const MSG& Msg) {
  if (Msg.message == WM_CHAR || Msg.message == WM_SYSCHAR) {
    ChooseAccelerator(static_cast<wchar_t>(Msg.wParam));
    return true;
  }
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN)
    return true;
  const bool Popup = !FBar;
  switch (Msg.wParam) {
  case VK_TAB:
  case VK_SPACE:
    return true;
  case VK_RETURN:
    ChooseCurrent();
    return FTracking;
  case VK_MENU:
  case VK_F10:
    EndAllLevels();
    return false;
  case VK_ESCAPE:
    if (FParentView)
      FParentView->SubmenuClosed();
    SetCurrent(nullptr);
    return false;
  case VK_LEFT:
    if (Popup)
      return LeaveSideways(VK_LEFT);
    SelectPrevious();
    return true;
  case VK_UP:
    if (Popup)
      SelectPrevious();
    return true;
  case VK_RIGHT:
    if (Popup)
      return OpenSubmenu() || LeaveSideways(VK_RIGHT);
    SelectNext();
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

void TSeItemView::ChooseAccelerator(wchar_t Key) {
  if (TSeCustomItem* Chosen = FItem ? AcceleratorItem(FItem, Key) : nullptr) {
    SetCurrent(Chosen);
    PostKey(VK_RETURN);
  }
}

void TSeItemView::ChooseCurrent() {
  if (!FCurrent)
    return;
  TSeCustomItem* Chosen = FCurrent;
  Chosen->Click();
  if (!OpenSubmenu() && TSeCustomItem::Exists(Chosen) && Chosen->Enabled() &&
      !Chosen->IsSeparator())
    EndAllLevels();
}

// Left or right in a popup level: a bar that opened it moves to its neighbouring button,
// else the level closes.
bool TSeItemView::LeaveSideways(WPARAM Key) {
  if (!FParentView)
    return true;
  if (FParentView->Bar()) {
    FParentView->PostKey(Key);
    return false;
  }
  PostKey(VK_ESCAPE);
  return true;
}

// ---------------------------------------------------------------------------------------
// The window

HWND TSeItemView::WindowHandle() const {
  return FWindow && FWindow->HandleAllocated() ? FWindow->Handle() : nullptr;
}

void TSeItemView::PostToWindow(UINT Msg, WPARAM WParam) const {
  if (const HWND Own = WindowHandle())
    PostMessageW(Own, Msg, WParam, 0);
}

void TSeItemView::PostKey(WPARAM Key) const { PostToWindow(WM_KEYDOWN, Key); }

void TSeItemView::HideWindow() const {
  if (const HWND Own = WindowHandle())
    ShowWindow(Own, SW_HIDE);
}
