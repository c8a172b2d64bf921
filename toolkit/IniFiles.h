#pragma once
// An initialisation file read and written through the platform's private-profile functions.
// Every call goes to the file, so keys and sections nobody here knows are left as they are.
// The file's name, sections, keys and values are UTF-8.

#include <cstdint>
#include <string>

#include "toolkit/SysUtils.h"

class EIniFileException : public Exception {
public:
  using Exception::Exception;
};

class TIniFile {
public:
  explicit TIniFile(std::string FileName) : FFileName(std::move(FileName)) {}

  const std::string& FileName() const { return FFileName; }

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) const;
  int32_t ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const;
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default) const;

  // Each raises EIniFileException "Unable to write to <file>" when the write fails.
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
  void WriteInteger(const std::string& Section, const std::string& Ident, int64_t Value);
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);

private:
  std::string FFileName;
};

// Writes to an initialisation file in one step. The writes go to a copy beside the file
// (its name followed by ".tmp"), which takes the file's place when committed; so a failure,
// a full disk or an end of the program midway leaves the old file or the new one, never a
// part of one. Not committed, the copy is deleted.
class TIniFileUpdate {
public:
  explicit TIniFileUpdate(std::string FileName);
  ~TIniFileUpdate();
  TIniFileUpdate(const TIniFileUpdate&) = delete;
  TIniFileUpdate& operator=(const TIniFileUpdate&) = delete;

  // The copy, for the writes.
  TIniFile& Ini() { return FCopy; }
  // The copy on the disk and in the file's place, or EIniFileException "Unable to write to
  // <file>". BeforeReplace, when given, runs between the two (tests stop the program there).
  void Commit(void (*BeforeReplace)() = nullptr);

private:
  std::string FFileName;
  TIniFile FCopy;
  bool FCommitted = false;
};
