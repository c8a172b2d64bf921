#include "toolkit/IniFiles.h"

#include <windows.h>

#include <vector>

#include "toolkit/IniText.h"

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) const {
  // The platform truncates silently, so grow until the value fits with room to spare.
  std::vector<char> Buffer(2048);
  for (;;) {
    const DWORD Length =
        GetPrivateProfileStringA(Section.c_str(), Ident.c_str(), Default.c_str(), Buffer.data(),
                                 static_cast<DWORD>(Buffer.size()), FFileName.c_str());
    if (Length + 1 < Buffer.size())
      return std::string(Buffer.data(), Length);
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
  if (!WritePrivateProfileStringA(Section.c_str(), Ident.c_str(), Value.c_str(), FFileName.c_str()))
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
  const char* Copy = FCopy.FileName().c_str();
  if (!CopyFileA(FFileName.c_str(), Copy, FALSE)) {
    const DWORD Error = GetLastError();
    DeleteFileA(Copy);
    if (Error != ERROR_FILE_NOT_FOUND && Error != ERROR_PATH_NOT_FOUND)
      throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
  }
}

TIniFileUpdate::~TIniFileUpdate() {
  if (!FCommitted)
    DeleteFileA(FCopy.FileName().c_str());
}

void TIniFileUpdate::Commit(void (*BeforeReplace)()) {
  const char* Copy = FCopy.FileName().c_str();
  const HANDLE File = CreateFileA(Copy, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool Flushed = File != INVALID_HANDLE_VALUE && FlushFileBuffers(File);
  if (File != INVALID_HANDLE_VALUE)
    CloseHandle(File);
  if (!Flushed)
    throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
  if (BeforeReplace)
    BeforeReplace();
  if (!MoveFileExA(Copy, FFileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw EIniFileException(FormatStr("Unable to write to %s", {FFileName}));
  FCommitted = true;
}
