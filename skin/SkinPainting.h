#pragma once
// The painting steps skin objects share: one part of a bitmap by tile style, the nine parts
// of a framed picture.

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <utility>

#include "gfx/BitmapLink.h"
#include "skin/SkinTypes.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ScopeGuards.h"

// Src of Image into Dst by Style: tiled, stretched, or unscaled and centred in Whole (not
// in Dst). Image's Transparent flag is Transparent for the call.
void PaintBitmapPart(HDC DC, const TseBitmap& Image, const TRect& Src, const TRect& Dst,
                     TscTileStyle Style, bool Transparent, const TRect& Whole);

// Which key-colour handling each of the nine parts gets.
struct TNinePartMasks {
  bool Centre;
  bool Edges;
  bool Corners;
  bool TopLeftCorner;
};

// Link's picture framed into Bounds: the centre by CentreStyle, the four edges by
// BorderStyle, the corners unscaled; Margins holds the widths of the left, top, right and
// bottom bands. Parts whose source has no area are skipped.
void PaintNineParts(HDC DC, const TseBitmapLink& Link, const TRect& Bounds, const TRect& Margins,
                    TscTileStyle CentreStyle, TscTileStyle BorderStyle,
                    const TNinePartMasks& Masks);

class TSeSkinObject;
class TCanvas;

inline bool StateIn(TSeState State, std::initializer_list<TSeState> States) {
  for (TSeState Which : States)
    if (Which == State)
      return true;
  return false;
}

// The picture Links gives for State, if it is usable; else null.
std::unique_ptr<TseBitmapLink>*
StateLink(TSeState State,
          std::initializer_list<std::pair<TSeState, std::unique_ptr<TseBitmapLink>*>> Links);

// A system-menu button's picture: when the object's control is a form, the form's small
// icon (else the program's, else the platform's) at the object's top-left corner.
void DrawWindowIcon(TCanvas& Canvas, const TSeSkinObject& Object);

// The shape of Object's picture: drawn alone at the origin onto a key-coloured surface, its
// non-key pixels moved back to the object's place.
TRegionHandle BitmapShapeRegion(TSeSkinObject& Object);
