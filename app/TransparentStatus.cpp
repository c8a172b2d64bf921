#include <windows.h>

#include <utility>

#include "app/TransparentMgr.h"
#include "toolkit/IniFiles.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/Registry.h"

TStatus::TStatus() : FFileName(ExtractFilePath(ExeFileName()) + SettingsFileName) {}

TStatus::TStatus(std::string FileName) : FFileName(std::move(FileName)) {}

void TStatus::LoadSettings() {
  const TIniFile Ini(FFileName);
  const char* S = SettingsSection;
  Transparency = Ini.ReadInteger(S, "Transparency", 150);
  TransparentStart = Ini.ReadBool(S, "TransparentStart", false);
  OpacityOnClose = Ini.ReadBool(S, "OpacityOnClose", true);
  TransparentNewWindow = Ini.ReadBool(S, "TransparentNewWindow", true);
  IncreaseTransparency = static_cast<uint16_t>(Ini.ReadInteger(S, "IncreaseTransparency", 0));
  DecreaseTransparency = static_cast<uint16_t>(Ini.ReadInteger(S, "DecreaseTransparency", 0));
  TransparentShortCut = static_cast<uint16_t>(Ini.ReadInteger(S, "TransparentShortCut", 0));
  OpacityShortCut = static_cast<uint16_t>(Ini.ReadInteger(S, "OpacityShortCut", 0));
}

namespace {

// For the tests of a program ended in the middle of a write: with this variable set, the
// writer stops for good between writing the new file and putting it in the old one's place.
void HoldIfAsked() {
  if (GetEnvironmentVariableA("MIREVAN_HOLD_SETTINGS_WRITE", nullptr, 0) > 0)
    Sleep(INFINITE);
}

} // namespace

void TStatus::SaveSettings() {
  TIniFileUpdate Update(FFileName);
  TIniFile& Ini = Update.Ini();
  const char* S = SettingsSection;
  Ini.WriteInteger(S, "Transparency", Transparency);
  Ini.WriteBool(S, "TransparentStart", TransparentStart);
  Ini.WriteBool(S, "OpacityOnClose", OpacityOnClose);
  Ini.WriteBool(S, "TransparentNewWindow", TransparentNewWindow);
  Ini.WriteInteger(S, "IncreaseTransparency", IncreaseTransparency);
  Ini.WriteInteger(S, "DecreaseTransparency", DecreaseTransparency);
  Ini.WriteInteger(S, "TransparentShortCut", TransparentShortCut);
  Ini.WriteInteger(S, "OpacityShortCut", OpacityShortCut);
  Update.Commit(HoldIfAsked);
}

void TStatus::SetAutoStart(const std::string& Path) {
  TRegistry Registry(HKEY_CURRENT_USER);
  if (Registry.OpenKey(AutoStartKey, true))
    Registry.WriteString(AutoStartValue, Path);
}

void TStatus::SetStartUpEntry(const std::string& Path) {
  TRegistry Registry(HKEY_CURRENT_USER);
  if (!Registry.OpenKey(StartUpKey, true))
    throw ERegistryException(std::string("Failed to open '") + StartUpKey + "'");
  if (Path.empty())
    Registry.DeleteValue(StartUpValue);
  else
    Registry.WriteString(StartUpValue, '"' + Path + '"');
}

std::string TStatus::StartUpEntry() {
  TRegistry Registry(HKEY_CURRENT_USER);
  return Registry.OpenKey(StartUpKey, false) ? Registry.ReadString(StartUpValue) : std::string();
}

bool TStatus::GetAutoStart() {
  TRegistry Registry(HKEY_CURRENT_USER);
  return Registry.OpenKey(AutoStartKey, true) && !Registry.ReadString(AutoStartValue).empty();
}
