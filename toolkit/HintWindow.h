#pragma once
// The small window that shows a control's hint text.

#include <windows.h>

#include <string>

#include "toolkit/CustomControl.h"

class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "THintWindow"; }
  // Shows Text with its top-left corner at the screen point At.
  void ActivateHint(POINT At, const std::string& Text);
  void ReleaseHint();

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};
