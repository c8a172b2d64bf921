#include "toolkit/SystemLibrary.h"

#include <string>

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
  const HMODULE Kernel = GetModuleHandleW(L"kernel32.dll");
  if (const auto SetDefault =
          LibraryProc<TSetDefaultDllDirectories>(Kernel, "SetDefaultDllDirectories"))
    SetDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (const auto SetDirectory = LibraryProc<TSetDllDirectory>(Kernel, "SetDllDirectoryW"))
    SetDirectory(L"");
}
