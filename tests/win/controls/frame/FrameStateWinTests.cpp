// The frame's window states on a real window: roll-up, maximize, minimize and the tray, the
// window-state message, a state read while loading, and the form's close protocol as the
// frame's Close runs it.

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/base/Platform.h"
#include "tests/win/controls/frame/FrameFormFixture.h"
#include "tests/win/support/ScreenBackdrop.h"
#include "toolkit/Application.h"

namespace {

class FrameStateTest : public FrameFormTest {
protected:
  bool WaitFor(const RECT& Bounds) {
    return PumpUntil([&] { return WindowRect() == Bounds; }, 2000);
  }
  RECT Maximized() { return FromTRect(Frame->GetMaximizedRect()); }
  // The notification area takes icons only where a shell's tray window runs.
  static bool HasTray() { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }
};

TEST_F(FrameStateTest, ARolledUpWindowDraggedAwayRollsDownWhereItIsWithItsOldSize) {
  Frame->Rollup();
  ASSERT_EQ(Frame->WindowState(), qwsRollup);
  const TRect Client = Frame->GetFrameClientRect();
  const int Border = GetSystemMetrics(SM_CXFRAME);
  const RECT Rolled{Start.left, Start.top, Start.right, Start.top + Client.Top + Border};
  ASSERT_TRUE(WaitFor(Rolled)) << WindowRect();
  // Dragged by its caption with the real pointer.
  const POINT Grab = OnScreen(CaptionPoint().x, CaptionPoint().y);
  ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
  ASSERT_TRUE(PointToScreen({Grab.x + 70, Grab.y + 45}));
  EXPECT_TRUE(WaitFor(Moved(Rolled, 70, 45))) << WindowRect();
  ASSERT_TRUE(ReleaseAndWait());
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_TRUE(WaitFor(Moved(Start, 70, 45))) << WindowRect();
  // Rolling up again toggles: the second roll-up is a restore.
  Frame->Rollup();
  Frame->Rollup();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_TRUE(WaitFor(Moved(Start, 70, 45))) << WindowRect();
}

TEST_F(FrameStateTest, MaximizeCoversTheWorkAreaAndRestoreComesBack) {
  Frame->Maximize();
  EXPECT_EQ(Frame->WindowState(), qwsMaximized);
  const TRect Work = MonitorRectOfWindow(Form->Handle(), true);
  const int Inset = GetSystemMetrics(SM_CXFRAME);
  EXPECT_TRUE(
      WaitFor({Work.Left - Inset, Work.Top - Inset, Work.Right + Inset, Work.Bottom + Inset}))
      << WindowRect();
  EXPECT_EQ(WindowRect(), Maximized());
  // Maximizing a maximized window restores it.
  Frame->Maximize();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_EQ(Frame->PreviousState(), qwsMaximized);
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();
}

// Keeps the bottom 40 pixels of the primary monitor out of the work area (where a task bar
// would be) while it lives; under a bare X server the work area is the whole screen.
class TReservedStrip {
public:
  TReservedStrip() {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &FOld, 0);
    RECT Smaller = FOld;
    Smaller.bottom -= 40;
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &Smaller, 0);
  }
  ~TReservedStrip() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &FOld, 0); }
  TReservedStrip(const TReservedStrip&) = delete;
  TReservedStrip& operator=(const TReservedStrip&) = delete;

private:
  RECT FOld{};
};

TEST_F(FrameStateTest, StayingOnTopAMaximizedWindowCoversTheWholeMonitor) {
  const TReservedStrip Strip;
  MONITORINFO Monitor{};
  Monitor.cbSize = sizeof Monitor;
  ASSERT_TRUE(
      GetMonitorInfoW(MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTONEAREST), &Monitor));
  const int Inset = Frame->GetFrameClientRect().Left;
  const auto Inflated = [Inset](const RECT& R) {
    return RECT{R.left - Inset, R.top - Inset, R.right + Inset, R.bottom + Inset};
  };
  // Not on top: the work area, without the strip. (With one monitor the platform's work area
  // is the one the system parameters keep.)
  RECT Work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0));
  ASSERT_EQ(Work.bottom, Monitor.rcMonitor.bottom - 40);
  Frame->Maximize();
  EXPECT_TRUE(WaitFor(Inflated(Work))) << WindowRect();
  Frame->Restore();
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();

  Frame->SetStayOnTop(true);
  EXPECT_TRUE(GetWindowLongW(Form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(WindowRect(), Start); // made topmost where it was
  Frame->Maximize();
  EXPECT_TRUE(WaitFor(Inflated(Monitor.rcMonitor))) << WindowRect();
  EXPECT_EQ(WindowRect(), Maximized());
  Frame->Restore();
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();
  Frame->SetStayOnTop(false);
  EXPECT_FALSE(GetWindowLongW(Form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FrameStateTest, MinimizingTwiceRestores) {
  Frame->Minimize();
  EXPECT_EQ(Frame->WindowState(), qwsMinimized);
  // The frame posts itself the platform's minimize command.
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Form->Handle()) != FALSE; }, 2000));
  Frame->Minimize();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(Form->Handle()); }, 2000));
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
}

// Minimized from the normal or the rolled-up state and restored by the window's menu, by a
// click or by a double click on the icon the platform shows for it (under Wine the window
// itself, as a bar at the foot of the screen): the window comes back as it was, bounds, state
// and pixels.
TEST_F(FrameStateTest, MinimizedAndRestoredTheWindowComesBackAsItWas) {
  enum TWay { ByMenu, ByClick, ByDoubleClick };
  struct Case {
    bool RolledUp;
    TWay Way;
  };
  const HWND Wnd = Form->Handle();
  for (const Case& Each :
       {Case{false, ByMenu}, Case{true, ByMenu}, Case{false, ByClick}, Case{true, ByClick},
        Case{false, ByDoubleClick}, Case{true, ByDoubleClick}}) {
    SCOPED_TRACE(testing::Message() << "rolled up " << Each.RolledUp << ", way " << Each.Way);
    if (Each.RolledUp)
      Frame->Rollup();
    const TSeWindowState Before = Frame->WindowState();
    const RECT Bounds = WindowRect();
    ASSERT_TRUE(PointToScreen({Bounds.right + 60, Bounds.bottom + 60})); // nothing hot
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    PumpFor(150);
    const std::vector<uint32_t> Shown = ScreenPixels(Bounds);
    Frame->Minimize();
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(Wnd) != FALSE; }, 2000));
    PumpFor(100);
    const RECT Icon = WindowRect();
    const POINT OnIcon{Icon.left + (Icon.right - Icon.left) / 3, (Icon.top + Icon.bottom) / 2};
    switch (Each.Way) {
    case ByMenu:
      Frame->Restore();
      break;
    case ByClick:
      ASSERT_TRUE(ClickAt(OnIcon));
      break;
    case ByDoubleClick:
      ASSERT_TRUE(PointToScreen(OnIcon));
      Button(true);
      Button(false);
      Button(true);
      Button(false);
      break;
    }
    ASSERT_TRUE(PumpUntil([&] { return !IsIconic(Wnd) && WindowRect() == Bounds; }, 2000))
        << WindowRect();
    PumpFor(GetDoubleClickTime() + 50); // a second click would have come by now
    EXPECT_EQ(static_cast<int>(Frame->WindowState()), static_cast<int>(Before));
    EXPECT_EQ(WindowRect(), Bounds);
    EXPECT_EQ(Frame->FrameWidth(), Bounds.right - Bounds.left);
    ASSERT_TRUE(PointToScreen({Bounds.right + 60, Bounds.bottom + 60}));
    PumpFor(150);
    EXPECT_TRUE(ScreenPixels(Bounds) == Shown) << "the frame is not drawn as it was";
    if (Each.RolledUp)
      Frame->Restore();
    ASSERT_TRUE(WaitFor(Start)) << WindowRect();
  }
}

TEST_F(FrameStateTest, TheTrayHidesTheFormAndRestoringRepeatsTheStateBefore) {
  if (!HasTray())
    GTEST_SKIP() << "no notification area in this session";
  Frame->SetMinimizeApplication(false);
  std::string Long;
  for (int I = 0; Long.size() < 100; ++I)
    Long += std::to_string(I % 10);
  Frame->SetCaption(Long);
  PumpFor(30);
  Frame->MinimizeToTray();
  EXPECT_EQ(Frame->WindowState(), qwsTray);
  EXPECT_FALSE(IsWindowVisible(Form->Handle()));
  EXPECT_EQ(Frame->TrayTipText(), Long.substr(0, 63));
  // Restored from the tray: shown as it was, the icon gone.
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  EXPECT_EQ(Frame->TrayTipText(), "");
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();

  Frame->SetCaption("Short");
  Frame->Rollup();
  const RECT Rolled = WindowRect();
  ASSERT_LT(Rolled.bottom - Rolled.top, Start.bottom - Start.top);
  Frame->MinimizeToTray();
  EXPECT_EQ(Frame->TrayTipText(), "Short");
  EXPECT_FALSE(IsWindowVisible(Form->Handle()));
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsRollup);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  EXPECT_TRUE(WaitFor(Rolled)) << WindowRect();
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();

  Frame->Maximize();
  Frame->MinimizeToTray();
  EXPECT_FALSE(IsWindowVisible(Form->Handle()));
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsMaximized);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  EXPECT_TRUE(WaitFor(Maximized())) << WindowRect();
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();
}

TEST_F(FrameStateTest, TheWindowStateMessageRunsTheStatesAction) {
  if (HasTray())
    Frame->SetMinimizeApplication(false);
  const HWND Wnd = Form->Handle();
  // Codes outside 1 to 4 are ignored.
  SendMessageW(Wnd, SE_SETWINDOWSTATE, 0, 0);
  SendMessageW(Wnd, SE_SETWINDOWSTATE, 5, 0);
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  EXPECT_EQ(WindowRect(), Start);

  SendMessageW(Wnd, SE_SETWINDOWSTATE, 1, 0);
  EXPECT_EQ(Frame->WindowState(), qwsMaximized);
  EXPECT_TRUE(WaitFor(Maximized())) << WindowRect();
  Frame->Restore();
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();

  PostMessageW(Wnd, SE_SETWINDOWSTATE, 2, 0);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Wnd) != FALSE; }, 2000));
  EXPECT_EQ(Frame->WindowState(), qwsMinimized);
  Frame->Restore();
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();

  SendMessageW(Wnd, SE_SETWINDOWSTATE, 3, 0);
  EXPECT_EQ(Frame->WindowState(), qwsRollup);
  EXPECT_TRUE(WaitFor(FromTRect(Frame->GetRolledUpRect()))) << WindowRect();
  EXPECT_LT(WindowRect().bottom - WindowRect().top, Start.bottom - Start.top);
  Frame->Restore();
  EXPECT_TRUE(WaitFor(Start)) << WindowRect();

  if (HasTray()) {
    SendMessageW(Wnd, SE_SETWINDOWSTATE, 4, 0);
    EXPECT_EQ(Frame->WindowState(), qwsTray);
    EXPECT_FALSE(IsWindowVisible(Wnd));
    Frame->Restore();
    EXPECT_TRUE(IsWindowVisible(Wnd));
  }
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
}

// A state read while the frame loads waits until loading is over.
class PendingStateTest : public FrameStateTest {
protected:
  void BeforeLoading() override {
    Frame->SetLoading(true);
    Frame->SetWindowState(qwsMaximized);
    StateWhileLoading = Frame->WindowState();
  }
  TSeWindowState StateWhileLoading = qwsNormal;
};

TEST_F(PendingStateTest, AStateReadWhileLoadingIsAppliedAfterLoading) {
  EXPECT_EQ(StateWhileLoading, qwsNormal);
  // Loaded posted the state to the window; it is maximized once the message has come.
  EXPECT_TRUE(PumpUntil([&] { return Frame->WindowState() == qwsMaximized; }, 2000));
  EXPECT_TRUE(WaitFor(Maximized())) << WindowRect();
  // The bounds it was made with are the ones to come back to.
  Frame->Restore();
  EXPECT_EQ(Frame->WindowState(), qwsNormal);
  const RECT Back = WindowRect();
  EXPECT_EQ(Back.left, Left);
  EXPECT_EQ(Back.top, Top);
}

// The close protocol: the frame's event, the form's close query and close action.
class FrameCloseTest : public FrameStateTest {
protected:
  // Handles messages as the application's loop does, which frees released forms.
  static bool LoopUntil(const std::function<bool()>& Done, DWORD TimeoutMs) {
    return ProcessUntil(Done, TimeoutMs);
  }
};

TEST_F(FrameCloseTest, RefusalsStopTheClose) {
  int Queries = 0, Closes = 0;
  // The frame's own event first: a cleared CallDefault stops before the form is asked.
  Frame->OnClose = [](TObject*, bool& CallDefault) { CallDefault = false; };
  Form->OnCloseQuery = [&](TObject*, bool& CanClose) {
    ++Queries;
    CanClose = false;
  };
  Form->OnClose = [&](TObject*, TCloseAction& Action) {
    ++Closes;
    Action = TCloseAction::caNone;
  };
  Frame->Close();
  EXPECT_EQ(Queries, 0);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  // The close query refuses: the form's close event does not run.
  Frame->OnClose = nullptr;
  Frame->Close();
  EXPECT_EQ(Queries, 1);
  EXPECT_EQ(Closes, 0);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  // The close event chooses caNone.
  Form->OnCloseQuery = nullptr;
  Frame->Close();
  EXPECT_EQ(Closes, 1);
  LoopUntil([] { return false; }, 50);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  EXPECT_NE(FormRef->Get(), nullptr);
  // Left alone it hides.
  Form->OnClose = nullptr;
  Frame->Close();
  EXPECT_FALSE(IsWindowVisible(Form->Handle()));
}

TEST_F(FrameCloseTest, AClosedFormThatChoosesFreeIsFreedByTheLoop) {
  bool Destroyed = false;
  Form->OnDestroy = [&](TObject*) { Destroyed = true; };
  Form->OnClose = [](TObject*, TCloseAction& Action) { Action = TCloseAction::caFree; };
  const HWND Wnd = Form->Handle();
  // Closed by its close button: the release waits until the window's own handling is done.
  const POINT Close = Centre(Frame->GetButtonRect(fzClose));
  ASSERT_TRUE(PointTo(Close));
  Button(true);
  ASSERT_TRUE(LoopUntil([&] { return Frame->PressedZone() == fzClose; }, 2000));
  Button(false);
  EXPECT_TRUE(LoopUntil([&] { return FormRef->Get() == nullptr; }, 2000));
  EXPECT_TRUE(Destroyed);
  EXPECT_FALSE(IsWindow(Wnd));
}

TEST_F(FrameCloseTest, CloseMinimizeMinimizesTheForm) {
  Form->OnClose = [](TObject*, TCloseAction& Action) { Action = TCloseAction::caMinimize; };
  Frame->Close();
  EXPECT_EQ(Frame->WindowState(), qwsMinimized);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Form->Handle()) != FALSE; }, 2000));
}

} // namespace
