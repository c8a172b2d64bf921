#include "toolkit/Button.h"

#include "toolkit/ControlMessages.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"BUTTON";
  Params.Style |= Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

LRESULT TButton::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == CM_DIALOGKEY) {
    const bool Mine =
        (WParam == VK_RETURN && (Default || Focused())) || (WParam == VK_ESCAPE && Cancel);
    if (!Mine || !CanFocus())
      return 0;
    Click();
    return 1;
  }
  return TWinControl::WndProc(Msg, WParam, LParam);
}

LRESULT TButton::CNCommand(WORD Code) {
  if (Code == BN_CLICKED)
    Click();
  return 0;
}
