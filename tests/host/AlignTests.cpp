// Alignment and anchors: where children go when their parent's area changes, and the smallest
// area that shows them whole.

#include <gtest/gtest.h>

#include "toolkit/Align.h"

namespace {

TAlignChild Docked(TAlign Align, TRect Bounds, TSize Minimum = {}) {
  TAlignChild Child;
  Child.Align = Align;
  Child.Bounds = Bounds;
  Child.Minimum = Minimum;
  return Child;
}

TAlignChild Anchored(TAnchors Anchors, TRect Bounds, TSize Area) {
  TAlignChild Child;
  Child.Anchors = Anchors;
  Child.Bounds = Bounds;
  Child.Base = {Bounds, Area, true};
  return Child;
}

// In child order: client, right 20 wide, left 30 wide, bottom 10 high, top 15 high, and one
// unaligned child.
std::vector<TAlignChild> SixKinds() {
  return {Docked(TAlign::alClient, {0, 0, 5, 5}, {40, 30}),
          Docked(TAlign::alRight, {0, 0, 20, 5}),
          Docked(TAlign::alLeft, {0, 0, 30, 5}),
          Docked(TAlign::alBottom, {0, 0, 5, 10}),
          Docked(TAlign::alTop, {0, 0, 5, 15}),
          Anchored(DefaultAnchors, {50, 50, 60, 60}, {200, 100})};
}

TEST(AlignTest, SidesAreTakenTopBottomLeftRightThenTheClientFillsWhatIsLeft) {
  const std::vector<TRect> R = AlignChildren(SixKinds(), {0, 0, 200, 100});
  const std::vector<TRect> Expected = {{30, 15, 180, 90}, {180, 15, 200, 90}, {0, 15, 30, 90},
                                       {0, 90, 200, 100}, {0, 0, 200, 15},    {50, 50, 60, 60}};
  EXPECT_EQ(R, Expected);
  // In an area that does not start at the origin, and one too small: nothing goes inside out.
  const std::vector<TRect> Offset = AlignChildren(SixKinds(), {5, 7, 205, 107});
  EXPECT_EQ(Offset[0], (TRect{35, 22, 185, 97}));
  const std::vector<TRect> Tiny = AlignChildren(SixKinds(), {0, 0, 40, 20});
  EXPECT_EQ(Tiny[0], (TRect{30, 15, 30, 15})); // right of the left child, below the top one
  EXPECT_EQ(Tiny[1], (TRect{20, 15, 40, 15}));
}

TEST(AlignTest, ChildrenOfOneKindGoByTheirPlaceThenByChildOrder) {
  // Two top children: the one standing higher goes first, whatever the child order; two at
  // the same place keep the child order. Bottom children: the lower one goes first.
  const std::vector<TAlignChild> Children = {
      Docked(TAlign::alTop, {0, 40, 5, 50}), Docked(TAlign::alTop, {0, 10, 5, 30}),
      Docked(TAlign::alTop, {0, 10, 5, 15}), Docked(TAlign::alBottom, {0, 60, 5, 65}),
      Docked(TAlign::alBottom, {0, 70, 5, 80})};
  const std::vector<TRect> R = AlignChildren(Children, {0, 0, 100, 100});
  const std::vector<TRect> Expected = {{0, 25, 100, 35}, {0, 0, 100, 20}, {0, 20, 100, 25},
                                       {0, 85, 100, 90}, {0, 90, 100, 100}};
  EXPECT_EQ(R, Expected);
}

TEST(AlignTest, AHiddenChildGivesItsPlaceBackAndTakesItAgainWhenShown) {
  std::vector<TAlignChild> Children = {Docked(TAlign::alTop, {0, 0, 5, 15}),
                                       Docked(TAlign::alClient, {0, 0, 5, 5})};
  Children[0].Visible = false;
  std::vector<TRect> R = AlignChildren(Children, {0, 0, 100, 80});
  EXPECT_EQ(R[0], (TRect{0, 0, 5, 15})); // not moved
  EXPECT_EQ(R[1], (TRect{0, 0, 100, 80}));
  EXPECT_EQ(AlignedMinimum(Children).Height, 0);
  Children[0].Visible = true;
  Children[1].Bounds = R[1];
  R = AlignChildren(Children, {0, 0, 100, 80});
  EXPECT_EQ(R[0], (TRect{0, 0, 100, 15}));
  EXPECT_EQ(R[1], (TRect{0, 15, 100, 80}));
}

TEST(AlignTest, AnchorsKeepTheDistancesToTheirSides) {
  // Designed at 10, 20, 30 x 40 in a 100 x 100 area; the area grows to 150 x 120 (and
  // shrinks to 50 x 50, where a stretched child stops at no size).
  const TRect Base{10, 20, 40, 60};
  const struct {
    TAnchors Anchors;
    TRect Grown;
    TRect Shrunk;
  } Cases[] = {
      {akLeft | akTop, {10, 20, 40, 60}, {10, 20, 40, 60}},
      {akRight | akBottom, {60, 40, 90, 80}, {-40, -30, -10, 10}},
      {akLeft | akRight | akTop | akBottom, {10, 20, 90, 80}, {10, 20, 10, 20}},
      {akLeft | akRight, {10, 28, 90, 68}, {10, 0, 10, 40}}, // centred across
      {0, {22, 28, 52, 68}, {-3, 0, 27, 40}},                // centres keep their fraction
  };
  for (const auto& Case : Cases) {
    const TAnchorBase Anchor{Base, {100, 100}, true};
    EXPECT_EQ(AnchoredBounds(Anchor, Case.Anchors, {150, 120}), Case.Grown) << int(Case.Anchors);
    EXPECT_EQ(AnchoredBounds(Anchor, Case.Anchors, {50, 50}), Case.Shrunk) << int(Case.Anchors);
    // Laid out from the base each time: no drift after many steps.
    TAlignChild Child = Anchored(Case.Anchors, Base, {100, 100});
    for (int Step = 0; Step < 37; ++Step)
      Child.Bounds = AlignChildren({Child}, {0, 0, 100 + Step * 7 % 50, 100 + Step * 3})[0];
    EXPECT_EQ(AlignChildren({Child}, {0, 0, 150, 120})[0], Case.Grown) << int(Case.Anchors);
  }
  // A child whose parent had no size yet keeps its bounds until it has one.
  TAlignChild Unplaced = Anchored(akRight, {5, 5, 10, 10}, {});
  Unplaced.Base.Valid = false;
  EXPECT_EQ(AlignChildren({Unplaced}, {0, 0, 300, 300})[0], (TRect{5, 5, 10, 10}));
}

TEST(AlignTest, TheMinimumShowsEveryChildWhole) {
  // Top and bottom take 25 pixels of height, left and right 50 of width; the client child
  // needs 40 x 30 more; the unaligned child reaches 60, 60.
  EXPECT_EQ(AlignedMinimum(SixKinds()), (TSize{90, 60}));
  // Measured from an area that starts lower and further right, the unaligned child needs less.
  EXPECT_EQ(AlignedMinimum({SixKinds()[5]}, {10, 20}), (TSize{50, 40}));
  // Anchored to the far sides, a child needs its distances to them and its size.
  EXPECT_EQ(AnchoredNeed({{10, 20, 40, 60}, {100, 100}, true}, akRight | akBottom),
            (TSize{90, 80}));
  EXPECT_EQ(AnchoredNeed({{10, 20, 40, 60}, {100, 100}, true}, akLeft | akRight | akTop),
            (TSize{70, 60}));
  EXPECT_EQ(AnchoredNeed({{10, 20, 40, 60}, {100, 100}, true}, 0), (TSize{30, 40}));
}

} // namespace
