#include "toolkit/ListView.h"

#include <algorithm>
#include <commctrl.h>

#include "toolkit/ErrorReport.h"

void TListItem::AddSubItem(const std::string& Text) {
  FSubItems.push_back(Text);
  if (FOwner && FOwner->HandleAllocated())
    ListView_SetItemText(FOwner->Handle(), Index(), static_cast<int>(FSubItems.size()),
                         const_cast<char*>(Text.c_str()));
}

bool TListItem::Checked() const {
  if (FOwner && FOwner->HandleAllocated())
    return ((ListView_GetItemState(FOwner->Handle(), Index(), LVIS_STATEIMAGEMASK) >> 12) & 0xF) ==
           2;
  return FChecked;
}

void TListItem::SetChecked(bool Value) {
  FChecked = Value;
  if (FOwner && FOwner->HandleAllocated())
    ListView_SetItemState(FOwner->Handle(), Index(), INDEXTOSTATEIMAGEMASK(Value ? 2 : 1),
                          LVIS_STATEIMAGEMASK);
}

int TListItem::Index() const {
  if (!FOwner)
    return -1;
  const auto& Items = FOwner->FItems;
  for (size_t I = 0; I < Items.size(); ++I)
    if (Items[I].get() == this)
      return static_cast<int>(I);
  return -1;
}

TListView::TListView(TComponent* AOwner) : TWinControl(AOwner) {
  FColor = clWindow;
  SetTabStop(true);
}

TListColumn* TListView::AddColumn(const std::string& Caption, int Width) {
  auto Column = std::make_unique<TListColumn>();
  Column->Caption = Caption;
  Column->Width = Width;
  Column->FIndex = ColumnCount();
  FColumns.push_back(std::move(Column));
  TListColumn* Added = FColumns.back().get();
  if (HandleAllocated()) {
    LVCOLUMNA Native{};
    Native.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    Native.pszText = const_cast<char*>(Added->Caption.c_str());
    Native.cx = Added->Width;
    Native.iSubItem = Added->FIndex;
    SendMessageW(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(Added->FIndex),
                 reinterpret_cast<LPARAM>(&Native));
  }
  return Added;
}

TListItem* TListView::AddItem(const std::string& Caption) {
  auto Item = std::make_unique<TListItem>();
  Item->FOwner = this;
  Item->FCaption = Caption;
  FItems.push_back(std::move(Item));
  TListItem* Added = FItems.back().get();
  if (HandleAllocated())
    InsertNative(Added, ItemCount() - 1);
  return Added;
}

void TListView::InsertNative(TListItem* Item, int Index) {
  LVITEMA Native{};
  Native.mask = LVIF_TEXT | LVIF_PARAM;
  Native.iItem = Index;
  Native.pszText = const_cast<char*>(Item->FCaption.c_str());
  Native.lParam = reinterpret_cast<LPARAM>(Item);
  SendMessageW(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Native));
  for (size_t Sub = 0; Sub < Item->FSubItems.size(); ++Sub)
    ListView_SetItemText(Handle(), Index, static_cast<int>(Sub + 1),
                         const_cast<char*>(Item->FSubItems[Sub].c_str()));
  ListView_SetItemState(Handle(), Index, INDEXTOSTATEIMAGEMASK(Item->FChecked ? 2 : 1),
                        LVIS_STATEIMAGEMASK);
}

void TListView::ClearItems() {
  if (HandleAllocated())
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
  FItems.clear();
}

void TListView::BeginUpdate() {
  if (FUpdateCount++ == 0 && HandleAllocated())
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && HandleAllocated()) {
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    Invalidate();
  }
}

int CALLBACK TListView::CompareItems(LPARAM Item1, LPARAM Item2, LPARAM Context) {
  auto* Self = reinterpret_cast<TListView*>(Context);
  return Guarded(0, [&] {
    int Compare = 0;
    if (Self->OnCompare)
      Self->OnCompare(Self, reinterpret_cast<TListItem*>(Item1),
                      reinterpret_cast<TListItem*>(Item2), Self->FSortData, Compare);
    return Compare;
  });
}

void TListView::CustomSort(int Data) {
  FSortData = Data;
  if (!HandleAllocated()) {
    std::stable_sort(FItems.begin(), FItems.end(), [this](const auto& A, const auto& B) {
      return CompareItems(reinterpret_cast<LPARAM>(A.get()), reinterpret_cast<LPARAM>(B.get()),
                          reinterpret_cast<LPARAM>(this)) < 0;
    });
    return;
  }
  SendMessageW(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
               reinterpret_cast<LPARAM>(CompareItems));
  // Take the order the control settled on.
  std::vector<std::unique_ptr<TListItem>> Sorted;
  Sorted.reserve(FItems.size());
  for (int I = 0; I < ItemCount(); ++I) {
    LVITEMA Native{};
    Native.mask = LVIF_PARAM;
    Native.iItem = I;
    SendMessageW(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&Native));
    auto It = std::find_if(FItems.begin(), FItems.end(), [&](const auto& Item) {
      return Item && reinterpret_cast<LPARAM>(Item.get()) == Native.lParam;
    });
    if (It != FItems.end())
      Sorted.push_back(std::move(*It));
  }
  FItems = std::move(Sorted);
}

void TListView::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = WC_LISTVIEWW;
  Params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS;
}

void TListView::CreateWnd() {
  TWinControl::CreateWnd();
  DWORD Extended = LVS_EX_DOUBLEBUFFER;
  if (Checkboxes)
    Extended |= LVS_EX_CHECKBOXES;
  if (GridLines)
    Extended |= LVS_EX_GRIDLINES;
  if (HotTrack)
    Extended |= LVS_EX_TRACKSELECT;
  if (RowSelect)
    Extended |= LVS_EX_FULLROWSELECT;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, Extended);
  ColorChanged();
  std::vector<std::unique_ptr<TListColumn>> Columns = std::move(FColumns);
  FColumns.clear();
  for (const auto& Column : Columns)
    AddColumn(Column->Caption, Column->Width);
  for (int I = 0; I < ItemCount(); ++I)
    InsertNative(FItems[I].get(), I);
}

void TListView::ColorChanged() {
  if (!HandleAllocated())
    return;
  SendMessageW(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessageW(Handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  Invalidate();
}

LRESULT TListView::CNNotify(NMHDR* Header) {
  if (Header->code == LVN_COLUMNCLICK && OnColumnClick) {
    const int Column = reinterpret_cast<NMLISTVIEW*>(Header)->iSubItem;
    if (Column >= 0 && Column < ColumnCount())
      OnColumnClick(this, Columns(Column));
  }
  return 0;
}
