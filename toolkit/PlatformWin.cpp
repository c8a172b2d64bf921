// What the portable toolkit asks of the platform, answered by Windows: the system colours,
// the screen's pixels per inch, and the program's path. PlatformHost.cpp answers the same
// where there is no window system.

#include <windows.h>

#include <vector>

#include "toolkit/Colors.h"
#include "toolkit/FileNames.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/Font.h"
#include "toolkit/ModuleInfo.h"

uint32_t SystemColorRGB(int Index) { return GetSysColor(Index); }

int ScreenPixelsPerInch() {
  static const int Value = [] {
    const TWindowDC Screen(nullptr);
    return GetDeviceCaps(Screen.DC(), LOGPIXELSY);
  }();
  return Value;
}

std::string ExeFileName() {
  std::vector<wchar_t> Buffer(MAX_PATH);
  for (;;) {
    const DWORD Length =
        GetModuleFileNameW(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
    if (Length == 0)
      return {};
    if (Length < Buffer.size())
      return Utf8FileName(std::wstring_view(Buffer.data(), Length));
    Buffer.resize(Buffer.size() * 2);
  }
}
