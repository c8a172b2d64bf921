#pragma once
// The one surface that every control painting with qzpSharedBuffer draws into, at its
// top-left corner: allocated once, the screen's size plus 500 pixels each way as measured
// when the program started, so a paint needs no allocation. Sound because each control copies
// its rectangle out before another control's paint begins (one thread).

#include "gfx/Bitmap.h"

// The surface, empty until a control first asks for it sized.
TseBitmap& SharedBuffer();
// The surface with its size.
TseBitmap& SizedSharedBuffer();
