#include "toolkit/PageControl.h"

#include <algorithm>
#include <commctrl.h>

namespace {

// Inserts (TCM_INSERTITEMW) or renames (TCM_SETITEMW) a tab.
void SendTabText(HWND Tabs, UINT Msg, int Index, const std::string& Text) {
  std::wstring Wide = WindowText(Text);
  TCITEMW Item{};
  Item.mask = TCIF_TEXT;
  Item.pszText = Wide.data();
  SendMessageW(Tabs, Msg, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item));
}

} // namespace

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

TPageControl::~TPageControl() {
  for (TTabSheet* Page : FPages)
    Page->FPageControl = nullptr;
}

void TPageControl::SetActivePageIndex(int Value) {
  if (Value < 0 || Value >= PageCount())
    return;
  FActivePageIndex = Value;
  if (HandleAllocated())
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(Value), 0);
  for (int I = 0; I < PageCount(); ++I)
    FPages[I]->SetVisible(I == Value);
}

void TPageControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = WC_TABCONTROLW;
  Params.Style |= TCS_MULTILINE;
}

void TPageControl::CreateWnd() {
  TWinControl::CreateWnd();
  for (int I = 0; I < PageCount(); ++I)
    SendTabText(Handle(), TCM_INSERTITEMW, I, FPages[I]->Caption());
  if (FActivePageIndex >= 0)
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(FActivePageIndex), 0);
  LayoutPages();
}

void TPageControl::BoundsChanged() {
  TWinControl::BoundsChanged();
  LayoutPages();
}

LRESULT TPageControl::CNNotify(NMHDR* Header) {
  if (Header->code == TCN_SELCHANGE) {
    SetActivePageIndex(static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)));
    if (OnChange)
      OnChange(this);
  }
  return 0;
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  Page->SetVisible(false);
  if (HandleAllocated()) {
    SendTabText(Handle(), TCM_INSERTITEMW, PageCount() - 1, Page->Caption());
    LayoutPages();
  }
  if (FActivePageIndex < 0)
    SetActivePageIndex(0);
}

void TPageControl::RemovePage(TTabSheet* Page) {
  const auto It = std::find(FPages.begin(), FPages.end(), Page);
  if (It == FPages.end())
    return;
  const int Index = static_cast<int>(It - FPages.begin());
  FPages.erase(It);
  if (HandleAllocated())
    SendMessageW(Handle(), TCM_DELETEITEM, static_cast<WPARAM>(Index), 0);
  if (FActivePageIndex >= PageCount())
    FActivePageIndex = PageCount() - 1;
}

void TPageControl::UpdateTab(TTabSheet* Page) {
  if (HandleAllocated())
    SendTabText(Handle(), TCM_SETITEMW, Page->PageIndex(), Page->Caption());
}

void TPageControl::LayoutPages() {
  if (!HandleAllocated())
    return;
  RECT Display{0, 0, Width(), Height()};
  SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
  for (TTabSheet* Page : FPages)
    Page->SetBounds(Display.left, Display.top, Display.right - Display.left,
                    Display.bottom - Display.top);
}
