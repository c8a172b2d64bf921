#pragma once
// The tab strip's arithmetic, free of the window system: tab metrics, rows that break where
// the next tab would not fit and are justified to fill the strip, the order of the rows
// outward from the page (the active tab's row always touches it), the rectangles of tabs,
// page and scroll buttons, single-line scrolling, hit testing and the painting order.
//
// Coordinates: "along" runs with the strip (x for tabs on top or bottom, y for side tabs),
// "depth" runs from the tab side's edge of the control into it. Everything is worked out
// for tabs on top and mirrored for the other sides.

#include <vector>

#include "toolkit/Types.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// The row table's capacity; the last row takes every remaining tab.
constexpr int MaxTabRows = 100;

struct TTabMargins {
  int Left = 2;
  int Top = 2;
  int Right = 2;
  int Bottom = 2;
};

// One row: the index of its last tab, the extra extent every tab of the row gets and the
// remainder the last tab gets on top, so that a justified row fills the strip exactly.
struct TTabRow {
  int LastTab = 0;
  int Extra = 0;
  int Remainder = 0;
  friend bool operator==(const TTabRow&, const TTabRow&) = default;
};

TTabPosition OppositeSide(TTabPosition Side);
// The margin on the tab side: Top, Bottom, Left or Right.
int SideMargin(TTabPosition Side, const TTabMargins& Margins);

// A tab on Side with its outer edge (away from the page) moved by Amount toward the page.
TRect MoveOuterEdge(TRect R, TTabPosition Side, int Amount);

// H: TabHeight when positive, else the text height + 4; with an image (ImageHeight >= 0)
// at least the image height + 4.
int TabHeightFor(int TabHeight, int TextHeight, int ImageHeight);
// A tab's width: FixedWidth when not 0, else the caption's width + 12 + the image width;
// never below 2 * (TabHeight + SideMargin).
int TabWidthFor(int FixedWidth, int TextWidth, int ImageWidth, int TabHeight, int SideMargin);

// Rows for tabs of these widths in a strip Available long: a tab joins the row while the row
// stays strictly shorter than Available; the first tab of a row always joins.
std::vector<TTabRow> ArrangeRows(const std::vector<int>& Widths, int Available);

// What the layout depends on.
struct TTabStrip {
  TTabPosition Position = tpTop;
  int Width = 0; // the control's size
  int Height = 0;
  TTabMargins Margins;
  int TabHeight = 0;       // H
  std::vector<int> Widths; // each tab's width
  bool MultiLine = false;
  bool RaggedRight = false;
  bool FixedWidth = false; // TabWidth is set: rows are not justified
  bool ScrollOpposite = false;
  int TabIndex = -1;
  int FirstVisible = 0;     // single line: the first tab shown
  int ScrollButtonSize = 0; // s: each scroll button is s by s
};

// The smallest control whose sheet area is at least Sheet: along the strip the margins alone
// decide; across it, the rows the tabs need at that length.
TSize ControlSizeForSheet(TTabStrip Strip, TSize Sheet);

class TTabLayout {
public:
  explicit TTabLayout(TTabStrip Strip);

  const TTabStrip& Strip() const { return FStrip; }
  int Count() const { return static_cast<int>(FStrip.Widths.size()); }
  // The strip's length available to tabs: width (height for side tabs) less the left and
  // right margins.
  int Available() const;
  const std::vector<TTabRow>& Rows() const { return FRows; }

  int RowOf(int Tab) const;
  int FirstTabOf(int Row) const { return Row == 0 ? 0 : FRows[Row - 1].LastTab + 1; }
  // The active tab's row (0 without an active tab).
  int ActiveRow() const;
  // How many places from the page the row is drawn; 1 touches the page.
  int Distance(int Row) const;
  // With ScrollOpposite the rows before the active one go to the opposite side.
  bool IsOpposite(int Row) const;
  // The side a tab is drawn on.
  TTabPosition SideOf(int Tab) const;
  // A tab's length along the strip: its width, justified in multi-line mode.
  int Extent(int Tab) const;

  // The depth of the tab strip, and of the rows moved to the opposite side.
  int HeaderSize() const;
  int OppositeHeaderSize() const;
  TRect PageRect() const;
  // Where the sheets go: the page inset by the margins plus one.
  TRect SheetRect() const;
  TRect TabRect(int Tab) const;

  bool ScrollButtonsShown() const { return ScrollButtonsShownFor(FStrip.FirstVisible); }
  TRect LeftButtonRect() const;
  TRect RightButtonRect() const;
  // The first visible tab after scrolling by Delta tabs: kept in range, and moved back as far
  // as the tabs from it to the end still fit left of the buttons.
  int ScrolledFirstVisible(int Delta) const;
  // The first visible tab that shows Tab whole, left of the scroll buttons.
  int FirstVisibleShowing(int Tab) const;

  // The tab under a point, -1 for none: the active tab first, then outward from the page.
  int TabAt(TPoint Point) const;
  // The tabs to paint before the page frame, farthest first; the active tab is left out (it
  // is painted after the page frame).
  std::vector<int> PaintOrder() const;

private:
  int Length() const;
  int Depth() const;
  TRect Place(TTabPosition Side, int AlongStart, int AlongEnd, int DepthStart, int DepthEnd) const;
  int AlongStart(int Tab, int FirstVisible) const;
  TRect TabRectFor(int Tab, int FirstVisible) const;
  bool ScrollButtonsShownFor(int FirstVisible) const;
  int ButtonsTop() const;
  bool Fits(int FirstVisible) const;
  int LastFullyVisible(int FirstVisible) const;
  bool MultiLine() const { return FStrip.MultiLine; }
  bool OppositeRows() const { return FStrip.MultiLine && FStrip.ScrollOpposite; }

  TTabStrip FStrip;
  std::vector<TTabRow> FRows;
};
