#pragma once
// What the control views share: the backdrop, a control's picture as its form paints it, the
// pictures of one strip side by side, and mouse input to a windowless control.

#include <windows.h>

#include <vector>

#include "SkinViews.h"
#include "toolkit/Forms.h"

constexpr TColor ViewBackdrop = 0x00E0E0E0;

// What Form paints of its client area, cut to Control's bounds (a windowless control, or
// the background under a windowed one).
TSkinPicture Capture(TForm& Form, const TControl& Control);
// A windowed control as it shows on Form: the form's background, the control and its
// windowed children over it.
TSkinPicture CaptureWindowed(TForm& Form, TWinControl& Control);
// Pictures side by side, tops aligned, on the backdrop.
TSkinPicture SideBySide(const std::vector<TSkinPicture>& Views);
// Mouse input to the form, at a point of the control.
void Mouse(TForm& Form, const TControl& Control, UINT Msg, WPARAM Keys, TPoint At);
