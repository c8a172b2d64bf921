#pragma once
// The parts of the dark skin's art set: the colours and raised faces its pieces share
// (charcoal surfaces, light ink and one amber accent for everything hot, checked or
// selected), and the drawing of each group of bitmaps. EmberArt.h tells where every piece
// lies.

#include <vector>

#include "tools/skingen/ArtKit.h"

namespace SkinGen::Ember {

constexpr Color Body = Hex(0x1B1C1F);       // the window body
constexpr Color Page = Hex(0x222327);       // tab pages and popup menus, a step above it
constexpr Color Inset = Hex(0x131416);      // edits, lists and grooves, a step below it
constexpr Color BorderQuiet = Hex(0x3A3C42);       // borders of quiet parts
constexpr Color BorderStrong = Hex(0x4C4F56); // borders of raised parts
constexpr Color Ink = Hex(0xE6E1DA);        // text and glyphs
constexpr Color InkQuiet = Hex(0x9A958E);   // glyphs at rest
constexpr Color InkDisabled = Hex(0x4A4946);
constexpr Color Accent = Hex(0xE8912D);     // amber
constexpr Color AccentLight = Hex(0xF5B563);
constexpr Color AccentDeep = Hex(0xB8661C);
constexpr Color AccentDim = Hex(0x9C6A38);  // hot borders: amber sunk into charcoal
constexpr Color Black = Hex(0x000000);
constexpr Color White = Hex(0xFFFFFF);

// The five looks of a control part; the skin objects map the pointer and focus states to
// them.
enum class Look { Normal, Hot, Pressed, Focused, Disabled };
constexpr Look Looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Focused, Look::Disabled};

// A raised charcoal face filling Outline, whose box runs from Top to Bottom: lighter when
// hot, sunk with an amber rim when pressed, ringed in amber when focused, flat when
// disabled.
void DrawRaisedFace(Canvas& C, const Shape& Outline, float Top, float Bottom, Look L);

// A square button face Size wide at X, Y with a chevron pointing along DX, DY.
void DrawArrowButton(Canvas& C, float X, float Y, float Size, Look L, float DX, float DY);

// The bitmaps, by group, in the order EmberArt.h lists them.
std::vector<SkinBitmap> DrawFrames();       // top ... btnsys, client, tooltop ... toolclose
std::vector<SkinBitmap> DrawControls();     // button, check, tabs, edit, group
std::vector<SkinBitmap> DrawMenusAndBars(); // menu, header, bars, arrows
std::vector<SkinBitmap> DrawScrollers();    // scroll, track, progress

} // namespace SkinGen::Ember
