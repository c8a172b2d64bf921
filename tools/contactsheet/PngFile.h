#pragma once
// A minimal PNG writer (8-bit RGB, one zlib stream, no filtering) and the reader of what it
// writes.

#include <cstdint>
#include <string>
#include <vector>

// Pixels are 0xRRGGBB, row after row from the top. Returns false when the file cannot be
// written.
bool WritePng(const std::string& FileName, int Width, int Height,
              const std::vector<uint32_t>& Pixels);

// Reads a file WritePng made (8-bit RGB, no interlace, filter 0 on every row). False for
// anything else or a damaged file.
bool ReadPng(const std::string& FileName, int& Width, int& Height, std::vector<uint32_t>& Pixels);
