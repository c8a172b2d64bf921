// The track bar on a real form with the real pointer and keyboard, set up as the main window's
// transparency bar (0..255, a tick every 10 on both sides, half-width 5): snapping while
// dragged, both ends reachable, one page per click beside the thumb, the keys, the setters'
// rules, the ticks it paints, and the skin's metrics.

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "SkinViews.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "skin/SkinEngine.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"
#include "toolkit/Published.h"

namespace {

class TrackBarTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 420, 200);
    Bar = MakeComponent<TSeSkinTrackBar>(Form);
    Bar->SetParent(Form);
    Bar->SetBounds(20, 20, 329, 45);
    Bar->SetMax(255);
    Bar->SetFrequency(10);
    Bar->SetLineSize(10);
    Bar->SetPageSize(2);
    Bar->SetThumbHalfWidth(5);
    Bar->SetTickMarks(tmBoth);
    Bar->OnChange = [this](TObject*) { Changes.push_back(Bar->Position()); };
    PointAt({5, 5}); // off the form
    Form->Show();
    PumpFor(30);
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 1000);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  TPoint ThumbCentre() const {
    const TRect Thumb = Bar->Layout().ThumbBounds(Bar->PositionToPixel(Bar->Position()));
    return {(Thumb.Left + Thumb.Right) / 2, (Thumb.Top + Thumb.Bottom) / 2};
  }
  bool PointTo(TPoint Point) { return PointAt(Bar->ClientToScreen({Point.X, Point.Y})); }
  static void Button(bool Down) { LeftButton(Down); }
  static void Press(WORD Key) { TapKey(Key); }
  // Presses Key and waits until the bar has reported Count changes in all.
  bool PressFor(WORD Key, size_t Count) {
    Press(Key);
    return PumpUntil([&] { return Changes.size() >= Count; }, 1000);
  }
  // The bar as it paints itself.
  void Render() {
    SendMessageW(Bar->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Picture.DC()), PRF_CLIENT);
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeSkinTrackBar* Bar = nullptr;
  std::vector<int> Changes;
  TDibShot Picture{329, 45};
};

TEST_F(TrackBarTest, SettersKeepTheRangeAndReportEveryNewValue) {
  EXPECT_EQ(Bar->Position(), 3);
  Bar->SetMin(300); // not below Max: ignored
  EXPECT_EQ(Bar->Min(), 0);
  Bar->SetMax(0); // not above Min: ignored
  EXPECT_EQ(Bar->Max(), 255);
  Bar->SetPosition(400); // clamped, reported
  EXPECT_EQ(Bar->Position(), 255);
  Bar->SetPosition(255); // unchanged: nothing
  Bar->SetPosition(300); // clamped back to the same value: still reported
  EXPECT_EQ(Changes, (std::vector<int>{255, 255}));
  Bar->SetMax(100); // the position follows down, without OnChange
  EXPECT_EQ(Bar->Position(), 100);
  Bar->SetPosition(10);
  Bar->SetMin(50);
  EXPECT_EQ(Bar->Position(), 50);
  EXPECT_EQ(Changes.size(), 3u);
  EXPECT_EQ(SendMessageW(Bar->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(TrackBarTest, DraggingSnapsToTheFrequencyAndReachesBothEnds) {
  Bar->SetPosition(128);
  Changes.clear();
  ASSERT_TRUE(PointTo(ThumbCentre()));
  ASSERT_TRUE(PumpUntil([&] { return Bar->ThumbHot(); }, 1000));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Dragging(); }, 1000));
  EXPECT_TRUE(Bar->Focused());
  const int Y = ThumbCentre().Y;
  ASSERT_TRUE(PointTo({114, Y})); // 85: half a step goes down
  EXPECT_TRUE(PumpUntil([&] { return Bar->Position() == 80; }, 1000)) << Bar->Position();
  ASSERT_TRUE(PointTo({Bar->Width() + 40, Y + 30})); // beyond the end and off the bar
  EXPECT_TRUE(PumpUntil([&] { return Bar->Position() == 255; }, 1000)) << Bar->Position();
  ASSERT_TRUE(PointTo({-40, Y}));
  EXPECT_TRUE(PumpUntil([&] { return Bar->Position() == 0; }, 1000)) << Bar->Position();
  ASSERT_TRUE(PointTo({44, Y})); // 25.5 rounds to 26, snaps to 30
  EXPECT_TRUE(PumpUntil([&] { return Bar->Position() == 30; }, 1000)) << Bar->Position();
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return !Bar->Dragging(); }, 1000));
  for (const int Value : Changes)
    EXPECT_TRUE(Value % 10 == 0 || Value == 255) << Value;
  // Let go, the pointer moves the thumb no more.
  ASSERT_TRUE(PointTo({200, Y}));
  PumpFor(50);
  EXPECT_EQ(Bar->Position(), 30);
}

TEST_F(TrackBarTest, OneClickBesideTheThumbIsOnePage) {
  Bar->SetPosition(128);
  Changes.clear();
  const int Y = ThumbCentre().Y;
  ASSERT_TRUE(PointTo({40, Y}));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return !Changes.empty(); }, 1000));
  PumpFor(300); // held: no repeat
  Button(false);
  PumpFor(50);
  EXPECT_EQ(Changes, (std::vector<int>{126}));
  EXPECT_FALSE(Bar->Dragging());
  ASSERT_TRUE(PointTo({300, Y}));
  Button(true);
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return Changes.size() == 2; }, 1000));
  PumpFor(50);
  EXPECT_EQ(Changes, (std::vector<int>{126, 128}));
  // On the thumb a click only grabs it.
  ASSERT_TRUE(PointTo(ThumbCentre()));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Dragging(); }, 1000));
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return !Bar->Dragging(); }, 1000));
  EXPECT_EQ(Changes.size(), 2u);
}

TEST_F(TrackBarTest, KeysStepAndRightAtMaxStillReports) {
  Bar->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Bar->Focused(); }, 1000));
  ASSERT_TRUE(PressFor(VK_RIGHT, 1));
  ASSERT_TRUE(PressFor(VK_NEXT, 2));
  ASSERT_TRUE(PressFor(VK_LEFT, 3));
  ASSERT_TRUE(PressFor(VK_PRIOR, 4));
  ASSERT_TRUE(PressFor(VK_END, 5));
  ASSERT_TRUE(PressFor(VK_RIGHT, 6)); // at Max: stays, yet OnChange fires
  ASSERT_TRUE(PressFor(VK_DOWN, 7));
  ASSERT_TRUE(PressFor(VK_HOME, 8));
  ASSERT_TRUE(PressFor(VK_UP, 9));
  EXPECT_EQ(Changes, (std::vector<int>{13, 15, 5, 3, 255, 255, 255, 0, 0}));
}

TEST_F(TrackBarTest, TicksAtEveryTenAndAt255WithLongerEnds) {
  Bar->SetTransparent(false);
  Bar->SetPosition(128);
  Render();
  const uint32_t Black = 0;
  std::vector<int> Expected;
  for (int V = 0; V <= 250; V += 10)
    Expected.push_back(Bar->PositionToPixel(V));
  Expected.push_back(Bar->PositionToPixel(255));
  // Row 9 is inside every top tick, row 38 inside every bottom one; only ticks are black there.
  for (const int Row : {9, 38}) {
    std::vector<int> Columns;
    for (int X = 1; X + 1 < Bar->Width(); ++X) // inside a focus rectangle's dots
      if (Picture.Pixel(X, Row) == Black)
        Columns.push_back(X);
    EXPECT_EQ(Columns, Expected) << Row;
  }
  for (const int X : Expected) {
    const bool End = X == Expected.front() || X == Expected.back();
    EXPECT_EQ(Picture.Pixel(X, 7) == Black, End) << X; // the top end ticks reach S
    EXPECT_EQ(Picture.Pixel(X, 8), Black) << X;
    EXPECT_EQ(Picture.Pixel(X, 10), Black) << X;
    EXPECT_NE(Picture.Pixel(X, 6), Black) << X;
    EXPECT_EQ(Picture.Pixel(X, 37), Black) << X;
    EXPECT_EQ(Picture.Pixel(X, 39), Black) << X;
    EXPECT_EQ(Picture.Pixel(X, 40) == Black, End) << X; // the bottom ones one further
    EXPECT_NE(Picture.Pixel(X, 41), Black) << X;
  }
}

TEST_F(TrackBarTest, PublishedInStreamOrder) {
  std::vector<std::string> Names;
  for (const TPropInfo* Info : Bar->Published()->Properties())
    Names.push_back(Info->Name);
  const std::vector<std::string> Own{
      "Min",      "Max",       "Position",     "Orientation", "ThumbHalfWidth",        "LineSize",
      "PageSize", "Frequency", "ThumbVisible", "ShowTicks",   "IntervalHighlightType", "TickMarks",
      "TabStop",  "OnChange", "SkinEngine", "SkinObject", "Version"};
  ASSERT_GE(Names.size(), Own.size());
  EXPECT_EQ(std::vector<std::string>(Names.end() - static_cast<long>(Own.size()), Names.end()),
            Own);
  const TPropInfo* Marks = Bar->Published()->Find("TickMarks");
  ASSERT_NE(Marks, nullptr);
  Marks->SetOrd(*Bar, 2);
  EXPECT_EQ(Bar->TickMarks(), tmTopLeft);
  EXPECT_STREQ(Marks->Names[0], "tmBoth");
}

TEST_F(TrackBarTest, DarkSkinGivesTheMetrics) {
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  LoadSkin(MIREVAN_DARK_SKIN, *Engine->Source());
  Bar->SetSkinEngine(Engine);
  // ThumbHorz is 11 x 20; FrameHorz's margins are 9 and 7.
  EXPECT_EQ(Bar->ThumbWidth(), 11);
  EXPECT_EQ(Bar->ThumbLength(), 20);
  EXPECT_EQ(Bar->EndMargin(), 9);
  EXPECT_EQ(Bar->SideOffset(), 7);
  Bar->SetOrientation(toVertical);
  EXPECT_EQ(Bar->ThumbWidth(), 11);
  EXPECT_EQ(Bar->EndMargin(), 9);
  Bar->SetSkinEngine(nullptr); // plain again
  Bar->SetOrientation(toHorizontal);
  EXPECT_EQ(Bar->ThumbLength(), 24);
}

} // namespace
