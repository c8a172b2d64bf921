#pragma once
// Panels, pictures and bevels.

#include <string>

#include "toolkit/Controls.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TPanel"; }
  TPanelBevel BevelOuter = TPanelBevel::bvRaised;

protected:
  void PaintContent(TCanvas& Canvas) override;
};

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  std::string ClassName() const override { return "TImage"; }
  TPicture& Picture() { return FPicture; }
  void Paint(TCanvas& Canvas) override;

private:
  TPicture FPicture;
};

enum class TBevelShape { bsBox, bsFrame };

class TBevel : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::string ClassName() const override { return "TBevel"; }
  TBevelShape Shape = TBevelShape::bsBox;
  void Paint(TCanvas& Canvas) override;
};
