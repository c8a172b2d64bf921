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

template <class T> void RegisterControlClass(const char* Name) {
  RegisterPersistentClass(Name, [](TComponent* Owner) -> std::unique_ptr<TPersistent> {
    return std::make_unique<T>(Owner);
  });
}

// Stored layouts can hold tab and page controls and their sheets.
const bool GRegistered = [] {
  RegisterControlClass<TSeCustomTabControl>("TSeCustomTabControl");
  RegisterControlClass<TSeCustomTabSheet>("TSeCustomTabSheet");
  RegisterControlClass<TSeSkinTabControl>("TSeSkinTabControl");
  RegisterControlClass<TSeSkinPageControl>("TSeSkinPageControl");
  return true;
}();

} // namespace
