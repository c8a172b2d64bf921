#pragma once
// The form frame: a hook on its owner form's window that takes over the non-client area. It
// tells the platform how large the frame is, answers hit-testing, paints the caption, borders
// and buttons, moves and sizes the window with its own mouse handling and keeps its own window
// state (normal, maximized, minimized, rolled up, in the notification area). This class draws
// the plain look, from the platform's metrics and theme; the skinned frame derives from it.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/base/EffectOptions.h"
#include "controls/base/SeHook.h"
#include "controls/frame/FrameGeometry.h"
#include "controls/frame/FrameStates.h"
#include "gfx/Bitmap.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/PrivateMessages.h"

class TSeTrayIcon;
class TFrameMenu;
class TPopupMenu;
class TImageList;

enum TSeFormPerformance : uint8_t {
  qzfpNoBuffer,
  qzfpSharedBuffer,
  qzfpPersistentBuffer,
  qzfpDoubleBuffer
};

// Fired before an action; the action goes ahead only if CallDefault is still true.
using TSeFormActionEvent = std::function<void(TObject* Sender, bool& CallDefault)>;

// Paints the client area's background instead of the frame (Client: the client area, at 0, 0).
using TSeFormPaintEvent =
    std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& Client)>;

// The frame's own size limits; 0 leaves a limit to the frame.
struct TSeFrameConstraints {
  int32_t MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

class TSeCustomForm;

// The frame's Constraints as a stored sub-object: each value reads and writes the frame's.
class TSeFormConstraints : public TPersistent {
public:
  explicit TSeFormConstraints(TSeCustomForm& Form) : FForm(Form) {}
  std::string ClassName() const override { return "TSizeConstraints"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  int32_t MaxHeight() const;
  void SetMaxHeight(int32_t Value);
  int32_t MaxWidth() const;
  void SetMaxWidth(int32_t Value);
  int32_t MinHeight() const;
  void SetMinHeight(int32_t Value);
  int32_t MinWidth() const;
  void SetMinWidth(int32_t Value);

private:
  void Change(int32_t TSeFrameConstraints::*Field, int32_t Value);
  TSeCustomForm& FForm;
};

class TSeCustomForm : public TSeHook, private TSeWindowStateHost {
public:
  // Owner must be the form whose frame this is.
  explicit TSeCustomForm(TComponent* AOwner);
  ~TSeCustomForm() override;
  std::string ClassName() const override { return "TSeCustomForm"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  bool IsFormFrame() const override { return true; }
  void Loaded() override;
  void BeforeDestruction() override;

  TSeBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TSeBorderStyle Value);
  TSeBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TSeBorderIcons Value);
  TSeDragging& Dragging() { return FDragging; }
  TSeGravitation& Gravitation() { return FGravitation; }
  // The show transition, the translucency and the shadow.
  TSeAnimation& Animation() { return FAnimation; }
  TSeBlending& Blending() { return FBlending; }
  TSeShadow& Shadow() { return FShadow; }
  TSeFrameConstraints Constraints() const { return FConstraints; }
  void SetConstraints(const TSeFrameConstraints& Value);
  TSeFormPerformance Performance() const { return FPerformance; }
  void SetPerformance(TSeFormPerformance Value) { FPerformance = Value; }
  bool StayOnTop() const { return FStayOnTop; }
  // Topmost or not, without moving, sizing or activating the window.
  void SetStayOnTop(bool Value);
  // The caption: the form's window text, kept here too.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // Minimizing or hiding in the tray acts on the whole application.
  bool MinimizeApplication() const override { return FMinimizeApplication; }
  void SetMinimizeApplication(bool Value) { FMinimizeApplication = Value; }
  // Kept with the layout; the background is not stretched.
  bool StretchBackground() const { return FStretchBackground; }
  void SetStretchBackground(bool Value) { FStretchBackground = Value; }

  TSeWindowState WindowState() const { return FStates.WindowState(); }
  // While loading only recorded, applied after loading.
  void SetWindowState(TSeWindowState Value) { FStates.SetWindowState(Value); }
  TSeWindowState PreviousState() const { return FStates.PreviousState(); }
  const TRect& NormalBounds() const { return FStates.NormalBounds(); }
  // The state a stored layout keeps: the one waiting to be applied, else the current one.
  TSeWindowState StoredWindowState() const {
    return FStates.HasPendingState() ? FStates.PendingState() : WindowState();
  }

  // The actions of the caption buttons, the system menu and the window-state messages.
  void Close() override;
  void Help();
  void Maximize() { FStates.Maximize(); }
  void Minimize() { FStates.Minimize(); }
  void Rollup() { FStates.Rollup(); }
  void MinimizeToTray() { FStates.MinimizeToTray(); }
  void Restore() { FStates.Restore(); }
  // Opens the system menu: the tray menu link's menu in the tray, else the system menu
  // link's, else the built-in menu (rebuilt on each use) with its glyphs; it returns when the
  // menu has closed.
  void ShowSystemMenu();
  // The items of the built-in menu as it was built last.
  const std::vector<TSeSystemMenuItem>& SystemMenu() const { return FSystemMenu; }
  // The built-in menu as it was built last (kept until the next one: its clicks arrive after
  // it has closed), or null.
  TPopupMenu* BuiltInSystemMenu() const { return FBuiltInMenu; }
  // Menus shown instead of the built-in one (not owned), and the options a library menu
  // takes before it shows.
  TPopupMenu* SystemMenuLink() const { return FSystemMenuLink; }
  void SetSystemMenuLink(TPopupMenu* Value);
  TPopupMenu* TrayMenuLink() const { return FTrayMenuLink; }
  void SetTrayMenuLink(TPopupMenu* Value);
  TSePopupMenuOptions& SystemMenuOptions() { return FSystemMenuOptions; }
  TSePopupMenuOptions& TrayMenuOptions() { return FTrayMenuOptions; }
  // Where the system menu opens: the right click in the caption, the cursor in the tray, else
  // the client origin.
  POINT SystemMenuPosition() const { return FSystemMenuAt; }
  // The notification icon's tip while it is shown; empty otherwise.
  std::string TrayTipText() const;

  TSeFormActionEvent OnClose, OnMinimize, OnMaximize, OnRollup, OnMinToTray;
  // After loading, once the frame has taken over the window.
  TNotifyEvent OnCreate;
  TSeFormPaintEvent OnPaint;
  TNotifyEvent OnResize;

  // The last activation the platform reported.
  bool ActiveWindow() const { return FActiveWindow; }
  TForm* Form() const { return FForm; }

  // The shadow's depth while it shows (enabled, the window not maximized), else 0.
  int32_t ShadowDepth() const;
  // The frame's size without the shadow.
  int32_t FrameWidth() const override { return FWidth; }
  int FrameHeight() const { return FHeight; }
  // The client rectangle inside the frame, in window coordinates.
  virtual TRect GetFrameClientRect() const;
  // A caption button's rectangle in window coordinates; empty when it does not show.
  virtual TRect GetButtonRect(TSeFrameZone Button) const;
  // The zone of the frame at a point in window coordinates.
  virtual TSeFrameZone HitTest(int X, int Y) const;
  TSeFrameZone HotZone() const { return FHotZone; }
  TSeFrameZone PressedZone() const { return FPressedZone; }
  bool Maximized() const { return WindowState() == qwsMaximized; }

  // Bounds of the window states, in the parent's (the screen's) coordinates.
  TRect GetMaximizedRect() override;
  TRect GetRolledUpRect() override;
  TRect GetMinimizedRect() override;
  // Size limits: Constraints, else at least 150 x 40 and at most the maximized size.
  virtual TPoint GetMaxSize();
  virtual TPoint GetMinSize() const;

  // The window's shape for the frame's size: the theme's window outline, or a rectangle.
  // UpdateRegion hands it on to the window (SetWindowRgn), which owns it from there.
  virtual TRegionHandle CreateFrameRegion();
  // Gives the window the frame's shape; runs whenever the frame's size changes.
  void UpdateRegion();
  void UpdateRegionIfResized(); // the shape, unless it was made for the present size
  // Paints the frame (everything outside the client rectangle) through the surface
  // Performance chooses, copied to the window in four bands.
  void PaintFrame();

  // Whether the frame paints now; a menu opening over the window holds it back for a moment.
  bool PaintEnabled() const { return FPaintEnabled; }
  void SetPaintEnabled(bool Value) { FPaintEnabled = Value; }
  // Makes the platform compute the frame again; the client area keeps its size.
  void RefreshFrame();
  // The platform's frame metrics, read again (the theme changed).
  void ReadMetrics();

  // The frame's mouse handling, in window coordinates.
  virtual void FrameMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void FrameMouseMove(TShiftState Shift, int X, int Y);
  virtual void FrameMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

  void Dispatch(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;

protected:
  TSeFrameLayout Layout() const;
  // The popup menu the built-in system menu is built in (Menus makes it): a plain one here.
  virtual TPopupMenu* CreateSystemMenu(const TFrameMenu& Menus);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The frame's look on Canvas (window coordinates; the client area is clipped away).
  virtual void PaintNonClient(TCanvas& Canvas);
  // The client area's background (window coordinates of the client rectangle's origin 0, 0).
  virtual void PaintClientBackground(TCanvas& Canvas, const TRect& Client);
  // Whether a frame without a buffer still composes each paint in memory before it reaches
  // the window (for frames made of many small drawing calls).
  virtual bool ComposesOffscreen() const { return false; }
  // The maximized window's bounds, applied again (the skin changed).
  void ApplyMaximizedBounds() { ApplyBounds(GetMaximizedRect()); }

private:
  // TSeWindowStateHost
  void ArmFrameRepaint() override { FHotZone = fzCaption; }
  bool FireActionEvent(TSeFrameAction Action) override;
  bool HasForm() const override { return FForm != nullptr; }
  bool IsLoading() const override { return Loading(); }
  bool IsModal() const override { return false; }
  bool HasOwnerWindow() const override;
  bool ShadowEnabled() const override { return FShadow.Enabled(); }
  TRect Bounds() const override;
  void ApplyBounds(const TRect& Bounds) override;
  void Realign() override;
  void RepaintFrame() override { PaintFrame(); }
  void PostMinimizeCommand() override;
  void LeavePlatformMinimized() override;
  // Whether the platform holds the window minimized, showing its icon in its place.
  bool PlatformMinimized() const;
  void MinimizeApp() override;
  void HideAppWindow() override;
  void ShowAppWindow() override;
  void HideFormWindow() override;
  void ShowFormWindow() override;
  std::string ApplicationTitle() const override;
  std::string FormCaption() const override { return FCaption; }
  void AddTrayIcon(const std::string& Tip) override;
  void RemoveTrayIcon() override;

  void PaintCaption(TCanvas& Canvas, const TRect& Band);
  void PaintCaptionButtons(TCanvas& Canvas, const class TThemeParts& Theme);
  void CalcSize(TMessage& Message);
  void HitTestMessage(TMessage& Message);
  void PositionChanging(TMessage& Message);
  void EraseBackground(TMessage& Message);
  // The screen behind the window, for Blending and Shadow, taken for its new rectangle.
  void CaptureBackground(const TRect& ScreenRect);
  // The frame's size from a window size (the shadow taken off).
  void SetWindowSize(int WW, int WH);
  // The show transition: the window as it will look, played over the screen behind it.
  void PlayShowAnimation(const TRect& ScreenRect);
  // Where the frame (ForFrame) or the client background paints now: the show transition's
  // image (the frame only), or Performance's surface; null for the window itself.
  TseBitmap* FrameSurface(TseBitmap& Temporary, int Width, int Height, bool ForFrame);
  void MouseMessage(TMessage& Message);
  void SystemCommand(TMessage& Message);
  void CaptionTextSeen(TMessage& Message);
  void InstallApplicationHandlers();
  void RemoveApplicationHandlers();
  void ApplicationMinimized(TObject* Sender);
  void ApplicationRestored(TObject* Sender);
  // The drag's new bounds for the pointer at P (window coordinates), applied at once (full
  // drag) or shown as an outline.
  void DragTo(TPoint P, bool FullDrag);
  void DrawOutline(const TRect& Outline);
  POINT WindowPoint(LPARAM ScreenPoint) const;

  TForm* FForm;
  TSeWindowStateMachine FStates{*this};
  TSeBorderStyle FBorderStyle = qbsStandard;
  TSeBorderIcons FBorderIcons;
  TSeDragging FDragging;
  TSeGravitation FGravitation;
  TSeAnimation FAnimation;
  TSeBlending FBlending;
  TSeShadow FShadow;
  std::unique_ptr<class TSeBackgroundCapture> FCapture;
  TseBitmap* FShowImage = nullptr; // while the show transition takes the window's picture
  TSeFrameConstraints FConstraints;
  TSeFormConstraints FConstraintsProps{*this};
  TSeFrameMetrics FMetrics;
  TSeFormPerformance FPerformance = qzfpNoBuffer;
  bool FStayOnTop = false;
  bool FCaptionRead = false; // Caption came with the layout, for the form once it is in
  bool FMinimizeApplication = true;
  bool FStretchBackground = false;
  std::string FCaption;
  std::wstring FLastText; // the window text last seen answering WM_GETTEXT
  TseBitmap FPersistent;
  TseBitmap FCaptionBand; // the caption composed apart, kept between paints
  TCanvas FCaptionCanvas;
  TFont FCaptionFont;
  TFont FSmallCaptionFont;
  bool FActiveWindow = false;
  bool FPaintEnabled = true;
  int FWidth = 0, FHeight = 0;
  int FRegionWidth = -1, FRegionHeight = -1; // the size the window's shape was made for
  bool FRegionHeld = false;                  // while RefreshFrame resizes the window

  // The mouse on the frame.
  TSeFrameZone FHotZone = fzNone;
  TSeFrameZone FPressedZone = fzNone;
  TShiftState FPressedButtons = 0;
  TPoint FPressPoint, FLastPoint;
  bool FDraggingNow = false;
  bool FOutline = false;
  TRect FOutlineRect;

  std::vector<TSeSystemMenuItem> FSystemMenu;
  TPopupMenu* FBuiltInMenu = nullptr;
  TImageList* FSystemGlyphs = nullptr;
  TPopupMenu* FSystemMenuLink = nullptr;
  TPopupMenu* FTrayMenuLink = nullptr;
  TSePopupMenuOptions FSystemMenuOptions;
  TSePopupMenuOptions FTrayMenuOptions;
  POINT FSystemMenuAt{};
  bool FSystemMenuAtSet = false;
  bool FOwnMinimize = false; // the minimize command posted by the frame itself is on its way
  std::unique_ptr<TSeTrayIcon> FTrayIcon;
  bool FAppHandlersInstalled = false;
  TNotifyEvent FPreviousAppMinimize, FPreviousAppRestore;
};
