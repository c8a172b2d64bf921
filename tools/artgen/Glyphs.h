#pragma once
// The glyphs of the skinned frame's system menu: close, minimize, maximize, restore, roll-up
// and to-tray, 16 x 16, in one dark ink on the key colour the menus leave out.

#include "Canvas.h"

namespace ArtGen {

enum class FormGlyph { Close, Minimize, Maximize, Restore, Rollup, Tray };

constexpr int FormGlyphSize = 16;
// The see-through colour around the glyphs: magenta.
Color GlyphKeyColor();
void DrawFormGlyph(Canvas& Target, FormGlyph Glyph);

} // namespace ArtGen
