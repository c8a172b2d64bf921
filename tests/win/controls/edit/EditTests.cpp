// The edit with the real keyboard and the real clipboard: the length limit, undo steps,
// Shift selections and word moves, cut, copy and paste by every key and message, passwords
// that keep the clipboard as it was, case conversion of pasted text, and text beyond the
// 8-bit code page typed, pasted, moved over and deleted whole.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "tests/win/controls/edit/EditFixture.h"

namespace {

using EditKeysTest = EditFixture;

TEST_F(EditKeysTest, TypingAtTheLimitChangesNothingAndLeavesNoUndoStep) {
  Edit->SetMaxLength(3);
  FocusAtEnd();
  TypeUnits(L"abc");
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"abc"; }));
  TypeUnits(L"d");
  Settle();
  EXPECT_EQ(Edit->Text(), L"abc");
  EXPECT_EQ(Edit->Model().History().size(), 1u);
  // The typing is one step: one Ctrl+Z takes all of it away.
  CtrlKey('Z');
  ASSERT_TRUE(WaitFor([&] { return Edit->Text().empty(); }));
  EXPECT_FALSE(Edit->Model().CanUndo());
}

TEST_F(EditKeysTest, BackspacesInARowAreUndoneByOneCtrlZ) {
  Start(L"hello world");
  for (int I = 0; I < 3; ++I)
    TapKey(VK_BACK);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"hello wo"; }));
  CtrlKey('Z');
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"hello world"; }));
  EXPECT_EQ(Edit->SelText(), L"rld");
  // Delete forward merges the same way; Shift+Delete cuts.
  TapKey(VK_HOME);
  TapKey(VK_DELETE);
  TapKey(VK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"llo world"; }));
  EXPECT_EQ(Edit->Model().History().size(), 1u);
  ShiftKey(VK_END);
  ShiftKey(VK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text().empty(); }));
  EXPECT_EQ(Clipboard(), L"llo world");
}

TEST_F(EditKeysTest, ReplacingTheSelectionByTypingIsUndoneInOneStep) {
  Start(L"hello world");
  KeyInput(VK_SHIFT, true);
  CtrlKey(VK_LEFT);
  KeyInput(VK_SHIFT, false);
  ASSERT_TRUE(WaitFor([&] { return Edit->SelText() == L"world"; }));
  TypeUnits(L"there");
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"hello there"; }));
  CtrlKey('Z');
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"hello world"; }));
  EXPECT_EQ(Edit->SelText(), L"world");
  EXPECT_FALSE(Edit->Model().CanUndo());
}

TEST_F(EditKeysTest, ShiftSelectsFromWhereTheSelectionBeganAndCtrlMovesByWords) {
  Start(L"one two three");
  TapKey(VK_HOME);
  for (int I = 0; I < 5; ++I)
    TapKey(VK_RIGHT);
  ShiftKey(VK_LEFT);
  ShiftKey(VK_LEFT);
  Settle();
  EXPECT_EQ(Edit->CaretPosition(), 3);
  EXPECT_EQ(Edit->Model().Anchor(), 3);
  EXPECT_EQ(Edit->Model().SelLength(), 2);
  EXPECT_EQ(Edit->SelText(), L" t");
  ShiftKey(VK_END);
  Settle();
  EXPECT_EQ(Edit->SelText(), L"wo three");
  EXPECT_EQ(Edit->Model().SelLength(), -8);
  // Ctrl: word starts; without Shift the selection goes.
  CtrlKey(VK_LEFT);
  Settle();
  EXPECT_EQ(Edit->CaretPosition(), 8);
  EXPECT_EQ(Edit->SelLength(), 0);
  CtrlKey(VK_LEFT);
  CtrlKey(VK_LEFT);
  Settle();
  EXPECT_EQ(Edit->CaretPosition(), 0);
  CtrlKey(VK_RIGHT, true);
  Settle();
  EXPECT_EQ(Edit->SelText(), L"one ");
}

TEST_F(EditKeysTest, EveryClipboardKeyAndMessageWorks) {
  Start(L"copy me");
  SetClipboard(L"before");
  ShiftKey(VK_HOME);
  CtrlKey('C');
  Settle();
  EXPECT_EQ(Clipboard(), L"copy me");
  TapKey(VK_END);
  CtrlKey('V');
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"copy mecopy me"; }));
  ShiftKey(VK_INSERT);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"copy mecopy mecopy me"; }));
  KeyInput(VK_SHIFT, true);
  CtrlKey(VK_LEFT);
  KeyInput(VK_SHIFT, false);
  CtrlKey('X');
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"copy mecopy mecopy "; }));
  EXPECT_EQ(Clipboard(), L"me");
  ShiftKey(VK_LEFT);
  CtrlKey(VK_INSERT);
  Settle();
  EXPECT_EQ(Clipboard(), L" ");

  // The platform's messages do the same.
  const HWND Wnd = Edit->Handle();
  SendMessageW(Wnd, WM_CUT, 0, 0);
  EXPECT_EQ(Edit->Text(), L"copy mecopy mecopy");
  // The space was taken just before the word cut last: one step with it.
  SendMessageW(Wnd, WM_UNDO, 0, 0);
  EXPECT_EQ(Edit->Text(), L"copy mecopy mecopy me");
  EXPECT_EQ(Edit->SelText(), L" me");
  SetClipboard(L"!");
  SendMessageW(Wnd, WM_PASTE, 0, 0);
  EXPECT_EQ(Edit->Text(), L"copy mecopy mecopy!");
  Edit->SelectAll();
  SendMessageW(Wnd, WM_COPY, 0, 0);
  EXPECT_EQ(Clipboard(), L"copy mecopy mecopy!");
  SendMessageW(Wnd, WM_CLEAR, 0, 0);
  EXPECT_EQ(Edit->Text(), L"");
  EXPECT_EQ(SendMessageW(Wnd, WM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Edit->Text(), L"copy mecopy mecopy!");
}

TEST_F(EditKeysTest, APasswordLeavesTheClipboardAsItWas) {
  for (const TPasswordKind Kind : {pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle}) {
    Edit->SetPasswordKind(Kind);
    Start(L"secret");
    SetClipboard(L"keep");
    ShiftKey(VK_HOME);
    CtrlKey('C');
    CtrlKey(VK_INSERT);
    Settle();
    EXPECT_EQ(Clipboard(), L"keep");
    // Cut still takes the text away, without copying it.
    CtrlKey('X');
    ASSERT_TRUE(WaitFor([&] { return Edit->Text().empty(); }));
    EXPECT_EQ(Clipboard(), L"keep");
    CtrlKey('V');
    ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"keep"; }));
  }
  // A mask character makes the kind pkChar.
  Edit->SetPasswordKind(pkNone);
  Edit->SetPasswordWideChar(L'#');
  EXPECT_EQ(Edit->PasswordKind(), pkChar);
}

TEST_F(EditKeysTest, UpperCaseTurnsPastedTextToCapitals) {
  Edit->SetCharCase(ecUpperCase);
  Start(L"");
  SetClipboard(L"pasted ёж text\r\nnext");
  CtrlKey('V');
  // Pasted as typed: the line break does not go in.
  ASSERT_TRUE(WaitFor([&] { return !Edit->Text().empty(); }));
  EXPECT_EQ(Edit->Text(), L"PASTED ЁЖ TEXTNEXT");
  TypeUnits(L"x");
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"PASTED ЁЖ TEXTNEXTX"; }));
  Edit->SetCharCase(ecLowerCase);
  EXPECT_EQ(Edit->Text(), L"pasted ёж textnextx");
}

TEST_F(EditKeysTest, CyrillicCjkAndEmojiAreTypedPastedMovedOverAndDeletedWhole) {
  const std::wstring Smile = L"\U0001F600";
  ASSERT_EQ(Smile.size(), 2u);
  Start(L"");
  TypeUnits(L"Жук 中文" + Smile);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"Жук 中文" + Smile; }));
  // One Left steps over the pair, Shift+Left selects it whole.
  TapKey(VK_LEFT);
  Settle();
  EXPECT_EQ(Edit->CaretPosition(), 6);
  ShiftKey(VK_RIGHT);
  Settle();
  EXPECT_EQ(Edit->SelText(), Smile);
  CtrlKey('C');
  Settle();
  EXPECT_EQ(Clipboard(), Smile);
  // Delete takes the pair, Backspace the ideograph before it.
  TapKey(VK_DELETE);
  TapKey(VK_BACK);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"Жук 中"; }));
  CtrlKey('V');
  CtrlKey('V');
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"Жук 中" + Smile + Smile; }));
  TapKey(VK_BACK);
  ASSERT_TRUE(WaitFor([&] { return Edit->Text() == L"Жук 中" + Smile; }));
  // The window's text is the same wide text.
  wchar_t Window[64] = {};
  GetWindowTextW(Edit->Handle(), Window, 64);
  EXPECT_EQ(std::wstring(Window), L"Жук 中" + Smile);
}

TEST_F(EditKeysTest, ReadOnlyTakesNoEditButCopies) {
  Edit->SetReadOnly(true);
  Start(L"fixed");
  SetClipboard(L"other");
  TypeUnits(L"x");
  TapKey(VK_BACK);
  CtrlKey('V');
  ShiftKey(VK_HOME);
  CtrlKey('X');
  Settle();
  EXPECT_EQ(Edit->Text(), L"fixed");
  EXPECT_EQ(Clipboard(), L"fixed");
  EXPECT_EQ(SendMessageW(Edit->Handle(), WM_UNDO, 0, 0), FALSE);
}

TEST_F(EditKeysTest, TabAndArrowKeysAreTheEditsAndFocusSelectsAll) {
  EXPECT_EQ(SendMessageW(Edit->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  Edit->SetText(L"all of it");
  Other->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return Other->Focused(); }));
  // Tab leaves for the next control, and arriving selects the whole text.
  ShiftKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Edit->Focused(); }));
  EXPECT_EQ(Edit->SelText(), L"all of it");
  EXPECT_EQ(Edit->CaretPosition(), 9);
  TapKey(VK_LEFT);
  Settle();
  Edit->SetAutoSelect(false);
  TapKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Other->Focused(); }));
  ShiftKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Edit->Focused(); }));
  EXPECT_EQ(Edit->SelLength(), 0);
  EXPECT_EQ(Edit->CaretPosition(), 8);
}

} // namespace
