#pragma once
// File names in the toolkit are UTF-8, whatever the system's 8-bit code page: a folder may
// be called anything, and the code page cannot spell every name. On Windows they turn into
// the platform's wide names at each call that takes one.

#include <string>
#include <string_view>

#ifdef _WIN32
std::wstring WideFileName(std::string_view FileName);
std::string Utf8FileName(std::wstring_view FileName);
// A message that may name a file ("Unable to write to <file>"), for a window: read as UTF-8
// when it is valid UTF-8, in the code page otherwise.
std::wstring MessageText(std::string_view Message);
#endif
