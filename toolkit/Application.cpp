#include "toolkit/Application.h"

#include "toolkit/CommonControls.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/FileNames.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"

TApplication* Application = nullptr;

namespace {

void ReportToApplication(const std::exception& E) {
  if (Application)
    Application->ShowException(E);
}

void WatchMouse(UINT Msg, TControl* Control) {
  if (Application)
    Application->HintMouseMessage(Msg, Control);
}

} // namespace

TApplication::TApplication() : TComponent(nullptr) {
  FHintTimer = MakeComponent<TTimer>(this);
  FHintTimer->SetEnabled(false);
  FHintTimer->SetOnTimer([this](TObject*) { ShowPendingHint(); });
  SetShowHint(true);
}

TApplication::~TApplication() {
  SetMouseWatcher(nullptr);
  SetExceptionReporter(nullptr);
}

void TApplication::Initialize() {
  CommonControls();
  SetExceptionReporter(ReportToApplication);
  SetMouseWatcher(WatchMouse);
}

void TApplication::Run() {
  if (FMainForm)
    FMainForm->Show();
  MSG Msg;
  while (!FTerminated && GetMessageW(&Msg, nullptr, 0, 0) > 0)
    HandleMessage(Msg);
  FTerminated = true;
}

bool TApplication::HandleMessage(MSG& Msg) {
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  CancelHintOn(Msg);
  if (Shielded(false, [&] { return IsDialogKey(Msg); }))
    return true;
  if (Msg.message == CM_RELEASE) {
    // Freed here rather than in its own window procedure, which is still on the stack then.
    if (auto* Form = dynamic_cast<TForm*>(TWinControl::FindControl(Msg.hwnd)))
      Shielded([&] { Form->Free(); });
    return true;
  }
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
  return true;
}

bool TApplication::IsDialogKey(const MSG& Msg) {
  if (Msg.message == WM_SYSCHAR) {
    // Alt and a letter: the control whose caption marks it acts, and no menu opens.
    TForm* Form = GetParentForm(TWinControl::FindControl(Msg.hwnd));
    return Form && Form->DialogChar(static_cast<wchar_t>(Msg.wParam));
  }
  if (Msg.message != WM_KEYDOWN)
    return false;
  const auto Key = static_cast<WORD>(Msg.wParam);
  if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE)
    return false;
  TWinControl* Control = TWinControl::FindControl(Msg.hwnd);
  TForm* Form = GetParentForm(Control);
  if (!Form)
    return false;
  // A control that asks for the key keeps it.
  const LRESULT Code = SendMessageW(Msg.hwnd, WM_GETDLGCODE, Key, reinterpret_cast<LPARAM>(&Msg));
  if ((Code & DLGC_WANTALLKEYS) || (Key == VK_TAB && (Code & DLGC_WANTTAB)) ||
      (Key != VK_TAB && (Code & DLGC_WANTMESSAGE)))
    return false;
  return Form->DialogKey(Key, KeyboardShiftState());
}

void TApplication::ProcessMessages() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
    if (!HandleMessage(Msg))
      break;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Minimize() {
  if (FMainForm && FMainForm->HandleAllocated() && !IsIconic(FMainForm->Handle()))
    ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
  if (OnMinimize)
    OnMinimize(this);
}

void TApplication::Restore() {
  if (FMainForm && FMainForm->HandleAllocated() && IsIconic(FMainForm->Handle()))
    ShowWindow(FMainForm->Handle(), SW_RESTORE);
  if (OnRestore)
    OnRestore(this);
}

void TApplication::ShowException(const std::exception& E) {
  const HWND Owner = FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
  MessageBoxW(Owner, MessageText(E.what()).c_str(), WindowText(Title).c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::SetShowHint(bool Value) {
  if (Value == FShowHint)
    return;
  FShowHint = Value;
  if (!FShowHint) {
    CancelHint();
    if (THintWindow* Old = FHintWindow) {
      FHintWindow = nullptr;
      DestroyComponent(Old);
    }
    return;
  }
  FHintWindow = HintWindowClass(this);
  FHintWindow->FreeNotification(this);
}

void TApplication::CancelHintOn(const MSG& Msg) {
  if (FHintWindow && FHintControl && FHintWindow->IsHintMsg(Msg))
    CancelHint();
}

namespace {

// A button held means a drag or a press in progress, where a hint only gets in the way.
bool MouseButtonHeld() {
  for (const int Button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2})
    if (GetKeyState(Button) < 0)
      return true;
  return false;
}

} // namespace

void TApplication::HintMouseMessage(UINT Msg, TControl* Control) {
  if (Msg != WM_MOUSEMOVE || MouseButtonHeld()) {
    CancelHint();
    return;
  }
  TControl* Candidate =
      FShowHint && Control && Control->ShowHint() && !Control->Hint().empty() ? Control : nullptr;
  if (Candidate == FHintControl)
    return;
  CancelHint();
  FHintControl = Candidate;
  if (FHintControl) {
    FHintControl->FreeNotification(this);
    StartHintTimer(HintPause);
  }
}

void TApplication::CancelHint() {
  FHintTimer->SetEnabled(false);
  if (FHintWindow && FHintShown)
    FHintWindow->ReleaseHint();
  FHintShown = false;
  if (FHintControl)
    FHintControl->RemoveFreeNotification(this);
  FHintControl = nullptr;
}

void TApplication::ShowPendingHint() {
  FHintTimer->SetEnabled(false);
  if (!FHintControl || MouseButtonHeld())
    return;
  if (FHintShown) {
    if (FHintWindow)
      FHintWindow->ReleaseHint();
    FHintShown = false;
    return;
  }
  POINT At;
  GetCursorPos(&At);
  At.y += GetSystemMetrics(SM_CYCURSOR) * 3 / 4;
  ShowHintWindow(At);
}

void TApplication::ShowHintAt(TControl* Control, POINT At) {
  if (!Control || !FShowHint || Control->Hint().empty())
    return;
  CancelHint();
  FHintControl = Control;
  FHintControl->FreeNotification(this);
  ShowHintWindow(At);
}

void TApplication::ShowHintWindow(POINT At) {
  THintInfo Info;
  Info.HintControl = FHintControl;
  Info.HintPos = At;
  Info.HintMaxWidth = GetSystemMetrics(SM_CXSCREEN);
  Info.HintStr = FHintControl->Hint();
  GetCursorPos(&Info.CursorPos);
  Info.HideTimeout = HintHidePause;
  bool CanShow = true;
  if (OnShowHint)
    OnShowHint(Info.HintStr, CanShow, Info);
  if (!CanShow || !FHintWindow)
    return;
  FHintWindow->SetBiDiMode(FHintControl->BiDiMode());
  RECT Place = FHintWindow->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
  OffsetRect(&Place, Info.HintPos.x, Info.HintPos.y);
  FHintWindow->ActivateHintData(Place, Info.HintStr, Info.HintData);
  FHintShown = true;
  StartHintTimer(Info.HideTimeout);
}

void TApplication::StartHintTimer(UINT Milliseconds) {
  FHintTimer->SetEnabled(false);
  FHintTimer->SetInterval(Milliseconds);
  FHintTimer->SetEnabled(true);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove) {
    if (AComponent == FHintControl) {
      FHintControl = nullptr;
      CancelHint();
    }
    if (AComponent == FHintWindow)
      FHintWindow = nullptr;
    if (AComponent == FMainForm)
      FMainForm = nullptr;
  }
}

TApplicationScope::TApplicationScope()
    : FScreen(std::make_unique<TScreen>()), FApplication(std::make_unique<TApplication>()) {
  Screen = FScreen.get();
  Application = FApplication.get();
}

TApplicationScope::~TApplicationScope() {
  FApplication->BeforeDestruction();
  FApplication.reset();
  Application = nullptr;
  FScreen.reset();
  Screen = nullptr;
}
