#include "controls/labels/SeSkinLabel.h"

#include "toolkit/Published.h"

TSeSkinLabel::TSeSkinLabel(TComponent* AOwner) : TSeSkinned(AOwner, "Label") {}

const TPropTable& TSeSkinLabel::Properties() {
  using C = TSeSkinLabel;
  static const TPropTable Table(
      &TSeCustomLabel::Properties(),
      {SkinEngineProp<C>(), SkinObjectProp<C>(), SkinVersionProp<C>()});
  return Table;
}

void TSeSkinLabel::SkinAttached(TSeSkinObject& Copy) {
  SetColor(Copy.Color);
  Font().Assign(Copy.Font);
  FontChanged();
}
