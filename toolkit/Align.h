#pragma once
// How a parent places its children when its client area changes: alignment, which docks a
// child to a side of the area (or fills what is left), and anchors, which keep a child's
// distances to the sides it is anchored to. Free of the window system.

#include <cstdint>
#include <vector>

#include "toolkit/Types.h"

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TAnchors = uint8_t;
constexpr TAnchors akLeft = 1, akTop = 2, akRight = 4, akBottom = 8;
constexpr TAnchors DefaultAnchors = akLeft | akTop;

// Where an unaligned child stood, and in a parent area of what size, when it was last placed
// by anyone but the layout. Not Valid until the parent first had a size to measure from.
struct TAnchorBase {
  TRect Bounds;
  TSize Area;
  bool Valid = false;
};

// An unaligned child's bounds in an area of size Area. Anchored to both sides of an axis it
// stretches with the area; to the far side alone it keeps its distance to it; to neither it
// keeps its centre at the same fraction of the area; to the near side alone it stays put.
// Sizes never go below 0.
TRect AnchoredBounds(const TAnchorBase& Base, TAnchors Anchors, TSize Area);

// The smallest area in which an unaligned child keeps its size and every anchored distance
// (its designed place when anchored to the near sides).
TSize AnchoredNeed(const TAnchorBase& Base, TAnchors Anchors);

// One child as the layout sees it.
struct TAlignChild {
  TAlign Align = TAlign::alNone;
  TAnchors Anchors = DefaultAnchors;
  TRect Bounds;        // now, in the parent's client coordinates
  TAnchorBase Base;    // for unaligned children
  TSize Minimum;       // the smallest size that shows its content whole
  bool Visible = true; // hidden children take no place and are not moved
};

// The children's new bounds in Area, in the children's order. Unaligned children go by their
// anchors, then the aligned ones take their sides in the order top, bottom, left, right,
// client; among children of one kind the one nearer its side (by its present place) goes
// first, ties in child order. A child docked to a side keeps its depth, takes the whole
// remaining length, and takes that depth off the remaining area; the client child fills what
// is left. A child without a valid base keeps its bounds.
std::vector<TRect> AlignChildren(const std::vector<TAlignChild>& Children, const TRect& Area);

// The smallest area at Origin (in the children's coordinates) in which every visible child
// shows whole: docked children keep their depths and get their minimum lengths, the client
// child its minimum, unaligned children what their anchors need.
TSize AlignedMinimum(const std::vector<TAlignChild>& Children, TPoint Origin = {});
