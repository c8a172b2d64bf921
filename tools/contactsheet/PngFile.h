#pragma once
// A minimal PNG writer: 8-bit RGB, one zlib stream, no filtering.

#include <cstdint>
#include <string>
#include <vector>

// Pixels are 0xRRGGBB, row after row from the top. Returns false when the file cannot be
// written.
bool WritePng(const std::string& FileName, int Width, int Height,
              const std::vector<uint32_t>& Pixels);
