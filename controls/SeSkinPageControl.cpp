#include "controls/SeSkinPageControl.h"

#include <memory>

#include "controls/SeCustomTabSheet.h"
#include "toolkit/ClassRegistry.h"

TSeSkinPageControl::TSeSkinPageControl(TComponent* AOwner) : TSeSkinTabControl(AOwner) {
  SetUsePages(true);
}

const TPropTable& TSeSkinPageControl::Properties() {
  static const TPropTable Table(&TSeSkinTabControl::Properties(), {});
  return Table;
}

namespace {

// Stored layouts can hold tab and page controls and their sheets.
const bool GRegistered = [] {
  RegisterComponentClass<TSeCustomTabControl>("TSeCustomTabControl");
  RegisterComponentClass<TSeCustomTabSheet>("TSeCustomTabSheet");
  RegisterComponentClass<TSeSkinTabControl>("TSeSkinTabControl");
  RegisterComponentClass<TSeSkinPageControl>("TSeSkinPageControl");
  return true;
}();

} // namespace
