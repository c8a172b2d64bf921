#pragma once
// A popup menu's arithmetic, free of the window system: where a level opens on its monitor,
// which row the arrow keys step to (skipping separators and hidden rows, wrapping at the
// ends) and how a scrolled level's first row follows the selection, the rows' rectangles,
// and the key code a menu shortcut is compared with.

#include <cstdint>
#include <vector>

#include "toolkit/Types.h"

// What a level opens from: a point (a popup menu), an item of a menu bar (the level drops
// below it), or an item of another popup (the level opens to its right).
enum class TPopupOrigin { poPoint, poBar, poItem };

// The top-left corner of a level of Size opened from At (poPoint) or from the item rectangle
// ParentRect, kept on Monitor: a level that would cross the monitor's right edge opens to the
// left of the point or item, one that would cross the bottom opens above it; one that still
// does not fit is pushed back against those edges, but never past the monitor's left or top.
TPoint PlacePopup(TPopupOrigin Origin, TPoint At, const TRect& ParentRect, int Width, int Height,
                  const TRect& Monitor);

// One row of a level as the arrow keys see it.
struct TMenuRow {
  bool Visible = true;
  bool Separator = false;
};

// The rows of a level and where its scrolled window onto them starts.
struct TMenuRows {
  std::vector<TMenuRow> Rows;
  bool Scrolled = false;
  int ScrollCount = 0;
  int FirstVisible = 0;

  int Count() const { return static_cast<int>(Rows.size()); }
  // Whether only ScrollCount rows show at a time.
  bool Scrolls() const { return Scrolled && ScrollCount > 0; }
  // The number of rows shown: ScrollCount cut to the rows from FirstVisible, or all.
  int VisibleRowCount() const;
  bool Selectable(int Index) const;
};

// The outcome of one arrow-key step: the new current row (-1 when no row can take the
// selection) and the scrolled window's new first row.
struct TMenuStep {
  int Current = -1;
  int FirstVisible = 0;
  // The rows passed over on the way (separators and hidden rows), in order.
  std::vector<int> Skipped;
};

// Down (Forward) or Up from Current (-1 for none): the next row, wrapping at the ends,
// passing over hidden rows and separators; a scrolled level moves its window so that the
// new row shows. A level without a selectable row answers Current -1 after one round.
TMenuStep StepMenu(const TMenuRows& Rows, int Current, bool Forward);

// A level's rows laid out top to bottom from Origin: the rectangle of every row (empty for
// hidden rows and rows outside the shown ones), 10 pixels lower when the level scrolls (below
// its top arrow strip), all as wide as the widest visible row; and the content's size, the
// two 10-pixel arrow strips included when it scrolls.
struct TMenuRowSize {
  int Width = 0;
  int Height = 0;
};
struct TMenuLayout {
  std::vector<TRect> Rects;
  int Width = 0;
  int Height = 0;
};
constexpr int MenuScrollStrip = 10;
TMenuLayout LayoutMenuRows(const TMenuRows& Rows, const std::vector<TMenuRowSize>& Sizes,
                           TPoint Origin);

// The key code menu shortcuts are stored as: the virtual key plus 0x2000 with Shift, 0x4000
// with Ctrl and 0x8000 with Alt.
constexpr uint16_t scShift = 0x2000;
constexpr uint16_t scCtrl = 0x4000;
constexpr uint16_t scAlt = 0x8000;
constexpr uint16_t MenuShortCut(uint16_t VirtualKey, bool Shift, bool Ctrl, bool Alt) {
  return static_cast<uint16_t>(VirtualKey + (Shift ? scShift : 0) + (Ctrl ? scCtrl : 0) +
                               (Alt ? scAlt : 0));
}
