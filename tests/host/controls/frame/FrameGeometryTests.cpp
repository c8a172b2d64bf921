// The plain frame's geometry: client area, caption buttons, zones and the platform's codes.

#include <gtest/gtest.h>

#include "controls/frame/FrameGeometry.h"

#ifdef _WIN32
#include <windows.h>
// The portable codes are the platform's.
static_assert(FrameHit::Client == HTCLIENT && FrameHit::Caption == HTCAPTION &&
              FrameHit::MinButton == HTMINBUTTON && FrameHit::MaxButton == HTMAXBUTTON &&
              FrameHit::Left == HTLEFT && FrameHit::Right == HTRIGHT && FrameHit::Top == HTTOP &&
              FrameHit::TopLeft == HTTOPLEFT && FrameHit::TopRight == HTTOPRIGHT &&
              FrameHit::Bottom == HTBOTTOM && FrameHit::BottomLeft == HTBOTTOMLEFT &&
              FrameHit::BottomRight == HTBOTTOMRIGHT && FrameHit::Border == HTBORDER &&
              FrameHit::Close == HTCLOSE && FrameHit::Help == HTHELP);
#endif

namespace {

constexpr int32_t W = 400, H = 300;

TSeBorderIcons Icons(std::initializer_list<TSeBorderIcon> Which) {
  TSeBorderIcons Set = 0;
  for (const TSeBorderIcon Icon : Which)
    Set |= static_cast<TSeBorderIcons>(1u << Icon);
  return Set;
}

TSeFrameLayout Standard() {
  TSeFrameLayout Layout;
  Layout.BorderIcons = Icons({qbiClose, qbiSystemMenu, qbiMinimize, qbiMaximize});
  Layout.Metrics = {4, 19, 15, 18, 18};
  return Layout;
}

TEST(FrameGeometry, TheClientAreaIsInsetByBorderAndCaption) {
  TSeFrameLayout Layout = Standard();
  EXPECT_EQ(PlainFrameClientRect(Layout, W, H), Rect(4, 23, 396, 296));
  Layout.BorderStyle = qbsToolWindow;
  EXPECT_EQ(PlainFrameClientRect(Layout, W, H), Rect(4, 19, 396, 296));
  Layout.BorderStyle = qbsNone;
  EXPECT_EQ(PlainFrameClientRect(Layout, W, H), Rect(0, 0, W, H));
  EXPECT_TRUE(PlainButtonRect(Layout, W, H, fzClose).IsEmpty());
  // The platform is told the window inset by the frame, the shadow's strip included.
  EXPECT_EQ(NonClientClientRect(Rect(100, 50, 508, 358), Rect(4, 23, 396, 296), 408, 308),
            Rect(104, 73, 496, 346));
}

TEST(FrameGeometry, CaptionButtonsStandFromTheRightAndFollowIconsAndState) {
  TSeFrameLayout Layout = Standard();
  const TRect Close = PlainButtonRect(Layout, W, H, fzClose);
  const TRect Maximize = PlainButtonRect(Layout, W, H, fzMaximize);
  const TRect Minimize = PlainButtonRect(Layout, W, H, fzMinimize);
  EXPECT_EQ(Close.Right, 394);
  EXPECT_EQ(Close.Width(), 16);
  EXPECT_EQ(Maximize.Right, Close.Left - 2); // close stands apart
  EXPECT_EQ(Minimize.Right, Maximize.Left);
  EXPECT_EQ(PlainButtonRect(Layout, W, H, fzSysMenu), Rect(4, 4, 23, 23));
  EXPECT_TRUE(PlainButtonRect(Layout, W, H, fzRollup).IsEmpty()); // no icon
  // Minimized: no maximize, so minimize moves into its place.
  Layout.Minimized = true;
  EXPECT_TRUE(PlainButtonRect(Layout, W, H, fzMaximize).IsEmpty());
  EXPECT_EQ(PlainButtonRect(Layout, W, H, fzMinimize).Right, Close.Left - 2);
  // The tray button only without the platform theme; help not when rolled up.
  Layout = Standard();
  Layout.BorderIcons |= Icons({qbiTray, qbiHelp, qbiRollup});
  EXPECT_FALSE(PlainButtonRect(Layout, W, H, fzTray).IsEmpty());
  Layout.Themed = true;
  EXPECT_TRUE(PlainButtonRect(Layout, W, H, fzTray).IsEmpty());
  Layout.RolledUp = true;
  EXPECT_TRUE(PlainButtonRect(Layout, W, H, fzHelp).IsEmpty());
  EXPECT_FALSE(PlainButtonRect(Layout, W, H, fzRollup).IsEmpty());
  // A tool window shows only its close button.
  Layout = Standard();
  Layout.BorderStyle = qbsToolWindow;
  EXPECT_FALSE(PlainButtonRect(Layout, W, H, fzClose).IsEmpty());
  for (const TSeFrameZone Other : {fzSysMenu, fzMaximize, fzMinimize})
    EXPECT_TRUE(PlainButtonRect(Layout, W, H, Other).IsEmpty()) << Other;
}

TEST(FrameGeometry, ZonesHaveTwentyPixelCornersAndNoEdgesOutsideTheNormalState) {
  TSeFrameLayout Layout = Standard();
  EXPECT_EQ(PlainHitTest(Layout, W, H, 10, 1), fzTopLeft); // 10 along the top border
  EXPECT_EQ(PlainHitTest(Layout, W, H, 25, 1), fzTop);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 385, 2), fzTopRight);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 1, 19), fzTopLeft); // 19 down the left border
  EXPECT_EQ(PlainHitTest(Layout, W, H, 1, 150), fzLeft);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 398, 290), fzBottomRight);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 200, 298), fzBottom);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 200, 10), fzCaption);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 200, 150), fzNone);
  const TRect Close = PlainButtonRect(Layout, W, H, fzClose);
  EXPECT_EQ(PlainHitTest(Layout, W, H, Close.Left + 1, Close.Top + 1), fzClose);
  EXPECT_EQ(PlainHitTest(Layout, W, H, 8, 10), fzSysMenu);
  // Minimized or rolled up: the top border is caption, the sides client. Maximized, the
  // borders are client area and only the band between them is caption.
  for (const int Which : {0, 1, 2}) {
    TSeFrameLayout Other = Standard();
    (Which == 0 ? Other.Maximized : Which == 1 ? Other.Minimized : Other.RolledUp) = true;
    EXPECT_EQ(PlainHitTest(Other, W, H, 10, 1), Which == 0 ? fzNone : fzCaption) << Which;
    EXPECT_EQ(PlainHitTest(Other, W, H, 1, 10), Which == 0 ? fzNone : fzCaption) << Which;
    EXPECT_EQ(PlainHitTest(Other, W, H, 200, 10), fzCaption) << Which;
    EXPECT_EQ(PlainHitTest(Other, W, H, 1, 150), fzNone) << Which;
  }
}

TEST(FrameGeometry, ZonesAnswerThePlatformsCodesByWhatTheFrameAllows) {
  EXPECT_EQ(ZoneHitTestCode(fzTopLeft, true, true, false), FrameHit::TopLeft);
  EXPECT_EQ(ZoneHitTestCode(fzTopLeft, true, true, true), FrameHit::Client);
  EXPECT_EQ(ZoneHitTestCode(fzBottom, true, false, false), FrameHit::Client);
  // The caption by Moveable alone, maximized or not.
  for (const bool Maximized : {false, true}) {
    EXPECT_EQ(ZoneHitTestCode(fzCaption, true, false, Maximized), FrameHit::Caption) << Maximized;
    EXPECT_EQ(ZoneHitTestCode(fzCaption, false, true, Maximized), FrameHit::Client) << Maximized;
  }
  EXPECT_EQ(ZoneHitTestCode(fzClose, false, false, true), FrameHit::Close);
  EXPECT_EQ(ZoneHitTestCode(fzMinimize, true, true, false), FrameHit::MinButton);
  EXPECT_EQ(ZoneHitTestCode(fzMaximize, true, true, false), FrameHit::MaxButton);
  EXPECT_EQ(ZoneHitTestCode(fzHelp, true, true, false), FrameHit::Help);
  for (const TSeFrameZone Own : {fzRollup, fzTray, fzSysMenu, fzSkinButton})
    EXPECT_EQ(ZoneHitTestCode(Own, true, true, false), FrameHit::Border) << Own;
  EXPECT_EQ(ZoneHitTestCode(fzNone, true, true, false), FrameHit::Client);
}

TEST(FrameGeometry, SnappingPullsANearEdgeOntoTheAreaStrictlyWithinTheDistance) {
  const TRect Area = Rect(0, 0, 1280, 1000);
  const TRect Away = Rect(300, 200, 600, 400);
  EXPECT_EQ(SnapToArea(Away, Area, 20), Away);
  // Left edge: 19 away snaps, 20 away does not; outside the area counts as well.
  EXPECT_EQ(SnapToArea(Rect(19, 200, 319, 400), Area, 20), Rect(0, 200, 300, 400));
  EXPECT_EQ(SnapToArea(Rect(20, 200, 320, 400), Area, 20), Rect(20, 200, 320, 400));
  EXPECT_EQ(SnapToArea(Rect(-19, 200, 281, 400), Area, 20), Rect(0, 200, 300, 400));
  EXPECT_EQ(SnapToArea(Rect(-20, 200, 280, 400), Area, 20), Rect(-20, 200, 280, 400));
  // Right and bottom edges.
  EXPECT_EQ(SnapToArea(Rect(961, 200, 1261, 400), Area, 20), Rect(980, 200, 1280, 400));
  EXPECT_EQ(SnapToArea(Rect(960, 200, 1260, 400), Area, 20), Rect(960, 200, 1260, 400));
  EXPECT_EQ(SnapToArea(Rect(300, 790, 600, 990), Area, 20), Rect(300, 800, 600, 1000));
  EXPECT_EQ(SnapToArea(Rect(300, 780, 600, 980), Area, 20), Rect(300, 780, 600, 980));
  // Both axes at once: a corner.
  EXPECT_EQ(SnapToArea(Rect(-4, 700, 296, 995), Area, 20), Rect(0, 705, 300, 1000));
  EXPECT_EQ(SnapToArea(Rect(1275, 3, 1575, 203), Area, 9), Rect(1275, 0, 1575, 200));
  // An area that does not start at the origin (a parent's client area, another monitor).
  EXPECT_EQ(SnapToArea(Rect(105, 630, 405, 657), Rect(100, 50, 900, 650), 9),
            Rect(100, 623, 400, 650));
}

TEST(FrameGeometry, SnappingTriesLeftBeforeRightAndTopBeforeBottom) {
  // A window nearly as large as the area is near both edges of each axis: the left (top)
  // one wins even though the right (bottom) one is nearer.
  const TRect Area = Rect(0, 0, 800, 600);
  EXPECT_EQ(SnapToArea(Rect(8, 100, 799, 300), Area, 10), Rect(0, 100, 791, 300));
  EXPECT_EQ(SnapToArea(Rect(100, 8, 300, 599), Area, 10), Rect(100, 0, 300, 591));
  // When the left edge is too far, the right one still snaps.
  EXPECT_EQ(SnapToArea(Rect(10, 100, 799, 300), Area, 10), Rect(11, 100, 800, 300));
  EXPECT_EQ(SnapToArea(Rect(100, 10, 300, 599), Area, 10), Rect(100, 11, 300, 600));
}

TEST(FrameGeometry, TheCaptionMovesTheWholeWindowByTheDistanceFromThePress) {
  const TRect Bounds = Rect(100, 100, 400, 300);
  const TPoint MinSize{150, 40};
  for (const bool Outline : {false, true})
    EXPECT_EQ(DragBounds(fzCaption, Bounds, {15, -7}, {3, 3}, Outline, MinSize),
              Rect(115, 93, 415, 293))
        << Outline;
  // Zones that are no handle leave the bounds alone.
  EXPECT_EQ(DragBounds(fzClose, Bounds, {15, -7}, {3, 3}, false, MinSize), Bounds);
  EXPECT_EQ(DragBounds(fzNone, Bounds, {15, -7}, {3, 3}, true, MinSize), Bounds);
}

TEST(FrameGeometry, LeftAndTopEdgesFollowThePressAndStopAtTheMinimumSize) {
  const TRect Bounds = Rect(100, 100, 400, 300);
  const TPoint MinSize{150, 40};
  // The distance from the press counts, in both modes; the last point does not.
  for (const bool Outline : {false, true}) {
    EXPECT_EQ(DragBounds(fzLeft, Bounds, {-20, 9}, {-1, 1}, Outline, MinSize),
              Rect(80, 100, 400, 300));
    EXPECT_EQ(DragBounds(fzTop, Bounds, {9, 30}, {1, 1}, Outline, MinSize),
              Rect(100, 130, 400, 300));
  }
  // Narrowed exactly to the minimum, then beyond it, and past the opposite edge.
  EXPECT_EQ(DragBounds(fzLeft, Bounds, {150, 0}, {}, false, MinSize), Rect(250, 100, 400, 300));
  EXPECT_EQ(DragBounds(fzLeft, Bounds, {151, 0}, {}, false, MinSize), Rect(250, 100, 400, 300));
  EXPECT_EQ(DragBounds(fzLeft, Bounds, {400, 0}, {}, true, MinSize), Rect(250, 100, 400, 300));
  EXPECT_EQ(DragBounds(fzTop, Bounds, {0, 180}, {}, false, MinSize), Rect(100, 260, 400, 300));
  EXPECT_EQ(DragBounds(fzTop, Bounds, {0, 500}, {}, true, {150, 90}), Rect(100, 210, 400, 300));
}

TEST(FrameGeometry, RightAndBottomEdgesFollowThePressWithAnOutlineAndTheLastPointWithout) {
  const TRect Bounds = Rect(100, 100, 400, 300);
  const TPoint MinSize{150, 40};
  // With an outline the window has not moved yet: the whole distance from the press.
  EXPECT_EQ(DragBounds(fzRight, Bounds, {30, 4}, {5, 1}, true, MinSize), Rect(100, 100, 430, 300));
  EXPECT_EQ(DragBounds(fzBottom, Bounds, {4, 30}, {1, 5}, true, MinSize), Rect(100, 100, 400, 330));
  // Following the pointer, the window already took the earlier steps: only the last one.
  EXPECT_EQ(DragBounds(fzRight, Bounds, {30, 4}, {5, 1}, false, MinSize), Rect(100, 100, 405, 300));
  EXPECT_EQ(DragBounds(fzBottom, Bounds, {4, 30}, {1, 5}, false, MinSize),
            Rect(100, 100, 400, 305));
}

TEST(FrameGeometry, CornersCombineTheirTwoEdges) {
  const TRect Bounds = Rect(100, 100, 400, 300);
  const TPoint MinSize{150, 40};
  EXPECT_EQ(DragBounds(fzTopLeft, Bounds, {-10, -20}, {-1, -2}, false, MinSize),
            Rect(90, 80, 400, 300));
  EXPECT_EQ(DragBounds(fzTopLeft, Bounds, {290, 190}, {}, true, MinSize), Rect(250, 260, 400, 300));
  EXPECT_EQ(DragBounds(fzBottomRight, Bounds, {25, 35}, {1, 2}, true, MinSize),
            Rect(100, 100, 425, 335));
  EXPECT_EQ(DragBounds(fzBottomRight, Bounds, {25, 35}, {1, 2}, false, MinSize),
            Rect(100, 100, 401, 302));
  EXPECT_EQ(DragBounds(fzTopRight, Bounds, {10, 250}, {2, 3}, true, MinSize),
            Rect(100, 260, 410, 300));
  EXPECT_EQ(DragBounds(fzTopRight, Bounds, {10, -5}, {2, 3}, false, MinSize),
            Rect(100, 95, 402, 300));
  EXPECT_EQ(DragBounds(fzBottomLeft, Bounds, {500, 10}, {2, 3}, false, MinSize),
            Rect(250, 100, 400, 303));
  EXPECT_EQ(DragBounds(fzBottomLeft, Bounds, {-5, 10}, {2, 3}, true, MinSize),
            Rect(95, 100, 400, 310));
}

} // namespace
