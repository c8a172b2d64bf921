#include "toolkit/Colors.h"

uint32_t ColorToRGB(TColor Color) {
  if (Color < 0)
    return SystemColorRGB(Color & 0xFF);
  return static_cast<uint32_t>(Color) & 0x00FFFFFF;
}
