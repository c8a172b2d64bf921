// The menu item tree: ownership, tree errors, change notices, clicks and shortcuts.

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/menu/MenuGeometry.h"
#include "controls/menu/SeCustomItem.h"
#include "toolkit/Actions.h"
#include "toolkit/PropertyStream.h"

namespace {

class MenuItemTest : public ::testing::Test {
protected:
  void TearDown() override {
    TSeCustomItem::SetClickSink(nullptr);
    TSeCustomItem::SetErrorSink(nullptr);
  }
  TSeCustomItem* Item(const std::string& Caption, TSeCustomItem* Parent = nullptr) {
    auto* Made = MakeComponent<TSeCustomItem>(&Owner);
    Made->SetCaption(Caption);
    if (Parent)
      Parent->Add(Made);
    return Made;
  }
  TComponent Owner{nullptr};
};

class TLoggedItem : public TSeCustomItem {
public:
  TLoggedItem(TComponent* AOwner, std::vector<std::string>& Log, std::string Tag)
      : TSeCustomItem(AOwner), FLog(Log), FTag(std::move(Tag)) {}
  ~TLoggedItem() override { FLog.push_back(FTag); }

private:
  std::vector<std::string>& FLog;
  std::string FTag;
};

TEST_F(MenuItemTest, AnItemFreesItsChildrenLastFirstAndAFreedItemLeavesItsParent) {
  std::vector<std::string> Freed;
  auto* Root = MakeComponent<TSeCustomItem>(&Owner);
  auto* Owned = MakeComponent<TLoggedItem>(&Owner, Freed, "owned");
  Root->Add(Owned);
  Root->Add(new TLoggedItem(nullptr, Freed, "unowned"));
  auto* Doomed = Item("doomed", Root);
  EXPECT_EQ(3, Root->Count());

  Doomed->Free();
  EXPECT_EQ(2, Root->Count());
  EXPECT_EQ(-1, Root->IndexOf(Doomed));

  Root->Free();
  EXPECT_EQ((std::vector<std::string>{"unowned", "owned"}), Freed);
  // The owned child went through its owner, which no longer lists it.
  EXPECT_EQ(0, Owner.ComponentCount());
}

TEST_F(MenuItemTest, AnItemAlreadyInATreeIsRefusedAndNothingChanges) {
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* A = Item("a", Root);
  TSeCustomItem* B = Item("b", A);
  TSeCustomItem* Other = Item("other");
  try {
    Other->Add(B);
    FAIL() << "inserted twice";
  } catch (const EQzItemError& E) {
    EXPECT_STREQ("Toolbar item already inserted", E.what());
  }
  EXPECT_EQ(A, B->Parent());
  EXPECT_EQ(0, Other->Count());
  // Nor can an item take in the items above it.
  EXPECT_THROW(B->Add(Root), EQzItemError);
  EXPECT_EQ(nullptr, Root->Parent());
  // Taken out, it may go elsewhere; Insert keeps the index within the list.
  A->Remove(B);
  EXPECT_EQ(nullptr, B->Parent());
  Other->Insert(5, Item("first", nullptr));
  Other->Insert(0, B);
  EXPECT_EQ(B, Other->Items(0));
  EXPECT_EQ("first", Other->Items(1)->Caption());
}

TEST_F(MenuItemTest, ChangesReachTheItemAndTheRootButNotWhileLoading) {
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* Child = Item("child", Root);
  TSeCustomItem* Leaf = Item("leaf", Child);
  int RootChanges = 0, LeafChanges = 0;
  Root->OnTreeChange = [&] { ++RootChanges; };
  Leaf->OnTreeChange = [&] { ++LeafChanges; };
  Leaf->SetCaption("Leaf");
  Leaf->SetCaption("Leaf"); // unchanged: no notice
  EXPECT_EQ(1, RootChanges);
  EXPECT_EQ(1, LeafChanges);
  Child->Add(Item("new"));
  EXPECT_EQ(2, RootChanges);
  Leaf->SetLoading(true);
  Leaf->SetEnabled(false);
  EXPECT_EQ(2, RootChanges);
}

TEST_F(MenuItemTest, OnlyEnabledLeavesClickAndASinkDefersTheClick) {
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* Leaf = Item("&Open", Root);
  TSeCustomItem* Separator = Item("-", Root);
  TSeCustomItem* Parent = Item("More", Root);
  Item("Inner", Parent);
  std::vector<TObject*> Clicked;
  for (TSeCustomItem* Each : {Leaf, Separator, Parent})
    Each->OnClick = [&](TObject* Sender) { Clicked.push_back(Sender); };
  Separator->Click();
  Parent->Click();
  EXPECT_TRUE(Clicked.empty());
  Leaf->Click();
  EXPECT_EQ((std::vector<TObject*>{Leaf}), Clicked);
  Leaf->SetEnabled(false);
  Leaf->Click();
  EXPECT_EQ(1u, Clicked.size());

  std::vector<TSeCustomItem*> Deferred;
  TSeCustomItem::SetClickSink([&](TSeCustomItem* Sent) { Deferred.push_back(Sent); });
  Leaf->SetEnabled(true);
  Leaf->Click();
  EXPECT_EQ(1u, Clicked.size());
  ASSERT_EQ((std::vector<TSeCustomItem*>{Leaf}), Deferred);
  EXPECT_TRUE(TSeCustomItem::Exists(Leaf));
  Deferred[0]->ExecuteClick();
  EXPECT_EQ(2u, Clicked.size());
  Leaf->Free();
  EXPECT_FALSE(TSeCustomItem::Exists(Leaf));
}

TEST_F(MenuItemTest, AShortCutClicksItsItemOnlyThroughEnabledParents) {
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* File = Item("File", Root);
  TSeCustomItem* Save = Item("Save", File);
  TSeCustomItem* Other = Item("Other", Root);
  const int CtrlS = MenuShortCut('S', false, true, false);
  Save->SetShortCut(CtrlS);
  Other->SetShortCut(CtrlS); // later in depth-first order: never reached
  int Saves = 0, Others = 0;
  Save->OnClick = [&](TObject*) { ++Saves; };
  Other->OnClick = [&](TObject*) { ++Others; };
  File->OnClick = [&](TObject*) { ADD_FAILURE() << "a parent acted"; };

  EXPECT_TRUE(Root->IsShortCut(CtrlS));
  EXPECT_EQ(1, Saves);
  EXPECT_FALSE(Root->IsShortCut(MenuShortCut('S', false, false, false)));
  File->SetEnabled(false);
  EXPECT_TRUE(Root->IsShortCut(CtrlS));
  EXPECT_EQ(1, Saves);
  EXPECT_EQ(0, Others);
}

TEST_F(MenuItemTest, AShortCutWhoseItemGoesIsLookedForAgain) {
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* First = Item("First", Root);
  TSeCustomItem* Second = Item("Second", Root);
  constexpr int Key = MenuShortCut(0x71, false, false, false);
  First->SetShortCut(Key);
  Second->SetShortCut(Key);
  std::vector<std::string> Ran;
  First->OnClick = [&](TObject*) {
    Ran.push_back("first");
    First->Free();
  };
  Second->OnClick = [&](TObject*) { Ran.push_back("second"); };
  EXPECT_TRUE(Root->IsShortCut(Key));
  EXPECT_EQ((std::vector<std::string>{"first", "second"}), Ran);
  // Clicks that keep handing the key to each other stop after a bounded number of searches.
  TSeCustomItem* Third = Item("Third", Root);
  int Clicks = 0;
  auto HandOver = [&](TSeCustomItem* From, TSeCustomItem* To) {
    From->OnClick = [&Clicks, From, To](TObject*) {
      ++Clicks;
      From->SetShortCut(0);
      To->SetShortCut(Key);
    };
  };
  HandOver(Second, Third);
  HandOver(Third, Second);
  EXPECT_TRUE(Root->IsShortCut(Key));
  EXPECT_EQ(8, Clicks);
}

TEST_F(MenuItemTest, AnErrorInAShortCutsClickGoesToTheErrorSink) {
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* Bad = Item("Bad", Root);
  Bad->SetShortCut(0x70);
  Bad->OnClick = [](TObject*) { throw std::runtime_error("click failed"); };
  EXPECT_THROW(Root->IsShortCut(0x70), std::runtime_error);
  std::string Reported;
  TSeCustomItem::SetErrorSink([&](const std::exception& E) { Reported = E.what(); });
  EXPECT_TRUE(Root->IsShortCut(0x70));
  EXPECT_EQ("click failed", Reported);
}

TEST_F(MenuItemTest, AnActionGivesTheItemItsStateNowAndAtEveryChange) {
  auto* Save = MakeComponent<TAction>(&Owner);
  Save->SetCaption("&Save");
  Save->SetShortCut(MenuShortCut('S', false, true, false));
  Save->SetHint("Saves it");
  int Saves = 0;
  Save->SetOnExecute([&](TObject*) { ++Saves; });
  TSeCustomItem* Root = Item("root");
  TSeCustomItem* Leaf = Item("", Root);
  Leaf->SetAction(Save);
  EXPECT_EQ("&Save", Leaf->Caption());
  EXPECT_EQ(0x4053, Leaf->ShortCut());
  EXPECT_EQ("Saves it", Leaf->Hint());
  Leaf->Click();
  EXPECT_EQ(1, Saves);
  EXPECT_TRUE(Root->IsShortCut(0x4053));
  EXPECT_EQ(2, Saves);

  Save->SetEnabled(false);
  Save->SetChecked(true);
  Save->SetImageIndex(3);
  EXPECT_FALSE(Leaf->Enabled());
  EXPECT_TRUE(Leaf->Checked());
  EXPECT_EQ(3, Leaf->ImageIndex());
  Leaf->Click(); // disabled: nothing
  EXPECT_EQ(2, Saves);

  // Gone: the item keeps what it showed, the handler included, and no longer follows.
  Save->Free();
  EXPECT_EQ(nullptr, Leaf->Action());
  EXPECT_EQ("&Save", Leaf->Caption());
  Leaf->SetEnabled(true);
  Leaf->Click();
  EXPECT_EQ(3, Saves);
}

TEST_F(MenuItemTest, AStoredItemKeepsItsOwnValuesAndItsOwnClick) {
  auto* Open = MakeComponent<TAction>(&Owner);
  Open->SetCaption("&Open");
  Open->SetHint("Opens it");
  std::vector<std::string> Ran;
  Open->SetOnExecute([&](TObject*) { Ran.push_back("action"); });
  TSeCustomItem* Leaf = Item("Open &file");
  Leaf->OnClick = [&](TObject*) { Ran.push_back("own"); };
  // Read from a stored layout: only what the item left at its defaults is taken.
  Leaf->SetLoading(true);
  Leaf->SetAction(Open);
  Leaf->Loaded();
  EXPECT_EQ("Open &file", Leaf->Caption());
  EXPECT_EQ("Opens it", Leaf->Hint());
  Leaf->Click();
  EXPECT_EQ((std::vector<std::string>{"own"}), Ran);

  // An item without a handler of its own runs the action's; unlinked, it keeps that handler
  // but no longer follows the action's changes.
  TSeCustomItem* Other = Item("");
  Other->SetAction(Open);
  Other->Click();
  EXPECT_EQ((std::vector<std::string>{"own", "action"}), Ran);
  Other->SetAction(nullptr);
  Open->SetCaption("&Open again");
  EXPECT_EQ("&Open", Other->Caption());
  Other->Click();
  EXPECT_EQ(3u, Ran.size());
}

TEST_F(MenuItemTest, AStoredItemNamesItsActionAndIsWrittenInStreamOrder) {
  auto* Open = MakeComponent<TAction>(&Owner);
  Open->SetName("actOpen");
  Open->SetCaption("&Open");
  Open->SetHint("Opens it");
  TSeCustomItem* Stored = Item("");
  Stored->SetName("mnuOpen");
  Stored->SetLoading(true);
  ComponentFromText("object mnuOpen: TSeCustomItem\r\n"
                    "  Action = actOpen\r\n"
                    "  Caption = 'Open &file'\r\n"
                    "  ShortCut = 16463\r\n"
                    "end\r\n",
                    *Stored);
  Stored->Loaded();
  EXPECT_EQ(Open, Stored->Action());
  // Linked as a stored item is: its own caption stays, the action's hint fills the blank.
  EXPECT_EQ("Open &file", Stored->Caption());
  EXPECT_EQ("Opens it", Stored->Hint());
  EXPECT_EQ("object mnuOpen: TSeCustomItem\r\n"
            "  Action = actOpen\r\n"
            "  HelpContext = 0\r\n"
            "  Hint = 'Opens it'\r\n"
            "  Checked = False\r\n"
            "  Enabled = True\r\n"
            "  Caption = 'Open &file'\r\n"
            "  ImageIndex = -1\r\n"
            "  Scrolled = False\r\n"
            "  ScrollCount = 0\r\n"
            "  ShortCut = 16463\r\n"
            "  Visible = True\r\n"
            "end\r\n",
            ComponentToText(*Stored));
}

} // namespace
