#include "tools/layoutinfo/LayoutTree.h"

#include "toolkit/SysUtils.h"
#include "tools/layoutinfo/LayoutRecords.h"

namespace {

constexpr const char* BoundNames[] = {"Left", "Top", "Width", "Height"};

bool IsBound(const std::string& Name) {
  for (const char* Bound : BoundNames)
    if (SameText(Name, Bound))
      return true;
  return false;
}

void Print(const TLayoutRecord& Record, std::string& Out, int Depth) {
  const std::string Indent(static_cast<size_t>(Depth) * 2, ' ');
  Out += Indent + Record.ClassName + " " + (Record.Name.empty() ? "(unnamed)" : Record.Name);
  std::string Box;
  for (const char* Bound : BoundNames) {
    const std::string* Value = Record.Value(Bound);
    Box += (Box.empty() ? "" : ", ") + (Value ? *Value : std::string("-"));
  }
  if (Box != "-, -, -, -")
    Out += " (" + Box + ")";
  Out += "\r\n";
  for (const auto& [Name, Value] : Record.Values)
    if (!IsBound(Name))
      Out += Indent + "    " + Name + " = " + Value + "\r\n";
  for (const TLayoutRecord& Child : Record.Children)
    Print(Child, Out, Depth + 1);
}

} // namespace

std::string LayoutTree(TStream& Binary) {
  std::string Out;
  Print(ReadLayoutRecords(Binary), Out, 0);
  return Out;
}
