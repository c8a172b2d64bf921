// The frame's window-state machine against a recording stand-in for the frame: the order of
// its effects, the normal bounds it keeps and gives back, the way each state restores, the
// refusals, the pending state of loading; the tray tip and the built-in system menu.

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "controls/frame/FrameStates.h"

namespace {

std::string Text(const TRect& R) {
  return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) +
         "," + std::to_string(R.Bottom);
}

const char* EventName(TSeFrameAction Action) {
  switch (Action) {
  case faMaximize:
    return "OnMaximize";
  case faMinimize:
    return "OnMinimize";
  case faRollup:
    return "OnRollup";
  case faMinimizeToTray:
    return "OnMinToTray";
  default:
    return "OnUnexpected";
  }
}

// A frame on a 1024 x 738 work area, whose window keeps the bounds it is given. The rolled-up
// rectangle is the caption band (26) and bottom edge (4) at the window's position and width.
// Minimized by the platform, the window is its icon until it is shown again.
class TRecordingFrame : public TSeWindowStateHost {
public:
  std::vector<std::string> Log;
  std::set<TSeFrameAction> Vetoed;
  int Armed = 0;
  bool Form = true;
  bool Loading = false;
  bool Modal = false;
  bool Owned = false;
  bool MinimizeApp_ = false;
  bool Shadow = false;
  TRect Window = Rect(100, 80, 500, 380);
  TRect WorkArea = Rect(0, 0, 1024, 738);
  std::string Title = "Mirevan";
  std::string Caption = "Windows List";
  bool Iconic = false;
  TRect BeforeIcon;

  void ArmFrameRepaint() override { ++Armed; }
  bool FireActionEvent(TSeFrameAction Action) override {
    Log.push_back(EventName(Action));
    return !Vetoed.contains(Action);
  }
  void Close() override { Log.push_back("Close"); }
  bool HasForm() const override { return Form; }
  bool IsLoading() const override { return Loading; }
  bool IsModal() const override { return Modal; }
  bool HasOwnerWindow() const override { return Owned; }
  bool MinimizeApplication() const override { return MinimizeApp_; }
  bool ShadowEnabled() const override { return Shadow; }
  int32_t FrameWidth() const override { return Window.Width(); }
  TRect Bounds() const override { return Window; }
  void ApplyBounds(const TRect& Bounds) override {
    Iconic = false;
    Window = Bounds;
    Log.push_back("Bounds " + Text(Bounds));
  }
  TRect GetMaximizedRect() override { return WorkArea; }
  TRect GetRolledUpRect() override {
    return Rect(Window.Left, Window.Top, Window.Right, Window.Top + 30);
  }
  TRect GetMinimizedRect() override { return Rect(0, 708, 160, 738); }
  void Realign() override { Log.push_back("Realign"); }
  void RepaintFrame() override { Log.push_back("RepaintFrame"); }
  void PostMinimizeCommand() override {
    Log.push_back("PostMinimizeCommand");
    Iconic = true;
    BeforeIcon = std::exchange(Window, Rect(0, 714, 160, 738));
  }
  void LeavePlatformMinimized() override {
    if (std::exchange(Iconic, false)) {
      Window = BeforeIcon;
      Log.push_back("LeavePlatformMinimized");
    }
  }
  void MinimizeApp() override { Log.push_back("MinimizeApp"); }
  void HideAppWindow() override { Log.push_back("HideAppWindow"); }
  void ShowAppWindow() override { Log.push_back("ShowAppWindow"); }
  void HideFormWindow() override { Log.push_back("HideFormWindow"); }
  void ShowFormWindow() override { Log.push_back("ShowFormWindow"); }
  std::string ApplicationTitle() const override { return Title; }
  std::string FormCaption() const override { return Caption; }
  void AddTrayIcon(const std::string& Tip) override { Log.push_back("AddTrayIcon " + Tip); }
  void RemoveTrayIcon() override { Log.push_back("RemoveTrayIcon"); }

  // What was logged since the last call.
  std::vector<std::string> Take() { return std::exchange(Log, {}); }
};

using Calls = std::vector<std::string>;

const TRect Home = Rect(100, 80, 500, 380);
const std::string HomeBounds = "Bounds 100,80,500,380";
const std::string MaxBounds = "Bounds 0,0,1024,738";

class FrameStateTest : public ::testing::Test {
protected:
  TRecordingFrame Frame;
  TSeWindowStateMachine States{Frame};

  void Expect(TSeWindowState State, TSeWindowState Previous) {
    EXPECT_EQ(States.WindowState(), State);
    EXPECT_EQ(States.PreviousState(), Previous);
  }
};

TEST_F(FrameStateTest, MaximizeKeepsTheNormalBoundsAndRestoreGivesThemBack) {
  States.Maximize();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMaximize", MaxBounds, "Realign", "RepaintFrame"}));
  Expect(qwsMaximized, qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Home);
  EXPECT_EQ(Frame.Armed, 1);

  // Maximizing again restores; without the shadow nothing is laid out again.
  States.Maximize();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMaximize", HomeBounds}));
  Expect(qwsNormal, qwsMaximized);
  EXPECT_GE(Frame.Armed, 2);

  // With the shadow on, the frame is laid out and repainted after the restore.
  Frame.Shadow = true;
  States.Maximize();
  Frame.Take();
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{HomeBounds, "Realign", "RepaintFrame"}));
}

TEST_F(FrameStateTest, EachActionTogglesBackThroughRestoreFromItsOwnState) {
  struct TCase {
    void (TSeWindowStateMachine::*Action)();
    TSeWindowState State;
  };
  Frame.MinimizeApp_ = false;
  for (const TCase& C : {TCase{&TSeWindowStateMachine::Maximize, qwsMaximized},
                         TCase{&TSeWindowStateMachine::Minimize, qwsMinimized},
                         TCase{&TSeWindowStateMachine::Rollup, qwsRollup},
                         TCase{&TSeWindowStateMachine::MinimizeToTray, qwsTray}}) {
    SCOPED_TRACE(static_cast<int>(C.State));
    (States.*C.Action)();
    EXPECT_EQ(States.WindowState(), C.State);
    EXPECT_EQ(States.PreviousState(), qwsNormal);
    (States.*C.Action)();
    EXPECT_EQ(States.WindowState(), qwsNormal);
    EXPECT_EQ(Frame.Window, Home);
    EXPECT_EQ(States.NormalBounds(), Home);
    Frame.Take();
  }
}

TEST_F(FrameStateTest, MinimizeGoesThroughTheOwnerOrTheApplication) {
  // A window of its own asks the platform to minimize it; its bounds stay.
  States.Minimize();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinimize", "PostMinimizeCommand"}));
  Expect(qwsMinimized, qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Home);

  // Minimizing a minimized form restores it.
  States.Minimize();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinimize", HomeBounds}));
  EXPECT_EQ(States.WindowState(), qwsNormal);

  Frame.Owned = true;
  Frame.MinimizeApp_ = true;
  States.Minimize();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinimize", "MinimizeApp"}));
  States.Restore();
  Frame.Take();

  // An owned window that leaves the application alone goes to the bottom of the work area.
  Frame.MinimizeApp_ = false;
  States.Minimize();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinimize", "Bounds 0,708,160,738"}));
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{HomeBounds}));
}

TEST_F(FrameStateTest, MinimizedFromAnotherStateComesBackToIt) {
  // Maximized, minimized, restored: maximized again, the normal bounds untouched.
  States.Maximize();
  States.Minimize();
  Expect(qwsMinimized, qwsMaximized);
  Frame.Take();
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMaximize", MaxBounds, "Realign", "RepaintFrame"}));
  Expect(qwsMaximized, qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Home);
  States.Restore();
  EXPECT_EQ(Frame.Window, Home);

  // Rolled up, minimized, restored: rolled up again, the window and not the platform's icon,
  // the roll-down still at the old size.
  States.Rollup();
  States.Minimize();
  Frame.Take();
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"OnRollup", "LeavePlatformMinimized", "Bounds 100,80,500,110"}));
  Expect(qwsRollup, qwsNormal);
  States.Restore();
  EXPECT_EQ(Frame.Window, Home);
}

TEST_F(FrameStateTest, RollingDownKeepsThePositionTheCaptionWasDraggedTo) {
  States.Rollup();
  EXPECT_EQ(Frame.Take(), (Calls{"OnRollup", "Bounds 100,80,500,110"}));
  Expect(qwsRollup, qwsNormal);

  Frame.Window = Rect(300, 200, 700, 230); // dragged by its caption
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"Bounds 300,200,700,500"}));
  EXPECT_EQ(States.WindowState(), qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Rect(300, 200, 700, 500));

  // The new place is the one the next maximize comes back from.
  States.Maximize();
  States.Restore();
  EXPECT_EQ(Frame.Window, Rect(300, 200, 700, 500));
}

TEST_F(FrameStateTest, RollupOfAMaximizedWindowRollsDownMaximized) {
  States.Maximize();
  States.Rollup();
  Expect(qwsRollup, qwsMaximized);
  EXPECT_EQ(Frame.Window, Rect(0, 0, 1024, 30));
  EXPECT_EQ(States.NormalBounds(), Home);
  Frame.Take();

  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMaximize", MaxBounds, "Realign", "RepaintFrame"}));
  Expect(qwsMaximized, qwsNormal);
  States.Restore();
  EXPECT_EQ(Frame.Window, Home);

  // A rolled-up window as wide as the maximized one rolls down maximized too, whatever came
  // before.
  Frame.Window = Rect(0, 50, 1024, 400);
  States.Rollup();
  States.Restore();
  EXPECT_EQ(States.WindowState(), qwsMaximized);
  EXPECT_EQ(States.NormalBounds(), Rect(0, 50, 1024, 400));
}

TEST_F(FrameStateTest, AWindowMaximizedFromTheRollUpRestoresToTheRollUp) {
  States.Rollup();
  States.Maximize();
  Expect(qwsMaximized, qwsRollup);
  EXPECT_EQ(States.NormalBounds(), Home);
  Frame.Take();
  // Back to the roll-up by way of the normal bounds.
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{HomeBounds, "OnRollup", "Bounds 100,80,500,110"}));
  Expect(qwsRollup, qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Home);
}

TEST_F(FrameStateTest, RestoreOfAMaximizedWindowThatWasMinimizedFirst) {
  States.Minimize();
  States.Maximize();
  Expect(qwsMaximized, qwsMinimized);
  Frame.Take();

  // The application's restore brings it back: nothing to do here.
  Frame.MinimizeApp_ = true;
  States.Restore();
  EXPECT_EQ(Frame.Take(), Calls{});
  EXPECT_EQ(States.WindowState(), qwsMaximized);

  Frame.MinimizeApp_ = false;
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{HomeBounds, "OnMaximize", MaxBounds, "Realign", "RepaintFrame"}));
  Expect(qwsMaximized, qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Home);
}

TEST_F(FrameStateTest, TrayHidesTheApplicationOrTheFormBehindAnIcon) {
  Frame.MinimizeApp_ = true;
  States.MinimizeToTray();
  EXPECT_EQ(Frame.Take(),
            (Calls{"OnMinToTray", "MinimizeApp", "HideAppWindow", "AddTrayIcon Mirevan"}));
  Expect(qwsTray, qwsNormal);
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"ShowAppWindow", "RemoveTrayIcon", HomeBounds}));
  EXPECT_EQ(States.WindowState(), qwsNormal);

  Frame.MinimizeApp_ = false;
  States.MinimizeToTray();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinToTray", "HideFormWindow", "AddTrayIcon Windows List"}));
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"ShowFormWindow", "RemoveTrayIcon", HomeBounds}));
}

TEST_F(FrameStateTest, RestoreFromTheTrayReturnsToTheStateBefore) {
  // After a roll-up the window rolls up again ...
  States.Rollup();
  States.MinimizeToTray();
  Expect(qwsTray, qwsRollup);
  Frame.Take();
  States.Restore();
  EXPECT_EQ(Frame.Take(),
            (Calls{"ShowFormWindow", "RemoveTrayIcon", "OnRollup", "Bounds 100,80,500,110"}));
  Expect(qwsRollup, qwsNormal);
  // ... and still rolls down to its old size: the caption band was not taken as normal.
  EXPECT_EQ(States.NormalBounds(), Home);
  States.Restore();
  EXPECT_EQ(Frame.Window, Home);

  // After a maximize it maximizes again, and restores to the old bounds from there.
  States.Maximize();
  States.MinimizeToTray();
  Expect(qwsTray, qwsMaximized);
  Frame.Take();
  States.Restore();
  EXPECT_EQ(Frame.Take(), (Calls{"ShowFormWindow", "RemoveTrayIcon", "OnMaximize", MaxBounds,
                                 "Realign", "RepaintFrame"}));
  Expect(qwsMaximized, qwsNormal);
  EXPECT_EQ(States.NormalBounds(), Home);
  States.Restore();
  EXPECT_EQ(Frame.Window, Home);

  // After a minimize the window comes back normal; the previous state stays.
  States.Minimize();
  States.MinimizeToTray();
  Expect(qwsTray, qwsMinimized);
  States.Restore();
  Expect(qwsNormal, qwsMinimized);
  EXPECT_EQ(Frame.Window, Home);
}

TEST(TrayTipTest, TakesAtMost63Characters) {
  const std::string Long(80, 'x');
  EXPECT_EQ(TrayTip(Long), std::string(63, 'x'));
  EXPECT_EQ(TrayTip(std::string(63, 'y')), std::string(63, 'y'));
  EXPECT_EQ(TrayTip(""), "");

  TRecordingFrame Frame;
  TSeWindowStateMachine States(Frame);
  Frame.Caption = std::string(70, 'c');
  Frame.Title = std::string(64, 't');
  States.MinimizeToTray();
  EXPECT_EQ(Frame.Log.back(), "AddTrayIcon " + std::string(63, 'c'));
  States.Restore();
  Frame.MinimizeApp_ = true;
  States.MinimizeToTray();
  EXPECT_EQ(Frame.Log.back(), "AddTrayIcon " + std::string(63, 't'));
}

TEST_F(FrameStateTest, AClearedCallDefaultLeavesTheStateUntouched) {
  Frame.Vetoed = {faMaximize, faMinimize, faRollup, faMinimizeToTray};
  States.Maximize();
  States.Minimize();
  States.Rollup();
  States.MinimizeToTray();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMaximize", "OnMinimize", "OnRollup", "OnMinToTray"}));
  Expect(qwsNormal, qwsNormal);
  EXPECT_TRUE(States.NormalBounds().IsEmpty());

  // A vetoed toggle does not restore either, and a waiting state stays.
  Frame.Vetoed.clear();
  States.Rollup();
  Frame.Loading = true;
  States.SetWindowState(qwsTray);
  Frame.Loading = false;
  Frame.Vetoed = {faRollup};
  Frame.Take();
  States.Rollup();
  EXPECT_EQ(Frame.Take(), (Calls{"OnRollup"}));
  Expect(qwsRollup, qwsNormal);
  EXPECT_EQ(States.PendingState(), qwsTray);
}

TEST_F(FrameStateTest, AModalFormRefusesMinimizeAndTrayOnly) {
  Frame.Modal = true;
  States.Minimize();
  States.MinimizeToTray();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinimize", "OnMinToTray"}));
  Expect(qwsNormal, qwsNormal);

  States.Rollup();
  EXPECT_EQ(States.WindowState(), qwsRollup);
  States.Maximize();
  EXPECT_EQ(States.WindowState(), qwsMaximized);
}

TEST_F(FrameStateTest, WithoutAFormNothingHappens) {
  Frame.Form = false;
  States.Maximize();
  States.Rollup();
  States.Restore();
  for (const std::string& Call : Frame.Take())
    EXPECT_EQ(Call.rfind("On", 0), 0u) << Call; // only the events
  Expect(qwsNormal, qwsNormal);
}

TEST_F(FrameStateTest, AStateReadWhileLoadingWaitsAndIsAppliedLater) {
  Frame.Loading = true;
  States.SetWindowState(qwsMaximized);
  EXPECT_EQ(Frame.Take(), Calls{});
  EXPECT_EQ(States.WindowState(), qwsNormal);
  EXPECT_EQ(States.PendingState(), qwsMaximized);
  Frame.Loading = false;

  // Loaded: the normal bounds are taken before the window is moved off screen, and the
  // posted state does not take the off-screen bounds for normal ones.
  EXPECT_TRUE(States.PreparePendingState());
  EXPECT_EQ(States.NormalBounds(), Home);
  Frame.Window = Rect(0, 800, 400, 1100);
  States.ApplyStateMessage(qwsMaximized);
  Expect(qwsMaximized, qwsNormal);
  EXPECT_FALSE(States.HasPendingState());
  EXPECT_EQ(States.NormalBounds(), Home);
  States.Restore();
  EXPECT_EQ(Frame.Window, Home);

  // A roll-up records the bounds itself; nothing waiting, nothing to prepare.
  Frame.Loading = true;
  States.SetWindowState(qwsRollup);
  Frame.Loading = false;
  Frame.Window = Rect(10, 10, 310, 210);
  EXPECT_TRUE(States.PreparePendingState());
  EXPECT_EQ(States.NormalBounds(), Home);
  States.ApplyStateMessage(qwsRollup);
  EXPECT_EQ(States.NormalBounds(), Rect(10, 10, 310, 210));
  EXPECT_FALSE(States.PreparePendingState());
}

TEST_F(FrameStateTest, WindowStateSetterAndStateMessageRunTheActions) {
  States.SetWindowState(qwsMaximized);
  EXPECT_EQ(States.WindowState(), qwsMaximized);
  Frame.Take();
  States.SetWindowState(qwsMaximized); // already there: no toggle
  EXPECT_EQ(Frame.Take(), Calls{});
  EXPECT_EQ(States.WindowState(), qwsMaximized);
  States.SetWindowState(qwsNormal);
  EXPECT_EQ(Frame.Window, Home);
  States.SetWindowState(qwsRollup);
  EXPECT_EQ(States.WindowState(), qwsRollup);
  States.SetWindowState(qwsTray);
  Expect(qwsTray, qwsRollup);
  States.SetWindowState(qwsMinimized);
  Expect(qwsMinimized, qwsTray);
  States.SetWindowState(qwsNormal);
  EXPECT_EQ(States.WindowState(), qwsNormal);

  // SE_SETWINDOWSTATE knows the codes 1 to 4 only.
  Frame.Take();
  States.ApplyStateMessage(0);
  States.ApplyStateMessage(5);
  EXPECT_EQ(Frame.Take(), Calls{});
  States.ApplyStateMessage(2);
  EXPECT_EQ(States.WindowState(), qwsMinimized);
  States.ApplyStateMessage(2);
  EXPECT_EQ(States.WindowState(), qwsNormal);
  States.ApplyStateMessage(4);
  EXPECT_EQ(States.WindowState(), qwsTray);
}

TEST_F(FrameStateTest, ApplicationMinimizeAndRestore) {
  Frame.MinimizeApp_ = true;
  States.ApplicationMinimizing();
  EXPECT_EQ(Frame.Take(), (Calls{"OnMinimize", "PostMinimizeCommand"}));
  States.ApplicationMinimizing(); // already minimized
  EXPECT_EQ(Frame.Take(), Calls{});
  States.ApplicationRestoring();
  EXPECT_EQ(Frame.Take(), (Calls{HomeBounds, "RepaintFrame"}));
  EXPECT_EQ(States.WindowState(), qwsNormal);
  States.ApplicationRestoring(); // not minimized
  EXPECT_EQ(Frame.Take(), Calls{});

  // In the tray the application stays as it is, and its restore does not bring the form back.
  States.MinimizeToTray();
  Frame.Take();
  States.ApplicationMinimizing();
  States.ApplicationRestoring();
  EXPECT_EQ(Frame.Take(), Calls{});
  EXPECT_EQ(States.WindowState(), qwsTray);
}

std::vector<std::string> Captions(TSeWindowState State, TSeBorderIcons Icons) {
  std::vector<std::string> Result;
  for (const TSeSystemMenuItem& Item : SystemMenuItems(State, Icons))
    Result.push_back(Item.Caption);
  return Result;
}

constexpr TSeBorderIcons Icons(std::initializer_list<TSeBorderIcon> List) {
  TSeBorderIcons Result = 0;
  for (TSeBorderIcon Icon : List)
    Result |= static_cast<TSeBorderIcons>(1u << Icon);
  return Result;
}

constexpr TSeBorderIcons AllIcons =
    Icons({qbiClose, qbiSystemMenu, qbiMinimize, qbiMaximize, qbiHelp, qbiRollup, qbiTray});

TEST(SystemMenuTest, ItemsFollowTheStateAndTheBorderIcons) {
  using S = std::vector<std::string>;
  EXPECT_EQ(Captions(qwsNormal, AllIcons),
            (S{"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
  EXPECT_EQ(Captions(qwsMaximized, AllIcons),
            (S{"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
  EXPECT_EQ(Captions(qwsMinimized, AllIcons), (S{"&Restore", "-", "&Close"}));
  EXPECT_EQ(Captions(qwsRollup, AllIcons),
            (S{"&Restore", "Mi&nimize", "Ma&ximize", "Minimize to &Tray", "-", "&Close"}));
  EXPECT_EQ(Captions(qwsTray, AllIcons), (S{"&Restore", "-", "&Close"}));

  // The separator only parts Close from items above it.
  EXPECT_EQ(Captions(qwsNormal, Icons({qbiClose, qbiSystemMenu})), (S{"&Close"}));
  EXPECT_EQ(Captions(qwsNormal, Icons({qbiMinimize, qbiRollup})), (S{"Mi&nimize", "Ro&llup"}));
  EXPECT_EQ(Captions(qwsMinimized, Icons({qbiMinimize})), (S{"&Restore"}));
  EXPECT_EQ(Captions(qwsNormal, 0), S{});
}

TEST(SystemMenuTest, ItemsCarryTheirGlyphsAndShortCut) {
  const std::vector<TSeSystemMenuItem> Items = SystemMenuItems(qwsRollup, AllIcons);
  ASSERT_EQ(Items.size(), 6u);
  EXPECT_EQ(Items[0], (TSeSystemMenuItem{"&Restore", 3, "", false}));
  EXPECT_EQ(Items[1], (TSeSystemMenuItem{"Mi&nimize", 1, "", false}));
  EXPECT_EQ(Items[2], (TSeSystemMenuItem{"Ma&ximize", 2, "", false}));
  EXPECT_EQ(Items[3], (TSeSystemMenuItem{"Minimize to &Tray", 5, "", false}));
  EXPECT_TRUE(Items[4].Separator);
  EXPECT_EQ(Items[5], (TSeSystemMenuItem{"&Close", 0, "Alt+F4", false}));
  EXPECT_EQ(SystemMenuItems(qwsNormal, AllIcons)[2].Glyph, 4); // roll-up
}

TEST_F(FrameStateTest, MenuCaptionsDispatchToTheirActions) {
  EXPECT_EQ(SystemMenuAction("Restore"), faNone); // without its accelerator
  EXPECT_EQ(SystemMenuAction("-"), faNone);
  EXPECT_EQ(SystemMenuAction("&close"), faNone);

  // Every item the menu shows leads somewhere, and clicking through them works the states.
  for (const TSeSystemMenuItem& Item : SystemMenuItems(qwsNormal, AllIcons)) {
    if (!Item.Separator) {
      EXPECT_NE(SystemMenuAction(Item.Caption), faNone) << Item.Caption;
    }
  }
  States.Perform(SystemMenuAction("Ro&llup"));
  EXPECT_EQ(States.WindowState(), qwsRollup);
  States.Perform(SystemMenuAction("Ma&ximize"));
  EXPECT_EQ(States.WindowState(), qwsMaximized);
  States.Perform(SystemMenuAction("&Restore"));
  EXPECT_EQ(States.WindowState(), qwsRollup);
  States.Perform(SystemMenuAction("Minimize to &Tray"));
  EXPECT_EQ(States.WindowState(), qwsTray);
  States.Perform(SystemMenuAction("&Restore"));
  States.Perform(SystemMenuAction("Mi&nimize"));
  EXPECT_EQ(States.WindowState(), qwsMinimized);
  Frame.Take();
  States.Perform(SystemMenuAction("&Close"));
  EXPECT_EQ(Frame.Take(), (Calls{"Close"}));
}

} // namespace
