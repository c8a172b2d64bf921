#include "controls/SeCustomForm.h"

#include "gfx/VisualStyles.h"
#include "toolkit/GdiGuards.h"

namespace {

constexpr TSeBorderIcons Bit(TSeBorderIcon Icon) { return static_cast<TSeBorderIcons>(1u << Icon); }

void AssignLogFont(TFont& Font, const LOGFONTW& Log) {
  Font.SetName(ToolkitText(Log.lfFaceName));
  Font.SetHeight(Log.lfHeight);
  Font.SetStyle(static_cast<uint8_t>((Log.lfWeight >= FW_SEMIBOLD ? fsBold : 0) |
                                     (Log.lfItalic ? fsItalic : 0)));
  Font.SetCharset(Log.lfCharSet);
}

} // namespace

TSeCustomForm::TSeCustomForm(TComponent* AOwner)
    : TSeHook(AOwner), FForm(dynamic_cast<TForm*>(AOwner)),
      FBorderIcons(Bit(qbiClose) | Bit(qbiSystemMenu) | Bit(qbiMinimize) | Bit(qbiMaximize)) {
  ReadMetrics();
  if (FForm) {
    // The form's own border icons decide which buttons the frame may show.
    if (!FForm->MinimizeBox)
      FBorderIcons &= static_cast<TSeBorderIcons>(~Bit(qbiMinimize));
    if (!FForm->MaximizeBox)
      FBorderIcons &= static_cast<TSeBorderIcons>(~Bit(qbiMaximize));
  }
}

void TSeCustomForm::Loaded() {
  TSeHook::Loaded();
  SetControl(FForm);
  RefreshFrame();
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

TSeFrameLayout TSeCustomForm::Layout() const {
  TSeFrameLayout Layout;
  Layout.BorderStyle = FBorderStyle;
  Layout.BorderIcons = FBorderIcons;
  Layout.Maximized = Maximized();
  Layout.Themed = VisualStylesActive();
  Layout.Metrics = FMetrics;
  return Layout;
}

TRect TSeCustomForm::GetFrameClientRect() const {
  return PlainFrameClientRect(Layout(), FWidth, FHeight);
}

TSeFrameZone TSeCustomForm::HitTest(int X, int Y) const {
  return PlainHitTest(Layout(), FWidth, FHeight, X, Y);
}

void TSeCustomForm::RefreshFrame() {
  if (!Active() || !FForm || !FForm->HandleAllocated())
    return;
  const HWND Wnd = FForm->Handle();
  RECT Before;
  GetClientRect(Wnd, &Before);
  // A change of size makes the platform ask for the frame again.
  RECT Window;
  GetWindowRect(Wnd, &Window);
  const int W = Window.right - Window.left, H = Window.bottom - Window.top;
  constexpr UINT Flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(Wnd, nullptr, 0, 0, W, H + 1, Flags);
  SetWindowPos(Wnd, nullptr, 0, 0, W, H, Flags);
  RECT After;
  GetClientRect(Wnd, &After);
  const int DW = (Before.right - Before.left) - (After.right - After.left);
  const int DH = (Before.bottom - Before.top) - (After.bottom - After.top);
  if (DW != 0 || DH != 0)
    SetWindowPos(Wnd, nullptr, 0, 0, W + DW, H + DH, Flags);
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
    SizeChanging(Message);
    break;
  case WM_NCPAINT:
    PaintFrame();
    Message.Result = 0;
    SetHandled();
    break;
  case WM_NCACTIVATE:
    FActiveWindow = Message.WParam != 0;
    PaintFrame();
    Message.Result = 1;
    SetHandled();
    break;
  case WM_THEMECHANGED:
    ReadMetrics();
    Message.Result = 0;
    SetHandled();
    break;
  default:
    break;
  }
}

void TSeCustomForm::AfterMessage(TMessage& Message) {
  if (Message.Msg == WM_WINDOWPOSCHANGED && (FWidth != FRegionWidth || FHeight != FRegionHeight))
    UpdateRegion();
}

HRGN TSeCustomForm::CreateFrameRegion() {
  const RECT Full{0, 0, FWidth, FHeight};
  if (FBorderStyle != qbsNone && VisualStylesActive()) {
    const TWindowDC Screen(nullptr);
    const int Part = FBorderStyle == qbsStandard ? 1 : 2; // caption, small caption
    if (HRGN Region = ThemePartRegion(FForm->Handle(), Screen.DC(), L"Window", Part, 1, Full))
      return Region;
  }
  return CreateRectRgnIndirect(&Full);
}

void TSeCustomForm::UpdateRegion() {
  if (!FForm || !FForm->HandleAllocated() || FWidth <= 0 || FHeight <= 0)
    return;
  FRegionWidth = FWidth;
  FRegionHeight = FHeight;
  // The window owns the region from here on.
  SetWindowRgn(FForm->Handle(), CreateFrameRegion(), TRUE);
}

void TSeCustomForm::SizeChanging(TMessage& Message) {
  const auto* Pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if (!(Pos->flags & SWP_NOSIZE)) {
    FWidth = Pos->cx;
    FHeight = Pos->cy;
  }
}

void TSeCustomForm::CalcSize(TMessage& Message) {
  auto* Rects = reinterpret_cast<RECT*>(Message.LParam); // the first is the proposed window
  const TRect Window{Rects[0].left, Rects[0].top, Rects[0].right, Rects[0].bottom};
  if (Window.Width() != FWidth || Window.Height() != FHeight) {
    FWidth = Window.Width();
    FHeight = Window.Height();
  }
  const TRect Client = NonClientClientRect(Window, GetFrameClientRect(), FWidth, FHeight);
  Rects[0] = {Client.Left, Client.Top, Client.Right, Client.Bottom};
  if (Message.WParam)
    reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[1] = Rects[0];
  Message.Result = 0;
  SetHandled();
}

void TSeCustomForm::HitTestMessage(TMessage& Message) {
  RECT Window;
  GetWindowRect(FForm->Handle(), &Window);
  const int X = static_cast<short>(LOWORD(Message.LParam)) - Window.left;
  const int Y = static_cast<short>(HIWORD(Message.LParam)) - Window.top;
  Message.Result =
      ZoneHitTestCode(HitTest(X, Y), FDragging.Moveable, FDragging.Sizeable, Maximized());
  SetHandled();
}
