#pragma once
// The platform's own edit in a windowed control: a control that takes the focus and is no
// button, for tests of where the focus goes.

#include <windows.h>

#include "toolkit/WinControl.h"

class TPlainEdit : public TWinControl {
public:
  explicit TPlainEdit(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.WinClassName = L"EDIT";
    Params.Style |= ES_AUTOHSCROLL;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};
