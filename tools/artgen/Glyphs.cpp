#include "Glyphs.h"

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

} // namespace ArtGen
