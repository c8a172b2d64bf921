// The group box: its check box enables and disables the children but never itself or the
// group, its place in the caption, the children's area, and the skinned box's frame rule.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/buttons/SeSkinCheckBox.h"
#include "controls/labels/SeCustomLabel.h"
#include "controls/labels/SeSkinGroupBox.h"
#include "tests/win/controls/buttons/CheckFixture.h"

namespace {

class GroupBoxTest : public CheckFixture {
protected:
  void SetUp() override {
    CheckFixture::SetUp();
    Group = MakeComponent<TSeSkinGroupBox>(Form);
    Group->SetParent(Form);
    Group->SetBounds(20, 20, 200, 150);
    Group->SetCaption("Options");
    Inner = MakeComponent<TSeCustomCheckBox>(Form);
    Inner->SetParent(Group);
    Inner->SetBounds(10, 40, 100, 20);
    Label = MakeComponent<TSeCustomLabel>(Form);
    Label->SetParent(Group);
    Label->SetBounds(10, 70, 60, 17);
    Group->OnCheckBoxClick = [this](TObject*) { ++BoxClicks; };
    Show();
  }

  TSeSkinGroupBox* Group = nullptr;
  TSeCustomCheckBox* Inner = nullptr;
  TSeCustomLabel* Label = nullptr;
  int BoxClicks = 0;
};

TEST_F(GroupBoxTest, ItsCheckBoxEnablesEveryChildButItself) {
  Group->SetUseCheckBox(true);
  TSeCustomCheckBox* Box = Group->CheckBox();
  ASSERT_NE(Box, nullptr);
  EXPECT_EQ(Box->Parent(), Group);
  EXPECT_EQ(Box->Caption(), "Options");
  EXPECT_TRUE(Box->Checked());

  Group->SetChecked(false);
  EXPECT_FALSE(Box->Checked());
  EXPECT_FALSE(Inner->Enabled());
  EXPECT_FALSE(Label->Enabled());
  EXPECT_FALSE(IsWindowEnabled(Inner->Handle()));
  EXPECT_TRUE(Box->Enabled());
  EXPECT_TRUE(IsWindowEnabled(Box->Handle()));
  EXPECT_TRUE(Group->Enabled());
  EXPECT_TRUE(IsWindowEnabled(Group->Handle()));
  // Disabling the group while the box is used still leaves the box (and so the group) usable.
  Group->SetEnabled(false);
  EXPECT_TRUE(Group->Enabled());
  EXPECT_TRUE(IsWindowEnabled(Box->Handle()));
  const int Before = BoxClicks;

  // The user ticks the box with the real pointer: the children come back.
  ASSERT_TRUE(PointTo(*Box, {6, Box->Height() / 2}));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Box->Pressed(); }, 2000));
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return Group->Checked(); }, 2000));
  EXPECT_TRUE(Inner->Enabled());
  EXPECT_TRUE(Label->Enabled());
  EXPECT_EQ(BoxClicks, Before + 1);
}

TEST_F(GroupBoxTest, ItsAcceleratorFocusesTheFirstChild) {
  Group->SetCaption("&Options");
  auto* Outside = MakeComponent<TSeCustomCheckBox>(Form);
  Outside->SetParent(Form);
  Outside->SetBounds(250, 20, 100, 20);
  Outside->SetFocus();
  AltKey('O');
  ASSERT_TRUE(ProcessUntil([&] { return Inner->Focused(); }, 2000));
  EXPECT_FALSE(Inner->Checked()); // focused, not toggled
}

TEST_F(GroupBoxTest, WithoutTheCheckBoxTheGroupDisablesAllItsChildren) {
  Group->SetEnabled(false);
  EXPECT_FALSE(Group->Enabled());
  EXPECT_FALSE(Inner->Enabled());
  EXPECT_FALSE(Label->Enabled());
  Group->SetEnabled(true);
  EXPECT_TRUE(Inner->Enabled());
  // Unticking the box disabled the group's own flag: freed, the box leaves the group and all
  // its children disabled.
  Group->SetUseCheckBox(true);
  Group->SetChecked(false);
  Group->SetUseCheckBox(false);
  EXPECT_EQ(Group->CheckBox(), nullptr);
  EXPECT_FALSE(Group->Enabled());
  EXPECT_FALSE(Inner->Enabled());
  EXPECT_FALSE(Label->Enabled());
  EXPECT_EQ(Group->ControlCount(), 2);
}

TEST_F(GroupBoxTest, TheCheckBoxStandsInTheCaptionAndTheChildrenBelowIt) {
  Group->SetUseCheckBox(true);
  TSeCustomCheckBox* Box = Group->CheckBox();
  EXPECT_EQ(Box->Left(), 12);
  EXPECT_EQ(Box->Top(), 0);
  const int Wide = Box->Width();
  EXPECT_GT(Wide, 13 + 5 + 6);
  EXPECT_LE(Wide, 200 - 12 - 2);
  EXPECT_EQ(Group->ClientRect().top, Box->Height());
  EXPECT_EQ(Group->GetFrameRect(), (TRect{3, Box->Height() / 2 + 1, 198, 148}));
  // A longer caption widens it; a narrow group cuts it to the room after the margin.
  Group->SetCaption("A much longer caption for the options");
  EXPECT_GT(Box->Width(), Wide);
  Group->SetWidth(80);
  EXPECT_EQ(Box->Width(), 80 - 12 - 2);
  Group->SetCaptionMargin(20);
  EXPECT_EQ(Box->Left(), 20);
  EXPECT_EQ(Box->Width(), 80 - 20 - 2);
}

TEST_F(GroupBoxTest, TheSkinMakesAMaskedFrameSeeThroughAndSkinsTheCheckBox) {
  Group->SetUseCheckBox(true);
  Group->SetTransparent(false);
  TSeSkinEngine* Engine = LoadEngine(MIREVAN_DARK_SKIN);
  Group->SetSkinEngine(Engine);
  EXPECT_TRUE(Group->Transparent());
  auto* Box = dynamic_cast<TSeSkinCheckBox*>(Group->CheckBox());
  ASSERT_NE(Box, nullptr);
  EXPECT_EQ(Box->SkinEngine(), Engine);
  // The skin's glyph is wider than the platform's: the box was laid out again.
  const TSeSkinObject* Glyph = Engine->Source()->FindObject("CheckBox")->FindObject("Checked");
  EXPECT_EQ(Box->GetGlyphSize().cx, Glyph->Width());
  // A skin without a group box leaves the group plain and as it was.
  Group->SetSkinEngine(nullptr);
  Group->SetTransparent(false);
  Group->SetSkinEngine(LoadEngine(MIREVAN_BUILTIN_SKIN));
  EXPECT_FALSE(Group->Transparent());
}

} // namespace
