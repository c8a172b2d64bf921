// The hot-key field on a real form with the real keyboard.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/edit/SeSkinHotKey.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

namespace {

class HotKeyTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(100, 100, 420, 200);
    Field = MakeComponent<TSeSkinHotKey>(Form);
    Field->SetParent(Form);
    Field->SetBounds(20, 20, 200, 23);
    Other = MakeComponent<TSeSkinHotKey>(Form);
    Other->SetParent(Form);
    Other->SetBounds(20, 80, 200, 23);
    ShowInFront(*Form);
    Field->SetFocus();
    ASSERT_TRUE(ProcessUntil([&] { return Field->Focused(); }, 2000));
  }
  void TearDown() override { Form->Free(); }

  // The combination pressed: modifiers down, the key tapped, modifiers up.
  static void Press(WORD Key, bool Shift, bool Ctrl, bool Alt) {
    const std::pair<bool, WORD> Modifiers[] = {{Shift, VK_SHIFT}, {Ctrl, VK_CONTROL}, {Alt, VK_MENU}};
    for (const auto& [Held, Modifier] : Modifiers)
      if (Held)
        KeyInput(Modifier, true);
    TapKey(Key);
    for (const auto& [Held, Modifier] : Modifiers)
      if (Held)
        KeyInput(Modifier, false);
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeSkinHotKey* Field = nullptr;
  TSeSkinHotKey* Other = nullptr;
};

TEST_F(HotKeyTest, TakesCombinationsRefusesTypingClearsAndShowsItsKeyAsText) {
  EXPECT_EQ(Field->Text(), L"None");
  const struct {
    WORD Key;
    bool Shift, Ctrl, Alt;
    int ShortCut; // what the field holds afterwards
    int Refused;
    const wchar_t* Text;
  } Steps[] = {
      {VK_UP, false, true, true, 0xC026, 0, L"Ctrl+Alt+Up"},
      {'Q', false, false, false, 0xC026, 'Q', L"Ctrl+Alt+Up"},
      {'Q', true, false, false, 0xC026, 0x2051, L"Ctrl+Alt+Up"},
      {VK_F5, false, false, false, 0x74, 0, L"F5"},
      {VK_LEFT, false, false, true, 0x8025, 0, L"Alt+Left"},
      {VK_BACK, false, false, false, 0, 0, L"None"},
      {'T', false, true, true, 0xC054, 0, L"Ctrl+Alt+T"},
      {VK_DELETE, false, false, false, 0, 0, L"None"},
      {'T', false, true, true, 0xC054, 0, L"Ctrl+Alt+T"},
  };
  for (const auto& Step : Steps) {
    Press(Step.Key, Step.Shift, Step.Ctrl, Step.Alt);
    EXPECT_TRUE(ProcessUntil(
        [&] { return Field->ShortCut() == Step.ShortCut && Field->Refused() == Step.Refused; }, 2000))
        << std::hex << Step.Key << ": " << Field->ShortCut() << ", refused " << Field->Refused();
    EXPECT_EQ(Field->Text(), Step.Text);
  }
  // Esc leaves the field as it was, and the form stays.
  TapKey(VK_ESCAPE);
  ProcessUntil([] { return false; }, 100);
  EXPECT_EQ(Field->ShortCut(), 0xC054);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  // A combination the owner refuses (in use elsewhere) is not taken.
  Field->OnAccept = [](TObject*, int ShortCut, bool& Accept) { Accept = ShortCut != 0xC04F; };
  Press('O', false, true, true);
  EXPECT_TRUE(ProcessUntil([&] { return Field->Refused() == 0xC04F; }, 2000));
  EXPECT_EQ(Field->ShortCut(), 0xC054);
  // Tab still moves the focus on.
  TapKey(VK_TAB);
  EXPECT_TRUE(ProcessUntil([&] { return Other->Focused(); }, 2000));
  EXPECT_EQ(Field->ShortCut(), 0xC054);
}

} // namespace
