#pragma once
// The pictures shown in the program's dialogs, each drawn to fill its whole canvas.

#include "Canvas.h"

namespace ArtGen {

// The drag tool's socket, 32x32: a sunken well, holding the reticle when Loaded.
void DrawSocket(Canvas& Target, bool Loaded);

// A small desktop, 64x56, with three stacked windows, see-through when Translucent.
void DrawDesktop(Canvas& Target, bool Translucent);

// The About banner, 361x97: emblem, name and tagline on a soft gradient.
void DrawBanner(Canvas& Target);

} // namespace ArtGen
