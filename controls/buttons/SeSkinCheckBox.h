#pragma once
// The skinned check box: the plain box's mechanics with its glyph drawn by the skin object
// "CheckBox" ("Checked", "Mixed" or "Unchecked" by the state) and its caption in the skin's
// font for the box's state. Without a usable skin it is the plain box.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/buttons/SeCustomCheckBox.h"

class TSeSkinCheckBox : public TSeSkinned<TSeCustomCheckBox> {
public:
  explicit TSeSkinCheckBox(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinCheckBox"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The skin's "Checked" glyph, where the skin has one.
  SIZE GetGlyphSize() const override;

protected:
  void PaintGlyph() override;
  // The font of "Text" (or of the whole object) becomes the control's.
  void SkinAttached(TSeSkinObject& Copy) override;
};
