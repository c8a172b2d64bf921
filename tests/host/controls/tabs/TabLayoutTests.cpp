// The tab strip's layout: metrics, rows and their justification, the active row next to the
// page, rectangles on every side, single-line scrolling, hit testing and painting order.

#include <gtest/gtest.h>

#include "controls/tabs/TabLayout.h"

namespace {

// 200 x 150, margins 2, tabs 20 high: the strip has 196 pixels.
TTabStrip Strip(std::vector<int> Widths, bool MultiLine = true, int TabIndex = 0) {
  TTabStrip S;
  S.Width = 200;
  S.Height = 150;
  S.TabHeight = 20;
  S.Widths = std::move(Widths);
  S.MultiLine = MultiLine;
  S.TabIndex = TabIndex;
  S.ScrollButtonSize = 16;
  return S;
}

// Five tabs in two rows: 60 + 60 + 69 leave 7 of 196 pixels free, the last two share 96.
TTabStrip FiveTabs(int TabIndex = 0) { return Strip({60, 60, 69, 50, 50}, true, TabIndex); }

TTabLayout WithIndex(TTabStrip S, int TabIndex) {
  S.TabIndex = TabIndex;
  return TTabLayout(S);
}

TEST(TabLayoutMetricsTest, HeightAndWidthFollowTextImagesAndTheMinimum) {
  EXPECT_EQ(TabHeightFor(25, 13, 40), 25); // a fixed height wins over text and image
  EXPECT_EQ(TabHeightFor(0, 13, -1), 17);
  EXPECT_EQ(TabHeightFor(0, 13, 10), 17); // a small image does not lower it
  EXPECT_EQ(TabHeightFor(0, 13, 16), 20);

  EXPECT_EQ(TabWidthFor(0, 30, 0, 17, 2), 42);
  EXPECT_EQ(TabWidthFor(0, 30, 16, 17, 2), 58);
  EXPECT_EQ(TabWidthFor(0, 10, 0, 17, 2), 38); // never below 2 * (H + margin)
  EXPECT_EQ(TabWidthFor(70, 500, 16, 17, 2), 70);
  EXPECT_EQ(TabWidthFor(20, 500, 0, 17, 2), 38);
}

TEST(TabLayoutRowsTest, RowsBreakWhereTheNextTabWouldFillOrPassTheStrip) {
  // 100 + 96 would fill 196 exactly: the second tab starts a new row.
  EXPECT_EQ(ArrangeRows({100, 96}, 196), (std::vector<TTabRow>{{0, 96, 0}, {1, 100, 0}}));
  // 100 + 95 stays one pixel short: one row, the free pixel goes to the last tab.
  EXPECT_EQ(ArrangeRows({100, 95}, 196), (std::vector<TTabRow>{{1, 0, 1}}));
  // A tab wider than the strip still takes a row of its own, justified down to the strip.
  EXPECT_EQ(ArrangeRows({250, 10}, 196), (std::vector<TTabRow>{{0, -54, 0}, {1, 186, 0}}));
  EXPECT_TRUE(ArrangeRows({}, 196).empty());

  // The table holds 100 rows; the last one takes every remaining tab.
  const std::vector<TTabRow> Full = ArrangeRows(std::vector<int>(150, 200), 196);
  ASSERT_EQ(Full.size(), 100u);
  EXPECT_EQ(Full[98].LastTab, 98);
  EXPECT_EQ(Full.back().LastTab, 149);
}

TEST(TabLayoutRowsTest, JustifiedRowsFillTheStripExactly) {
  const TTabLayout L(FiveTabs());
  EXPECT_EQ(L.Available(), 196);
  // 7 free pixels among 3 tabs: 2 each and 1 more for the last.
  EXPECT_EQ(L.Rows(), (std::vector<TTabRow>{{2, 2, 1}, {4, 48, 0}}));
  EXPECT_EQ(L.Extent(0), 62);
  EXPECT_EQ(L.Extent(1), 62);
  EXPECT_EQ(L.Extent(2), 72);
  EXPECT_EQ(L.Extent(3), 98);
  EXPECT_EQ(L.HeaderSize(), 42);
  EXPECT_EQ(L.TabRect(0), Rect(2, 22, 64, 44));
  EXPECT_EQ(L.TabRect(1), Rect(64, 22, 126, 44));
  EXPECT_EQ(L.TabRect(2), Rect(126, 22, 198, 44)); // ends at the right margin
  EXPECT_EQ(L.TabRect(4), Rect(100, 2, 198, 44));
  EXPECT_EQ(L.TabRect(5), TRect{});
}

TEST(TabLayoutRowsTest, RaggedRightAndFixedWidthsKeepTheTabsTheirOwnWidths) {
  TTabStrip S = FiveTabs();
  S.RaggedRight = true;
  const TTabLayout Ragged(S);
  EXPECT_EQ(Ragged.Rows().size(), 2u); // rows break the same way
  EXPECT_EQ(Ragged.TabRect(2), Rect(122, 22, 191, 44));
  EXPECT_EQ(Ragged.TabRect(4), Rect(52, 2, 102, 44));

  S.RaggedRight = false;
  S.FixedWidth = true;
  EXPECT_EQ(TTabLayout(S).TabRect(2), Rect(122, 22, 191, 44));
}

TEST(TabLayoutRowsTest, TheActiveTabsRowTouchesThePage) {
  const TTabLayout First = WithIndex(FiveTabs(), 0);
  EXPECT_EQ(First.Distance(0), 1);
  EXPECT_EQ(First.Distance(1), 2);
  EXPECT_EQ(First.TabRect(0), Rect(2, 22, 64, 44));
  EXPECT_EQ(First.TabRect(3), Rect(2, 2, 100, 44));

  // Selecting a tab of the other row swaps the rows; the page does not move.
  const TTabLayout Second = WithIndex(FiveTabs(), 4);
  EXPECT_EQ(Second.Distance(0), 2);
  EXPECT_EQ(Second.Distance(1), 1);
  EXPECT_EQ(Second.TabRect(3), Rect(2, 22, 100, 44));
  EXPECT_EQ(Second.TabRect(0), Rect(2, 2, 64, 44));
  EXPECT_EQ(First.PageRect(), Rect(0, 42, 200, 150));
  EXPECT_EQ(Second.PageRect(), First.PageRect());
  EXPECT_EQ(Second.SheetRect(), Rect(3, 45, 197, 147));

  // Three rows, the middle one active: the rows before it move to the outside.
  const TTabLayout Three = WithIndex(Strip({100, 100, 100}), 1);
  EXPECT_EQ(Three.Rows().size(), 3u);
  EXPECT_EQ(Three.Distance(0), 3);
  EXPECT_EQ(Three.Distance(1), 1);
  EXPECT_EQ(Three.Distance(2), 2);
  EXPECT_EQ(Three.TabRect(0), Rect(2, 2, 198, 64));
}

TEST(TabLayoutRowsTest, HitTestingAndPaintingGoOutwardFromThePage) {
  const TTabLayout First = WithIndex(FiveTabs(), 0);
  const TTabLayout Second = WithIndex(FiveTabs(), 4);
  // The lower band belongs to the row next to the page, the upper band to the other one.
  EXPECT_EQ(First.TabAt({10, 30}), 0);
  EXPECT_EQ(First.TabAt({10, 10}), 3);
  EXPECT_EQ(First.TabAt({150, 30}), 2);
  EXPECT_EQ(Second.TabAt({10, 30}), 3);
  EXPECT_EQ(Second.TabAt({10, 10}), 0);
  EXPECT_EQ(Second.TabAt({150, 30}), 4);
  EXPECT_EQ(First.TabAt({10, 60}), -1);  // on the page
  EXPECT_EQ(First.TabAt({199, 30}), -1); // beyond the right margin

  // Farthest row first, the active tab left out.
  EXPECT_EQ(First.PaintOrder(), (std::vector<int>{3, 4, 1, 2}));
  EXPECT_EQ(Second.PaintOrder(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(WithIndex(Strip({100, 100, 100}), 1).PaintOrder(), (std::vector<int>{0, 2}));
  EXPECT_EQ(WithIndex(FiveTabs(), -1).PaintOrder(), (std::vector<int>{3, 4, 0, 1, 2}));
}

TEST(TabLayoutRowsTest, ScrollOppositeMovesTheEarlierRowsBelowThePage) {
  TTabStrip S = Strip({100, 100, 100}, true, 1);
  S.ScrollOpposite = true;
  const TTabLayout L(S);
  EXPECT_TRUE(L.IsOpposite(0));
  EXPECT_FALSE(L.IsOpposite(2));
  EXPECT_EQ(L.Distance(0), 1);
  EXPECT_EQ(L.SideOf(0), tpBottom);
  EXPECT_EQ(L.SideOf(2), tpTop);
  EXPECT_EQ(L.HeaderSize(), 42);
  EXPECT_EQ(L.OppositeHeaderSize(), 20);
  EXPECT_EQ(L.PageRect(), Rect(0, 42, 200, 130));
  EXPECT_EQ(L.TabRect(0), Rect(2, 128, 198, 150));
  EXPECT_EQ(L.TabRect(1), Rect(2, 22, 198, 44));
  EXPECT_EQ(L.TabRect(2), Rect(2, 2, 198, 44));
  EXPECT_EQ(L.TabAt({10, 140}), 0);
  EXPECT_EQ(L.PaintOrder(), (std::vector<int>{2, 0}));

  // With the first row active nothing moves across.
  EXPECT_EQ(WithIndex(S, 0).OppositeHeaderSize(), 0);
  EXPECT_EQ(WithIndex(S, 0).HeaderSize(), 62);
}

TEST(TabLayoutSidesTest, EverySideMirrorsTheTopWithItsOwnMargin) {
  TTabStrip S = Strip({40, 41});
  S.Margins = {1, 2, 3, 4}; // left, top, right, bottom: each must land in its own place

  S.Position = tpTop;
  const TTabLayout Top(S);
  EXPECT_EQ(Top.TabRect(0), Rect(1, 2, 98, 24));
  EXPECT_EQ(Top.TabRect(1), Rect(98, 2, 197, 24));
  EXPECT_EQ(Top.PageRect(), Rect(0, 22, 200, 150));
  EXPECT_EQ(Top.SheetRect(), Rect(2, 25, 196, 145));

  S.Position = tpBottom;
  const TTabLayout Bottom(S);
  EXPECT_EQ(Bottom.HeaderSize(), 24);
  EXPECT_EQ(Bottom.TabRect(0), Rect(1, 122, 98, 146));
  EXPECT_EQ(Bottom.PageRect(), Rect(0, 0, 200, 126));
  EXPECT_EQ(Bottom.TabAt({50, 130}), 0);

  // Side tabs run along the height: 146 pixels, 65 free.
  S.Position = tpLeft;
  const TTabLayout Left(S);
  EXPECT_EQ(Left.Available(), 146);
  EXPECT_EQ(Left.TabRect(0), Rect(1, 1, 22, 73));
  EXPECT_EQ(Left.TabRect(1), Rect(1, 73, 22, 147));
  EXPECT_EQ(Left.PageRect(), Rect(21, 0, 200, 150));
  EXPECT_EQ(Left.SheetRect(), Rect(23, 3, 196, 145));
  EXPECT_EQ(Left.TabAt({5, 100}), 1);

  S.Position = tpRight;
  const TTabLayout Right(S);
  EXPECT_EQ(Right.TabRect(0), Rect(174, 1, 197, 73));
  EXPECT_EQ(Right.PageRect(), Rect(0, 0, 177, 150));
  EXPECT_EQ(Right.TabAt({190, 100}), 1);
  EXPECT_FALSE(Right.ScrollButtonsShown()); // side tabs never scroll

  // Without tabs there is no strip at all.
  S.Widths.clear();
  const TTabLayout Empty(S);
  EXPECT_EQ(Empty.HeaderSize(), 0);
  EXPECT_EQ(Empty.PageRect(), Rect(0, 0, 200, 150));
  EXPECT_EQ(Empty.TabAt({190, 100}), -1);
}

// A single line of five 50-pixel tabs: 252 pixels in a 200-pixel control.
TTabStrip SingleLine(int FirstVisible = 0, int TabIndex = 0) {
  TTabStrip S = Strip({50, 50, 50, 50, 50}, false, TabIndex);
  S.FirstVisible = FirstVisible;
  return S;
}

TEST(TabLayoutScrollTest, ButtonsShowOnlyWhileTheLineOverflowsOrIsScrolled) {
  const TTabLayout L(SingleLine());
  EXPECT_TRUE(L.ScrollButtonsShown());
  EXPECT_EQ(L.HeaderSize(), 22);
  EXPECT_EQ(L.LeftButtonRect(), Rect(168, 4, 184, 20));
  EXPECT_EQ(L.RightButtonRect(), Rect(184, 4, 200, 20));
  EXPECT_EQ(L.Extent(0), 50); // a single line is not justified

  TTabStrip S = SingleLine();
  S.Width = 260;
  EXPECT_FALSE(TTabLayout(S).ScrollButtonsShown());
  S.FirstVisible = 1; // everything fits, but the line is scrolled
  EXPECT_TRUE(TTabLayout(S).ScrollButtonsShown());

  S = SingleLine();
  S.Position = tpBottom;
  EXPECT_EQ(TTabLayout(S).LeftButtonRect(), Rect(168, 130, 184, 146));
  S.Widths = {300}; // one tab never scrolls
  EXPECT_FALSE(TTabLayout(S).ScrollButtonsShown());
  EXPECT_FALSE(TTabLayout(Strip({50, 50, 50, 50, 50})).ScrollButtonsShown()); // several rows
}

TEST(TabLayoutScrollTest, SelectingATabScrollsItIntoViewLeftOfTheButtons) {
  // The last tab needs the first visible tab to move to 2: tab 4 then ends at 152 < 168.
  EXPECT_EQ(TTabLayout(SingleLine()).FirstVisibleShowing(4), 2);
  const TTabLayout Scrolled(SingleLine(2, 4));
  EXPECT_EQ(Scrolled.TabRect(4), Rect(102, 2, 152, 24));
  EXPECT_EQ(Scrolled.TabRect(1), Rect(-48, 2, 2, 24)); // hidden tabs lie left of the margin
  // Tab 3 (152..202) lies under the left button: one step is enough.
  EXPECT_EQ(TTabLayout(SingleLine()).FirstVisibleShowing(3), 1);
  // A tab before the first visible one scrolls back; a visible one changes nothing.
  EXPECT_EQ(Scrolled.FirstVisibleShowing(0), 0);
  EXPECT_EQ(Scrolled.FirstVisibleShowing(3), 2);

  TTabStrip Wide = SingleLine();
  Wide.Width = 260;
  EXPECT_EQ(TTabLayout(Wide).FirstVisibleShowing(4), 0);
}

TEST(TabLayoutScrollTest, ScrollingStaysInRangeAndLeavesNoRoomUnused) {
  EXPECT_EQ(TTabLayout(SingleLine(0)).ScrolledFirstVisible(1), 1);
  EXPECT_EQ(TTabLayout(SingleLine(1)).ScrolledFirstVisible(-1), 0);
  // From 2 the rest fits left of the buttons: scrolling further right moves back to 2.
  EXPECT_EQ(TTabLayout(SingleLine(2)).ScrolledFirstVisible(1), 2);
  EXPECT_EQ(TTabLayout(SingleLine(0)).ScrolledFirstVisible(10), 2);
  EXPECT_EQ(TTabLayout(SingleLine(2)).ScrolledFirstVisible(-5), 0);
}

TEST(TabLayoutScrollTest, HitTestingSkipsTheButtonStripAndTheInactiveTabsReach) {
  const TTabLayout L(SingleLine());
  EXPECT_EQ(L.TabAt({170, 10}), -1); // tab 3 lies under the buttons
  EXPECT_EQ(L.TabAt({60, 21}), 1);
  EXPECT_EQ(L.TabAt({60, 23}), -1); // an inactive tab ends at the page
  EXPECT_EQ(L.TabAt({10, 23}), 0);  // the active tab reaches into it
  EXPECT_EQ(TTabLayout(SingleLine(2, 4)).TabAt({10, 10}), 2);

  TTabStrip Wide = SingleLine();
  Wide.Width = 260;
  EXPECT_EQ(TTabLayout(Wide).TabAt({170, 10}), 3);
  EXPECT_EQ(TTabLayout(SingleLine(2, 4)).PaintOrder(), (std::vector<int>{2, 3}));
}

TEST(TabLayoutSizeTest, TheSmallestControlForASheetHasExactlyThatSheet) {
  // A 150 x 100 sheet with the five tabs: on top, 156 wide leaves 152 for tabs, three rows;
  // single line, one row; on the left, 106 high leaves 102 for tabs, four rows.
  const struct {
    TTabPosition Position;
    bool MultiLine;
    TSize Control;
  } Cases[] = {{tpTop, true, {156, 168}}, {tpTop, false, {156, 128}}, {tpLeft, true, {238, 106}}};
  for (const auto& Case : Cases) {
    TTabStrip S = FiveTabs();
    S.Position = Case.Position;
    S.MultiLine = Case.MultiLine;
    const TSize Size = ControlSizeForSheet(S, {150, 100});
    EXPECT_EQ(Size, Case.Control) << Case.Position;
    S.Width = Size.Width;
    S.Height = Size.Height;
    const TRect Sheet = TTabLayout(S).SheetRect();
    EXPECT_EQ(Sheet.Width(), 150) << Case.Position;
    EXPECT_EQ(Sheet.Height(), 100) << Case.Position;
  }
}

} // namespace
