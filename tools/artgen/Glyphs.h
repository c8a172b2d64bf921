#pragma once
// The glyphs of the skinned frame's system menu: close, minimize, maximize, restore, roll-up
// and to-tray, 16 x 16, in one dark ink on the key colour the menus leave out. And the push
// button's dialog kinds: two 16 x 16 cells each, the glyph in colour and its disabled look.

#include "Canvas.h"

namespace ArtGen {

enum class FormGlyph { Close, Minimize, Maximize, Restore, Rollup, Tray };

constexpr int FormGlyphSize = 16;
// The see-through colour around the glyphs: magenta.
Color GlyphKeyColor();
void DrawFormGlyph(Canvas& Target, FormGlyph Glyph);

enum class ButtonGlyph { OK, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All };

constexpr int ButtonGlyphCell = 16;
// Into a canvas of two cells side by side: the glyph in its colours, then the disabled look
// (grey, with a white edge one pixel down and right). Uncovered pixels stay as they are; the
// bottom-left pixel of each cell is never covered.
void DrawButtonGlyph(Canvas& Target, ButtonGlyph Glyph);

} // namespace ArtGen
