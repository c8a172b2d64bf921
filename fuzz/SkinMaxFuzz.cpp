// Max compressed skin files (.mskn): "QZLZ" and a zlib stream of the max body, as the file holds them.
// Skin files are downloaded and passed around: whatever they hold, a load either succeeds or
// raises an error of the system, the source stays usable either way, and a skin that loaded
// saves with the same filter into bytes that load again to the same headers and counts.

// Mutations mostly break the zlib stream; SkinMaxBodyFuzz deflates its input so that the max
// body reader behind the container gets the fuzzer's bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SkinFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  skinfuzz::RunFileForm("mskn", std::vector<uint8_t>(Data, Data + Size));
  return 0;
}
