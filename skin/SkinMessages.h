#pragma once
// Window messages of the skin engine and of the objects it serves.

#include <cstdint>

constexpr uint32_t SE_SKINCHANGED = 0x06A6;
constexpr uint32_t SE_SKINCHANGING = 0x06A7;
constexpr uint32_t SE_OBJECTINVALIDATE = 0x0849;
constexpr uint32_t SE_GETSKINFORM = 0x084A;
