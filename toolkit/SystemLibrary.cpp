#include "toolkit/SystemLibrary.h"

#include <string>

namespace {

template <class T> T KernelProc(const char* Name) {
  return reinterpret_cast<T>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), Name)));
}

} // namespace

HMODULE LoadSystemLibrary(const wchar_t* Name) {
  std::wstring Path(MAX_PATH, L'\0');
  UINT Length = GetSystemDirectoryW(Path.data(), static_cast<UINT>(Path.size()));
  if (Length >= Path.size()) {
    Path.resize(Length);
    Length = GetSystemDirectoryW(Path.data(), static_cast<UINT>(Path.size()));
  }
  if (Length == 0 || Length >= Path.size())
    return nullptr;
  Path.resize(Length);
  if (Path.back() != L'\\')
    Path += L'\\';
  Path += Name;
  // A full path names the file itself; the altered search makes the libraries it imports
  // come from its own (the system) directory before the program's.
  return LoadLibraryExW(Path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void RestrictLibrarySearch() {
  using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
  using TSetDllDirectory = BOOL(WINAPI*)(LPCWSTR);
  // Looked up: neither exists on the oldest systems the program runs on.
  if (const auto SetDefault = KernelProc<TSetDefaultDllDirectories>("SetDefaultDllDirectories"))
    SetDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (const auto SetDirectory = KernelProc<TSetDllDirectory>("SetDllDirectoryW"))
    SetDirectory(L"");
}
