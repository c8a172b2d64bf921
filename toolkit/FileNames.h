#pragma once
// File names in the toolkit are UTF-8, whatever the system's 8-bit code page: a folder may
// be called anything, and the code page cannot spell every name. On Windows they turn into
// the platform's wide names at each call that takes one.

#include <string>
#include <string_view>

#ifdef _WIN32
std::wstring WideFileName(std::string_view FileName);
std::string Utf8FileName(std::wstring_view FileName);
#endif
