#include "toolkit/Published.h"

#include <algorithm>

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

bool TPropTable::Holds(const TPropInfo* Info) const {
  return std::find(FAll.begin(), FAll.end(), Info) != FAll.end();
}

namespace {

void CopyItems(const TPropInfo& Info, TPersistent& Dest, const TPersistent& Source) {
  Info.ClearItems(Dest);
  const int Count = Info.ItemCount(Source);
  for (int I = 0; I < Count; ++I)
    Info.AddItem(Dest)->Assign(*Info.Item(Source, I));
}

void CopyData(const TPropInfo& Info, TPersistent& Dest, const TPersistent& Source) {
  if (!Info.HasData(Source))
    return;
  TMemoryStream Bytes;
  Info.WriteData(Source, Bytes);
  Bytes.SetPosition(0);
  Info.ReadData(Dest, Bytes);
}

void CopyProperty(const TPropInfo& Info, TPersistent& Dest, const TPersistent& Source) {
  switch (Info.Kind) {
  case TPropKind::pkEvent:
    return;
  case TPropKind::pkObject:
    Info.Object(Dest)->Assign(*Info.Object(Source));
    return;
  case TPropKind::pkCollection:
    CopyItems(Info, Dest, Source);
    return;
  case TPropKind::pkBinary:
    CopyData(Info, Dest, Source);
    return;
  default:
    if (Info.SetOrd)
      Info.SetOrd(Dest, Info.GetOrd(Source));
    else if (Info.SetString)
      Info.SetString(Dest, Info.GetString(Source));
  }
}

} // namespace

void AssignPublished(TPersistent& Dest, const TPersistent& Source, const TPropTable* Done) {
  const TPropTable* Table = Dest.Published();
  const TPropTable* From = Source.Published();
  if (!Table || !From)
    return;
  for (const TPropInfo* Info : Table->Properties())
    if (From->Holds(Info) && !(Done && Done->Holds(Info)))
      CopyProperty(*Info, Dest, Source);
}
