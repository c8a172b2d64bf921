// The single-line edit without a window: the undo history's merging and chains, the limit on
// length, the selection's arithmetic under Shift, word moves, case conversion, text beyond
// Latin (Cyrillic, CJK, surrogate pairs), and where characters stand on the line.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/edit/EditModel.h"

namespace {

void Type(TEditModel& Edit, const std::u16string& Text) {
  for (char16_t C : Text)
    Edit.TypeChar(C);
}

// The model with its text set and the caret at Caret.
TEditModel ModelWith(const std::u16string& Text, int Caret) {
  TEditModel Edit;
  Edit.SetText(Text);
  Edit.MoveCaret(Caret, false);
  return Edit;
}

// 8 pixels a character (a surrogate pair is one), the text rectangle from 10 to 90: ten
// characters fit.
TEditLayout FixedLayout(TAlignment Alignment = TAlignment::taLeftJustify) {
  TEditLayout Layout;
  Layout.Left = 10;
  Layout.Right = 90;
  Layout.Alignment = Alignment;
  Layout.TextWidth = [](std::u16string_view Run) {
    const std::u16string Text(Run);
    return CharCount(Text, 0, static_cast<int>(Text.size())) * 8;
  };
  return Layout;
}

// ---------------------------------------------------------------------------------------
// Undo history

TEST(EditUndoTest, TypingAtMaxLengthChangesNothingAndLeavesNoStep) {
  TEditModel Edit;
  Edit.MaxLength = 3;
  Type(Edit, u"abc");
  ASSERT_EQ(Edit.Text(), u"abc");
  ASSERT_EQ(Edit.History().size(), 1u);
  Edit.TypeChar(u'd');
  EXPECT_EQ(Edit.Text(), u"abc");
  EXPECT_EQ(Edit.History().size(), 1u);
  EXPECT_EQ(Edit.History().back().Length, 3);

  // A replacement that would come out too long is refused as a whole: the selection is
  // cleared, its text stays.
  Edit.MoveCaret(1, false);
  Edit.MoveCaret(2, true);
  ASSERT_EQ(Edit.SelText(), u"b");
  EXPECT_FALSE(Edit.InsertText(u"xy"));
  EXPECT_EQ(Edit.Text(), u"abc");
  EXPECT_FALSE(Edit.HasSelection());
  EXPECT_EQ(Edit.Caret(), 2);
  EXPECT_EQ(Edit.History().size(), 1u);
  // One that fits replaces it.
  Edit.MoveCaret(1, true);
  EXPECT_TRUE(Edit.InsertText(u"x"));
  EXPECT_EQ(Edit.Text(), u"axc");
}

TEST(EditUndoTest, BackspacesInARowAreUndoneAtOnce) {
  TEditModel Edit = ModelWith(u"hello world", 11);
  for (int I = 0; I < 3; ++I)
    EXPECT_TRUE(Edit.Backspace());
  ASSERT_EQ(Edit.Text(), u"hello wo");
  ASSERT_EQ(Edit.History().size(), 1u);
  EXPECT_EQ(Edit.History()[0].Text, u"rld");
  EXPECT_EQ(Edit.History()[0].Position, 9);
  EXPECT_TRUE(Edit.Undo());
  EXPECT_EQ(Edit.Text(), u"hello world");
  // The text that came back is selected, the caret at its end.
  EXPECT_EQ(Edit.SelText(), u"rld");
  EXPECT_EQ(Edit.Caret(), 11);
  EXPECT_FALSE(Edit.CanUndo());
  EXPECT_FALSE(Edit.Undo());
}

TEST(EditUndoTest, DeletesInARowMergeBehindAndApartTheyStaySteps) {
  TEditModel Edit = ModelWith(u"abcdef", 1);
  Edit.DeleteForward();
  Edit.DeleteForward();
  ASSERT_EQ(Edit.Text(), u"adef");
  ASSERT_EQ(Edit.History().size(), 1u);
  EXPECT_EQ(Edit.History()[0].Text, u"bc");
  EXPECT_EQ(Edit.History()[0].Position, 2);
  // A deletion elsewhere is a step of its own, and so is one after typing.
  Edit.Move(TEditMove::emEnd, false);
  Edit.Backspace();
  EXPECT_EQ(Edit.History().size(), 2u);
  Edit.TypeChar(u'x');
  Edit.Backspace();
  EXPECT_EQ(Edit.History().size(), 4u);
  EXPECT_EQ(Edit.Text(), u"ade");
  Edit.Undo(); // the x comes back
  Edit.Undo(); // and goes
  EXPECT_EQ(Edit.Text(), u"ade");
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"adef");
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"abcdef");
  EXPECT_EQ(Edit.SelText(), u"bc");
}

TEST(EditUndoTest, TypedTextIsOneStepAndUndoPutsTheCaretBeforeIt) {
  TEditModel Edit = ModelWith(u"12", 1);
  Type(Edit, u"abc");
  ASSERT_EQ(Edit.Text(), u"1abc2");
  ASSERT_EQ(Edit.History().size(), 1u);
  EXPECT_EQ(Edit.History()[0].Kind, TEditUndoRecord::ukInsertion);
  EXPECT_EQ(Edit.History()[0].Position, 2);
  EXPECT_EQ(Edit.History()[0].Length, 3);
  // Typing somewhere else starts a new step.
  Edit.Move(TEditMove::emHome, false);
  Edit.TypeChar(u'z');
  EXPECT_EQ(Edit.History().size(), 2u);
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"1abc2");
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"12");
  EXPECT_EQ(Edit.Caret(), 1);
  EXPECT_FALSE(Edit.HasSelection());
}

TEST(EditUndoTest, ReplacingASelectionIsUndoneInOneStep) {
  TEditModel Edit = ModelWith(u"hello world", 6);
  Edit.Move(TEditMove::emEnd, true);
  ASSERT_EQ(Edit.SelText(), u"world");
  Type(Edit, u"there");
  ASSERT_EQ(Edit.Text(), u"hello there");
  ASSERT_EQ(Edit.History().size(), 2u);
  EXPECT_EQ(Edit.History()[0].Kind, TEditUndoRecord::ukDeletion);
  EXPECT_EQ(Edit.History()[0].Text, u"world");
  EXPECT_TRUE(Edit.History()[1].Chained);
  EXPECT_EQ(Edit.History()[1].Length, 5);
  EXPECT_TRUE(Edit.Undo());
  EXPECT_EQ(Edit.Text(), u"hello world");
  EXPECT_EQ(Edit.SelText(), u"world");
  EXPECT_FALSE(Edit.CanUndo());
}

TEST(EditUndoTest, ReadOnlyRefusesEveryEdit) {
  TEditModel Edit = ModelWith(u"abc", 3);
  Edit.Backspace();
  Edit.ReadOnly = true;
  Edit.SelectAll();
  EXPECT_FALSE(Edit.TypeChar(u'x'));
  EXPECT_FALSE(Edit.InsertText(u"x"));
  EXPECT_FALSE(Edit.Backspace());
  EXPECT_FALSE(Edit.DeleteForward());
  EXPECT_FALSE(Edit.DeleteSelection());
  EXPECT_FALSE(Edit.Undo());
  EXPECT_EQ(Edit.Text(), u"ab");
  EXPECT_EQ(Edit.History().size(), 1u);
}

TEST(EditUndoTest, TextSetFromOutsideEmptiesTheHistoryAndReportsChangesOnly) {
  TEditModel Edit;
  int Changes = 0;
  Edit.OnChange = [&] { ++Changes; };
  Type(Edit, u"ab");
  EXPECT_EQ(Changes, 2);
  Edit.SetText(u"ab");
  EXPECT_EQ(Changes, 2);
  EXPECT_FALSE(Edit.CanUndo());
  Edit.SetText(u"x");
  EXPECT_EQ(Changes, 3);
  EXPECT_EQ(Edit.Caret(), 1); // kept within the shorter text
  // Nothing to delete is no change and no step.
  Edit.Move(TEditMove::emEnd, false);
  EXPECT_FALSE(Edit.DeleteForward());
  Edit.Move(TEditMove::emHome, false);
  EXPECT_FALSE(Edit.Backspace());
  EXPECT_EQ(Changes, 3);
  EXPECT_FALSE(Edit.CanUndo());
}

// ---------------------------------------------------------------------------------------
// Caret and selection

TEST(EditSelectionTest, ShiftMovesKeepTheAnchorAtTheCaretAndCountFromWhereTheyBegan) {
  TEditModel Edit = ModelWith(u"abcdef", 3);
  struct TStep {
    TEditMove Move;
    int Caret, Length;
    std::u16string Selected;
  };
  const std::vector<TStep> Steps{
      {TEditMove::emLeft, 2, 1, u"c"},      {TEditMove::emLeft, 1, 2, u"bc"},
      {TEditMove::emRight, 2, 1, u"c"},     {TEditMove::emRight, 3, 0, u""},
      {TEditMove::emRight, 4, -1, u"d"},    {TEditMove::emEnd, 6, -3, u"def"},
      {TEditMove::emHome, 0, 3, u"abc"},    {TEditMove::emWordRight, 6, -3, u"def"},
      {TEditMove::emWordLeft, 0, 3, u"abc"}};
  for (const TStep& Step : Steps) {
    Edit.Move(Step.Move, true);
    EXPECT_EQ(Edit.Caret(), Step.Caret);
    EXPECT_EQ(Edit.Anchor(), Step.Caret);
    EXPECT_EQ(Edit.SelLength(), Step.Length);
    EXPECT_EQ(Edit.SelText(), Step.Selected);
  }
  // Without Shift the selection goes.
  Edit.Move(TEditMove::emRight, false);
  EXPECT_EQ(Edit.Caret(), 1);
  EXPECT_FALSE(Edit.HasSelection());
  EXPECT_EQ(Edit.Anchor(), 1);
}

TEST(EditSelectionTest, ExtendingASelectionMadeAtOnceKeepsItsStart) {
  // Select All leaves the anchor at 0 and the caret at the end: Shift+Left shortens the
  // selection from the end instead of running past the text.
  TEditModel Edit = ModelWith(u"abcdef", 2);
  Edit.SelectAll();
  EXPECT_EQ(Edit.Caret(), 6);
  EXPECT_EQ(Edit.Anchor(), 0);
  EXPECT_EQ(Edit.SelLength(), 6);
  EXPECT_TRUE(Edit.AllSelected());
  Edit.Move(TEditMove::emLeft, true);
  EXPECT_EQ(Edit.SelText(), u"abcde");
  EXPECT_EQ(Edit.Caret(), 5);
  Edit.Move(TEditMove::emHome, true);
  EXPECT_FALSE(Edit.HasSelection());
  // A word selected by a double click, extended to the right.
  Edit.SetText(u"one two three");
  Edit.MoveCaret(5, false);
  Edit.SelectWord();
  EXPECT_EQ(Edit.SelText(), u"two");
  EXPECT_EQ(Edit.Caret(), 7);
  Edit.Move(TEditMove::emEnd, true);
  EXPECT_EQ(Edit.SelText(), u"two three");
}

TEST(EditSelectionTest, WordMovesStopAtWordStartsAfterSpaces) {
  TEditModel Edit = ModelWith(u"one two  three", 0);
  std::vector<int> Right, Left;
  for (int I = 0; I < 4; ++I) {
    Edit.Move(TEditMove::emWordRight, false);
    Right.push_back(Edit.Caret());
  }
  for (int I = 0; I < 4; ++I) {
    Edit.Move(TEditMove::emWordLeft, false);
    Left.push_back(Edit.Caret());
  }
  EXPECT_EQ(Right, (std::vector<int>{4, 9, 14, 14}));
  EXPECT_EQ(Left, (std::vector<int>{9, 4, 0, 0}));
  // From inside a word: back to its start, on to the next one.
  Edit.MoveCaret(6, false);
  Edit.Move(TEditMove::emWordLeft, false);
  EXPECT_EQ(Edit.Caret(), 4);
  Edit.MoveCaret(1, false);
  Edit.Move(TEditMove::emWordRight, false);
  EXPECT_EQ(Edit.Caret(), 4);
  // Between spaces a double click finds no word.
  Edit.MoveCaret(8, false);
  Edit.SelectWord();
  EXPECT_FALSE(Edit.HasSelection());
  EXPECT_EQ(Edit.Caret(), 8);
}

// ---------------------------------------------------------------------------------------
// Case and text beyond Latin

TEST(EditTextTest, CharCaseConvertsPastedTextAndTheTextAtOnce) {
  TEditModel Edit;
  Edit.SetCharCase(ecUpperCase);
  Edit.InsertText(u"mixed Case ёлка привет 漢字");
  EXPECT_EQ(Edit.Text(), u"MIXED CASE ЁЛКА ПРИВЕТ 漢字");
  int Changes = 0;
  Edit.OnChange = [&] { ++Changes; };
  Edit.SetCharCase(ecLowerCase);
  EXPECT_EQ(Edit.Text(), u"mixed case ёлка привет 漢字");
  EXPECT_EQ(Changes, 1);
  // The undo history is of the typed text, not of its case.
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"");
  Edit.SetCharCase(ecNormal);
  Edit.InsertText(u"Äb");
  EXPECT_EQ(Edit.Text(), u"Äb");
}

TEST(EditTextTest, CyrillicAndCjkAreTypedMovedOverAndDeletedAsCharacters) {
  TEditModel Edit;
  Type(Edit, u"Жук 中文");
  EXPECT_EQ(Edit.Text(), u"Жук 中文");
  EXPECT_EQ(Edit.Caret(), 6);
  Edit.Move(TEditMove::emWordLeft, false);
  EXPECT_EQ(Edit.Caret(), 4);
  Edit.Move(TEditMove::emRight, true);
  EXPECT_EQ(Edit.SelText(), u"中");
  Edit.DeleteSelection();
  Edit.Move(TEditMove::emHome, false);
  Edit.DeleteForward();
  EXPECT_EQ(Edit.Text(), u"ук 文");
  Edit.Undo();
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"Жук 中文");
}

TEST(EditTextTest, ASurrogatePairIsOneCharacterForEveryEdit) {
  const std::u16string Smile = u"\U0001F600";
  ASSERT_EQ(Smile.size(), 2u);
  TEditModel Edit;
  Edit.TypeChar(u'a');
  // The high half waits for the low one: nothing half-typed shows.
  EXPECT_FALSE(Edit.TypeChar(Smile[0]));
  EXPECT_EQ(Edit.Text(), u"a");
  EXPECT_TRUE(Edit.TypeChar(Smile[1]));
  Edit.TypeChar(u'b');
  ASSERT_EQ(Edit.Text(), u"a" + Smile + u"b");
  EXPECT_EQ(Edit.History().size(), 1u);
  EXPECT_EQ(Edit.History()[0].Length, 4);

  Edit.Move(TEditMove::emLeft, false);
  Edit.Move(TEditMove::emLeft, false);
  EXPECT_EQ(Edit.Caret(), 1);
  Edit.Move(TEditMove::emRight, true);
  EXPECT_EQ(Edit.SelText(), Smile);
  // A caret put between the halves goes before the pair.
  Edit.MoveCaret(2, false);
  EXPECT_EQ(Edit.Caret(), 1);
  Edit.DeleteForward();
  EXPECT_EQ(Edit.Text(), u"ab");
  Edit.Undo();
  Edit.MoveCaret(3, false);
  Edit.Backspace();
  EXPECT_EQ(Edit.Text(), u"ab");
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), u"a" + Smile + u"b");

  // The limit counts UTF-16 units, and a pair that does not fit is refused whole.
  Edit.MaxLength = 5;
  Edit.Move(TEditMove::emEnd, false);
  Edit.TypeChar(Smile[0]);
  EXPECT_FALSE(Edit.TypeChar(Smile[1]));
  EXPECT_EQ(Edit.Length(), 4);
  // A high half followed by anything else is dropped; control characters are not typed.
  Edit.MaxLength = 0;
  Edit.TypeChar(Smile[0]);
  Edit.TypeChar(u'c');
  Edit.TypeChar(u'\t');
  Edit.TypeChar(u'\b');
  EXPECT_EQ(Edit.Text(), u"a" + Smile + u"bc");
  // Text set from outside keeps the caret off the halves.
  Edit.SetText(u"xy");
  Edit.MoveCaret(1, false);
  Edit.SetText(Smile + u"y");
  EXPECT_EQ(Edit.Caret(), 0);
  Edit.SetText(u"abcd");
  Edit.MoveCaret(2, false);
  Edit.SetText(u"a" + Smile + u"b");
  EXPECT_EQ(Edit.Caret(), 1);
}

// ---------------------------------------------------------------------------------------
// Geometry

TEST(EditGeometryTest, TheCaretStandsAfterTheVisibleRunShiftedByTheAlignment) {
  const std::u16string Text = u"abc";
  EXPECT_EQ(EditCaretX(FixedLayout(), Text, 1, 2), 26);
  // 80 - 24 = 56 free pixels: all of them to the right, half when centred.
  EXPECT_EQ(EditCaretX(FixedLayout(TAlignment::taRightJustify), Text, 1, 0), 66);
  EXPECT_EQ(EditCaretX(FixedLayout(TAlignment::taCenter), Text, 1, 0), 38);
  EXPECT_EQ(EditCaretX(FixedLayout(TAlignment::taCenter), Text, 1, 3), 62);
  // Wider than the rectangle: no shift, counted from the first visible character, and a
  // position before it lies left of the rectangle.
  const std::u16string Long(20, u'x');
  EXPECT_EQ(EditCaretX(FixedLayout(TAlignment::taCenter), Long, 5, 6), 26);
  EXPECT_EQ(EditCaretX(FixedLayout(), Long, 5, 2), -6);
  // A password counts cells, a pair as one.
  TEditLayout Password = FixedLayout();
  Password.CellWidth = 9;
  EXPECT_EQ(EditCaretX(Password, u"a\U0001F600b", 1, 3), 28);
}

TEST(EditGeometryTest, APointFindsTheNearestBoundaryWithinTheRectangle) {
  const std::u16string Text(20, u'x');
  std::vector<int> Found;
  for (int X : {0, 10, 13, 14, 21, 22, 89, 200})
    Found.push_back(EditPositionAt(FixedLayout(), Text, 1, X));
  EXPECT_EQ(Found, (std::vector<int>{0, 0, 0, 1, 1, 2, 10, 10}));
  // From the first visible character on; at the end of a short text.
  EXPECT_EQ(EditPositionAt(FixedLayout(), Text, 6, 14), 6);
  EXPECT_EQ(EditPositionAt(FixedLayout(), u"ab", 1, 80), 2);
  // A centred short text begins at its shift.
  EXPECT_EQ(EditPositionAt(FixedLayout(TAlignment::taCenter), u"ab", 1, 41), 0);
  EXPECT_EQ(EditPositionAt(FixedLayout(TAlignment::taCenter), u"ab", 1, 50), 1);
  // A password divides by the cell.
  TEditLayout Password = FixedLayout();
  Password.CellWidth = 5;
  EXPECT_EQ(EditPositionAt(Password, Text, 1, 10 + 5 * 7 + 3), 8);
}

TEST(EditGeometryTest, TheFirstVisibleCharacterFollowsTheCaret) {
  const std::u16string Text(20, u'x');
  const TEditLayout Layout = FixedLayout();
  // At the end: the last ten characters show.
  EXPECT_EQ(EditFirstForCaret(Layout, Text, 1, 20), 11);
  // Within the visible run: nothing moves.
  EXPECT_EQ(EditFirstForCaret(Layout, Text, 11, 15), 11);
  // Before the first: it becomes the caret (at least 1).
  EXPECT_EQ(EditFirstForCaret(Layout, Text, 11, 5), 5);
  EXPECT_EQ(EditFirstForCaret(Layout, Text, 11, 0), 1);
  // A text that fits shows from its start.
  EXPECT_EQ(EditFirstForCaret(Layout, u"short", 4, 5), 1);
  // The first visible character is never the low half of a pair.
  const std::u16string Paired = u"a\U0001F600" + std::u16string(20, u'x');
  EXPECT_EQ(EditFirstForCaret(Layout, Paired, 10, 3), 2);
  EXPECT_EQ(EditFirstForCaret(Layout, Paired, 1, 12), 2);
}

TEST(EditGeometryTest, TheModelScrollsAsTheCaretMoves) {
  TEditModel Edit;
  Edit.SetText(std::u16string(30, u'y'));
  const TEditLayout Layout = FixedLayout();
  Edit.Move(TEditMove::emEnd, false);
  Edit.ScrollToCaret(Layout);
  EXPECT_EQ(Edit.First(), 21);
  Edit.Move(TEditMove::emHome, false);
  Edit.ScrollToCaret(Layout);
  EXPECT_EQ(Edit.First(), 1);
  // Text shortened from outside keeps the first visible character within it.
  Edit.Move(TEditMove::emEnd, false);
  Edit.ScrollToCaret(Layout);
  Edit.SetText(u"yy");
  EXPECT_EQ(Edit.First(), 3);
  Edit.ScrollToCaret(Layout);
  EXPECT_EQ(Edit.First(), 1);
}

} // namespace
