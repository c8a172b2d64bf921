// Property streams come from skin files and stored layouts: any bytes must convert to text
// or raise a stream or parser error, and the text must survive a trip through the binary
// form unchanged (the bytes themselves may differ: an integer may have been stored wider
// than it needs).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "toolkit/PropertyText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream Source(std::vector<uint8_t>(Data, Data + Size));
  std::string Text;
  try {
    Text = ObjectBinaryToText(Source);
  } catch (const Exception&) {
    return 0;
  }
  TMemoryStream Back;
  try {
    ObjectTextToBinary(Text, Back);
  } catch (const EParserError&) {
    return 0; // names the text form cannot spell (blanks in an identifier, say)
  }
  Back.SetPosition(0);
  if (ObjectBinaryToText(Back) != Text)
    std::abort();
  // The text side on its own: any text is either refused or converted.
  TMemoryStream Again;
  try {
    ObjectTextToBinary(std::string(reinterpret_cast<const char*>(Data), Size), Again);
  } catch (const EParserError&) {
  }
  return 0;
}
