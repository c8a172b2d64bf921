#pragma once
// A plain panel with an optional bevel.

#include <string>

#include "toolkit/CustomControl.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TPanel"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  // The outer edge, and the one drawn inside it.
  TPanelBevel BevelOuter = TPanelBevel::bvRaised;
  TPanelBevel BevelInner = TPanelBevel::bvNone;

protected:
  void Paint() override;
};
