// A skin object read from the binary property stream, as binary skin records hold it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SkinFuzzSupport.h"

namespace {
struct TBinaryForm {
  using Input = std::vector<uint8_t>;
  static void Read(const Input& Bytes, TSeSkinObject& Object) {
    TMemoryStream Stream(Bytes);
    ReadComponentBinary(Stream, Object);
  }
  static Input Write(const TSeSkinObject& Object) {
    TMemoryStream Stream;
    WriteComponentBinary(Stream, Object);
    return Stream.Bytes();
  }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  return skinfuzz::RunObjectForm<TBinaryForm>(Data, Size);
}
