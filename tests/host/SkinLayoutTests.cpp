// Layout of skin object trees and rolling panels.

#include <gtest/gtest.h>

#include "skin/SkinKinds.h"

namespace {

class SkinLayoutTest : public ::testing::Test {
protected:
  SkinLayoutTest() : Parent(nullptr) {}
  void TearDown() override { SetSkinTextWidth(nullptr); }

  TSeSkinObject* Add(TSeAlign Align, TRect Bounds = {}, bool Visible = true) {
    auto Child = std::make_unique<TSeSkinObject>(&Parent);
    Child->Align = Align;
    Child->SetBounds(Bounds);
    Child->Visible = Visible;
    TSeSkinObject* Result = Child.get();
    Parent.InsertComponent(std::move(Child));
    return Result;
  }
  TSeSkinObject Parent;
};

TEST_F(SkinLayoutTest, TopBandsTakeTheirHeightAndTheClientTheRest) {
  TSeSkinObject* Hidden = Add(saTop, {0, 0, 10, 7}, false);
  TSeSkinObject* Top = Add(saTop, {0, 0, 10, 10});
  TSeSkinObject* Client = Add(saClient);
  Parent.SetBounds({0, 0, 100, 50});
  EXPECT_EQ(Top->BoundsRect(), (TRect{0, 0, 100, 10}));
  EXPECT_EQ(Client->BoundsRect(), (TRect{0, 10, 100, 50}));
  EXPECT_EQ(Hidden->BoundsRect(), (TRect{0, 0, 10, 7})); // takes no space, is not placed
}

TEST_F(SkinLayoutTest, MostAlignsComeFirstAndBandsFitBetweenTheBorders) {
  // Added in the "wrong" order on purpose: the passes decide, not the order.
  TSeSkinObject* Band = Add(saTop, {0, 0, 0, 5});
  TSeSkinObject* Left = Add(saMostLeft, {0, 0, 4, 0});
  TSeSkinObject* Right = Add(saMostRight, {0, 0, 6, 0});
  TSeSkinObject* Caption = Add(saMostTop, {0, 0, 0, 20});
  TSeSkinObject* Bottom = Add(saMostBottom, {0, 0, 0, 3});
  TSeSkinObject* Side = Add(saLeft, {0, 0, 8, 0});
  TSeSkinObject* Foot = Add(saBottom, {0, 0, 0, 2});
  TSeSkinObject* Rest = Add(saClient);
  Parent.SetBounds({10, 10, 110, 60});
  EXPECT_EQ(Caption->BoundsRect(), (TRect{10, 10, 110, 30}));
  EXPECT_EQ(Bottom->BoundsRect(), (TRect{10, 57, 110, 60}));
  EXPECT_EQ(Left->BoundsRect(), (TRect{10, 30, 14, 57}));
  EXPECT_EQ(Right->BoundsRect(), (TRect{104, 30, 110, 57}));
  EXPECT_EQ(Band->BoundsRect(), (TRect{14, 30, 104, 35}));
  EXPECT_EQ(Foot->BoundsRect(), (TRect{14, 55, 104, 57}));
  EXPECT_EQ(Side->BoundsRect(), (TRect{14, 35, 22, 55}));
  EXPECT_EQ(Rest->BoundsRect(), (TRect{22, 35, 104, 55}));
}

TEST_F(SkinLayoutTest, TheSameBoundsDoNotLayOutAgainAndSizesNeverGoNegative) {
  TSeSkinObject* Client = Add(saClient);
  Parent.SetBounds({0, 0, 40, 30});
  Client->SetBounds({1, 1, 2, 2}); // moved by hand
  Parent.SetBounds({0, 0, 40, 30});
  EXPECT_EQ(Client->BoundsRect(), (TRect{1, 1, 2, 2}));
  Parent.SetBounds({0, 0, 41, 30});
  EXPECT_EQ(Client->BoundsRect(), (TRect{0, 0, 41, 30}));
  EXPECT_EQ(Parent.OldWidth(), 40);

  Parent.SetBounds({50, 50, 20, 10});
  EXPECT_EQ(Parent.Width(), 0);
  EXPECT_EQ(Parent.Height(), 0);
  // Bands wider than the parent leave empty, not inverted, children.
  TSeSkinObject* Wide = Add(saMostLeft, {0, 0, 30, 0});
  TSeSkinObject* After = Add(saMostLeft, {0, 0, 5, 0});
  TSeSkinObject* Squeezed = Add(saClient);
  Parent.SetBounds({0, 0, 20, 10});
  EXPECT_EQ(Wide->BoundsRect(), (TRect{0, 0, 30, 10}));
  EXPECT_EQ(After->BoundsRect(), (TRect{30, 0, 35, 10}));
  EXPECT_EQ(Squeezed->Width(), 0);
  EXPECT_EQ(Squeezed->Left(), 35);
}

TEST_F(SkinLayoutTest, CornerAnchorsKeepTheirDistanceToTheEdgesThatMove) {
  Parent.SetBounds({0, 0, 100, 50});
  TSeSkinObject* TopRight = Add(saTopRight, {80, 5, 95, 15});
  TSeSkinObject* BottomLeft = Add(saBottomLeft, {5, 40, 15, 48});
  TSeSkinObject* BottomRight = Add(saBottomRight, {90, 45, 98, 49});
  TSeSkinObject* Hidden = Add(saTopRight, {70, 0, 75, 5}, false);
  Parent.SetBounds({0, 0, 120, 60});
  EXPECT_EQ(TopRight->Left(), 100);
  EXPECT_EQ(TopRight->Width(), 15);
  EXPECT_EQ(BottomLeft->Top(), 50);
  EXPECT_EQ(BottomRight->Left(), 110);
  EXPECT_EQ(BottomRight->Top(), 55);
  EXPECT_EQ(Hidden->Left(), 90); // anchors move hidden children too
  // Another layout of the same size moves nothing: the anchors are stable.
  Parent.AlignObjects();
  EXPECT_EQ(BottomRight->Left(), 110);
  EXPECT_EQ(BottomRight->Top(), 55);
}

TEST_F(SkinLayoutTest, TheFirstSizingLeavesRightAnchorsWhereTheyAre) {
  TSeSkinObject* TopRight = Add(saTopRight, {80, 5, 95, 15});
  Parent.SetBounds({0, 0, 100, 50}); // from nothing
  EXPECT_EQ(TopRight->Left(), 80);
}

TEST_F(SkinLayoutTest, CentredChildrenRoundTowardZero) {
  TSeSkinObject* Small = Add(saCenter, {0, 0, 10, 4});
  TSeSkinObject* Large = Add(saCenter, {0, 0, 13, 9});
  Parent.SetBounds({0, 0, 20, 10});
  EXPECT_EQ(Small->BoundsRect(), (TRect{5, 3, 15, 7}));
  EXPECT_EQ(Large->BoundsRect(), (TRect{3, 0, 16, 9})); // (20 - 13) / 2 = 3, (10 - 9) / 2 = 0
  Parent.SetBounds({0, 0, 10, 6});
  EXPECT_EQ(Large->BoundsRect(), (TRect{-1, -1, 12, 8})); // -3 / 2 = -1
}

TEST_F(SkinLayoutTest, TextChildrenTakeTheWidthOfTheirText) {
  SetSkinTextWidth([](const std::wstring& Text, const TFont& Font) {
    return static_cast<int>(Text.size()) * 7 + (Font.Style() & fsBold ? 100 : 0);
  });
  TSeSkinObject* Label = Add(saText, {3, 4, 5, 6});
  Label->Text = L"Hello";
  Label->TextMarginLeft = 2;
  Label->TextMarginRight = 1;
  TSeTextObject* Hot = nullptr;
  {
    auto Child = std::make_unique<TSeTextObject>(&Parent);
    Child->Align = saText;
    Child->Text = L"ab";
    Child->FontHot.SetStyle(fsBold);
    Hot = Child.get();
    Parent.InsertComponent(std::move(Child));
  }
  Hot->SetState(osHot);
  Parent.SetBounds({0, 0, 200, 20});
  EXPECT_EQ(Label->BoundsRect(), (TRect{3, 4, 3 + 35 + 3, 6})); // only the width changes
  EXPECT_EQ(Hot->Width(), 114);                                 // measured in the font of its state
}

TEST_F(SkinLayoutTest, LayoutRecursesThroughEveryLevel) {
  TSeSkinObject* Outer = Add(saClient);
  auto Inner = std::make_unique<TSeSkinObject>(Outer);
  Inner->Align = saBottom;
  Inner->SetBounds({0, 0, 0, 4});
  TSeSkinObject* InnerPtr = Inner.get();
  Outer->InsertComponent(std::move(Inner));
  Parent.SetBounds({0, 0, 30, 20});
  EXPECT_EQ(InnerPtr->BoundsRect(), (TRect{0, 16, 30, 20}));
}

TEST_F(SkinLayoutTest, HostileSizesAreClampedWithoutOverflow) {
  TSeSkinObject* A = Add(saMostTop, {0, 0, 0, 0});
  TSeSkinObject* B = Add(saMostTop, {0, 0, 0, 0});
  A->SetHeight(INT32_MAX);
  B->SetHeight(INT32_MAX);
  A->SetLeft(INT32_MIN);
  Parent.SetBounds({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_GE(Parent.Width(), 0);
  EXPECT_GE(B->Top(), A->Top());
}

// ---------------------------------------------------------------------------------------
// Roll panels

struct TRollCase {
  TSeRollKind Kind;
  TRect Rolled;
};

class RollPanelTest : public ::testing::TestWithParam<TRollCase> {};

TEST_P(RollPanelTest, ATogglesRollsToTheValueAndBackKeepingOneEdge) {
  TSeSkinObject Root(nullptr);
  auto Panel = std::make_unique<TSeRollPanelObject>(&Root);
  TSeRollPanelObject* P = Panel.get();
  Root.InsertComponent(std::move(Panel));
  auto Child = std::make_unique<TSeSkinObject>(P);
  Child->Align = saClient;
  TSeSkinObject* Content = Child.get();
  P->InsertComponent(std::move(Child));
  P->RollKind = GetParam().Kind;
  P->RollValue = 20;
  P->SetBounds({0, 100, 200, 200});

  P->ToggleRoll();
  EXPECT_EQ(P->BoundsRect(), GetParam().Rolled);
  EXPECT_EQ(Content->BoundsRect(), GetParam().Rolled); // laid out again
  P->ToggleRoll();
  EXPECT_EQ(P->BoundsRect(), (TRect{0, 100, 200, 200}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RollPanelTest,
                         ::testing::Values(TRollCase{rkTop, {0, 180, 200, 200}},
                                           TRollCase{rkBottom, {0, 100, 200, 120}},
                                           TRollCase{rkLeft, {180, 100, 200, 200}},
                                           TRollCase{rkRight, {0, 100, 20, 200}}));

TEST(RollPanel, APanelWithoutOwnerStaysAndOneNeverRolledRollsBackToNothing) {
  TSeRollPanelObject Alone(nullptr);
  Alone.RollKind = rkTop;
  Alone.RollValue = 20;
  Alone.SetBounds({0, 100, 200, 200});
  Alone.ToggleRoll();
  EXPECT_EQ(Alone.BoundsRect(), (TRect{0, 100, 200, 200}));

  TSeSkinObject Root(nullptr);
  auto Panel = std::make_unique<TSeRollPanelObject>(&Root);
  Panel->RollKind = rkBottom;
  Panel->RollValue = 20;
  Panel->SetBounds({0, 0, 50, 20}); // already at the value: "rolled"
  TSeRollPanelObject* P = Panel.get();
  Root.InsertComponent(std::move(Panel));
  P->ToggleRoll();
  EXPECT_EQ(P->Height(), 0);
  // A copy takes the stored properties, not the saved size.
  TSeRollPanelObject Copy(nullptr);
  Copy.Assign(*P);
  EXPECT_EQ(Copy.RollKind, rkBottom);
  EXPECT_EQ(Copy.RollValue, 20);
}

} // namespace
