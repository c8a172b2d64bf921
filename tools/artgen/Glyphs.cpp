#include "Glyphs.h"

#include <cmath>
#include <vector>

namespace ArtGen {

namespace {

// Hard edges: the key colour around the glyph must stay exact, with no blended fringe.
constexpr float Crisp = 0.01f;

const Color Ink = Rgb(32, 32, 40);

void Fill(Canvas& Target, const Shape& Area) { Target.Fill(Area, Solid(Ink), 1.0f, Crisp); }

// A window outline with a thick title bar.
Shape WindowOutline(float L, float T, float R, float B) {
  return Union(InnerStroke(Rect(L, T, R, B), 1.0f), Rect(L, T, R, T + 2.0f));
}

// The side of the line from (X1, Y1) to (X2, Y2) on its right, looking along it (y down).
Shape HalfPlane(float X1, float Y1, float X2, float Y2) {
  const float DX = X2 - X1, DY = Y2 - Y1;
  const float Length = std::hypot(DX, DY);
  return {[=](float X, float Y) { return ((X - X1) * DY - (Y - Y1) * DX) / Length; },
          {-1e6f, -1e6f, 1e6f, 1e6f}};
}

// Corners in clockwise order (y down).
Shape Triangle(float X1, float Y1, float X2, float Y2, float X3, float Y3) {
  return Intersect(Intersect(HalfPlane(X1, Y1, X2, Y2), HalfPlane(X2, Y2, X3, Y3)),
                   HalfPlane(X3, Y3, X1, Y1));
}

Shape Ring(float CentreX, float CentreY, float Radius, float Width) {
  return Stroke(Circle(CentreX, CentreY, Radius), Width);
}

Shape Tick(float Left, float Top, float Scale, float Width) {
  const auto P = [&](float X, float Y) { return std::pair{Left + X * Scale, Top + Y * Scale}; };
  const auto [AX, AY] = P(0, 4.5f);
  const auto [BX, BY] = P(3.5f, 8);
  const auto [CX, CY] = P(10, 0);
  return Union(Line(AX, AY, BX, BY, Width), Line(BX, BY, CX, CY, Width));
}

Shape Cross(float Inset, float Width) {
  const float Far = ButtonGlyphCell - Inset;
  return Union(Line(Inset, Inset, Far, Far, Width), Line(Far, Inset, Inset, Far, Width));
}

struct Layer {
  Shape Area;
  Color Tint;
};

const Color Green = Rgb(0, 128, 0);
const Color Red = Rgb(200, 0, 0);
const Color Blue = Rgb(0, 70, 190);
const Color Amber = Rgb(176, 104, 0);
const Color White = Rgb(255, 255, 255);
const Color DisabledInk = Rgb(128, 128, 128);

std::vector<Layer> ButtonGlyphLayers(ButtonGlyph Glyph) {
  switch (Glyph) {
  case ButtonGlyph::OK:
  case ButtonGlyph::Yes:
    return {{Tick(3, 4, 1, 2.4f), Green}};
  case ButtonGlyph::Cancel:
  case ButtonGlyph::No:
    return {{Cross(4, 2.4f), Red}};
  case ButtonGlyph::Close:
    return {{Cross(4, 2.4f), Ink}};
  case ButtonGlyph::Abort:
    // A stop sign: a red disc with a white cross.
    return {{Circle(8, 8, 6.5f), Red}, {Cross(5.5f, 1.8f), White}};
  case ButtonGlyph::Help: {
    // The hook: the top half of a ring and its right-hand lower quarter, then the stem.
    const Shape Hook = Intersect(Ring(8, 5.5f, 3.2f, 2.2f),
                                 Union(Rect(0, 0, 16, 6), Rect(8, 0, 16, 9)));
    return {{Union(Union(Hook, Line(8, 8.7f, 8, 10.2f, 2.2f)), Circle(8, 13.2f, 1.3f)), Blue}};
  }
  case ButtonGlyph::Retry: {
    // Three quarters of a ring, open at the top right, its end an arrowhead pointing on
    // clockwise.
    const Shape Arc = Subtract(Ring(8, 8.5f, 4.45f, 2.0f), Rect(8, 0, 16, 8));
    return {{Union(Arc, Triangle(8, 0.5f, 12, 4, 8, 7.5f)), Blue}};
  }
  case ButtonGlyph::Ignore: {
    // An arrow that hops over a block.
    const Shape Hop = Intersect(Ring(7.5f, 10, 5.45f, 2.0f), Rect(0, 0, 16, 10));
    return {{Rect(6, 11, 10, 15), Ink},
            {Union(Hop, Triangle(10, 10, 16, 10, 13, 14)), Amber}};
  }
  case ButtonGlyph::All:
    return {{Union(Tick(1, 5, 0.6f, 2.0f), Tick(8, 5, 0.6f, 2.0f)), Green}};
  }
  return {};
}

} // namespace

Color GlyphKeyColor() { return Rgb(255, 0, 255); }

void DrawFormGlyph(Canvas& Target, FormGlyph Glyph) {
  switch (Glyph) {
  case FormGlyph::Close:
    Fill(Target, Union(Line(4.5f, 4.5f, 11.5f, 11.5f, 1.6f), Line(11.5f, 4.5f, 4.5f, 11.5f, 1.6f)));
    break;
  case FormGlyph::Minimize:
    Fill(Target, Rect(4, 11, 12, 13));
    break;
  case FormGlyph::Maximize:
    Fill(Target, WindowOutline(3, 3, 13, 13));
    break;
  case FormGlyph::Restore:
    Fill(Target, Subtract(WindowOutline(6, 2, 14, 9), Rect(2, 6, 10, 14)));
    Fill(Target, WindowOutline(2, 6, 10, 14));
    break;
  case FormGlyph::Rollup:
    Fill(Target, Union(Line(4.5f, 10.5f, 8.0f, 6.5f, 1.6f), Line(8.0f, 6.5f, 11.5f, 10.5f, 1.6f)));
    break;
  case FormGlyph::Tray:
    Fill(Target, Rect(7, 2, 9, 8));
    Fill(Target, Union(Line(5.0f, 6.0f, 8.0f, 9.0f, 1.6f), Line(8.0f, 9.0f, 11.0f, 6.0f, 1.6f)));
    Fill(Target, Rect(3, 12, 13, 14));
    break;
  }
}

void DrawButtonGlyph(Canvas& Target, ButtonGlyph Glyph) {
  const std::vector<Layer> Layers = ButtonGlyphLayers(Glyph);
  for (const Layer& L : Layers)
    Target.Fill(L.Area, Solid(L.Tint), 1.0f, Crisp);
  // The disabled look is the glyph's silhouette, with what is drawn in white left out (the
  // cross of a stop sign).
  Shape Whole = Layers.front().Area;
  for (const Layer& L : Layers)
    Whole = L.Tint.R == 1 && L.Tint.G == 1 && L.Tint.B == 1 ? Subtract(Whole, L.Area)
                                                            : Union(Whole, L.Area);
  const float Cell = ButtonGlyphCell;
  Target.Fill(Intersect(Translate(Whole, Cell + 1, 1), Rect(Cell + 1, 0, 2 * Cell, Cell - 1)),
              Solid(White), 1.0f, Crisp);
  Target.Fill(Translate(Whole, Cell, 0), Solid(DisabledInk), 1.0f, Crisp);
}

} // namespace ArtGen
