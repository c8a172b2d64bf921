#pragma once
// A key of the registry, opened below a root key, with string values. Key and value names and
// the values are UTF-8, as the file names the values often are.

#include <windows.h>

#include <string>

#include "toolkit/SysUtils.h"

class ERegistryException : public Exception {
public:
  using Exception::Exception;
};

class TRegistry {
public:
  explicit TRegistry(HKEY RootKey = HKEY_CURRENT_USER) : FRootKey(RootKey) {}
  ~TRegistry() { CloseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // Opens Key below the root key, creating it when CanCreate is set; false when that fails.
  bool OpenKey(const std::string& Key, bool CanCreate);
  void CloseKey();
  bool HasOpenKey() const { return FCurrentKey != nullptr; }

  bool ValueExists(const std::string& Name) const;
  // Removes the value; a missing one is no failure. Raises ERegistryException "Failed to
  // delete '<name>'" when the value stays.
  void DeleteValue(const std::string& Name);
  // A missing or empty value reads as ""; a value of another type than a string raises
  // ERegistryException "Invalid data type for '<name>'".
  std::string ReadString(const std::string& Name) const;
  // Raises ERegistryException "Failed to set data for '<name>'" when the write fails.
  void WriteString(const std::string& Name, const std::string& Value);

private:
  HKEY FRootKey;
  HKEY FCurrentKey = nullptr;
};
