// Alt and a letter on the real keyboard reach the form's controls as CM_DIALOGCHAR, depth
// first, passing over disabled ones, until one takes the character.

#include <windows.h>

#include <gtest/gtest.h>
#include <vector>

#include "tests/win/controls/buttons/CheckFixture.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Panel.h"

namespace {

// A windowless control that records the characters offered to it and takes Key.
class TCharTaker : public TGraphicControl {
public:
  TCharTaker(TComponent* AOwner, wchar_t Key) : TGraphicControl(AOwner), FKey(Key) {}
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == CM_DIALOGCHAR) {
      Offered.push_back(static_cast<wchar_t>(WParam));
      return towlower(static_cast<wchar_t>(WParam)) == FKey;
    }
    return TGraphicControl::WndProc(Msg, WParam, LParam);
  }
  std::vector<wchar_t> Offered;

private:
  wchar_t FKey;
};

class DialogCharTest : public CheckFixture {};

TEST_F(DialogCharTest, AltAndALetterIsOfferedUntilAControlTakesIt) {
  auto* Panel = MakeComponent<TPanel>(Form);
  Panel->SetParent(Form);
  Panel->SetBounds(10, 10, 200, 100);
  auto* Disabled = MakeComponent<TCharTaker>(Form, L'k');
  Disabled->SetParent(Panel);
  Disabled->SetEnabled(false);
  auto* Taker = MakeComponent<TCharTaker>(Panel, L'k');
  Taker->SetParent(Panel);
  auto* Later = MakeComponent<TCharTaker>(Form, L'k');
  Later->SetParent(Form);
  Show();
  AltKey('K');
  ASSERT_TRUE(ProcessUntil([&] { return !Taker->Offered.empty(); }, 2000));
  PumpFor(20);
  EXPECT_EQ(Taker->Offered.size(), 1u);
  EXPECT_TRUE(Disabled->Offered.empty());
  EXPECT_TRUE(Later->Offered.empty()); // the one inside the panel took it first
  // A letter nobody takes goes round all of them.
  AltKey('Q');
  ASSERT_TRUE(ProcessUntil([&] { return !Later->Offered.empty(); }, 2000));
  EXPECT_EQ(Taker->Offered.size(), 2u);
}

} // namespace
