#pragma once
// Common controls: page control with tab sheets, track bar, and a report-style list view.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"

class TPageControl;

class TTabSheet : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* Value);
  int PageIndex() const;

protected:
  void CaptionChanged() override;

private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
};

class TPageControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const { return FPages.at(Index); }
  int ActivePageIndex() const { return FActivePageIndex; }
  // Shows the page; does not raise OnChange (only the user's choice of a tab does).
  void SetActivePageIndex(int Value);

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void BoundsChanged() override;
  LRESULT CNNotify(NMHDR* Header) override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void UpdateTab(TTabSheet* Page);
  void LayoutPages();

  std::vector<TTabSheet*> FPages;
  int FActivePageIndex = -1;
};

class TTrackBar : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TTrackBar"; }

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  void SetRange(int AMin, int AMax);
  int Position() const { return FPosition; }
  // Clamps to the range; a change of position raises OnChange.
  void SetPosition(int Value);
  int LineSize = 1;
  int PageSize = 2;
  int Frequency = 1;

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNScroll(WORD Code) override;

private:
  void Changed();
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
};

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
