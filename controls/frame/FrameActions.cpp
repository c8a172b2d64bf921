// The frame's side of its window states: what the state machine asks of the window and the
// application, the close and help actions, the built-in system menu, the notification icon
// and the application's minimize and restore notifications.

#include "controls/frame/FrameMenu.h"
#include "controls/frame/SeCustomForm.h"
#include "controls/frame/TrayIcon.h"
#include "toolkit/Application.h"
#include "toolkit/ImageList.h"
#include "toolkit/PopupMenu.h"

namespace {

// The glyphs of the built-in system menu, in the order of their indexes.
constexpr const char* SystemGlyphNames[] = {"SE_FORM_CLOSE",    "SE_FORM_MINIMIZE",
                                            "SE_FORM_MAXIMIZE", "SE_FORM_RESTORE",
                                            "SE_FORM_ROLLUP",   "SE_FORM_TRAY"};
// The colour around the glyphs, left out when they are drawn.
constexpr TColor GlyphKey = 0xFF00FF;

// The key code of a shortcut as the system menu writes it ("Alt+F4").
int ShortCutCode(const std::string& Text) { return Text == "Alt+F4" ? 0x8000 | VK_F4 : 0; }

} // namespace

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

TPopupMenu* TSeCustomForm::CreateSystemMenu(const TFrameMenu& Menus) {
  return Menus.NewMenu(FForm, nullptr);
}

void TSeCustomForm::SetSystemMenuLink(TPopupMenu* Value) {
  ReplaceReference(FSystemMenuLink, Value);
}

void TSeCustomForm::SetTrayMenuLink(TPopupMenu* Value) { ReplaceReference(FTrayMenuLink, Value); }

void TSeCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TSeHook::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FSystemMenuLink)
    FSystemMenuLink = nullptr;
  if (AComponent == FTrayMenuLink)
    FTrayMenuLink = nullptr;
  if (AComponent == FBuiltInMenu)
    FBuiltInMenu = nullptr;
  if (AComponent == FSystemGlyphs)
    FSystemGlyphs = nullptr;
}

void TSeCustomForm::ShowSystemMenu() {
  ArmFrameRepaint();
  if (!FForm)
    return;
  const bool InTray = WindowState() == qwsTray;
  if (InTray) {
    GetCursorPos(&FSystemMenuAt);
  } else if (!FSystemMenuAtSet) {
    FSystemMenuAt = {0, 0};
    ClientToScreen(FForm->Handle(), &FSystemMenuAt);
  }
  const POINT At = FSystemMenuAt;
  const TFrameMenu* Menus = TFrameMenu::Registered();
  TPopupMenu* Link = InTray ? FTrayMenuLink : FSystemMenuLink;
  if (Link) {
    if (Menus)
      Menus->Prepare(*Link, InTray ? FTrayMenuOptions : FSystemMenuOptions, InTray);
    Link->Popup(At.x, At.y);
    return;
  }
  if (!Menus)
    return;
  FSystemMenu = SystemMenuItems(WindowState(), FBorderIcons);
  // The menu built last time is done with: its click has been delivered by now.
  if (FBuiltInMenu)
    FBuiltInMenu->Free();
  FBuiltInMenu = CreateSystemMenu(*Menus);
  FBuiltInMenu->FreeNotification(this);
  if (!FSystemGlyphs) {
    FSystemGlyphs = MakeComponent<TImageList>(this);
    FSystemGlyphs->FreeNotification(this);
    const HINSTANCE Module = GetModuleHandleW(nullptr);
    for (const char* Name : SystemGlyphNames) {
      if (!FindResourceA(Module, Name, MAKEINTRESOURCEA(2))) // RT_BITMAP
        break;
      TBitmap Glyph;
      Glyph.LoadFromResourceName(Module, Name);
      FSystemGlyphs->Add(Glyph, GlyphKey);
    }
  }
  Menus->SetImages(*FBuiltInMenu, FSystemGlyphs);
  for (const TSeSystemMenuItem& Entry : FSystemMenu) {
    const std::string Caption = Entry.Caption;
    Menus->AddItem(*FBuiltInMenu, Caption, Entry.Glyph, ShortCutCode(Entry.ShortCut),
                   [this, Caption](TObject*) { FStates.Perform(SystemMenuAction(Caption)); });
  }
  Menus->Prepare(*FBuiltInMenu, FSystemMenuOptions, InTray);
  FBuiltInMenu->Popup(At.x, At.y);
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
  LeavePlatformMinimized();
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

void TSeCustomForm::LeavePlatformMinimized() {
  if (FForm && FForm->HandleAllocated() && IsIconic(FForm->Handle()))
    ShowWindow(FForm->Handle(), SW_RESTORE);
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

void TSeCustomForm::InstallApplicationHandlers() {
  if (FAppHandlersInstalled || !FMinimizeApplication || !Application)
    return;
  FAppHandlersInstalled = true;
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

void TSeCustomForm::RemoveApplicationHandlers() {
  if (!FAppHandlersInstalled || !Application)
    return;
  FAppHandlersInstalled = false;
  Application->OnMinimize = std::move(FPreviousAppMinimize);
  Application->OnRestore = std::move(FPreviousAppRestore);
}
