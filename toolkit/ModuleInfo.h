#pragma once
// Where the running program lives.

#include <string>

// The full path of the running program's file, as the platform reports it.
std::string ExeFileName();
