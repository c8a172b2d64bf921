#pragma once
// The library's component classes are registered by name at start. Every program that links
// the library keeps the registering object (the build names this symbol to the linker), so
// a layout finds its classes even where the program's own code uses none of them.

extern "C" const bool MirevanControlClassesRegistered;
