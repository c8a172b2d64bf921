#pragma once
// The platform's list view in report style: columns, rows with data and check boxes, custom
// sorting and batch updates.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

class TListView;

class TListColumn {
public:
  std::string Caption;
  int Width = 50;
  int Index() const { return FIndex; }

private:
  friend class TListView;
  int FIndex = 0;
};

class TListItem {
public:
  const std::string& Caption() const { return FCaption; }
  const std::vector<std::string>& SubItems() const { return FSubItems; }
  void AddSubItem(const std::string& Text);
  bool Checked() const;
  void SetChecked(bool Value);
  void* Data = nullptr;
  int Index() const;

private:
  friend class TListView;
  TListView* FOwner = nullptr;
  std::string FCaption;
  std::vector<std::string> FSubItems;
  bool FChecked = false;
};

using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TLVCompareEvent = std::function<void(TObject* Sender, TListItem* Item1, TListItem* Item2,
                                           int Data, int& Compare)>;

class TListView : public TWinControl {
public:
  explicit TListView(TComponent* AOwner);
  std::string ClassName() const override { return "TListView"; }

  TListColumn* AddColumn(const std::string& Caption, int Width);
  int ColumnCount() const { return static_cast<int>(FColumns.size()); }
  TListColumn* Columns(int Index) const { return FColumns.at(Index).get(); }

  // The rows, in the order shown.
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TListItem* Items(int Index) const { return FItems.at(Index).get(); }
  TListItem* AddItem(const std::string& Caption);
  void ClearItems();
  void BeginUpdate();
  void EndUpdate();

  // Sorts the rows with OnCompare, handing it Data.
  void CustomSort(int Data);

  bool Checkboxes = true;
  bool GridLines = true;
  bool HotTrack = true;
  bool RowSelect = true;

  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void ColorChanged() override;
  LRESULT CNNotify(NMHDR* Header) override;

private:
  friend class TListItem;
  void InsertNative(TListItem* Item, int Index);
  static int CALLBACK CompareItems(LPARAM Item1, LPARAM Item2, LPARAM Context);

  std::vector<std::unique_ptr<TListColumn>> FColumns;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FUpdateCount = 0;
  int FSortData = 0;
};
