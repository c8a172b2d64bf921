#pragma once
// The bitmaps of Mirevan's built-in skin, drawn from code: a calm slate-blue theme with soft
// vertical gradients and anti-aliased rounded corners. Skin objects cut rectangles out of
// these pictures, so every piece sits at a fixed place (x, y, right, bottom in pixels):
//
//   top     184x44  caption, between the side borders; rows 0-21 active, 22-43 inactive;
//                   ends 0-8 and 176-184, middle 8-176 the same in every column; opaque
//   left      8x32  border 4 wide, the full height of the window; columns 0-4 active, 4-8
//                   inactive; rows 0-22 beside the caption with the window's rounded
//                   top-left corner, 22-24 the same in every row, 24-32 bottom piece with
//                   the rounded bottom-left corner in its last 5 rows
//   right    10x32  border 5 wide; columns 0-5 active, 5-10 inactive; rows as "left", with
//                   the top-right and bottom-right corners
//   bottom   32x10  border 5 high, between the side borders; rows 0-5 active, 5-10 inactive;
//                   ends 0-4 and 27-32, middle 4-27 the same in every column; opaque
//   btnclose, btnmax, btnrestore, btnmin, btnroll, btnrolldown
//           108x15  six 18x15 blocks: normal, pressed, hot, inactive, disabled, normal
//   client   32x32  window body, plain
//   button  160x24  32x24 faces: normal, hot, pressed, focused, disabled; margins 4
//   check    52x65  13x13 cells; rows: box, box checked, box mixed, radio, radio checked;
//                   columns: normal, hot, pressed, disabled
//   tabs    100x40  page (0,0,18,18) margins 4; 20x22 tabs at x 18 normal, 38 hot,
//                   58 selected, 78 disabled; 16x16 scroll arrows at (0,24) left, (16,24) right
//   edit     64x16  16x16 frames: normal, hot, focused, disabled; margins 3
//   menu     64x40  popup (0,0,16,16) margins 2,2,3,3 with its shadow in the right and bottom
//                   bands; item (16,0,48,18) margins 3; bar (0,20,16,36) margins 2;
//                   bar item (16,20,48,38) margins 3
//   misc     64x64  progress frame (0,0,16,12) margins 3; bar (16,0,32,12) the same in every
//                   column; vertical bar (32,0,44,16) the same in every row; 16x20 header
//                   sections at (0,16) normal, (16,16) hot, (32,16) pressed; status bar
//                   (0,36,16,52) and panel (16,36,32,52) margins 3; gripper (32,36,44,48);
//                   16x16 drop-down arrow buttons at (48,0) normal, (48,16) hot, (48,32)
//                   pressed; chevron (44,48,52,56)
//
// Nine-slice pieces are drawn so that their middle bands repeat exactly: every column of the
// band between the left and right margins is identical, and every row of the band between
// the top and bottom margins. The caption and the bottom border continue the side borders'
// inner columns row for row, so the frame shows no seams.

#include <vector>

#include "tools/skingen/FrameArt.h"

namespace SkinGen {

// The frame that "top", "left", "right" and "bottom" are cut from.
extern const FrameGeometry SlateFrame;

// The 17 bitmaps in the order listed above; the same bytes on every call.
std::vector<SkinBitmap> DrawSkinBitmaps();

} // namespace SkinGen
