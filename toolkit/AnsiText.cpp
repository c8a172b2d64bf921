#include "toolkit/AnsiText.h"

#include <windows.h>

int AnsiCompareText(const std::string& S1, const std::string& S2) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, S1.data(),
                        static_cast<int>(S1.size()), S2.data(), static_cast<int>(S2.size())) -
         CSTR_EQUAL;
}

bool AnsiSameText(const std::string& S1, const std::string& S2) {
  return AnsiCompareText(S1, S2) == 0;
}

std::wstring WindowText(const std::string& Text) {
  if (Text.empty())
    return {};
  const int Length =
      MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring Result(static_cast<size_t>(Length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), Result.data(), Length);
  return Result;
}

std::string ToolkitText(const std::wstring& Text) {
  if (Text.empty())
    return {};
  const int Length = WideCharToMultiByte(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Length), '\0');
  WideCharToMultiByte(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), Result.data(), Length,
                      nullptr, nullptr);
  return Result;
}
