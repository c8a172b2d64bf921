#pragma once
// The toolkit's error base and the small text helpers everything above it shares.

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The one exception base: every error the system raises carries a message for the user.
class Exception : public std::exception {
public:
  explicit Exception(std::string Message) : FMessage(std::move(Message)) {}
  const std::string& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

private:
  std::string FMessage;
};

// Replaces each "%s" of Pattern, left to right, by the next argument; "%%" gives "%".
// Surplus "%s" stay as they are, surplus arguments are ignored.
std::string FormatStr(std::string_view Pattern, std::initializer_list<std::string_view> Args);

// A whole text as a 32-bit integer: optional sign and decimal digits, or "$" and up to
// eight significant hexadecimal digits (which wrap into the signed range, "$FFFFFFFF" = -1).
// Anything else, out-of-range decimals included, gives no value.
std::optional<int32_t> TryStrToInt(std::string_view Text);
int32_t StrToIntDef(std::string_view Text, int32_t Default);

// The directory part of a path, with its trailing separator ("" when there is none).
std::string ExtractFilePath(std::string_view FileName);

// Equality of two texts ignoring the case of ASCII letters.
bool SameText(std::string_view A, std::string_view B);
