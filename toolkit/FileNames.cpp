#include "toolkit/FileNames.h"

#ifdef _WIN32
#include <windows.h>

std::wstring WideFileName(std::string_view FileName) {
  if (FileName.empty())
    return {};
  const int Size = static_cast<int>(FileName.size());
  const int Length = MultiByteToWideChar(CP_UTF8, 0, FileName.data(), Size, nullptr, 0);
  std::wstring Result(static_cast<size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, FileName.data(), Size, Result.data(), Length);
  return Result;
}

std::wstring MessageText(std::string_view Message) {
  if (Message.empty())
    return {};
  const int Size = static_cast<int>(Message.size());
  UINT CodePage = CP_UTF8;
  int Length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Message.data(), Size, nullptr, 0);
  if (Length == 0) {
    CodePage = CP_ACP;
    Length = MultiByteToWideChar(CP_ACP, 0, Message.data(), Size, nullptr, 0);
  }
  std::wstring Result(static_cast<size_t>(Length), L'\0');
  MultiByteToWideChar(CodePage, 0, Message.data(), Size, Result.data(), Length);
  return Result;
}

std::string Utf8FileName(std::wstring_view FileName) {
  if (FileName.empty())
    return {};
  const int Size = static_cast<int>(FileName.size());
  const int Length =
      WideCharToMultiByte(CP_UTF8, 0, FileName.data(), Size, nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, FileName.data(), Size, Result.data(), Length, nullptr, nullptr);
  return Result;
}
#endif
