#include "controls/buttons/SeSkinCheckBox.h"

#include "skin/SkinTypes.h"
#include "toolkit/Published.h"

TSeSkinCheckBox::TSeSkinCheckBox(TComponent* AOwner) : TSeSkinned(AOwner, "CheckBox") {}

const TPropTable& TSeSkinCheckBox::Properties() {
  using C = TSeSkinCheckBox;
  static const TPropTable Table(
      &TSeCustomCheckBox::Properties(),
      {SkinEngineProp<C>(), SkinObjectProp<C>(), SkinVersionProp<C>()});
  return Table;
}

SIZE TSeSkinCheckBox::GetGlyphSize() const {
  if (Skinned())
    if (const TSeSkinObject* Glyph = FindSkinPart("Checked"))
      return {Glyph->Width(), Glyph->Height()};
  return TSeCustomCheckBox::GetGlyphSize();
}

void TSeSkinCheckBox::SkinAttached(TSeSkinObject&) {
  Font().Assign(SkinPart("Text")->Font);
  FontChanged();
}

void TSeSkinCheckBox::PaintGlyph() {
  if (!Skinned()) {
    TSeCustomCheckBox::PaintGlyph();
    return;
  }
  const TSeState SkinState = !Enabled()         ? osDisabled
                             : MouseInControl() ? osHot
                             : FocusedFlag()    ? osFocused
                                                : osNormal;
  TSeSkinObject* Glyph = FindSkinPart(State() == cbChecked  ? "Checked"
                                      : State() == cbGrayed ? "Mixed"
                                                            : "Unchecked");
  if (Glyph) {
    Glyph->SetState(SkinState);
    Glyph->SetBounds(GlyphRect());
    Glyph->Draw(Canvas());
  }
  // The caption takes the font of "Text" (else of the glyph) in the same state.
  TSeSkinObject* Text = FindSkinPart("Text");
  if (!Text)
    Text = Glyph;
  if (Text) {
    Text->SetState(SkinState);
    PaintFont().Assign(Text->GetFont());
  }
}
