#include "toolkit/Published.h"

#include "toolkit/SysUtils.h"

TPropTable::TPropTable(const TPropTable* Parent, std::vector<TPropInfo> Own)
    : FOwn(std::move(Own)) {
  for (const bool Last : {false, true}) {
    if (Parent)
      for (const TPropInfo* Info : Parent->FAll)
        if (Info->Last == Last)
          FAll.push_back(Info);
    for (const TPropInfo& Info : FOwn)
      if (Info.Last == Last)
        FAll.push_back(&Info);
  }
}

const TPropInfo* TPropTable::Find(std::string_view Name) const {
  // Skin reading looks up every property it reads: the length sorts out most names
  // before any letter is compared.
  for (const TPropInfo* Info : FAll)
    if (Info->Name.size() == Name.size() && SameText(Info->Name, Name))
      return Info;
  return nullptr;
}
