// The runs a window region is made of, and the rectangle helpers.

#include <gtest/gtest.h>

#include "gfx/Rects.h"
#include "gfx/RegionRuns.h"

namespace {

TEST(RegionRuns, OneRectanglePerRunMovedByTheOffset) {
  TseBitmap Picture;
  Picture.SetSize(4, 2);
  const TsePixel Red = 0xFFFF0000;
  *Picture.PixelPtr(0, 0) = KeyColor;
  *Picture.PixelPtr(1, 0) = 0xFF7F007F; // key whatever the alpha
  *Picture.PixelPtr(2, 0) = Red;
  *Picture.PixelPtr(3, 0) = Red;
  for (int X = 0; X < 4; ++X)
    *Picture.PixelPtr(X, 1) = Red;
  std::vector<TRect> Runs;
  ScanRegionRuns(Picture, 0, 0, Runs);
  EXPECT_EQ(Runs, (std::vector<TRect>{Rect(2, 0, 4, 1), Rect(0, 1, 4, 2)}));
  ScanRegionRuns(Picture, 10, -3, Runs);
  EXPECT_EQ(Runs, (std::vector<TRect>{Rect(12, -3, 14, -2), Rect(10, -2, 14, -1)}));

  *Picture.PixelPtr(1, 1) = KeyColor;   // splits the second row
  *Picture.PixelPtr(3, 1) = 0x007F0080; // not the key: one blue step off
  ScanRegionRuns(Picture, 0, 0, Runs);
  EXPECT_EQ(Runs, (std::vector<TRect>{Rect(2, 0, 4, 1), Rect(0, 1, 1, 2), Rect(2, 1, 4, 2)}));

  Picture.Clear(KeyColor);
  ScanRegionRuns(Picture, 0, 0, Runs);
  EXPECT_TRUE(Runs.empty());
  ScanRegionRuns(TseBitmap(), 0, 0, Runs);
  EXPECT_TRUE(Runs.empty());
}

TEST(Rects, Arithmetic) {
  EXPECT_EQ(GrowRect(Rect(10, 10, 20, 20), 2), Rect(8, 8, 22, 22));
  EXPECT_EQ(GrowRect(Rect(10, 10, 20, 20), -3), Rect(13, 13, 17, 17));
  EXPECT_TRUE(RectIsEmpty(Rect(0, 0, 0, 5)));
  EXPECT_TRUE(RectIsEmpty(Rect(5, 0, 2, 5)));
  EXPECT_FALSE(RectIsEmpty(Rect(0, 0, 1, 1)));
  EXPECT_EQ(CenterRectVert(Rect(3, 3, 13, 8), Rect(20, 0, 100, 10)), Rect(20, 2, 30, 7));
  EXPECT_EQ(CenterRectVert(Rect(0, 0, 4, 7), Rect(0, 0, 10, 10)), Rect(0, 1, 4, 8));
  EXPECT_EQ(CenterRectVert(Rect(0, 0, 4, 13), Rect(0, 0, 10, 10)), Rect(0, -1, 4, 12));
}

} // namespace
