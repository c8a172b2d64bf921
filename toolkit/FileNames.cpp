#include "toolkit/FileNames.h"

#ifdef _WIN32
#include <windows.h>

namespace {

// Text in a code page as wide text; false when Flags reject it.
bool Widen(UINT CodePage, DWORD Flags, std::string_view Text, std::wstring& Result) {
  Result.clear();
  if (Text.empty())
    return true;
  const int Size = static_cast<int>(Text.size());
  const int Length = MultiByteToWideChar(CodePage, Flags, Text.data(), Size, nullptr, 0);
  if (Length == 0)
    return false;
  Result.resize(static_cast<size_t>(Length));
  MultiByteToWideChar(CodePage, Flags, Text.data(), Size, Result.data(), Length);
  return true;
}

} // namespace

std::wstring WideFileName(std::string_view FileName) {
  std::wstring Result;
  Widen(CP_UTF8, 0, FileName, Result);
  return Result;
}

std::wstring MessageText(std::string_view Message) {
  std::wstring Result;
  if (!Widen(CP_UTF8, MB_ERR_INVALID_CHARS, Message, Result))
    Widen(CP_ACP, 0, Message, Result);
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
