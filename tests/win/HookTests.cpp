// Hook.dll across processes: windows of the fixture process are reported to a window of
// this process.

#include <cstdio>
#include <gtest/gtest.h>

#include "hook/Hook.h"
#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

// Long enough for any duplicate report to arrive: several census sweeps.
constexpr DWORD SettleTime = 700;

class HookTest : public ::testing::Test {
protected:
  void TearDown() override { UnHookWindow(); }

  TNotifyReceiver Receiver;
  TFixtureProcess Fixture;
};

TEST_F(HookTest, ReportsCreationShowingAndDestructionOnce) {
  ASSERT_TRUE(HookWindow(Receiver.Handle()));
  ULONGLONG Start = GetTickCount64();
  const HWND Wnd = Fixture.Create("HookProbe", "created hidden");
  ASSERT_TRUE(Receiver.WaitFor(Wnd, HOOK_WINDOWSHOWN, 3000));
  std::printf("creation reported after %llu ms\n", GetTickCount64() - Start);
  PumpFor(SettleTime);
  EXPECT_EQ(Receiver.Count(Wnd, HOOK_WINDOWSHOWN), 1);

  Fixture.Show(Wnd);
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Count(Wnd, HOOK_WINDOWSHOWN) == 2; }, 3000));

  // Another process's window going away must be reported within a second.
  Start = GetTickCount64();
  Fixture.Destroy(Wnd);
  EXPECT_TRUE(Receiver.WaitFor(Wnd, HOOK_WINDOWDESTROYED, 1000));
  std::printf("destruction reported after %llu ms\n", GetTickCount64() - Start);
  PumpFor(SettleTime);
  EXPECT_EQ(Receiver.Count(Wnd, HOOK_WINDOWSHOWN), 2);
  EXPECT_EQ(Receiver.Count(Wnd, HOOK_WINDOWDESTROYED), 1);
}

TEST_F(HookTest, ChildWindowsAreNotReported) {
  ASSERT_TRUE(HookWindow(Receiver.Handle()));
  const HWND Parent = Fixture.Create("HookProbe", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const HWND Child = Fixture.CreateChild(Parent, "HookProbeChild", "child");
  ASSERT_TRUE(Receiver.WaitFor(Parent, HOOK_WINDOWSHOWN, 3000));
  Fixture.Destroy(Parent);
  ASSERT_TRUE(Receiver.WaitFor(Parent, HOOK_WINDOWDESTROYED, 1000));
  PumpFor(SettleTime);
  EXPECT_EQ(Receiver.Count(Child, HOOK_WINDOWSHOWN), 0);
  EXPECT_EQ(Receiver.Count(Child, HOOK_WINDOWDESTROYED), 0);
}

TEST_F(HookTest, RepeatedHookWindowDoesNotDoubleNotifications) {
  for (int I = 0; I < 3; ++I)
    ASSERT_TRUE(HookWindow(Receiver.Handle()));
  const HWND Wnd = Fixture.Create("HookProbe", "once");
  ASSERT_TRUE(Receiver.WaitFor(Wnd, HOOK_WINDOWSHOWN, 3000));
  Fixture.Destroy(Wnd);
  ASSERT_TRUE(Receiver.WaitFor(Wnd, HOOK_WINDOWDESTROYED, 1000));
  PumpFor(SettleTime);
  EXPECT_EQ(Receiver.Count(Wnd, HOOK_WINDOWSHOWN), 1);
  EXPECT_EQ(Receiver.Count(Wnd, HOOK_WINDOWDESTROYED), 1);
}

TEST_F(HookTest, WindowsThatExistedBeforeAreNotReportedAsNew) {
  const HWND Before = Fixture.Create("HookProbe", "before", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(HookWindow(Receiver.Handle()));
  PumpFor(SettleTime);
  EXPECT_EQ(Receiver.Count(Before, HOOK_WINDOWSHOWN), 0);
  Fixture.Destroy(Before);
  EXPECT_TRUE(Receiver.WaitFor(Before, HOOK_WINDOWDESTROYED, 1000));
}

TEST_F(HookTest, UnHookWindowStopsDelivery) {
  ASSERT_TRUE(HookWindow(Receiver.Handle()));
  const HWND Early = Fixture.Create("HookProbe", "early");
  ASSERT_TRUE(Receiver.WaitFor(Early, HOOK_WINDOWSHOWN, 3000));
  UnHookWindow();
  PumpFor(100); // what was posted before UnHookWindow returned
  Receiver.Clear();

  const HWND Late = Fixture.Create("HookProbe", "late");
  Fixture.Show(Late);
  Fixture.Destroy(Early);
  Fixture.Destroy(Late);
  PumpFor(SettleTime);
  EXPECT_TRUE(Receiver.Received().empty());
}

TEST_F(HookTest, UnHookWindowWithoutHookIsHarmless) {
  EXPECT_TRUE(UnHookWindow());
  EXPECT_TRUE(UnHookWindow());
  ASSERT_TRUE(HookWindow(Receiver.Handle()));
  const HWND Wnd = Fixture.Create("HookProbe", "after");
  EXPECT_TRUE(Receiver.WaitFor(Wnd, HOOK_WINDOWSHOWN, 3000));
}

TEST_F(HookTest, HookWindowAgainMovesNotificationsToTheNewReceiver) {
  TNotifyReceiver Second;
  ASSERT_TRUE(HookWindow(Receiver.Handle()));
  ASSERT_TRUE(HookWindow(Second.Handle()));
  const HWND Wnd = Fixture.Create("HookProbe", "moved");
  ASSERT_TRUE(Second.WaitFor(Wnd, HOOK_WINDOWSHOWN, 3000));
  PumpFor(SettleTime);
  EXPECT_EQ(Receiver.Count(Wnd, HOOK_WINDOWSHOWN), 0);
  EXPECT_EQ(Second.Count(Wnd, HOOK_WINDOWSHOWN), 1);
}

} // namespace
