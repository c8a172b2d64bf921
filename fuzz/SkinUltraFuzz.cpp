// Ultra compressed skin files (.xskn): "QZLZ" and a zlib stream (level 9) of the body, as the file holds them.
// Skin files are downloaded and passed around: whatever they hold, a load either succeeds or
// raises an error of the system, the source stays usable either way, and a skin that loaded
// saves with the same filter into bytes that load again to the same headers and counts.

// Mutations mostly break the zlib stream, so this target mainly tries the container: the
// unchecked magic, inflating, truncated and oversized streams. The body behind it is the
// one the uncompressed filter reads, fuzzed directly by SkinUncompressedFuzz.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SkinFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  skinfuzz::RunFileForm("xskn", std::vector<uint8_t>(Data, Data + Size));
  return 0;
}
