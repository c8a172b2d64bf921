// The tab control on a real form with the real pointer and keyboard: the changing/change
// protocol, the rules between MultiLine and the tab side, selection by click and arrow keys,
// rows that swap when a tab of a farther row is chosen, the scroll buttons of a single line,
// and the classic look's painting order and outline.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/tabs/SeCustomTabControl.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"
#include "toolkit/SysUtils.h"

namespace {

// The classic look, whatever the platform's theme.
class TClassicTabControl : public TSeCustomTabControl {
public:
  using TSeCustomTabControl::TSeCustomTabControl;

protected:
  bool Themed() const override { return false; }
};

uint32_t Rgb(TColor Color) {
  const uint32_t C = ColorToRGB(Color);
  return ((C & 0xFF) << 16) | (C & 0xFF00) | ((C >> 16) & 0xFF);
}

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

class TabControlTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(100, 100, 460, 300);
    Tabs = MakeComponent<TClassicTabControl>(Form);
    Tabs->SetParent(Form);
    Tabs->SetBounds(10, 10, 400, 200);
    Tabs->OnChanging = [this](TObject*, bool& Allow) {
      Changing.push_back(Tabs->TabIndex());
      Allow = Allow && Allowed;
    };
    Tabs->OnChange = [this](TObject*) { Changes.push_back(Tabs->TabIndex()); };
    ShowInFront(*Form);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  void AddTabs(const std::vector<std::string>& Names) {
    Tabs->Tabs().BeginUpdate();
    for (const std::string& Name : Names)
      Tabs->Tabs().Add(Name);
    Tabs->Tabs().EndUpdate();
  }
  bool PointTo(TPoint Point) { return PointAt(Tabs->ClientToScreen({Point.X, Point.Y})); }
  bool ClickAt(TPoint Point) {
    if (!PointTo(Point))
      return false;
    LeftButton(true);
    LeftButton(false);
    return true;
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TClassicTabControl* Tabs = nullptr;
  bool Allowed = true;
  std::vector<int> Changing; // TabIndex as OnChanging sees it
  std::vector<int> Changes;
};

TEST_F(TabControlTest, TabIndexFollowsTheChangingAndChangeProtocol) {
  EXPECT_EQ(Tabs->TabIndex(), -1);
  AddTabs({"One", "Two", "Three"});
  // The first tab becomes current without asking.
  EXPECT_EQ(Tabs->TabIndex(), 0);
  EXPECT_TRUE(Changing.empty());
  Tabs->SetTabIndex(-1);
  Tabs->SetTabIndex(3); // the count
  Tabs->SetTabIndex(0); // the current one
  EXPECT_TRUE(Changing.empty());
  EXPECT_TRUE(Changes.empty());
  Tabs->SetTabIndex(2);
  EXPECT_EQ(Changing, (std::vector<int>{2})); // asked with the new index in place
  EXPECT_EQ(Changes, (std::vector<int>{2}));
  Allowed = false;
  Tabs->SetTabIndex(1);
  EXPECT_EQ(Tabs->TabIndex(), 2);
  EXPECT_EQ(Changes.size(), 1u);
  // Removing tabs pulls the index back into the list; removing all leaves none.
  Tabs->Tabs().Delete(2);
  EXPECT_EQ(Tabs->TabIndex(), 1);
  Tabs->Tabs().Clear();
  EXPECT_EQ(Tabs->TabIndex(), -1);
  EXPECT_EQ(Changes.size(), 1u);
  EXPECT_THROW(Tabs->Tabs().Delete(0), Exception);
}

TEST_F(TabControlTest, SideTabsNeedRows) {
  Tabs->SetTabPosition(tpLeft);
  EXPECT_TRUE(Tabs->MultiLine());
  try {
    Tabs->SetMultiLine(false);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& E) {
    EXPECT_STREQ(E.what(), "MultiLine must be True when TabPosition is tpLeft or tpRight");
  }
  EXPECT_TRUE(Tabs->MultiLine());
  Tabs->SetTabPosition(tpBottom);
  Tabs->SetMultiLine(false);
  EXPECT_FALSE(Tabs->MultiLine());
  Tabs->SetScrollOpposite(true);
  EXPECT_TRUE(Tabs->MultiLine());
}

TEST_F(TabControlTest, ClickAndArrowKeysSelect) {
  AddTabs({"Operate", "Windows List", "Drag Operate"});
  const TTabLayout Layout = Tabs->Layout();
  ASSERT_TRUE(ClickAt(Centre(Layout.TabRect(2))));
  ASSERT_TRUE(PumpUntil([&] { return Tabs->TabIndex() == 2; }, 1000));
  EXPECT_TRUE(PumpUntil([&] { return Tabs->Focused(); }, 1000));
  EXPECT_EQ(Tabs->HotTab(), 2);
  // A click on the page selects nothing.
  ASSERT_TRUE(ClickAt({200, 150}));
  PumpFor(50);
  EXPECT_EQ(Tabs->TabIndex(), 2);
  EXPECT_EQ(Tabs->HotTab(), -1);
  EXPECT_EQ(SendMessageW(Tabs->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  TapKey(VK_RIGHT); // past the last tab: nothing
  TapKey(VK_LEFT);
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->TabIndex() == 1; }, 1000));
  TapKey(VK_UP);
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->TabIndex() == 0; }, 1000));
  TapKey(VK_UP); // before the first: nothing
  Allowed = false;
  TapKey(VK_DOWN); // refused
  ProcessUntil([] { return false; }, 100);
  EXPECT_EQ(Tabs->TabIndex(), 0);
  Allowed = true;
  TapKey(VK_DOWN);
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->TabIndex() == 1; }, 1000));
  EXPECT_EQ(Changes, (std::vector<int>{2, 1, 0, 1}));
}

TEST_F(TabControlTest, ChoosingATabOfTheFartherRowBringsItsRowToThePage) {
  Tabs->SetBounds(10, 10, 230, 200);
  Tabs->SetMultiLine(true);
  AddTabs({"Operate", "Windows List", "Drag Operate", "Settings", "About"});
  TTabLayout Layout = Tabs->Layout();
  const int Rows = static_cast<int>(Layout.Rows().size());
  ASSERT_GE(Rows, 2);
  const int H = Tabs->TabHeightOf();
  const int Far = Layout.Rows()[0].LastTab + 1; // the first tab of row 1, drawn on top of row 0
  const TRect Before = Layout.TabRect(Far);
  EXPECT_EQ(Before.Top, Layout.HeaderSize() - 2 * H);
  // Rows are justified: the last tab of each row ends at the right margin.
  EXPECT_EQ(Layout.TabRect(Layout.Rows()[0].LastTab).Right, Tabs->Width() - Tabs->MarginRight());
  // Its rectangle reaches down to the page behind the nearer row: click the part that shows.
  ASSERT_TRUE(ClickAt({Centre(Before).X, Before.Top + H / 2}));
  ASSERT_TRUE(PumpUntil([&] { return Tabs->TabIndex() == Far; }, 1000));
  Layout = Tabs->Layout();
  EXPECT_EQ(Layout.TabRect(Far).Top, Layout.HeaderSize() - H);
  EXPECT_EQ(Layout.TabRect(0).Top, Layout.HeaderSize() - Rows * H);
  // With RaggedRight the rows keep their natural widths.
  Tabs->SetRaggedRight(true);
  EXPECT_EQ(Tabs->Layout().TabRect(0).Right, Tabs->MarginLeft() + Tabs->TabWidthOf(0));
}

TEST_F(TabControlTest, ScrollButtonsScrollAndRepeatWhileHeld) {
  std::vector<std::string> Names;
  for (int I = 0; I < 12; ++I)
    Names.push_back("Tab number " + std::to_string(I));
  AddTabs(Names);
  TTabLayout Layout = Tabs->Layout();
  ASSERT_TRUE(Layout.ScrollButtonsShown());
  // Selecting the last tab scrolls it whole into view left of the buttons.
  Tabs->SetTabIndex(11);
  Layout = Tabs->Layout();
  EXPECT_GT(Tabs->FirstVisibleTab(), 0);
  EXPECT_LE(Layout.TabRect(11).Right, Layout.LeftButtonRect().Left);
  EXPECT_GE(Layout.TabRect(11).Left, Tabs->MarginLeft());
  const int Last = Tabs->FirstVisibleTab();
  // One click on the left button: one tab back, none more after the repeat delay.
  ASSERT_TRUE(PointTo(Centre(Layout.LeftButtonRect())));
  ASSERT_TRUE(PumpUntil([&] { return Tabs->LeftButtonHot(); }, 1000));
  EXPECT_EQ(Tabs->TabAt(Centre(Layout.LeftButtonRect())), -1);
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return Tabs->FirstVisibleTab() == Last - 1; }, 1000));
  EXPECT_TRUE(Tabs->LeftButtonPressed());
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return !Tabs->LeftButtonPressed(); }, 1000));
  PumpFor(450);
  EXPECT_EQ(Tabs->FirstVisibleTab(), Last - 1);
  // Held, it repeats down to the first tab.
  LeftButton(true);
  EXPECT_TRUE(PumpUntil([&] { return Tabs->FirstVisibleTab() == 0; }, 3000))
      << Tabs->FirstVisibleTab();
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return !Tabs->LeftButtonPressed(); }, 1000));
  // The right button goes no further than the last tabs still fill the strip.
  ASSERT_TRUE(PointTo(Centre(Layout.RightButtonRect())));
  LeftButton(true);
  PumpFor(300 + 100 * 14);
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return !Tabs->RightButtonPressed(); }, 1000));
  EXPECT_EQ(Tabs->FirstVisibleTab(), Last);
  EXPECT_EQ(Tabs->TabIndex(), 11); // scrolling selects nothing
}

TEST_F(TabControlTest, ClassicLookPaintsTheActiveTabLastAndRaised) {
  AddTabs({"Operate", "Windows List", "Drag Operate"});
  Tabs->SetTabIndex(1);
  std::vector<int> Drawn;
  std::vector<bool> ActiveFlags;
  Tabs->OnDrawTab = [&](TSeCustomTabControl*, int Index, const TRect&, bool Active) {
    Drawn.push_back(Index);
    ActiveFlags.push_back(Active);
  };
  Tabs->SetOwnerDraw(true);
  TDibShot Picture{Tabs->Width(), Tabs->Height()};
  SendMessageW(Tabs->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Picture.DC()), PRF_CLIENT);
  EXPECT_EQ(Drawn, (std::vector<int>{0, 2, 1}));
  EXPECT_EQ(ActiveFlags, (std::vector<bool>{false, false, true}));

  Tabs->SetOwnerDraw(false);
  SendMessageW(Tabs->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Picture.DC()), PRF_CLIENT);
  const TTabLayout Layout = Tabs->Layout();
  const TRect Active = Layout.TabRect(1), Other = Layout.TabRect(0);
  const int Mid = (Other.Left + Other.Right) / 2;
  // An inactive tab's outer edge is lit; the active tab rises two pixels above it.
  EXPECT_EQ(Picture.Pixel(Mid, Other.Top), Rgb(clBtnHighlight));
  EXPECT_EQ(Picture.Pixel(Mid, Other.Top - 1), Rgb(clBtnFace));
  const int ActiveMid = (Active.Left + Active.Right) / 2;
  EXPECT_EQ(Picture.Pixel(ActiveMid, Active.Top - 2), Rgb(clBtnHighlight));
  // The active tab covers the page frame's top line under it; beside it the line shows.
  const int FrameTop = Layout.PageRect().Top;
  EXPECT_EQ(Picture.Pixel(ActiveMid, FrameTop), Rgb(clBtnFace));
  EXPECT_EQ(Picture.Pixel(Mid, FrameTop), Rgb(clBtnHighlight));
  // The page's frame: dark outside, shadow inside, on the far sides.
  const TRect Page = Layout.PageRect();
  EXPECT_EQ(Picture.Pixel(Page.Right - 1, 120), Rgb(cl3DDkShadow));
  EXPECT_EQ(Picture.Pixel(Page.Right - 2, 120), Rgb(clBtnShadow));
  // The active tab's right side is shaded over the neighbour it overlaps.
  EXPECT_EQ(Picture.Pixel(Active.Right + 1, (Active.Top + Active.Bottom) / 2), Rgb(cl3DDkShadow));
}

} // namespace
