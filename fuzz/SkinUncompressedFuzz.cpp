// Uncompressed skin files (.uskn): the body as it stands.
// Skin files are downloaded and passed around: whatever they hold, a load either succeeds or
// raises an error of the system, the source stays usable either way, and a skin that loaded
// saves with the same filter into bytes that load again to the same headers and counts.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SkinFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  skinfuzz::RunFileForm("uskn", std::vector<uint8_t>(Data, Data + Size));
  return 0;
}
