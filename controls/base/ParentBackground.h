#pragma once
// What a control shows through: the parent's background under it, painted into the
// control's device context at the control's own coordinates. The parent is asked by an
// erase-background message whose second parameter points to this record.

#include <windows.h>

#include <cstdint>

#include "controls/base/Bevels.h"
#include "toolkit/Controls.h"

#pragma pack(push, 1)
struct TSeParentBackgroundRequest {
  uint8_t Marker = 1;
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0; // the control in parent coordinates
};
#pragma pack(pop)
static_assert(sizeof(TSeParentBackgroundRequest) == 17);

// Paints what Control's parent shows under it into DC (state saved and restored): with a
// buffered Performance straight into DC, unbuffered through a temporary bitmap (and, on a form
// whose skinned frame is active, through that frame clipped to the control). PaintSiblings
// also paints the parent's windowless children over that background.
void DrawParentBackground(TControl& Control, HDC DC, int Width, int Height,
                          TSePerformance Performance, bool PaintSiblings);
