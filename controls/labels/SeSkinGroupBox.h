#pragma once
// The skinned group box: the frame from the skin object "GroupBox"'s "Frame" (not showing
// behind the caption), the caption on its "Caption" in that part's font, and a skinned check
// box on the same engine. Without a usable skin it is the plain box.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/labels/SeCustomGroupBox.h"

class TSeSkinGroupBox : public TSeSkinned<TSeCustomGroupBox> {
public:
  explicit TSeSkinGroupBox(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinGroupBox"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The embedded check box takes the same engine and is laid out again.
  void SetSkinEngine(TSeSkinEngine* Engine);
  TRect GetCaptionRect() override;

protected:
  TSeCustomCheckBox* CreateCheckBox() override;
  void PaintClient() override;
  // A masked "Frame" makes the box see-through.
  void SkinAttached(TSeSkinObject& Copy) override;
};
