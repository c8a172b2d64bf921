// A skin object read from the binary property stream, as binary skin records hold it: the
// first byte chooses the class from the registered skin object classes, the rest is the
// stream. Any bytes either read or raise an error of the system; the object is usable either
// way; and what it writes reads again into a fresh object of its class.
//
// Writing is a normalisation: properties come out in table order, bounds clamped, passed-over
// properties gone, and strings are stored only when not empty, so an empty string where the
// class has another default (a font name, say) reads back as that default. The second write
// is therefore the fixed point: reading it and writing again must give the same bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SkinFuzzSupport.h"

namespace {

std::vector<uint8_t> Written(const TSeSkinObject& Object) {
  TMemoryStream Stream;
  WriteComponentBinary(Stream, Object);
  return Stream.Bytes();
}

// What a fresh object of Class writes after reading Bytes, which must read.
std::vector<uint8_t> WrittenAfterReading(const TSkinObjectClass& Class,
                                         const std::vector<uint8_t>& Bytes) {
  const auto Object = Class.Create(nullptr);
  TMemoryStream Stream(Bytes);
  try {
    ReadComponentBinary(Stream, *Object);
  } catch (const Exception& E) {
    skinfuzz::Fail(("a written object does not read again: " + E.Message()).c_str());
  }
  return Written(*Object);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0)
    return 0;
  const TSkinObjectClass& Class = skinfuzz::ChosenClass(Data[0]);
  const auto Object = Class.Create(nullptr);
  TMemoryStream Stream(std::vector<uint8_t>(Data + 1, Data + Size));
  bool Read = true;
  try {
    ReadComponentBinary(Stream, *Object);
  } catch (const Exception&) {
    Read = false;
  }
  if (Read) {
    try {
      const std::vector<uint8_t> First = WrittenAfterReading(Class, Written(*Object));
      const std::vector<uint8_t> Second = WrittenAfterReading(Class, First);
      if (Second != First)
        skinfuzz::Fail("an object read from its own stream writes another stream");
    } catch (const EWriteError&) {
      // more children than a marked count holds: the object cannot be written
    }
  }
  skinfuzz::ExerciseObject(*Object);
  return 0;
}
