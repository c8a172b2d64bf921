#pragma once
// A floating-point RGBA canvas that fills shapes described by signed distance functions.
// The distance to the outline gives each pixel its coverage, so every edge is anti-aliased
// without supersampling; widening the ramp gives soft shadows from the same shapes.

#include <cstdint>
#include <functional>
#include <vector>

namespace ArtGen {

// Straight (not premultiplied) colour, each channel 0..1.
struct Color {
  float R = 0, G = 0, B = 0, A = 1;
};

// A colour from 8-bit components.
Color Rgb(int R, int G, int B, float A = 1.0f);
// Linear mix of two colours, T = 0 gives First.
Color Mix(const Color& First, const Color& Second, float T);

// Axis-aligned box in pixel coordinates (a pixel X,Y covers X..X+1, Y..Y+1).
struct Box {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Signed distance in pixels to a shape's outline: negative inside, positive outside.
// Bounds encloses every point with a negative distance.
struct Shape {
  std::function<float(float X, float Y)> Distance;
  Box Bounds;
};

Shape RoundRect(float Left, float Top, float Right, float Bottom, float Radius);
Shape Circle(float CentreX, float CentreY, float Radius);
// A straight stroke with round caps.
Shape Line(float X1, float Y1, float X2, float Y2, float Width);
// A band of the given width centred on the shape's outline.
Shape Stroke(const Shape& Source, float Width);
// A band of the given width just inside the shape's outline.
Shape InnerStroke(const Shape& Source, float Width);
// The shape grown outwards by Amount (negative shrinks it).
Shape Grow(const Shape& Source, float Amount);
Shape Translate(const Shape& Source, float DX, float DY);
Shape Union(const Shape& First, const Shape& Second);
Shape Intersect(const Shape& First, const Shape& Second);
Shape Subtract(const Shape& From, const Shape& Cut);
// Every point whose X lies in Left..Right and Y in Top..Bottom.
Shape Rect(float Left, float Top, float Right, float Bottom);

// The colour of a fill at a point.
using Paint = std::function<Color(float X, float Y)>;

Paint Solid(const Color& Value);
// A two-colour gradient along the line from (X1,Y1) to (X2,Y2), clamped beyond its ends.
Paint LinearGradient(float X1, float Y1, const Color& First, float X2, float Y2,
                     const Color& Second);
// A two-colour gradient from the centre outwards to Radius.
Paint RadialGradient(float CentreX, float CentreY, float Radius, const Color& Inner,
                     const Color& Outer);

class Canvas {
public:
  Canvas(int Width, int Height);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  void Clear(const Color& Value);
  // Composites Fill, limited to Shape, over the canvas. Feather is the width in pixels of the
  // ramp from fully covered to uncovered: 1 for a crisp anti-aliased edge, more for softness.
  void Fill(const Shape& Area, const Paint& Fill, float Opacity = 1.0f, float Feather = 1.0f);
  // Composites another canvas of the same size over this one.
  void Draw(const Canvas& Layer, float Opacity = 1.0f);

  // The straight colour of a pixel.
  Color Pixel(int X, int Y) const;

  // Pixels top row first, 4 bytes each in B,G,R,A order with straight alpha.
  std::vector<uint8_t> ToBgra() const;
  // Pixels top row first, 3 bytes each in B,G,R order, composited over Background.
  std::vector<uint8_t> ToBgr(const Color& Background) const;

private:
  int FWidth;
  int FHeight;
  // Premultiplied R,G,B,A for each pixel.
  std::vector<float> FData;
};

} // namespace ArtGen
