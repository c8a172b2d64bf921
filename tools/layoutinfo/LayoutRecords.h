#pragma once
// A stored layout as plain records, without the classes it names: each component's class,
// name and stored values (as the text form writes them; binary values by their size only),
// and its children.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/Streams.h"

struct TLayoutRecord {
  std::string ClassName;
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Values;
  std::vector<TLayoutRecord> Children;

  // The stored value of Property (letter case ignored), or null when it is not stored.
  const std::string* Value(std::string_view Property) const;
};

// Reads the binary form; raises EReadError or EParserError for bytes that are not a layout.
TLayoutRecord ReadLayoutRecords(TStream& Binary);
