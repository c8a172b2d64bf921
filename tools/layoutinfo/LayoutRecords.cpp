#include "tools/layoutinfo/LayoutRecords.h"

#include "toolkit/PropertyText.h"
#include "toolkit/PropertyValues.h"
#include "toolkit/SysUtils.h"

namespace {

TLayoutRecord ReadRecord(TValueReader& In, int Depth) {
  if (Depth > MaxObjectNesting)
    throw EParserError("Objects are nested too deeply");
  TLayoutRecord Record;
  Record.ClassName = In.Name();
  Record.Name = In.Name(true);
  const std::string Indent(static_cast<size_t>(Depth) * 2 + 4, ' ');
  for (std::string Property = In.Name(true); !Property.empty(); Property = In.Name(true)) {
    if (In.Byte() == vaBinary) {
      const int32_t Length = In.Int32();
      if (Length < 0 || Length > In.Stream().Remaining())
        throw EReadError("The value of " + Property + " runs past the end");
      In.Stream().Seek(Length, TSeekOrigin::soCurrent);
      Record.Values.emplace_back(Property, "{" + std::to_string(Length) + " bytes}");
      continue;
    }
    In.Stream().Seek(-1, TSeekOrigin::soCurrent);
    Record.Values.emplace_back(Property, PropertyValueText(In, Indent));
  }
  for (uint8_t Next = In.Byte(); Next != 0; Next = In.Byte()) {
    In.Stream().Seek(-1, TSeekOrigin::soCurrent);
    Record.Children.push_back(ReadRecord(In, Depth + 1));
  }
  return Record;
}

} // namespace

const std::string* TLayoutRecord::Value(std::string_view Property) const {
  for (const auto& [Name, Text] : Values)
    if (SameText(Name, Property))
      return &Text;
  return nullptr;
}

TLayoutRecord ReadLayoutRecords(TStream& Binary) {
  TValueReader In(Binary);
  if (In.Bytes(4) != "TPF0")
    throw EReadError("Invalid stream format");
  return ReadRecord(In, 0);
}
