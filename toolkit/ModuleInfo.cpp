#include "toolkit/ModuleInfo.h"

#include <windows.h>

#include <vector>

#include "toolkit/FileNames.h"

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
