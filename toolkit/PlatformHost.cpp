// What the portable toolkit asks of the platform, where there is no window system: the
// classic system colours, a screen of 96 pixels per inch, and the program's path from /proc.
// PlatformWin.cpp asks Windows the same.

#include <iterator>
#include <unistd.h>

#include "toolkit/Colors.h"
#include "toolkit/Font.h"
#include "toolkit/ModuleInfo.h"

uint32_t SystemColorRGB(int Index) {
  static constexpr uint32_t Classic[] = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800, 0xC8D0D4};
  return Index >= 0 && Index < static_cast<int>(std::size(Classic)) ? Classic[Index] : 0;
}

int ScreenPixelsPerInch() { return 96; }

std::string ExeFileName() {
  char Path[4096];
  const ssize_t Length = readlink("/proc/self/exe", Path, sizeof Path - 1);
  return Length > 0 ? std::string(Path, static_cast<size_t>(Length)) : std::string();
}
