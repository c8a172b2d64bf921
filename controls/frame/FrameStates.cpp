#include "controls/frame/FrameStates.h"

#include <array>
#include <utility>

std::string TrayTip(std::string_view Text) { return std::string(Text.substr(0, TrayTipLength)); }

namespace {

// The action that leads to a state; Restore for the normal one.
TSeFrameAction ActionFor(TSeWindowState State) {
  static constexpr TSeFrameAction Actions[] = {faRestore, faMaximize, faMinimize, faRollup,
                                               faMinimizeToTray};
  return Actions[State];
}

} // namespace

void TSeWindowStateMachine::SetWindowState(TSeWindowState Value) {
  if (FHost.IsLoading()) {
    FPending = Value;
    return;
  }
  if (Value != FState)
    Perform(ActionFor(Value));
}

bool TSeWindowStateMachine::PreparePendingState() {
  if (!HasPendingState())
    return false;
  if (FPending != qwsRollup)
    RecordNormalBounds();
  return true;
}

void TSeWindowStateMachine::ApplyStateMessage(uintptr_t Code) {
  if (Code >= qwsMaximized && Code <= qwsTray)
    Perform(ActionFor(static_cast<TSeWindowState>(Code)));
}

void TSeWindowStateMachine::Perform(TSeFrameAction Action) {
  switch (Action) {
  case faNone:
    break;
  case faClose:
    FHost.Close();
    break;
  case faMaximize:
    Maximize();
    break;
  case faMinimize:
    Minimize();
    break;
  case faRollup:
    Rollup();
    break;
  case faMinimizeToTray:
    MinimizeToTray();
    break;
  case faRestore:
    Restore();
    break;
  }
}

bool TSeWindowStateMachine::BeginAction(TSeFrameAction Action) {
  FHost.ArmFrameRepaint();
  if (Action != faRestore && !FHost.FireActionEvent(Action))
    return false;
  if (!FHost.HasForm())
    return false;
  // A modal form stays on screen until it is answered.
  if ((Action == faMinimize || Action == faMinimizeToTray) && FHost.IsModal())
    return false;
  return true;
}

// Each action ends by dropping the pending state: once the window has been moved by hand or
// by a posted SE_SETWINDOWSTATE, what was read while loading no longer applies. It is cleared
// last because the actions ask whether it waits when deciding to record the normal bounds.
void TSeWindowStateMachine::Run(TSeFrameAction Action, void (TSeWindowStateMachine::*Step)()) {
  if (!BeginAction(Action))
    return;
  (this->*Step)();
  FPending = qwsNormal;
}

void TSeWindowStateMachine::Maximize() { Run(faMaximize, &TSeWindowStateMachine::DoMaximize); }
void TSeWindowStateMachine::Minimize() { Run(faMinimize, &TSeWindowStateMachine::DoMinimize); }
void TSeWindowStateMachine::Rollup() { Run(faRollup, &TSeWindowStateMachine::DoRollup); }
void TSeWindowStateMachine::MinimizeToTray() {
  Run(faMinimizeToTray, &TSeWindowStateMachine::DoMinimizeToTray);
}
void TSeWindowStateMachine::Restore() { Run(faRestore, &TSeWindowStateMachine::DoRestore); }

bool TSeWindowStateMachine::Enter(TSeWindowState State) {
  if (FState == State) {
    Restore();
    return false;
  }
  FPrevious = FState;
  FState = State;
  return true;
}

void TSeWindowStateMachine::DoMaximize() {
  if (!Enter(qwsMaximized))
    return;
  // Rolled up or minimized, the window's bounds are not the ones to come back to.
  if (!HasPendingState() && FPrevious != qwsRollup && FPrevious != qwsMinimized)
    RecordNormalBounds();
  FHost.ApplyBounds(FHost.GetMaximizedRect());
  FHost.Realign();
  FHost.RepaintFrame();
}

void TSeWindowStateMachine::DoMinimize() {
  if (!Enter(qwsMinimized))
    return;
  if (!HasPendingState() && FPrevious != qwsRollup && FPrevious != qwsMaximized)
    RecordNormalBounds();
  if (!FHost.HasOwnerWindow())
    FHost.PostMinimizeCommand();
  else if (FHost.MinimizeApplication())
    FHost.MinimizeApp();
  else
    FHost.ApplyBounds(FHost.GetMinimizedRect());
}

void TSeWindowStateMachine::DoRollup() {
  if (!Enter(qwsRollup))
    return;
  if (FPrevious != qwsMinimized && FPrevious != qwsMaximized)
    RecordNormalBounds();
  // Rolled up again after a minimize: the platform's icon is not the window to roll up, the
  // window it was minimized from is.
  if (FPrevious == qwsMinimized)
    FHost.LeavePlatformMinimized();
  FHost.ApplyBounds(FHost.GetRolledUpRect());
}

void TSeWindowStateMachine::DoMinimizeToTray() {
  if (!Enter(qwsTray))
    return;
  if (!HasPendingState() && FPrevious == qwsNormal)
    RecordNormalBounds();
  std::string Tip;
  if (FHost.MinimizeApplication()) {
    Tip = TrayTip(FHost.ApplicationTitle());
    FHost.MinimizeApp();
    FHost.HideAppWindow();
  } else {
    Tip = TrayTip(FHost.FormCaption());
    FHost.HideFormWindow();
  }
  FHost.AddTrayIcon(Tip);
}

void TSeWindowStateMachine::DoRestore() {
  switch (FState) {
  case qwsNormal:
    ApplyNormalBounds();
    break;
  case qwsMaximized:
    if (FPrevious == qwsMinimized) {
      // The application's own restore brings the window back maximized.
      if (FHost.MinimizeApplication())
        break;
      FState = qwsNormal;
      ApplyNormalBounds();
      Maximize();
    } else if (FPrevious == qwsRollup) {
      FState = qwsNormal;
      ApplyNormalBounds();
      Rollup();
    } else {
      FPrevious = qwsMaximized;
      FState = qwsNormal;
      ApplyNormalBounds();
      // The shadow comes back with the normal state and needs the frame laid out again.
      if (FHost.ShadowEnabled()) {
        FHost.Realign();
        FHost.RepaintFrame();
      }
    }
    break;
  case qwsMinimized:
    RestoreFromMinimized();
    break;
  case qwsRollup:
    if (FHost.GetMaximizedRect().Width() == FHost.FrameWidth() || FPrevious == qwsMaximized) {
      Maximize();
      FPrevious = qwsNormal;
    } else {
      // Rolling down keeps the place the user dragged the caption to, and the old size.
      const TRect Current = FHost.Bounds();
      FState = qwsNormal;
      FNormalBounds = Rect(Current.Left, Current.Top, Current.Left + FNormalBounds.Width(),
                           Current.Top + FNormalBounds.Height());
      ApplyNormalBounds();
    }
    break;
  case qwsTray:
    if (FHost.MinimizeApplication())
      FHost.ShowAppWindow();
    else
      FHost.ShowFormWindow();
    FHost.RemoveTrayIcon();
    // From here on the tray counts as minimized: the window comes back to what it was before,
    // and the bounds it kept while hidden are not taken as the normal ones.
    FState = qwsMinimized;
    RestoreFromMinimized();
    break;
  }
}

void TSeWindowStateMachine::RestoreFromMinimized() {
  if (FPrevious == qwsMaximized) {
    Maximize();
    FPrevious = qwsNormal;
  } else if (FPrevious == qwsRollup) {
    Rollup();
    FPrevious = qwsNormal;
  } else {
    FState = qwsNormal;
    ApplyNormalBounds();
  }
}

// Nothing recorded yet (a form that never left the normal state): an empty rectangle would
// collapse the window, so it stays as it is.
void TSeWindowStateMachine::ApplyNormalBounds() {
  if (!FNormalBounds.IsEmpty())
    FHost.ApplyBounds(FNormalBounds);
}

void TSeWindowStateMachine::ApplicationMinimizing() {
  if (FState != qwsMinimized && FState != qwsTray)
    Minimize();
}

void TSeWindowStateMachine::ApplicationRestoring() {
  if (FState != qwsMinimized)
    return;
  Restore();
  FHost.RepaintFrame();
}

namespace {

const char* const CloseCaption = "&Close";
const char* const MaximizeCaption = "Ma&ximize";
const char* const MinimizeCaption = "Mi&nimize";
const char* const RollupCaption = "Ro&llup";
const char* const TrayCaption = "Minimize to &Tray";
const char* const RestoreCaption = "&Restore";

bool Has(TSeBorderIcons Icons, TSeBorderIcon Icon) { return (Icons & (1u << Icon)) != 0; }

} // namespace

std::vector<TSeSystemMenuItem> SystemMenuItems(TSeWindowState State, TSeBorderIcons Icons) {
  const bool Hidden = State == qwsMinimized || State == qwsTray;
  std::vector<TSeSystemMenuItem> Items;
  if (State != qwsNormal)
    Items.push_back({RestoreCaption, 3, "", false});
  if (Has(Icons, qbiMinimize) && !Hidden)
    Items.push_back({MinimizeCaption, 1, "", false});
  if (Has(Icons, qbiMaximize) && (State == qwsNormal || State == qwsRollup))
    Items.push_back({MaximizeCaption, 2, "", false});
  if (Has(Icons, qbiRollup) && (State == qwsNormal || State == qwsMaximized))
    Items.push_back({RollupCaption, 4, "", false});
  if (Has(Icons, qbiTray) && !Hidden)
    Items.push_back({TrayCaption, 5, "", false});
  if (Has(Icons, qbiClose)) {
    if (!Items.empty())
      Items.push_back({"-", -1, "", true});
    Items.push_back({CloseCaption, 0, "Alt+F4", false});
  }
  return Items;
}

TSeFrameAction SystemMenuAction(std::string_view Caption) {
  static const std::array<std::pair<const char*, TSeFrameAction>, 6> Actions = {{
      {CloseCaption, faClose},
      {MaximizeCaption, faMaximize},
      {MinimizeCaption, faMinimize},
      {RollupCaption, faRollup},
      {TrayCaption, faMinimizeToTray},
      {RestoreCaption, faRestore},
  }};
  for (const auto& [Text, Action] : Actions)
    if (Caption == Text)
      return Action;
  return faNone;
}
