// Skin objects drawn into surfaces under the platform and read back pixel by pixel.

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/SkinKinds.h"
#include "toolkit/Graphics.h"

namespace {

// 0xRRGGBB of a toolkit colour (0xBBGGRR).
constexpr uint32_t Rgb(TColor Color) {
  return (Color & 0xFF) << 16 | (Color & 0xFF00) | (Color >> 16 & 0xFF);
}

class SkinDrawTest : public ::testing::Test {
protected:
  void SetUp() override {
    Surface.SetSize(40, 30);
    Surface.Clear(0xFF000000 | Background);
    Canvas.SetHandle(Surface.DC());
  }
  uint32_t At(int X, int Y) {
    GdiFlush();
    return Surface.GetPixel(X, Y) & 0xFFFFFF;
  }
  // A picture of 3 x 3 blocks of Block pixels each, block (c, r) of colour Colors[r][c].
  TseBitmap* Blocks(int Block, const uint32_t (&Colors)[3][3]) {
    auto Bitmap = std::make_unique<TseBitmap>();
    Bitmap->Name = "blocks";
    Bitmap->SetSize(Block * 3, Block * 3);
    for (int Y = 0; Y < Block * 3; ++Y)
      for (int X = 0; X < Block * 3; ++X)
        *Bitmap->PixelPtr(X, Y) = 0xFF000000 | Colors[Y / Block][X / Block];
    return Bitmaps.Add(std::move(Bitmap));
  }
  template <class T> void Bind(T& Object) {
    Object.SetBitmaps(&Bitmaps);
    Object.ResolveLinks();
  }
  static constexpr uint32_t Background = 0x102030;
  TseBitmap Surface;
  TCanvas Canvas;
  TseBitmapList Bitmaps;
};

constexpr uint32_t Nine[3][3] = {
    {0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFF00, 0x808080, 0x00FFFF}, {0xFF00FF, 0x400000, 0x004000}};

TEST_F(SkinDrawTest, PlainObjectsFillTheirBoundsUnlessTheyOnlyHoldChildren) {
  TSeSkinObject Object(nullptr);
  Object.Color = 0x0000FF;
  Object.SetBounds({2, 3, 12, 8});
  Object.Draw(Canvas);
  EXPECT_EQ(At(2, 3), 0xFF0000u);
  EXPECT_EQ(At(11, 7), 0xFF0000u);
  EXPECT_EQ(At(12, 7), Background);
  EXPECT_EQ(At(11, 8), Background);

  TSeSkinObject Parent(nullptr);
  Parent.Color = 0x00FF00;
  auto Child = std::make_unique<TSeSkinObject>(&Parent);
  Child->Color = 0xFF0000;
  Child->Align = saLeft;
  Child->SetBounds({0, 0, 5, 0});
  Parent.InsertComponent(std::move(Child));
  Parent.SetBounds({20, 0, 30, 10});
  Parent.Draw(Canvas);
  EXPECT_EQ(At(22, 5), 0x0000FFu);  // the child
  EXPECT_EQ(At(27, 5), Background); // no fill of its own
  Parent.DrawIfOwner = true;
  Parent.Draw(Canvas);
  EXPECT_EQ(At(27, 5), 0x00FF00u);
  EXPECT_EQ(At(22, 5), 0x0000FFu); // children on top

  Surface.Clear(0xFF000000 | Background);
  Parent.Visible = false;
  Parent.Draw(Canvas);
  EXPECT_EQ(At(27, 5), Background);
}

TEST_F(SkinDrawTest, ADashIsASeparatorLineThreePixelsIn) {
  TSeSkinObject Item(nullptr);
  Item.Color = clNone;
  Item.Text = L"-";
  Item.Font.SetColor(0x00FF00);
  Item.SetBounds({0, 0, 20, 10}); // line at 10 / 2 - 1 = 4
  Item.Draw(Canvas);
  for (int X = 0; X < 20; ++X)
    for (int Y = 0; Y < 10; ++Y)
      EXPECT_EQ(At(X, Y), (Y == 4 && X >= 3 && X < 17) ? 0x00FF00u : Background) << X << "," << Y;
}

TEST_F(SkinDrawTest, NinePartsPutCornersUnscaledAndStretchEdgesAndCentre) {
  Blocks(3, Nine);
  TSeBitmapObject Box(nullptr);
  Box.Bitmap->Name = "blocks";
  Box.Bitmap->Rect = {0, 0, 9, 9};
  Box.MarginLeft = Box.MarginTop = Box.MarginRight = Box.MarginBottom = 3;
  Box.TileStyle = Box.BorderTileStyle = tsStretch;
  Bind(Box);
  Box.SetBounds({5, 4, 25, 19}); // 20 x 15
  Box.Draw(Canvas);
  const int L = 5, T = 4, R = 25, B = 19;
  EXPECT_EQ(At(L, T), Nine[0][0]);
  EXPECT_EQ(At(L + 2, T + 2), Nine[0][0]);
  EXPECT_EQ(At(R - 1, T), Nine[0][2]);
  EXPECT_EQ(At(R - 3, T + 2), Nine[0][2]);
  EXPECT_EQ(At(L, B - 1), Nine[2][0]);
  EXPECT_EQ(At(R - 1, B - 1), Nine[2][2]);
  EXPECT_EQ(At(L + 3, T), Nine[0][1]); // top edge, stretched across
  EXPECT_EQ(At(R - 4, T + 2), Nine[0][1]);
  EXPECT_EQ(At(L, T + 3), Nine[1][0]); // left edge, stretched down
  EXPECT_EQ(At(L + 2, B - 4), Nine[1][0]);
  EXPECT_EQ(At(R - 1, T + 7), Nine[1][2]);
  EXPECT_EQ(At(L + 10, B - 1), Nine[2][1]);
  EXPECT_EQ(At(L + 3, T + 3), Nine[1][1]);
  EXPECT_EQ(At(R - 4, B - 4), Nine[1][1]);
  EXPECT_EQ(At(R, T), Background);
  EXPECT_EQ(At(L, B), Background);
}

TEST_F(SkinDrawTest, OneBitmapIsTiledStretchedOrCentred) {
  Blocks(1, Nine); // 3 x 3
  TSeBitmapSkinObject Picture(nullptr);
  Picture.Bitmap->Name = "blocks";
  Picture.Bitmap->Rect = {0, 0, 3, 3};
  Bind(Picture);
  Picture.SetBounds({0, 0, 7, 5});
  Picture.TileStyle = tsTile;
  Picture.Draw(Canvas);
  EXPECT_EQ(At(0, 0), Nine[0][0]);
  EXPECT_EQ(At(3, 0), Nine[0][0]); // the next copy
  EXPECT_EQ(At(5, 4), Nine[1][2]);
  EXPECT_EQ(At(7, 0), Background);

  Surface.Clear(0xFF000000 | Background);
  Picture.TileStyle = tsStretch;
  Picture.SetBounds({0, 0, 9, 6});
  Picture.Draw(Canvas);
  EXPECT_EQ(At(0, 0), Nine[0][0]);
  EXPECT_EQ(At(8, 5), Nine[2][2]);
  EXPECT_EQ(At(4, 3), Nine[1][1]);

  Surface.Clear(0xFF000000 | Background);
  Picture.TileStyle = tsCenter;
  Picture.SetBounds({10, 10, 18, 16}); // (8 - 3) / 2 = 2, (6 - 3) / 2 = 1
  Picture.Draw(Canvas);
  EXPECT_EQ(At(11, 11), Background);
  EXPECT_EQ(At(12, 11), Nine[0][0]);
  EXPECT_EQ(At(14, 13), Nine[2][2]);
  EXPECT_EQ(At(15, 13), Background);
}

TEST_F(SkinDrawTest, WithoutAFillColourOnlyTheSimpleKindStillDrawsItsBitmap) {
  Blocks(1, Nine);
  TSeBitmapObject Full(nullptr);
  TSeBitmapSkinObject Simple(nullptr);
  for (TSeSkinObject* Object :
       {static_cast<TSeSkinObject*>(&Full), static_cast<TSeSkinObject*>(&Simple)}) {
    Object->Color = clNone;
    Object->SetBounds({0, 0, 3, 3});
  }
  Full.Bitmap->Name = Simple.Bitmap->Name = "blocks";
  Full.Bitmap->Rect = Simple.Bitmap->Rect = {0, 0, 3, 3};
  Bind(Full);
  Bind(Simple);
  Full.Draw(Canvas);
  EXPECT_EQ(At(1, 1), Background);
  Simple.Draw(Canvas);
  EXPECT_EQ(At(1, 1), Nine[1][1]);
}

TEST_F(SkinDrawTest, KeyColouredPixelsAreHolesWhereTheReferenceIsMasked) {
  TseBitmap* Picture = Blocks(2, Nine);
  *Picture->PixelPtr(0, 0) = KeyColor;
  TSeBitmapObject Object(nullptr);
  Object.Bitmap->Name = "blocks";
  Object.Bitmap->Rect = {0, 0, 6, 6};
  Bind(Object);
  EXPECT_TRUE(Object.Bitmap->Masked);
  Object.SetBounds({0, 0, 6, 6});
  Object.Draw(Canvas);
  EXPECT_EQ(At(0, 0), Background);
  EXPECT_EQ(At(1, 0), Nine[0][0]);
  EXPECT_FALSE(Picture->Transparent); // the flag was set for the call only

  // The shape: the hole is not part of the region; a client object is a plain rectangle.
  Object.SetBounds({10, 10, 16, 16});
  TRegionHandle Shape = Object.CreateRegion();
  ASSERT_NE(Shape.get(), nullptr);
  EXPECT_FALSE(PtInRegion(Shape.get(), 10, 10));
  EXPECT_TRUE(PtInRegion(Shape.get(), 11, 10));
  EXPECT_TRUE(PtInRegion(Shape.get(), 15, 15));
  EXPECT_FALSE(PtInRegion(Shape.get(), 16, 15));
  EXPECT_EQ(Object.BoundsRect(), (TRect{10, 10, 16, 16}));
  Object.Kind = skClient;
  Shape = Object.CreateRegion();
  EXPECT_TRUE(PtInRegion(Shape.get(), 10, 10));
}

TEST_F(SkinDrawTest, StatesChooseTheirPictureAndFallBackToTheUsualOne) {
  constexpr uint32_t Solid[3][3] = {{0xFF0000, 0xFF0000, 0xFF0000},
                                    {0x00FF00, 0x00FF00, 0x00FF00},
                                    {0x0000FF, 0x0000FF, 0x0000FF}};
  Blocks(1, Solid); // rows: red, green, blue
  TSeButtonObject Button(nullptr);
  Button.Bitmap->Name = "blocks";
  Button.Bitmap->Rect = {0, 0, 3, 1};
  Button.BitmapPressed->Name = "blocks";
  Button.BitmapPressed->Rect = {0, 1, 3, 2};
  Button.BitmapHot->Name = "missing";
  Button.BitmapHot->Rect = {0, 2, 3, 3};
  Bind(Button);
  Button.SetBounds({0, 0, 3, 1});
  Button.SetState(osPressed);
  Button.Draw(Canvas);
  EXPECT_EQ(At(1, 0), 0x00FF00u);
  Button.SetState(osHot); // no usable hot picture
  Button.Draw(Canvas);
  EXPECT_EQ(At(1, 0), 0xFF0000u);
  EXPECT_EQ(Button.Bitmap->Rect, (TRect{0, 0, 3, 1})); // swapped back

  TSeActiveObject Lit(nullptr);
  Lit.Color = 0x0000FF;
  Lit.ActiveColor = 0xFF0000;
  Lit.SetBounds({5, 0, 8, 3});
  Lit.SetState(osHot);
  Lit.Draw(Canvas);
  EXPECT_EQ(At(6, 1), 0x0000FFu);
  EXPECT_EQ(Lit.Color, 0x0000FF);
  Lit.SetState(osNormal);
  Lit.Draw(Canvas);
  EXPECT_EQ(At(6, 1), 0xFF0000u);
  Lit.SetActive(true);
  Lit.Draw(Canvas);
  EXPECT_EQ(At(6, 1), 0x0000FFu);

  TSeColorButtonObject Colours(nullptr);
  Colours.Color = 0x00FF00;
  Colours.PressedColor = 0xFF0000;
  Colours.PressedFont.SetHeight(-20);
  Colours.SetBounds({10, 0, 13, 3});
  Colours.SetState(osPressed);
  Colours.Draw(Canvas);
  EXPECT_EQ(At(11, 1), 0x0000FFu);
  EXPECT_EQ(Colours.Color, 0x00FF00);
  EXPECT_EQ(Colours.Font.Height(), -11);
}

TEST_F(SkinDrawTest, CaptionButtonsShowTheirStateWhileActiveAndTheInactivePictureOtherwise) {
  constexpr uint32_t Rows[3][3] = {{0xFF0000, 0xFF0000, 0xFF0000},
                                   {0x00FF00, 0x00FF00, 0x00FF00},
                                   {0x0000FF, 0x0000FF, 0x0000FF}};
  Blocks(1, Rows);
  TSeSystemButton Button(nullptr);
  Button.Action = sbaClose;
  for (auto [Link, Row] : {std::pair{Button.Bitmap.get(), 0},
                           {Button.ActiveBitmap.get(), 1},
                           {Button.BitmapHot.get(), 2}}) {
    Link->Name = "blocks";
    Link->Rect = {0, Row, 3, Row + 1};
  }
  Bind(Button);
  Button.SetBounds({0, 0, 3, 1});
  Button.Draw(Canvas);
  EXPECT_EQ(At(1, 0), 0xFF0000u); // inactive window
  Button.SetActive(true);
  Button.Draw(Canvas);
  EXPECT_EQ(At(1, 0), 0x00FF00u);
  Button.ButtonState = bsHot;
  Button.Draw(Canvas);
  EXPECT_EQ(At(1, 0), 0x0000FFu);
  EXPECT_TRUE(Button.Active());   // restored after the call
  Button.ButtonState = bsPressed; // no pressed picture: the usual one, drawn as inactive
  Button.Draw(Canvas);
  EXPECT_EQ(At(1, 0), 0xFF0000u);

  TSeFormBitmapSkinObject Frame(nullptr);
  Frame.Bitmap->Name = "blocks";
  Frame.Bitmap->Rect = {0, 0, 3, 1};
  Frame.InactiveBitmap->Name = "nothing";
  Bind(Frame);
  Frame.SetBounds({5, 0, 8, 1});
  Frame.Draw(Canvas); // inactive, but without a usable inactive picture
  EXPECT_EQ(At(6, 0), 0xFF0000u);
}

TEST_F(SkinDrawTest, APlaceholderDrawsOnlyInItsDesignState) {
  TSeLinkSkinObject Link(nullptr);
  Link.LinkControl = "lvList";
  Link.SetBounds({0, 0, 30, 20});
  Link.Draw(Canvas);
  EXPECT_EQ(At(10, 2), Background);
  Link.SetState(1);
  Link.Draw(Canvas);
  EXPECT_EQ(At(0, 0), 0x000000u); // the frame
  EXPECT_EQ(At(2, 2), 0xFFFFFFu);
}

TEST_F(SkinDrawTest, ShadowedTextIsDrawnTwiceOneStepApart) {
  TSeSkinObject Label(nullptr);
  Label.Color = clNone;
  Label.Text = L"I";
  Label.Font.SetName("Tahoma");
  Label.Font.SetHeight(-20);
  Label.Font.SetColor(0xFFFFFF);
  Label.TextAlign = taTopLeft;
  Label.SetBounds({0, 0, 40, 30});
  Label.Draw(Canvas);
  int White = 0, Black = 0;
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X)
      White += At(X, Y) == 0xFFFFFF;
  ASSERT_GT(White, 0);
  Surface.Clear(0xFF000000 | Background);
  Label.TextEffect = teShadow;
  Label.Draw(Canvas);
  int WhiteAgain = 0;
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X) {
      WhiteAgain += At(X, Y) == 0xFFFFFF;
      Black += At(X, Y) == 0;
    }
  EXPECT_EQ(WhiteAgain, White);
  EXPECT_GT(Black, 0);
  // Every black pixel lies one step down and right of where the text is.
  for (int Y = 1; Y < 30; ++Y)
    for (int X = 1; X < 40; ++X)
      if (At(X, Y) == 0) {
        EXPECT_TRUE(At(X - 1, Y - 1) == 0xFFFFFF || At(X - 1, Y - 1) == 0) << X << "," << Y;
      }
}

} // namespace
