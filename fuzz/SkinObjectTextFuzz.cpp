// A skin object read from the textual property form, as text skin records hold it: the first
// byte chooses the class from the registered skin object classes, the rest is the text. Any
// text either reads or raises an error of the system; the object is usable either way; and
// its text reads again into a fresh object of its class.
//
// Converting to text is a normalisation (table order, clamped bounds, strings stored only
// when not empty, so an empty string where the class has another default reads back as the
// default): the second conversion is the fixed point, and reading it and converting again
// must give the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "SkinFuzzSupport.h"

namespace {

// The text of a fresh object of Class after reading Text, which must read.
std::string TextAfterReading(const TSkinObjectClass& Class, const std::string& Text) {
  const auto Object = Class.Create(nullptr);
  try {
    ComponentFromText(Text, *Object);
  } catch (const Exception& E) {
    skinfuzz::Fail(("an object's text does not read again: " + E.Message()).c_str());
  }
  return ComponentToText(*Object);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0)
    return 0;
  const TSkinObjectClass& Class = skinfuzz::ChosenClass(Data[0]);
  const auto Object = Class.Create(nullptr);
  bool Read = true;
  try {
    ComponentFromText(std::string(reinterpret_cast<const char*>(Data) + 1, Size - 1), *Object);
  } catch (const Exception&) {
    Read = false;
  }
  if (Read) {
    try {
      const std::string First = TextAfterReading(Class, ComponentToText(*Object));
      const std::string Second = TextAfterReading(Class, First);
      if (Second != First)
        skinfuzz::Fail("an object read from its own text converts to another text");
    } catch (const EWriteError&) {
      // more children than a marked count holds: the object cannot be written
    }
  }
  skinfuzz::ExerciseObject(*Object);
  return 0;
}
