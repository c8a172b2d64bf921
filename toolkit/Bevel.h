#pragma once
// A windowless sunken box or etched frame.

#include <string>

#include "toolkit/GraphicControl.h"

enum class TBevelShape { bsBox, bsFrame };

class TBevel : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::string ClassName() const override { return "TBevel"; }
  TBevelShape Shape = TBevelShape::bsBox;

protected:
  void Paint() override;
};
