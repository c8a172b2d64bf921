#pragma once
// Which platform family and version the program runs on.

#include <windows.h>

struct TOsVersion {
  DWORD PlatformId = 0; // VER_PLATFORM_WIN32_NT for the NT family
  DWORD Major = 0;
};

TOsVersion OsVersion();
// The platform is of the NT family (asked once).
bool UnicodePlatform();
