// The toolkit's image list: strips cut into images of the list's size, the mask colour left
// out when drawing, indexes outside the list drawing nothing, a new size emptying the list.

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win/support/DibShot.h"
#include "toolkit/ImageList.h"

namespace {

constexpr COLORREF Magenta = RGB(255, 0, 255);
constexpr COLORREF Cells[] = {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220)};
constexpr uint32_t White = 0xFFFFFF;

uint32_t Pixel(COLORREF C) { return GetRValue(C) << 16 | GetGValue(C) << 8 | GetBValue(C); }

// Cells of Size x Size side by side, each filled with its colour inside a one-pixel magenta
// border.
TBitmap Strip(int Size, int CellCount) {
  TBitmap Result;
  Result.SetSize32(Size * CellCount, Size);
  const TBitmapDC DC(Result.Handle());
  for (int Cell = 0; Cell < CellCount; ++Cell)
    for (int Y = 0; Y < Size; ++Y)
      for (int X = 0; X < Size; ++X) {
        const bool Border = X == 0 || Y == 0 || X == Size - 1 || Y == Size - 1;
        SetPixelV(DC.Handle(), Cell * Size + X, Y, Border ? Magenta : Cells[Cell % 3]);
      }
  return Result;
}

class ImageListTest : public ::testing::Test {
protected:
  void SetUp() override {
    const RECT All{0, 0, 64, 64};
    FillRect(Shot.DC(), &All, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  TCanvas Canvas() { return TCanvas(Shot.DC()); }
  TDibShot Shot{64, 64};
  TImageList Images{nullptr};
};

TEST_F(ImageListTest, AStripIsCutIntoImagesOfTheListsSize) {
  int Changes = 0;
  Images.OnChange = [&](TObject*) { ++Changes; };
  EXPECT_EQ(Images.Count(), 0);
  EXPECT_EQ(Images.Add(Strip(16, 3), static_cast<TColor>(Magenta)), 0);
  EXPECT_EQ(Images.Count(), 3);
  EXPECT_EQ(Images.Add(Strip(16, 2), static_cast<TColor>(Magenta)), 3); // appended
  EXPECT_EQ(Images.Count(), 5);
  EXPECT_EQ(Changes, 2);
  // A strip narrower than one image adds nothing.
  EXPECT_EQ(Images.Add(Strip(10, 1)), -1);
  EXPECT_EQ(Images.Count(), 5);
  EXPECT_EQ(Changes, 2);
}

TEST_F(ImageListTest, TheMaskColourIsLeftOutWhenDrawing) {
  Images.Add(Strip(16, 3), static_cast<TColor>(Magenta));
  TCanvas C = Canvas();
  Images.Draw(C, 5, 7, 1);
  GdiFlush();
  EXPECT_EQ(Shot.Pixel(5 + 8, 7 + 8), Pixel(Cells[1]));
  EXPECT_EQ(Shot.Pixel(5 + 1, 7 + 1), Pixel(Cells[1])); // the image's own corner
  EXPECT_EQ(Shot.Pixel(5, 7), White);                   // its magenta border is not drawn
  EXPECT_EQ(Shot.Pixel(5 + 15, 7 + 15), White);
  EXPECT_EQ(Shot.Pixel(5 + 16, 7 + 8), White); // nothing beyond the image
  EXPECT_EQ(Shot.Pixel(4, 7 + 8), White);
}

TEST_F(ImageListTest, WithoutAMaskColourEveryPixelIsDrawn) {
  Images.Add(Strip(16, 1));
  TCanvas C = Canvas();
  Images.Draw(C, 0, 0, 0);
  GdiFlush();
  EXPECT_EQ(Shot.Pixel(0, 0), Pixel(Magenta));
  EXPECT_EQ(Shot.Pixel(8, 8), Pixel(Cells[0]));
}

TEST_F(ImageListTest, IndexesOutsideTheListDrawNothing) {
  Images.Add(Strip(16, 2), static_cast<TColor>(Magenta));
  TCanvas C = Canvas();
  Images.Draw(C, 0, 0, 2);
  Images.Draw(C, 0, 0, -1);
  GdiFlush();
  for (uint32_t P : Shot.Pixels())
    ASSERT_EQ(P, White);
}

TEST_F(ImageListTest, ANewSizeEmptiesTheList) {
  Images.Add(Strip(16, 3), static_cast<TColor>(Magenta));
  Images.SetWidth(16); // unchanged: kept
  EXPECT_EQ(Images.Count(), 3);
  Images.SetWidth(8);
  EXPECT_EQ(Images.Count(), 0);
  EXPECT_EQ(Images.Add(Strip(16, 1), static_cast<TColor>(Magenta)), 0);
  EXPECT_EQ(Images.Count(), 2); // 16 wide in 8-wide images
  Images.SetHeight(8);
  EXPECT_EQ(Images.Count(), 0);
}

} // namespace
