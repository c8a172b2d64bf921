#pragma once
// The Adler-32 checksum of the zlib format, sixteen bytes at a time where the processor
// allows: the same value as zlib's adler32() for the same bytes and starting value.

#include <cstddef>
#include <cstdint>

// Adler continued over Size bytes at Data; 1 is the value of no bytes.
uint32_t Adler32(uint32_t Adler, const uint8_t* Data, size_t Size);
