#include "controls/SeSkinLabel.h"

#include "toolkit/Published.h"

TSeSkinLabel::TSeSkinLabel(TComponent* AOwner) : TSeSkinned(AOwner, "Label") {}

const TPropTable& TSeSkinLabel::Properties() {
  using C = TSeSkinLabel;
  static const TPropTable Table(
      &TSeCustomLabel::Properties(),
      {AccessorProp<C>("SkinObject", TPropKind::pkString, &C::SkinObject, &C::SetSkinObject)});
  return Table;
}

void TSeSkinLabel::SkinAttached(TSeSkinObject& Copy) {
  SetColor(Copy.Color);
  Font().Assign(Copy.Font);
  FontChanged();
}
