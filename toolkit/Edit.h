#pragma once
// The platform's single-line edit.

#include <string>

#include "toolkit/WinControl.h"

class TEdit : public TWinControl {
public:
  explicit TEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TEdit"; }
  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& Value) { SetCaption(Value); }
  bool ReadOnly = false;

protected:
  void CreateParams(TCreateParams& Params) override;
  LRESULT CNCommand(WORD Code) override;
};
