#pragma once
// The skinned label: the plain label in the colour and font of the skin object "Label".

#include <string>

#include "controls/base/Skinned.h"
#include "controls/labels/SeCustomLabel.h"

class TSeSkinLabel : public TSeSkinned<TSeCustomLabel> {
public:
  explicit TSeSkinLabel(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinLabel"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

protected:
  void SkinAttached(TSeSkinObject& Copy) override;
};
