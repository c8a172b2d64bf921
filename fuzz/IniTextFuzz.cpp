// Settings values come from a file anyone can edit: any text must give a number or the
// default, never a crash or undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "toolkit/IniText.h"
#include "toolkit/SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  const int32_t A = IniTextToInt(Text, 7);
  const int32_t B = IniTextToInt(Text, 8);
  // The default shows through only for unreadable text, and then for both calls.
  if ((A == 7) != (B == 8) && A != B)
    std::abort();
  // A readable value written back in decimal reads as the same value.
  if (A == B && IniTextToInt(std::to_string(A), ~A) != A)
    std::abort();
  IniTextToBool(Text, true);
  return 0;
}
