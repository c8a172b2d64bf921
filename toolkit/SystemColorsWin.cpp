#include <windows.h>

#include "toolkit/Colors.h"

uint32_t SystemColorRGB(int Index) { return GetSysColor(Index); }
