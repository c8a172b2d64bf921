#include "toolkit/HintWindow.h"

#include "toolkit/GdiGuards.h"

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
  RECT Area{0, 0, 300, 0};
  {
    const TWindowDC Screen(nullptr);
    const TSelectObject Font(Screen.DC(), this->Font().Handle());
    DrawTextW(Screen.DC(), WindowText(Text).c_str(), -1, &Area,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  // The border takes a pixel on each side.
  SetBounds(At.x, At.y, Area.right + 8, Area.bottom + 6);
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHint() { SetVisible(false); }

void THintWindow::Paint() {
  RECT Area = ClientRect();
  Area.left += 3;
  Area.top += 2;
  Canvas().TextRect(Area, Caption(), DT_WORDBREAK | DT_NOPREFIX);
}
