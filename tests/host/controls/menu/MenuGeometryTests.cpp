#include <gtest/gtest.h>

#include "controls/menu/MenuGeometry.h"
#include "toolkit/ShortCuts.h"

namespace {

const TRect Monitor{0, 0, 1280, 1024};

TEST(PopupPlacementTest, AMenuAtAPointOpensLeftOrAboveWhereItWouldLeaveTheMonitor) {
  EXPECT_EQ((TPoint{100, 200}),
            PlacePopup(TPopupOrigin::poPoint, {100, 200}, {}, 150, 300, Monitor));
  // 1130 + 150 = 1280 still fits; one pixel further does not.
  EXPECT_EQ((TPoint{1130, 200}),
            PlacePopup(TPopupOrigin::poPoint, {1130, 200}, {}, 150, 300, Monitor));
  EXPECT_EQ((TPoint{981, 200}),
            PlacePopup(TPopupOrigin::poPoint, {1131, 200}, {}, 150, 300, Monitor));
  EXPECT_EQ((TPoint{100, 701}),
            PlacePopup(TPopupOrigin::poPoint, {100, 1001}, {}, 150, 300, Monitor));
  EXPECT_EQ((TPoint{1050, 700}),
            PlacePopup(TPopupOrigin::poPoint, {1200, 1000}, {}, 150, 300, Monitor));
  // Wider than the room left of the point: kept on the monitor.
  EXPECT_EQ((TPoint{0, 200}),
            PlacePopup(TPopupOrigin::poPoint, {100, 200}, {}, 1250, 300, Monitor));
}

TEST(PopupPlacementTest, ASubMenuFlipsToTheItemsLeftAndMovesUpToItsBottom) {
  const TRect Item{900, 500, 1100, 520};
  EXPECT_EQ((TPoint{1100, 500}), PlacePopup(TPopupOrigin::poItem, {}, Item, 150, 300, Monitor));
  EXPECT_EQ((TPoint{700, 500}), PlacePopup(TPopupOrigin::poItem, {}, Item, 200, 300, Monitor));
  const TRect Low{900, 900, 1100, 920};
  // The bottom meets the item's bottom.
  EXPECT_EQ((TPoint{1100, 620}), PlacePopup(TPopupOrigin::poItem, {}, Low, 150, 300, Monitor));
  // An item reaching past the bottom: moved up to it, the level is still pushed up against
  // the monitor's bottom edge.
  const TRect Cut{900, 1010, 1100, 1030};
  EXPECT_EQ((TPoint{1100, 724}), PlacePopup(TPopupOrigin::poItem, {}, Cut, 150, 300, Monitor));
  // Larger than the room on either side: it starts at the monitor's left and top rather
  // than off them.
  EXPECT_EQ((TPoint{0, 0}), PlacePopup(TPopupOrigin::poItem, {}, Item, 1200, 1000, Monitor));
}

TEST(PopupPlacementTest, ADropDownOpensBelowItsBarItemOrAboveIt) {
  const TRect Item{10, 30, 60, 50};
  EXPECT_EQ((TPoint{10, 50}), PlacePopup(TPopupOrigin::poBar, {}, Item, 150, 300, Monitor));
  const TRect Right{1200, 30, 1250, 50};
  EXPECT_EQ((TPoint{1100, 50}), PlacePopup(TPopupOrigin::poBar, {}, Right, 150, 300, Monitor));
  const TRect Low{10, 900, 60, 920};
  EXPECT_EQ((TPoint{10, 600}), PlacePopup(TPopupOrigin::poBar, {}, Low, 150, 300, Monitor));
  // Too tall for either: above would be off the top, so it starts at the monitor's top and
  // is then pushed up from the bottom.
  const TRect Middle{10, 500, 60, 520};
  EXPECT_EQ((TPoint{10, 0}), PlacePopup(TPopupOrigin::poBar, {}, Middle, 150, 1024, Monitor));
}

TMenuRows Rows(std::initializer_list<TMenuRow> List) {
  TMenuRows Result;
  Result.Rows = List;
  return Result;
}

constexpr TMenuRow Item{};
constexpr TMenuRow Separator{true, true};
constexpr TMenuRow Hidden{false, false};

TEST(MenuStepTest, ArrowsWrapAtTheEndsAndPassOverSeparatorsAndHiddenRows) {
  const TMenuRows Menu = Rows({Item, Separator, Hidden, Item, Item});
  EXPECT_EQ(0, StepMenu(Menu, -1, true).Current);
  EXPECT_EQ(4, StepMenu(Menu, -1, false).Current);
  EXPECT_EQ(0, StepMenu(Menu, 4, true).Current);
  EXPECT_EQ(4, StepMenu(Menu, 0, false).Current);
  const TMenuStep Down = StepMenu(Menu, 0, true);
  EXPECT_EQ(3, Down.Current);
  EXPECT_EQ((std::vector<int>{1, 2}), Down.Skipped);
  EXPECT_EQ(0, StepMenu(Menu, 3, false).Current);
  // Nothing to stop at: one round, then none.
  EXPECT_EQ(-1, StepMenu(Rows({Separator, Hidden}), -1, true).Current);
  EXPECT_EQ(-1, StepMenu(Rows({}), -1, false).Current);
}

TEST(MenuStepTest, AScrolledLevelMovesItsWindowWithTheSelection) {
  TMenuRows Menu;
  Menu.Rows.assign(10, Item);
  Menu.Scrolled = true;
  Menu.ScrollCount = 4;
  EXPECT_EQ(4, Menu.VisibleRowCount());
  // Down from the fourth row scrolls by one row.
  TMenuStep Step = StepMenu(Menu, 3, true);
  EXPECT_EQ(4, Step.Current);
  EXPECT_EQ(1, Step.FirstVisible);
  // Up past the top of the window brings the row in at the top.
  Menu.FirstVisible = 5;
  Step = StepMenu(Menu, 5, false);
  EXPECT_EQ(4, Step.Current);
  EXPECT_EQ(4, Step.FirstVisible);
  // Wrapping either way shows the far end.
  Menu.FirstVisible = 0;
  Step = StepMenu(Menu, 0, false);
  EXPECT_EQ(9, Step.Current);
  EXPECT_EQ(6, Step.FirstVisible);
  Menu.FirstVisible = 6;
  Step = StepMenu(Menu, 9, true);
  EXPECT_EQ(0, Step.Current);
  EXPECT_EQ(0, Step.FirstVisible);
  // Inside the window nothing moves.
  Menu.FirstVisible = 2;
  EXPECT_EQ(2, StepMenu(Menu, 3, true).FirstVisible);
  // Near the end the window shows only the rows that are left.
  Menu.FirstVisible = 8;
  EXPECT_EQ(2, Menu.VisibleRowCount());
}

TEST(MenuLayoutTest, RowsStackInTheirWindowAndSpanTheWidestRow) {
  TMenuRows Menu;
  Menu.Rows.assign(10, Item);
  Menu.Rows[7] = Hidden;
  Menu.Scrolled = true;
  Menu.ScrollCount = 4;
  Menu.FirstVisible = 5;
  std::vector<TMenuRowSize> Sizes(10, {60, 20});
  Sizes[2] = {140, 20}; // scrolled away, still sets the width
  Sizes[6] = {80, 15};
  const TMenuLayout Layout = LayoutMenuRows(Menu, Sizes, {3, 3});
  EXPECT_EQ(140, Layout.Width);
  // Rows 5, 6, (7 hidden), 8: 20 + 15 + 20, below the 10-pixel strip, plus both strips.
  EXPECT_EQ(55 + 20, Layout.Height);
  EXPECT_EQ((TRect{3, 13, 143, 33}), Layout.Rects[5]);
  EXPECT_EQ((TRect{3, 33, 143, 48}), Layout.Rects[6]);
  EXPECT_TRUE(Layout.Rects[7].IsEmpty());
  EXPECT_EQ((TRect{3, 48, 143, 68}), Layout.Rects[8]);
  EXPECT_TRUE(Layout.Rects[4].IsEmpty());
  EXPECT_TRUE(Layout.Rects[9].IsEmpty());

  Menu.Scrolled = false;
  const TMenuLayout All = LayoutMenuRows(Menu, Sizes, {0, 0});
  EXPECT_EQ(20 * 8 + 15, All.Height);
  EXPECT_EQ((TRect{0, 0, 140, 20}), All.Rects[0]);
  EXPECT_EQ((TRect{0, 155, 140, 175}), All.Rects[9]);
}

TEST(MenuShortCutTest, ModifiersAddTheirBits) {
  EXPECT_EQ(0x0053, MenuShortCut('S', false, false, false));
  EXPECT_EQ(0x6053, MenuShortCut('S', true, true, false));
  EXPECT_EQ(0x8073, MenuShortCut(0x73, false, false, true));
}

TEST(MenuShortCutTest, ReadsAsModifiersThenTheKey) {
  EXPECT_EQ("Ctrl+S", ShortCutToText(MenuShortCut('S', false, true, false)));
  EXPECT_EQ("Shift+Ctrl+Alt+F12", ShortCutToText(MenuShortCut(0x7B, true, true, true)));
  EXPECT_EQ("Alt+F4", ShortCutToText(MenuShortCut(0x73, false, false, true)));
  EXPECT_EQ("Del", ShortCutToText(0x2E));
  EXPECT_EQ("Num 7", ShortCutToText(0x67));
  EXPECT_EQ("", ShortCutToText(0));
  EXPECT_EQ("", ShortCutToText(MenuShortCut(0xE5, false, true, false))); // no name
}

TEST(MenuShortCutTest, OnlyKeysThatPlainTypingNeverPressesAreTakenForTheDesktop) {
  const struct {
    int ShortCut;
    bool Global;
  } Cases[] = {{0x74, true},                                       // F5 alone
               {'Q', false},                                       // a letter
               {MenuShortCut('Q', true, false, false), false},     // Shift+Q types a capital
               {MenuShortCut('Q', false, true, false), true},      // Ctrl+Q
               {MenuShortCut(0x25, false, false, true), true},     // Alt+Left
               {MenuShortCut(0xE5, false, true, false), false},    // no name to show
               {0, false}};
  for (const auto& Case : Cases)
    EXPECT_EQ(Case.Global, IsGlobalShortCut(Case.ShortCut)) << std::hex << Case.ShortCut;
  EXPECT_EQ((TGlobalKey{7, 0x7B}), GlobalKeyOf(MenuShortCut(0x7B, true, true, true)));
  EXPECT_EQ((TGlobalKey{1, 'T'}), GlobalKeyOf(MenuShortCut('T', false, false, true)));
}

} // namespace
