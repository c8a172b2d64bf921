// The library's popup menus on real windows: each open level is a window of its own, driven
// by the real keyboard and pointer. A second thread plays the user (SendInput) while the
// test's thread runs the menu's modal loop.

#include <windows.h>

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "controls/menu/MenuMetrics.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SePopupForm.h"
#include "controls/menu/SePopupMenu.h"
#include "controls/menu/SePopupWindow.h"
#include "tests/win/controls/menu/MenuTestSupport.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"
#include "toolkit/Timer.h"

namespace {

// A form that counts the presses that reach its client area.
class TPressCountingForm : public TForm {
public:
  using TForm::TForm;
  int Presses = 0;
  POINT LastPress{};
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == WM_LBUTTONDOWN) {
      ++Presses;
      LastPress = {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
    }
    return TForm::WndProc(Msg, WParam, LParam);
  }
};

class PopupMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TPressCountingForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 500, 400);
    Form->Show();
    Form->AfterConstruction();
    PumpFor(30);
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 1000);
    Menu = MakeComponent<TSeCustomPopupMenu>(Form);
    MainThread = GetCurrentThreadId();
    PointAt({50, 50}); // away from every menu
  }
  void TearDown() override {
    if (User.joinable())
      User.join();
    Form->Free();
  }

  TSeCustomItem* Add(TSeCustomItem* Parent, const std::string& Caption) {
    auto* Item = MakeComponent<TSeCustomItem>(Form);
    Item->SetCaption(Caption);
    Item->OnClick = [this, Caption](TObject*) {
      Clicked.push_back(Caption);
      LevelsAtClick = VisibleLevels(MainThread).size();
    };
    Parent->Add(Item);
    return Item;
  }

  // The user's part, on a thread of its own, while the test's thread runs the menu.
  void Play(std::function<void()> Script) { User = std::thread(std::move(Script)); }
  // Until Count levels show (from the user's thread); false after two seconds.
  bool WaitForLevels(size_t Count) const { return ::WaitForLevels(MainThread, Count); }
  static void Tap(WORD Key) {
    TapKey(Key);
    Sleep(60);
  }
  // Opens the menu at a screen point and returns once it has closed; the clicks it left run
  // from the message loop afterwards.
  void OpenAt(int X, int Y) {
    Menu->Popup(X, Y);
    if (User.joinable())
      User.join();
    ProcessUntil([] { return false; }, 100);
  }

  TApplicationScope App;
  TPressCountingForm* Form = nullptr;
  TSeCustomPopupMenu* Menu = nullptr;
  DWORD MainThread = 0;
  std::thread User;
  std::vector<std::string> Clicked;
  size_t LevelsAtClick = 99;
};

TEST_F(PopupMenuTest, AMenuNearTheScreensEdgesOpensLeftOfAndAboveThePoint) {
  for (const char* Caption : {"&Open", "&Save", "Save &as"})
    Add(Menu->Items(), Caption);
  const int ScreenW = GetSystemMetrics(SM_CXSCREEN), ScreenH = GetSystemMetrics(SM_CYSCREEN);
  std::atomic<bool> Shown = false;
  RECT Near{}, Far{};
  Play([&] {
    Shown = WaitForLevels(1);
    Near = WindowRectOf(VisibleLevels(MainThread).front());
    Tap(VK_ESCAPE);
  });
  OpenAt(ScreenW - 10, ScreenH - 10);
  ASSERT_TRUE(Shown);
  EXPECT_EQ(ScreenW - 10, Near.right);
  EXPECT_EQ(ScreenH - 10, Near.bottom);

  Play([&] {
    Shown = WaitForLevels(1);
    Far = WindowRectOf(VisibleLevels(MainThread).front());
    Tap(VK_ESCAPE);
  });
  OpenAt(300, 200);
  ASSERT_TRUE(Shown);
  EXPECT_EQ(300, Far.left);
  EXPECT_EQ(200, Far.top);
  // Three rows of the menu's height inside the 3-pixel border.
  EXPECT_EQ(3 * MenuMetrics().Height + 6, Far.bottom - Far.top);
  EXPECT_TRUE(Clicked.empty());
}

TEST_F(PopupMenuTest, ArrowsWrapAndSkipAndTheClickRunsAfterTheWindowsHaveGone) {
  Add(Menu->Items(), "First");
  Add(Menu->Items(), "-");
  Add(Menu->Items(), "Hidden")->SetVisible(false);
  Add(Menu->Items(), "Last");
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Tap(VK_DOWN); // First (current at opening) -> Last, over the separator and the hidden row
    Tap(VK_DOWN); // -> First, wrapping
    Tap(VK_UP);   // -> Last, wrapping back
    Tap(VK_RETURN);
  });
  OpenAt(300, 200);
  EXPECT_EQ((std::vector<std::string>{"Last"}), Clicked);
  EXPECT_EQ(0u, LevelsAtClick);
}

TEST_F(PopupMenuTest, EscClosesOneLevelAndAltOrF10ClosesThemAll) {
  Add(Menu->Items(), "&Plain");
  TSeCustomItem* More = Add(Menu->Items(), "&More");
  Add(More, "Inner one");
  Add(More, "Inner two");
  std::atomic<bool> Two = false, BackToOne = false, TwoAgain = false, None = false;
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Tap(VK_DOWN);
    Tap(VK_RIGHT);
    Two = WaitForLevels(2);
    Tap(VK_ESCAPE);
    BackToOne = WaitForLevels(1);
    Tap(VK_RIGHT);
    TwoAgain = WaitForLevels(2);
    Tap(VK_MENU);
    None = WaitForLevels(0);
  });
  OpenAt(300, 200);
  EXPECT_TRUE(Two);
  EXPECT_TRUE(BackToOne);
  EXPECT_TRUE(TwoAgain);
  EXPECT_TRUE(None);
  EXPECT_TRUE(Clicked.empty());

  // F10 closes them all as Alt does.
  std::atomic<bool> Open = false, Closed = false;
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Tap(VK_DOWN);
    Tap(VK_RIGHT);
    Open = WaitForLevels(2);
    Tap(VK_F10);
    Closed = WaitForLevels(0);
  });
  OpenAt(300, 200);
  EXPECT_TRUE(Open);
  EXPECT_TRUE(Closed);
  EXPECT_TRUE(Clicked.empty());
}

TEST_F(PopupMenuTest, ASubMenuWithoutRoomOnTheRightOpensOnTheItemsLeft) {
  Add(Menu->Items(), "Plain");
  TSeCustomItem* More = Add(Menu->Items(), "More choices");
  Add(More, "A sub-menu row that is rather wide");
  const int ScreenW = GetSystemMetrics(SM_CXSCREEN);
  RECT First{}, Sub{};
  std::atomic<bool> Opened = false;
  Play([&] {
    if (!WaitForLevels(1))
      return;
    First = WindowRectOf(VisibleLevels(MainThread).front());
    Tap(VK_DOWN);
    Tap(VK_RIGHT);
    Opened = WaitForLevels(2);
    Sub = WindowRectOf(VisibleLevels(MainThread).front());
    Tap(VK_MENU);
  });
  OpenAt(ScreenW - 250, 200);
  ASSERT_TRUE(Opened);
  // The level is as wide as fits on the screen's right; its sub-menu, wider than what is left
  // right of the item, ends where the item starts (3 pixels inside the first level's border).
  EXPECT_EQ(First.left + 3, Sub.right);
  // It opens at the item's top: the second row.
  EXPECT_EQ(First.top + 3 + MenuMetrics().Height, Sub.top);
}

TEST_F(PopupMenuTest, AScrolledLevelShowsItsRowsBetweenStripsAndScrollsByOneRow) {
  for (int I = 0; I < 10; ++I)
    Add(Menu->Items(), "Row " + std::to_string(I));
  Menu->Items()->SetScrolled(true);
  Menu->Items()->SetScrollCount(4);
  RECT Level{};
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Level = WindowRectOf(VisibleLevels(MainThread).front());
    for (int I = 0; I < 4; ++I)
      Tap(VK_DOWN); // from row 0 to row 4: one row past the window
    Tap(VK_RETURN);
  });
  OpenAt(300, 100);
  EXPECT_EQ(4 * MenuMetrics().Height + 20 + 6, Level.bottom - Level.top);
  EXPECT_EQ((std::vector<std::string>{"Row 4"}), Clicked);
  EXPECT_EQ(1, Menu->Items()->FirstVisible);
}

TEST_F(PopupMenuTest, ALetterAfterAnAmpersandRunsItsItem) {
  Add(Menu->Items(), "&Open");
  Add(Menu->Items(), "&Save");
  Add(Menu->Items(), "E&xit");
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Tap('X');
  });
  OpenAt(300, 200);
  EXPECT_EQ((std::vector<std::string>{"E&xit"}), Clicked);
}

TEST_F(PopupMenuTest, APressOutsideClosesEveryLevelAndReachesTheWindowUnderThePointer) {
  Add(Menu->Items(), "Plain");
  TSeCustomItem* More = Add(Menu->Items(), "More");
  Add(More, "Inner");
  std::atomic<bool> Two = false;
  POINT Outside{};
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Tap(VK_DOWN);
    Tap(VK_RIGHT);
    Two = WaitForLevels(2);
    RECT F{};
    GetWindowRect(Form->Handle(), &F);
    Outside = {F.left + 40, F.bottom - 40};
    PointAt(Outside);
    LeftButton(true);
    Sleep(50);
    LeftButton(false);
  });
  OpenAt(400, 150);
  EXPECT_TRUE(Two);
  ProcessUntil([&] { return Form->Presses > 0; }, 1000);
  EXPECT_EQ(1, Form->Presses);
  POINT Client = Outside;
  ScreenToClient(Form->Handle(), &Client);
  EXPECT_EQ(Client.x, Form->LastPress.x);
  EXPECT_EQ(Client.y, Form->LastPress.y);
  EXPECT_TRUE(VisibleLevels(MainThread).empty());
  EXPECT_TRUE(Clicked.empty());
}

TEST_F(PopupMenuTest, AClickOnARowRunsItAndTheHoverFollowsThePointer) {
  Add(Menu->Items(), "One");
  Add(Menu->Items(), "Two");
  Add(Menu->Items(), "Three");
  Play([&] {
    if (!WaitForLevels(1))
      return;
    const RECT Level = WindowRectOf(VisibleLevels(MainThread).front());
    const int Row = MenuMetrics().Height;
    PointAt({Level.left + 20, Level.top + 3 + Row + Row / 2}); // "Two"
    Sleep(60);
    PointAt({Level.left + 20, Level.top + 3 + 2 * Row + Row / 2}); // "Three"
    Sleep(60);
    LeftButton(true);
    Sleep(50);
    LeftButton(false);
  });
  OpenAt(300, 200);
  EXPECT_EQ((std::vector<std::string>{"Three"}), Clicked);
  EXPECT_EQ(0u, LevelsAtClick);
}

TEST_F(PopupMenuTest, ASecondMenuClosesTheFirst) {
  Add(Menu->Items(), "First menu");
  auto* Second = MakeComponent<TSeCustomPopupMenu>(Form);
  auto* Only = MakeComponent<TSeCustomItem>(Form);
  Only->SetCaption("Second menu");
  Second->Items()->Add(Only);
  // While the first menu's loop runs, a timer opens the second one.
  TTimer Opener(nullptr);
  Opener.SetInterval(300);
  bool SecondOpened = false;
  Opener.SetOnTimer([&](TObject*) {
    Opener.SetEnabled(false);
    SecondOpened = true;
    Second->Popup(600, 300);
  });
  std::atomic<size_t> LevelsWithSecond = 99;
  RECT SecondRect{};
  Play([&] {
    if (!WaitForLevels(1))
      return;
    // The second menu replaces the first: one level, at the second menu's place.
    for (int Waited = 0; Waited < 200; ++Waited) {
      const auto Levels = VisibleLevels(MainThread);
      if (Levels.size() == 1 && WindowRectOf(Levels.front()).left == 600) {
        LevelsWithSecond = Levels.size();
        SecondRect = WindowRectOf(Levels.front());
        break;
      }
      Sleep(10);
    }
    Tap(VK_ESCAPE);
  });
  OpenAt(300, 200);
  EXPECT_TRUE(SecondOpened);
  EXPECT_EQ(1u, LevelsWithSecond);
  EXPECT_EQ(300, SecondRect.top);
  EXPECT_EQ(nullptr, TSeCustomPopupMenu::OpenMenu());
}

TEST_F(PopupMenuTest, OnlyTheFirstLevelOfAPopupMenuAnimates) {
  TSeAnimation Animation;
  Animation.SetEnabled(true);
  TSePopupMenuOptions Options;
  Options.SetAnimation(Animation);
  Menu->SetPopupMenuOptions(Options);
  Add(Menu->Items(), "Plain");
  TSeCustomItem* More = Add(Menu->Items(), "More");
  Add(More, "Inner");
  // The levels' frames as the menu made them, read on the menu's own thread.
  std::vector<bool> Animated;
  TTimer Reader(nullptr);
  Reader.SetInterval(50);
  Reader.SetOnTimer([&](TObject*) {
    const auto Levels = VisibleLevels(MainThread);
    if (Levels.size() != 2 || !Animated.empty())
      return;
    for (HWND Level : Levels)
      if (auto* Window = dynamic_cast<TSePopupWindow*>(TWinControl::FindControl(Level)))
        Animated.push_back(Window->PopupForm()->Animation().Enabled());
  });
  Play([&] {
    if (!WaitForLevels(1))
      return;
    Tap(VK_DOWN);
    Tap(VK_RIGHT);
    if (!WaitForLevels(2))
      return;
    Sleep(300);
    Tap(VK_MENU);
  });
  OpenAt(300, 200);
  // Innermost first: the sub-menu does not animate, the first level does.
  EXPECT_EQ((std::vector<bool>{false, true}), Animated);
}

} // namespace
