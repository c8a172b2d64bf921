#pragma once
// A plain frame with a caption around a group of controls.

#include <string>

#include "toolkit/CustomControl.h"

class TGroupBox : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TGroupBox"; }

protected:
  void Paint() override;
};
