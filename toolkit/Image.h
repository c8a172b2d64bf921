#pragma once
// A windowless picture.

#include <string>

#include "toolkit/GraphicControl.h"

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  std::string ClassName() const override { return "TImage"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  TPicture& Picture() { return FPicture; }

protected:
  void Paint() override;

private:
  TPicture FPicture;
};
