// The max body behind its container: the input is deflated into "QZLZ" and a zlib stream, the
// way a max file holds it, and loaded through the max filter. Mutating a compressed file
// rarely yields a zlib stream that inflates to anything; mutating the body itself reaches
// the bitmap records (marked, or legacy BMP images when the count lacks the $F0000 mark) and
// the binary object records. The same checks as for files: a load succeeds or raises an
// error of the system, the source stays usable, and what loaded survives a save.

#include <cstddef>
#include <cstdint>

#include "SkinFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  skinfuzz::RunFileForm("mskn", skinfuzz::Container(Data, Size));
  return 0;
}
