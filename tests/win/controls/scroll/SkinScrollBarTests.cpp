// The skinned scroll bar with skins made here: each part's object in each state, the sizes
// the skin gives, the skin's shared frame and slider, and the plain bar where the skin has no
// scroll bar.

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "SkinSamples.h"
#include "controls/scroll/SeSkinScrollBar.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObjects.h"
#include "tests/win/controls/scroll/ScrollBarFixture.h"
#include "tests/win/support/BlockSkin.h"

namespace {

// The test skin's pictures: one solid 4 x 4 block each, side by side in the bitmap "bar".
enum TPicture : int {
  HorzFrame,
  VertFrame,
  SharedFrame,
  LeftNormal,
  RightNormal,
  TopNormal,
  BottomNormal,
  ButtonHot,
  ButtonPressed,
  ButtonDisabled,
  HorzSlider,
  VertSlider,
  SharedSlider,
  SliderHot,
  SliderPressed,
  SliderDisabled,
  PictureCount
};

// 0x00RRGGBB, all different.
constexpr uint32_t PictureColor(TPicture Picture) {
  return 0x103050u + static_cast<uint32_t>(Picture) * 0x0B0D07u;
}

void Show(TseBitmapLink& Link, TPicture Picture) {
  Link.Name = "bar";
  Link.Rect = {Picture * 4, 0, Picture * 4 + 4, 4};
}

template <class T> T* Add(TSeSkinObject& Parent, const std::string& Name, int Width, int Height) {
  auto Child = std::make_unique<T>(&Parent);
  Child->SetName(Name);
  Child->SetBounds({0, 0, Width, Height});
  T* Result = Child.get();
  Parent.InsertComponent(std::move(Child));
  return Result;
}

void AddFrame(TSeSkinObject& Parent, const std::string& Name, int Width, int Height,
              TPicture Picture) {
  Show(*Add<TSeBitmapObject>(Parent, Name, Width, Height)->Bitmap, Picture);
}

// A part with a picture for each state: normal, hot, pressed and disabled.
void AddButton(TSeSkinObject& Parent, const std::string& Name, int Width, int Height,
               TPicture Normal, TPicture Hot, TPicture Pressed, TPicture Disabled) {
  auto* Button = Add<TSeButtonObject>(Parent, Name, Width, Height);
  Show(*Button->Bitmap, Normal);
  Show(*Button->BitmapHot, Hot);
  Show(*Button->BitmapPressed, Pressed);
  Show(*Button->BitmapDisabled, Disabled);
}

std::unique_ptr<TSeSkinObject> ScrollBarObject() {
  auto Object = std::make_unique<TSeSkinObject>(nullptr);
  Object->SetName("ScrollBar");
  Object->Color = clNone;
  return Object;
}

// Every part for both kinds: frames 15 high and 17 wide, buttons 12 long across and 13 down.
std::unique_ptr<TSeSkinObject> FullSkin() {
  auto Bar = ScrollBarObject();
  AddFrame(*Bar, "HorzFrame", 60, 15, HorzFrame);
  AddFrame(*Bar, "VertFrame", 17, 60, VertFrame);
  AddButton(*Bar, "LeftButton", 12, 15, LeftNormal, ButtonHot, ButtonPressed, ButtonDisabled);
  AddButton(*Bar, "RightButton", 12, 15, RightNormal, ButtonHot, ButtonPressed, ButtonDisabled);
  AddButton(*Bar, "TopButton", 17, 13, TopNormal, ButtonHot, ButtonPressed, ButtonDisabled);
  AddButton(*Bar, "BottomButton", 17, 13, BottomNormal, ButtonHot, ButtonPressed, ButtonDisabled);
  AddButton(*Bar, "HorzSlider", 10, 15, HorzSlider, SliderHot, SliderPressed, SliderDisabled);
  AddButton(*Bar, "VertSlider", 17, 10, VertSlider, SliderHot, SliderPressed, SliderDisabled);
  return Bar;
}

// One frame (19 x 19) and one slider for both kinds, and no buttons.
std::unique_ptr<TSeSkinObject> FrameAndSliderSkin() {
  auto Bar = ScrollBarObject();
  AddFrame(*Bar, "Frame", 19, 19, SharedFrame);
  AddButton(*Bar, "Slider", 10, 10, SharedSlider, SliderHot, SliderPressed, SliderDisabled);
  return Bar;
}

void Install(TSeSkinEngine& Engine, std::unique_ptr<TSeSkinObject> ScrollBar) {
  InstallBlockSkin(Engine, std::move(ScrollBar), "bar", PictureCount,
                   [](int Block) { return PictureColor(static_cast<TPicture>(Block)); });
}

class SkinScrollBarTest : public ScrollBarFixture<TSeSkinScrollBar> {
protected:
  void SetUp() override {
    ScrollBarFixture::SetUp();
    Engine = MakeComponent<TSeSkinEngine>(Form);
  }
  // The colour in the middle of a part.
  uint32_t Shows(const TRect& Part) const { return At(Centre(Part).X, Centre(Part).Y); }

  TSeSkinEngine* Engine = nullptr;
};

TEST_F(SkinScrollBarTest, AHorizontalBarDrawsItsPartsFromTheSkinInTheirStates) {
  EXPECT_EQ(Bar->BorderWidth(), 0);
  Install(*Engine, FullSkin());
  Bar->SetSkinEngine(Engine);
  EXPECT_EQ(Bar->Height(), 15); // HorzFrame's height
  EXPECT_EQ(Bar->ButtonSize(), 12);
  Bar->SetWidth(124); // a track of 100
  Bar->SetPageSize(10);
  Bar->SetPosition(30);
  Render();
  EXPECT_EQ(Shows(Bar->Button1Rect()), PictureColor(LeftNormal));
  EXPECT_EQ(Shows(Bar->Button2Rect()), PictureColor(RightNormal));
  EXPECT_EQ(Shows(Bar->ThumbRect()), PictureColor(HorzSlider));
  EXPECT_EQ(Shows(Bar->TrackBeforeRect()), PictureColor(HorzFrame));
  EXPECT_EQ(At(0, 0), PictureColor(LeftNormal)); // no border
  EXPECT_EQ(At(Bar->TrackRect().Left, 0), PictureColor(HorzFrame));

  Move(Centre(Bar->Button1Rect()));
  Render();
  EXPECT_EQ(Shows(Bar->Button1Rect()), PictureColor(ButtonHot)); // 5
  EXPECT_EQ(Shows(Bar->Button2Rect()), PictureColor(RightNormal));
  Down(Centre(Bar->Button1Rect()));
  Render();
  EXPECT_EQ(Shows(Bar->Button1Rect()), PictureColor(ButtonPressed)); // 6
  Up(Centre(Bar->Button1Rect()));

  Move(Centre(Bar->ThumbRect()));
  Render();
  EXPECT_EQ(Shows(Bar->ThumbRect()), PictureColor(SliderHot));
  EXPECT_EQ(Shows(Bar->Button1Rect()), PictureColor(LeftNormal));
  // Dragged, the slider stays pressed wherever the pointer goes across the bar.
  const TPoint Grab = Centre(Bar->ThumbRect());
  Down(Grab);
  Move({Grab.X, Bar->Height() + 30}, true);
  Render();
  EXPECT_FALSE(Bar->Hot().Thumb);
  EXPECT_EQ(Shows(Bar->ThumbRect()), PictureColor(SliderPressed));
  Up({Grab.X, Bar->Height() + 30});

  // A pressed page under the pointer is button shadow.
  const TPoint Page{Bar->TrackRect().Right - 3, 7};
  Down(Page);
  Render();
  EXPECT_EQ(At(Page.X, Page.Y), ShotColor(clBtnShadow));
  EXPECT_EQ(At(Bar->TrackAfterRect().Left, 7), ShotColor(clBtnShadow));
  EXPECT_EQ(Shows(Bar->TrackBeforeRect()), PictureColor(HorzFrame));
  Up(Page);

  const TRect Thumb = Bar->ThumbRect();
  Bar->SetEnabled(false);
  Render();
  EXPECT_EQ(Shows(Bar->Button1Rect()), PictureColor(ButtonDisabled)); // 8
  EXPECT_EQ(Shows(Bar->Button2Rect()), PictureColor(ButtonDisabled));
  EXPECT_EQ(Shows(Thumb), PictureColor(HorzFrame)); // no slider on a disabled bar
}

TEST_F(SkinScrollBarTest, AVerticalBarTakesTheVerticalPartsAndTheFramesWidth) {
  Bar->SetKind(sbVertical);
  Bar->SetBounds(Bar->Left(), Bar->Top(), 30, 140);
  Install(*Engine, FullSkin());
  Bar->SetSkinEngine(Engine);
  EXPECT_EQ(Bar->Width(), 17); // VertFrame's width
  EXPECT_EQ(Bar->Height(), 140);
  EXPECT_EQ(Bar->ButtonSize(), 13); // TopButton's height
  EXPECT_EQ(Bar->Button2Rect(), Rect(0, 127, 17, 140));
  Render();
  EXPECT_EQ(Shows(Bar->Button1Rect()), PictureColor(TopNormal));
  EXPECT_EQ(Shows(Bar->Button2Rect()), PictureColor(BottomNormal));
  EXPECT_EQ(Shows(Bar->ThumbRect()), PictureColor(VertSlider));
  EXPECT_EQ(Shows(Bar->TrackAfterRect()), PictureColor(VertFrame));
  Move(Centre(Bar->Button2Rect()));
  Render();
  EXPECT_EQ(Shows(Bar->Button2Rect()), PictureColor(ButtonHot));
}

TEST_F(SkinScrollBarTest, ASharedFrameAndSliderServeBothKindsWithoutButtonsButWithTheirRoom) {
  Install(*Engine, FrameAndSliderSkin());
  auto* Column = MakeComponent<TSeSkinScrollBar>(Form);
  Column->SetKind(sbVertical);
  Column->SetBounds(200, 20, 30, 121);
  Column->SetParent(Form);
  for (TSeSkinScrollBar* Each : {Bar, Column}) {
    Each->SetSkinEngine(Engine);
    const bool Horizontal = Each->Kind() == sbHorizontal;
    EXPECT_EQ(Horizontal ? Each->Height() : Each->Width(), 19) << Horizontal;
    // The plain bar's buttons: the platform's thumb long, still kept free of the track.
    const int Plain = GetSystemMetrics(Horizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
    EXPECT_EQ(Each->ButtonSize(), Plain);
    const TRect Thumb = Each->ThumbRect();
    EXPECT_EQ(Horizontal ? Thumb.Left : Thumb.Top, Plain);
  }
  Render();
  const auto ColumnAt = [&](TPoint P) {
    return Picture.Pixel(Column->Left() + P.X, Column->Top() + P.Y);
  };
  for (TSeSkinScrollBar* Each : {Bar, Column}) {
    const auto Pixel = [&](const TRect& R) { return Each == Bar ? Shows(R) : ColumnAt(Centre(R)); };
    EXPECT_EQ(Pixel(Each->Button1Rect()), PictureColor(SharedFrame)); // no buttons drawn
    EXPECT_EQ(Pixel(Each->Button2Rect()), PictureColor(SharedFrame));
    EXPECT_EQ(Pixel(Each->ThumbRect()), PictureColor(SharedSlider));
    EXPECT_EQ(Pixel(Each->TrackAfterRect()), PictureColor(SharedFrame));
  }
}

TEST_F(SkinScrollBarTest, ASkinWithoutAScrollBarLeavesThePlainBar) {
  BuildSampleSkin(*Engine->Source(), 8);
  ASSERT_EQ(Engine->Source()->FindObject("ScrollBar"), nullptr);
  auto* Plain = MakeComponent<TSeCustomScrollBar>(Form);
  Plain->SetBorderWidth(0);
  Plain->SetBounds(20, 100, 121, Bar->Height());
  Plain->SetParent(Form);
  const int Height = Bar->Height();
  Bar->SetSkinEngine(Engine);
  EXPECT_EQ(Bar->Height(), Height);
  EXPECT_EQ(Bar->ButtonSize(), Plain->ButtonSize());
  for (TSeCustomScrollBar* Each : {static_cast<TSeCustomScrollBar*>(Bar), Plain}) {
    Each->SetPageSize(20);
    Each->SetPosition(40);
  }
  Render();
  int Different = 0;
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < 121; ++X)
      Different += At(X, Y) != Picture.Pixel(Plain->Left() + X, Plain->Top() + Y);
  EXPECT_EQ(Different, 0);
}

TEST_F(SkinScrollBarTest, WhileTheSkinChangesTheBarIsPlainAndAfterwardsSkinnedAgain) {
  Install(*Engine, FullSkin());
  Bar->SetSkinEngine(Engine);
  EXPECT_EQ(Bar->ButtonSize(), 12);
  Engine->BeforeChange();
  EXPECT_EQ(Bar->ButtonSize(), FitButtonSize(Bar->Width(), 0, PlatformThumb()));
  Engine->AfterChange();
  EXPECT_EQ(Bar->ButtonSize(), 12);
}

} // namespace
