#pragma once
// The skinned frame's own window states (normal, maximized, minimized, rolled up to the
// caption, hidden in the notification area) and the actions that move between them, free of
// the window system: every effect on the window goes through TSeWindowStateHost, which the
// frame implements. Also the built-in system menu as data and the dispatch of its items.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/SkinObject.h"
#include "toolkit/Types.h"

// The values 1 to 4 are also the codes of SE_SETWINDOWSTATE.
enum TSeWindowState : uint8_t { qwsNormal, qwsMaximized, qwsMinimized, qwsRollup, qwsTray };

// What a caption button, a system menu item or a window-state message asks the frame to do.
enum TSeFrameAction : uint8_t {
  faNone,
  faClose,
  faMaximize,
  faMinimize,
  faRollup,
  faMinimizeToTray,
  faRestore
};

// The notification-area tip holds 64 bytes with its terminator.
constexpr size_t TrayTipLength = 63;
std::string TrayTip(std::string_view Text);

// What the state machine asks of the frame and its form. Bounds are the form's window bounds
// in its parent's (for a top-level window the screen's) coordinates.
class TSeWindowStateHost {
public:
  // Sets the hot zone to something other than fzNone, so that the next mouse move over the
  // client area repaints the frame.
  virtual void ArmFrameRepaint() = 0;
  // Fires OnMaximize, OnMinimize, OnRollup or OnMinToTray; false when a handler cleared
  // CallDefault.
  virtual bool FireActionEvent(TSeFrameAction Action) = 0;
  // The Close action, with its own event, modal and close-query rules.
  virtual void Close() = 0;

  virtual bool HasForm() const = 0;
  virtual bool IsLoading() const = 0;
  virtual bool IsModal() const = 0;
  virtual bool HasOwnerWindow() const = 0;
  virtual bool MinimizeApplication() const = 0;
  virtual bool ShadowEnabled() const = 0;
  // W: the frame's width, the window's width without the shadow.
  virtual int32_t FrameWidth() const = 0;

  virtual TRect Bounds() const = 0;
  // Sets the form's bounds and dispatches the thread's pending paint messages at once.
  virtual void ApplyBounds(const TRect& Bounds) = 0;
  virtual TRect GetMaximizedRect() = 0;
  virtual TRect GetRolledUpRect() = 0;
  virtual TRect GetMinimizedRect() = 0;
  virtual void Realign() = 0;
  virtual void RepaintFrame() = 0;

  // Posts the platform's minimize system command to the form's window.
  virtual void PostMinimizeCommand() = 0;
  // Brings the window back from the platform's minimized state (its icon) to the bounds it
  // had before; nothing when the platform does not hold it minimized.
  virtual void LeavePlatformMinimized() = 0;
  virtual void MinimizeApp() = 0;
  virtual void HideAppWindow() = 0;
  // Shows the application's window, restores the application and brings it to the front.
  virtual void ShowAppWindow() = 0;
  virtual void HideFormWindow() = 0;
  // Shows the form's window and brings it to the front.
  virtual void ShowFormWindow() = 0;

  // 8-bit texts, as the notification icon takes them.
  virtual std::string ApplicationTitle() const = 0;
  virtual std::string FormCaption() const = 0;
  virtual void AddTrayIcon(const std::string& Tip) = 0;
  virtual void RemoveTrayIcon() = 0;

protected:
  ~TSeWindowStateHost() = default;
};

class TSeWindowStateMachine {
public:
  explicit TSeWindowStateMachine(TSeWindowStateHost& Host) : FHost(Host) {}

  TSeWindowState WindowState() const { return FState; }
  // While loading only records the pending state; otherwise runs the action that leads to
  // Value (Restore for qwsNormal). Setting the current state again changes nothing.
  void SetWindowState(TSeWindowState Value);
  TSeWindowState PreviousState() const { return FPrevious; }
  // qwsNormal: none waits.
  TSeWindowState PendingState() const { return FPending; }
  bool HasPendingState() const { return FPending != qwsNormal; }
  const TRect& NormalBounds() const { return FNormalBounds; }
  void RecordNormalBounds() { FNormalBounds = FHost.Bounds(); }

  // After loading: true when a state waits to be applied (the frame then shows the window off
  // screen and posts SE_SETWINDOWSTATE with it). The normal bounds are taken first, except
  // for a roll-up, which records them itself.
  bool PreparePendingState();
  // SE_SETWINDOWSTATE: 1 Maximize, 2 Minimize, 3 Rollup, 4 MinimizeToTray; others ignored.
  void ApplyStateMessage(uintptr_t Code);

  // Each toggles back through Restore from its own state.
  void Maximize();
  void Minimize();
  void Rollup();
  void MinimizeToTray();
  void Restore();
  void Perform(TSeFrameAction Action);

  // The application's minimize and restore notifications, for a frame that minimizes the
  // whole application.
  void ApplicationMinimizing();
  void ApplicationRestoring();

private:
  bool BeginAction(TSeFrameAction Action);
  // The action's checks, its step, and then the pending state dropped.
  void Run(TSeFrameAction Action, void (TSeWindowStateMachine::*Step)());
  // Previous := the state, state := State; from State itself it restores instead (false).
  bool Enter(TSeWindowState State);
  void DoMaximize();
  void DoMinimize();
  void DoRollup();
  void DoMinimizeToTray();
  void DoRestore();
  // From qwsMinimized, and from the tray once it is shown again: back to what was before.
  void RestoreFromMinimized();
  void ApplyNormalBounds();

  TSeWindowStateHost& FHost;
  TSeWindowState FState = qwsNormal;
  TSeWindowState FPrevious = qwsNormal;
  TSeWindowState FPending = qwsNormal;
  TRect FNormalBounds;
};

// One item of the built-in system menu; Glyph indexes the images SE_FORM_CLOSE,
// SE_FORM_MINIMIZE, SE_FORM_MAXIMIZE, SE_FORM_RESTORE, SE_FORM_ROLLUP, SE_FORM_TRAY (-1: none).
struct TSeSystemMenuItem {
  std::string Caption;
  int Glyph = -1;
  std::string ShortCut;
  bool Separator = false;
  friend bool operator==(const TSeSystemMenuItem&, const TSeSystemMenuItem&) = default;
};

// The items of the built-in system menu for a state and the frame's border icons, in order.
std::vector<TSeSystemMenuItem> SystemMenuItems(TSeWindowState State, TSeBorderIcons Icons);
// The action of a clicked item, found by its caption; faNone for any other caption.
TSeFrameAction SystemMenuAction(std::string_view Caption);
