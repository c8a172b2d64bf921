// The label: sizing itself to its text (a right-aligned one keeps its right edge, a lone
// accelerator mark still has a space's width), the reference to its focus control, and the
// skin's colour and font.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "controls/buttons/SeCustomCheckBox.h"
#include "controls/labels/SeSkinLabel.h"
#include "tests/win/controls/buttons/CheckFixture.h"

namespace {

// The width of Text in Font, as the platform measures it.
int WidthIn(const TFont& Font, const std::wstring& Text) {
  const HDC DC = CreateCompatibleDC(nullptr);
  const HGDIOBJ Old = SelectObject(DC, Font.Handle());
  SIZE Size{};
  GetTextExtentPoint32W(DC, Text.c_str(), static_cast<int>(Text.size()), &Size);
  SelectObject(DC, Old);
  DeleteDC(DC);
  return Size.cx;
}

class LabelTest : public CheckFixture {
protected:
  void SetUp() override {
    CheckFixture::SetUp();
    Label = MakeComponent<TSeSkinLabel>(Form);
    Label->SetParent(Form);
    Label->SetBounds(200, 30, 65, 17);
    Show();
  }
  TSeSkinLabel* Label = nullptr;
};

TEST_F(LabelTest, ARightAlignedLabelGrowsToTheLeft) {
  Label->SetAlignment(TAlignment::taRightJustify);
  Label->SetCaption("A caption much longer than the label");
  const int Wide = WidthIn(Label->Font(), L"A caption much longer than the label");
  EXPECT_EQ(Label->Width(), Wide);
  EXPECT_EQ(Label->Left() + Label->Width(), 265);
  EXPECT_LT(Label->Left(), 200);
  // A left-aligned one keeps its left edge.
  Label->SetAlignment(TAlignment::taLeftJustify);
  Label->SetCaption("Short");
  EXPECT_EQ(Label->Left(), 265 - Wide);
  EXPECT_EQ(Label->Width(), WidthIn(Label->Font(), L"Short"));
  // Without AutoSize the bounds stay.
  Label->SetAutoSize(false);
  Label->SetCaption("Something else entirely, and long");
  EXPECT_EQ(Label->Width(), WidthIn(Label->Font(), L"Short"));
}

TEST_F(LabelTest, ALoneAmpersandMeasuresOneSpaceWide) {
  Label->SetCaption("&");
  EXPECT_EQ(Label->Width(), WidthIn(Label->Font(), L" "));
  EXPECT_GT(Label->Height(), 0);
  // Without accelerators it is a letter of its own.
  Label->SetShowAccelChar(false);
  Label->SetCaption("x");
  Label->SetCaption("&");
  EXPECT_EQ(Label->Width(), WidthIn(Label->Font(), L"&"));
  // An empty caption keeps the label a space wide too.
  Label->SetCaption("");
  EXPECT_EQ(Label->Width(), WidthIn(Label->Font(), L" "));
}

TEST_F(LabelTest, WordWrapBreaksWithinTheWidth) {
  Label->SetCaption("one");
  const int LineHeight = Label->Height();
  Label->SetAutoSize(false);
  Label->SetWidth(60);
  Label->SetWordWrap(true);
  Label->SetCaption("one two three four five six");
  Label->SetAutoSize(true);
  EXPECT_LE(Label->Width(), 60);
  EXPECT_GE(Label->Height(), 3 * LineHeight);
  // Unwrapped, the same text is one line.
  Label->SetWordWrap(false);
  EXPECT_EQ(Label->Height(), LineHeight);
  EXPECT_GT(Label->Width(), 60);
}

TEST_F(LabelTest, ItsAcceleratorFocusesItsFocusControl) {
  auto* Box = MakeComponent<TSeCustomCheckBox>(Form);
  Box->SetParent(Form);
  Box->SetBounds(20, 100, 100, 20);
  Box->SetCaption("Box");
  auto* Other = MakeComponent<TSeCustomCheckBox>(Form);
  Other->SetParent(Form);
  Other->SetBounds(20, 140, 100, 20);
  Other->SetCaption("&Shown");
  Label->SetCaption("&Name");
  Label->SetFocusControl(Box);
  Other->SetFocus();
  AltKey('N');
  ASSERT_TRUE(ProcessUntil([&] { return Box->Focused(); }, 2000));
  EXPECT_FALSE(Box->Checked());
  // Without accelerators shown the letter is nobody's: Alt+N does nothing, Alt+S reaches the
  // other box behind it.
  Label->SetShowAccelChar(false);
  Other->SetFocus();
  AltKey('N');
  AltKey('S');
  ASSERT_TRUE(ProcessUntil([&] { return Other->Checked(); }, 2000));
  EXPECT_TRUE(Other->Focused());
}

TEST_F(LabelTest, TheFocusControlIsForgottenWhenItGoes) {
  auto* Box = MakeComponent<TSeCustomCheckBox>(Form);
  Box->SetParent(Form);
  Label->SetFocusControl(Box);
  EXPECT_EQ(Label->FocusControl(), Box);
  Box->Free();
  EXPECT_EQ(Label->FocusControl(), nullptr);
}

TEST_F(LabelTest, TheSkinGivesColourAndFont) {
  TSeSkinEngine* Engine = LoadEngine(MIREVAN_DARK_SKIN);
  Label->SetCaption("Skinned");
  Label->SetSkinEngine(Engine);
  const TSeSkinObject* Skin = Engine->Source()->FindObject("Label");
  ASSERT_NE(Skin, nullptr);
  EXPECT_EQ(Label->Color(), Skin->Color);
  EXPECT_EQ(Label->Font().Color(), Skin->Font.Color());
  EXPECT_EQ(Label->Font().Name(), Skin->Font.Name());
  // The new font sized the label again.
  EXPECT_EQ(Label->Width(), WidthIn(Label->Font(), L"Skinned"));
}

} // namespace
