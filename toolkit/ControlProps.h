#pragma once
// Tables of controls take the properties every control has (bounds, caption, colour, font ...)
// from the control's own table, each in the place of the class's stream order.

#include <string_view>

#include "toolkit/Control.h"
#include "toolkit/Published.h"

// The toolkit control's property of that name, for the table of a control class.
inline TPropInfo ControlProp(std::string_view Name) {
  const TPropInfo* Info = TControl::Properties().Find(Name);
  return Info ? *Info : NewPropInfo(std::string(Name), TPropKind::pkInteger);
}
