#pragma once
// The application object: the message loop with its dialog keys, the standard error
// report, and the hints of the controls under the pointer.

#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/Form.h"
#include "toolkit/HintWindow.h"

class TTimer;

// What the application is about to show as a hint; the show-hint handler may change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  // Where the hint window's top-left corner goes, in screen coordinates.
  POINT HintPos{};
  int HintMaxWidth = 0;
  std::string HintStr;
  // Handed to the hint window with the text; null unless the handler sets it.
  void* HintData = nullptr;
  POINT CursorPos{};
  UINT HideTimeout = 0;
};
// Runs before a hint shows: it may change the text and the info, or clear CanShow.
using TShowHintEvent =
    std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  void Initialize();
  template <class T> T* CreateForm() {
    T* Form = MakeComponent<T>(this);
    if (!FMainForm)
      FMainForm = Form;
    Form->AfterConstruction();
    return Form;
  }
  TForm* MainForm() const { return FMainForm; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every message waiting now, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // The application's window is its main form's: minimising the application minimises the
  // main form, then OnMinimize runs; restoring shows it again, then OnRestore runs.
  void Minimize();
  void Restore();
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

  // The standard error report: a message box with the error's message; the loop goes on.
  void ShowException(const std::exception& E);

  std::string Title = "Mirevan";
  // The hint of what the pointer is over where no control shows one (a menu item's).
  std::string Hint;
  // Hints on: the application has a hint window, made by HintWindowClass. Switched off and
  // on again, a new one is made (of the class set meanwhile).
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  THintWindowClass HintWindowClass = NewHintWindow<THintWindow>;
  THintWindow* HintWindow() const { return FHintWindow; }
  TShowHintEvent OnShowHint;
  TColor HintColor = clInfoBk;
  UINT HintPause = 500;
  UINT HintHidePause = 2500;
  // The control whose hint is pending or shown, or null.
  TControl* HintControl() const { return FHintControl; }
  // Hides the hint and forgets the control until the mouse moves onto another one.
  void CancelHint();
  // Shows Control's hint with its top-left corner at the screen point At, for the usual time.
  void ShowHintAt(TControl* Control, POINT At);
  // Every mouse message of the toolkit's windows, with the control under the pointer. No
  // hint shows while a mouse button is held.
  void HintMouseMessage(UINT Msg, TControl* Control);
  // A message the hint window counts as one that hides the hint does so (the loop's
  // messages, and the activation changes the forms are told of).
  void CancelHintOn(const MSG& Msg);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool HandleMessage(MSG& Msg);
  // Tab, Enter and Escape for the form of the window that has the focus.
  bool IsDialogKey(const MSG& Msg);
  void ShowPendingHint();
  void ShowHintWindow(POINT At);
  void StartHintTimer(UINT Milliseconds);

  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  TControl* FHintControl = nullptr;
  bool FShowHint = false;
  THintWindow* FHintWindow = nullptr;
  TTimer* FHintTimer = nullptr;
  bool FHintShown = false;
};

extern TApplication* Application;

// Makes the application and screen objects for the program's lifetime.
class TApplicationScope {
public:
  TApplicationScope();
  ~TApplicationScope();
  TApplicationScope(const TApplicationScope&) = delete;
  TApplicationScope& operator=(const TApplicationScope&) = delete;

private:
  std::unique_ptr<class TScreen> FScreen;
  std::unique_ptr<TApplication> FApplication;
};
