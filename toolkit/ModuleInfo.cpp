#include "toolkit/ModuleInfo.h"

#include <windows.h>

#include <vector>

std::string ExeFileName() {
  std::vector<char> Buffer(MAX_PATH);
  for (;;) {
    const DWORD Length =
        GetModuleFileNameA(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
    if (Length == 0)
      return {};
    if (Length < Buffer.size())
      return std::string(Buffer.data(), Length);
    Buffer.resize(Buffer.size() * 2);
  }
}
