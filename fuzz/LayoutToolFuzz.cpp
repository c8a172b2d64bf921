// The layout tool reads whatever file it is given: any bytes either make a tree (whose
// records hold every component the binary form has) or raise a stream or parser error; as
// text, filling an empty value either succeeds or names what is missing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/PropertyText.h"
#include "tools/layoutinfo/LayoutFill.h"
#include "tools/layoutinfo/LayoutRecords.h"
#include "tools/layoutinfo/LayoutTree.h"

namespace {

size_t Count(const TLayoutRecord& Record) {
  size_t Total = 1;
  for (const TLayoutRecord& Child : Record.Children)
    Total += Count(Child);
  return Total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::vector<uint8_t> Bytes(Data, Data + Size);
  try {
    TMemoryStream Source(Bytes);
    const TLayoutRecord Root = ReadLayoutRecords(Source);
    TMemoryStream Again(Bytes);
    const std::string Tree = LayoutTree(Again);
    // One line per component at least: the tree leaves none out.
    size_t Lines = 0;
    for (char C : Tree)
      Lines += C == '\n';
    if (Lines < Count(Root))
      std::abort();
  } catch (const Exception&) {
  }
  const std::string Text(Bytes.begin(), Bytes.end());
  try {
    const std::string Filled = FillBinaryValue(Text, "A", "Data", std::string("\x01\xFF", 2));
    if (Filled.find("01FF") == std::string::npos)
      std::abort();
  } catch (const EParserError&) {
  }
  return 0;
}
