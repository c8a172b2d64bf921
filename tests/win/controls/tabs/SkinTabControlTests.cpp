// The skinned tab control with skins made here and with the built-in skin: tabs drawn by the
// skin's tab object in their states (compared with the object drawn alone), margins and page
// from "Frame", the scroll buttons' states under the real pointer, the plain look without the
// object or the engine, a skin change moving the sheet, and the header strip of an unbuffered
// control redrawn at once.

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "SkinViews.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "controls/tabs/SeSkinPageControl.h"
#include "gfx/Bitmap.h"
#include "gfx/Pixels.h"
#include "gfx/Shapes.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObjects.h"
#include "tests/win/support/BlockSkin.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

namespace {

// One solid 4 x 4 block per picture, side by side in the bitmap "blocks".
enum TPicture : int {
  TabNormal,
  TabHot,
  TabFocused,
  ButtonNormal,
  ButtonHot,
  ButtonPressed,
  Count
};
constexpr uint32_t PictureColor(int Picture) { return 0x306090u + Picture * 0x101408u; }
constexpr uint32_t FrameColor = 0x00A0B0C0u; // as 0x00RRGGBB
constexpr TColor FrameToolkitColor = 0x00C0B0A0;
constexpr TColor TextColor = 0x0000FF; // red

void Show(TseBitmapLink& Link, TPicture Picture) {
  Link.Name = "blocks";
  Link.Rect = {Picture * 4, 0, Picture * 4 + 4, 4};
}

std::unique_ptr<TSeButtonObject> Block(TSeSkinObject* Owner, const char* Name, TPicture Normal,
                                       TPicture Hot, TPicture Other) {
  auto Object = std::make_unique<TSeButtonObject>(Owner);
  Object->SetName(Name);
  Object->SetBounds({0, 0, 20, 20});
  Object->TileStyle = tsStretch;
  Object->Masked = Object->MaskedBorder = Object->MaskedAngles = false;
  Show(*Object->Bitmap, Normal);
  Show(*Object->BitmapHot, Hot);
  Show(*Object->BitmapFocused, Other);
  Show(*Object->BitmapPressed, Other);
  Show(*Object->BitmapDisabled, Normal);
  return Object;
}

struct TFrameMargins {
  int Left, Top, Right, Bottom;
};

// "Tabs": a "Frame" filled with FrameColor with the margins given (none: no frame), a "Tab"
// in its states, a red "Text" and the two scroll buttons (their "other" picture is pressed).
std::unique_ptr<TSeSkinObject> TabsSkin(const TFrameMargins* Margins, const char* TabName = "Tab") {
  auto Tabs = std::make_unique<TSeSkinObject>(nullptr);
  Tabs->SetName("Tabs");
  Tabs->Color = clNone;
  if (Margins) {
    auto Frame = std::make_unique<TSeSkinObject>(Tabs.get());
    Frame->SetName("Frame");
    Frame->SetBounds({0, 0, 100, 100});
    Frame->Color = FrameToolkitColor;
    Frame->MarginLeft = Margins->Left;
    Frame->MarginTop = Margins->Top;
    Frame->MarginRight = Margins->Right;
    Frame->MarginBottom = Margins->Bottom;
    Tabs->InsertComponent(std::move(Frame));
  }
  Tabs->InsertComponent(Block(Tabs.get(), TabName, TabNormal, TabHot, TabFocused));
  auto Text = std::make_unique<TSeTextObject>(Tabs.get());
  Text->SetName("Text");
  for (TFont* Font : {&Text->Font, &Text->FontHot, &Text->FontFocused, &Text->FontPressed})
    Font->SetColor(TextColor);
  Tabs->InsertComponent(std::move(Text));
  Tabs->InsertComponent(Block(Tabs.get(), "LeftButton", ButtonNormal, ButtonHot, ButtonPressed));
  Tabs->InsertComponent(Block(Tabs.get(), "RightButton", ButtonNormal, ButtonHot, ButtonPressed));
  return Tabs;
}

void Install(TSeSkinEngine& Engine, std::unique_ptr<TSeSkinObject> Tabs) {
  InstallBlockSkin(Engine, std::move(Tabs), "blocks", Count, PictureColor);
}

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

template <class TControlClass> class SkinTabFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(100, 100, 460, 300);
    Engine = MakeComponent<TSeSkinEngine>(Form);
    Engine->SetName("Engine");
    Tabs = MakeComponent<TControlClass>(Form);
    Tabs->SetParent(Form);
    Tabs->SetBounds(10, 10, 400, 200);
    Tabs->SetPerformance(qzpDoubleBuffer);
    ShowInFront(*Form);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }
  void Render() {
    SendMessageW(Tabs->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()), PRF_CLIENT);
    GdiFlush();
  }
  uint32_t PixelAt(TPoint P) {
    Render();
    return Shot.Pixel(P.X, P.Y);
  }
  // How many pixels of R have the colour.
  int CountIn(const TRect& R, uint32_t Color) {
    Render();
    int N = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        N += Shot.Pixel(X, Y) == Color;
    return N;
  }
  bool PointTo(TPoint Point) { return PointAt(Tabs->ClientToScreen({Point.X, Point.Y})); }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeSkinEngine* Engine = nullptr;
  TControlClass* Tabs = nullptr;
  TDibShot Shot{400, 200};
};

using SkinTabControlTest = SkinTabFixture<TSeSkinTabControl>;
using SkinPageControlTest = SkinTabFixture<TSeSkinPageControl>;

const TFrameMargins Wide{5, 3, 7, 4};

TEST_F(SkinTabControlTest, TabsAreTheSkinsTabObjectInTheirStates) {
  Install(*Engine, TabsSkin(&Wide));
  Tabs->Tabs().Assign({"One", "Two", "Three"});
  Tabs->SetSkinEngine(Engine);
  ASSERT_EQ(Tabs->TabIndex(), 0);
  const TTabLayout L = Tabs->Layout();
  const TRect Active = L.TabRect(0), Other = L.TabRect(1);
  // The active tab is focused and whole; the others normal, their outer edge moved toward the
  // page by MarginLeft.
  EXPECT_EQ(PixelAt({Active.Left + 1, Active.Top}), PictureColor(TabFocused));
  EXPECT_EQ(PixelAt({Other.Left + 1, Other.Top + Wide.Left}), PictureColor(TabNormal));
  EXPECT_NE(PixelAt({Other.Left + 1, Other.Top + Wide.Left - 1}), PictureColor(TabNormal));
  // Captions in the font of "Text".
  EXPECT_GT(CountIn(Other, ColorToPixel(TextColor, 0)), 5);
  EXPECT_GT(CountIn(Active, ColorToPixel(TextColor, 0)), 5);

  // The real pointer over the second tab makes it hot.
  ASSERT_TRUE(PointTo(Centre(Other)));
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->HotTab() == 1; }, 2000));
  EXPECT_EQ(PixelAt({Other.Left + 1, Other.Top + Wide.Left}), PictureColor(TabHot));
  EXPECT_EQ(PixelAt({Active.Left + 1, Active.Top}), PictureColor(TabFocused));
}

TEST_F(SkinTabControlTest, ASideTabTakesItsSidesObjectBeforeTab) {
  auto Skin = TabsSkin(&Wide);
  Skin->InsertComponent(Block(Skin.get(), "TabLeft", ButtonHot, ButtonHot, ButtonPressed));
  Install(*Engine, std::move(Skin));
  Tabs->Tabs().Assign({"One", "Two"});
  Tabs->SetSkinEngine(Engine);
  const TRect Top = Tabs->Layout().TabRect(1);
  EXPECT_EQ(PixelAt({Top.Left + 1, Top.Top + Wide.Left}), PictureColor(TabNormal)); // no "TabTop"
  Tabs->SetTabPosition(tpLeft);
  const TRect Side = Tabs->Layout().TabRect(1);
  EXPECT_EQ(PixelAt({Side.Left + Wide.Left, Side.Top + 1}), PictureColor(ButtonHot));
  // Moved toward the page by MarginLeft: the control's own colour before it.
  EXPECT_EQ(PixelAt({Side.Left + Wide.Left - 1, Side.Top + 1}),
            ColorToPixel(ColorToRGB(Tabs->Color()), 0));
}

TEST_F(SkinTabControlTest, MarginsAndPageComeFromTheFrame) {
  Install(*Engine, TabsSkin(&Wide));
  Tabs->Tabs().Assign({"One", "Two"});
  EXPECT_EQ(Tabs->MarginLeft(), 2); // plain until attached
  Tabs->SetSkinEngine(Engine);
  EXPECT_EQ(Tabs->MarginLeft(), Wide.Left);
  EXPECT_EQ(Tabs->MarginTop(), Wide.Top);
  EXPECT_EQ(Tabs->MarginRight(), Wide.Right);
  EXPECT_EQ(Tabs->MarginBottom(), Wide.Bottom);
  const TTabLayout L = Tabs->Layout();
  const TRect Page = L.PageRect();
  EXPECT_EQ(L.TabRect(0).Left, Wide.Left);
  EXPECT_EQ(L.TabRect(0).Bottom, Page.Top + Wide.Top);
  EXPECT_EQ(L.SheetRect().Left, Page.Left + Wide.Left + 1);
  EXPECT_EQ(L.SheetRect().Bottom, Page.Bottom - Wide.Bottom - 1);
  // The frame fills the page (the active tab covers part of its top).
  EXPECT_EQ(PixelAt(Centre(Page)), FrameColor);
  EXPECT_EQ(PixelAt({Page.Right - 1, Page.Bottom - 1}), FrameColor);
  EXPECT_NE(PixelAt({Page.Right - 1, Page.Top - 1}), FrameColor);

  // A skin without "Frame": no margins, and no page frame drawn.
  Install(*Engine, TabsSkin(nullptr));
  Tabs->SetSkinEngine(Engine);
  EXPECT_EQ(Tabs->MarginLeft(), 0);
  EXPECT_EQ(Tabs->MarginBottom(), 0);
  EXPECT_EQ(CountIn({0, 0, 400, 200}, FrameColor), 0);
}

TEST_F(SkinTabControlTest, ScrollButtonsShowPressedAndHot) {
  Install(*Engine, TabsSkin(&Wide));
  Tabs->SetBounds(10, 10, 220, 120);
  Tabs->Tabs().Assign({"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh"});
  Tabs->SetSkinEngine(Engine);
  const TTabLayout L = Tabs->Layout();
  ASSERT_TRUE(L.ScrollButtonsShown());
  const TRect LeftRect = L.LeftButtonRect(), RightRect = L.RightButtonRect();
  EXPECT_EQ(PixelAt(Centre(LeftRect)), PictureColor(ButtonNormal));
  EXPECT_EQ(PixelAt(Centre(RightRect)), PictureColor(ButtonNormal));
  ASSERT_TRUE(PointTo(Centre(RightRect)));
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->RightButtonHot(); }, 2000));
  EXPECT_EQ(PixelAt(Centre(RightRect)), PictureColor(ButtonHot));
  EXPECT_EQ(PixelAt(Centre(LeftRect)), PictureColor(ButtonNormal));
  LeftButton(true);
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->RightButtonPressed(); }, 2000));
  EXPECT_EQ(PixelAt(Centre(RightRect)), PictureColor(ButtonPressed));
  EXPECT_GT(Tabs->FirstVisibleTab(), 0);
  LeftButton(false);
  ASSERT_TRUE(ProcessUntil([&] { return !Tabs->RightButtonPressed(); }, 2000));
  EXPECT_EQ(PixelAt(Centre(RightRect)), PictureColor(ButtonHot));
}

TEST_F(SkinTabControlTest, WithoutTheObjectOrTheEngineTheLookIsPlain) {
  Install(*Engine, TabsSkin(&Wide));
  Tabs->Tabs().Assign({"One", "Two"});
  const auto SkinPixels = [&] {
    int N = 0;
    for (int Picture = 0; Picture < Count; ++Picture)
      N += CountIn({0, 0, 400, 200}, PictureColor(Picture));
    return N + CountIn({0, 0, 400, 200}, FrameColor);
  };
  Tabs->SetSkinObject("NoSuchTabs");
  Tabs->SetSkinEngine(Engine);
  EXPECT_EQ(Tabs->MarginLeft(), 2);
  EXPECT_EQ(SkinPixels(), 0);
  Tabs->SetSkinObject("Tabs");
  EXPECT_GT(SkinPixels(), 100);
  // The engine going away leaves the plain look.
  Engine->Free();
  Engine = nullptr;
  EXPECT_EQ(Tabs->SkinEngine(), nullptr);
  EXPECT_EQ(Tabs->MarginLeft(), 2);
  EXPECT_EQ(SkinPixels(), 0);
}

TEST_F(SkinTabControlTest, AnUnbufferedControlRedrawsItsTabsAtOnce) {
  Install(*Engine, TabsSkin(&Wide));
  Tabs->SetPerformance(qzpNoBuffer);
  Tabs->Tabs().Assign({"One", "Two", "Three"});
  Tabs->SetSkinEngine(Engine);
  ASSERT_TRUE(ProcessUntil([&] { return !GetUpdateRect(Tabs->Handle(), nullptr, FALSE); }, 2000));
  const TRect Second = Tabs->Layout().TabRect(1);
  Tabs->SetTabIndex(1);
  // Nothing is left to paint: the strip is on the screen already.
  EXPECT_FALSE(GetUpdateRect(Tabs->Handle(), nullptr, FALSE));
  const HDC Screen = GetDC(Tabs->Handle());
  const COLORREF Shown = GetPixel(Screen, Second.Left + 1, Second.Top);
  ReleaseDC(Tabs->Handle(), Screen);
  EXPECT_EQ((GetRValue(Shown) << 16) | (GetGValue(Shown) << 8) | GetBValue(Shown),
            PictureColor(TabFocused));
  // A buffered control is only invalidated.
  Tabs->SetPerformance(qzpDoubleBuffer);
  ASSERT_TRUE(ProcessUntil([&] { return !GetUpdateRect(Tabs->Handle(), nullptr, FALSE); }, 2000));
  Tabs->SetTabIndex(2);
  EXPECT_TRUE(GetUpdateRect(Tabs->Handle(), nullptr, FALSE));
}

TEST_F(SkinPageControlTest, ASkinChangeMovesTheSheet) {
  auto* Sheet = MakeComponent<TSeCustomTabSheet>(Form);
  Sheet->SetTabControl(Tabs);
  const TFrameMargins Narrow{1, 1, 1, 1};
  Install(*Engine, TabsSkin(&Narrow));
  Tabs->SetSkinEngine(Engine);
  const int Before = Sheet->Left();
  EXPECT_EQ(Before, Tabs->Layout().SheetRect().Left);
  // The engine's skin changes under the control: it drops its copy, attaches again and puts
  // the sheet where the new margins leave the page.
  Engine->BeforeChange();
  Install(*Engine, TabsSkin(&Wide));
  Engine->AfterChange();
  EXPECT_EQ(Tabs->MarginLeft(), Wide.Left);
  EXPECT_EQ(Sheet->Left(), Before + Wide.Left - Narrow.Left);
  EXPECT_EQ(Sheet->Left(), Tabs->Layout().SheetRect().Left);
  EXPECT_EQ(Sheet->Top(), Tabs->Layout().SheetRect().Top);
  RECT Window;
  GetWindowRect(Sheet->Handle(), &Window);
  EXPECT_EQ(Window.left, Tabs->ClientToScreen({Sheet->Left(), 0}).x);
}

// The built-in skin's tabs against its "Tab" object drawn alone over the control's fill at the
// same place and state. Both are drawn into surfaces of the skin library's, as a buffered
// control's paint is.
TEST_F(SkinTabControlTest, BuiltInSkinTabsMatchTheirObjectDrawnAlone) {
  LoadSkin(MIREVAN_BUILTIN_SKIN, *Engine->Source());
  Tabs->SetPerformance(qzpNoBuffer);
  // Captions of blanks: nothing of the text on the tabs.
  Tabs->Tabs().Assign({" ", "  ", "   "});
  Tabs->SetSkinEngine(Engine);
  ASSERT_EQ(Tabs->MarginLeft(), 4);
  ASSERT_TRUE(PointTo(Centre(Tabs->Layout().TabRect(2))));
  ASSERT_TRUE(ProcessUntil([&] { return Tabs->HotTab() == 2; }, 2000));
  TseBitmap Control;
  Control.SetSize(400, 200);
  SendMessageW(Tabs->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Control.DC()), PRF_CLIENT);
  GdiFlush();
  const TTabLayout L = Tabs->Layout();
  const TRect Page = L.PageRect();
  auto Template = CloneSkinObject(*Engine->Source()->FindObject("Tabs"), nullptr);
  TSeSkinObject* Tab = Template->FindObject("Tab");
  ASSERT_NE(Tab, nullptr);
  const TSeState States[] = {osFocused, osNormal, osHot};
  const auto DrawAlone = [&](TseBitmap& Alone, TSeState State, const TRect& R) {
    Alone.SetSize(400, 200);
    TCanvas Back(Alone.DC());
    FillRectColor(Back, {0, 0, 400, 200}, Tabs->Color()); // what the control has under its tabs
    Tab->SetState(State);
    Tab->SetBounds(R);
    TCanvas Canvas(Alone.DC());
    Tab->Draw(Canvas);
    GdiFlush();
  };
  for (int I = 0; I < 3; ++I) {
    TRect R = L.TabRect(I);
    if (I != 0)
      R.Top += Tabs->MarginLeft();
    TseBitmap Alone;
    DrawAlone(Alone, States[I], R);
    // Over the control's fill only: the page frame begins at the page's top.
    const int Bottom = Page.Top;
    int Compared = 0;
    for (int Y = R.Top; Y < Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) {
        ASSERT_EQ(Control.GetPixel(X, Y) & 0xFFFFFF, Alone.GetPixel(X, Y) & 0xFFFFFF)
            << "tab " << I << " at " << X << "," << Y;
        ++Compared;
      }
    EXPECT_GT(Compared, 100);
  }
  // The three states look different, so the comparison tells them apart.
  std::vector<std::vector<uint32_t>> Looks;
  for (const TSeState State : States) {
    TseBitmap Alone;
    DrawAlone(Alone, State, L.TabRect(0));
    std::vector<uint32_t> Pixels;
    for (int Y = 0; Y < 200; ++Y)
      for (int X = 0; X < 400; ++X)
        Pixels.push_back(Alone.GetPixel(X, Y) & 0xFFFFFF);
    Looks.push_back(std::move(Pixels));
  }
  EXPECT_NE(Looks[0], Looks[1]);
  EXPECT_NE(Looks[1], Looks[2]);
  EXPECT_NE(Looks[0], Looks[2]);
}

} // namespace
