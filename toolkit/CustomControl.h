#pragma once
// A windowed control of the toolkit's own class that paints itself on a canvas of its own.

#include <string>

#include "toolkit/WinControl.h"

class TCustomControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TCustomControl"; }

protected:
  // Draws the control's content on Canvas(); the background is already erased with Color.
  virtual void Paint() {}
  TCanvas& Canvas() { return FCanvas; }
  void PaintWindow(HDC DC) override;

private:
  TCanvas FCanvas;
};
