#include "controls/frame/SeCustomForm.h"

#include "controls/base/BackgroundCapture.h"
#include "controls/base/Platform.h"
#include "controls/frame/TrayIcon.h"
#include "gfx/VisualStyles.h"
#include "toolkit/Application.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ScopeGuards.h"

namespace {

constexpr TSeBorderIcons Bit(TSeBorderIcon Icon) { return static_cast<TSeBorderIcons>(1u << Icon); }

// SE_REFRESHFRAME's first parameter when the caption style is to be put back.
constexpr WPARAM RestoreCaptionStyle = 13;

} // namespace

TSeCustomForm::TSeCustomForm(TComponent* AOwner)
    : TSeHook(AOwner), FForm(dynamic_cast<TForm*>(AOwner)),
      FBorderIcons(Bit(qbiClose) | Bit(qbiSystemMenu) | Bit(qbiMinimize) | Bit(qbiMaximize)) {
  ReadMetrics();
  FCapture = std::make_unique<TSeBackgroundCapture>();
  FBlending.OnChange = [this](TObject*) { RefreshFrame(); };
  FShadow.OnChange = [this](TObject*) { RefreshFrame(); };
  if (FForm) {
    FCaption = FForm->Caption();
    // The form's own border icons decide which buttons the frame may show.
    if (!FForm->MinimizeBox)
      FBorderIcons &= static_cast<TSeBorderIcons>(~Bit(qbiMinimize));
    if (!FForm->MaximizeBox)
      FBorderIcons &= static_cast<TSeBorderIcons>(~Bit(qbiMaximize));
  }
}

TSeCustomForm::~TSeCustomForm() = default;

void TSeCustomForm::BeforeDestruction() {
  RemoveApplicationHandlers();
  FTrayIcon.reset(); // takes the icon away with it
  TSeHook::BeforeDestruction();
}

void TSeCustomForm::Loaded() {
  TSeHook::Loaded();
  SetControl(FForm);
  if (!FForm)
    return;
  if (std::exchange(FCaptionRead, false))
    FForm->SetCaption(FCaption);
  else
    FCaption = FForm->Caption();
  // Loading again (a hint form does, each time its hint shows) keeps the private window.
  if (!FTrayIcon) {
    FTrayIcon = std::make_unique<TSeTrayIcon>(SE_TRAYNOTIFY, 1);
    FTrayIcon->OnNotify = [this](UINT MouseMessage) {
      if (MouseMessage == WM_LBUTTONDBLCLK)
        Restore();
      else if (MouseMessage == WM_RBUTTONUP)
        ShowSystemMenu();
    };
  }
  HICON Icon = reinterpret_cast<HICON>(GetClassLongPtrW(FForm->Handle(), GCLP_HICONSM));
  if (!Icon)
    Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  FTrayIcon->SetIcon(
      Icon ? Icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512))); // the platform's application icon
  if (FStates.PreparePendingState()) {
    // Shown out of sight, at its size, until the state is applied.
    FForm->SetBounds(0, GetSystemMetrics(SM_CYSCREEN), FForm->Width(), FForm->Height());
    ShowWindow(FForm->Handle(), SW_SHOWNOACTIVATE);
    PostMessageW(FForm->Handle(), SE_SETWINDOWSTATE, FStates.PendingState(), 0);
  } else {
    TNotifyEvent Resize = std::move(FForm->OnResize);
    FForm->OnResize = nullptr;
    RefreshFrame();
    FForm->OnResize = std::move(Resize);
  }
  if (OnCreate)
    OnCreate(this);
  SetStayOnTop(FStayOnTop);
}

void TSeCustomForm::ReadMetrics() {
  FMetrics.BorderWidth = GetSystemMetrics(SM_CXFRAME);
  FMetrics.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
  FMetrics.SmallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
  FMetrics.ButtonWidth = GetSystemMetrics(SM_CXSIZE);
  FMetrics.ButtonHeight = GetSystemMetrics(SM_CYSIZE);
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0)) {
    AssignLogFont(FCaptionFont, Metrics.lfCaptionFont);
    AssignLogFont(FSmallCaptionFont, Metrics.lfSmCaptionFont);
  }
}

void TSeCustomForm::SetBorderStyle(TSeBorderStyle Value) {
  if (Value == FBorderStyle)
    return;
  FBorderStyle = Value;
  if (!Loading())
    RefreshFrame();
}

void TSeCustomForm::SetBorderIcons(TSeBorderIcons Value) {
  if (Value == FBorderIcons)
    return;
  FBorderIcons = Value;
  if (!Loading())
    RefreshFrame();
}

void TSeCustomForm::SetConstraints(const TSeFrameConstraints& Value) {
  FConstraints = Value;
  if (!Loading())
    RefreshFrame();
}

void TSeCustomForm::SetStayOnTop(bool Value) {
  FStayOnTop = Value;
  if (FForm && FForm->HandleAllocated() && !Loading())
    SetWindowPos(FForm->Handle(), Value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void TSeCustomForm::SetCaption(const std::string& Value) {
  FCaption = Value;
  FCaptionRead = Loading(); // a stored caption goes to the form when the layout is in
  if (FForm && !FCaptionRead)
    FForm->SetCaption(Value);
}

TSeFrameLayout TSeCustomForm::Layout() const {
  TSeFrameLayout Layout;
  Layout.BorderStyle = FBorderStyle;
  Layout.BorderIcons = FBorderIcons;
  Layout.Maximized = Maximized();
  Layout.Minimized = WindowState() == qwsMinimized;
  Layout.RolledUp = WindowState() == qwsRollup;
  Layout.Themed = VisualStylesActive();
  Layout.Metrics = FMetrics;
  return Layout;
}

TRect TSeCustomForm::GetFrameClientRect() const {
  return PlainFrameClientRect(Layout(), FWidth, FHeight);
}

TRect TSeCustomForm::GetButtonRect(TSeFrameZone Button) const {
  return PlainButtonRect(Layout(), FWidth, FHeight, Button);
}

TSeFrameZone TSeCustomForm::HitTest(int X, int Y) const {
  return PlainHitTest(Layout(), FWidth, FHeight, X, Y);
}

TRect TSeCustomForm::GetMaximizedRect() {
  TRect Area = FForm && FForm->HandleAllocated() ? MonitorRectOfWindow(FForm->Handle(), !FStayOnTop)
                                                 : GetWorkArea(!FStayOnTop);
  // The plain frame's borders lie beyond the monitor's edges, as the platform's own do.
  const int Inset = GetFrameClientRect().Left;
  return {Area.Left - Inset, Area.Top - Inset, Area.Right + Inset, Area.Bottom + Inset};
}

TRect TSeCustomForm::GetRolledUpRect() {
  const TRect Client = GetFrameClientRect();
  const TRect Now = Bounds();
  return {Now.Left, Now.Top, Now.Left + FWidth, Now.Top + Client.Top + FHeight - Client.Bottom};
}

TRect TSeCustomForm::GetMinimizedRect() {
  const TRect Area = GetWorkArea(true);
  const int Width = GetSystemMetrics(SM_CXMINIMIZED);
  const TRect Rolled = GetRolledUpRect();
  return {Area.Left, Area.Bottom - Rolled.Height(), Area.Left + Width, Area.Bottom};
}

TPoint TSeCustomForm::GetMinSize() const {
  TPoint Min{FConstraints.MinWidth > 0 ? FConstraints.MinWidth : 150,
             FConstraints.MinHeight > 0 ? FConstraints.MinHeight : 40};
  // Never so small that the form's controls no longer show whole (measured only while the
  // client area is there to measure from).
  if (FForm && FForm->HandleAllocated() &&
      (WindowState() == qwsNormal || WindowState() == qwsMaximized)) {
    const TSize Need = FForm->MinimumSize();
    Min.X = std::max(Min.X, Need.Width - ShadowDepth());
    Min.Y = std::max(Min.Y, Need.Height - ShadowDepth());
  }
  return Min;
}

TPoint TSeCustomForm::GetMaxSize() {
  const TRect Max = GetMaximizedRect();
  return {FConstraints.MaxWidth > 0 ? FConstraints.MaxWidth : Max.Width(),
          FConstraints.MaxHeight > 0 ? FConstraints.MaxHeight : Max.Height()};
}

void TSeCustomForm::RefreshFrame() {
  if (!Active() || !FForm || !FForm->HandleAllocated() || Loading())
    return;
  const TSeCaptureBlock Blocked(*FCapture);
  const HWND Wnd = FForm->Handle();
  RECT Before;
  GetClientRect(Wnd, &Before);
  // A change of size makes the platform ask for the frame again.
  RECT Window;
  GetWindowRect(Wnd, &Window);
  const int W = Window.right - Window.left, H = Window.bottom - Window.top;
  constexpr UINT Flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  {
    // The window's shape is made once, for the size it ends at, not for each on the way.
    const TFlagScope Held(FRegionHeld);
    SetWindowPos(Wnd, nullptr, 0, 0, W, H + 1, Flags);
    SetWindowPos(Wnd, nullptr, 0, 0, W, H, Flags);
    RECT After;
    GetClientRect(Wnd, &After);
    const int DW = (Before.right - Before.left) - (After.right - After.left);
    const int DH = (Before.bottom - Before.top) - (After.bottom - After.top);
    if (DW != 0 || DH != 0)
      SetWindowPos(Wnd, nullptr, 0, 0, W + DW, H + DH, Flags);
  }
  UpdateRegionIfResized();
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TSeCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCCALCSIZE:
    CalcSize(Message);
    break;
  case WM_NCHITTEST:
    HitTestMessage(Message);
    break;
  case WM_WINDOWPOSCHANGING:
    PositionChanging(Message);
    break;
  case WM_NCPAINT:
    PaintFrame();
    Message.Result = 0;
    SetHandled();
    break;
  case WM_NCACTIVATE:
    FActiveWindow = Message.WParam != 0;
    InstallApplicationHandlers();
    PaintFrame();
    Message.Result = 1;
    SetHandled();
    break;
  case WM_MOUSEACTIVATE:
    // The platform leaves a press on the caption to its own caption handling to activate the
    // window, and the frame replaces that handling: it is activated here, as a press on the
    // client area is, brought to the foreground and given the keyboard.
    if (LOWORD(Message.LParam) == HTCAPTION) {
      Message.Result = MA_ACTIVATE;
      SetHandled();
    }
    break;
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONUP:
  case WM_NCLBUTTONDBLCLK:
  case WM_NCRBUTTONDOWN:
  case WM_NCRBUTTONUP:
  case WM_NCMOUSEMOVE:
  case WM_MOUSEMOVE:
  case WM_LBUTTONUP:
  case WM_CAPTURECHANGED:
    MouseMessage(Message);
    break;
  case WM_ACTIVATE:
    // Minimized by other means than the frame's (the platform's shortcuts).
    if (LOWORD(Message.WParam) == WA_INACTIVE && HIWORD(Message.WParam) &&
        WindowState() != qwsMinimized && WindowState() != qwsTray)
      Minimize();
    break;
  case WM_SYSCOMMAND:
    SystemCommand(Message);
    break;
  case WM_ERASEBKGND:
    EraseBackground(Message);
    break;
  case WM_THEMECHANGED:
    ReadMetrics();
    Message.Result = 0;
    SetHandled();
    break;
  case SE_REFRESHFRAME:
    if (Message.WParam == RestoreCaptionStyle && FForm->HandleAllocated()) {
      const HWND Wnd = FForm->Handle();
      SetWindowLongW(Wnd, GWL_STYLE, GetWindowLongW(Wnd, GWL_STYLE) | WS_CAPTION);
    }
    PaintFrame();
    SetHandled();
    break;
  case SE_MAXIMIZE:
    Maximize();
    SetHandled();
    break;
  case SE_SETWINDOWSTATE:
    FStates.ApplyStateMessage(Message.WParam);
    SetHandled();
    break;
  default:
    break;
  }
}

void TSeCustomForm::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
  case WM_WINDOWPOSCHANGED:
    if (!FRegionHeld)
      UpdateRegionIfResized();
    break;
  case WM_GETTEXT:
    CaptionTextSeen(Message);
    break;
  case WM_NCACTIVATE:
    if (!HasOwnerWindow())
      PaintFrame();
    break;
  case WM_SYSCOMMAND:
    if ((Message.WParam & 0xFFF0) == SC_CONTEXTHELP)
      PaintFrame();
    break;
  default:
    break;
  }
}

void TSeCustomForm::CaptionTextSeen(TMessage& Message) {
  if (Message.WParam == 0 || Message.Result < 0)
    return;
  const auto* Text = reinterpret_cast<const wchar_t*>(Message.LParam);
  const std::wstring Seen(Text, static_cast<size_t>(Message.Result));
  if (Seen == FLastText)
    return;
  FLastText = Seen;
  FCaption = ToolkitText(Seen);
  // Without its caption style the window's own text handling paints no caption over the
  // frame; the refresh puts the style back and paints the frame with the new text.
  const HWND Wnd = FForm->Handle();
  SetWindowLongW(Wnd, GWL_STYLE, GetWindowLongW(Wnd, GWL_STYLE) & ~WS_CAPTION);
  PostMessageW(Wnd, SE_REFRESHFRAME, RestoreCaptionStyle, 0);
}

TRegionHandle TSeCustomForm::CreateFrameRegion() {
  const RECT Full{0, 0, FWidth, FHeight};
  if (FBorderStyle != qbsNone && VisualStylesActive()) {
    const TWindowDC Screen(nullptr);
    const int Part = FBorderStyle == qbsStandard ? 1 : 2; // caption, small caption
    if (TRegionHandle Region =
            ThemePartRegion(FForm->Handle(), Screen.DC(), L"Window", Part, 1, Full))
      return Region;
  }
  return TRegionHandle(CreateRectRgnIndirect(&Full));
}

void TSeCustomForm::UpdateRegionIfResized() {
  if (FWidth != FRegionWidth || FHeight != FRegionHeight)
    UpdateRegion();
}

void TSeCustomForm::UpdateRegion() {
  if (!FForm || !FForm->HandleAllocated() || FWidth <= 0 || FHeight <= 0)
    return;
  FRegionWidth = FWidth;
  FRegionHeight = FHeight;
  const int S = ShadowDepth();
  if (FPerformance == qzfpPersistentBuffer)
    FPersistent.SetSize(FWidth + S, FHeight + S);
  const bool WasEnabled = FPaintEnabled;
  FPaintEnabled = false;
  TRegionHandle Region = CreateFrameRegion();
  if (S > 0 && Region) {
    // The shadow is the frame's shape again, moved down and right.
    const TRegionHandle Shadow(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(Shadow.get(), Region.get(), nullptr, RGN_COPY);
    OffsetRgn(Shadow.get(), S, S);
    CombineRgn(Region.get(), Region.get(), Shadow.get(), RGN_OR);
  }
  // The window owns the region from here on.
  SetWindowRgn(FForm->Handle(), Region.release(), TRUE);
  FPaintEnabled = WasEnabled;
  if (OnResize)
    OnResize(this);
}

int32_t TSeCustomForm::ShadowDepth() const {
  return FShadow.Enabled() && FShadow.Size() > 0 && !Maximized() ? FShadow.Size() : 0;
}

void TSeCustomForm::SetWindowSize(int WW, int WH) {
  const int S = ShadowDepth();
  FWidth = WW - S;
  FHeight = WH - S;
}

void TSeCustomForm::PositionChanging(TMessage& Message) {
  auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  if ((Pos->flags & SWP_NOSIZE) && (Pos->flags & SWP_NOMOVE) && !(Pos->flags & SWP_SHOWWINDOW))
    return;
  const int S = ShadowDepth();
  if (!(Pos->flags & SWP_NOSIZE)) {
    const TPoint Max = GetMaxSize();
    Pos->cx = std::min(Pos->cx, Max.X + S);
    Pos->cy = std::min(Pos->cy, Max.Y + S);
    if (WindowState() != qwsRollup && WindowState() != qwsMinimized) {
      const TPoint Min = GetMinSize();
      Pos->cx = std::max(Pos->cx, Min.X + S);
      Pos->cy = std::max(Pos->cy, Min.Y + S);
    }
    if ((Pos->cx - S != FWidth || Pos->cy - S != FHeight) && !(Pos->flags & SWP_FRAMECHANGED))
      SetWindowSize(Pos->cx, Pos->cy);
  }
  if (Pos->flags & SWP_FRAMECHANGED)
    PaintFrame();
  const bool Effects = FBlending.Enabled() || FShadow.Enabled();
  if (FForm->HandleAllocated()) {
    RECT Now;
    GetWindowRect(FForm->Handle(), &Now);
    const TRect Target{(Pos->flags & SWP_NOMOVE) ? Now.left : Pos->x,
                       (Pos->flags & SWP_NOMOVE) ? Now.top : Pos->y, 0, 0};
    const TRect Screen{Target.Left, Target.Top,
                       Target.Left + ((Pos->flags & SWP_NOSIZE) ? Now.right - Now.left : Pos->cx),
                       Target.Top + ((Pos->flags & SWP_NOSIZE) ? Now.bottom - Now.top : Pos->cy)};
    if (Effects)
      CaptureBackground(Screen);
    if ((Pos->flags & SWP_SHOWWINDOW) && !FStates.HasPendingState() && FAnimation.Enabled())
      PlayShowAnimation(Screen);
  }
  if (Effects)
    Pos->flags |= SWP_NOCOPYBITS;
  Message.Result = 0;
  SetHandled();
}

void TSeCustomForm::CaptureBackground(const TRect& ScreenRect) {
  // The shadow's background is not wanted while the window fills the monitor.
  if (!FBlending.Enabled() && (WindowState() == qwsMaximized || PreviousState() == qwsMaximized))
    return;
  FCapture->Capture(FForm->Handle(), ScreenRect);
}

void TSeCustomForm::CalcSize(TMessage& Message) {
  auto* Rects = reinterpret_cast<RECT*>(Message.LParam); // the first is the proposed window
  const TRect Window{Rects[0].left, Rects[0].top, Rects[0].right, Rects[0].bottom};
  SetWindowSize(Window.Width(), Window.Height());
  const TRect Client =
      NonClientClientRect(Window, GetFrameClientRect(), Window.Width(), Window.Height());
  Rects[0] = {Client.Left, Client.Top, Client.Right, Client.Bottom};
  if (Message.WParam)
    reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[1] = Rects[0];
  Message.Result = 0;
  SetHandled();
}

void TSeCustomForm::HitTestMessage(TMessage& Message) {
  const POINT P = WindowPoint(Message.LParam);
  Message.Result =
      ZoneHitTestCode(HitTest(P.x, P.y), FDragging.Moveable, FDragging.Sizeable, Maximized());
  SetHandled();
}

POINT TSeCustomForm::WindowPoint(LPARAM ScreenPoint) const {
  RECT Window;
  GetWindowRect(FForm->Handle(), &Window);
  return {static_cast<short>(LOWORD(ScreenPoint)) - Window.left,
          static_cast<short>(HIWORD(ScreenPoint)) - Window.top};
}

void TSeCustomForm::SystemCommand(TMessage& Message) {
  switch (Message.WParam & 0xFFF0) {
  // The frame's own system menu, and not the platform's as well.
  case SC_KEYMENU:
    if (Message.LParam == ' ') {
      SetHandled();
      ShowSystemMenu();
    }
    break;
  case SC_MOUSEMENU:
    SetHandled();
    ShowSystemMenu();
    break;
  case SC_RESTORE:
    Restore();
    break;
  case SC_MINIMIZE:
    if (FOwnMinimize) {
      // The command the frame posted itself: the platform's minimize carries it out.
      FOwnMinimize = false;
      ShowWindow(FForm->Handle(), SW_MINIMIZE);
    } else {
      Minimize();
    }
    break;
  default:
    break;
  }
}
