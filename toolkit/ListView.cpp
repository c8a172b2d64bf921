#include "toolkit/ListView.h"

#include <algorithm>
#include <commctrl.h>

#include "toolkit/CommonControls.h"
#include "toolkit/ControlProps.h"
#include "toolkit/ErrorReport.h"

namespace {

const char* const ViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
const char* const BevelCutNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const char* const BevelKindNames[] = {"bkNone", "bkTile", "bkSoft", "bkFlat"};

} // namespace

const TPropTable& TListColumn::Properties() {
  using C = TListColumn;
  static const TPropTable Table(
      nullptr, {AccessorProp<C>("Caption", TPropKind::pkString, &C::GetCaption, &C::SetCaption),
                AccessorProp<C>("Width", TPropKind::pkInteger, &C::GetWidth, &C::SetWidth)});
  return Table;
}

void TListColumn::SetCaption(const std::string& Value) {
  if (Value != Caption) {
    Caption = Value;
    Update();
  }
}

void TListColumn::SetWidth(int Value) {
  if (Value != Width) {
    Width = Value;
    Update();
  }
}

void TListColumn::Update() {
  if (!FOwner || !FOwner->HandleAllocated())
    return;
  LVCOLUMNA Native{};
  Native.mask = LVCF_TEXT | LVCF_WIDTH;
  Native.pszText = const_cast<char*>(Caption.c_str());
  Native.cx = Width;
  SendMessageW(FOwner->Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(FIndex),
               reinterpret_cast<LPARAM>(&Native));
}

void TListItem::AddSubItem(const std::string& Text) {
  FSubItems.push_back(Text);
  if (FOwner && FOwner->HandleAllocated())
    ListView_SetItemText(FOwner->Handle(), Index(), static_cast<int>(FSubItems.size()),
                         const_cast<char*>(Text.c_str()));
}

void TListItem::SetSubItem(int Index, const std::string& Text) {
  FSubItems.at(static_cast<size_t>(Index)) = Text;
  if (FOwner && FOwner->HandleAllocated())
    ListView_SetItemText(FOwner->Handle(), this->Index(), Index + 1,
                         const_cast<char*>(FSubItems[static_cast<size_t>(Index)].c_str()));
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

const TPropTable& TListView::Properties() {
  using L = TListView;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"),
       ControlProp("Top"),
       ControlProp("Width"),
       ControlProp("Height"),
       ControlProp("Hint"),
       FieldProp("BevelInner", &L::BevelInner, TPropKind::pkEnum, BevelCutNames),
       FieldProp("BevelOuter", &L::BevelOuter, TPropKind::pkEnum, BevelCutNames),
       FieldProp("BevelKind", &L::BevelKind, TPropKind::pkEnum, BevelKindNames),
       DefaultProp(
           AccessorProp<L>("Checkboxes", TPropKind::pkBoolean, &L::Checkboxes, &L::SetCheckboxes),
           true),
       DefaultProp(ControlProp("Color"), clWindow),
       CollectionProp<L, TListColumn>("Columns", &L::ColumnCount, &L::Columns, &L::ClearColumns,
                                      &L::AddColumn),
       ControlProp("Enabled"),
       ControlProp("Font"),
       DefaultProp(
           AccessorProp<L>("GridLines", TPropKind::pkBoolean, &L::GridLines, &L::SetGridLines),
           true),
       DefaultProp(AccessorProp<L>("HideSelection", TPropKind::pkBoolean, &L::HideSelection,
                                   &L::SetHideSelection),
                   true),
       DefaultProp(AccessorProp<L>("HotTrack", TPropKind::pkBoolean, &L::HotTrack, &L::SetHotTrack),
                   true),
       DefaultProp(AccessorProp<L>("ReadOnly", TPropKind::pkBoolean, &L::ReadOnly, &L::SetReadOnly),
                   false),
       DefaultProp(
           AccessorProp<L>("RowSelect", TPropKind::pkBoolean, &L::RowSelect, &L::SetRowSelect),
           true),
       ControlProp("ShowHint"),
       DefaultProp(AccessorProp<L>("TabStop", TPropKind::pkBoolean, &L::TabStop, &L::SetTabStop),
                   true),
       DefaultProp(AccessorProp<L>("ViewStyle", TPropKind::pkEnum, &L::ViewStyle, &L::SetViewStyle,
                                   ViewStyleNames),
                   vsReport),
       ControlProp("Visible"),
       EventProp("OnColumnClick", &L::OnColumnClick),
       EventProp("OnCompare", &L::OnCompare)});
  return Table;
}

TListColumn* TListView::AddColumn(const std::string& Caption, int Width) {
  auto Column = std::make_unique<TListColumn>();
  Column->Caption = Caption;
  Column->Width = Width;
  Column->FIndex = ColumnCount();
  Column->FOwner = this;
  FColumns.push_back(std::move(Column));
  TListColumn* Added = FColumns.back().get();
  if (HandleAllocated())
    InsertNativeColumn(Added);
  return Added;
}

void TListView::InsertNativeColumn(TListColumn* Column) {
  LVCOLUMNA Native{};
  Native.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  Native.pszText = const_cast<char*>(Column->Caption.c_str());
  Native.cx = Column->Width;
  Native.iSubItem = Column->FIndex;
  SendMessageW(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(Column->FIndex),
               reinterpret_cast<LPARAM>(&Native));
}

void TListView::ClearColumns() {
  if (HandleAllocated())
    for (int I = ColumnCount() - 1; I >= 0; --I)
      SendMessageW(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(I), 0);
  FColumns.clear();
}

void TListView::SetCheckboxes(bool Value) {
  if (Value != FCheckboxes) {
    FCheckboxes = Value;
    UpdateExtendedStyle();
  }
}

void TListView::SetGridLines(bool Value) {
  if (Value != FGridLines) {
    FGridLines = Value;
    UpdateExtendedStyle();
  }
}

void TListView::SetHotTrack(bool Value) {
  if (Value != FHotTrack) {
    FHotTrack = Value;
    UpdateExtendedStyle();
  }
}

void TListView::SetRowSelect(bool Value) {
  if (Value != FRowSelect) {
    FRowSelect = Value;
    UpdateExtendedStyle();
  }
}

void TListView::SetViewStyle(TViewStyle Value) {
  if (Value != FViewStyle) {
    FViewStyle = Value;
    StyleChanged();
  }
}

void TListView::SetReadOnly(bool Value) {
  if (Value != FReadOnly) {
    FReadOnly = Value;
    StyleChanged();
  }
}

void TListView::SetHideSelection(bool Value) {
  if (Value != FHideSelection) {
    FHideSelection = Value;
    StyleChanged();
  }
}

void TListView::StyleChanged() {
  if (!HandleAllocated())
    return;
  // The platform's list takes a new view and its other styles from the changed style bits.
  TCreateParams Params{};
  CreateParams(Params);
  const LONG_PTR Mask = LVS_TYPEMASK | LVS_EDITLABELS | LVS_SHOWSELALWAYS;
  const LONG_PTR Style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, (Style & ~Mask) | (Params.Style & Mask));
  Invalidate();
}

void TListView::UpdateExtendedStyle() {
  if (!HandleAllocated())
    return;
  DWORD Extended = LVS_EX_DOUBLEBUFFER;
  if (FCheckboxes)
    Extended |= LVS_EX_CHECKBOXES;
  if (FGridLines)
    Extended |= LVS_EX_GRIDLINES;
  if (FHotTrack)
    Extended |= LVS_EX_TRACKSELECT;
  if (FRowSelect)
    Extended |= LVS_EX_FULLROWSELECT;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE,
               LVS_EX_DOUBLEBUFFER | LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT |
                   LVS_EX_FULLROWSELECT,
               Extended);
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
  return Shielded(0, [&] {
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
  CommonControls(); // the library registers the class
  Params.WinClassName = WC_LISTVIEWW;
  static const DWORD Views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  Params.Style |= Views[FViewStyle];
  if (!FReadOnly)
    Params.Style |= LVS_EDITLABELS;
  if (!FHideSelection)
    Params.Style |= LVS_SHOWSELALWAYS;
}

void TListView::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateExtendedStyle();
  ColorChanged();
  for (const auto& Column : FColumns)
    InsertNativeColumn(Column.get());
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
