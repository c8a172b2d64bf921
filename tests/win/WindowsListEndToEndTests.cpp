// The "Windows List" page of the real Mirevan.exe, used with the real pointer on windows of
// another process: the page is opened by a click on its tab, the rows are read from outside,
// check boxes, buttons and header sections are clicked, and the fixture windows' layered
// attributes show what happened.

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

POINT CentreOf(const RECT& R) { return {(R.left + R.right) / 2, (R.top + R.bottom) / 2}; }

// Mirevan's windows list, read and aimed at from this process. Messages that carry pointers
// get their data in Mirevan's memory.
class TRemoteList {
public:
  TRemoteList(HWND List, DWORD ProcessId) : FList(List), FMemory(ProcessId, 4096) {}

  int Count() const { return static_cast<int>(SendMessageA(FList, LVM_GETITEMCOUNT, 0, 0)); }
  int PerPage() const { return static_cast<int>(SendMessageA(FList, LVM_GETCOUNTPERPAGE, 0, 0)); }
  bool Checked(int Row) const {
    const auto State =
        SendMessageA(FList, LVM_GETITEMSTATE, static_cast<WPARAM>(Row), LVIS_STATEIMAGEMASK);
    return ((State & LVIS_STATEIMAGEMASK) >> 12) == 2;
  }
  std::string Text(int Row, int Column) { return RemoteListText(FList, FMemory, Row, Column); }
  std::vector<std::string> Column(int Column) {
    std::vector<std::string> Texts;
    for (int Row = 0; Row < Count(); ++Row)
      Texts.push_back(Text(Row, Column));
    return Texts;
  }
  int Find(const std::string& Wanted) {
    for (int Row = 0; Row < Count(); ++Row)
      if (Text(Row, 0) == Wanted)
        return Row;
    return -1;
  }
  // Where the row's check box lies on the screen: the list's own hit test says so.
  bool CheckBoxPoint(int Row, POINT& Screen) {
    RECT Bounds{LVIR_BOUNDS, 0, 0, 0};
    FMemory.Write(Bounds);
    SendMessageA(FList, LVM_GETITEMRECT, static_cast<WPARAM>(Row), FMemory.At());
    Bounds = FMemory.Read<RECT>();
    for (int X = Bounds.left; X < Bounds.left + 40; ++X) {
      LVHITTESTINFO Hit{};
      Hit.pt = {X, (Bounds.top + Bounds.bottom) / 2};
      FMemory.Write(Hit);
      SendMessageA(FList, LVM_SUBITEMHITTEST, 0, FMemory.At());
      Hit = FMemory.Read<LVHITTESTINFO>();
      if (Hit.iItem == Row && (Hit.flags & LVHT_ONITEMSTATEICON)) {
        Screen = {X + 3, Hit.pt.y};
        ClientToScreen(FList, &Screen);
        return true;
      }
    }
    return false;
  }
  // The centre of a header section on the screen.
  POINT SectionCentre(int Index) {
    const HWND Header = reinterpret_cast<HWND>(SendMessageA(FList, LVM_GETHEADER, 0, 0));
    SendMessageA(Header, HDM_GETITEMRECT, static_cast<WPARAM>(Index), FMemory.At());
    POINT Centre = CentreOf(FMemory.Read<RECT>());
    ClientToScreen(Header, &Centre);
    return Centre;
  }

private:
  HWND FList;
  TRemoteMemory FMemory;
};

// True for texts in order, letter case ignored as the user's locale orders them.
bool InOrder(const std::vector<std::string>& Texts, bool Ascending) {
  return std::is_sorted(
      Texts.begin(), Texts.end(), [&](const std::string& A, const std::string& B) {
        const int Order =
            CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, A.c_str(), -1, B.c_str(), -1) -
            CSTR_EQUAL;
        return Ascending ? Order < 0 : Order > 0;
      });
}

class WindowsListEndToEndTest : public ::testing::Test {
protected:
  void TearDown() override { LeftButton(false); }

  HWND NewWindow(const std::string& Title) {
    return Fixture.Create("MirevanProbe", Title, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  }
  static bool TranslucentWith(HWND Wnd, int Alpha) {
    return WaitUntil([&] { return HasLayeredStyle(Wnd) && LayeredAlpha(Wnd) == Alpha; }, 3000);
  }
  // Opens "Windows List" with a click on its tab, and waits for the list to show.
  static HWND OpenWindowsList(const TMirevanProcess& Mirevan) {
    if (!Mirevan.ClickTab(1))
      return nullptr;
    HWND List = nullptr;
    WaitUntil(
        [&] {
          List = Mirevan.FindChild(WC_LISTVIEWA, "");
          return List != nullptr;
        },
        3000);
    return List;
  }
  // A button of Mirevan's by its caption, clicked at its centre.
  static bool ClickButton(const TMirevanProcess& Mirevan, const std::string& Caption) {
    const HWND Button = Mirevan.FindChild("MirevanWindow", Caption);
    RECT Bounds{};
    return Button && GetWindowRect(Button, &Bounds) && ClickAt(CentreOf(Bounds));
  }
  // The in-place vertical bar: a visible sibling of the list, lying narrow and tall over
  // its right side.
  static HWND InplaceVertBar(HWND List) {
    RECT ListBounds;
    GetWindowRect(List, &ListBounds);
    for (HWND Wnd = GetWindow(GetParent(List), GW_CHILD); Wnd; Wnd = GetWindow(Wnd, GW_HWNDNEXT)) {
      RECT Bounds;
      GetWindowRect(Wnd, &Bounds);
      if (Wnd != List && IsWindowVisible(Wnd) && Bounds.right - Bounds.left < 30 &&
          Bounds.bottom - Bounds.top > 100 && Bounds.left > ListBounds.left &&
          Bounds.right <= ListBounds.right && Bounds.top >= ListBounds.top &&
          Bounds.bottom <= ListBounds.bottom)
        return Wnd;
    }
    return nullptr;
  }

  TTempDir Temp;
  TFixtureProcess Fixture;
};

TEST_F(WindowsListEndToEndTest, CheckedRowsAreMadeOpaqueAndTransparentByTheButtons) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=1\r\n"
                                       "Transparency=120");
  const HWND First = NewWindow("list probe first");
  const HWND Second = NewWindow("list probe second");
  ASSERT_TRUE(TranslucentWith(First, 120));
  ASSERT_TRUE(TranslucentWith(Second, 120));
  const HWND List = OpenWindowsList(Mirevan);
  ASSERT_NE(List, nullptr);
  TRemoteList Rows(List, Mirevan.ProcessId());
  ASSERT_TRUE(WaitUntil([&] { return Rows.Find("list probe second") >= 0; }, 3000));
  // The fixture's windows, most recently taken first, both "Transparent".
  const int FirstRow = Rows.Find("list probe first");
  const int SecondRow = Rows.Find("list probe second");
  ASSERT_GE(FirstRow, 0);
  EXPECT_LT(SecondRow, FirstRow);
  EXPECT_EQ(Rows.Text(FirstRow, 1), "Transparent");
  EXPECT_FALSE(Rows.Checked(FirstRow));

  // A click on the first window's check box checks that row alone and changes no window.
  POINT Box{};
  ASSERT_TRUE(Rows.CheckBoxPoint(FirstRow, Box));
  ASSERT_TRUE(ClickAt(Box));
  EXPECT_TRUE(WaitUntil([&] { return Rows.Checked(FirstRow); }, 2000));
  EXPECT_FALSE(Rows.Checked(SecondRow));
  EXPECT_EQ(LayeredAlpha(First), 120);

  // "Make Opacity" restores the checked window only; "Make Transparent" takes it back. The
  // row's "Status" follows at once.
  const auto StatusBecomes = [&](int Row, const std::string& Status) {
    return WaitUntil([&] { return Rows.Text(Row, 1) == Status; }, 2000);
  };
  ASSERT_TRUE(ClickButton(Mirevan, "Make Opacity"));
  EXPECT_TRUE(WaitUntil([&] { return !HasLayeredStyle(First); }, 3000));
  EXPECT_TRUE(TranslucentWith(Second, 120));
  EXPECT_TRUE(StatusBecomes(FirstRow, "Opacity"));
  EXPECT_EQ(Rows.Text(SecondRow, 1), "Transparent");
  ASSERT_TRUE(ClickButton(Mirevan, "Make Transparent"));
  EXPECT_TRUE(TranslucentWith(First, 120));
  EXPECT_TRUE(StatusBecomes(FirstRow, "Transparent"));

  // A second click clears the box: "Make Opacity" then leaves the window translucent.
  ASSERT_TRUE(ClickAt(Box));
  EXPECT_TRUE(WaitUntil([&] { return !Rows.Checked(FirstRow); }, 2000));
  ASSERT_TRUE(ClickButton(Mirevan, "Make Opacity"));
  Sleep(300);
  EXPECT_TRUE(TranslucentWith(First, 120));
}

TEST_F(WindowsListEndToEndTest, HeaderClicksSortDescendingThenAscending) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=1");
  std::vector<HWND> Windows;
  for (const char* Title : {"sort Bravo", "sort alpha", "sort Delta", "sort charlie"})
    Windows.push_back(NewWindow(Title));
  for (HWND Wnd : Windows)
    ASSERT_TRUE(TranslucentWith(Wnd, 150));
  const HWND List = OpenWindowsList(Mirevan);
  ASSERT_NE(List, nullptr);
  TRemoteList Rows(List, Mirevan.ProcessId());
  ASSERT_TRUE(WaitUntil([&] { return Rows.Find("sort charlie") >= 0; }, 3000));
  // One row reads "Opacity": checked, made opaque, and the list filled again.
  POINT Box{};
  ASSERT_TRUE(Rows.CheckBoxPoint(Rows.Find("sort alpha"), Box));
  ASSERT_TRUE(ClickAt(Box));
  ASSERT_TRUE(ClickButton(Mirevan, "Make Opacity"));
  ASSERT_TRUE(WaitUntil([&] { return !HasLayeredStyle(Windows[1]); }, 3000));
  ASSERT_TRUE(ClickButton(Mirevan, "Refresh"));
  ASSERT_TRUE(WaitUntil(
      [&] {
        const int Row = Rows.Find("sort alpha");
        return Row >= 0 && Rows.Text(Row, 1) == "Opacity";
      },
      3000));
  const std::vector<std::string> Before = Rows.Column(0);
  ASSERT_FALSE(InOrder(Before, false));
  ASSERT_FALSE(InOrder(Before, true));
  ASSERT_FALSE(InOrder(Rows.Column(1), false));

  // The first click sorts descending, the next ascending, whichever column is clicked.
  ASSERT_TRUE(ClickAt(Rows.SectionCentre(0)));
  EXPECT_TRUE(WaitUntil([&] { return InOrder(Rows.Column(0), false); }, 2000));
  const std::vector<std::string> After = Rows.Column(0);
  EXPECT_TRUE(std::is_permutation(After.begin(), After.end(), Before.begin(), Before.end()));
  // Two clicks apart, not one double click.
  Sleep(GetDoubleClickTime() + 100);
  ASSERT_TRUE(ClickAt(Rows.SectionCentre(0)));
  EXPECT_TRUE(WaitUntil([&] { return InOrder(Rows.Column(0), true); }, 2000));
  // "Status" next continues the alternation: descending, "Transparent" rows first.
  Sleep(GetDoubleClickTime() + 100);
  ASSERT_TRUE(ClickAt(Rows.SectionCentre(1)));
  EXPECT_TRUE(WaitUntil([&] { return InOrder(Rows.Column(1), false); }, 2000));
  EXPECT_EQ(Rows.Text(Rows.Count() - 1, 1), "Opacity");
  EXPECT_EQ(Rows.Text(Rows.Count() - 1, 0), "sort alpha");
}

TEST_F(WindowsListEndToEndTest, TheInplaceBarAppearsWhenRowsOutnumberTheListsPlace) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=1");
  const HWND Few = NewWindow("few rows");
  ASSERT_TRUE(TranslucentWith(Few, 150));
  const HWND List = OpenWindowsList(Mirevan);
  ASSERT_NE(List, nullptr);
  TRemoteList Rows(List, Mirevan.ProcessId());
  ASSERT_TRUE(WaitUntil([&] { return Rows.Find("few rows") >= 0; }, 3000));
  const int PerPage = Rows.PerPage();
  ASSERT_GT(PerPage, 0);
  ASSERT_LT(Rows.Count(), PerPage);
  EXPECT_EQ(InplaceVertBar(List), nullptr);

  // More windows than rows fit, then "Refresh": the list scrolls and the bar lies over it.
  HWND Last = nullptr;
  for (int I = Rows.Count(); I <= PerPage + 2; ++I)
    Last = NewWindow("many rows " + std::to_string(I));
  ASSERT_TRUE(TranslucentWith(Last, 150));
  ASSERT_TRUE(ClickButton(Mirevan, "Refresh"));
  ASSERT_TRUE(WaitUntil([&] { return Rows.Count() > PerPage; }, 3000));
  HWND Bar = nullptr;
  EXPECT_TRUE(WaitUntil(
      [&] {
        Bar = InplaceVertBar(List);
        return Bar != nullptr;
      },
      3000));
  // Its arrow scrolls the list's rows, a click with the real pointer at its bottom end.
  RECT Bounds{};
  ASSERT_TRUE(Bar && GetWindowRect(Bar, &Bounds));
  ASSERT_EQ(SendMessageA(List, LVM_GETTOPINDEX, 0, 0), 0);
  ASSERT_TRUE(ClickAt({(Bounds.left + Bounds.right) / 2, Bounds.bottom - 4}));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(List, LVM_GETTOPINDEX, 0, 0) > 0; }, 2000));
}

} // namespace
