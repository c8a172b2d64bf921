// The frame's system menu: opened by its button, by a right click on the caption and by
// Alt+Space, with the items of the window's state and their glyphs, and a linked menu shown
// in its place. The user's side runs on a thread of its own while the menu's loop runs.

#include <windows.h>

#include <atomic>
#include <thread>

#include "controls/menu/MenuMetrics.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SePopupMenu.h"
#include "tests/win/controls/frame/FrameFormFixture.h"
#include "tests/win/controls/menu/MenuTestSupport.h"
#include "toolkit/ImageList.h"

namespace {

class SystemMenuTest : public FrameFormTest {
protected:
  void TearDown() override {
    if (User.joinable())
      User.join();
    FrameFormTest::TearDown();
  }
  // Screen point of window coordinates.
  POINT Screen(POINT P) const { return OnScreen(P.x, P.y); }
  static void Click(POINT At, bool Right = false) {
    SetCursorPos(At.x, At.y);
    Sleep(50);
    INPUT Input[2]{};
    Input[0].type = Input[1].type = INPUT_MOUSE;
    Input[0].mi.dwFlags = Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    Input[1].mi.dwFlags = Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, Input, sizeof(INPUT));
  }
  std::thread User;
  const DWORD Thread = GetCurrentThreadId();
};

TEST_F(SystemMenuTest, TheButtonOpensTheBuiltInMenuAtTheClientOriginAndItsItemsAct) {
  const POINT Button = Screen(Centre(Frame->GetButtonRect(fzSysMenu)));
  POINT Origin{0, 0};
  ClientToScreen(Form->Handle(), &Origin);
  RECT Level{};
  std::atomic<bool> Shown = false;
  User = std::thread([&] {
    Click(Button);
    Shown = WaitForLevels(Thread, 1);
    if (Shown)
      Level = WindowRectOf(VisibleLevels(Thread).front());
    TapKey('X'); // "Ma&ximize"
  });
  EXPECT_TRUE(PumpUntil([&] { return Frame->WindowState() == qwsMaximized; }, 4000));
  User.join();
  ASSERT_TRUE(Shown);
  EXPECT_EQ(Origin.x, Level.left);
  EXPECT_EQ(Origin.y, Level.top);
  // Normal state, every border icon but roll-up and tray: these rows, with their glyphs.
  auto* Menu = dynamic_cast<TSeCustomPopupMenu*>(Frame->BuiltInSystemMenu());
  ASSERT_NE(nullptr, Menu);
  TSeCustomItem* Root = Menu->Items();
  ASSERT_EQ(4, Root->Count());
  EXPECT_EQ("Mi&nimize", Root->Items(0)->Caption());
  EXPECT_EQ(1, Root->Items(0)->ImageIndex());
  EXPECT_EQ("Ma&ximize", Root->Items(1)->Caption());
  EXPECT_TRUE(Root->Items(2)->IsSeparator());
  EXPECT_EQ("&Close", Root->Items(3)->Caption());
  EXPECT_EQ(0x8000 | VK_F4, Root->Items(3)->ShortCut());
  ASSERT_NE(nullptr, Root->ImageList());
  EXPECT_EQ(6, Root->ImageList()->Count());
}

// In either state; maximized, the menu offers to restore the window.
TEST_F(SystemMenuTest, ARightClickOnTheCaptionOpensItAtThePointer) {
  for (const TSeWindowState State : {qwsNormal, qwsMaximized}) {
    SCOPED_TRACE(State);
    if (State == qwsMaximized) {
      Frame->Maximize();
      const RECT Maximized = FromTRect(Frame->GetMaximizedRect());
      ASSERT_TRUE(PumpUntil([&] { return WindowRect() == Maximized; }, 2000));
    }
    const RECT Before = WindowRect();
    const POINT At = Screen(CaptionPoint());
    RECT Level{};
    std::atomic<bool> Shown = false, Closed = false;
    User = std::thread([&] {
      Click(At, true);
      Shown = WaitForLevels(Thread, 1);
      if (Shown)
        Level = WindowRectOf(VisibleLevels(Thread).front());
      TapKey(VK_ESCAPE);
      Closed = WaitForLevels(Thread, 0);
    });
    PumpUntil([&] { return Closed.load(); }, 4000);
    User.join();
    ASSERT_TRUE(Shown);
    EXPECT_TRUE(Closed);
    EXPECT_EQ(At.x, Level.left);
    EXPECT_EQ(At.y, Level.top);
    auto* Menu = dynamic_cast<TSeCustomPopupMenu*>(Frame->BuiltInSystemMenu());
    ASSERT_NE(nullptr, Menu);
    EXPECT_EQ(State == qwsMaximized, Menu->Items()->Items(0)->Caption() == "&Restore");
    EXPECT_EQ(State, Frame->WindowState());
    EXPECT_EQ(Before, WindowRect());
  }
}

TEST_F(SystemMenuTest, AltSpaceOpensTheLinkedMenuWithTheSystemMenuOptions) {
  auto* Linked = MakeComponent<TSeCustomPopupMenu>(Form);
  auto* Only = MakeComponent<TSeCustomItem>(Form);
  Only->SetCaption("&Linked");
  bool Ran = false;
  Only->OnClick = [&](TObject*) { Ran = true; };
  Linked->Items()->Add(Only);
  Frame->SetSystemMenuLink(Linked);
  TSeShadow Shadow;
  Shadow.SetEnabled(true);
  Frame->SystemMenuOptions().SetShadow(Shadow);
  std::atomic<bool> Shown = false;
  User = std::thread([&] {
    KeyInput(VK_MENU, true);
    TapKey(VK_SPACE);
    KeyInput(VK_MENU, false);
    Shown = WaitForLevels(Thread, 1);
    TapKey('L');
  });
  EXPECT_TRUE(PumpUntil([&] { return Ran; }, 4000));
  User.join();
  EXPECT_TRUE(Shown);
  EXPECT_TRUE(Linked->PopupMenuOptions().Shadow().Enabled());
  EXPECT_EQ(nullptr, Frame->BuiltInSystemMenu());
  // A linked menu that goes is no longer shown.
  Linked->Free();
  EXPECT_EQ(nullptr, Frame->SystemMenuLink());
}

TEST_F(SystemMenuTest, ARightClickOnTheTrayIconOpensTheTrayMenuAtTheCursor) {
  if (!FindWindowW(L"Shell_TrayWnd", nullptr))
    GTEST_SKIP() << "no notification area in this session";
  Frame->SetMinimizeApplication(false);
  Frame->MinimizeToTray();
  ASSERT_EQ(qwsTray, Frame->WindowState());
  // The icon's window: the frame's private window of this thread.
  HWND Icon = nullptr;
  EnumThreadWindows(
      Thread,
      [](HWND Wnd, LPARAM Data) -> BOOL {
        wchar_t Class[32] = {};
        GetClassNameW(Wnd, Class, 32);
        if (lstrcmpW(Class, L"TSeTrayWindow") != 0)
          return TRUE;
        *reinterpret_cast<HWND*>(Data) = Wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Icon));
  ASSERT_NE(nullptr, Icon);
  const POINT Cursor{500, 400};
  ASSERT_TRUE(PointAt(Cursor));
  RECT Level{};
  std::atomic<bool> Shown = false;
  User = std::thread([&] {
    Shown = WaitForLevels(Thread, 1);
    if (!Shown)
      return;
    Level = WindowRectOf(VisibleLevels(Thread).front());
    // "&Restore", the first row, by the pointer: the keyboard goes to whichever window the
    // system made the foreground one, the pointer to the menu that holds the capture.
    Click({Level.left + 20, Level.top + 3 + MenuMetrics().Height / 2});
  });
  PostMessageW(Icon, SE_TRAYNOTIFY, 1, WM_RBUTTONUP);
  EXPECT_TRUE(PumpUntil([&] { return Frame->WindowState() == qwsNormal; }, 4000));
  User.join();
  ASSERT_TRUE(Shown);
  EXPECT_EQ(Cursor.x, Level.left);
  EXPECT_EQ(Cursor.y, Level.top);
  auto* Menu = dynamic_cast<TSeCustomPopupMenu*>(Frame->BuiltInSystemMenu());
  ASSERT_NE(nullptr, Menu);
  EXPECT_EQ("&Restore", Menu->Items()->Items(0)->Caption());
  EXPECT_TRUE(Menu->Items()->Foreground);
}

} // namespace
