// The real Mirevan.exe's main window read from outside against its layout: every control that
// is a window of its own, with its class, text, place in its parent and parent, on all five
// pages; the page control's state at start; the lists's columns and the controls' states that
// the layout sets. Labels, pictures and bevels are drawn by their parents and have no window,
// so they cannot be seen from here (the page pictures cover them).

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/WinTestSupport.h"
#include "tests/win/support/WindowTree.h"

namespace {

constexpr const char* Control = "MirevanWindow"; // every windowed control of the toolkit's
constexpr int Free = -1; // bounds the layout leaves to the page control or to the implementer

// One windowed control as the layout places it: Id and Parent are this table's own names
// for the rows ("" for the main window's client area); the names themselves are not visible
// from outside.
struct TRow {
  const char* Id;
  const char* Parent;
  const char* ClassName;
  const char* Text;
  int Left, Top, Width, Height;
  // Hidden at start, with its window made when it first shows: until then it may have none.
  bool MadeWhenShown = false;
};

const TRow Layout[] = {
    // The page control fills the client area, which grows from the stored 471 x 332 until
    // every page shows whole: the built-in skin's tab row (21) and page frame (4 + 1 each
    // side) around the 308 pixels the "Drag Operate" page needs.
    {"pages", "", Control, "", 0, 0, 471, 339},
    {"page0", "pages", Control, "Operate", Free, 0, 0, 0},
    {"page1", "pages", Control, "Windows List", Free, 0, 0, 0},
    {"page2", "pages", Control, "Drag Operate", Free, 0, 0, 0},
    {"page3", "pages", Control, "Settings", Free, 0, 0, 0},
    {"page4", "pages", Control, "About", Free, 0, 0, 0},
    {"page5", "pages", Control, "Shortcuts", Free, 0, 0, 0},
    // Page 0, "Operate": the pictures and labels lie in the group boxes, drawn by them.
    {"btnTransparent", "page0", Control, "Transparent", 16, 31, 75, 23},
    {"SeSkinGroupBox5", "page0", Control, "", 96, 32, 353, 129},
    {"btnOpacity", "page0", Control, "Opacity", 16, 175, 75, 23},
    {"SeSkinGroupBox6", "page0", Control, "", 96, 176, 353, 129},
    // Page 1, "Windows List".
    {"btnRefresh", "page1", Control, "Refresh", 238, 12, 107, 23},
    {"btnMakeTransparent", "page1", Control, "Make Transparent", 352, 39, 107, 23},
    {"btnMakeOpacity", "page1", Control, "Make Opacity", 352, 71, 107, 23},
    {"lvList", "page1", WC_LISTVIEWA, "", 16, 40, 329, 265},
    // The list's skinned scroll bars, laid over its own as siblings: placed by the list.
    {"lvListHorzBar", "page1", Control, "", Free, 0, 0, 0, true},
    {"lvListVertBar", "page1", Control, "", Free, 0, 0, 0, true},
    {"btnCheckAll", "page1", Control, "Check All", 352, 255, 107, 23},
    {"btnUnCheckall", "page1", Control, "Uncheck All", 352, 279, 107, 23},
    // Page 2, "Drag Operate": the bevels and the pictures in the panels are drawn.
    {"pnlDrag", "page2", Control, "", 32, 36, 32, 32},
    {"Panel1", "page2", Control, "", 32, 131, 32, 32},
    {"edtCaption", "page2", Control, "", 89, 227, 352, 23},
    {"edtClass", "page2", Control, "", 89, 259, 352, 23},
    {"chkIsTransparent", "page2", Control, "Is Transparent", 352, 288, 97, 20},
    // Page 3, "Settings".
    {"SeSkinGroupBox1", "page3", Control, "Common Settings", 16, 16, 441, 153},
    {"chkStart", "SeSkinGroupBox1", Control,
     "Transparent current all opened window while run this application", 16, 24, 393, 20},
    {"chkNewWindow", "SeSkinGroupBox1", Control, "Transparent while new window show or opened", 16,
     56, 393, 20},
    {"chkClose", "SeSkinGroupBox1", Control,
     "Opacity all transparent window while exit application", 16, 88, 393, 20},
    {"chkAutoStart", "SeSkinGroupBox1", Control, "Auto start application while Windows  start", 16,
     120, 393, 20},
    {"SeSkinGroupBox2", "page3", Control, "Transparency Adjust", 16, 176, 441, 129},
    {"tbTransparency", "SeSkinGroupBox2", Control, "", 16, 72, 329, 45},
    // Page 4, "About": two group boxes whose places are the implementer's; the banner and
    // the labels in them are drawn.
    {"bannerBox", "page4", Control, "", Free, 0, 0, 0},
    {"noticeBox", "page4", Control, "", Free, 0, 0, 0},
    // Page 5, "Shortcuts": a field for each desktop-wide key (none set here), in a box.
    {"gbShortcuts", "page5", Control, "Keys anywhere on the desktop", 16, 16, 441, 193},
    {"hkIncrease", "gbShortcuts", Control, "None", 200, 32, 161, 23},
    {"hkDecrease", "gbShortcuts", Control, "None", 200, 72, 161, 23},
    {"hkTransparent", "gbShortcuts", Control, "None", 200, 112, 161, 23},
    {"hkOpacity", "gbShortcuts", Control, "None", 200, 152, 161, 23},
};

std::string Describe(const TChildWindow& Wnd) {
  std::ostringstream Text;
  Text << Wnd.ClassName << " \"" << Wnd.Text << "\" at " << Wnd.Bounds.left << ", "
       << Wnd.Bounds.top << ", " << Wnd.Bounds.right - Wnd.Bounds.left << " x "
       << Wnd.Bounds.bottom - Wnd.Bounds.top;
  return Text.str();
}

bool Fits(const TRow& Row, const TChildWindow& Wnd) {
  if (Wnd.ClassName != Row.ClassName || Wnd.Text != Row.Text)
    return false;
  return Row.Left == Free || (Wnd.Bounds.left == Row.Left && Wnd.Bounds.top == Row.Top &&
                              Wnd.Bounds.right - Wnd.Bounds.left == Row.Width &&
                              Wnd.Bounds.bottom - Wnd.Bounds.top == Row.Height);
}

const TRow& RowOf(const std::string& Id) {
  for (const TRow& Row : Layout)
    if (Id == Row.Id)
      return Row;
  throw std::logic_error("no row " + Id);
}

class MainLayoutEndToEndTest : public ::testing::Test {
protected:
  void TearDown() override { LeftButton(false); }

  // The window that fits a row, wherever it lies; null when none does.
  HWND Find(const std::string& Id) const {
    for (const TChildWindow& Wnd : ChildWindowsOf(Mirevan.MainWindow()))
      if (Fits(RowOf(Id), Wnd))
        return Wnd.Handle;
    return nullptr;
  }

  // Pairs the rows with the windows, parent by parent from the main window down: each row
  // takes a child of its parent's window that fits it; rows without a window and windows
  // without a row are reported. The list view's own parts (header) are its business.
  std::map<std::string, HWND> MatchLayout(const std::vector<TChildWindow>& Windows) {
    std::map<std::string, HWND> Matched{{"", Mirevan.MainWindow()}};
    std::vector<bool> Taken(Windows.size(), false);
    for (const TRow& Row : Layout) {
      const auto Parent = Matched.find(Row.Parent);
      if (Parent == Matched.end()) {
        ADD_FAILURE() << Row.Id << ": its parent " << Row.Parent << " has no window";
        continue;
      }
      bool Found = false;
      for (size_t I = 0; I < Windows.size() && !Found; ++I)
        if (!Taken[I] && Windows[I].Parent == Parent->second && Fits(Row, Windows[I])) {
          Taken[I] = Found = true;
          Matched[Row.Id] = Windows[I].Handle;
        }
      if (!Found && !Row.MadeWhenShown) {
        std::ostringstream Siblings;
        for (const TChildWindow& Wnd : Windows)
          if (Wnd.Parent == Parent->second)
            Siblings << "\n    " << Describe(Wnd);
        ADD_FAILURE() << Row.Id << " (\"" << Row.Text << "\" at " << Row.Left << ", " << Row.Top
                      << ", " << Row.Width << " x " << Row.Height << ") is not a child of "
                      << (*Row.Parent ? Row.Parent : "the main window")
                      << "; its children are:" << Siblings.str();
      }
    }
    const HWND List = Matched.count("lvList") ? Matched["lvList"] : nullptr;
    for (size_t I = 0; I < Windows.size(); ++I)
      if (!Taken[I] && !(List && IsChild(List, Windows[I].Handle)))
        ADD_FAILURE() << "a window the layout does not hold: " << Describe(Windows[I])
                      << (Windows[I].Visible ? ", shown" : ", hidden") << ", in "
                      << Describe(TChildWindow{Windows[I].Parent, nullptr, "",
                                               WindowTextOf(Windows[I].Parent),
                                               BoundsInParent(Windows[I].Parent)});
    return Matched;
  }

  TTempDir Temp;
  TMirevanProcess Mirevan{Temp.Path(), "TransparentNewWindow=0"};
};

TEST_F(MainLayoutEndToEndTest, TheWindowOpensAtOperateWithItsTextAndClientSize) {
  EXPECT_EQ(WindowTextOf(Mirevan.MainWindow()), "Mirevan V1.0"); // the frame's caption
  RECT Client{};
  GetClientRect(Mirevan.MainWindow(), &Client);
  EXPECT_EQ(Client.right, 471);
  EXPECT_EQ(Client.bottom, 339); // grown from 332 so that every page shows whole
  const HWND Tabs = Mirevan.FindTabControl();
  ASSERT_NE(Tabs, nullptr);
  EXPECT_EQ(SendMessageA(Tabs, TCM_GETITEMCOUNT, 0, 0), 6);
  EXPECT_EQ(Mirevan.ActivePage(), 0);
  // Of the pages only "Operate" shows.
  for (const TChildWindow& Page : ChildWindowsOf(Tabs))
    if (Page.Parent == Tabs) {
      EXPECT_EQ(Page.Visible, Page.Text == "Operate") << Page.Text;
    }
}

// Every page is opened with a real click on its tab first, so that each has been shown as a
// user sees it; then the whole tree, hidden pages included, is held against the layout.
TEST_F(MainLayoutEndToEndTest, EveryPageHoldsItsControlsWhereTheLayoutPutsThem) {
  const HWND Tabs = Mirevan.FindTabControl();
  ASSERT_NE(Tabs, nullptr);
  for (int Page = 0; Page < 6; ++Page) {
    ASSERT_TRUE(Mirevan.ClickTab(Page)) << Page;
    ASSERT_TRUE(WaitUntil([&] { return Mirevan.ActivePage() == Page; }, 3000)) << Page;
  }
  const std::map<std::string, HWND> Matched = MatchLayout(ChildWindowsOf(Mirevan.MainWindow()));

  // The pages share one place inside the page control, below the tabs.
  RECT Pages{};
  GetClientRect(Tabs, &Pages);
  const char* PageIds[] = {"page0", "page1", "page2", "page3", "page4", "page5"};
  if (std::all_of(std::begin(PageIds), std::end(PageIds),
                  [&](const char* Id) { return Matched.count(Id) != 0; })) {
    const RECT First = BoundsInParent(Matched.at("page0"));
    EXPECT_GE(First.left, 0);
    EXPECT_GT(First.top, 0);
    EXPECT_LE(First.right, Pages.right);
    EXPECT_LE(First.bottom, Pages.bottom);
    for (const char* Id : PageIds) {
      const RECT Bounds = BoundsInParent(Matched.at(Id));
      EXPECT_TRUE(EqualRect(&First, &Bounds)) << Id;
    }
    // The last page clicked is the one that shows.
    for (int Page = 0; Page < 6; ++Page)
      EXPECT_EQ(IsWindowVisible(Matched.at(PageIds[Page])) != FALSE, Page == 5) << Page;
  }
  // With nothing in the list its scroll bars do not show, if they have windows yet.
  for (const char* Id : {"lvListHorzBar", "lvListVertBar"})
    if (Matched.count(Id)) {
      EXPECT_FALSE(IsWindowVisible(Matched.at(Id))) << Id;
    }
  // The display-only edits do not take input; the rest does.
  for (const auto& [Id, Wnd] : Matched)
    if (!Id.empty()) {
      EXPECT_EQ(IsWindowEnabled(Wnd) != FALSE, Id != "edtCaption" && Id != "edtClass") << Id;
    }
}

TEST_F(MainLayoutEndToEndTest, OpeningAPageWithItsTabShowsThatPageAlone) {
  const HWND Tabs = Mirevan.FindTabControl();
  ASSERT_NE(Tabs, nullptr);
  for (int Page : {3, 1, 4, 2, 0}) {
    ASSERT_TRUE(Mirevan.ClickTab(Page)) << Page;
    ASSERT_TRUE(WaitUntil([&] { return Mirevan.ActivePage() == Page; }, 3000)) << Page;
    std::vector<std::string> Shown;
    for (const TChildWindow& Child : ChildWindowsOf(Tabs))
      if (Child.Parent == Tabs && Child.Visible)
        Shown.push_back(Child.Text);
    const char* Captions[] = {"Operate",  "Windows List", "Drag Operate",
                              "Settings", "About",        "Shortcuts"};
    EXPECT_EQ(Shown, std::vector<std::string>{Captions[Page]});
  }
}

TEST_F(MainLayoutEndToEndTest, TheWindowsListIsAReportWithItsColumnsAndCheckBoxes) {
  ASSERT_TRUE(Mirevan.ClickTab(1));
  HWND List = nullptr;
  ASSERT_TRUE(
      WaitUntil([&] { return (List = Mirevan.FindChild(WC_LISTVIEWA, "")) != nullptr; }, 3000));
  EXPECT_EQ(GetWindowLongA(List, GWL_STYLE) & (LVS_TYPEMASK | LVS_EDITLABELS | LVS_SHOWSELALWAYS),
            LVS_REPORT | LVS_SHOWSELALWAYS);
  const auto Extended = SendMessageA(List, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  for (const auto Bit :
       {LVS_EX_CHECKBOXES, LVS_EX_GRIDLINES, LVS_EX_TRACKSELECT, LVS_EX_FULLROWSELECT})
    EXPECT_TRUE(Extended & Bit) << std::hex << Bit;

  TRemoteMemory Memory(Mirevan.ProcessId(), 1024);
  const HWND Header = reinterpret_cast<HWND>(SendMessageA(List, LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageA(Header, HDM_GETITEMCOUNT, 0, 0), 2);
  const char* Titles[] = {"Window Text", "Status"};
  const int Widths[] = {200, 80};
  for (int Column = 0; Column < 2; ++Column) {
    LVCOLUMNA Info{};
    Info.mask = LVCF_TEXT | LVCF_WIDTH;
    Info.pszText = reinterpret_cast<LPSTR>(Memory.At(512));
    Info.cchTextMax = 256;
    Memory.Write(Info);
    ASSERT_TRUE(SendMessageA(List, LVM_GETCOLUMNA, static_cast<WPARAM>(Column), Memory.At()));
    char Title[256] = {};
    Memory.Read(512, Title, sizeof Title - 1);
    EXPECT_STREQ(Title, Titles[Column]);
    EXPECT_EQ(Memory.Read<LVCOLUMNA>().cx, Widths[Column]) << Titles[Column];
  }
}

// The hints of the layout, shown by the program's own hint window when the real pointer rests
// on a control, and gone once it has left the control for a place without a hint.
struct THintCase {
  int Page;
  const char* Id;
  const char* Hint;
};

TEST_F(MainLayoutEndToEndTest, RestingOnAControlShowsItsHintAndLeavingHidesIt) {
  const THintCase Cases[] = {
      {0, "btnTransparent", "Transparent all opened window"},
      {2, "pnlDrag", "Transparent a window by dragging over the window"},
      {3, "chkStart", "Transparent current all opened window while run this application"},
      {3, "tbTransparency", "Adjust transparency by control the progress"},
  };
  for (const THintCase& Case : Cases) {
    SCOPED_TRACE(Case.Id);
    ASSERT_TRUE(Mirevan.ClickTab(Case.Page));
    ASSERT_TRUE(WaitUntil([&] { return Mirevan.ActivePage() == Case.Page; }, 3000));
    const HWND Wnd = Find(Case.Id);
    ASSERT_NE(Wnd, nullptr);
    // A bare spot of the control's page, near its bottom left corner: nothing there has a
    // hint.
    HWND Page = Wnd;
    while (Page && GetParent(Page) != Mirevan.FindTabControl())
      Page = GetParent(Page);
    ASSERT_NE(Page, nullptr);
    RECT PageArea{};
    GetClientRect(Page, &PageArea);
    POINT Bare{4, PageArea.bottom - 4};
    ClientToScreen(Page, &Bare);
    ASSERT_TRUE(PointAt(Bare));
    ASSERT_TRUE(WaitUntil([&] { return FindHintWindow(Mirevan.ProcessId()) == nullptr; }, 3000));

    RECT Bounds{};
    GetWindowRect(Wnd, &Bounds);
    const POINT On{Bounds.left + 20, (Bounds.top + Bounds.bottom) / 2};
    ASSERT_TRUE(PointAt({On.x - 5, On.y}));
    ASSERT_TRUE(PointAt(On));
    HWND Hint = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (Hint = FindHintWindow(Mirevan.ProcessId())) != nullptr; }, 5000));
    EXPECT_EQ(WindowTextOf(Hint), Case.Hint);

    ASSERT_TRUE(PointAt(Bare));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(Hint); }, 3000));
  }
}

} // namespace
