#pragma once
// How initialisation-file values are turned into numbers, apart from the file access itself
// so that the rules run on every target.

#include <cstdint>
#include <string_view>

// An integer value as stored: "0x"/"0X" followed by at least one character is hexadecimal,
// as is "$..."; anything else is decimal. Empty or unreadable text gives Default.
int32_t IniTextToInt(std::string_view Text, int32_t Default);

// A Boolean is stored as an integer: unreadable text gives Default, any number but 0 is true.
bool IniTextToBool(std::string_view Text, bool Default);
