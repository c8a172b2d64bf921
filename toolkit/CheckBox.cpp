#include "toolkit/CheckBox.h"

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TCheckBox::SetChecked(bool Value) {
  if (Value == FChecked)
    return;
  FChecked = Value;
  if (HandleAllocated())
    SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
  Click();
}

void TCheckBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"BUTTON";
  Params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

LRESULT TCheckBox::CNCommand(WORD Code) {
  if (Code == BN_CLICKED) {
    FChecked = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    Click();
  }
  return 0;
}
