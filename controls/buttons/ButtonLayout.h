#pragma once
// The push button's arithmetic, free of the window system: how many cells a glyph holds,
// which cell a state shows, where the block of glyph and caption lies and how it splits, the
// grey tones of black-and-white and disabled glyphs, and what each dialog-button kind brings.

#include <cstdint>

#include "gfx/Pixels.h"
#include "toolkit/ButtonTypes.h"
#include "toolkit/Types.h"

enum TSeButtonState : uint8_t { qbsNormal, qbsPressed };

// NumGlyphs once a glyph of Width x Height arrives: a row of square cells gives their count
// when it is below 5, else 1; any other shape leaves Current.
int NumGlyphsForGlyph(int Width, int Height, int Current);

// The size of one glyph cell (Width div NumGlyphs, Height); (0, 0) without a glyph.
TPoint GlyphCellSize(int GlyphWidth, int GlyphHeight, int NumGlyphs);

// The cell a state shows: 0; one to the right when disabled (NumGlyphs above 1); two more
// when pressed (NumGlyphs above 2).
int GlyphCellIndex(int NumGlyphs, bool Disabled, bool Pressed);

// What the block of glyph and caption is made from.
struct TButtonContent {
  int Width = 0, Height = 0; // the button
  TPoint Text;               // the caption's measured extent (or the word-wrap box)
  TPoint Cell;               // GlyphCellSize; (0, 0) for no glyph
  int Spacing = 4;
  TButtonLayout Layout = blGlyphLeft;
  bool Pressed = false;
};

// The box a word-wrapped caption is measured in: the button less the spacing, a glyph cell
// and 10 pixels each way.
TPoint WordWrapBox(int Width, int Height, int Spacing, TPoint Cell);
// The block of caption and glyph, centred in the button (halves truncated toward zero), one
// pixel down and right while pressed.
TRect ButtonContentRect(const TButtonContent& C);
// The content less the glyph's strip (cell plus spacing) on the glyph's side.
TRect ButtonCaptionRect(const TRect& Content, TPoint Cell, int Spacing, TButtonLayout Layout);
// That strip.
TRect ButtonGlyphRect(const TRect& Content, TPoint Cell, int Spacing, TButtonLayout Layout);
// A Width x Height rectangle centred in Bounds, halves truncated toward zero.
TRect CentredRect(const TRect& Bounds, int Width, int Height);

// A glyph pixel as drawn: Pixel itself, the grey of its lightness (round(L * 255)) for a
// black-and-white glyph away from the pointer, or the pale grey 160 + round(L * 50) for a
// single-cell glyph on a disabled button (the later rule wins). Colours are 0x00RRGGBB.
TsePixel GlyphPixel(TsePixel Pixel, bool BlackAndWhite, bool DisabledSingleCell);

// What a dialog-button kind gives the button: its modal result, whether it becomes the
// default button and its glyph's resource name (bkCustom: none of these, Changes false).
struct TButtonKindInfo {
  bool Changes = false;
  int ModalResult = 0;
  bool MakesDefault = false;
  const char* Resource = nullptr;
};
TButtonKindInfo ButtonKindInfo(TBitBtnKind Kind);
