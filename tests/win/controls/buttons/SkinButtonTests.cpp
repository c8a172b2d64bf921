// The skinned push button with a skin made here: its face in each state, the skin's caption
// font, a masked face making the button see-through, the plain caption without ShowCaption,
// and the plain look without a skin.

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "controls/buttons/SeSkinButton.h"
#include "gfx/Pixels.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObjects.h"
#include "tests/win/controls/buttons/ButtonFixture.h"
#include "tests/win/support/BlockSkin.h"

namespace {

// The face's pictures: one solid 4 x 4 block per state, side by side in the bitmap "face".
enum TPicture : int { Normal, Hot, Pressed, Focused, Disabled, PictureCount };
constexpr uint32_t PictureColor(int Picture) { return 0x205070u + Picture * 0x0C0A08u; }
constexpr TColor TextColor = 0x0000FF; // red, as a toolkit colour
constexpr TColor DisabledTextColor = 0x00FF00;

void Show(TseBitmapLink& Link, TPicture Picture) {
  Link.Name = "face";
  Link.Rect = {Picture * 4, 0, Picture * 4 + 4, 4};
}

std::unique_ptr<TSeSkinObject> ButtonSkin(bool MaskedCorners) {
  auto Object = std::make_unique<TSeSkinObject>(nullptr);
  Object->SetName("Button");
  Object->Color = clNone;
  auto Face = std::make_unique<TSeButtonObject>(Object.get());
  Face->SetName("Face");
  Face->SetBounds({0, 0, 75, 23});
  Face->TileStyle = tsStretch;
  Face->Masked = false;
  Face->MaskedBorder = false;
  Face->MaskedAngles = MaskedCorners;
  Show(*Face->Bitmap, Normal);
  Show(*Face->BitmapHot, Hot);
  Show(*Face->BitmapPressed, Pressed);
  Show(*Face->BitmapFocused, Focused);
  Show(*Face->BitmapDisabled, Disabled);
  Object->InsertComponent(std::move(Face));
  auto Text = std::make_unique<TSeTextObject>(Object.get());
  Text->SetName("Text");
  Text->Font.SetColor(TextColor);
  Text->FontHot.SetColor(TextColor);
  Text->FontPressed.SetColor(TextColor);
  Text->FontFocused.SetColor(TextColor);
  Text->FontDisabled.SetColor(DisabledTextColor);
  Object->InsertComponent(std::move(Text));
  return Object;
}

void Install(TSeSkinEngine& Engine, std::unique_ptr<TSeSkinObject> Button) {
  InstallBlockSkin(Engine, std::move(Button), "face", PictureCount, PictureColor);
}

class SkinButtonTest : public ButtonFixture<TSeSkinButton> {
protected:
  void SetUp() override {
    ButtonFixture::SetUp();
    Engine = MakeComponent<TSeSkinEngine>(Form);
  }
  // A face pixel away from the caption.
  uint32_t Face() {
    Render(*Button);
    return Picture.Pixel(3, 3);
  }
  // How many pixels of the button have the colour.
  int Count(uint32_t Color) {
    int N = 0;
    for (uint32_t P : PixelsOf(*Button))
      N += P == Color;
    return N;
  }
  TSeSkinEngine* Engine = nullptr;
};

uint32_t Rgb(TColor Color) { return ColorToPixel(Color, 0); }

TEST_F(SkinButtonTest, TheFaceFollowsTheButtonsState) {
  Install(*Engine, ButtonSkin(false));
  Button->SetSkinEngine(Engine);
  EXPECT_FALSE(Button->Transparent());
  EXPECT_EQ(Face(), PictureColor(Normal));
  EXPECT_GT(Count(Rgb(TextColor)), 10); // the caption in the skin's font colour

  ASSERT_TRUE(PointTo(*Button, 30, 10));
  ASSERT_TRUE(Pump([&] { return Button->MouseInControl(); }));
  EXPECT_EQ(Face(), PictureColor(Hot));
  MouseButton(true);
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsPressed; }));
  EXPECT_EQ(Face(), PictureColor(Pressed));
  MouseButton(false);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  ASSERT_TRUE(PointAt({5, 5}));
  ASSERT_TRUE(Pump([&] { return !Button->MouseInControl(); }));
  EXPECT_TRUE(Button->Focused());
  EXPECT_EQ(Face(), PictureColor(Focused));

  Button->SetEnabled(false);
  EXPECT_EQ(Face(), PictureColor(Disabled));
  EXPECT_EQ(Count(Rgb(TextColor)), 0);
  EXPECT_GT(Count(Rgb(DisabledTextColor)), 10); // no embossed look: the skin's colour only
}

TEST_F(SkinButtonTest, AMaskedFaceMakesTheButtonTransparent) {
  Install(*Engine, ButtonSkin(true));
  Button->SetSkinEngine(Engine);
  EXPECT_TRUE(Button->Transparent());
  Install(*Engine, ButtonSkin(false));
  Button->SetSkinEngine(Engine);
  EXPECT_FALSE(Button->Transparent());
}

TEST_F(SkinButtonTest, WithoutShowCaptionTheCaptionIsDrawnPlainly) {
  Install(*Engine, ButtonSkin(false));
  Button->SetSkinEngine(Engine);
  Button->SetShowCaption(false);
  Button->Invalidate();
  EXPECT_EQ(Face(), PictureColor(Normal));
  EXPECT_EQ(Count(Rgb(TextColor)), 0);
  EXPECT_GT(Count(Rgb(ColorToRGB(Button->Font().Color()))), 10);
}

TEST_F(SkinButtonTest, WithoutASkinObjectTheButtonIsPlain) {
  Install(*Engine, ButtonSkin(false));
  Button->SetSkinObject("NoSuchObject");
  Button->SetSkinEngine(Engine);
  EXPECT_NE(Face(), PictureColor(Normal));
  EXPECT_EQ(Count(Rgb(TextColor)), 0);
}

} // namespace
