#pragma once
// The transparency manager: the managed windows, the one level they share, the settings
// and the new-window hook.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalKeys.h"

// The eight settings values, kept in "Status.cfg" beside the program file; the auto-start
// option lives in the registry of the current user.
class TStatus {
public:
  // Settings file "Status.cfg" in the directory of the running program's file.
  TStatus();
  explicit TStatus(std::string FileName);
  virtual ~TStatus() = default;

  // Reads the eight keys; missing or unreadable values take their defaults.
  virtual void LoadSettings();
  // Writes the eight keys; raises EIniFileException when the file cannot be written.
  virtual void SaveSettings();

  // Writes the auto-start value: Path, or an empty string when Path is empty.
  void SetAutoStart(const std::string& Path);
  // True when the auto-start value exists and is not empty.
  bool GetAutoStart();
  // The current user's start-up list: value "Mirevan" holds the quoted full path of the
  // program, which the platform starts at log-on; an empty Path removes the value.
  void SetStartUpEntry(const std::string& Path);
  // What the start-up list starts under "Mirevan" ("" when nothing).
  std::string StartUpEntry();

  const std::string& FileName() const { return FFileName; }

  bool TransparentStart = false;
  bool TransparentNewWindow = false;
  bool OpacityOnClose = false;
  int32_t Transparency = 0;
  // The keys of the four desktop-wide actions (0: none), in the menus' shortcut encoding.
  uint16_t OpacityShortCut = 0;
  uint16_t TransparentShortCut = 0;
  uint16_t DecreaseTransparency = 0;
  uint16_t IncreaseTransparency = 0;

  static constexpr const char* SettingsFileName = "Status.cfg";
  static constexpr const char* SettingsSection = "Setting";
  static constexpr const char* AutoStartKey = "Software\\brelkor\\mirevan";
  static constexpr const char* AutoStartValue = "Mirevan AutoStart";
  static constexpr const char* StartUpKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  static constexpr const char* StartUpValue = "Mirevan";

private:
  std::string FFileName;
};

// One managed window.
class TTransparentItem {
public:
  explicit TTransparentItem(HWND Wnd) : Handle(Wnd) {}

  // Makes the window layered with the given alpha.
  void MakeTransparent(uint8_t Alpha);
  // Clears the layered style, which alone returns the window to full opacity.
  void MakeOpacity();
  // MakeOpacity for any window, managed or not.
  static void OpacityWindow(HWND Wnd);
  // What the windows list shows for the entry: "Transparent" or "Opacity".
  const char* StatusText() const { return Transparent ? "Transparent" : "Opacity"; }

  // Notes what the window is before Mirevan first makes it layered, and whose it is (the
  // sentinel tells it from a later window with the same handle by that).
  void RecordFoundState();

  bool Transparent = false;
  const HWND Handle;
  bool FoundLayered = false;
  COLORREF FoundKey = 0;
  BYTE FoundAlpha = 255;
  DWORD FoundFlags = 0;
  DWORD ProcessId = 0, ThreadId = 0;
  uint64_t ProcessCreated = 0;
};

// A row of the windows list: what is shown, and the entry it acts on.
struct TWindowListRow {
  std::string Text;
  std::string Status;
  TTransparentItem* Entry;
};

class TListView;
class TSentinel;

class TTransparentMgr {
public:
  // Loads the settings at once. Without a settings object, one for "Status.cfg" beside the
  // program file is made.
  explicit TTransparentMgr(std::unique_ptr<TStatus> AStatus = nullptr);
  // Releases the windows, writes the settings, removes the hook. A failed write is
  // reported through ReportException and the hook is removed all the same.
  virtual ~TTransparentMgr();
  TTransparentMgr(const TTransparentMgr&) = delete;
  TTransparentMgr& operator=(const TTransparentMgr&) = delete;

  virtual void LoadSettings();
  virtual void SaveSettings();

  void TransparentWindow(HWND Wnd);
  void TransparentAll();
  void OpacityAll();
  void ReleaseAll();
  void SetTransparency(int32_t Level);

  int32_t Transparency() const { return FStatus->Transparency; }
  // Each setting that changes is written to the settings file at once, as well as at the end.
  bool TransparentStart() const { return FStatus->TransparentStart; }
  void SetTransparentStart(bool Value) { SetSetting(FStatus->TransparentStart, Value); }
  bool TransparentNewWindow() const { return FStatus->TransparentNewWindow; }
  // Acts at once once the program has started: on installs the hook, off removes it.
  void SetTransparentNewWindow(bool Value);
  bool OpacityOnClose() const { return FStatus->OpacityOnClose; }
  void SetOpacityOnClose(bool Value) { SetSetting(FStatus->OpacityOnClose, Value); }
  // The desktop-wide key of an action, as "Status.cfg" keeps it (0: none).
  uint16_t GlobalKey(TGlobalAction Action) const;
  // Kept in the settings and written at once.
  void SetGlobalKey(TGlobalAction Action, uint16_t ShortCut);
  // On only when the program would really start at log-on: the option's value is set and the
  // current user's start-up list starts this program.
  bool AutoStart() const;
  // The option's value and the start-up entry together.
  void SetAutoStart(bool Value);
  // With the option on, the start-up entry names the program where it now lies (run at
  // start, so that a program moved to another folder keeps starting).
  void FollowAutoStart();

  // The first call also runs the start-up actions: the hook, then every window taken.
  void SetNotifyWindow(HWND Wnd);
  HWND NotifyWindow() const { return FNotifyWindow; }
  void StopHook();

  // The window itself when it may be made transparent, else null. No window of Mirevan's
  // own process or of its sentinel's ever may.
  HWND CanTransparent(HWND Wnd) const;
  // True for a window of Mirevan's own process or of its sentinel's.
  bool IsOwnWindow(HWND Wnd) const;
  // The text by which the window is shown in the windows list.
  std::string GetDisplayText(HWND Wnd) const;

  bool HasWindow(HWND Wnd) const;
  TTransparentItem* FindItem(HWND Wnd) const;
  bool IsTransparentWindow(HWND Wnd) const;
  void RemoveDeadWindows();

  // The rows of the windows list, most recently taken window first, "Unknown" windows left
  // out. Each row's entry stays valid until the next call, even if it leaves Items.
  std::vector<TWindowListRow> ListRows();
  // Fills the main window's windows list with ListRows, each row's data its entry.
  void FillListView(TListView* ListView);

  // The level as the alpha byte of a layered window (its low 8 bits).
  uint8_t Alpha() const { return static_cast<uint8_t>(FStatus->Transparency & 0xFF); }

  const std::vector<std::shared_ptr<TTransparentItem>>& Items() const { return FItems; }
  TStatus& Status() { return *FStatus; }
  // The sentinel that learns of every change to the managed windows; null for none.
  void SetSentinel(TSentinel* Sentinel);
  // Starts the sentinel's process, once the main window has first shown.
  void LaunchSentinel();

private:
  void SetSetting(bool& Field, bool Value);
  void TellSentinel();

  // Entries are shared with FListed so that a row of the windows list can still use an
  // entry that has left Items; it is freed once neither holds it.
  std::vector<std::shared_ptr<TTransparentItem>> FItems;
  std::vector<std::shared_ptr<TTransparentItem>> FListed;
  std::unique_ptr<TStatus> FStatus;
  HWND FNotifyWindow = nullptr;
  bool FStarted = false;
  TSentinel* FSentinel = nullptr;
};

// The one manager of the program; null while it does not exist.
extern TTransparentMgr* TransparentManager;

// Makes the one manager at start-up and destroys it at shut-down; the program's first
// and last act.
class TTransparentManagerScope {
public:
  explicit TTransparentManagerScope(std::unique_ptr<TStatus> Status = nullptr);
  ~TTransparentManagerScope();
  TTransparentManagerScope(const TTransparentManagerScope&) = delete;
  TTransparentManagerScope& operator=(const TTransparentManagerScope&) = delete;

private:
  std::unique_ptr<TTransparentMgr> FManager;
};
