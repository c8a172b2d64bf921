// A skin object read from the textual property form, as text skin records hold it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "SkinFuzzSupport.h"

namespace {
struct TTextForm {
  using Input = std::string;
  static void Read(const Input& Text, TSeSkinObject& Object) { ComponentFromText(Text, Object); }
  static Input Write(const TSeSkinObject& Object) { return ComponentToText(Object); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  return skinfuzz::RunObjectForm<TTextForm>(Data, Size);
}
