// The plain push button on a real form: glyph cells, the dialog kinds' glyphs, the action
// link, the pressed state under the real pointer, clicks only for a release over the button,
// the space key, Enter and Escape as dialog keys, the default role following the focus, and
// the look in its states.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/buttons/SeCustomButton.h"
#include "tests/win/controls/buttons/ButtonFixture.h"
#include "tests/win/support/PlainEdit.h"
#include "toolkit/Actions.h"
#include "toolkit/ImageList.h"
#include "toolkit/PropertyStream.h"

namespace {

using ButtonTest = ButtonFixture<TSeCustomButton>;

TBitmap GlyphOf(int Width, int Height) {
  TBitmap Glyph;
  Glyph.SetSize32(Width, Height);
  return Glyph;
}

TEST_F(ButtonTest, TheGlyphsShapeSetsItsCellCount) {
  Button->SetGlyph(GlyphOf(64, 16));
  EXPECT_EQ(Button->NumGlyphs(), 4);
  Button->SetGlyph(GlyphOf(80, 16));
  EXPECT_EQ(Button->NumGlyphs(), 1);
  Button->SetNumGlyphs(3);
  Button->SetGlyph(GlyphOf(30, 16));
  EXPECT_EQ(Button->NumGlyphs(), 3);
  Button->SetNumGlyphs(9);
  EXPECT_EQ(Button->NumGlyphs(), 4);
}

TEST_F(ButtonTest, ADialogKindBringsItsResultAndDefaultRole) {
  Button->SetKind(bkOK);
  EXPECT_EQ(Button->ModalResult(), 1);
  EXPECT_TRUE(Button->Default());
  EXPECT_EQ(Button->NumGlyphs(), 2);
  Button->SetKind(bkAbort);
  EXPECT_EQ(Button->ModalResult(), 3);
  EXPECT_FALSE(Button->Default());
  Button->SetModalResult(42);
  Button->SetKind(bkCustom); // keeps what the last kind left
  EXPECT_EQ(Button->ModalResult(), 42);
  EXPECT_EQ(Button->Caption(), "Apply");
}

// A glyph's pixel as 0xRRGGBB.
uint32_t GlyphPixel(const TBitmap& Glyph, int X, int Y) {
  const TBitmapDC DC(Glyph.Handle());
  const COLORREF C = GetPixel(DC.Handle(), X, Y);
  return GetRValue(C) << 16 | GetGValue(C) << 8 | GetBValue(C);
}

constexpr uint32_t Magenta = 0xFF00FF, DisabledGrey = 0x808080;

TEST_F(ButtonTest, EachDialogKindLoadsItsTwoCellGlyphFromTheProgramsResources) {
  // A pixel of each kind's picture: its ink in the first cell, grey in the disabled one.
  struct Case {
    TBitBtnKind Kind;
    int X, Y;
    uint32_t Ink;
  };
  const Case Cases[] = {{bkOK, 5, 11, 0x008000},     {bkCancel, 7, 7, 0xC80000},
                        {bkHelp, 7, 12, 0x0046BE},   {bkYes, 5, 11, 0x008000},
                        {bkNo, 7, 7, 0xC80000},      {bkClose, 7, 7, 0x202028},
                        {bkAbort, 3, 4, 0xC80000},   {bkRetry, 3, 8, 0x0046BE},
                        {bkIgnore, 1, 8, 0xB06800},  {bkAll, 1, 8, 0x008000}};
  for (const Case& C : Cases) {
    SCOPED_TRACE(ButtonKindInfo(C.Kind).Resource);
    Button->SetKind(C.Kind);
    const TBitmap& Glyph = Button->Glyph();
    ASSERT_EQ(Glyph.Width(), 32);
    ASSERT_EQ(Glyph.Height(), 16);
    EXPECT_EQ(Button->NumGlyphs(), 2);
    // Each cell's bottom-left pixel is the colour the button leaves out.
    EXPECT_EQ(GlyphPixel(Glyph, 0, 15), Magenta);
    EXPECT_EQ(GlyphPixel(Glyph, 16, 15), Magenta);
    EXPECT_EQ(GlyphPixel(Glyph, C.X, C.Y), C.Ink);
    EXPECT_EQ(GlyphPixel(Glyph, C.X + 16, C.Y), DisabledGrey);
  }
}

TEST_F(ButtonTest, AnActionGivesItsCaptionStateHintAndClickAndItsLaterChanges) {
  auto* Save = MakeComponent<TAction>(Form);
  Save->SetCaption("&Save");
  Save->SetHint("Saves it");
  std::vector<TObject*> Ran;
  Save->SetOnExecute([&](TObject* Sender) { Ran.push_back(Sender); });
  Button->SetAction(Save);
  EXPECT_EQ(Button->Caption(), "&Save");
  EXPECT_EQ(Button->Hint(), "Saves it");
  Button->Click();
  EXPECT_EQ(Ran, std::vector<TObject*>{Save}); // run by the action, in place of the own handler
  EXPECT_TRUE(Clicked.empty());

  Save->SetCaption("Save &all");
  Save->SetHint("Saves everything");
  Save->SetEnabled(false);
  EXPECT_EQ(Button->Caption(), "Save &all");
  EXPECT_EQ(Button->Hint(), "Saves everything");
  EXPECT_FALSE(Button->Enabled());
  EXPECT_FALSE(IsWindowEnabled(Button->Handle()));
  int Runs = 0;
  Save->SetOnExecute([&](TObject*) { ++Runs; });
  Button->Click();
  EXPECT_EQ(Runs, 1);

  // Gone: the button keeps what it showed, the handler included, and stays usable.
  Save->Free();
  EXPECT_EQ(Button->Action(), nullptr);
  EXPECT_EQ(Button->Caption(), "Save &all");
  Button->SetEnabled(true);
  Button->SetCaption("Apply");
  Button->Click();
  EXPECT_EQ(Runs, 2);
  EXPECT_NE(ComponentToText(*Button).find("Caption = 'Apply'"), std::string::npos);
}

TEST_F(ButtonTest, AStoredButtonNamesItsActionAndKeepsItsOwnValuesAndClick) {
  auto* Open = MakeComponent<TAction>(Form);
  Open->SetName("actOpen");
  Open->SetCaption("&Open");
  Open->SetHint("Opens it");
  int Runs = 0;
  Open->SetOnExecute([&](TObject*) { ++Runs; });
  auto* Stored = AddButton(20, 60, 75, 23, "");
  Stored->SetName("btnOpen");
  Stored->SetLoading(true);
  ComponentFromText("object btnOpen: TSeCustomButton\r\n"
                    "  Action = actOpen\r\n"
                    "  Caption = 'Open &file'\r\n"
                    "end\r\n",
                    *Stored);
  Stored->Loaded();
  EXPECT_EQ(Stored->Action(), Open);
  // What the layout gave stays; the action fills what it left blank.
  EXPECT_EQ(Stored->Caption(), "Open &file");
  EXPECT_EQ(Stored->Hint(), "Opens it");
  Stored->Click();
  EXPECT_EQ(Clicked, std::vector<TObject*>{Stored});
  EXPECT_EQ(Runs, 0);
  EXPECT_NE(ComponentToText(*Stored).find("Action = actOpen"), std::string::npos);
}

TEST_F(ButtonTest, TheActionsImageIsTheGlyphOnMagentaAndIsNotStored) {
  // Two 16 x 16 images: red, and a blue square inside a lime border that is left out.
  TBitmap Strip;
  Strip.SetSize32(32, 16);
  {
    const TBitmapDC DC(Strip.Handle());
    for (int Y = 0; Y < 16; ++Y)
      for (int X = 0; X < 32; ++X) {
        const bool Border = X < 20 || X >= 28 || Y < 4 || Y >= 12;
        SetPixelV(DC.Handle(), X, Y,
                  X < 16 ? RGB(200, 0, 0) : Border ? RGB(0, 255, 0) : RGB(0, 0, 220));
      }
  }
  auto* Images = MakeComponent<TImageList>(Form);
  ASSERT_EQ(Images->Add(Strip, static_cast<TColor>(RGB(0, 255, 0))), 0);
  auto* Act = MakeComponent<TAction>(Form);
  Act->SetCaption("Go");
  Act->SetImages(Images);
  Act->SetImageIndex(1);
  Button->SetAction(Act);
  const TBitmap& Glyph = Button->Glyph();
  ASSERT_EQ(Glyph.Width(), 16);
  ASSERT_EQ(Glyph.Height(), 16);
  EXPECT_EQ(Button->NumGlyphs(), 1);
  EXPECT_EQ(GlyphPixel(Glyph, 8, 8), 0x0000DCu);
  EXPECT_EQ(GlyphPixel(Glyph, 1, 1), Magenta);
  EXPECT_EQ(GlyphPixel(Glyph, 0, 15), Magenta);
  const std::string Text = ComponentToText(*Button);
  EXPECT_EQ(Text.find("Glyph"), std::string::npos) << Text;

  Act->SetImageIndex(0); // followed
  EXPECT_EQ(GlyphPixel(Glyph, 8, 8), 0xC80000u);
  Images->Free(); // the action has no image now: neither has the button
  EXPECT_TRUE(Glyph.Empty());

  // A glyph of the button's own is stored.
  Button->SetGlyph(Strip);
  EXPECT_NE(ComponentToText(*Button).find("Glyph.Data"), std::string::npos);
}

TEST_F(ButtonTest, AReleaseOverTheButtonClicksAndOneOutsideDoesNot) {
  ASSERT_TRUE(PointTo(*Button, 30, 10));
  MouseButton(true);
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsPressed; }));
  EXPECT_TRUE(Button->Focused());
  ASSERT_TRUE(PointTo(*Button, 150, 10));
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsNormal; }));
  MouseButton(false);
  PumpFor(100);
  Pump([] { return false; }, 100);
  EXPECT_TRUE(Clicked.empty());
  EXPECT_EQ(Button->State(), qbsNormal);

  ASSERT_TRUE(PointTo(*Button, 30, 10));
  MouseButton(true);
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsPressed; }));
  MouseButton(false);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Clicked.size(), 1u);
  EXPECT_EQ(Button->State(), qbsNormal);
}

TEST_F(ButtonTest, MovingOffAPressedButtonAndBackShowsItPressedAgainWithoutAClick) {
  ASSERT_TRUE(PointTo(*Button, 30, 10));
  ASSERT_TRUE(Pump([&] { return Button->MouseInControl(); }));
  const std::vector<uint32_t> Hot = PixelsOf(*Button);
  MouseButton(true);
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsPressed; }));
  const std::vector<uint32_t> Pressed = PixelsOf(*Button);
  EXPECT_NE(Pressed, Hot);

  ASSERT_TRUE(PointTo(*Button, 30, 60));
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsNormal; }));
  EXPECT_NE(PixelsOf(*Button), Pressed);
  ASSERT_TRUE(PointTo(*Button, 31, 11));
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsPressed; }));
  EXPECT_EQ(PixelsOf(*Button), Pressed);
  EXPECT_TRUE(Clicked.empty());
  MouseButton(false);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
}

TEST_F(ButtonTest, TheSpaceKeyPressesAndClicksOnRelease) {
  ASSERT_TRUE(Focus(*Button));
  Key(VK_SPACE, true);
  ASSERT_TRUE(Pump([&] { return Button->State() == qbsPressed; }));
  EXPECT_TRUE(Clicked.empty());
  Key(VK_SPACE, false);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Button->State(), qbsNormal);
  EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(ButtonTest, ItsAcceleratorFocusesAndClicks) {
  Button->SetCaption("&Apply");
  auto* Other = AddButton(120, 20, 75, 23, "&Keep");
  ASSERT_TRUE(Focus(*Other));
  Key(VK_MENU, true);
  Tap('A');
  Key(VK_MENU, false);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Clicked, (std::vector<TObject*>{Button}));
  EXPECT_TRUE(Button->Focused());
  // A disabled button is passed over.
  Button->SetEnabled(false);
  Key(VK_MENU, true);
  Tap('A');
  Key(VK_MENU, false);
  Pump([] { return false; }, 200);
  EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(ButtonTest, EnterClicksTheFocusedButtonAndEscapeTheCancelOne) {
  auto* Other = AddButton(120, 20, 75, 23, "Cancel");
  Other->SetCancel(true);
  Other->SetModalResult(2);
  Button->SetModalResult(7);
  ASSERT_TRUE(Focus(*Button));
  Tap(VK_RETURN);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Clicked.back(), Button);
  EXPECT_EQ(Form->ModalResult, 7);

  Clicked.clear();
  Tap(VK_ESCAPE); // the focus stays on Button
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Clicked.back(), Other);
  EXPECT_EQ(Clicked.size(), 1u);
  EXPECT_TRUE(Button->Focused());
  EXPECT_EQ(Form->ModalResult, 2);
}

TEST_F(ButtonTest, TheDefaultButtonTakesEnterUnlessAnotherButtonHasTheFocus) {
  auto* Edit = MakeComponent<TPlainEdit>(Form);
  Edit->SetParent(Form);
  Edit->SetBounds(20, 80, 100, 21);
  auto* Other = AddButton(120, 20, 75, 23, "Other");
  Button->SetDefault(true);
  ASSERT_TRUE(Focus(*Edit));
  EXPECT_TRUE(Button->ActiveDefault());
  Tap(VK_RETURN);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Clicked.back(), Button);

  Clicked.clear();
  ASSERT_TRUE(Focus(*Other));
  EXPECT_FALSE(Button->ActiveDefault());
  Tap(VK_RETURN);
  ASSERT_TRUE(Pump([&] { return !Clicked.empty(); }));
  EXPECT_EQ(Clicked.back(), Other);
  EXPECT_EQ(Clicked.size(), 1u);

  ASSERT_TRUE(Focus(*Edit));
  EXPECT_TRUE(Button->ActiveDefault());
  Button->SetDefault(false);
  EXPECT_FALSE(Button->ActiveDefault());
}

TEST_F(ButtonTest, ADisabledButtonIgnoresThePointer) {
  Button->SetEnabled(false);
  ASSERT_TRUE(PointTo(*Button, 30, 10));
  MouseButton(true);
  PumpFor(100);
  EXPECT_EQ(Button->State(), qbsNormal);
  MouseButton(false);
  Pump([] { return false; }, 100);
  EXPECT_TRUE(Clicked.empty());
}

} // namespace
