#pragma once
// Window frames and caption buttons, drawn the same way for every skin: the frame of a small
// window is drawn whole and cut into the pieces a skin stretches, and caption buttons stand
// side by side in one bitmap per button kind, one block per state.

#include <functional>
#include <vector>

#include "tools/skingen/ArtKit.h"

namespace SkinGen {

// The sizes of a frame and of the pieces cut from it.
struct FrameGeometry {
  int Caption, Left, Right, Bottom; // the bands round the window body
  int CaptionPiece, BottomPiece;    // lengths of the caption and bottom pieces
  // The outer corners: elliptical arcs RX wide and RY tall. They end at the centre of the
  // last column of the side borders, so the border columns beside the caption and the
  // bottom border are straight and continue them exactly.
  float TopRX, TopRY, BottomRX, BottomRY;
  // Rows beside the window body in the side pieces: the first two repeat down the window,
  // the others belong to the bottom piece with the bottom corner's arc.
  int BodyRows = 5;
  int Width() const { return Left + CaptionPiece + Right; }
  int SideHeight() const { return Caption + BodyRows + Bottom; }
};

// The frame in one activation state.
struct FrameColors {
  Color CaptionTop, CaptionBottom;
  Color Highlight; // the top row of the caption
  Color Outline;   // the outermost pixel all around the window
  Color Border;    // the body of the side and bottom borders
  Color Separator; // the line between the frame and the window body
};

struct FrameNames {
  const char *Top, *Left, *Right, *Bottom;
};

// Four bitmaps, each holding the active frame's piece and then the inactive one's below or
// beside it:
//   Top     CaptionPiece x 2*Caption   the caption between the side borders
//   Left    2*Left x SideHeight        rows 0-Caption beside the caption with the rounded
//                                      top corner, the next two the same in every row, the
//                                      rest the bottom piece with the rounded bottom corner
//   Right   2*Right x SideHeight       the same on the right
//   Bottom  BottomPiece x 2*Bottom     between the side borders; the ends as wide as the
//                                      borders, the middle the same in every column
std::vector<SkinBitmap> DrawFramePieces(const FrameGeometry& Geometry, const FrameColors& Active,
                                        const FrameColors& Inactive, const FrameNames& Names);

enum class CaptionGlyph { Close, Maximize, Restore, Minimize, RollUp, RollDown };
enum class CaptionState { Normal, Pressed, Hot, Inactive, Disabled };

// A glyph about 8 pixels across centred on CX, CY.
Shape CaptionGlyphShape(CaptionGlyph Glyph, float CX, float CY);

// Draws one block of a caption button sheet at X.
using CaptionButtonPainter = std::function<void(Canvas&, float X, CaptionState)>;
// Six blocks of Width x Height: normal, pressed, hot, inactive, disabled and normal again.
// The skin's buttons take the active image from block 0, pressed 1, hot 2 and inactive 3.
SkinBitmap DrawCaptionButtonSheet(const char* Name, int Width, int Height,
                                  const CaptionButtonPainter& Paint);

} // namespace SkinGen
