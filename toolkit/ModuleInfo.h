#pragma once
// Where the running program lives.

#include <string>

// The full path of the running program's file, as the platform reports it (UTF-8).
std::string ExeFileName();
