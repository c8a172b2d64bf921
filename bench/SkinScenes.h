#pragma once
// The pictures Mirevan really draws, for the benchmarks: a skin's bitmaps, read through the
// skin reader, cut into the pieces the skinned frame and controls draw them in (the nine
// parts of a framed picture, tiles or stretches by the object's styles, key-coloured holes
// where its masks say), laid out over a target of a given size.

#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/SkinSource.h"

struct TScenePiece {
  const TseBitmap* Image;
  TRect Src, Dst;
  bool Transparent;   // the key colour makes holes, for this piece only
  bool Tiled = false; // Dst filled with copies of Src, as Tile does, in one call
};

// How a piece's pixels are drawn: copied, with key holes, alpha-blended 1:1 or scaled.
enum class TSceneMode { Copy, ColorKey, Alpha, AlphaScaled };

TSceneMode ModeOf(const TScenePiece& Piece);

// The skin at Path: the built-in skin's stored form (a kind byte in front) or a skin file.
std::unique_ptr<TSeSkinSource> LoadSkin(const std::string& Path);

// Every bitmap object of Skin drawn into Bounds as the controls draw it.
std::vector<TScenePiece> SkinScene(const TSeSkinSource& Skin, const TRect& Bounds);

// The pieces of one mode, and the target pixels they cover together.
std::vector<TScenePiece> PiecesOf(const std::vector<TScenePiece>& Scene, TSceneMode Mode);
int64_t CoveredPixels(const std::vector<TScenePiece>& Pieces);

void DrawPiece(const TScenePiece& Piece, TseBitmap& Target);
