#pragma once
// What scroll bars of the toolkit speak: their orientation, the codes a scroll event carries
// (the platform's SB_ values, in the same order) and the event itself.

#include <cstdint>
#include <functional>

#include "toolkit/Classes.h"

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

enum TScrollCode : uint8_t {
  scLineUp,    // one line toward the start (left or top)
  scLineDown,  // one line toward the end
  scPageUp,    // one page toward the start
  scPageDown,  // one page toward the end
  scPosition,  // the thumb was let go at the position
  scTrack,     // the thumb is being dragged
  scTop,       // to the start
  scBottom,    // to the end
  scEndScroll, // the user stopped scrolling
};

// ScrollPos arrives as the position the bar is about to take; the handler may change it.
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;
