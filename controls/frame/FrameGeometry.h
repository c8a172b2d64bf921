#pragma once
// The plain form frame's geometry, without a window system: where the client area lies
// inside the frame, where the caption buttons sit, which zone of the frame a point is in, and
// the platform's hit-test code for a zone.

#include <cstdint>

#include "skin/SkinObject.h"
#include "toolkit/Types.h"

enum TSeBorderStyle : uint8_t { qbsNone, qbsStandard, qbsToolWindow };

enum TSeFrameZone : uint8_t {
  fzNone, // the client area
  fzCaption,
  fzLeft,
  fzTop,
  fzRight,
  fzBottom,
  fzTopLeft,
  fzTopRight,
  fzBottomLeft,
  fzBottomRight,
  fzClose,
  fzHelp,
  fzMinimize,
  fzMaximize,
  fzRollup,
  fzTray,
  fzSysMenu,
  fzSkinButton
};

// The platform's frame metrics, read at start and when the theme changes.
struct TSeFrameMetrics {
  int32_t BorderWidth = 4;
  int32_t CaptionHeight = 19;
  int32_t SmallCaptionHeight = 15;
  int32_t ButtonWidth = 18;
  int32_t ButtonHeight = 14;
};

// What the plain frame's layout depends on, besides its size.
struct TSeFrameLayout {
  TSeBorderStyle BorderStyle = qbsStandard;
  TSeBorderIcons BorderIcons = 0;
  bool Maximized = false;
  bool Minimized = false;
  bool RolledUp = false;
  bool Themed = false; // the platform theme draws the frame: no tray button
  TSeFrameMetrics Metrics;
};

// The client rectangle inside a W x H frame: everything for qbsNone, else each side inset by
// the border and the top by the (small) caption as well.
TRect PlainFrameClientRect(const TSeFrameLayout& Layout, int32_t W, int32_t H);
// The caption band: between the side borders, from the top border down to the client area.
TRect PlainCaptionBand(const TSeFrameLayout& Layout, int32_t W, int32_t H);
// A caption button's rectangle (fzSysMenu, fzClose, fzMaximize, fzMinimize, fzRollup, fzTray,
// fzHelp); empty when its icon is not set or the state hides it. The system menu is a square
// of the band's height at its left end; the others stand from the right end leftwards in the
// order close, maximize, minimize, roll-up, tray, help. A tool window shows only close.
TRect PlainButtonRect(const TSeFrameLayout& Layout, int32_t W, int32_t H, TSeFrameZone Button);
// The zone at (X, Y) in window coordinates of a W x H frame: caption (maximized, only the band
// between the borders), buttons, then, outside the maximized, minimized and rolled-up states,
// the edges with 20-pixel corners.
TSeFrameZone PlainHitTest(const TSeFrameLayout& Layout, int32_t W, int32_t H, int32_t X, int32_t Y);

// The platform's hit-test codes the frame answers with.
namespace FrameHit {
constexpr int32_t Client = 1, Caption = 2, MinButton = 8, MaxButton = 9, Left = 10, Right = 11,
                  Top = 12, TopLeft = 13, TopRight = 14, Bottom = 15, BottomLeft = 16,
                  BottomRight = 17, Border = 18, Close = 20, Help = 21;
}

// The platform's hit-test code for a zone. The caption answers as caption when Moveable, also
// maximized (the frame's own mouse handling keeps a maximized window in place); edges and
// corners size only when Sizeable and not maximized; the frame's own buttons other than close,
// help, minimize and maximize answer the border code, so the frame handles them itself.
int32_t ZoneHitTestCode(TSeFrameZone Zone, bool Moveable, bool Sizeable, bool Maximized);

// The client rectangle the platform is told for a window rectangle: the window inset by the
// frame client's left and top, and by what the full window (WW x WH, shadow included) leaves
// right and below it.
TRect NonClientClientRect(const TRect& Window, const TRect& FrameClient, int32_t WW, int32_t WH);

// Edge snapping: Bounds shifted so that an edge nearer than Size (strictly) to the matching
// edge of Area lies on it; the left edge is tried before the right, the top before the bottom.
TRect SnapToArea(const TRect& Bounds, const TRect& Area, int32_t Size);

// The bounds a drag of the frame asks for. The caption moves Bounds by FromPress, the
// pointer's distance from where it went down; the edges and corners move their edges: the
// left and top ones by FromPress, held so that the size stays at least MinSize, the right and
// bottom ones by FromPress while an outline stands for the window (it has not moved) and by
// FromLast, the distance from the last point, while the window follows the pointer.
TRect DragBounds(TSeFrameZone Zone, const TRect& Bounds, TPoint FromPress, TPoint FromLast,
                 bool Outline, TPoint MinSize);
