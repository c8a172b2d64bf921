// The plain scroll bar on a real form: thumb and page geometry, dragging, clicks, keys and
// their scroll codes, auto-repeat on the keyboard's timing, hot and pressed tracking with
// the real pointer, and the themed and classic looks.

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "controls/base/Platform.h"
#include "gfx/VisualStyles.h"
#include "tests/win/controls/scroll/ScrollBarFixture.h"

namespace {

// A bar that counts its thumb paintings and takes the classic look on request, also where
// the platform's theme is on.
class TProbeBar : public TSeCustomScrollBar {
public:
  using TSeCustomScrollBar::TSeCustomScrollBar;
  bool Classic = false;
  int ThumbPaints = 0;

protected:
  bool Themed() const override { return !Classic && TSeCustomScrollBar::Themed(); }
  void PaintThumb() override {
    ++ThumbPaints;
    TSeCustomScrollBar::PaintThumb();
  }
};

// The keyboard's repeat settings for a test's length.
class TKeyboardRepeat {
public:
  TKeyboardRepeat(UINT Delay, UINT Speed) {
    SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &FDelay, 0);
    SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &FSpeed, 0);
    Set(Delay, Speed);
  }
  ~TKeyboardRepeat() { Set(FDelay, FSpeed); }
  TKeyboardRepeat(const TKeyboardRepeat&) = delete;
  TKeyboardRepeat& operator=(const TKeyboardRepeat&) = delete;

private:
  static void Set(UINT Delay, UINT Speed) {
    SystemParametersInfoW(SPI_SETKEYBOARDDELAY, Delay, nullptr, 0);
    SystemParametersInfoW(SPI_SETKEYBOARDSPEED, Speed, nullptr, 0);
  }
  UINT FDelay = 0;
  DWORD FSpeed = 0;
};

// The platform's scroll-bar size (and so its thumb's) for a test's length.
class TScrollMetrics {
public:
  explicit TScrollMetrics(int Size) {
    FSaved.cbSize = sizeof FSaved;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof FSaved, &FSaved, 0);
    NONCLIENTMETRICSW Changed = FSaved;
    Changed.iScrollWidth = Changed.iScrollHeight = Size;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof Changed, &Changed, 0);
  }
  ~TScrollMetrics() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof FSaved, &FSaved, 0); }
  TScrollMetrics(const TScrollMetrics&) = delete;
  TScrollMetrics& operator=(const TScrollMetrics&) = delete;

private:
  NONCLIENTMETRICSW FSaved{};
};

// A system colour for a test's length.
class TSystemColor {
public:
  TSystemColor(int Index, COLORREF Color) : FIndex(Index), FSaved(GetSysColor(Index)) {
    SetSysColors(1, &FIndex, &Color);
  }
  ~TSystemColor() { SetSysColors(1, &FIndex, &FSaved); }
  TSystemColor(const TSystemColor&) = delete;
  TSystemColor& operator=(const TSystemColor&) = delete;

private:
  int FIndex;
  COLORREF FSaved;
};

// Milliseconds from a fixed point, finer than the tick count.
double Now() {
  LARGE_INTEGER Count, Frequency;
  QueryPerformanceCounter(&Count);
  QueryPerformanceFrequency(&Frequency);
  return 1000.0 * static_cast<double>(Count.QuadPart) / static_cast<double>(Frequency.QuadPart);
}

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

std::vector<std::string> GReported;
void RecordReport(const std::exception& E) { GReported.emplace_back(E.what()); }

class ScrollBarTest : public ScrollBarFixture<TProbeBar> {
protected:
  void SetUp() override {
    ScrollBarFixture::SetUp();
    GReported.clear();
    SetExceptionReporter(RecordReport);
  }
  // A horizontal bar whose track is 100 pixels long.
  void HundredPixelTrack() { Bar->SetWidth(100 + 2 * Bar->BorderWidth() + 2 * PlatformThumb()); }

  // Every pixel of the bar inside Rect is what Draw paints alone into a picture of the bar.
  void ExpectDrawnAs(const TRect& Rect, const std::function<void(HDC)>& Draw,
                     const std::string& What) {
    TDibShot Reference(Bar->Width(), Bar->Height());
    Draw(Reference.DC());
    int Wrong = 0;
    std::string First;
    for (int Y = Rect.Top; Y < Rect.Bottom; ++Y)
      for (int X = Rect.Left; X < Rect.Right; ++X)
        if (At(X, Y) != Reference.Pixel(X, Y) && Wrong++ == 0)
          First = std::to_string(X) + "," + std::to_string(Y);
    EXPECT_GT(Rect.Width() * Rect.Height(), 0) << What;
    EXPECT_EQ(Wrong, 0) << What << ", first at " << First;
  }
  // The "ScrollBar" theme's Part in State, drawn over Over (Rect itself by default).
  void ExpectThemed(const TRect& Rect, int Part, int State, const TRect* Over = nullptr) {
    const RECT Area = ToRECT(Over ? *Over : Rect);
    ExpectDrawnAs(
        Rect,
        [&](HDC DC) {
          ASSERT_TRUE(DrawThemePart(Form->Handle(), DC, L"ScrollBar", Part, State, Area));
        },
        "part " + std::to_string(Part) + " state " + std::to_string(State));
  }
  void ExpectScrollArrow(const TRect& Rect, UINT Style) {
    ExpectDrawnAs(
        Rect,
        [&](HDC DC) {
          RECT Area = ToRECT(Rect);
          DrawFrameControl(DC, &Area, DFC_SCROLL, Style);
        },
        "arrow " + std::to_string(Style));
  }
};

TEST_F(ScrollBarTest, ANewBarIsHorizontalDoubleBufferedAndAsThickAsThePlatformsThumb) {
  auto* Fresh = MakeComponent<TSeCustomScrollBar>(Form);
  EXPECT_EQ(Fresh->Width(), 121);
  EXPECT_EQ(Fresh->Height(), PlatformThumb() + 2);
  EXPECT_EQ(Fresh->Kind(), sbHorizontal);
  EXPECT_EQ(Fresh->Performance(), qzpDoubleBuffer);
  EXPECT_TRUE(Fresh->ControlStyle() & csCaptureMouse);
  EXPECT_EQ(Fresh->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  Fresh->SetKind(sbVertical);
  Fresh->SetBorderWidth(3);
  Fresh->AdjustThickness();
  EXPECT_EQ(Fresh->Width(), GetSystemMetrics(SM_CYVTHUMB) + 6);
  EXPECT_EQ(Fresh->Height(), PlatformThumb() + 2); // the length stays
}

TEST_F(ScrollBarTest, APageOfTenOnAHundredPixelTrackIsATenthAndDraggingReaches91) {
  // A thumb is never shorter than two thirds of the platform's: 11 pixels for its usual 17,
  // more than the tenth. A platform thumb of 15 lets the page decide.
  const TScrollMetrics Narrow(15);
  ASSERT_EQ(PlatformThumb(), 15);
  HundredPixelTrack();
  Bar->SetPageSize(10);
  ASSERT_EQ(Bar->TrackRect().Width(), 100);
  const TRect Thumb = Bar->ThumbRect();
  EXPECT_EQ(Thumb.Width(), 10);
  EXPECT_EQ(Thumb.Left, Bar->TrackRect().Left);

  // Grabbed with the real pointer and dragged past the bar's end.
  const TPoint Grab = Centre(Thumb);
  ASSERT_TRUE(PointTo(Grab));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Dragging(); }, 1000));
  ASSERT_TRUE(PointTo({Bar->Width() + 40, Grab.Y}));
  PumpUntil([&] { return Bar->Position() == 91; }, 1000);
  EXPECT_EQ(Bar->Position(), 91);
  EXPECT_EQ(Bar->ThumbRect().Right, Bar->TrackRect().Right);
  // Back to 45 pixels from the start, off the bar across: the thumb follows along only.
  ASSERT_TRUE(PointTo({Grab.X + 45, Grab.Y + 30}));
  PumpUntil([&] { return Bar->Position() == 46; }, 1000);
  EXPECT_EQ(Bar->Position(), 46); // 45 * 91 / 90, rounded
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return !Bar->Dragging(); }, 1000));

  ASSERT_GE(Scrolls.size(), 4u);
  EXPECT_EQ(Scrolls.front(), std::make_pair(scTrack, 0));
  EXPECT_NE(std::find(Scrolls.begin(), Scrolls.end(), std::make_pair(scTrack, 91)), Scrolls.end());
  EXPECT_EQ(Scrolls[Scrolls.size() - 2], std::make_pair(scPosition, 46));
  EXPECT_EQ(Scrolls.back(), std::make_pair(scEndScroll, 46));
  for (size_t I = 0; I + 2 < Scrolls.size(); ++I)
    EXPECT_EQ(Scrolls[I].first, scTrack) << I;
}

TEST_F(ScrollBarTest, APageLargerThanTheRangeIsCutAndTheThumbFillsTheTrack) {
  Bar->SetMax(40);
  Bar->SetPageSize(100);
  EXPECT_EQ(Bar->PageSize(), 41);
  EXPECT_EQ(Bar->ThumbRect(), Bar->TrackRect());
  // It cannot be dragged anywhere.
  Down(Centre(Bar->ThumbRect()));
  Move({Bar->Width() - 2, 3}, true);
  Up({Bar->Width() - 2, 3});
  EXPECT_EQ(Bar->Position(), 0);
  Bar->SetMax(20);
  EXPECT_EQ(Bar->PageSize(), 21);
}

TEST_F(ScrollBarTest, TheRangeKeepsThePositionInsideAndOnlyMovesAreReported) {
  Bar->SetPosition(60);
  Bar->SetPosition(60);
  EXPECT_EQ(Changes, 1);
  Bar->SetMax(50); // the position comes along
  EXPECT_EQ(Bar->Position(), 50);
  EXPECT_EQ(Changes, 2);
  Bar->SetPosition(80); // clamped to where it is
  EXPECT_EQ(Bar->Position(), 50);
  Bar->SetMin(70); // not above Max
  EXPECT_EQ(Bar->Min(), 50);
  EXPECT_EQ(Changes, 2);
  Bar->SetMin(-20);
  Bar->SetPosition(-100);
  EXPECT_EQ(Bar->Position(), -20);
  EXPECT_EQ(Changes, 3);
  EXPECT_TRUE(Scrolls.empty()); // setting is not scrolling
}

TEST_F(ScrollBarTest, ClicksAndKeysReportTheirCodesAndPositions) {
  HundredPixelTrack();
  Bar->SetPageSize(10);
  Bar->SetPosition(50);
  const auto Clicked = [&](TPoint Point) {
    Scrolls.clear();
    Click(Point);
    return Scrolls;
  };
  EXPECT_EQ(Clicked(Centre(Bar->Button1Rect())), (TScrollLog{{scLineUp, 49}, {scEndScroll, 49}}));
  EXPECT_EQ(Clicked(Centre(Bar->Button2Rect())), (TScrollLog{{scLineDown, 50}, {scEndScroll, 50}}));
  EXPECT_EQ(Clicked(Centre(Bar->TrackBeforeRect())),
            (TScrollLog{{scPageUp, 40}, {scEndScroll, 40}}));
  EXPECT_EQ(Clicked(Centre(Bar->TrackAfterRect())),
            (TScrollLog{{scPageDown, 50}, {scEndScroll, 50}}));
  EXPECT_EQ(Clicked(Centre(Bar->ThumbRect())),
            (TScrollLog{{scTrack, 50}, {scPosition, 50}, {scEndScroll, 50}}));

  Scrolls.clear();
  for (const WPARAM Key : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_NEXT, VK_PRIOR, VK_END, VK_UP, VK_HOME})
    Bar->Perform(WM_KEYDOWN, Key, 0);
  EXPECT_EQ(Scrolls, (TScrollLog{{scLineDown, 51},
                                 {scLineDown, 52},
                                 {scLineUp, 51},
                                 {scPageDown, 61},
                                 {scPageUp, 51},
                                 {scBottom, 100},
                                 {scLineUp, 99},
                                 {scTop, 0}}));
  // Without a page, a page is LargeChange; the ends clamp.
  Bar->SetPageSize(0);
  Bar->SetLargeChange(25);
  Bar->SetSmallChange(3);
  Scrolls.clear();
  for (const WPARAM Key : {VK_NEXT, VK_LEFT, VK_UP, VK_END, VK_RIGHT})
    Bar->Perform(WM_KEYDOWN, Key, 0);
  EXPECT_EQ(
      Scrolls,
      (TScrollLog{
          {scPageDown, 25}, {scLineUp, 22}, {scLineUp, 19}, {scBottom, 100}, {scLineDown, 100}}));

  // The handler has the last word on the position.
  Bar->OnScroll = [](TObject*, TScrollCode, int& Position) { Position = 33; };
  Click(Centre(Bar->Button2Rect()));
  EXPECT_EQ(Bar->Position(), 33);
}

TEST_F(ScrollBarTest, HoldingAButtonStepsOnceThenAfterTheKeyboardDelayThenAtItsRate) {
  const TKeyboardRepeat Fast(0, 31);
  const int Delay = KeyRepeatDelay();
  ASSERT_EQ(Delay, 200);
  ASSERT_LT(KeyRepeatInterval(), Delay / 4);
  Bar->SetMax(1000);
  std::vector<double> Steps;
  Bar->OnScroll = [&Steps](TObject*, TScrollCode Code, int&) {
    if (Code == scLineDown)
      Steps.push_back(Now());
  };
  ASSERT_TRUE(PointTo(Centre(Bar->Button2Rect())));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return !Steps.empty(); }, 1000));
  PumpFor(Delay / 4);
  EXPECT_EQ(Steps.size(), 1u); // once at once, not again before the delay
  ASSERT_TRUE(PumpUntil([&] { return Steps.size() >= 2; }, 2000));
  EXPECT_GE(Steps[1] - Steps[0], Delay * 0.5);
  PumpFor(Delay + 200);
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return !Bar->Repeating(); }, 1000));
  const size_t Held = Steps.size();
  // The repeats came at the keyboard's rate, well apart from the delay.
  EXPECT_GE(Held, 8u);
  EXPECT_LT((Steps.back() - Steps[1]) / static_cast<double>(Held - 2), Delay / 2.0);
  PumpFor(100);
  EXPECT_EQ(Steps.size(), Held);
  EXPECT_EQ(Bar->Position(), static_cast<int>(Held));
}

TEST_F(ScrollBarTest, AutoRepeatStopsAtTheEndAndPagingStopsUnderThePointer) {
  const TKeyboardRepeat Fast(0, 31);
  Bar->SetMax(12);
  Down(Centre(Bar->Button2Rect()));
  ASSERT_TRUE(PumpUntil([&] { return Bar->Position() == 12; }, 3000));
  PumpFor(100);
  EXPECT_EQ(Bar->Position(), 12);
  EXPECT_EQ(Changes, 12); // one move a step, none past the end
  Up(Centre(Bar->Button2Rect()));
  EXPECT_FALSE(Bar->Repeating());

  // Held on the track, the bar pages until the thumb comes under the pointer.
  HundredPixelTrack();
  Bar->SetMax(100);
  Bar->SetPageSize(10);
  Bar->SetPosition(0);
  const TPoint Held{Bar->TrackRect().Left + 75, Bar->Height() / 2};
  Down(Held);
  PumpUntil([&] { return Bar->Position() == 70; }, 3000);
  PumpFor(150);
  EXPECT_EQ(Bar->Position(), 70);
  EXPECT_TRUE(Bar->Hot().Thumb);
  EXPECT_FALSE(Bar->Hot().TrackAfter);
  Up(Held);
}

TEST_F(ScrollBarTest, AFailingRepeatStepStopsTheTimerAndIsReported) {
  const TKeyboardRepeat Fast(0, 31);
  int Steps = 0;
  Bar->OnScroll = [&Steps](TObject*, TScrollCode Code, int&) {
    if (Code == scLineDown && ++Steps == 2)
      throw Exception("step failed");
  };
  Down(Centre(Bar->Button2Rect()));
  ASSERT_TRUE(PumpUntil([] { return !GReported.empty(); }, 2000));
  EXPECT_EQ(GReported, std::vector<std::string>{"step failed"});
  EXPECT_FALSE(Bar->Repeating());
  PumpFor(100);
  EXPECT_EQ(Steps, 2);
  EXPECT_EQ(Bar->Position(), 1);
  Up(Centre(Bar->Button2Rect()));
}

TEST_F(ScrollBarTest, ContinuousScrollingRunsToItsEndAndALostMouseEndsAPress) {
  const TKeyboardRepeat Fast(0, 31);
  Bar->SetMax(5);
  Bar->ScrollContinuously(true);
  ASSERT_TRUE(PumpUntil([&] { return !Bar->Repeating(); }, 2000));
  EXPECT_EQ(Bar->Position(), 5);
  EXPECT_EQ(Scrolls.size(), 5u);
  Bar->ScrollContinuously(false);
  Bar->StopContinuousScroll();
  EXPECT_FALSE(Bar->Repeating());
  EXPECT_EQ(Bar->Position(), 4);

  // Another window takes the mouse while a button is held: the press ends as on release.
  Down(Centre(Bar->Button1Rect()));
  EXPECT_TRUE(Bar->Repeating());
  Scrolls.clear();
  ReleaseCapture();
  EXPECT_FALSE(Bar->Repeating());
  EXPECT_EQ(Bar->Pressed(), TSeCustomScrollBar::TParts{});
  EXPECT_EQ(Scrolls, (TScrollLog{{scEndScroll, 3}}));
}

TEST_F(ScrollBarTest, HotAndPressedPartsFollowTheRealPointer) {
  HundredPixelTrack();
  Bar->SetPageSize(10);
  Bar->SetPosition(30);
  using TParts = TSeCustomScrollBar::TParts;
  const auto HotAt = [&](TPoint Point) {
    EXPECT_TRUE(PointTo(Point));
    PumpFor(30);
    return Bar->Hot();
  };
  EXPECT_EQ(HotAt(Centre(Bar->Button1Rect())), (TParts{false, true, false, false, false}));
  EXPECT_EQ(HotAt(Centre(Bar->ThumbRect())), (TParts{true, false, false, false, false}));
  EXPECT_EQ(HotAt(Centre(Bar->TrackBeforeRect())), (TParts{false, false, false, true, false}));
  EXPECT_EQ(HotAt(Centre(Bar->TrackAfterRect())), (TParts{false, false, false, false, true}));
  EXPECT_EQ(HotAt(Centre(Bar->Button2Rect())), (TParts{false, false, true, false, false}));
  EXPECT_EQ(HotAt({Bar->Width() / 2, Bar->Height() + 40}), TParts{}); // left the bar

  // Pressed, the second button stays pressed while the pointer wanders off; the bar only
  // steps while the pointer is back on it.
  ASSERT_TRUE(PointTo(Centre(Bar->Button2Rect())));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Pressed().Button2; }, 1000));
  EXPECT_TRUE(Bar->Hot().Button2);
  EXPECT_EQ(Bar->Position(), 31);
  ASSERT_TRUE(PointTo(Centre(Bar->TrackBeforeRect())));
  PumpFor(KeyRepeatDelay() + 100);
  EXPECT_TRUE(Bar->Pressed().Button2);
  EXPECT_FALSE(Bar->Hot().Button2);
  EXPECT_FALSE(Bar->Pressed().TrackBefore);
  EXPECT_EQ(Bar->Position(), 31);
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Pressed() == TParts{}; }, 1000));
  EXPECT_EQ(Scrolls.back(), std::make_pair(scEndScroll, 31));
}

TEST_F(ScrollBarTest, ABarTooShortForTwoButtonsHalvesThemAndShowsNoThumb) {
  Bar->SetWidth(20);
  const int H = Bar->Height();
  EXPECT_EQ(Bar->ButtonSize(), 9);
  EXPECT_EQ(Bar->Button1Rect(), Rect(1, 1, 10, H - 1));
  EXPECT_EQ(Bar->Button2Rect(), Rect(10, 1, 19, H - 1));
  EXPECT_TRUE(Bar->ThumbRect().IsEmpty());
  for (const bool Classic : {false, true}) {
    Bar->Classic = Classic;
    Bar->ThumbPaints = 0;
    Render();
    EXPECT_EQ(Bar->ThumbPaints, 0);
    if (Classic || VisualStylesActive()) {
      if (Classic)
        ExpectScrollArrow(Bar->Button2Rect(), DFCS_SCROLLRIGHT);
      else
        ExpectThemed(Bar->Button2Rect(), 1, 13);
    }
  }
  Click(Centre(Bar->Button2Rect()));
  EXPECT_EQ(Bar->Position(), 1);
}

TEST_F(ScrollBarTest, TheThemedLookDrawsTheThemesPartsInTheirStates) {
  if (!VisualStylesActive())
    GTEST_SKIP() << "visual styles are off here";
  HundredPixelTrack();
  Bar->SetPageSize(10);
  Bar->SetPosition(30);
  Render();
  const TRect Track = Bar->TrackRect();
  ExpectThemed(Bar->Button1Rect(), 1, 9); // left, normal
  ExpectThemed(Bar->Button2Rect(), 1, 13);
  ExpectThemed(Bar->ThumbRect(), 2, 1);
  ExpectThemed(Bar->TrackBeforeRect(), 4, 1, &Track);
  ExpectThemed(Bar->TrackAfterRect(), 4, 1, &Track);

  Move(Centre(Bar->Button1Rect()));
  Render();
  ExpectThemed(Bar->Button1Rect(), 1, 10); // hot
  Move(Centre(Bar->ThumbRect()));
  Render();
  ExpectThemed(Bar->ThumbRect(), 2, 2);
  ExpectThemed(Bar->Button1Rect(), 1, 9);

  const TPoint Page{Track.Right - 3, Bar->Height() / 2};
  Down(Page);
  Render();
  ExpectThemed(Bar->TrackAfterRect(), 4, 3); // pressed, over the part alone
  Up(Page);
  Down(Centre(Bar->ThumbRect()));
  Render();
  ExpectThemed(Bar->ThumbRect(), 2, 3); // dragged
  Up(Centre(Bar->ThumbRect()));
  Down(Centre(Bar->Button2Rect()));
  Render();
  ExpectThemed(Bar->Button2Rect(), 1, 15); // right, pressed
  Up(Centre(Bar->Button2Rect()));

  Bar->SetEnabled(false);
  Render();
  ExpectThemed(Bar->Button1Rect(), 1, 12);
  ExpectThemed(Bar->Button2Rect(), 1, 16);
  ExpectThemed(Track, 4, 4); // no thumb on a disabled bar

  // A vertical bar: up and down arrows, the vertical thumb and tracks.
  Bar->SetEnabled(true);
  Move({-5, -5}); // off the bar: nothing hot
  Bar->SetKind(sbVertical);
  Bar->SetBounds(Bar->Left(), Bar->Top(), GetSystemMetrics(SM_CYVTHUMB) + 2, 140);
  Render();
  const TRect Column = Bar->TrackRect();
  ExpectThemed(Bar->Button1Rect(), 1, 1);
  ExpectThemed(Bar->Button2Rect(), 1, 5);
  ExpectThemed(Bar->ThumbRect(), 3, 1);
  ExpectThemed(Bar->TrackAfterRect(), 6, 1, &Column);
  const TPoint Above{Bar->Width() / 2, Column.Top + 1};
  Down(Above);
  Render();
  ExpectThemed(Bar->TrackBeforeRect(), 7, 3);
  Up(Above);
}

TEST_F(ScrollBarTest, TheClassicLookHasAFrameArrowsACheckedTrackAndARaisedThumb) {
  // Themes may make the scroll-bar colour the highlight's: a colour of its own shows the check.
  const TSystemColor Track(COLOR_SCROLLBAR, RGB(200, 120, 40));
  ASSERT_NE(ShotColor(clScrollBar), ShotColor(clBtnHighlight));
  Bar->Classic = true;
  HundredPixelTrack();
  Bar->SetPageSize(10);
  Bar->SetPosition(30);
  Render();
  const int W = Bar->Width(), H = Bar->Height(), Mid = H / 2;
  EXPECT_EQ(At(0, Mid), ShotColor(clBtnShadow));
  EXPECT_EQ(At(W / 2, 0), ShotColor(clBtnShadow));
  EXPECT_EQ(At(W - 1, Mid), ShotColor(clBtnHighlight));
  EXPECT_EQ(At(W / 2, H - 1), ShotColor(clBtnHighlight));
  ExpectScrollArrow(Bar->Button1Rect(), DFCS_SCROLLLEFT);
  ExpectScrollArrow(Bar->Button2Rect(), DFCS_SCROLLRIGHT);
  // The track: a checkerboard of highlight and the scroll-bar colour.
  const TRect After = Bar->TrackAfterRect();
  for (int Y = After.Top; Y < After.Bottom; ++Y)
    for (int X = After.Left; X < After.Left + 8; ++X)
      EXPECT_EQ(At(X, Y), ShotColor((X + Y) % 2 ? clScrollBar : clBtnHighlight)) << X << "," << Y;
  // The thumb: button face, a light and a dark ring outside, highlight and shadow inside.
  const TRect Thumb = Bar->ThumbRect();
  EXPECT_EQ(At(Thumb.Left, Mid), ShotColor(cl3DLight));
  EXPECT_EQ(At(Thumb.Left + 1, Mid), ShotColor(clBtnHighlight));
  EXPECT_EQ(At(Thumb.Right - 1, Mid), ShotColor(cl3DDkShadow));
  EXPECT_EQ(At(Thumb.Right - 2, Mid), ShotColor(clBtnShadow));
  EXPECT_EQ(At(Thumb.Left + 4, Thumb.Top), ShotColor(cl3DLight));
  EXPECT_EQ(At(Thumb.Left + 4, Thumb.Bottom - 1), ShotColor(cl3DDkShadow));
  EXPECT_EQ(At(Thumb.Left + 4, Mid), ShotColor(clBtnFace));

  // Dragged: a flat face in a shadow frame.
  Down(Centre(Thumb));
  Render();
  EXPECT_EQ(At(Thumb.Left, Mid), ShotColor(clBtnShadow));
  EXPECT_EQ(At(Thumb.Left + 1, Mid), ShotColor(clBtnFace));
  EXPECT_EQ(At(Thumb.Right - 1, Mid), ShotColor(clBtnShadow));
  Up(Centre(Thumb));
  // A pressed page in dark shadow, a pressed arrow pushed and flat.
  const TPoint Page{Bar->TrackRect().Right - 3, Mid};
  Down(Page);
  Render();
  EXPECT_EQ(At(Page.X, Page.Y), ShotColor(cl3DDkShadow));
  EXPECT_EQ(At(Bar->TrackAfterRect().Left, Mid), ShotColor(cl3DDkShadow));
  Up(Page);
  Down(Centre(Bar->Button2Rect()));
  Render();
  ExpectScrollArrow(Bar->Button2Rect(), DFCS_SCROLLRIGHT | DFCS_PUSHED | DFCS_FLAT);
  Up(Centre(Bar->Button2Rect()));

  // Disabled: inactive arrows and no thumb.
  Bar->SetEnabled(false);
  Bar->ThumbPaints = 0;
  Render();
  ExpectScrollArrow(Bar->Button1Rect(), DFCS_SCROLLLEFT | DFCS_INACTIVE);
  EXPECT_EQ(Bar->ThumbPaints, 0);
}

} // namespace
