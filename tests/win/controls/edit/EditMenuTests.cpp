// The edit's context menu, opened by the real right button and by Shift+F10: which items
// are enabled for what the edit can do, items that act once the menu has gone, and the
// skinned edit's skinned menu. A second thread plays the user while the menu's loop runs.

#include <windows.h>

#include <atomic>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "SkinViews.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SeSkinPopupMenu.h"
#include "skin/SkinEngine.h"
#include "tests/win/controls/edit/EditFixture.h"
#include "tests/win/controls/menu/MenuTestSupport.h"

namespace {

class EditMenuTest : public EditFixture {
protected:
  // The menu opened (by the right button over the edit, or by Shift+F10), Script played
  // while it shows; back once it has closed and what its click does has run.
  void WithMenu(bool ByKeyboard, std::function<void()> Script) {
    std::atomic<bool> Played = false;
    Play([&, Script] {
      if (WaitForLevels(MainThread, 1)) {
        Sleep(50);
        Level = WindowRectOf(VisibleLevels(MainThread).front());
        Script();
      }
      Played = true;
    });
    if (ByKeyboard) {
      PointAt({5, 5}); // away from where the menu opens
      ShiftKey(VK_F10);
    } else {
      ASSERT_TRUE(PointAt(Edit->ClientToScreen({30, 10})));
      for (const DWORD Flag : {DWORD{MOUSEEVENTF_RIGHTDOWN}, DWORD{MOUSEEVENTF_RIGHTUP}}) {
        INPUT Input{};
        Input.type = INPUT_MOUSE;
        Input.mi.dwFlags = Flag;
        SendInput(1, &Input, sizeof Input);
      }
    }
    ASSERT_TRUE(WaitFor([&] { return Played && !TSeCustomPopupMenu::OpenMenu(); }, 6000));
    User.join();
    PumpFor(50); // the click, posted as the menu closed
  }
  // Whether each item is enabled: Undo, Cut, Copy, Paste, Delete, Select All.
  std::vector<bool> Enabled() const {
    std::vector<bool> Result;
    TSeCustomItem* Root = Edit->ContextMenu()->Items();
    for (int I = 0; I < Root->Count(); ++I)
      if (!Root->Items(I)->IsSeparator())
        Result.push_back(Root->Items(I)->Enabled());
    return Result;
  }
  static void Escape() { TapKey(VK_ESCAPE); }

  RECT Level{};
};

TEST_F(EditMenuTest, ItsItemsAreEnabledForWhatTheEditCanDo) {
  Start(L"some text");
  SetClipboard(L"clip");
  WithMenu(false, Escape);
  ASSERT_NE(Edit->ContextMenu(), nullptr);
  std::vector<std::string> Captions;
  for (int I = 0; I < Edit->ContextMenu()->Items()->Count(); ++I)
    Captions.push_back(Edit->ContextMenu()->Items()->Items(I)->Caption());
  EXPECT_EQ(Captions, (std::vector<std::string>{"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-",
                                                "Select All"}));
  // No history, no selection, text on the clipboard.
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, true, false, true}));

  TypeUnits(L"!");
  ShiftKey(VK_HOME);
  Settle();
  ASSERT_TRUE(Edit->Model().AllSelected());
  WithMenu(false, Escape);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true, true, false}));

  // A password: Copy and Cut are off while Delete stays on.
  Edit->SetPasswordKind(pkRect);
  WithMenu(false, Escape);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, true, true, false}));

  // Read-only: nothing that changes the text; an empty clipboard: no Paste either.
  Edit->SetPasswordKind(pkNone);
  Edit->SetReadOnly(true);
  TapKey(VK_LEFT);
  Settle();
  {
    const TClipboardGuard Clipboard(Form->Handle());
    EmptyClipboard();
  }
  WithMenu(false, Escape);
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, false, false, true}));
}

TEST_F(EditMenuTest, ItsItemsActOnceTheMenuHasGone) {
  Start(L"menu");
  // Up from the first row wraps to "Select All".
  WithMenu(false, [] {
    TapKey(VK_UP);
    Sleep(30);
    TapKey(VK_RETURN);
  });
  ASSERT_TRUE(WaitFor([&] { return Edit->Model().AllSelected(); }));
  EXPECT_TRUE(VisibleLevels(MainThread).empty());
  // Down three times: Cut, Copy, Paste (separators are passed over).
  SetClipboard(L"pasted");
  WithMenu(true, [] {
    for (int I = 0; I < 3; ++I) {
      TapKey(VK_DOWN);
      Sleep(30);
    }
    TapKey(VK_RETURN);
  });
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"pasted"; }));
  // Undo, the first row, takes the paste back in one step.
  WithMenu(true, [] { TapKey(VK_RETURN); });
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"menu"; }));
}

TEST_F(EditMenuTest, FromTheKeyboardItOpensBelowTheCaret) {
  Start(L"abc");
  TapKey(VK_LEFT);
  Settle();
  WithMenu(true, Escape);
  const POINT Expected = Edit->ClientToScreen({Edit->CaretX(2), Edit->TextRect().bottom});
  EXPECT_EQ(Level.left, Expected.x);
  EXPECT_EQ(Level.top, Expected.y);
  EXPECT_TRUE(Edit->Focused());
}

TEST_F(EditMenuTest, TheSkinnedEditsMenuIsSkinnedWithItsEngine) {
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  LoadSkin(MIREVAN_DARK_SKIN, *Engine->Source());
  Edit->SetSkinEngine(Engine);
  Start(L"skinned");
  WithMenu(false, Escape);
  auto* Menu = dynamic_cast<TSeSkinPopupMenu*>(Edit->ContextMenu());
  ASSERT_NE(Menu, nullptr);
  EXPECT_EQ(Menu->SkinEngine(), Engine);
  // The plain edit's menu is the plain one.
  Other->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return Other->Focused(); }));
  std::atomic<bool> Played = false;
  Play([&] {
    if (WaitForLevels(MainThread, 1))
      Escape();
    Played = true;
  });
  SendMessageW(Other->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Other->Handle()),
               MAKELPARAM(200, 200));
  ASSERT_TRUE(WaitFor([&] { return Played.load(); }));
  User.join();
  ASSERT_NE(Other->ContextMenu(), nullptr);
  EXPECT_EQ(dynamic_cast<TSeSkinPopupMenu*>(Other->ContextMenu()), nullptr);
}

} // namespace
