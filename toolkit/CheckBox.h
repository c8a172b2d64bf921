#pragma once
// The platform's check box.

#include <string>

#include "toolkit/WinControl.h"

class TCheckBox : public TWinControl {
public:
  explicit TCheckBox(TComponent* AOwner);
  std::string ClassName() const override { return "TCheckBox"; }
  bool Checked() const { return FChecked; }
  // A change of state raises OnClick, as a click by the user does.
  void SetChecked(bool Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  LRESULT CNCommand(WORD Code) override;

private:
  bool FChecked = false;
};
