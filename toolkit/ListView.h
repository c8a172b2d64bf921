#pragma once
// The platform's list view: columns (a stored collection), rows with data and check boxes,
// custom sorting and batch updates; report style unless told otherwise.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Published.h"
#include "toolkit/WinControl.h"

class TListView;

class TListColumn : public TPersistent {
public:
  std::string ClassName() const override { return "TListColumn"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  std::string Caption;
  int Width = 50;
  int Index() const { return FIndex; }
  // Both reach the platform's column once the list has its window.
  const std::string& GetCaption() const { return Caption; }
  void SetCaption(const std::string& Value);
  int GetWidth() const { return Width; }
  void SetWidth(int Value);

private:
  friend class TListView;
  void Update();
  TListView* FOwner = nullptr;
  int FIndex = 0;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
// The edges of a bevel, drawn only with a bevel kind other than bkNone.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TListItem {
public:
  const std::string& Caption() const { return FCaption; }
  const std::vector<std::string>& SubItems() const { return FSubItems; }
  void AddSubItem(const std::string& Text);
  // Replaces the text of an existing sub-item (0 is the second column).
  void SetSubItem(int Index, const std::string& Text);
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
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TListColumn* AddColumn(const std::string& Caption, int Width);
  // A column with the defaults, as the stored layout adds them.
  TListColumn* AddColumn() { return AddColumn("", 50); }
  int ColumnCount() const { return static_cast<int>(FColumns.size()); }
  TListColumn* Columns(int Index) const { return FColumns.at(Index).get(); }
  void ClearColumns();

  // The rows, in the order shown.
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TListItem* Items(int Index) const { return FItems.at(Index).get(); }
  TListItem* AddItem(const std::string& Caption);
  void ClearItems();
  void BeginUpdate();
  void EndUpdate();

  // Sorts the rows with OnCompare, handing it Data.
  void CustomSort(int Data);

  // Row check boxes, grid lines, hot tracking and whole-row selection: extended styles that
  // take effect at once.
  bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool Value);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  // Window styles: the window is made again when one changes.
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  // Without it the user may edit a row's caption in place.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // The selection shows only while the list has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // Stored; the list draws no bevel of its own while BevelKind is bkNone.
  TBevelCut BevelInner = bvRaised;
  TBevelCut BevelOuter = bvLowered;
  TBevelKind BevelKind = bkNone;

  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void ColorChanged() override;
  LRESULT CNNotify(NMHDR* Header) override;

private:
  friend class TListItem;
  friend class TListColumn;
  void InsertNative(TListItem* Item, int Index);
  void InsertNativeColumn(TListColumn* Column);
  void UpdateExtendedStyle();
  // For a window style: a list with a window makes it again.
  void StyleChanged();
  static int CALLBACK CompareItems(LPARAM Item1, LPARAM Item2, LPARAM Context);

  std::vector<std::unique_ptr<TListColumn>> FColumns;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FUpdateCount = 0;
  int FSortData = 0;
  bool FCheckboxes = true;
  bool FGridLines = true;
  bool FHotTrack = true;
  bool FRowSelect = true;
  TViewStyle FViewStyle = vsReport;
  bool FReadOnly = false;
  bool FHideSelection = true;
};
