#include "toolkit/Methods.h"

#include "toolkit/SysUtils.h"

const TMethodEntry* TMethodTable::Find(std::string_view Name) const {
  for (const TMethodEntry& Entry : FEntries)
    if (SameText(Entry.Name, Name))
      return &Entry;
  return nullptr;
}
