#pragma once
// Window regions made from pictures, and polygon hit-testing.

#include <windows.h>

#include "gfx/Bitmap.h"
#include "toolkit/GdiGuards.h"

// A region of Bitmap's non-key pixels, one rectangle per run, moved by (X, Y); null when the
// bitmap is empty.
TRegionHandle CreateRegionFromBitmap(const TseBitmap& Bitmap, int32_t X, int32_t Y);
// Whether Point lies in the polygon through Points[0..LastIndex] (winding rule).
bool PointInPolygon(POINT Point, const POINT* Points, int LastIndex);
