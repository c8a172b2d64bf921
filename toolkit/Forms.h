#pragma once
// Forms, the screen (cursor table, application cursor) and the application object (message
// loop, error report, hints).

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"

enum class TPosition { poDesigned, poDesktopCenter };

class TForm : public TCustomControl {
public:
  // The form joins the screen's list of forms, and leaves it when destroyed.
  explicit TForm(TComponent* AOwner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }
  void BeforeDestruction() override;

  // Tells the owned components that the layout is complete (Loaded), then runs OnCreate;
  // the application calls it once the form is fully constructed.
  virtual void AfterConstruction();

  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientSize(int AWidth, int AHeight);
  TPosition Position = TPosition::poDesktopCenter;
  // Border icons: minimise box in addition to the system menu.
  bool MinimizeBox = true;
  bool MaximizeBox = false;

  void Show();
  // Ends the application for its main form, hides any other form.
  void Close();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void VisibleChanged() override;

private:
  int FClientWidth = 0;
  int FClientHeight = 0;
};

class TScreen {
public:
  TScreen();
  // The cursor of a table index; unknown indices give the arrow.
  HCURSOR Cursors(TCursor Index) const;
  void SetCursors(TCursor Index, HCURSOR Cursor);
  // The application cursor: crDefault lets every control show its own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The application's forms, in the order they were made.
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }

private:
  friend class TForm;
  std::vector<TForm*> FForms;
  std::map<TCursor, HCURSOR> FCursors;
  TCursor FCursor = crDefault;
};

// The small window that shows a control's hint text.
class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "THintWindow"; }
  // Shows Text with its top-left corner at the screen point At.
  void ActivateHint(POINT At, const std::string& Text);
  void ReleaseHint();

protected:
  void CreateParams(TCreateParams& Params) override;
  void PaintContent(TCanvas& Canvas) override;
};

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

  // The standard error report: a message box with the error's message; the loop goes on.
  void ShowException(const std::exception& E);

  std::string Title = "Mirevan";
  bool ShowHint = true;
  UINT HintPause = 500;
  UINT HintHidePause = 2500;
  // The control whose hint is pending or shown, or null.
  TControl* HintControl() const { return FHintControl; }
  // Hides the hint and forgets the control until the mouse moves onto another one.
  void CancelHint();
  // Shows Control's hint with its top-left corner at the screen point At, for the usual time.
  void ShowHintAt(TControl* Control, POINT At);
  // Every mouse message of the toolkit's windows, with the control under the pointer.
  void HintMouseMessage(UINT Msg, TControl* Control);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool HandleMessage(MSG& Msg);
  void ShowPendingHint();
  void StartHintTimer(UINT Milliseconds);
  void StopHintTimer();
  static void CALLBACK HintTimerProc(HWND, UINT, UINT_PTR, DWORD);

  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  TControl* FHintControl = nullptr;
  THintWindow* FHintWindow = nullptr;
  bool FHintShown = false;
  UINT_PTR FHintTimer = 0;
};

extern TApplication* Application;
extern TScreen* Screen;

// Makes the application and screen objects for the program's lifetime.
class TApplicationScope {
public:
  TApplicationScope();
  ~TApplicationScope();
  TApplicationScope(const TApplicationScope&) = delete;
  TApplicationScope& operator=(const TApplicationScope&) = delete;

private:
  std::unique_ptr<TScreen> FScreen;
  std::unique_ptr<TApplication> FApplication;
};
