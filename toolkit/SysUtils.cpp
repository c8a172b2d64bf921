#include "toolkit/SysUtils.h"

#include <algorithm>

std::string FormatStr(std::string_view Pattern, std::initializer_list<std::string_view> Args) {
  std::string Result;
  Result.reserve(Pattern.size() + 64);
  auto Next = Args.begin();
  for (size_t I = 0; I < Pattern.size(); ++I) {
    if (Pattern[I] == '%' && I + 1 < Pattern.size()) {
      if (Pattern[I + 1] == '%') {
        Result += '%';
        ++I;
        continue;
      }
      if (Pattern[I + 1] == 's' && Next != Args.end()) {
        Result += *Next++;
        ++I;
        continue;
      }
    }
    Result += Pattern[I];
  }
  return Result;
}

namespace {

int HexDigit(char C) {
  if (C >= '0' && C <= '9')
    return C - '0';
  if (C >= 'a' && C <= 'f')
    return C - 'a' + 10;
  if (C >= 'A' && C <= 'F')
    return C - 'A' + 10;
  return -1;
}

std::optional<int32_t> ParseHex(std::string_view Digits) {
  if (Digits.empty())
    return std::nullopt;
  uint64_t Value = 0;
  for (char C : Digits) {
    const int D = HexDigit(C);
    if (D < 0)
      return std::nullopt;
    Value = Value * 16 + static_cast<uint64_t>(D);
    if (Value > 0xFFFFFFFFu)
      return std::nullopt;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(Value));
}

std::optional<int32_t> ParseDecimal(std::string_view Text) {
  bool Negative = false;
  if (!Text.empty() && (Text[0] == '+' || Text[0] == '-')) {
    Negative = Text[0] == '-';
    Text.remove_prefix(1);
  }
  if (Text.empty())
    return std::nullopt;
  const uint64_t Limit = Negative ? 2147483648u : 2147483647u;
  uint64_t Value = 0;
  for (char C : Text) {
    if (C < '0' || C > '9')
      return std::nullopt;
    Value = Value * 10 + static_cast<uint64_t>(C - '0');
    if (Value > Limit)
      return std::nullopt;
  }
  return static_cast<int32_t>(Negative ? -static_cast<int64_t>(Value)
                                       : static_cast<int64_t>(Value));
}

} // namespace

std::optional<int32_t> TryStrToInt(std::string_view Text) {
  if (!Text.empty() && Text[0] == '$')
    return ParseHex(Text.substr(1));
  return ParseDecimal(Text);
}

int32_t StrToIntDef(std::string_view Text, int32_t Default) {
  return TryStrToInt(Text).value_or(Default);
}

std::string ExtractFilePath(std::string_view FileName) {
  const size_t Separator = FileName.find_last_of("\\/:");
  return Separator == std::string_view::npos ? std::string()
                                             : std::string(FileName.substr(0, Separator + 1));
}

bool SameText(std::string_view A, std::string_view B) {
  const auto Lower = [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C; };
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
                                            [&](char X, char Y) { return Lower(X) == Lower(Y); });
}
