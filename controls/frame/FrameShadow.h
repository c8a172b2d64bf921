#pragma once
// The frame's translucency and drop shadow on its off-screen surface: the shadow drawn into
// the strips right of and below the frame, and frame bands or a painted area made
// translucent over the background capture. Surface and background share the window's
// coordinates (the capture is the screen behind the whole window, shadow included) unless
// an offset says otherwise. No window system is needed.

#include <cstdint>

#include "gfx/Bitmap.h"
#include "toolkit/Types.h"

// Dark grey at half strength: the shadow's colour where it is deepest.
constexpr TsePixel ShadowColor = 0x803F3F3F;

// The shadow of a W x H frame whose client rectangle is Client, S pixels deep, on a surface
// of (W + S) x (H + S). HasRegion (the window is shaped) also darkens the frame's own area
// under its top band and left band, which the shape may leave visible. The strips outside
// the shadow become the key colour. A null Background leaves the shadow unmerged.
void PaintFrameShadow(TseBitmap& Surface, const TseBitmap* Background, const TRect& Client,
                      int32_t W, int32_t H, int32_t S, bool HasRegion);

// Area of Surface at alpha Value with the background merged under it. The background pixel
// behind surface pixel (X, Y) is (X + OffsetX, Y + OffsetY): a surface holding only the
// client area passes the client area's position in the window. A null Background only sets
// the alpha.
void BlendArea(TseBitmap& Surface, const TseBitmap* Background, const TRect& Area, uint8_t Value,
               int32_t OffsetX = 0, int32_t OffsetY = 0);

// The four bands of a W x H frame around Client (above and below it over the full width,
// left and right of it between them) blended at Value; the shadow beyond W and H is left.
void BlendFrameBands(TseBitmap& Surface, const TseBitmap* Background, const TRect& Client,
                     int32_t W, int32_t H, uint8_t Value);
