#include "toolkit/HintWindow.h"

#include "toolkit/GdiGuards.h"

THintWindow::THintWindow(TComponent* AOwner) : TForm(AOwner) {
  Position = TPosition::poDesigned;
  MinimizeBox = false;
  FColor = clInfoBk;
  Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | BiDiModeExStyle();
}

LRESULT THintWindow::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  // The pointer's messages go to whatever lies beneath.
  if (Msg == WM_NCHITTEST)
    return HTTRANSPARENT;
  return TForm::WndProc(Msg, WParam, LParam);
}

RECT THintWindow::TextBlock(const std::string& Text, int MaxWidth, UINT Format) const {
  RECT Area{0, 0, MaxWidth, 0};
  const TScreenScratchDC Screen;
  SelectObject(Screen.DC(), Font().Handle());
  DrawTextW(Screen.DC(), WindowText(Text).c_str(), -1, &Area,
            DT_CALCRECT | DT_NOPREFIX | Format | DrawTextBiDiModeFlagsReadingOnly());
  return Area;
}

RECT THintWindow::CalcHintRect(int MaxWidth, const std::string& Text, void*) {
  RECT Area = TextBlock(Text, MaxWidth, DT_LEFT | DT_WORDBREAK);
  // The border and two pixels on every side.
  Area.right += 6;
  Area.bottom += 6;
  return Area;
}

RECT THintWindow::KeptOnDesktop(RECT Rect) {
  const int Width = Rect.right - Rect.left, Height = Rect.bottom - Rect.top;
  const int DesktopLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int DesktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int DesktopHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (Rect.top + Height > DesktopHeight)
    Rect.top = DesktopHeight - Height;
  if (Rect.left + Width > DesktopWidth)
    Rect.left = DesktopWidth - Width;
  if (Rect.left < DesktopLeft)
    Rect.left = DesktopLeft;
  return {Rect.left, Rect.top, Rect.left + Width, Rect.top + Height};
}

void THintWindow::ShowTopmost(const RECT& Place) {
  SetWindowPos(Handle(), HWND_TOPMOST, Place.left, Place.top, Place.right - Place.left,
               Place.bottom - Place.top, SWP_NOACTIVATE);
  SetVisible(true);
}

void THintWindow::ActivateHint(const RECT& Rect, const std::string& Text) {
  const TActivation Activation(*this);
  SetCaption(Text);
  const RECT Place = KeptOnDesktop(Rect);
  SetBounds(Place.left, Place.top, Place.right - Place.left, Place.bottom - Place.top);
  ShowTopmost(Place);
  Invalidate();
}

void THintWindow::ActivateHintData(const RECT& Rect, const std::string& Text, void*) {
  ActivateHint(Rect, Text);
}

void THintWindow::ReleaseHint() { SetVisible(false); }

void THintWindow::VisibleChanged() {
  // Never activated, never moved in the z-order by hiding.
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void THintWindow::CaptionChanged() {
  TForm::CaptionChanged();
  if (FActivating)
    return;
  const RECT Area = TextBlock(Caption(), 0, 0);
  const SIZE Padding = TextPadding();
  SetBounds(Left(), Top(), Area.right + Padding.cx, Area.bottom + Padding.cy);
}

bool THintWindow::IsHintMsg(const MSG& Msg) const {
  const UINT M = Msg.message;
  return (M >= WM_KEYFIRST && M <= WM_KEYLAST) || (M > WM_MOUSEMOVE && M <= WM_MOUSELAST) ||
         M == WM_NCMOUSEMOVE || M == WM_COMMAND || M == WM_SYSCOMMAND || M == WM_ACTIVATEAPP;
}

void THintWindow::Paint() {
  RECT Area = ClientRect();
  Area.left += 2;
  Area.top += 2;
  Canvas().TextRect(Area, Caption(),
                    DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DrawTextBiDiModeFlagsReadingOnly());
}
