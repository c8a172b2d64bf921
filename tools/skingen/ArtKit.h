#pragma once
// Drawing helpers that both of the skins' art sets use: colours written as hex, gradients
// that end on pixel centres, shapes with rounded tops, chevrons, soft box shadows, and the
// step from a canvas to a skin bitmap.

#include <algorithm>
#include <vector>

#include "tools/artgen/Canvas.h"
#include "tools/skingen/SkinBitmap.h"

namespace SkinGen {

using ArtGen::Canvas;
using ArtGen::Color;
using ArtGen::Paint;
using ArtGen::Shape;

constexpr Color Hex(uint32_t Rgb, float A = 1.0f) {
  return {static_cast<float>((Rgb >> 16) & 255) / 255.0f,
          static_cast<float>((Rgb >> 8) & 255) / 255.0f, static_cast<float>(Rgb & 255) / 255.0f, A};
}

Color WithAlpha(Color Value, float A);

// A gradient whose ends fall on the centres of the first and last pixel rows.
Paint Vertical(float Top, const Color& First, float Bottom, const Color& Second);
// The same across columns.
Paint Horizontal(float Left, const Color& First, float Right, const Color& Second);
// Three colours spread evenly between From and To along one axis.
Paint ThreeStops(float From, float To, bool AlongY, Color A, Color B, Color C);

// A rectangle with only its top corners rounded, and the ring just inside its curved and side
// edges without the straight cut.
Shape TopRounded(float Left, float Top, float Right, float Bottom, float Radius);
Shape TopRoundedRim(float Left, float Top, float Right, float Bottom, float Radius, float Width);

// A chevron whose tip points along (DX, DY), a unit axis direction, centred on CX, CY.
Shape Chevron(float CX, float CY, float HalfWidth, float DX, float DY, float Weight);
// A convex polygon through the points, in either turning direction. Close to the edges the
// distance is exact; at the corners it is a little short, which keeps them crisp.
struct Point {
  float X, Y;
};
Shape ConvexPolygon(std::vector<Point> Points);

// The shadow of a box blurred along each axis on its own, so that the bands of a nine-slice
// frame repeat exactly: full strength inside, fading to nothing between Near and Far on the
// right and bottom, rising from the top-left corner over Rise pixels.
Paint BoxShadow(const Color& Ink, float Left, float Top, float Near, float Far, float Rise,
                float Strength);

// The 16x16 nine-slice piece of a popup menu's frame at the origin: a 14x14 body whose
// corners and border stay inside the margins, its shadow in the last two columns and rows.
void DrawPopupFrame(Canvas& C, const Color& Fill, const Color& Border, float Radius,
                    const Color& ShadowInk, float ShadowStrength);

SkinBitmap Finish(const char* Name, const Canvas& Picture);
// A bitmap of the size with every pixel clear.
SkinBitmap Blank(const char* Name, int Width, int Height);

} // namespace SkinGen
