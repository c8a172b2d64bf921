#pragma once
// A windowless text label.

#include <string>

#include "toolkit/GraphicControl.h"

class TLabel : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::string ClassName() const override { return "TLabel"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // With AutoSize on (the default) an unwrapped label is as large as its text.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

protected:
  void Paint() override;
  void CaptionChanged() override { AdjustBounds(); }
  void DoFontChanged() override { AdjustBounds(); }

private:
  void AdjustBounds();
  bool FWordWrap = false;
  bool FAutoSize = true;
};
