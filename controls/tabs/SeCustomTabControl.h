#pragma once
// The library's tab strip: tabs on any side, a single scrolling line with two scroll buttons
// or justified rows that rotate so that the active tab's row touches the page, hot tracking,
// owner drawing and a changing/change protocol. The arithmetic lives in TTabLayout; this
// class measures, paints (the platform's "Tab" theme while visual styles are on, the classic
// look otherwise) and handles the pointer and the keyboard. With UsePages it is a page control:
// the tabs are the captions of its TSeCustomTabSheet children and choosing a tab shows its sheet.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/base/SeCustomControl.h"
#include "controls/tabs/TabLayout.h"
#include "toolkit/Timer.h"

class TCustomImageList;
class TSeCustomTabControl;
class TSeCustomTabSheet;

// The tab captions. Every change runs the control's UpdateTabs, except inside an update
// bracket; closing the bracket invalidates the control and runs it once.
class TSeTabStringList {
public:
  explicit TSeTabStringList(TSeCustomTabControl& Control) : FControl(Control) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  const std::string& operator[](int Index) const { return FItems.at(Index); }
  const std::vector<std::string>& Items() const { return FItems; }
  int Add(const std::string& Text);
  void Insert(int Index, const std::string& Text);
  void Delete(int Index);
  void Clear();
  void Assign(const std::vector<std::string>& Texts);
  void Put(int Index, const std::string& Text);
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

private:
  void Changed();

  TSeCustomTabControl& FControl;
  std::vector<std::string> FItems;
  int FUpdateCount = 0;
};

// The sheets of a tab control in page order. Every change runs the control's UpdateTabs.
class TSePageList {
public:
  explicit TSePageList(TSeCustomTabControl& Control) : FControl(Control) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  TSeCustomTabSheet* operator[](int Index) const { return FItems.at(Index); }
  int IndexOf(const TSeCustomTabSheet* Sheet) const;
  void Add(TSeCustomTabSheet* Sheet);
  void Remove(TSeCustomTabSheet* Sheet);
  // Moves the sheet to Index (kept within the list).
  void Move(TSeCustomTabSheet* Sheet, int Index);
  void Clear();

private:
  TSeCustomTabControl& FControl;
  std::vector<TSeCustomTabSheet*> FItems;
};

class TSeCustomTabControl : public TSeCustomControl {
public:
  using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
  using TDrawTabEvent = std::function<void(TSeCustomTabControl* Control, int TabIndex,
                                           const TRect& Rect, bool Active)>;

  explicit TSeCustomTabControl(TComponent* AOwner);
  ~TSeCustomTabControl() override;
  std::string ClassName() const override { return "TSeCustomTabControl"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;

  TSeTabStringList& Tabs() { return FTabs; }
  const TSeTabStringList& Tabs() const { return FTabs; }
  int TabIndex() const { return FTabIndex; }
  // Ignored for the current tab and outside the tabs; OnChanging may refuse the change.
  // While the control is being read, only remembered until Loaded.
  void SetTabIndex(int Value);
  // The tab captions as lines of one text, for the stored layout.
  std::string TabsText() const;
  void SetTabsText(const std::string& Value);
  bool MultiLine() const { return FMultiLine; }
  // Side tabs need rows: turning it off for them raises an exception and changes nothing.
  void SetMultiLine(bool Value);
  TTabPosition TabPosition() const { return FTabPosition; }
  // Side tabs turn MultiLine on.
  void SetTabPosition(TTabPosition Value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { FHotTrack = Value; }
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value);
  // Turns MultiLine on.
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  // The sheets' images (ImageIndex), drawn at the start of their tabs; the control follows
  // the list's changes and forgets it when it goes.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  // Pages. With UsePages the tabs are the captions of the sheets whose PageVisible is on, in
  // page order, and the active sheet is the only one shown, over the page area.
  bool UsePages() const { return FUsePages; }
  // Turning it on (outside loading) frees the control's children: the sheets come after.
  void SetUsePages(bool Value);
  int PageCount() const { return FPages.Count(); }
  TSeCustomTabSheet* Pages(int Index) const { return FPages[Index]; }
  int IndexOfPage(const TSeCustomTabSheet* Sheet) const { return FPages.IndexOf(Sheet); }
  TSeCustomTabSheet* ActivePage() const { return FActivePage; }
  // Hides the old sheet, shows the new one over the page area and selects its tab; fires
  // OnChange. Sheets of other controls are ignored; the active sheet is only shown again.
  void SetActivePage(TSeCustomTabSheet* Value);
  // The stored layout names the active sheet (one of the pages; while the control is being
  // read, only remembered until Loaded); a name nothing answers to clears it.
  std::string ActivePageName() const;
  void SetActivePageName(const std::string& Value);
  // The active sheet's place in the page list (-1 for none), and the sheet at a place.
  int ActivePageIndex() const { return FPages.IndexOf(FActivePage); }
  void SetActivePageIndex(int Index);
  // The sheet of a tab (counting sheets with tabs only), null for none; and back.
  TSeCustomTabSheet* PageOfTab(int Tab) const;
  int TabOfPage(const TSeCustomTabSheet* Sheet) const;
  // The image of a tab's sheet in Images, -1 for none (no pages, no list, no index).
  int TabImageIndex(int Tab) const;
  // The control's picture under a sheet (its page frame over its own fill) painted into the
  // sheet's device context, the sheet Width x Height at (X, Y) of the control, so that the
  // frame shows through the sheet without a seam.
  void PaintPageFrameOn(HDC DC, int X, int Y, int Width, int Height);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;

  // State the pointer leaves behind.
  int HotTab() const { return FHotTab; }
  int FirstVisibleTab() const { return FFirstVisible; }
  bool LeftButtonPressed() const { return FLeftPressed; }
  bool RightButtonPressed() const { return FRightPressed; }
  bool LeftButtonHot() const { return FLeftHot; }
  bool RightButtonHot() const { return FRightHot; }

  virtual int MarginLeft() const { return 2; }
  virtual int MarginTop() const { return 2; }
  virtual int MarginRight() const { return 2; }
  virtual int MarginBottom() const { return 2; }
  // Tab I's width before justification (0 outside the tabs), and H.
  virtual int TabWidthOf(int Index) const;
  virtual int TabHeightOf() const;
  virtual int ScrollButtonSize() const;
  // The layout as the control stands now.
  TTabStrip Strip() const;
  TTabLayout Layout() const;
  // The tab under a point of the control, -1 for none.
  int TabAt(TPoint Point) const { return Layout().TabAt(Point); }

  // After the tab or page list changed: TabIndex brought back into the tabs; with pages the
  // tabs rebuilt from the sheets (the active sheet keeps its tab while it has one, else the
  // page of TabIndex becomes active); the tabs repainted and the active sheet re-bounded.
  virtual void UpdateTabs();

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void PaintClient() override;
  virtual void DrawTab(int Index);
  virtual void DrawTabFrame(int Index, const TRect& Rect, TTabPosition Side);
  // The sheet's image, 3 pixels in from the tab's outer corner at the start of the tab.
  virtual void DrawTabImage(int Index, const TRect& Rect, TTabPosition Side);
  virtual void DrawTabText(int Index, const TRect& Rect, TTabPosition Side);
  // The caption's band in a tab: H deep from the outer edge (inactive top tabs one pixel
  // lower), the active tab's rectangle shrunk by one first.
  TRect TabTextRect(int Index, const TRect& Rect, TTabPosition Side) const;
  // The caption on one line, centred both ways in Band, in the canvas's font; turned for side
  // tabs.
  void DrawTabCaption(int Index, const TRect& Band, TTabPosition Side);
  virtual void PaintPageFrame();
  virtual void PaintLeftButton();
  virtual void PaintRightButton();
  virtual bool InLeftButton(TPoint Point) const;
  virtual bool InRightButton(TPoint Point) const;
  // Fires OnChange; fires OnChanging and answers what it left (true unless refused).
  virtual void Change();
  virtual bool CanChange();
  virtual void DrawTabEvent(int Index, const TRect& Rect, bool Active);
  // The platform's theme draws the plain look (while visual styles are on).
  virtual bool Themed() const;
  bool DrawThemed(int Part, int State, const TRect& Rect);
  // Repaints the tab strip after tab, hot, scroll or focus changes: a buffered control (or
  // one without a window yet) is invalidated; an unbuffered one redraws the header strip
  // alone, through a bitmap, at once.
  void RepaintTabs();
  // The header strip: every tab, 2 pixels deeper toward the page, over the control's whole
  // length; empty without tabs.
  TRect HeaderStripRect() const;
  // Ctrl+Tab (Shift: back), wrapping round the tabs, while the focus is on the control or on
  // a control it holds.
  bool SelectNextTab(bool Forward);
  // Rows relaid out, the control invalidated and the active sheet put over the page area.
  void LayoutChanged();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TTabMargins Margins() const;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void EnabledChanged() override;
  void FocusEnter() override;
  void FocusExit() override;

public:
  // Sheets (and other children) are laid out in the page area.
  RECT AlignArea() const override;
  // The smallest client area in which every page shows all its controls whole.
  TSize ContentMinimum() const override;

private:
  friend class TSeTabStringList;
  friend class TSeCustomTabSheet;
  void InsertPage(TSeCustomTabSheet* Sheet);
  void RemovePage(TSeCustomTabSheet* Sheet);
  void MovePage(TSeCustomTabSheet* Sheet, int Index);
  void ClampTabIndex();
  void ScrollTabs(int Delta);
  void StartRepeat();
  void StopRepeat();
  void RepeatStep();
  void PaintScrollButton(const TRect& Rect, bool Left, bool Pressed, bool Hot);

  TSeTabStringList FTabs;
  int FTabIndex = -1;
  bool FMultiLine = false;
  TTabPosition FTabPosition = tpTop;
  bool FHotTrack = false;
  bool FOwnerDraw = false;
  bool FRaggedRight = false;
  bool FScrollOpposite = false;
  int FTabHeight = 0;
  int FTabWidth = 0;

  int FFirstVisible = 0;
  int FHotTab = -1;
  bool FLeftPressed = false;
  bool FRightPressed = false;
  bool FLeftHot = false;
  bool FRightHot = false;
  bool FInUpdateTabs = false;
  TSePageList FPages;
  TSeCustomTabSheet* FActivePage = nullptr;
  bool FUsePages = false;
  TCustomImageList* FImages = nullptr;
  int FLoadedTabIndex = -1;
  std::string FLoadedActivePage;
  std::unique_ptr<TTimer> FRepeatTimer;
};
