#include "toolkit/Registry.h"

#include <vector>

#include "toolkit/FileNames.h"

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  CloseKey();
  HKEY Opened = nullptr;
  const LONG Status =
      CanCreate
          ? RegCreateKeyExW(FRootKey, WideFileName(Key).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &Opened, nullptr)
          : RegOpenKeyExW(FRootKey, WideFileName(Key).c_str(), 0, KEY_ALL_ACCESS, &Opened);
  if (Status != ERROR_SUCCESS)
    return false;
  FCurrentKey = Opened;
  return true;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) {
    RegCloseKey(FCurrentKey);
    FCurrentKey = nullptr;
  }
}

bool TRegistry::ValueExists(const std::string& Name) const {
  return FCurrentKey && RegQueryValueExW(FCurrentKey, WideFileName(Name).c_str(), nullptr, nullptr,
                                         nullptr, nullptr) == ERROR_SUCCESS;
}

void TRegistry::DeleteValue(const std::string& Name) {
  if (!FCurrentKey)
    return;
  const LONG Result = RegDeleteValueW(FCurrentKey, WideFileName(Name).c_str());
  if (Result != ERROR_SUCCESS && Result != ERROR_FILE_NOT_FOUND)
    throw ERegistryException("Failed to delete '" + Name + "'");
}

std::string TRegistry::ReadString(const std::string& Name) const {
  if (!FCurrentKey)
    return {};
  const std::wstring WideName = WideFileName(Name);
  DWORD Type = 0;
  DWORD Size = 0;
  if (RegQueryValueExW(FCurrentKey, WideName.c_str(), nullptr, &Type, nullptr, &Size) !=
          ERROR_SUCCESS ||
      Size == 0)
    return {};
  if (Type != REG_SZ && Type != REG_EXPAND_SZ)
    throw ERegistryException(FormatStr("Invalid data type for '%s'", {Name}));
  std::vector<wchar_t> Data(Size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(FCurrentKey, WideName.c_str(), nullptr, &Type,
                       reinterpret_cast<BYTE*>(Data.data()), &Size) != ERROR_SUCCESS)
    return {};
  // Stored strings may or may not carry their terminator; the text ends at the first one.
  return Utf8FileName(Data.data());
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  const std::wstring WideValue = WideFileName(Value);
  const LONG Status =
      FCurrentKey ? RegSetValueExW(FCurrentKey, WideFileName(Name).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(WideValue.c_str()),
                                   static_cast<DWORD>((WideValue.size() + 1) * sizeof(wchar_t)))
                  : ERROR_INVALID_HANDLE;
  if (Status != ERROR_SUCCESS)
    throw ERegistryException(FormatStr("Failed to set data for '%s'", {Name}));
}
