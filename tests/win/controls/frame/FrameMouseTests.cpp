// The frame's own mouse handling with the real pointer and button: caption buttons, the
// caption's double click, moving and sizing by the caption and the edges with and without an
// outline, edge snapping and the size limits; and the frame's answers to hit-testing asked by
// another process.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/base/Platform.h"
#include "tests/win/controls/frame/FrameFormFixture.h"
#include "tests/win/support/FixtureProcess.h"

namespace {

using FrameMouseTest = FrameFormTest;

TEST_F(FrameMouseTest, PressAndReleaseOnCloseClosesButReleasingElsewhereDoesNothing) {
  int Closes = 0;
  Frame->OnClose = [&](TObject*, bool&) { ++Closes; };
  const POINT Close = Centre(Frame->GetButtonRect(fzClose));
  // Pressed on close, then carried off the button before the release: nothing runs.
  ASSERT_TRUE(PressAt(Close, fzClose));
  ASSERT_TRUE(PointTo({Frame->FrameWidth() / 2, Frame->FrameHeight() / 2}));
  ASSERT_TRUE(ReleaseAndWait());
  PumpFor(100);
  EXPECT_EQ(Closes, 0);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  // Pressed elsewhere and released on close: nothing either (with an outline, so that the
  // window stays under the pointer until the release).
  Frame->Dragging().DragMode = qfdmBorder;
  ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
  ASSERT_TRUE(PointTo(Close));
  ASSERT_TRUE(ReleaseAndWait());
  PumpFor(100);
  EXPECT_EQ(Closes, 0);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  Frame->Dragging().DragMode = qfdmFullDrag;
  // Pressed and released on it: a form other than the main one is hidden.
  ASSERT_TRUE(PressAt(Close, fzClose));
  ASSERT_TRUE(ReleaseAndWait());
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(Form->Handle()); }, 2000));
  EXPECT_EQ(Closes, 1);
  EXPECT_FALSE(Form->Visible());
}

// With the maximize icon a double click on the caption maximizes a normal window and restores
// a maximized one; without it nothing happens in either state.
TEST_F(FrameMouseTest, ACaptionDoubleClickTogglesMaximizedOnlyWithTheMaximizeIcon) {
  const auto DoubleClick = [&] {
    const POINT At = CaptionPoint();
    ASSERT_TRUE(PressAt(At, fzCaption));
    ASSERT_TRUE(ReleaseAndWait());
    Button(true);
    Button(false);
  };
  int Maximizes = 0;
  Frame->OnMaximize = [&](TObject*, bool&) { ++Maximizes; };
  const RECT Normal = Start, Maximized = FromTRect(Frame->GetMaximizedRect());
  struct Case {
    bool Icon;
    TSeWindowState Then;
  };
  for (const Case& Each : {Case{false, qwsNormal}, Case{true, qwsMaximized},
                           Case{false, qwsMaximized}, Case{true, qwsNormal}}) {
    SCOPED_TRACE(testing::Message() << "icon " << Each.Icon << ", then " << Each.Then);
    const TSeBorderIcons Others = Frame->BorderIcons() & ~(1u << qbiMaximize);
    Frame->SetBorderIcons(static_cast<TSeBorderIcons>(Others | (Each.Icon << qbiMaximize)));
    const int Before = Maximizes;
    DoubleClick();
    ASSERT_TRUE(PumpUntil([&] { return Frame->PressedZone() == fzNone && !GetCapture(); }, 2000));
    const RECT Expected = Each.Then == qwsMaximized ? Maximized : Normal;
    EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Expected; }, 2000)) << WindowRect();
    PumpFor(150); // the release of the second click moves nothing
    EXPECT_EQ(Frame->WindowState(), Each.Then);
    EXPECT_EQ(WindowRect(), Expected);
    EXPECT_EQ(Maximizes, Before + (Each.Icon ? 1 : 0)); // restoring goes through Maximize
  }
}

// A press on the caption of a window behind another process's brings it to the foreground,
// draws its caption active and gives it the keyboard, as a press in its client area does.
TEST_F(FrameMouseTest, APressOnTheCaptionActivatesTheWindowAndGivesItTheKeyboard) {
  TFixtureProcess Other;
  const HWND Front = Other.Create("FrameFront", "In front", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Other.Move(Front, {700, 600, 940, 760});
  ASSERT_EQ(Other.Foreground(Front), Front);
  ASSERT_TRUE(PumpUntil([&] { return !Frame->ActiveWindow(); }, 2000));
  int Keys = 0;
  Form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { Keys += Key == 'K'; };
  ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
  ASSERT_TRUE(ReleaseAndWait());
  HWND Seen = nullptr;
  for (int Tries = 0; Tries < 40 && (Seen = Other.Foreground()) != Form->Handle(); ++Tries)
    PumpFor(50);
  EXPECT_EQ(Seen, Form->Handle()) << "the other process sees " << HandleText(Seen);
  EXPECT_TRUE(Frame->ActiveWindow());
  TapKey('K');
  EXPECT_TRUE(PumpUntil([&] { return Keys > 0; }, 2000));
}

// Waits until the form's own mouse handling has seen the pointer at a screen point: the frame
// has handled the same message before it. (The message's own screen position: a window that
// follows the pointer has moved since its client coordinates were taken.)
class FrameDragTest : public FrameFormTest {
protected:
  void BeforeLoading() override {
    Form->OnMouseMove = [this](TObject*, TShiftState, int, int) {
      const DWORD At = GetMessagePos();
      Seen = {static_cast<short>(LOWORD(At)), static_cast<short>(HIWORD(At))};
    };
  }
  bool DragTo(POINT Screen) {
    if (!PointToScreen(Screen))
      return false;
    return PumpUntil([&] { return Seen.x == Screen.x && Seen.y == Screen.y; }, 2000);
  }
  POINT Seen{-1, -1};
};

TEST_F(FrameDragTest, WithAnOutlineTheWindowStaysUntilTheReleaseThenJumps) {
  Frame->Dragging().DragMode = qfdmBorder;
  const POINT Grab = OnScreen(CaptionPoint().x, CaptionPoint().y);
  ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
  ASSERT_TRUE(DragTo({Grab.x + 30, Grab.y + 10}));
  EXPECT_EQ(WindowRect(), Start);
  ASSERT_TRUE(DragTo({Grab.x + 60, Grab.y + 40}));
  PumpFor(50);
  EXPECT_EQ(WindowRect(), Start);
  ASSERT_TRUE(ReleaseAndWait());
  EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Moved(Start, 60, 40); }, 2000));
  EXPECT_EQ(WindowRect(), Moved(Start, 60, 40));
}

TEST_F(FrameDragTest, AFullDragFollowsThePointerBeforeTheRelease) {
  ASSERT_EQ(Frame->Dragging().DragMode, qfdmFullDrag);
  const POINT Grab = OnScreen(CaptionPoint().x, CaptionPoint().y);
  ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
  ASSERT_TRUE(DragTo({Grab.x + 30, Grab.y + 10}));
  EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Moved(Start, 30, 10); }, 2000));
  ASSERT_TRUE(DragTo({Grab.x + 60, Grab.y + 40}));
  EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Moved(Start, 60, 40); }, 2000));
  EXPECT_EQ(WindowRect(), Moved(Start, 60, 40));
  ASSERT_TRUE(ReleaseAndWait());
  PumpFor(50);
  EXPECT_EQ(WindowRect(), Moved(Start, 60, 40));
}

// The caption of a maximized window answers as caption (so that its double and right clicks
// reach the frame), yet a drag on it moves the window neither through the frame nor through
// the platform's own move.
TEST_F(FrameDragTest, AMaximizedWindowStaysPutWhenItsCaptionIsDragged) {
  Frame->Maximize();
  const RECT Maximized = FromTRect(Frame->GetMaximizedRect());
  ASSERT_TRUE(PumpUntil([&] { return WindowRect() == Maximized; }, 2000));
  for (const bool BorderMode : {false, true}) {
    SCOPED_TRACE(BorderMode ? "outline" : "full drag");
    Frame->Dragging().DragMode = BorderMode ? qfdmBorder : qfdmFullDrag;
    const POINT Grab = OnScreen(CaptionPoint().x, CaptionPoint().y);
    ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
    ASSERT_TRUE(DragTo({Grab.x + 30, Grab.y + 10}));
    ASSERT_TRUE(DragTo({Grab.x + 60, Grab.y + 40}));
    PumpFor(50);
    EXPECT_EQ(WindowRect(), Maximized);
    ASSERT_TRUE(ReleaseAndWait());
    PumpFor(100);
    EXPECT_EQ(WindowRect(), Maximized);
    EXPECT_EQ(Frame->WindowState(), qwsMaximized);
  }
}

TEST_F(FrameDragTest, TheCaptionSnapsToTheWorkAreaOnlyWithinTheGravitationSize) {
  const TRect Area = MonitorRectOfWindow(Form->Handle(), true);
  const int Size = Frame->Gravitation().Size();
  ASSERT_TRUE(Frame->Gravitation().Enabled);
  for (const bool BorderMode : {false, true}) {
    SCOPED_TRACE(BorderMode ? "outline" : "full drag");
    Frame->Dragging().DragMode = BorderMode ? qfdmBorder : qfdmFullDrag;
    for (const int Gap : {Size - 1, Size}) {
      SCOPED_TRACE(Gap);
      Form->SetBounds(Left, Top, Form->Width(), Form->Height());
      PumpFor(30);
      Start = WindowRect();
      const POINT Grab = OnScreen(CaptionPoint().x, CaptionPoint().y);
      const int DX = Area.Left + Gap - Start.left;
      ASSERT_TRUE(PressAt(CaptionPoint(), fzCaption));
      ASSERT_TRUE(DragTo({Grab.x + DX, Grab.y + 5}));
      ASSERT_TRUE(ReleaseAndWait());
      const int Expected = Gap < Size ? Area.Left : Area.Left + Gap;
      EXPECT_TRUE(PumpUntil([&] { return WindowRect().left == Expected; }, 2000));
      EXPECT_EQ(WindowRect(), Moved(Start, Expected - Start.left, 5));
    }
  }
}

TEST_F(FrameDragTest, TheBottomRightCornerSizesInBothModes) {
  for (const bool BorderMode : {false, true}) {
    SCOPED_TRACE(BorderMode ? "outline" : "full drag");
    Frame->Dragging().DragMode = BorderMode ? qfdmBorder : qfdmFullDrag;
    Form->SetBounds(Left, Top, 328, 251);
    PumpFor(30);
    Start = WindowRect();
    const POINT Corner{Frame->FrameWidth() - 2, Frame->FrameHeight() - 2};
    const POINT Grab = OnScreen(Corner.x, Corner.y);
    ASSERT_TRUE(PressAt(Corner, fzBottomRight));
    ASSERT_TRUE(DragTo({Grab.x + 20, Grab.y + 10}));
    ASSERT_TRUE(DragTo({Grab.x + 50, Grab.y + 30}));
    if (BorderMode)
      EXPECT_EQ(WindowRect(), Start);
    else
      EXPECT_TRUE(PumpUntil([&] { return WindowRect().right == Start.right + 50; }, 2000));
    ASSERT_TRUE(ReleaseAndWait());
    const RECT Expected{Start.left, Start.top, Start.right + 50, Start.bottom + 30};
    EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Expected; }, 2000));
    EXPECT_EQ(WindowRect(), Expected);
    EXPECT_EQ(Frame->FrameWidth(), Expected.right - Expected.left);
    EXPECT_EQ(Frame->FrameHeight(), Expected.bottom - Expected.top);
  }
}

// Two quick presses on an edge reach the window as a double click; the second one sizes as
// the first did instead of ending at once.
TEST_F(FrameDragTest, ASecondQuickPressOnACornerStillSizes) {
  const POINT Corner{Frame->FrameWidth() - 2, Frame->FrameHeight() - 2};
  const POINT Grab = OnScreen(Corner.x, Corner.y);
  ASSERT_TRUE(PressAt(Corner, fzBottomRight));
  ASSERT_TRUE(ReleaseAndWait());
  Button(true); // within the double-click time, at the same place
  ASSERT_TRUE(PumpUntil([&] { return Frame->PressedZone() == fzBottomRight; }, 2000));
  ASSERT_TRUE(DragTo({Grab.x + 40, Grab.y + 20}));
  ASSERT_TRUE(ReleaseAndWait());
  const RECT Expected{Start.left, Start.top, Start.right + 40, Start.bottom + 20};
  EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Expected; }, 2000));
  EXPECT_EQ(WindowRect(), Expected);
}

TEST_F(FrameDragTest, TheLeftEdgeDraggedPastTheRightStopsAtTheMinimumSize) {
  ASSERT_EQ(Frame->GetMinSize(), (TPoint{150, 40}));
  for (const bool BorderMode : {false, true}) {
    SCOPED_TRACE(BorderMode ? "outline" : "full drag");
    Frame->Dragging().DragMode = BorderMode ? qfdmBorder : qfdmFullDrag;
    Form->SetBounds(Left, Top, 328, 251);
    PumpFor(30);
    Start = WindowRect();
    const POINT Edge{1, Frame->FrameHeight() / 2};
    const POINT Grab = OnScreen(Edge.x, Edge.y);
    ASSERT_TRUE(PressAt(Edge, fzLeft));
    ASSERT_TRUE(DragTo({Start.right + 100, Grab.y}));
    ASSERT_TRUE(ReleaseAndWait());
    const RECT Expected{Start.right - 150, Start.top, Start.right, Start.bottom};
    EXPECT_TRUE(PumpUntil([&] { return WindowRect() == Expected; }, 2000));
    EXPECT_EQ(WindowRect(), Expected);
  }
}

TEST_F(FrameMouseTest, ATinySizeIsRaisedToTheMinimum) {
  Form->SetBounds(Left, Top, 10, 5);
  PumpFor(30);
  const RECT R = WindowRect();
  EXPECT_EQ(R.right - R.left, 150);
  EXPECT_EQ(R.bottom - R.top, 40);
  EXPECT_EQ(Frame->FrameWidth(), 150);
  EXPECT_EQ(Frame->FrameHeight(), 40);
  // Constraints take the place of the frame's own minimum.
  Frame->SetConstraints({200, 60, 0, 0});
  Form->SetBounds(Left, Top, 10, 5);
  PumpFor(30);
  EXPECT_EQ(WindowRect().right - WindowRect().left, 200);
  EXPECT_EQ(WindowRect().bottom - WindowRect().top, 60);
}

// WM_NCHITTEST sent by another process, as the platform's own hit-testing does.
TEST_F(FrameMouseTest, AnotherProcessGetsTheFramesHitTestCodes) {
  TFixtureProcess Helper;
  const HWND Wnd = Form->Handle();
  const auto Hit = [&](POINT P) { return Helper.HitTest(Wnd, OnScreen(P.x, P.y)); };
  Frame->SetBorderIcons(static_cast<TSeBorderIcons>(Frame->BorderIcons() | (1u << qbiRollup)));
  EXPECT_EQ(Hit(CaptionPoint()), HTCAPTION);
  EXPECT_EQ(Hit({10, 1}), HTTOPLEFT);
  EXPECT_EQ(Hit({1, 10}), HTTOPLEFT);
  EXPECT_EQ(Hit({Frame->FrameWidth() / 2, 1}), HTTOP);
  EXPECT_EQ(Hit({Frame->FrameWidth() - 1, Frame->FrameHeight() / 2}), HTRIGHT);
  EXPECT_EQ(Hit({Frame->FrameWidth() / 2, Frame->FrameHeight() / 2}), HTCLIENT);
  EXPECT_EQ(Hit(Centre(Frame->GetButtonRect(fzClose))), HTCLOSE);
  EXPECT_EQ(Hit(Centre(Frame->GetButtonRect(fzMinimize))), HTMINBUTTON);
  EXPECT_EQ(Hit(Centre(Frame->GetButtonRect(fzMaximize))), HTMAXBUTTON);
  // The frame's own buttons answer the border code: the platform leaves them alone.
  EXPECT_EQ(Hit(Centre(Frame->GetButtonRect(fzRollup))), HTBORDER);
  EXPECT_EQ(Hit(Centre(Frame->GetButtonRect(fzSysMenu))), HTBORDER);

  // Maximized: the borders size nothing and answer as client area (10 along the top one,
  // the middle of the left one); the caption answers as caption while the frame is moveable.
  Frame->Maximize();
  ASSERT_TRUE(
      PumpUntil([&] { return WindowRect() == FromTRect(Frame->GetMaximizedRect()); }, 2000));
  struct Case {
    POINT At;
    bool Moveable;
    LRESULT Code;
  };
  const POINT Caption = CaptionPoint(), LeftEdge{1, Frame->FrameHeight() / 2};
  for (const Case& Each : {Case{Caption, true, HTCAPTION}, Case{Caption, false, HTCLIENT},
                           Case{{10, 1}, true, HTCLIENT}, Case{{10, 1}, false, HTCLIENT},
                           Case{LeftEdge, true, HTCLIENT},
                           Case{Centre(Frame->GetButtonRect(fzClose)), true, HTCLOSE},
                           Case{Centre(Frame->GetButtonRect(fzMaximize)), false, HTMAXBUTTON}}) {
    Frame->Dragging().Moveable = Each.Moveable;
    EXPECT_EQ(Hit(Each.At), Each.Code)
        << "at " << Each.At.x << ", " << Each.At.y << (Each.Moveable ? ", moveable" : "");
  }
}

} // namespace
