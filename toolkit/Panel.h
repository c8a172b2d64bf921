#pragma once
// A plain panel with an optional bevel.

#include <string>

#include "toolkit/CustomControl.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TPanel"; }
  TPanelBevel BevelOuter = TPanelBevel::bvRaised;

protected:
  void Paint() override;
};
