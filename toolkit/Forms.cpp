#include "toolkit/Forms.h"

#include <commctrl.h>
#include <utility>

#include "toolkit/ErrorReport.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

// ---------------------------------------------------------------------------------------
// TForm

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  if (Screen)
    Screen->FForms.push_back(this);
}

TForm::~TForm() {
  if (Screen)
    std::erase(Screen->FForms, this);
}

void TForm::AfterConstruction() {
  for (int I = 0; I < ComponentCount(); ++I)
    Components(I)->Loaded();
  if (OnCreate)
    OnCreate(this);
}

void TForm::BeforeDestruction() {
  if (OnDestroy)
    OnDestroy(this);
  TCustomControl::BeforeDestruction();
}

void TForm::SetClientSize(int AWidth, int AHeight) {
  FClientWidth = AWidth;
  FClientHeight = AHeight;
  TCreateParams Params;
  CreateParams(Params);
  RECT Frame{0, 0, AWidth, AHeight};
  AdjustWindowRectEx(&Frame, Params.Style, FALSE, Params.ExStyle);
  SetBounds(Left(), Top(), Frame.right - Frame.left, Frame.bottom - Frame.top);
}

void TForm::Show() {
  SetVisible(true);
  SetForegroundWindow(Handle());
}

void TForm::Close() {
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else
    SetVisible(false);
}

LRESULT TForm::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_CLOSE) {
    Close();
    return 0;
  }
  return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TForm::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (MinimizeBox)
    Params.Style |= WS_MINIMIZEBOX;
  if (MaximizeBox)
    Params.Style |= WS_MAXIMIZEBOX;
  Params.ExStyle = WS_EX_APPWINDOW;
}

void TForm::CreateWnd() {
  if (Position == TPosition::poDesktopCenter)
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(), Height());
  TCustomControl::CreateWnd();
  // The program's icon, when it has one, in the caption and the task switcher.
  const HINSTANCE Instance = GetModuleHandleA(nullptr);
  for (const auto& [Kind, Metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}})
    if (const HANDLE Icon = LoadImageA(Instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(Metric),
                                       GetSystemMetrics(Metric), 0))
      SendMessageA(Handle(), WM_SETICON, Kind, reinterpret_cast<LPARAM>(Icon));
}

void TForm::VisibleChanged() {
  if (HandleAllocated() || Visible())
    ShowWindow(Handle(), Visible() ? SW_SHOWNORMAL : SW_HIDE);
}

// ---------------------------------------------------------------------------------------
// TScreen

TScreen::TScreen() {
  const HCURSOR Arrow = LoadCursor(nullptr, IDC_ARROW);
  FCursors = {{crDefault, Arrow},
              {crArrow, Arrow},
              {crCross, LoadCursor(nullptr, IDC_CROSS)},
              {crIBeam, LoadCursor(nullptr, IDC_IBEAM)},
              {crHourGlass, LoadCursor(nullptr, IDC_WAIT)}};
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  const auto It = FCursors.find(Index);
  return It != FCursors.end() && It->second ? It->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(TCursor Index, HCURSOR Cursor) { FCursors[Index] = Cursor; }

void TScreen::SetCursor(TCursor Value) {
  FCursor = Value;
  if (Value != crDefault) {
    SetOverrideCursor(Cursors(Value));
    ::SetCursor(Cursors(Value));
    return;
  }
  SetOverrideCursor(nullptr);
  // Let the window under the pointer choose its cursor again.
  ::SetCursor(Cursors(crDefault));
  POINT Point;
  GetCursorPos(&Point);
  if (const HWND Under = WindowFromPoint(Point)) {
    const LRESULT Hit = SendMessageA(Under, WM_NCHITTEST, 0, MAKELPARAM(Point.x, Point.y));
    SendMessageA(Under, WM_SETCURSOR, reinterpret_cast<WPARAM>(Under),
                 MAKELPARAM(static_cast<WORD>(Hit), WM_MOUSEMOVE));
  }
}

// ---------------------------------------------------------------------------------------
// THintWindow

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  FColor = clInfoBk;
  Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

void THintWindow::ActivateHint(POINT At, const std::string& Text) {
  SetCaption(Text);
  const HDC DC = GetDC(nullptr);
  TCanvas Canvas(DC);
  Canvas.Font.Assign(Font());
  RECT Area{0, 0, 300, 0};
  const HGDIOBJ Old = SelectObject(DC, Font().Handle());
  DrawTextA(DC, Text.c_str(), -1, &Area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  SetBounds(At.x, At.y, Area.right + 8, Area.bottom + 6);
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHint() { SetVisible(false); }

void THintWindow::PaintContent(TCanvas& Canvas) {
  RECT Area = ClientRect();
  Area.left += 3;
  Area.top += 2;
  Canvas.TextRect(Area, Caption(), DT_WORDBREAK | DT_NOPREFIX);
}

// ---------------------------------------------------------------------------------------
// TApplication

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

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  StopHintTimer();
  SetMouseWatcher(nullptr);
  SetExceptionReporter(nullptr);
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX Controls{sizeof Controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&Controls);
  SetExceptionReporter(ReportToApplication);
  SetMouseWatcher(WatchMouse);
}

void TApplication::Run() {
  if (FMainForm)
    FMainForm->Show();
  MSG Msg;
  while (!FTerminated && GetMessageA(&Msg, nullptr, 0, 0) > 0)
    HandleMessage(Msg);
  FTerminated = true;
}

bool TApplication::HandleMessage(MSG& Msg) {
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  TranslateMessage(&Msg);
  DispatchMessageA(&Msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG Msg;
  while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE))
    if (!HandleMessage(Msg))
      break;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ShowException(const std::exception& E) {
  const HWND Owner = FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
  MessageBoxA(Owner, E.what(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HintMouseMessage(UINT Msg, TControl* Control) {
  if (Msg != WM_MOUSEMOVE) {
    CancelHint();
    return;
  }
  TControl* Candidate =
      ShowHint && Control && Control->ShowHint() && !Control->Hint().empty() ? Control : nullptr;
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
  StopHintTimer();
  if (FHintWindow && FHintShown)
    FHintWindow->ReleaseHint();
  FHintShown = false;
  if (FHintControl)
    FHintControl->RemoveFreeNotification(this);
  FHintControl = nullptr;
}

void TApplication::ShowPendingHint() {
  StopHintTimer();
  if (!FHintControl)
    return;
  if (FHintShown) {
    FHintWindow->ReleaseHint();
    FHintShown = false;
    return;
  }
  if (!FHintWindow)
    FHintWindow = MakeComponent<THintWindow>(this);
  POINT At;
  GetCursorPos(&At);
  At.y += GetSystemMetrics(SM_CYCURSOR) * 3 / 4;
  FHintWindow->ActivateHint(At, FHintControl->Hint());
  FHintShown = true;
  StartHintTimer(HintHidePause);
}

void TApplication::ShowHintAt(TControl* Control, POINT At) {
  if (!Control || !ShowHint || Control->Hint().empty())
    return;
  CancelHint();
  if (!FHintWindow)
    FHintWindow = MakeComponent<THintWindow>(this);
  FHintControl = Control;
  FHintControl->FreeNotification(this);
  FHintWindow->ActivateHint(At, Control->Hint());
  FHintShown = true;
  StartHintTimer(HintHidePause);
}

void TApplication::StartHintTimer(UINT Milliseconds) {
  StopHintTimer();
  FHintTimer = SetTimer(nullptr, 0, Milliseconds, HintTimerProc);
}

void TApplication::StopHintTimer() {
  if (FHintTimer) {
    KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
  }
}

void CALLBACK TApplication::HintTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  if (Application)
    Application->ShowPendingHint();
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

// ---------------------------------------------------------------------------------------

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
