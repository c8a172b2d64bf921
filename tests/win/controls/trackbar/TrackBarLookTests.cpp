// The plain track bar's look: the classic drawing of the track, its highlight and the thumb's
// lit and shaded edges, and, where the platform's theme is on, the theme's track and thumb
// parts in the thumb's states.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "controls/trackbar/SeCustomTrackBar.h"
#include "gfx/Pixels.h"
#include "gfx/VisualStyles.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

namespace {

// A bar that takes the classic look on request, also where the platform's theme is on.
class TProbeTrackBar : public TSeCustomTrackBar {
public:
  using TSeCustomTrackBar::TSeCustomTrackBar;
  bool Classic = false;

protected:
  bool Themed() const override { return !Classic && TSeCustomTrackBar::Themed(); }
};

uint32_t ShotColor(TColor Color) { return ColorToPixel(Color, 0); }

constexpr TColor Background = 0x00336699;

class TrackBarLookTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 300, 200);
    Bar = MakeComponent<TProbeTrackBar>(Form);
    Bar->SetParent(Form);
    Bar->SetBounds(20, 20, 150, 45); // 0..10 at 3: the thumb's centre at 50
    Bar->SetColor(Background);
    PointAt({5, 5});
    Form->Show();
    PumpFor(30);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }
  void Render(TDibShot& Shot) {
    SendMessageW(Bar->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()), PRF_CLIENT);
  }
  void Send(UINT Msg, WPARAM Keys, TPoint At) {
    SendMessageW(Bar->Handle(), Msg, Keys, MAKELPARAM(At.X, At.Y));
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TProbeTrackBar* Bar = nullptr;
  TDibShot Picture{150, 45};
};

TEST_F(TrackBarLookTest, ClassicTrackAndHighlight) {
  Bar->Classic = true;
  Bar->SetIntervalHighlightType(htLowInterval);
  Render(Picture);
  // The track (9, 9) - (141, 23): sunken twice, the face in button-highlight, the low
  // interval in the selection colour up to the thumb's centre.
  EXPECT_EQ(Picture.Pixel(60, 9), ShotColor(clBtnShadow));
  EXPECT_EQ(Picture.Pixel(60, 22), ShotColor(clBtnHighlight));
  EXPECT_EQ(Picture.Pixel(60, 10), ShotColor(cl3DDkShadow));
  EXPECT_EQ(Picture.Pixel(60, 21), ShotColor(cl3DLight));
  EXPECT_EQ(Picture.Pixel(9, 15), ShotColor(clBtnShadow));
  EXPECT_EQ(Picture.Pixel(140, 15), ShotColor(clBtnHighlight));
  EXPECT_EQ(Picture.Pixel(100, 15), ShotColor(clBtnHighlight));
  EXPECT_EQ(Picture.Pixel(20, 15), ShotColor(SystemColor(COLOR_HIGHLIGHT)));
  EXPECT_EQ(Picture.Pixel(8, 15), ShotColor(Background));
  EXPECT_EQ(Picture.Pixel(60, 8), ShotColor(Background));
  EXPECT_EQ(Picture.Pixel(60, 23), ShotColor(Background));

  // Disabled: the face in button-face and no highlight.
  Bar->SetEnabled(false);
  Render(Picture);
  EXPECT_EQ(Picture.Pixel(100, 15), ShotColor(clBtnFace));
  EXPECT_EQ(Picture.Pixel(20, 15), ShotColor(clBtnFace));
}

TEST_F(TrackBarLookTest, ClassicThumbIsLitAboveAndLeftAndShadedBelowAndRight) {
  Bar->Classic = true;
  Render(Picture);
  const uint32_t Light = ShotColor(clBtnHighlight), Dark = ShotColor(cl3DDkShadow),
                 Face = ShotColor(clBtnFace);
  // Pointing down: (46, 7) (54, 7) (54, 22) (50, 26) (46, 22).
  EXPECT_EQ(Picture.Pixel(50, 7), Light);  // top
  EXPECT_EQ(Picture.Pixel(46, 15), Light); // left
  EXPECT_EQ(Picture.Pixel(48, 24), Light); // lower left slope
  EXPECT_EQ(Picture.Pixel(54, 15), Dark);  // right
  EXPECT_EQ(Picture.Pixel(52, 24), Dark);  // lower right slope
  EXPECT_EQ(Picture.Pixel(50, 15), Face);
  EXPECT_EQ(Picture.Pixel(50, 24), Face);
  EXPECT_EQ(Picture.Pixel(47, 24), ShotColor(Background));     // beside the point
  EXPECT_EQ(Picture.Pixel(55, 15), ShotColor(clBtnHighlight)); // the track beside it
  EXPECT_EQ(Picture.Pixel(50, 6), ShotColor(Background));

  // Held, the face is checked with the highlight.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, {50, 15});
  ASSERT_TRUE(Bar->Dragging());
  Render(Picture);
  EXPECT_NE(Picture.Pixel(50, 15), Picture.Pixel(51, 15));
  EXPECT_EQ(Picture.Pixel(50, 15), Picture.Pixel(51, 16));
  for (const int X : {50, 51})
    EXPECT_TRUE(Picture.Pixel(X, 15) == Face || Picture.Pixel(X, 15) == Light) << X;
  Send(WM_LBUTTONUP, 0, {50, 15});
  EXPECT_FALSE(Bar->Dragging());

  // Hidden, the track shows where it was.
  Bar->SetThumbVisible(false);
  Render(Picture);
  EXPECT_EQ(Picture.Pixel(50, 15), ShotColor(clBtnHighlight));
  EXPECT_EQ(Picture.Pixel(50, 7), ShotColor(Background));
}

TEST_F(TrackBarLookTest, ThemedThumbTakesItsPartAndState) {
  if (!VisualStylesActive())
    GTEST_SKIP() << "visual styles are off";
  // The thumb's part drawn over the bar without its thumb is the bar with it.
  const auto Expect = [&](int Part, int State, const std::string& What) {
    TDibShot With(Bar->Width(), Bar->Height()), Reference(Bar->Width(), Bar->Height());
    Render(With);
    Bar->SetThumbVisible(false);
    Render(Reference);
    Bar->SetThumbVisible(true);
    const TTrackBarLayout Layout = Bar->Layout();
    TRect Thumb = Layout.ThumbBounds(Layout.PositionToPixel(Bar->Position()));
    const RECT Grown{Thumb.Left - 1, Thumb.Top - 1, Thumb.Right + 1, Thumb.Bottom + 1};
    ASSERT_TRUE(DrawThemePart(Bar->Handle(), Reference.DC(), L"TrackBar", Part, State, Grown));
    int Wrong = 0;
    for (int Y = Grown.top; Y < Grown.bottom; ++Y)
      for (int X = Grown.left; X < Grown.right; ++X)
        Wrong += With.Pixel(X, Y) != Reference.Pixel(X, Y);
    EXPECT_EQ(Wrong, 0) << What;
  };
  Expect(4, 1, "pointing down");
  Send(WM_MOUSEMOVE, 0, {50, 15});
  ASSERT_TRUE(Bar->ThumbHot());
  Expect(4, 2, "hot");
  Send(WM_LBUTTONDOWN, MK_LBUTTON, {50, 15});
  Expect(4, 3, "held");
  Send(WM_LBUTTONUP, 0, {50, 15});
  Send(WM_MOUSEMOVE, 0, {120, 40});
  ASSERT_FALSE(Bar->ThumbHot());
  Bar->SetTickMarks(tmTopLeft);
  Expect(5, 1, "pointing up");
  Bar->SetTickMarks(tmBoth);
  Expect(3, 1, "both sides");
  Bar->SetEnabled(false);
  Expect(3, 5, "disabled");
  Bar->SetEnabled(true);
  Bar->SetOrientation(toVertical);
  Bar->SetBounds(20, 20, 45, 150);
  Bar->SetTickMarks(tmBottomRight);
  Expect(8, 1, "vertical, pointing right");
}

} // namespace
