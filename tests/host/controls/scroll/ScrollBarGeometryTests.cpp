// The scroll bar's arithmetic: range rules, where the parts lie, the thumb's size and place
// and the way back from a thumb start to a position, and the steps.

#include <climits>
#include <gtest/gtest.h>

#include "controls/scroll/ScrollBarGeometry.h"

namespace {

TScrollRange Range(int Min, int Max, int PageSize, int Position = 0) {
  TScrollRange R;
  R.SetMax(Max);
  R.SetMin(Min);
  R.SetPageSize(PageSize);
  R.SetPosition(Position);
  return R;
}

// A horizontal bar whose track is exactly TrackLength long: border 1, 16-pixel buttons.
TScrollBarLayout BarWithTrack(int TrackLength, const TScrollRange& R, int PlatformThumb = 16) {
  TScrollBarLayout Bar;
  Bar.Width = TrackLength + 2 * 17;
  Bar.Height = 18;
  Bar.Border = 1;
  Bar.ButtonSize = 16;
  Bar.ThumbSize = ThumbSizeFor(Bar.TrackLength(), R, PlatformThumb);
  return Bar;
}

TEST(ScrollRangeTest, SettersKeepTheRangeConsistent) {
  TScrollRange R = Range(0, 100, 0, 80);
  R.SetMax(50); // the position follows down
  EXPECT_EQ(R.Max(), 50);
  EXPECT_EQ(R.Position(), 50);
  R.SetMax(-10); // never below Min
  EXPECT_EQ(R.Max(), 0);
  EXPECT_EQ(R.Position(), 0);
  EXPECT_EQ(R.PageSize(), 0);

  R = Range(0, 100, 30, 10);
  R.SetMin(200); // never above Max; the position follows up, the page is cut to one position
  EXPECT_EQ(R.Min(), 100);
  EXPECT_EQ(R.Position(), 100);
  EXPECT_EQ(R.PageSize(), 1);

  R = Range(10, 19, 0);
  R.SetPageSize(-3); // ignored
  EXPECT_EQ(R.PageSize(), 0);
  R.SetPageSize(50); // cut to Max - Min + 1
  EXPECT_EQ(R.PageSize(), 10);
  R.SetPosition(-5);
  EXPECT_EQ(R.Position(), 10);
  R.SetPosition(99);
  EXPECT_EQ(R.Position(), 19);
}

TEST(ScrollLayoutTest, ButtonsSitAtTheEndsInsideTheBorderAndTheTrackBetween) {
  TScrollBarLayout Bar;
  Bar.Width = 121;
  Bar.Height = 18;
  Bar.Border = 1;
  Bar.ButtonSize = 16;
  EXPECT_EQ(Bar.Button1(), Rect(1, 1, 17, 17));
  EXPECT_EQ(Bar.Button2(), Rect(104, 1, 120, 17));
  EXPECT_EQ(Bar.Track(), Rect(17, 1, 104, 17));
  Bar.ShowButtons = false; // the track takes their room
  EXPECT_EQ(Bar.Track(), Rect(1, 1, 120, 17));

  // A vertical bar is the same turned: the thumb moves along y.
  Bar.Kind = sbVertical;
  Bar.ShowButtons = true;
  Bar.Width = 18;
  Bar.Height = 121;
  EXPECT_EQ(Bar.Button1(), Rect(1, 1, 17, 17));
  EXPECT_EQ(Bar.Button2(), Rect(1, 104, 17, 120));
  EXPECT_EQ(Bar.Track(), Rect(1, 17, 17, 104));
  EXPECT_EQ(Bar.AlongOf({5, 60}), 60);
}

TEST(ScrollLayoutTest, ABarTooShortForTwoButtonsHalvesThemAndHasNoThumb) {
  EXPECT_EQ(FitButtonSize(121, 1, 16), 16);
  EXPECT_EQ(FitButtonSize(34, 1, 16), 16); // exactly two fit
  EXPECT_EQ(FitButtonSize(33, 1, 16), 15);
  EXPECT_EQ(FitButtonSize(20, 0, 16), 10);
  TScrollBarLayout Bar;
  Bar.Width = 20;
  Bar.Height = 16;
  Bar.ButtonSize = FitButtonSize(20, 0, 16);
  EXPECT_EQ(Bar.Button1(), Rect(0, 0, 10, 16));
  EXPECT_EQ(Bar.Button2(), Rect(10, 0, 20, 16));
  EXPECT_EQ(Bar.TrackLength(), 0);
  EXPECT_EQ(ThumbSizeFor(Bar.TrackLength(), Range(0, 100, 0), 16), 0);
  EXPECT_EQ(ThumbSizeFor(Bar.TrackLength(), Range(0, 100, 10), 16), 0);
  Bar.ThumbSize = 0;
  EXPECT_TRUE(Bar.Thumb(Range(0, 100, 0)).IsEmpty());
}

TEST(ScrollThumbTest, APageOfTenInAHundredIsATenthOfTheTrackAndTheThumbReaches91) {
  const TScrollRange R = Range(0, 100, 10);
  const TScrollBarLayout Bar = BarWithTrack(100, R);
  EXPECT_EQ(Bar.ThumbSize, 10);
  EXPECT_EQ(Bar.ThumbStart(R, 0), Bar.TrackStart());
  EXPECT_EQ(Bar.ThumbStart(R, 91), Bar.TrackEnd() - 10);
  EXPECT_EQ(Bar.ThumbStart(R, 100), Bar.TrackEnd() - 10); // beyond the last thumb position
  // Dragged to the end of the track and beyond it, the thumb stands for 91; before the
  // track's start, for 0.
  EXPECT_EQ(Bar.PositionAt(R, Bar.TrackEnd() - 10), 91);
  EXPECT_EQ(Bar.PositionAt(R, Bar.TrackEnd() + 40), 91);
  EXPECT_EQ(Bar.PositionAt(R, Bar.TrackStart() - 40), 0);
  EXPECT_EQ(Bar.PositionAt(R, Bar.TrackStart() + 45), 46); // 45 * 91 / 90, rounded
}

TEST(ScrollThumbTest, EveryThumbPositionMapsBackToItself) {
  // Ranges with at least one pixel of free track per position, offset minimums included.
  for (const TScrollRange& R : {Range(0, 100, 10), Range(-50, 49, 0), Range(7, 40, 5),
                                Range(0, 10, 0), Range(1000, 1060, 60)}) {
    const TScrollBarLayout Bar = BarWithTrack(200, R);
    ASSERT_GT(Bar.ThumbSize, 0);
    for (int P = R.Min(); P <= R.LastThumbPosition(); ++P)
      EXPECT_EQ(Bar.PositionAt(R, Bar.ThumbStart(R, P)), P) << R.Min() << ".." << R.Max();
    // The thumb's travel spans the track exactly.
    EXPECT_EQ(Bar.ThumbStart(R, R.Min()), Bar.TrackStart());
    EXPECT_EQ(Bar.ThumbStart(R, R.LastThumbPosition()) + Bar.ThumbSize, Bar.TrackEnd());
  }
}

TEST(ScrollThumbTest, AMoreThanFullPageFillsTheTrackAndPinsThePosition) {
  TScrollRange R = Range(0, 100, 0);
  R.SetPageSize(500);
  EXPECT_EQ(R.PageSize(), 101);
  const TScrollBarLayout Bar = BarWithTrack(100, R);
  EXPECT_EQ(Bar.ThumbSize, 100);
  EXPECT_EQ(Bar.Thumb(R), Bar.Track());
  // The thumb cannot move: whatever the pointer does, the position is Min.
  EXPECT_EQ(Bar.PositionAt(R, Bar.TrackStart() + 30), 0);
  EXPECT_EQ(Bar.ThumbStart(R, 0), Bar.TrackStart());
}

TEST(ScrollThumbTest, SizeRules) {
  // No page: the platform's thumb; a tiny page: at least two thirds of it.
  EXPECT_EQ(ThumbSizeFor(100, Range(0, 100, 0), 16), 16);
  EXPECT_EQ(ThumbSizeFor(100, Range(0, 1000, 1), 16), 10);
  EXPECT_EQ(ThumbSizeFor(100, Range(0, 99, 50), 16), 50);
  EXPECT_EQ(ThumbSizeFor(100, Range(0, 99, 1), 18), 12);
  // What does not fit is not there.
  EXPECT_EQ(ThumbSizeFor(15, Range(0, 100, 0), 16), 0);
  EXPECT_EQ(ThumbSizeFor(9, Range(0, 1000, 1), 16), 0);
  EXPECT_EQ(ThumbSizeFor(16, Range(0, 100, 0), 16), 16);
  // Without travel the thumb sits at the track's start.
  const TScrollRange One = Range(5, 5, 0);
  const TScrollBarLayout Bar = BarWithTrack(100, One);
  EXPECT_EQ(Bar.ThumbStart(One, 5), Bar.TrackStart());
}

TEST(ScrollThumbTest, TheTrackPartsMeetTheThumb) {
  for (int Position : {0, 1, 37, 91, 100}) {
    TScrollRange R = Range(0, 100, 10, Position);
    const TScrollBarLayout Bar = BarWithTrack(100, R);
    const TRect Thumb = Bar.Thumb(R), Before = Bar.TrackBefore(R), After = Bar.TrackAfter(R);
    EXPECT_EQ(Before.Left, Bar.TrackStart());
    EXPECT_EQ(Before.Right, Thumb.Left) << Position;
    EXPECT_EQ(After.Left, Thumb.Right) << Position;
    EXPECT_EQ(After.Right, Bar.TrackEnd());
    EXPECT_EQ(Before.Top, 1);
    EXPECT_EQ(After.Bottom, 17);
  }
  // Vertical parts run along y.
  TScrollRange R = Range(0, 100, 10, 50);
  TScrollBarLayout Bar = BarWithTrack(100, R);
  std::swap(Bar.Width, Bar.Height);
  Bar.Kind = sbVertical;
  const TRect Thumb = Bar.Thumb(R);
  EXPECT_EQ(Thumb.Left, 1);
  EXPECT_EQ(Thumb.Height(), 10);
  EXPECT_EQ(Bar.TrackBefore(R).Bottom, Thumb.Top);
}

TEST(ScrollStepTest, StepsGoWhereTheyShouldWithTheirCodes) {
  const TScrollRange R = Range(0, 100, 10, 50);
  struct TCase {
    TSeScrollStep Step;
    int Position;
    TScrollCode Code;
  };
  for (const TCase& Case : {TCase{qssLineBack, 47, scLineUp}, TCase{qssLineForward, 53, scLineDown},
                            TCase{qssPageBack, 40, scPageUp}, TCase{qssPageForward, 60, scPageDown},
                            TCase{qssToMax, 100, scBottom}, TCase{qssToMin, 0, scTop}}) {
    EXPECT_EQ(StepPosition(Case.Step, R, 3, 25), Case.Position) << Case.Step;
    EXPECT_EQ(StepCode(Case.Step), Case.Code) << Case.Step;
  }
  // Without a page, a page is LargeChange; every step stays inside the range.
  const TScrollRange NoPage = Range(0, 100, 0, 95);
  EXPECT_EQ(StepPosition(qssPageForward, NoPage, 1, 25), 100);
  EXPECT_EQ(StepPosition(qssPageBack, NoPage, 1, 25), 70);
  EXPECT_EQ(StepPosition(qssLineForward, NoPage, 30, 1), 100);
  const TScrollRange Wide = Range(0, INT_MAX - 1, 0, INT_MAX - 1);
  EXPECT_EQ(StepPosition(qssLineForward, Wide, INT_MAX, 1), INT_MAX - 1);
}

} // namespace
