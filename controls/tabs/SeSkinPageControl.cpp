#include "controls/tabs/SeSkinPageControl.h"

#include "toolkit/Published.h"

TSeSkinPageControl::TSeSkinPageControl(TComponent* AOwner) : TSeSkinTabControl(AOwner) {
  SetUsePages(true);
}

const TPropTable& TSeSkinPageControl::Properties() {
  static const TPropTable Table(&TSeSkinTabControl::Properties(), {});
  return Table;
}
