#pragma once
// What the control views share: a control's picture as its form paints it, pictures side by
// side on the gallery's backdrop, and mouse input to a form at a control's point.

#include <windows.h>

#include <vector>

#include "SkinViews.h"
#include "toolkit/Colors.h"
#include "toolkit/Types.h"

class TControl;
class TWinControl;
class TForm;

constexpr int ViewGap = 6;
constexpr TColor ViewBackdrop = 0x00E0E0E0;

// What Form paints of its client area, cut to Control's bounds.
TSkinPicture Capture(TForm& Form, const TControl& Control);
// What a windowed control paints of itself, through WM_PRINTCLIENT: its own window is not
// part of what its form paints.
TSkinPicture CaptureWindowed(TWinControl& Control);
// A windowed control as it shows on Form: the form's background, the control and its
// windowed children over it. EraseBackgrounds: each window's background is painted too (the
// sheets of a page control have nothing else).
TSkinPicture CaptureWindowed(TForm& Form, TWinControl& Control, bool EraseBackgrounds = false);
// Mouse input straight to a windowed control, at its own coordinates.
void SendMouse(TWinControl& Control, UINT Msg, WPARAM Keys, TPoint At);
// Pictures side by side, tops aligned, on the backdrop.
TSkinPicture SideBySide(const std::vector<TSkinPicture>& Views);
// Mouse input to the form, at a point of the control.
void Mouse(TForm& Form, const TControl& Control, UINT Msg, WPARAM Keys, TPoint At);
