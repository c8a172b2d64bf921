#pragma once
// Text measured outside painting, in a font, as DrawText would lay it out.

#include <windows.h>

#include <string>

#include "toolkit/Font.h"

// The size of Text in Font: one line, or with DT_WORDBREAK in Format broken into lines no
// wider than MaxWidth.
SIZE MeasureTextIn(const TFont& Font, const std::wstring& Text, int MaxWidth, UINT Format);
