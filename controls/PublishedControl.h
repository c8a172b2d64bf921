#pragma once
// The library's controls list their published properties in their own stream order; the
// ones every control has (bounds, caption, colour, font ...) come from the toolkit's table.

#include <string_view>

#include "toolkit/Control.h"
#include "toolkit/Published.h"

// The toolkit control's property of that name, for a table of a control class of the library.
inline TPropInfo ControlProp(std::string_view Name) {
  const TPropInfo* Info = TControl::Properties().Find(Name);
  return Info ? *Info : NewPropInfo(std::string(Name), TPropKind::pkInteger);
}
