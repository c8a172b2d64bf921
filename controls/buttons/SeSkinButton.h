#pragma once
// The skinned push button: face and caption drawn from the skin object "Button" (its "Face"
// in the button's state, its "Text" font), the glyph as the plain button draws it. A masked
// face makes the button see-through, so that the parent shows at its rounded corners.
// Without a usable skin it is the plain button.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/buttons/SeCustomButton.h"
#include "skin/SkinTypes.h"

class TSeSkinButton : public TSeSkinned<TSeCustomButton> {
public:
  explicit TSeSkinButton(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinButton"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value) { FShowCaption = Value; }
  bool ShowGlyph() const { return FShowGlyph; }
  void SetShowGlyph(bool Value) { FShowGlyph = Value; }

  // Disabled, pressed, hot, focused (or the dialog's default), or normal.
  TSeState ObjectState() const;

protected:
  void PaintFace() override;
  void PaintGlyph() override;
  void PaintCaption() override;
  // A masked "Face" bitmap makes the button Transparent, any other face opaque.
  void SkinAttached(TSeSkinObject& Copy) override;

private:
  bool FShowCaption = true;
  bool FShowGlyph = true;
};
