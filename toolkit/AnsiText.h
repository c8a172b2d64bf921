#pragma once
// Text of the toolkit, in the system's 8-bit code page: compared under the user's default
// locale, ignoring case, as people expect window titles and class names to compare, and
// turned to and from the wide text of the windows.

#include <string>

int AnsiCompareText(const std::string& S1, const std::string& S2);
bool AnsiSameText(const std::string& S1, const std::string& S2);

std::wstring WindowText(const std::string& Text);
std::string ToolkitText(const std::wstring& Text);
