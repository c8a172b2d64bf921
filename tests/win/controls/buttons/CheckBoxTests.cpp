// The check box with the real pointer and keyboard: the state cycles, where a release still
// toggles, the space key, OnClick only for a change, and the skin's glyph and font.

#include <windows.h>

#include <gtest/gtest.h>
#include <vector>

#include "controls/buttons/SeSkinCheckBox.h"
#include "tests/win/controls/buttons/CheckFixture.h"
#include "toolkit/PropertyStream.h"

namespace {

class CheckBoxTest : public CheckFixture {
protected:
  void SetUp() override {
    CheckFixture::SetUp();
    Box = MakeComponent<TSeSkinCheckBox>(Form);
    Box->SetParent(Form);
    Box->SetBounds(20, 20, 120, 20);
    Box->OnClick = [this](TObject*) { States.push_back(Box->State()); };
    Show();
  }
  // Press at the middle, let go at Release (the box's coordinates).
  void PressAndRelease(POINT Release) {
    ASSERT_TRUE(PointTo(*Box, {10, 10}));
    Button(true);
    ASSERT_TRUE(PumpUntil([&] { return Box->Pressed(); }, 2000));
    ASSERT_TRUE(PointTo(*Box, Release));
    Button(false);
    ASSERT_TRUE(PumpUntil([&] { return !Box->Pressed(); }, 2000));
    PumpFor(20);
  }

  TSeSkinCheckBox* Box = nullptr;
  std::vector<TCheckBoxState> States;
};

TEST_F(CheckBoxTest, ClicksCycleThroughGrayedOnlyWhenAllowed) {
  EXPECT_EQ(Box->Caption(), "CheckBox");
  Box->SetAllowGrayed(true);
  for (int I = 0; I < 4; ++I)
    PressAndRelease({10, 10});
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
  EXPECT_FALSE(Box->Checked()); // grayed is not checked
  EXPECT_TRUE(Box->Focused());

  Box->SetAllowGrayed(false);
  States.clear();
  for (int I = 0; I < 3; ++I)
    PressAndRelease({10, 10});
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked}));
}

TEST_F(CheckBoxTest, ReleaseOnTheRightOrBottomEdgeTogglesButBeyondItDoesNot) {
  PressAndRelease({Box->Width(), Box->Height()});
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked}));
  PressAndRelease({Box->Width(), 5});
  PressAndRelease({5, Box->Height()});
  EXPECT_EQ(States.size(), 3u);
  PressAndRelease({Box->Width() + 1, 5});
  PressAndRelease({5, Box->Height() + 1});
  PressAndRelease({-1, 5});
  EXPECT_EQ(States.size(), 3u);
  EXPECT_EQ(GetCapture(), nullptr); // the release gave the pointer back
}

TEST_F(CheckBoxTest, SpaceTogglesWhenItGoesUp) {
  Box->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Box->Focused(); }, 2000));
  Key(VK_SPACE, true);
  ASSERT_TRUE(PumpUntil([&] { return Box->Pressed(); }, 2000));
  EXPECT_TRUE(States.empty());
  Key(VK_SPACE, false);
  ASSERT_TRUE(PumpUntil([&] { return !Box->Pressed(); }, 2000));
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked}));
}

TEST_F(CheckBoxTest, ItsAcceleratorFocusesAndToggles) {
  Box->SetCaption("&Remember");
  auto* Other = MakeComponent<TSeCustomCheckBox>(Form);
  Other->SetParent(Form);
  Other->SetBounds(20, 60, 120, 20);
  Other->SetCaption("&Other");
  Other->SetFocus();
  AltKey('R');
  ASSERT_TRUE(ProcessUntil([&] { return !States.empty(); }, 2000));
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked}));
  EXPECT_TRUE(Box->Focused());
  EXPECT_FALSE(Other->Checked());
  // A disabled box is passed over.
  Box->SetEnabled(false);
  AltKey('R');
  AltKey('O');
  ASSERT_TRUE(ProcessUntil([&] { return Other->Checked(); }, 2000));
  EXPECT_EQ(States.size(), 1u);
}

TEST_F(CheckBoxTest, OnClickReportsChangesOnly) {
  Box->SetChecked(false);
  Box->SetState(cbUnchecked);
  EXPECT_TRUE(States.empty());
  Box->SetChecked(true);
  Box->SetChecked(true);
  Box->SetState(cbChecked);
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked}));
  Box->SetState(cbGrayed);
  Box->SetChecked(false);
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked, cbGrayed, cbUnchecked}));
  // While the control is being loaded a change is stored but not reported.
  Box->SetLoading(true);
  Box->SetChecked(true);
  Box->SetLoading(false);
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(States.size(), 3u);
}

// Programs outside (automation, screen readers) read and drive the box with the platform check
// box's messages.
TEST_F(CheckBoxTest, ThePlatformsCheckBoxMessagesReadAndDriveIt) {
  const HWND Wnd = Box->Handle();
  EXPECT_EQ(SendMessageW(Wnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageW(Wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(Wnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(Wnd, BM_SETCHECK, BST_INDETERMINATE, 0); // AllowGrayed is off: unchecked
  EXPECT_EQ(Box->State(), cbUnchecked);
  Box->SetAllowGrayed(true);
  SendMessageW(Wnd, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessageW(Wnd, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(States, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbGrayed}));
  // A disabled box does not take a click.
  Box->SetEnabled(false);
  SendMessageW(Wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(Box->State(), cbGrayed);
}

TEST_F(CheckBoxTest, TheSkinGivesTheGlyphSizeAndTheCaptionFont) {
  EXPECT_EQ(Box->GetGlyphSize().cx, 13);
  TSeSkinEngine* Engine = LoadEngine(MIREVAN_DARK_SKIN);
  Box->SetSkinEngine(Engine);
  TSeSkinObject* Glyph = Engine->Source()->FindObject("CheckBox")->FindObject("Checked");
  ASSERT_NE(Glyph, nullptr);
  EXPECT_EQ(Box->GetGlyphSize().cx, Glyph->Width());
  EXPECT_EQ(Box->GetGlyphSize().cy, Glyph->Height());
  EXPECT_EQ(Box->GlyphRect().Left, 0);
  EXPECT_EQ(Box->GlyphRect().Top, (Box->Height() - Glyph->Height()) / 2);
  TSeSkinObject* Skin = Engine->Source()->FindObject("CheckBox");
  TSeSkinObject* Text = Skin->FindObject("Text") ? Skin->FindObject("Text") : Skin;
  EXPECT_EQ(Box->Font().Name(), Text->Font.Name());
  EXPECT_EQ(Box->Font().Color(), Text->Font.Color());
  // Without the engine the glyph is the platform's again.
  Box->SetSkinEngine(nullptr);
  EXPECT_EQ(Box->GetGlyphSize().cx, 13);
}

TEST_F(CheckBoxTest, ItsPropertiesGoThroughTheStoredLayoutInOrder) {
  Box->SetCaption("Stored");
  Box->SetAllowGrayed(true);
  Box->SetAlignment(lrRight);
  Box->SetSpacing(7);
  Box->SetState(cbGrayed);
  Box->SetWordWrap(true);
  Box->SetSkinObject("OtherBox");
  const std::string Text = ComponentToText(*Box);
  // Stream order: the class's own list, the skin object after it.
  const size_t Caption = Text.find("Caption"), Grayed = Text.find("AllowGrayed"),
               Alignment = Text.find("Alignment = lrRight"), Spacing = Text.find("Spacing = 7"),
               State = Text.find("State = cbGrayed"), Skin = Text.find("SkinObject");
  ASSERT_NE(State, std::string::npos) << Text;
  EXPECT_LT(Caption, Grayed);
  EXPECT_LT(Grayed, Alignment);
  EXPECT_LT(Alignment, Spacing);
  EXPECT_LT(Spacing, State);
  EXPECT_LT(State, Skin);
  States.clear();
  auto* Copy = MakeComponent<TSeSkinCheckBox>(Form);
  Copy->OnClick = [this](TObject*) { States.push_back(cbUnchecked); };
  Copy->SetLoading(true);
  ComponentFromText(Text, *Copy);
  Copy->Loaded();
  EXPECT_EQ(Copy->State(), cbGrayed);
  EXPECT_EQ(Copy->Alignment(), lrRight);
  EXPECT_EQ(Copy->Spacing(), 7);
  EXPECT_TRUE(Copy->WordWrap());
  EXPECT_EQ(Copy->Caption(), "Stored");
  EXPECT_EQ(Copy->SkinObject(), "OtherBox");
  EXPECT_TRUE(States.empty()); // nothing is reported while the layout is read
}

} // namespace
