#pragma once
// The platform's push button; Enter clicks the focused or the default one, Escape the
// cancel one.

#include <string>

#include "toolkit/WinControl.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* AOwner);
  std::string ClassName() const override { return "TButton"; }
  bool Default = false;
  bool Cancel = false;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  LRESULT CNCommand(WORD Code) override;
};
