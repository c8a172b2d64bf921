#include "toolkit/OsVersion.h"

TOsVersion OsVersion() {
  OSVERSIONINFOA Version{};
  Version.dwOSVersionInfoSize = sizeof Version;
  // Deprecated for version checks, but the family is all that is asked here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&Version);
#pragma GCC diagnostic pop
  return {Version.dwPlatformId, Version.dwMajorVersion};
}

bool UnicodePlatform() {
  static const bool Unicode = OsVersion().PlatformId == VER_PLATFORM_WIN32_NT;
  return Unicode;
}
