// The track bar's arithmetic: value to thumb centre and back with snapping, the track, the
// ticks and the thumb's outline, on the main window's transparency bar and on small bars whose
// numbers come out at exact halves.

#include <gtest/gtest.h>

#include "controls/trackbar/TrackBarGeometry.h"

namespace {

// The transparency bar: 329 x 45, 0..255, a tick every 10 on both sides, half-width 5.
TTrackBarLayout TransparencyBar() {
  TTrackBarLayout Bar;
  Bar.Width = 329;
  Bar.Height = 45;
  Bar.Max = 255;
  Bar.Frequency = 10;
  Bar.TickMarks = tmBoth;
  Bar.ThumbWidth = ThumbWidthFor(5);
  Bar.ThumbLength = ThumbLengthFor(Bar.ThumbWidth);
  return Bar;
}

// A bar with four pixels of travel over 0..8: every odd value falls on a half pixel.
TTrackBarLayout HalvesBar() {
  TTrackBarLayout Bar;
  Bar.Width = 2 * TrackEndMargin + 9 + 4;
  Bar.Max = 8;
  return Bar;
}

TEST(TrackBarGeometryTest, RoundingIsToTheNearestHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(5, 2), 2);
  EXPECT_EQ(RoundHalfEven(7, 2), 4);
  EXPECT_EQ(RoundHalfEven(-5, 2), -2);
  EXPECT_EQ(RoundHalfEven(-7, 2), -4);
  EXPECT_EQ(RoundHalfEven(-11, 10), -1);
  EXPECT_EQ(RoundHalfEven(16, 10), 2);
  EXPECT_EQ(RoundHalfEven(3, -2), -2);
  // The plain thumb is 2.2 times as long as it is wide.
  EXPECT_EQ(ThumbLengthFor(9), 20);
  EXPECT_EQ(ThumbLengthFor(11), 24);
  EXPECT_EQ(ThumbLengthFor(5), 11);
}

TEST(TrackBarGeometryTest, ThumbCentreForAValue) {
  const TTrackBarLayout Bar = TransparencyBar();
  // 300 pixels of travel from 14: 14 + round(300 p / 255).
  EXPECT_EQ(Bar.PositionToPixel(0), 14);
  EXPECT_EQ(Bar.PositionToPixel(10), 26);
  EXPECT_EQ(Bar.PositionToPixel(128), 165);
  EXPECT_EQ(Bar.PositionToPixel(250), 308);
  EXPECT_EQ(Bar.PositionToPixel(255), 314);

  const TTrackBarLayout Halves = HalvesBar();
  EXPECT_EQ(Halves.PositionToPixel(1), 13); // 0.5 -> 0
  EXPECT_EQ(Halves.PositionToPixel(3), 15); // 1.5 -> 2
  EXPECT_EQ(Halves.PositionToPixel(5), 15); // 2.5 -> 2
  EXPECT_EQ(Halves.PositionToPixel(7), 17); // 3.5 -> 4

  // A range moved away from 0 and a vertical bar count from their own Min and length.
  TTrackBarLayout Shifted = Bar;
  Shifted.Min = 100;
  Shifted.Max = 355;
  EXPECT_EQ(Shifted.PositionToPixel(228), 165);
  TTrackBarLayout Vertical = Bar;
  Vertical.Orientation = toVertical;
  Vertical.Width = 45;
  Vertical.Height = 329;
  EXPECT_EQ(Vertical.PositionToPixel(128), 165);

  // An empty range cannot come from the setters; it answers 0.
  TTrackBarLayout Empty = Bar;
  Empty.Max = 0;
  EXPECT_EQ(Empty.PositionToPixel(0), 0);
}

TEST(TrackBarGeometryTest, PixelsSnapToTheFrequency) {
  const TTrackBarLayout Bar = TransparencyBar();
  EXPECT_EQ(Bar.PixelToPosition(14), 0);
  EXPECT_EQ(Bar.PixelToPosition(165), 130); // 128.35 -> 128 -> 130
  EXPECT_EQ(Bar.PixelToPosition(114), 80);  // 85: a remainder of half the step goes down
  EXPECT_EQ(Bar.PixelToPosition(44), 30);   // 25.5 -> 26 -> 30 (25 would give 20)
  EXPECT_EQ(Bar.PixelToPosition(26), 10);
  // Max's own centre stands for 255, which snaps down to 250; Max is reached only beyond it,
  // and both ends are reached when the pointer goes past them.
  EXPECT_EQ(Bar.PixelToPosition(314), 250);
  EXPECT_EQ(Bar.PixelToPosition(315), 255);
  EXPECT_EQ(Bar.PixelToPosition(329), 255);
  EXPECT_EQ(Bar.PixelToPosition(0), 0);
  EXPECT_EQ(Bar.PixelToPosition(-40), 0);
  for (int X = 0; X <= 329; ++X) {
    const int Value = Bar.PixelToPosition(X);
    EXPECT_TRUE(Value % 10 == 0 || Value == 255) << X;
  }

  TTrackBarLayout Halves = HalvesBar();
  Halves.Max = 4; // 4 pixels over 0..4, Frequency 1
  EXPECT_EQ(Halves.PixelToPosition(13), 0);
  EXPECT_EQ(Halves.PixelToPosition(15), 2);
  Halves.Max = 2; // half a value a pixel: 0.5 -> 0, 1.5 -> 2
  EXPECT_EQ(Halves.PixelToPosition(14), 0);
  EXPECT_EQ(Halves.PixelToPosition(16), 2);
  EXPECT_EQ(Halves.PixelToPosition(17), 2);

  // Every value's own centre gives it back when nothing snaps.
  TTrackBarLayout Fine = TransparencyBar();
  Fine.Frequency = 1;
  for (int Value = 0; Value <= 255; ++Value)
    EXPECT_EQ(Fine.PixelToPosition(Fine.PositionToPixel(Value)), Value) << Value;
}

TEST(TrackBarGeometryTest, TicksAtEveryStepAndAtBothEnds) {
  const TTrackBarLayout Bar = TransparencyBar();
  std::vector<int> Expected;
  for (int V = 0; V <= 250; V += 10)
    Expected.push_back(V);
  Expected.push_back(255);
  EXPECT_EQ(Bar.TickValues(), Expected);

  const std::vector<TTrackTick> Ticks = Bar.Ticks();
  ASSERT_EQ(Ticks.size(), 2 * Expected.size());
  // Top side: S + 1 .. S + 3, the ends from S; bottom: from S + Len + 6, three pixels, the
  // ends four.
  EXPECT_EQ(Ticks[0], (TTrackTick{14, 7, 10, true}));
  EXPECT_EQ(Ticks[1], (TTrackTick{26, 8, 10, false}));
  EXPECT_EQ(Ticks[26], (TTrackTick{314, 7, 10, true}));
  EXPECT_EQ(Ticks[27], (TTrackTick{14, 37, 40, true}));
  EXPECT_EQ(Ticks[52], (TTrackTick{308, 37, 39, false}));
  EXPECT_EQ(Ticks[53], (TTrackTick{314, 37, 40, true}));

  TTrackBarLayout Below = Bar;
  Below.TickMarks = tmBottomRight;
  ASSERT_EQ(Below.Ticks().size(), Expected.size());
  EXPECT_EQ(Below.Ticks()[1], (TTrackTick{26, 33, 35, false}));
  TTrackBarLayout Above = Bar;
  Above.TickMarks = tmTopLeft;
  ASSERT_EQ(Above.Ticks().size(), Expected.size());
  EXPECT_EQ(Above.Ticks()[1].From, 8);
  Above.ShowTicks = false;
  EXPECT_TRUE(Above.Ticks().empty());

  // A Min off the step and a step of 0 keep their end ticks.
  TTrackBarLayout Odd = Bar;
  Odd.Min = 3;
  Odd.Max = 31;
  EXPECT_EQ(Odd.TickValues(), (std::vector<int>{3, 10, 20, 30, 31}));
  Odd.Frequency = 0;
  EXPECT_EQ(Odd.TickValues(), (std::vector<int>{3, 31}));
}

TEST(TrackBarGeometryTest, TrackRectangleFollowsTheTicks) {
  EXPECT_EQ(TransparencyBar().TrackRect(), (TRect{9, 15, 320, 33}));
  TTrackBarLayout Bar; // 150 x 45, T 9, Len 20, ticks below
  EXPECT_EQ(Bar.TrackRect(), (TRect{9, 9, 141, 23}));
  Bar.TickMarks = tmTopLeft;
  EXPECT_EQ(Bar.TrackRect(), (TRect{9, 16, 141, 30}));
  Bar.ShowTicks = false;
  EXPECT_EQ(Bar.TrackRect(), (TRect{9, 11, 141, 25}));
  Bar.Orientation = toVertical;
  Bar.Width = 45;
  Bar.Height = 150;
  EXPECT_EQ(Bar.TrackRect(), (TRect{11, 9, 25, 141}));

  const TRect Track{9, 15, 320, 33};
  const TTrackBarLayout Wide = TransparencyBar();
  EXPECT_EQ(Wide.HighlightRect(Track, 100, htLowInterval), (TRect{9, 15, 100, 33}));
  EXPECT_EQ(Wide.HighlightRect(Track, 100, htHighInterval), (TRect{100, 15, 320, 33}));
  EXPECT_TRUE(Wide.HighlightRect(Track, 100, htNone).IsEmpty());
}

TEST(TrackBarGeometryTest, ThumbOutlineAndHits) {
  TTrackBarLayout Bar; // T 9, Len 20, S 7
  EXPECT_EQ(Bar.ThumbOutline(20),
            (std::vector<TPoint>{{16, 7}, {24, 7}, {24, 22}, {20, 26}, {16, 22}}));
  EXPECT_TRUE(Bar.ThumbHit(20, {20, 26})); // the point
  EXPECT_FALSE(Bar.ThumbHit(20, {20, 27}));
  EXPECT_TRUE(Bar.ThumbHit(20, {17, 23}));  // on the slope
  EXPECT_FALSE(Bar.ThumbHit(20, {16, 24})); // beside the point
  EXPECT_TRUE(Bar.ThumbHit(20, {24, 7}));
  EXPECT_FALSE(Bar.ThumbHit(20, {25, 7}));
  EXPECT_FALSE(Bar.ThumbHit(20, {20, 6}));

  Bar.TickMarks = tmTopLeft; // pointing up, pushed down by the ticks above
  EXPECT_EQ(Bar.ThumbOutline(20),
            (std::vector<TPoint>{{20, 12}, {24, 16}, {24, 31}, {16, 31}, {16, 16}}));
  EXPECT_FALSE(Bar.ThumbHit(20, {16, 12}));
  EXPECT_TRUE(Bar.ThumbHit(20, {20, 12}));
  Bar.Orientation = toVertical; // pointing left
  EXPECT_EQ(Bar.ThumbOutline(20),
            (std::vector<TPoint>{{12, 20}, {16, 24}, {31, 24}, {31, 16}, {16, 16}}));
  EXPECT_TRUE(Bar.ThumbHit(20, {30, 17}));
  EXPECT_FALSE(Bar.ThumbHit(20, {12, 16}));

  const TTrackBarLayout Wide = TransparencyBar(); // both sides: a rectangle below the ticks
  EXPECT_EQ(Wide.ThumbBounds(14), (TRect{9, 12, 20, 36}));
  EXPECT_TRUE(Wide.ThumbHit(14, {9, 12}));
  EXPECT_TRUE(Wide.ThumbHit(14, {19, 35}));
  EXPECT_FALSE(Wide.ThumbHit(14, {20, 12}));
  EXPECT_FALSE(Wide.ThumbHit(14, {19, 36}));
  EXPECT_FALSE(Wide.ThumbHit(14, {8, 20}));
}

} // namespace
