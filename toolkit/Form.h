#pragma once
// The form: a top-level window of the toolkit that holds controls, moves the keyboard focus
// between them (Tab, Shift+Tab) and offers Enter and Escape to its buttons.

#include <windows.h>

#include <functional>
#include <vector>
#include <string>

#include "toolkit/CustomControl.h"
#include "toolkit/Streams.h"

enum class TPosition { poDesigned, poDesktopCenter };
// What closing a form does: nothing, hide it, free it, or minimise it.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TForm : public TCustomControl {
public:
  // The form joins the screen's list of forms, and leaves it when destroyed.
  explicit TForm(TComponent* AOwner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  // Reads the form's stored layout (PropertyStream.h) in the loading state, which lasts until
  // AfterConstruction: the components read are loaded there, the form last (by then it is
  // the application's main form, when it is the first).
  void ReadLayout(TStream& Layout);
  void BeforeDestruction() override;
  void Loaded() override;
  // As the layout's root: the components it owns that lie in no other's record (engines,
  // menus, timers), then its controls.
  void GetChildren(const std::function<void(TComponent&)>& Proc,
                   const TComponent& Root) const override;

  // Ends the loading of a form read from a stored layout (its components', then its own), or
  // tells the components made in code that the layout is complete (theirs), then runs OnCreate; the application
  // calls it once the form is fully constructed.
  virtual void AfterConstruction();

  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientSize(int AWidth, int AHeight);
  // Before the window exists, the client area the form was given.
  RECT ClientRect() const override;
  // Makes the client area at least as large as its children need to show whole (the form
  // never shrinks below that either). Runs once the layout is read; call it again when what
  // the children need has grown.
  void GrowToContent();
  TPosition Position = TPosition::poDesktopCenter;
  // Border icons: minimise box in addition to the system menu.
  bool MinimizeBox = true;
  bool MaximizeBox = false;
  // What ended the form's dialog: 0 while none did; a button's modal result once clicked.
  int ModalResult = 0;

  void Show();
  // Ends the application for its main form, hides any other form.
  void Close();
  // OnCloseQuery's answer (true without a handler).
  bool CloseQuery();
  // OnClose's choice, starting from Action.
  TCloseAction DoClose(TCloseAction Action);
  // Frees the form from the message loop, once the message being handled is done.
  void Release();

  // Keyboard navigation: Tab moves the focus to the next control that takes it (Shift+Tab
  // to the one before), Enter and Escape go to the controls as CM_DIALOGKEY, the focused
  // one first. Ctrl+Tab goes as CM_DIALOGKEY to the focused control and its parents, nearest
  // first, and moves the focus only when none takes it. True when the key was used.
  bool DialogKey(WORD Key, TShiftState Shift);
  // Offers an accelerator character to the enabled, visible controls, depth first; true when
  // one took it.
  bool DialogChar(wchar_t Key);
  // Gives the focus to the next (or previous) focusable control after Current, round the
  // form; with no Current, to the first (or last).
  void SelectNext(TWinControl* Current, bool Forward);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TCloseQueryEvent OnCloseQuery;
  TCloseEvent OnClose;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void VisibleChanged() override;

private:
  int FClientWidth = 0;
  int FClientHeight = 0;
  std::vector<TComponent*> FLayoutComponents; // read, waiting for AfterConstruction
};

// The form a control sits on, or null.
TForm* GetParentForm(TControl* Control);
