// The check box's state cycle and release rule, where its glyph and caption go, the group
// box's frame and caption, and the label's measuring and sizing arithmetic.

#include <gtest/gtest.h>
#include <vector>

#include "controls/base/CheckGeometry.h"

namespace {

TEST(CheckStateTest, CyclesThroughGrayedOnlyWhenAllowed) {
  TCheckBoxState S = cbUnchecked;
  std::vector<TCheckBoxState> Seen;
  for (int I = 0; I < 4; ++I)
    Seen.push_back(S = NextCheckState(S, true));
  EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
  S = cbUnchecked;
  Seen.clear();
  for (int I = 0; I < 3; ++I)
    Seen.push_back(S = NextCheckState(S, false));
  EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked}));
  // A grayed box (set from code) leaves the grey on the next toggle even without AllowGrayed.
  EXPECT_EQ(NextCheckState(cbGrayed, false), cbChecked);
}

TEST(CheckStateTest, ReleaseOnTheFarEdgesStillToggles) {
  EXPECT_TRUE(ReleaseToggles(98, 20, 98, 20));
  EXPECT_TRUE(ReleaseToggles(0, 0, 98, 20));
  EXPECT_TRUE(ReleaseToggles(98, 0, 98, 20));
  EXPECT_FALSE(ReleaseToggles(99, 10, 98, 20));
  EXPECT_FALSE(ReleaseToggles(10, 21, 98, 20));
  EXPECT_FALSE(ReleaseToggles(-1, 10, 98, 20));
  EXPECT_FALSE(ReleaseToggles(10, -1, 98, 20));
}

TEST(CheckLayoutTest, GlyphAndCaptionFollowTheAlignment) {
  TCheckLayout L;
  L.Width = 98;
  L.Height = 20;
  EXPECT_EQ(CheckGlyphRect(L), (TRect{0, 3, 13, 16}));
  EXPECT_EQ(CheckCaptionMeasureWidth(L), 75);
  // The measured text stands at the area's left, centred in the full height.
  EXPECT_EQ(CheckCaptionRect(L, 40, 13), (TRect{18, 3, 58, 16}));
  L.Alignment = lrRight;
  EXPECT_EQ(CheckGlyphRect(L), (TRect{85, 3, 98, 16}));
  EXPECT_EQ(CheckCaptionRect(L, 40, 13), (TRect{2, 3, 42, 16}));
  // An odd free height truncates toward zero; a glyph taller than the box sits above it.
  L.Height = 21;
  L.GlyphHeight = 16;
  EXPECT_EQ(CheckGlyphRect(L).Top, 2);
  L.Height = 10;
  L.GlyphHeight = 13;
  EXPECT_EQ(CheckGlyphRect(L).Top, -1);
}

TEST(GroupLayoutTest, FrameAndCaptionWithAndWithoutCheckBox) {
  TGroupLayout L;
  L.Width = 90;
  L.Height = 100;
  L.TextWidth = 30;
  L.TextHeight = 13;
  L.CaptionEmpty = false;
  EXPECT_EQ(GroupFrameRect(L), (TRect{3, 7, 88, 98}));
  EXPECT_EQ(GroupCaptionRect(L, false), (TRect{9, 0, 45, 13}));
  EXPECT_EQ(GroupClientRect(L), (TRect{0, 13, 90, 100}));
  // An empty caption gets no room in the plain look, but does in the skinned one.
  L.CaptionEmpty = true;
  L.TextWidth = 0;
  EXPECT_EQ(GroupCaptionRect(L, false), (TRect{12, 0, 12, 13}));
  EXPECT_EQ(GroupCaptionRect(L, true), (TRect{9, 0, 15, 13}));
  // With a check box its bounds are the caption: the plain look grows them for a caption,
  // the skinned one never.
  L.CaptionEmpty = false;
  L.CheckBox = true;
  L.CheckBoxBounds = {12, 0, 70, 20};
  EXPECT_EQ(GroupCaptionRect(L, false), (TRect{9, 0, 73, 20}));
  EXPECT_EQ(GroupCaptionRect(L, true), (TRect{12, 0, 70, 20}));
  EXPECT_EQ(GroupFrameRect(L).Top, 11);
  EXPECT_EQ(GroupClientRect(L).Top, 20);
}

TEST(GroupLayoutTest, CheckBoxWidthIsItsContentWithinTheGroup) {
  EXPECT_EQ(GroupCheckBoxWidth(200, 12, 13, 5, 40), 13 + 5 + 40 + 6);
  EXPECT_EQ(GroupCheckBoxWidth(60, 12, 13, 5, 40), 60 - 12 - 2);
}

TEST(AcceleratorTest, TheLetterAfterASingleAmpersand) {
  EXPECT_TRUE(IsAccelerator(L'o', L"&Open"));
  EXPECT_TRUE(IsAccelerator(L'O', L"Re&open"));
  EXPECT_FALSE(IsAccelerator(L'R', L"Re&open"));
  EXPECT_FALSE(IsAccelerator(L'S', L"Salt && &Pepper")); // "&&" marks nothing
  EXPECT_TRUE(IsAccelerator(L'p', L"Salt && &Pepper"));
  EXPECT_FALSE(IsAccelerator(L'&', L"A&&B"));
  EXPECT_FALSE(IsAccelerator(L'x', L"Trailing&"));
  EXPECT_FALSE(IsAccelerator(L'a', L""));
}

TEST(LabelLayoutTest, MeasuredTextKeepsTheLabelVisible) {
  EXPECT_EQ(LabelMeasureText(L"&", true), L"& ");
  EXPECT_EQ(LabelMeasureText(L"", true), L" ");
  EXPECT_EQ(LabelMeasureText(L"", false), L" ");
  // Without accelerators the ampersand is a letter of its own.
  EXPECT_EQ(LabelMeasureText(L"&", false), L"&");
  EXPECT_EQ(LabelMeasureText(L"&&", true), L"&&");
}

TEST(LabelLayoutTest, RightAlignedAutoSizeKeepsTheRightEdge) {
  const TRect Old{100, 10, 165, 27};
  EXPECT_EQ(LabelAutoSizeBounds(Old, 90, 13, true), (TRect{75, 10, 165, 23}));
  EXPECT_EQ(LabelAutoSizeBounds(Old, 90, 13, false), (TRect{100, 10, 190, 23}));
  EXPECT_EQ(LabelLayoutOffset(tlTop, 40, 13), 0);
  EXPECT_EQ(LabelLayoutOffset(tlCenter, 40, 13), 13);
  EXPECT_EQ(LabelLayoutOffset(tlBottom, 40, 13), 27);
}

} // namespace
