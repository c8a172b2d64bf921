#pragma once
// Checks that hold for the bitmaps of every skin the art sets draw, shared by their test
// programs: pixel access, bands that nine-slice drawing repeats, sheets whose pieces lie
// apart, the loader's key colour, window frames whose pieces join without a seam, and
// caption button sheets whose states can be told apart. Failures are counted by
// tools/artgen/Checks.h and explained on standard error.

#include <array>
#include <functional>
#include <vector>

#include "tools/skingen/FrameArt.h"

namespace SkinGen::Checks {

using Pixel = std::array<uint8_t, 4>; // B, G, R, A

Pixel At(const SkinBitmap& B, int X, int Y);
int Alpha(const SkinBitmap& B, int X, int Y);
// The brightness of a pixel's colour, to tell light lines from dark ones.
int Brightness(const Pixel& P);

struct Region {
  int Left, Top, Right, Bottom;
};

// The bitmap of that name in a set; ends the program when there is none.
const SkinBitmap& Find(const std::vector<SkinBitmap>& Set, const char* Name);

// Every column of the region is the same (AlongX), or every row. Names the first pixel that
// breaks the pattern unless Quiet.
bool Uniform(const SkinBitmap& B, Region R, bool AlongX, bool Quiet = false);
// A nine-slice piece: the band between the left and right margins repeats along X, and for a
// piece with a plain middle the band between the top and bottom margins along Y. (Faces
// with a vertical gradient are only ever stretched, never tiled, from top to bottom.)
bool Stretches(const SkinBitmap& B, Region R, int ML, int MT, int MR, int MB,
               bool PlainMiddle = true);
// Two regions of the same size hold different pixels.
bool Differ(const SkinBitmap& B, Region First, Region Second);
// Rows pixels down column AX of A from row AY are the same as those down column BX of B
// from row BY.
bool SameColumn(const SkinBitmap& A, int AX, int AY, const SkinBitmap& B, int BX, int BY,
                int Rows);
// Outer corner pixel clear, the pixel Depth in along the diagonal solid, and partial cover
// on the curve in the corner's row.
bool RoundCorner(const SkinBitmap& B, int X, int Y, int InX, int InY, int Depth = 3);

// The bitmaps have the names and sizes given, in that order, and a second drawing gives the
// same bytes.
struct NameAndSize {
  const char* Name;
  int Width, Height;
};
void CheckNamesAndSizes(const std::vector<SkinBitmap>& Set, const std::vector<NameAndSize>& Want,
                        const std::function<std::vector<SkinBitmap>()>& DrawAgain);
// No pixel near the key colour, and no see-through pixel with colour in it.
void CheckPixelRules(const std::vector<SkinBitmap>& Set);

// The pieces of a shared bitmap: each drawn (or left empty where so listed), none
// overlapping another, nothing drawn outside them.
struct Sheet {
  const char* Name;
  std::vector<Region> Pieces;
  std::vector<Region> Empty = {};
};
void CheckPiecesApart(const std::vector<SkinBitmap>& Set, const Sheet& S);

// Count pieces of the same size, each Step further on (DX, DY) from First, are pairwise
// different: the states of a control can be told apart.
void CheckStatesDiffer(const SkinBitmap& B, Region First, int DX, int DY, int Count);

// The pieces of a frame drawn by DrawFramePieces: repeating bands (the caption's ends are
// CaptionEnd wide), solid caption and bottom, rounded outer corners whose light top line and
// dark outline bend with the curve, and joins without a seam.
void CheckFrame(const std::vector<SkinBitmap>& Set, const FrameGeometry& G, const FrameNames& Names,
                int CaptionEnd);

// A sheet of DrawCaptionButtonSheet: the last block repeats the first, all others differ,
// the corners of every block are clear, and (for symmetric glyphs) the normal block is its
// own mirror image.
void CheckCaptionButtons(const SkinBitmap& B, int Width, int Height, bool Symmetric);

} // namespace SkinGen::Checks
