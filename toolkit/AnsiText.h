#pragma once
// Text comparison under the user's default locale, ignoring case, as people expect window
// titles and class names to compare.

#include <string>

int AnsiCompareText(const std::string& S1, const std::string& S2);
bool AnsiSameText(const std::string& S1, const std::string& S2);
