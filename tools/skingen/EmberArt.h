#pragma once
// The bitmaps of "Midnight Ember", Mirevan's dark skin, drawn from code: charcoal surfaces,
// light ink and one amber accent for whatever is hot, checked or selected. Skin objects cut
// rectangles out of these pictures, so every piece sits at a fixed place (x, y, right,
// bottom in pixels). Control states run in this order wherever a piece has them: normal,
// hot, pressed, focused, disabled.
//
//   top     184x48  caption 24 high, between the side borders; rows 0-24 active, 24-48
//                   inactive; ends 0-8 and 176-184, middle 8-176 the same in every column;
//                   opaque, the active one's top row amber
//   left      8x33  border 4 wide, the full height of the window; columns 0-4 active, 4-8
//                   inactive; rows 0-24 beside the caption with the window's rounded
//                   top-left corner, 24-26 the same in every row, 26-33 bottom piece with
//                   the rounded bottom-left corner in its last 4 rows
//   right     8x33  the same on the right
//   bottom   32x8   border 4 high; rows 0-4 active, 4-8 inactive; ends 0-4 and 28-32,
//                   middle 4-28 the same in every column; opaque
//   btnclose, btnmax, btnrestore, btnmin, btnroll, btnrolldown
//           120x16  six 20x16 blocks: normal, pressed, hot, inactive, disabled, normal
//   btnsys   96x16  six 16x16 blocks in the same order, an ember for windows without icon
//   client   32x32  window body, plain
//   tooltop 120x36  the tool window's caption, 18 high; rows 0-18 active, 18-36 inactive;
//                   ends 0-6 and 114-120
//   toolleft, toolright
//             6x27  borders 3 wide; columns 0-3 active, 3-6 inactive; rows 0-18 beside the
//                   caption, 18-20 the same in every row, 20-27 bottom piece with the
//                   rounded corner in its last 4 rows
//   toolbottom 24x6 border 3 high; rows 0-3 active, 3-6 inactive; ends 0-3 and 21-24
//   toolclose 96x13 six 16x13 blocks, as the caption buttons
//   button  192x24  32x24 faces: normal, hot, pressed, focused, disabled, and at 160 an
//                   empty one (a flat button at rest); margins 4
//   check    75x75  15x15 cells; rows: box, box checked, box mixed, radio, radio checked;
//                   columns: the five states
//   tabs    114x40  page (0,0,18,18) margins 4; page sheen (0,20,18,38) margins 4, clear
//                   in its margins; 20x22 tabs at x 18 normal, 38 hot, 58 selected, 78
//                   disabled, margins 4, 4, 4, 2; 16x16 scroll buttons at y 24 from x 18:
//                   left normal, hot, pressed, then right normal, hot, pressed
//   edit     64x16  16x16 frames: normal, hot, focused, disabled; margins 3
//   group    48x16  group frame (0,0,16,16) margins 4; caption plate (16,0,32,14) margins
//                   3; hint (32,0,48,16) margins 4
//   menu     64x64  popup (0,0,16,16) margins 3, 3, 4, 4 with its shadow in the right and
//                   bottom bands; item hot (16,0,48,22) and keyboard-selected (16,24,48,46)
//                   margins 3; separator (48,0,64,22) margins 6 left and right; item at rest
//                   (48,24,64,46) empty; bar (0,48,16,64) margins 2
//   header   48x20  16x20 sections: normal, hot, pressed; margins 3
//   bars     50x20  status bar (0,0,16,16) and panel (16,0,32,16) margins 3; size gripper
//                   (32,0,44,12); chevron (32,12,40,20); grabber (44,0,50,20)
//   arrows   64x16  16x16 drop-down buttons: normal, hot, pressed, disabled
//   scroll  101x105 17x17 arrow buttons, columns normal, hot, pressed, disabled, rows left,
//                   right, up, down (0,0,68,68); horizontal track (68,0,84,17) and vertical
//                   track (84,0,101,16) margins 3; 20x17 horizontal thumbs at y 68 and
//                   17x20 vertical ones at y 85, normal, hot, pressed, disabled; margins 6
//                   along the bar and 5 across it
//   track   100x93  11x20 slider thumbs in the five states across, rows: rectangle,
//                   pointing down, pointing up (0,0,55,60); 20x11 ones across at y 60, rows:
//                   rectangle, pointing right, pointing left (0,60,100,93); grooves 6 thick
//                   with margins 3 along them and 2 across: horizontal (56,0,72,6), its
//                   amber fill (56,8,72,14), vertical (74,0,80,16), its fill (82,0,88,16)
//   progress 60x16  trough (0,0,16,12) and its inner shadow (16,0,32,12) margins 3; bar
//                   (32,0,48,12) the same in every column; vertical bar (48,0,60,16) the
//                   same in every row
//
// Nine-slice pieces are drawn so that their middle bands repeat exactly: every column of the
// band between the left and right margins is identical, and every row of the band between
// the top and bottom margins unless the piece is a face with a gradient down it. The
// captions and bottom borders continue the side borders' inner columns row for row, so the
// frames show no seams.

#include <vector>

#include "tools/skingen/FrameArt.h"

namespace SkinGen {

// The frames that "top", "left", "right", "bottom" and the tool window's pieces are cut
// from.
extern const FrameGeometry EmberFrame;
extern const FrameGeometry EmberToolFrame;

// The 29 bitmaps in the order listed above; the same bytes on every call.
std::vector<SkinBitmap> DrawEmberBitmaps();

} // namespace SkinGen
