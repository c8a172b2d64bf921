// Skin objects attached to real windows: the skinned form they ask for, the repaints they
// ask for, reading order, and text measured on the screen.

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/SkinKinds.h"
#include "skin/SkinMessages.h"
#include "toolkit/Forms.h"

namespace {

// A form that answers like a skinned form: itself as the form link, with settable icons,
// and a record of the objects that asked for a repaint.
class TProbeForm : public TForm, public TSeSkinFormLink {
public:
  using TForm::TForm;
  TSeBorderIcons BorderIcons() const override { return Icons; }
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == SE_GETSKINFORM)
      return Answer ? reinterpret_cast<LRESULT>(static_cast<TSeSkinFormLink*>(this)) : 0;
    if (Msg == SE_OBJECTINVALIDATE) {
      Invalidated.push_back(reinterpret_cast<TSeSkinObject*>(LParam));
      return 0;
    }
    return TForm::WndProc(Msg, WParam, LParam);
  }
  TSeBorderIcons Icons = 0x7F;
  bool Answer = true;
  std::vector<TSeSkinObject*> Invalidated;
};

constexpr TSeBorderIcons Icon(TSeBorderIcon Which) {
  return static_cast<TSeBorderIcons>(1u << Which);
}

class SkinObjectWindowTest : public ::testing::Test {
protected:
  SkinObjectWindowTest() : Form(nullptr) {}
  TProbeForm Form;
};

TEST_F(SkinObjectWindowTest, CaptionButtonsFollowTheWindowStateAndTheFormsIcons) {
  struct TCase {
    TSeAction Action;
    TSeState State;
    bool Visible;
  };
  const TCase Cases[] = {{sbaMaximize, osNormal, true},     {sbaMaximize, osMaximized, false},
                         {sbaMaximize, osMinimized, false}, {sbaRestore, osNormal, false},
                         {sbaRestore, osMaximized, true},   {sbaRestore, osRolledUp, false},
                         {sbaRollDown, osNormal, false},    {sbaRollDown, osRolledUp, true},
                         {sbaRollUp, osRolledUp, false},    {sbaMinimize, osMinimized, false},
                         {sbaClose, osMinimized, true},     {sbaClose, osRolledUp, true}};
  for (const TCase& Case : Cases)
    for (const bool Family : {false, true}) {
      std::unique_ptr<TSeSkinObject> Button;
      if (Family) {
        auto Other = std::make_unique<TSeSysButtonSkinObject>(nullptr);
        Other->Action = Case.Action;
        Button = std::move(Other);
      } else {
        auto System = std::make_unique<TSeSystemButton>(nullptr);
        System->Action = Case.Action;
        Button = std::move(System);
      }
      Button->AttachControl(&Form);
      Button->Visible = !Case.Visible;
      Button->SetState(Case.State);
      EXPECT_EQ(Button->Visible, Case.Visible)
          << int(Case.Action) << " in " << int(Case.State) << (Family ? " (family)" : "");
    }

  // Hot and pressed leave the visibility to the icons alone.
  TSeSystemButton Button(nullptr);
  Button.Action = sbaMaximize;
  Button.AttachControl(&Form);
  Button.SetState(osMaximized);
  Button.SetState(osHot);
  EXPECT_FALSE(Button.Visible);
  Form.Icons = static_cast<TSeBorderIcons>(0x7F & ~Icon(qbiMaximize));
  Button.SetState(osNormal);
  EXPECT_FALSE(Button.Visible); // no maximize icon
  Form.Icons = Icon(qbiMaximize);
  Button.SetState(osNormal);
  EXPECT_TRUE(Button.Visible);
  for (auto [Action, Needed] : {std::pair{sbaClose, qbiClose},
                                {sbaHelp, qbiHelp},
                                {sbaTray, qbiTray},
                                {sbaSysMenu, qbiSystemMenu},
                                {sbaRollUp, qbiRollup},
                                {sbaMinimize, qbiMinimize}}) {
    TSeSystemButton Other(nullptr);
    Other.Action = Action;
    Other.AttachControl(&Form);
    Form.Icons = static_cast<TSeBorderIcons>(0x7F & ~Icon(Needed));
    Other.SetState(osNormal);
    EXPECT_FALSE(Other.Visible) << int(Action);
    Form.Icons = Icon(Needed);
    Other.SetState(osNormal);
    EXPECT_TRUE(Other.Visible) << int(Action);
  }
  // A custom button has no icon of its own.
  TSeSystemButton Custom(nullptr);
  Custom.Action = sbaCustom;
  Custom.AttachControl(&Form);
  Form.Icons = 0;
  Custom.SetState(osNormal);
  EXPECT_TRUE(Custom.Visible);

  // A window that is not a skinned form leaves every button alone.
  Form.Answer = false;
  Button.Visible = true;
  Button.SetState(osMaximized);
  EXPECT_TRUE(Button.Visible);
  EXPECT_EQ(Button.GetForm(), nullptr);
}

TEST_F(SkinObjectWindowTest, ObjectsAskTheirControlForRepaintsOnlyWhileVisible) {
  TSeSkinObject Root(nullptr);
  auto Child = std::make_unique<TSeSkinObject>(&Root);
  TSeSkinObject* Inner = Child.get();
  Root.InsertComponent(std::move(Child));
  Inner->Invalidate(); // not attached: nothing to ask
  Root.AttachControl(&Form);
  EXPECT_EQ(Inner->Control(), &Form);
  Inner->Invalidate();
  Inner->Visible = false;
  Inner->Invalidate();
  ASSERT_EQ(Form.Invalidated.size(), 1u);
  EXPECT_EQ(Form.Invalidated[0], Inner);
  EXPECT_EQ(Inner->GetForm(), static_cast<TSeSkinFormLink*>(&Form));
  Root.AttachControl(nullptr);
  EXPECT_EQ(Inner->GetForm(), nullptr);
}

TEST_F(SkinObjectWindowTest, AttachingTakesTheControlsReadingOrder) {
  TSeSkinObject Root(nullptr);
  auto Child = std::make_unique<TSeSkinObject>(&Root);
  TSeSkinObject* Inner = Child.get();
  Root.InsertComponent(std::move(Child));
  Form.SetBiDiMode(1);
  Root.AttachControl(&Form);
  EXPECT_EQ(Inner->BiDiMode, 1);
  const bool RightToLeft = GetSystemMetrics(SM_MIDEASTENABLED) != 0;
  EXPECT_EQ(Inner->UseRightToLeftReading(), RightToLeft);
  EXPECT_EQ(Inner->UseRightToLeftAlignment(), RightToLeft);
  Form.SetBiDiMode(0);
  Root.AttachControl(&Form);
  EXPECT_FALSE(Inner->UseRightToLeftAlignment());
}

TEST(SkinTextWidth, TextIsMeasuredOnTheScreenInTheObjectsFont) {
  TFont Font;
  Font.SetName("Tahoma");
  const int Short = SkinTextWidth(L"Hi", Font);
  const int Long = SkinTextWidth(L"Hi there, world", Font);
  EXPECT_GT(Short, 0);
  EXPECT_GT(Long, Short * 3);
  Font.SetHeight(-30);
  EXPECT_GT(SkinTextWidth(L"Hi there, world", Font), Long * 2);
  EXPECT_EQ(SkinTextWidth(L"", Font), 0);
  // A layout uses the same measure.
  TSeSkinObject Parent(nullptr);
  auto Label = std::make_unique<TSeSkinObject>(&Parent);
  Label->Align = saText;
  Label->Text = L"Hi there, world";
  Label->Font.Assign(Font);
  TSeSkinObject* L = Label.get();
  Parent.InsertComponent(std::move(Label));
  Parent.SetBounds({0, 0, 500, 40});
  EXPECT_EQ(L->Width(), SkinTextWidth(L"Hi there, world", Font));
}

} // namespace
