#pragma once
// Libraries of the platform that the program loads itself. They are taken from the system
// directory only: a program unpacked into a downloads folder must never run a library that
// someone put beside it under a system library's name.

#include <windows.h>

// An entry point of a loaded library as its function type; null when the library is null or
// lacks it.
template <class T> T LibraryProc(HMODULE Module, const char* Name) {
  return Module ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(Module, Name)))
                : nullptr;
}

// Loads Name (a bare file name such as "uxtheme.dll") from the system directory; the
// libraries it needs are looked for there first too. Null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* Name);

// Narrows the search for libraries loaded later by bare name, by the platform's own libraries
// too: only the system directory, where the platform allows choosing (Windows 7 with its
// security update and later), and never the working folder, where it allows that. The
// program's own Hook.dll is imported, so it is found beside the program before this runs.
// Called first thing at start.
void RestrictLibrarySearch();
