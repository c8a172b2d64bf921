// The frame's side of its window states: what the state machine asks of the window and the
// application, the close and help actions, the built-in system menu, the notification icon
// and the application's minimize and restore notifications.

#include "controls/SeCustomForm.h"
#include "controls/TrayIcon.h"
#include "toolkit/Application.h"

bool TSeCustomForm::FireActionEvent(TSeFrameAction Action) {
  const TSeFormActionEvent* Event = nullptr;
  switch (Action) {
  case faMaximize:
    Event = &OnMaximize;
    break;
  case faMinimize:
    Event = &OnMinimize;
    break;
  case faRollup:
    Event = &OnRollup;
    break;
  case faMinimizeToTray:
    Event = &OnMinToTray;
    break;
  default:
    break;
  }
  bool CallDefault = true;
  if (Event && *Event)
    (*Event)(this, CallDefault);
  return CallDefault;
}

void TSeCustomForm::Close() {
  ArmFrameRepaint();
  bool CallDefault = true;
  if (OnClose)
    OnClose(this, CallDefault);
  if (!CallDefault || !FForm || !FForm->CloseQuery())
    return;
  switch (FForm->DoClose(TCloseAction::caHide)) {
  case TCloseAction::caNone:
    return;
  case TCloseAction::caHide:
    if (Application && Application->MainForm() == FForm)
      Application->Terminate();
    else
      FForm->SetVisible(false);
    return;
  case TCloseAction::caMinimize:
    if (Application && Application->MainForm() == FForm)
      Application->Terminate();
    else
      Minimize();
    return;
  case TCloseAction::caFree:
    if (Application && Application->MainForm() == FForm)
      Application->Terminate();
    else
      FForm->Release();
    return;
  }
}

void TSeCustomForm::Help() {
  ArmFrameRepaint();
  if (FForm && FForm->HandleAllocated())
    SendMessageW(FForm->Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

void TSeCustomForm::ShowSystemMenu() {
  ArmFrameRepaint();
  if (!FForm)
    return;
  if (WindowState() == qwsTray) {
    GetCursorPos(&FSystemMenuAt);
  } else if (!FSystemMenuAtSet) {
    FSystemMenuAt = {0, 0};
    ClientToScreen(FForm->Handle(), &FSystemMenuAt);
  }
  // Until the popup menus can show it, the menu is built and kept as data.
  FSystemMenu = SystemMenuItems(WindowState(), FBorderIcons);
}

std::string TSeCustomForm::TrayTipText() const {
  return FTrayIcon && FTrayIcon->Shown() ? FTrayIcon->Tip() : std::string();
}

bool TSeCustomForm::HasOwnerWindow() const {
  return FForm && FForm->HandleAllocated() && GetWindow(FForm->Handle(), GW_OWNER) != nullptr;
}

TRect TSeCustomForm::Bounds() const {
  if (!FForm)
    return {};
  const RECT R = FForm->BoundsRect();
  return {R.left, R.top, R.right, R.bottom};
}

void TSeCustomForm::ApplyBounds(const TRect& Bounds) {
  if (!FForm)
    return;
  if (FForm->HandleAllocated() && IsIconic(FForm->Handle()))
    ShowWindow(FForm->Handle(), SW_RESTORE);
  FForm->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  // Paint now, so that a window following the pointer is drawn at each step.
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    if (Msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(Msg.wParam));
      break;
    }
    DispatchMessageW(&Msg);
  }
}

void TSeCustomForm::Realign() {
  if (FForm && FForm->HandleAllocated())
    InvalidateRect(FForm->Handle(), nullptr, TRUE);
}

void TSeCustomForm::PostMinimizeCommand() {
  FOwnMinimize = true;
  PostMessageW(FForm->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TSeCustomForm::MinimizeApp() {
  if (Application)
    Application->Minimize();
}

void TSeCustomForm::HideAppWindow() {
  if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
    ShowWindow(Application->MainForm()->Handle(), SW_HIDE);
}

void TSeCustomForm::ShowAppWindow() {
  TForm* Main = Application ? Application->MainForm() : nullptr;
  if (!Main || !Main->HandleAllocated())
    return;
  ShowWindow(Main->Handle(), SW_SHOW);
  Application->Restore();
  SetForegroundWindow(Main->Handle());
}

void TSeCustomForm::HideFormWindow() {
  if (FForm->HandleAllocated())
    ShowWindow(FForm->Handle(), SW_HIDE);
}

void TSeCustomForm::ShowFormWindow() {
  ShowWindow(FForm->Handle(), SW_SHOW);
  SetForegroundWindow(FForm->Handle());
}

std::string TSeCustomForm::ApplicationTitle() const {
  return Application ? Application->Title : std::string();
}

void TSeCustomForm::AddTrayIcon(const std::string& Tip) {
  if (FTrayIcon)
    FTrayIcon->Add(Tip);
}

void TSeCustomForm::RemoveTrayIcon() {
  if (FTrayIcon)
    FTrayIcon->Remove();
}

void TSeCustomForm::InstallApplicationHooks() {
  if (FAppHooks || !FMinimizeApplication || !Application)
    return;
  FAppHooks = true;
  FPreviousAppMinimize = Application->OnMinimize;
  FPreviousAppRestore = Application->OnRestore;
  Application->OnMinimize = [this](TObject* Sender) { ApplicationMinimized(Sender); };
  Application->OnRestore = [this](TObject* Sender) { ApplicationRestored(Sender); };
}

// Each handler steps aside while it runs, so that what it calls does not come back to it.
// (The lambda that called it is moved away here: nothing of it is used afterwards.)
void TSeCustomForm::ApplicationMinimized(TObject* Sender) {
  TNotifyEvent Mine = std::move(Application->OnMinimize);
  Application->OnMinimize = FPreviousAppMinimize;
  if (WindowState() != qwsMinimized && WindowState() != qwsTray)
    Minimize();
  if (FPreviousAppMinimize)
    FPreviousAppMinimize(Sender);
  Application->OnMinimize = std::move(Mine);
}

void TSeCustomForm::ApplicationRestored(TObject* Sender) {
  TNotifyEvent Mine = std::move(Application->OnRestore);
  Application->OnRestore = FPreviousAppRestore;
  if (WindowState() == qwsMinimized) {
    Restore();
    PaintFrame();
  }
  if (FPreviousAppRestore)
    FPreviousAppRestore(Sender);
  Application->OnRestore = std::move(Mine);
}

void TSeCustomForm::RemoveApplicationHooks() {
  if (!FAppHooks || !Application)
    return;
  FAppHooks = false;
  Application->OnMinimize = std::move(FPreviousAppMinimize);
  Application->OnRestore = std::move(FPreviousAppRestore);
}
