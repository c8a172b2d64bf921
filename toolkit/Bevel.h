#pragma once
// A windowless sunken box or etched frame.

#include <string>

#include "toolkit/GraphicControl.h"

enum class TBevelShape { bsBox, bsFrame };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::string ClassName() const override { return "TBevel"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  TBevelShape Shape = TBevelShape::bsBox;
  TBevelStyle Style = TBevelStyle::bsLowered;

protected:
  void Paint() override;
};
