// Which windows may be made transparent, how they are named, and how all of them are found.

#include <algorithm>
#include <gtest/gtest.h>

#include "app/EnumrateWindow.h"
#include "app/TransparentMgr.h"
#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

class DiscoveryTest : public ::testing::Test {
protected:
  TTempDir Temp;
  TFixtureProcess Fixture;
  TNotifyReceiver MainWindow;
  TTransparentMgr Manager{std::make_unique<TStatus>(Temp.Path() + "Status.cfg")};
};

TEST_F(DiscoveryTest, RejectsDesktopWindowsChildrenAndTheMainWindow) {
  // Class names are atoms of the whole desktop, spelled as first registered: an odd
  // spelling first, so that the comparison's disregard of case is really exercised.
  const HWND OddWorkerW = Fixture.Create("wORKERw", "");
  ASSERT_EQ(ReadWindowClassName(OddWorkerW), "wORKERw");
  const HWND Progman = Fixture.Create("Progman", "Program Manager");

  Manager.SetNotifyWindow(MainWindow.Handle());
  const HWND Plain = Fixture.Create("MirevanProbe", "plain");
  const HWND Hidden =
      Fixture.Create("MirevanProbe", "hidden tool window", WS_POPUP, WS_EX_TOOLWINDOW);
  const HWND Child = Fixture.CreateChild(Plain, "MirevanProbeChild", "child");
  const HWND Tray = Fixture.Create("Shell_TrayWnd", "");

  EXPECT_EQ(Manager.CanTransparent(Plain), Plain);
  EXPECT_EQ(Manager.CanTransparent(Hidden), Hidden);
  EXPECT_EQ(Manager.CanTransparent(Tray), Tray);
  EXPECT_EQ(Manager.CanTransparent(Child), nullptr);
  EXPECT_EQ(Manager.CanTransparent(Progman), nullptr);
  EXPECT_EQ(Manager.CanTransparent(OddWorkerW), nullptr);
  EXPECT_EQ(Manager.CanTransparent(MainWindow.Handle()), nullptr);
  EXPECT_EQ(Manager.CanTransparent(nullptr), nullptr);
}

TEST_F(DiscoveryTest, NoWindowOfItsOwnProcessIsACandidateEvenBeforeTheMainWindowExists) {
  TNotifyReceiver Other;
  const HWND Hidden = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "hidden", WS_POPUP, 0, 0, 10, 10,
                                      nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(Hidden, nullptr);
  EXPECT_EQ(Manager.CanTransparent(Other.Handle()), nullptr);
  EXPECT_EQ(Manager.CanTransparent(Hidden), nullptr);
  const HWND Foreign = Fixture.Create("MirevanProbe", "another program's");
  EXPECT_EQ(Manager.CanTransparent(Foreign), Foreign);
  DestroyWindow(Hidden);
}

TEST_F(DiscoveryTest, AVanishedWindowIsStillACandidateWithEmptyText) {
  const HWND Wnd = Fixture.Create("MirevanProbe", "soon gone");
  Fixture.Destroy(Wnd);
  EXPECT_EQ(Manager.CanTransparent(Wnd), Wnd);
  EXPECT_EQ(Manager.GetDisplayText(Wnd), "");
}

TEST_F(DiscoveryTest, DisplayText) {
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("MirevanProbe", "Notepad")), "Notepad");
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("MirevanProbe", "Default IME")), "Unknown");
  // The title counts in any mix of cases, as every text comparison of the discovery does.
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("MirevanProbe", "default ime")), "Unknown");
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("MirevanProbe", "DEFAULT Ime")), "Unknown");
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("MirevanProbe", "Default IME 2")),
            "Default IME 2");
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("Shell_TrayWnd", "")), "Task Window");
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("Shell_TrayWnd", "Taskbar")), "Taskbar");
  EXPECT_EQ(Manager.GetDisplayText(Fixture.Create("SomeUntitledClass", "")), "SomeUntitledClass");
}

TEST_F(DiscoveryTest, LongTitlesAreSeenAsTheirFirst259Characters) {
  std::string Title;
  for (int I = 0; Title.size() < 300; ++I)
    Title += static_cast<char>('a' + I % 26);
  const HWND Wnd = Fixture.Create("MirevanProbe", Title);
  EXPECT_EQ(ReadWindowTitle(Wnd), Title.substr(0, 259));
  EXPECT_EQ(Manager.GetDisplayText(Wnd), Title.substr(0, 259));
}

TEST_F(DiscoveryTest, EnumAllWindowsTakesEveryCandidateInZOrder) {
  TTransparentManagerScope Scope(std::make_unique<TStatus>(Temp.Path() + "Scoped.cfg"));
  TransparentManager->SetOpacityOnClose(true);
  TransparentManager->SetNotifyWindow(MainWindow.Handle());
  const HWND Plain = Fixture.Create("MirevanProbe", "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const HWND Hidden = Fixture.Create("MirevanProbe", "hidden");
  const HWND Child = Fixture.CreateChild(Plain, "MirevanProbeChild", "child");
  const HWND Progman = Fixture.Create("Progman", "Program Manager");

  TEnumrate::EnumAllWindows();

  std::vector<HWND> Expected;
  EnumWindows(
      [](HWND Wnd, LPARAM List) {
        if (TransparentManager->CanTransparent(Wnd))
          reinterpret_cast<std::vector<HWND>*>(List)->push_back(Wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Expected));
  std::vector<HWND> Taken;
  for (const auto& Item : TransparentManager->Items())
    Taken.push_back(Item->Handle);
  EXPECT_EQ(Taken, Expected);

  EXPECT_TRUE(TransparentManager->HasWindow(Plain));
  EXPECT_TRUE(TransparentManager->HasWindow(Hidden));
  EXPECT_FALSE(TransparentManager->HasWindow(Child));
  EXPECT_FALSE(TransparentManager->HasWindow(Progman));
  EXPECT_FALSE(TransparentManager->HasWindow(MainWindow.Handle()));
  EXPECT_EQ(LayeredAlpha(Plain), 150);
  EXPECT_FALSE(HasLayeredStyle(Progman));
  TransparentManager->ReleaseAll();
  EXPECT_FALSE(HasLayeredStyle(Plain));
}

TEST_F(DiscoveryTest, EnumAllWindowsWithoutAManagerDoesNothing) {
  ASSERT_EQ(TransparentManager, nullptr);
  const HWND Wnd = Fixture.Create("MirevanProbe", "untouched", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  TEnumrate::EnumAllWindows();
  EXPECT_FALSE(HasLayeredStyle(Wnd));
}

} // namespace
