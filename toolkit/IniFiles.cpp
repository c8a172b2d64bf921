#include "toolkit/IniFiles.h"

#include <windows.h>

#include <vector>

#include "toolkit/FileNames.h"
#include "toolkit/IniText.h"
#include "toolkit/KernelHandle.h"

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) const {
  // The platform truncates silently, so grow until the value fits with room to spare.
  const std::wstring WideSection = WideFileName(Section);
  const std::wstring WideIdent = WideFileName(Ident);
  const std::wstring WideDefault = WideFileName(Default);
  const std::wstring File = WideFileName(FFileName);
  std::vector<wchar_t> Buffer(2048);
  for (;;) {
    const DWORD Length =
        GetPrivateProfileStringW(WideSection.c_str(), WideIdent.c_str(), WideDefault.c_str(),
                                 Buffer.data(), static_cast<DWORD>(Buffer.size()), File.c_str());
    if (Length + 1 < Buffer.size())
      return Utf8FileName(std::wstring_view(Buffer.data(), Length));
    Buffer.resize(Buffer.size() * 4);
  }
}

int32_t TIniFile::ReadInteger(const std::string& Section, const std::string& Ident,
                              int32_t Default) const {
  return IniTextToInt(ReadString(Section, Ident, ""), Default);
}

bool TIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) const {
  return IniTextToBool(ReadString(Section, Ident, ""), Default);
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident,
                           const std::string& Value) {
  if (!WritePrivateProfileStringW(WideFileName(Section).c_str(), WideFileName(Ident).c_str(),
                                  WideFileName(Value).c_str(), WideFileName(FFileName).c_str()))
    throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int64_t Value) {
  WriteString(Section, Ident, std::to_string(Value));
}

void TIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

// ---------------------------------------------------------------------------------------
// TIniFileUpdate

TIniFileUpdate::TIniFileUpdate(std::string FileName)
    : FFileName(std::move(FileName)), FCopy(FFileName + ".tmp") {
  // The copy starts as the file is, so what nobody here knows stays; without a file it
  // starts empty.
  const std::wstring Copy = WideFileName(FCopy.FileName());
  if (!CopyFileW(WideFileName(FFileName).c_str(), Copy.c_str(), FALSE)) {
    const DWORD Error = GetLastError();
    DeleteFileW(Copy.c_str());
    if (Error != ERROR_FILE_NOT_FOUND && Error != ERROR_PATH_NOT_FOUND)
      throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
  }
}

TIniFileUpdate::~TIniFileUpdate() {
  if (!FCommitted)
    DeleteFileW(WideFileName(FCopy.FileName()).c_str());
}

void TIniFileUpdate::Commit(void (*BeforeReplace)()) {
  const std::wstring Copy = WideFileName(FCopy.FileName());
  bool Flushed = false;
  {
    // Closed before the copy replaces the file.
    const THandle File(CreateFileW(Copy.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    Flushed = File && FlushFileBuffers(File.Get());
  }
  if (!Flushed)
    throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
  if (BeforeReplace)
    BeforeReplace();
  if (!MoveFileExW(Copy.c_str(), WideFileName(FFileName).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
  FCommitted = true;
}
