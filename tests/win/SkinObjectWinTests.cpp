// Skin objects attached to real windows: the skinned form they ask for, the repaints they
// ask for, reading order, and text measured on the screen.

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/SkinKinds.h"
#include "toolkit/Forms.h"
#include "toolkit/PrivateMessages.h"

namespace {

// A form that answers like a skinned form: itself as the form link, with settable icons,
// and a record of the objects that asked for a repaint.
class TProbeForm : public TForm, public TSeSkinFormLink {
public:
  using TForm::TForm;
  TSeBorderIcons BorderIcons() const override { return Icons; }
  void DoFormAction(TSeAction Action, TSeSkinObject* Button) override {
    Actions.emplace_back(Action, Button);
  }
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
  std::vector<std::pair<TSeAction, TSeSkinObject*>> Actions;
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

TEST_F(SkinObjectWindowTest, ACaptionButtonActsWhenAPressEndsOnIt) {
  TSeSystemButton Button(nullptr);
  Button.Action = sbaMinimize;
  Button.AttachControl(&Form);
  Button.MouseEnter();
  EXPECT_EQ(Button.ButtonState, bsHot);
  Button.MouseDown(1, 0, 0); // not the left button
  EXPECT_EQ(Button.ButtonState, bsHot);
  Button.MouseDown(0, 0, 0);
  EXPECT_EQ(Button.ButtonState, bsPressed);
  Button.MouseMove(ssLeftButton, 1, 1);
  EXPECT_EQ(Button.ButtonState, bsPressed);
  // Leaving while pressed and coming back with the button held presses it again.
  Button.MouseLeave();
  EXPECT_EQ(Button.ButtonState, bsNormal);
  Button.MouseEnter();
  EXPECT_EQ(Button.ButtonState, bsPressed);
  EXPECT_TRUE(Form.Actions.empty());
  Button.MouseUp(0, 1, 1);
  EXPECT_EQ(Button.ButtonState, bsHot);
  ASSERT_EQ(Form.Actions.size(), 1u);
  EXPECT_EQ(Form.Actions[0], std::make_pair(sbaMinimize, static_cast<TSeSkinObject*>(&Button)));
  Button.MouseUp(0, 1, 1); // not pressed any more
  EXPECT_EQ(Form.Actions.size(), 1u);
  Button.MouseEnter(); // the shift state was forgotten on release
  EXPECT_EQ(Button.ButtonState, bsHot);
  EXPECT_GE(Form.Invalidated.size(), 6u);

  TSeSystemButton Menu(nullptr);
  Menu.Action = sbaSysMenu;
  Menu.AttachControl(&Form);
  Menu.DblClick(0, 0, 0);
  ASSERT_EQ(Form.Actions.size(), 2u);
  EXPECT_EQ(Form.Actions[1].first, sbaClose);

  TSeSystemButton Nothing(nullptr);
  Nothing.Action = sbaNone;
  Nothing.AttachControl(&Form);
  Nothing.MouseDown(0, 0, 0);
  Nothing.MouseUp(0, 0, 0);
  EXPECT_EQ(Form.Actions.size(), 2u);
}

TEST_F(SkinObjectWindowTest, ARollButtonRollsThePanelItNamesInItsOwnTree) {
  TSeSkinObject Root(nullptr);
  auto PanelOwned = std::make_unique<TSeRollPanelObject>(&Root);
  TSeRollPanelObject* Panel = PanelOwned.get();
  Panel->SetName("Panel");
  Panel->RollKind = rkTop;
  Panel->RollValue = 20;
  Panel->SetBounds({0, 100, 200, 200});
  Root.InsertComponent(std::move(PanelOwned));
  auto Other = std::make_unique<TSeSkinObject>(&Root);
  Other->SetName("Plain");
  Root.InsertComponent(std::move(Other));
  auto Bar = std::make_unique<TSeSkinObject>(&Root);
  auto ButtonOwned = std::make_unique<TSeSysButtonSkinObject>(Bar.get());
  TSeSysButtonSkinObject* Button = ButtonOwned.get();
  Bar->InsertComponent(std::move(ButtonOwned));
  Root.InsertComponent(std::move(Bar));
  Button->Action = sbaRollPanel;
  Button->RollPanel = "panel";

  Button->DoAction(); // no form yet: nothing
  EXPECT_EQ(Panel->Top(), 100);
  Root.AttachControl(&Form);
  Button->MouseDown(0, 0, 0);
  Button->MouseUp(0, 0, 0);
  EXPECT_EQ(Panel->BoundsRect(), (TRect{0, 180, 200, 200}));
  Button->DoAction();
  EXPECT_EQ(Panel->BoundsRect(), (TRect{0, 100, 200, 200}));
  Button->RollPanel = "Plain"; // not a roll panel
  Button->DoAction();
  EXPECT_EQ(Panel->BoundsRect(), (TRect{0, 100, 200, 200}));
  EXPECT_TRUE(Form.Actions.empty()); // rolling is the button's own business
}

TEST_F(SkinObjectWindowTest, AnActiveObjectLightsUpUnderThePointer) {
  TSeActiveSkinObject Object(nullptr);
  auto Child = std::make_unique<TSeSkinObject>(&Object);
  TSeSkinObject* Inner = Child.get();
  Object.InsertComponent(std::move(Child));
  Object.AttachControl(&Form);
  Object.MouseEnter();
  EXPECT_EQ(Object.State(), osHot);
  EXPECT_EQ(Inner->State(), osHot);
  Object.MouseLeave();
  EXPECT_EQ(Inner->State(), osNormal);
  EXPECT_EQ(Form.Invalidated.size(), 2u);
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
