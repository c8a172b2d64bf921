#pragma once
// The windowless control: it paints on its parent's window through a canvas of its own
// (its pen, brush and font are nobody else's) and takes the messages its parent routes to it.

#include <string>

#include "toolkit/Control.h"

class TGraphicControl : public TControl {
public:
  using TControl::TControl;
  std::string ClassName() const override { return "TGraphicControl"; }
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  // Draws the control on Canvas(), whose origin is the control's top-left corner.
  virtual void Paint() {}
  TCanvas& Canvas() { return FCanvas; }

private:
  TCanvas FCanvas;
};
