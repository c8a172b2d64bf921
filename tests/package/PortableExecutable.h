#pragma once
// The libraries a Windows program or library names in its import tables (the ordinary one
// and the delay-load one), read from its file.

#include <string>
#include <vector>

// False with a reason in Error when the file cannot be read or is no 64-bit PE image.
bool ReadImportedLibraries(const std::wstring& FileName, std::vector<std::string>& Libraries,
                           std::string& Error);
