// The plain frame's geometry: client area, caption buttons, zones and the platform's codes.

#include <gtest/gtest.h>

#include "controls/FrameGeometry.h"

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
  // Maximized, minimized or rolled up: the top border is caption, the sides client.
  for (const int Which : {0, 1, 2}) {
    TSeFrameLayout Other = Standard();
    (Which == 0 ? Other.Maximized : Which == 1 ? Other.Minimized : Other.RolledUp) = true;
    EXPECT_EQ(PlainHitTest(Other, W, H, 10, 1), fzCaption) << Which;
    EXPECT_EQ(PlainHitTest(Other, W, H, 1, 150), fzNone) << Which;
  }
}

TEST(FrameGeometry, ZonesAnswerThePlatformsCodesByWhatTheFrameAllows) {
  EXPECT_EQ(ZoneHitTestCode(fzTopLeft, true, true, false), FrameHit::TopLeft);
  EXPECT_EQ(ZoneHitTestCode(fzTopLeft, true, true, true), FrameHit::Client);
  EXPECT_EQ(ZoneHitTestCode(fzBottom, true, false, false), FrameHit::Client);
  EXPECT_EQ(ZoneHitTestCode(fzCaption, true, true, false), FrameHit::Caption);
  EXPECT_EQ(ZoneHitTestCode(fzCaption, false, true, false), FrameHit::Client);
  EXPECT_EQ(ZoneHitTestCode(fzCaption, true, true, true), FrameHit::Client);
  EXPECT_EQ(ZoneHitTestCode(fzClose, false, false, true), FrameHit::Close);
  EXPECT_EQ(ZoneHitTestCode(fzMinimize, true, true, false), FrameHit::MinButton);
  EXPECT_EQ(ZoneHitTestCode(fzMaximize, true, true, false), FrameHit::MaxButton);
  EXPECT_EQ(ZoneHitTestCode(fzHelp, true, true, false), FrameHit::Help);
  for (const TSeFrameZone Own : {fzRollup, fzTray, fzSysMenu, fzSkinButton})
    EXPECT_EQ(ZoneHitTestCode(Own, true, true, false), FrameHit::Border) << Own;
  EXPECT_EQ(ZoneHitTestCode(fzNone, true, true, false), FrameHit::Client);
}

} // namespace
