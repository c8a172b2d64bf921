// The push button's arithmetic: glyph cells from the glyph's shape, the cell each state
// shows, where glyph and caption lie for every layout, and the grey tones of glyphs.

#include <gtest/gtest.h>

#include "controls/buttons/ButtonLayout.h"

namespace {

TEST(ButtonGlyphCells, ARowOfSquareCellsGivesTheirCountBelowFive) {
  EXPECT_EQ(NumGlyphsForGlyph(64, 16, 1), 4);
  EXPECT_EQ(NumGlyphsForGlyph(32, 16, 4), 2);
  EXPECT_EQ(NumGlyphsForGlyph(16, 16, 3), 1);
  EXPECT_EQ(NumGlyphsForGlyph(80, 16, 2), 1); // five cells are too many
  EXPECT_EQ(NumGlyphsForGlyph(30, 16, 3), 3); // not whole cells: unchanged
  EXPECT_EQ(NumGlyphsForGlyph(16, 0, 2), 2);  // no height: unchanged
  EXPECT_EQ(NumGlyphsForGlyph(0, 0, 4), 4);   // no glyph at all
}

TEST(ButtonGlyphCells, CellSizeAndTheCellEachStateShows) {
  EXPECT_EQ(GlyphCellSize(64, 16, 4), (TPoint{16, 16}));
  EXPECT_EQ(GlyphCellSize(30, 16, 4), (TPoint{7, 16}));
  EXPECT_EQ(GlyphCellSize(0, 0, 2), (TPoint{0, 0}));

  EXPECT_EQ(GlyphCellIndex(1, true, true), 0);
  EXPECT_EQ(GlyphCellIndex(2, true, false), 1);
  EXPECT_EQ(GlyphCellIndex(2, false, true), 0); // two cells have no pressed one
  EXPECT_EQ(GlyphCellIndex(3, false, true), 2);
  EXPECT_EQ(GlyphCellIndex(4, false, true), 2);
  EXPECT_EQ(GlyphCellIndex(4, true, true), 3);
}

TButtonContent Content(int W, int H, TPoint Text, TPoint Cell, TButtonLayout Layout,
                       bool Pressed = false) {
  TButtonContent C;
  C.Width = W;
  C.Height = H;
  C.Text = Text;
  C.Cell = Cell;
  C.Layout = Layout;
  C.Pressed = Pressed;
  return C;
}

TEST(ButtonLayout, GlyphBesideTheCaption) {
  // 40 x 13 text and a 16 x 16 cell, 4 apart, on a 75 x 23 button.
  const TRect Block = ButtonContentRect(Content(75, 23, {40, 13}, {16, 16}, blGlyphLeft));
  EXPECT_EQ(Block, Rect(7, 3, 67, 19));
  EXPECT_EQ(ButtonCaptionRect(Block, {16, 16}, 4, blGlyphLeft), Rect(27, 3, 67, 19));
  const TRect Strip = ButtonGlyphRect(Block, {16, 16}, 4, blGlyphLeft);
  EXPECT_EQ(Strip, Rect(7, 3, 27, 19));
  EXPECT_EQ(CentredRect(Strip, 16, 16), Rect(9, 3, 25, 19));

  EXPECT_EQ(ButtonCaptionRect(Block, {16, 16}, 4, blGlyphRight), Rect(7, 3, 47, 19));
  EXPECT_EQ(ButtonGlyphRect(Block, {16, 16}, 4, blGlyphRight), Rect(47, 3, 67, 19));
}

TEST(ButtonLayout, GlyphAboveOrBelowTheCaption) {
  const TRect Block = ButtonContentRect(Content(75, 50, {40, 13}, {16, 16}, blGlyphTop));
  EXPECT_EQ(Block, Rect(17, 8, 57, 41));
  EXPECT_EQ(ButtonCaptionRect(Block, {16, 16}, 4, blGlyphTop), Rect(17, 28, 57, 41));
  EXPECT_EQ(ButtonGlyphRect(Block, {16, 16}, 4, blGlyphTop), Rect(17, 8, 57, 28));
  EXPECT_EQ(ButtonCaptionRect(Block, {16, 16}, 4, blGlyphBottom), Rect(17, 8, 57, 21));
  EXPECT_EQ(ButtonGlyphRect(Block, {16, 16}, 4, blGlyphBottom), Rect(17, 21, 57, 41));
}

TEST(ButtonLayout, BlockIsAtLeastACellAndMovesWhenPressed) {
  // No caption: the block is the cell and its spacing one way, the cell the other.
  EXPECT_EQ(ButtonContentRect(Content(75, 23, {0, 0}, {16, 16}, blGlyphLeft)), Rect(27, 3, 47, 19));
  EXPECT_EQ(ButtonContentRect(Content(75, 23, {0, 0}, {16, 16}, blGlyphTop)), Rect(29, 1, 45, 21));
  // Caption only: the text alone, centred.
  EXPECT_EQ(ButtonContentRect(Content(75, 23, {41, 13}, {0, 0}, blGlyphLeft)), Rect(17, 5, 58, 18));
  EXPECT_EQ(ButtonContentRect(Content(75, 23, {41, 13}, {0, 0}, blGlyphLeft, true)),
            Rect(18, 6, 59, 19));
  // Wider than the button: halves are truncated toward zero, not down.
  EXPECT_EQ(ButtonContentRect(Content(21, 23, {40, 13}, {0, 0}, blGlyphLeft)), Rect(-9, 5, 31, 18));
}

TEST(ButtonLayout, WordWrapBoxLeavesRoomForGlyphAndMargins) {
  EXPECT_EQ(WordWrapBox(75, 23, 4, {16, 16}), (TPoint{45, -7}));
  EXPECT_EQ(WordWrapBox(107, 60, 2, {0, 0}), (TPoint{95, 48}));
}

TEST(ButtonGlyphPixels, GreyTonesFollowTheLightness) {
  EXPECT_EQ(GlyphPixel(0xFF123456, false, false), 0x123456u);
  // Pure red has lightness one half: 127.5 rounds to even, 128.
  EXPECT_EQ(GlyphPixel(0x00FF0000, true, false), 0x808080u);
  EXPECT_EQ(GlyphPixel(0x00FF0000, false, true), 0xB9B9B9u); // 160 + 25
  EXPECT_EQ(GlyphPixel(0x00102030, true, false), 0x202020u);
  EXPECT_EQ(GlyphPixel(0x00102030, false, true), 0xA6A6A6u); // 160 + round(6.27)
  EXPECT_EQ(GlyphPixel(0x00FFFFFF, true, false), 0xFFFFFFu);
  EXPECT_EQ(GlyphPixel(0x00000000, false, true), 0xA0A0A0u);
  // Both: the disabled tone wins.
  EXPECT_EQ(GlyphPixel(0x00FFFFFF, true, true), 0xD2D2D2u);
}

TEST(ButtonKinds, ModalResultsDefaultsAndResources) {
  EXPECT_FALSE(ButtonKindInfo(bkCustom).Changes);
  const TButtonKindInfo Ok = ButtonKindInfo(bkOK);
  EXPECT_TRUE(Ok.Changes);
  EXPECT_EQ(Ok.ModalResult, 1);
  EXPECT_TRUE(Ok.MakesDefault);
  EXPECT_STREQ(Ok.Resource, "SE_BTN_OK");
  EXPECT_TRUE(ButtonKindInfo(bkYes).MakesDefault);
  EXPECT_FALSE(ButtonKindInfo(bkCancel).MakesDefault);
  const int Results[] = {0, 1, 2, 0, 6, 7, 0, 3, 4, 5, 8};
  for (int K = bkOK; K <= bkAll; ++K)
    EXPECT_EQ(ButtonKindInfo(static_cast<TBitBtnKind>(K)).ModalResult, Results[K]) << K;
  EXPECT_STREQ(ButtonKindInfo(bkAll).Resource, "SE_BTN_ALL");
}

} // namespace
