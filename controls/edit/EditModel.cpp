#include "controls/edit/EditModel.h"

#include <algorithm>

namespace {

bool IsSpace(char16_t C) { return C == u' '; }

} // namespace

// ---------------------------------------------------------------------------------------
// Text

bool TEditModel::PutText(std::u16string Value) {
  Value = EditCaseText(std::move(Value), FCharCase);
  const bool Changed = Value != FText;
  FText = std::move(Value);
  KeepInText();
  return Changed;
}

void TEditModel::Notify(bool Changed) {
  if (Changed && OnChange)
    OnChange();
}

void TEditModel::SetText(std::u16string Value) {
  FHistory.clear();
  FPendingHigh = 0;
  Notify(PutText(std::move(Value)));
}

void TEditModel::SetCharCase(TEditCharCase Value) {
  FCharCase = Value;
  Notify(PutText(FText));
}

void TEditModel::KeepInText() {
  const int Len = Length();
  FCaret = std::clamp(FCaret, 0, Len);
  if (SplitsPair(FText, FCaret))
    --FCaret;
  const int Start = SelStart(), End = Start + SelCount();
  if (FSelLength == 0 || Start < 0 || End > Len || SplitsPair(FText, Start) ||
      SplitsPair(FText, End))
    ClearSelection();
  FFirst = std::clamp(FFirst, 1, Len + 1);
  if (SplitsPair(FText, FFirst - 1))
    --FFirst;
}

// ---------------------------------------------------------------------------------------
// Caret and selection

int TEditModel::SelStart() const {
  return FSelLength > 0 ? FAnchor : FSelLength < 0 ? FAnchor + FSelLength : FCaret;
}

std::u16string TEditModel::SelText() const {
  return FText.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelCount()));
}

void TEditModel::ClearSelection() {
  FAnchor = FCaret;
  FSelLength = 0;
}

void TEditModel::MoveCaret(int Pos, bool Extend) {
  Pos = std::clamp(Pos, 0, Length());
  if (SplitsPair(FText, Pos))
    --Pos;
  // The end the selection began at is the one the caret is not at. While the anchor is at
  // the caret this is the anchor moved by L, and L changes by the old caret minus the new.
  const int Start = SelStart();
  const int Fixed = FCaret == Start ? Start + SelCount() : Start;
  FCaret = Pos;
  FAnchor = Pos;
  FSelLength = Extend ? Fixed - Pos : 0;
}

void TEditModel::Move(TEditMove Kind, bool Extend) {
  const int Len = Length();
  int Pos = FCaret;
  switch (Kind) {
  case TEditMove::emHome:
    Pos = 0;
    break;
  case TEditMove::emEnd:
    Pos = Len;
    break;
  case TEditMove::emLeft:
    Pos = PrevCharPos(FText, Pos);
    break;
  case TEditMove::emRight:
    Pos = NextCharPos(FText, Pos);
    break;
  case TEditMove::emWordLeft:
    while (Pos > 0 && IsSpace(FText[static_cast<size_t>(Pos) - 1]))
      --Pos;
    while (Pos > 0 && !IsSpace(FText[static_cast<size_t>(Pos) - 1]))
      --Pos;
    break;
  case TEditMove::emWordRight:
    while (Pos < Len && !IsSpace(FText[static_cast<size_t>(Pos)]))
      ++Pos;
    while (Pos < Len && IsSpace(FText[static_cast<size_t>(Pos)]))
      ++Pos;
    break;
  }
  MoveCaret(Pos, Extend);
}

void TEditModel::SelectAll() {
  FCaret = Length();
  FAnchor = 0;
  FSelLength = Length();
}

void TEditModel::SelectWord() {
  int Start = FCaret, End = FCaret;
  while (Start > 0 && !IsSpace(FText[static_cast<size_t>(Start) - 1]))
    --Start;
  while (End < Length() && !IsSpace(FText[static_cast<size_t>(End)]))
    ++End;
  FCaret = End;
  FAnchor = Start;
  FSelLength = End - Start;
  if (FSelLength == 0)
    ClearSelection();
}

void TEditModel::ScrollToCaret(const TEditLayout& Layout) {
  FFirst = EditFirstForCaret(Layout, FText, FFirst, FCaret);
}

// ---------------------------------------------------------------------------------------
// Edits

bool TEditModel::InsertText(const std::u16string& Value) {
  if (ReadOnly)
    return false;
  const int Start = SelStart(), Count = SelCount();
  if (MaxLength > 0 && Length() - Count + static_cast<int>(Value.size()) > MaxLength) {
    ClearSelection();
    return false;
  }
  RecordDeletion(Start, SelText());
  RecordInsertion(Start, static_cast<int>(Value.size()), Count > 0);
  std::u16string Result = FText;
  Result.replace(static_cast<size_t>(Start), static_cast<size_t>(Count), Value);
  FCaret = Start + static_cast<int>(Value.size());
  ClearSelection();
  const bool Changed = PutText(std::move(Result));
  Notify(Changed);
  return Changed;
}

bool TEditModel::TypeChar(char16_t C) {
  const char16_t High = FPendingHigh;
  FPendingHigh = 0;
  if (C < 32)
    return false;
  if (IsHighSurrogate(C)) {
    FPendingHigh = C;
    return false;
  }
  // A high half not followed by its low half is dropped.
  if (IsLowSurrogate(C) && High)
    return InsertText(std::u16string{High, C});
  return InsertText(std::u16string(1, C));
}

bool TEditModel::RemoveRange(int Start, int Count) {
  if (ReadOnly || Count <= 0)
    return false;
  RecordDeletion(Start, FText.substr(static_cast<size_t>(Start), static_cast<size_t>(Count)));
  std::u16string Result = FText;
  Result.erase(static_cast<size_t>(Start), static_cast<size_t>(Count));
  FCaret = Start;
  ClearSelection();
  Notify(PutText(std::move(Result)));
  return true;
}

bool TEditModel::DeleteSelection() { return RemoveRange(SelStart(), SelCount()); }

bool TEditModel::Backspace() {
  if (HasSelection())
    return DeleteSelection();
  const int Before = PrevCharPos(FText, FCaret);
  return RemoveRange(Before, FCaret - Before);
}

bool TEditModel::DeleteForward() {
  if (HasSelection())
    return DeleteSelection();
  return RemoveRange(FCaret, NextCharPos(FText, FCaret) - FCaret);
}

// ---------------------------------------------------------------------------------------
// Undo history

void TEditModel::RecordDeletion(int Start, const std::u16string& Removed) {
  if (Removed.empty())
    return;
  const int Position = Start + 1;
  if (!FHistory.empty()) {
    TEditUndoRecord& Top = FHistory.back();
    if (Top.Kind == TEditUndoRecord::ukDeletion && !Top.Chained) {
      // Backspace again: the removed text stood just before the last.
      if (Position + static_cast<int>(Removed.size()) == Top.Position) {
        Top.Text = Removed + Top.Text;
        Top.Position = Position;
        return;
      }
      // Delete again: it stood just after, now where the last began.
      if (Position == Top.Position) {
        Top.Text += Removed;
        return;
      }
    }
  }
  FHistory.push_back({TEditUndoRecord::ukDeletion, Position, Removed, 0, false});
}

void TEditModel::RecordInsertion(int Start, int Count, bool Chained) {
  if (Count <= 0)
    return;
  const int Position = Start + 1;
  if (!FHistory.empty()) {
    TEditUndoRecord& Top = FHistory.back();
    if (Top.Kind == TEditUndoRecord::ukInsertion && Top.Position + Top.Length == Position) {
      Top.Length += Count;
      return;
    }
  }
  FHistory.push_back({TEditUndoRecord::ukInsertion, Position, {}, Count, Chained});
}

bool TEditModel::Undo() {
  if (ReadOnly || FHistory.empty())
    return false;
  std::u16string Result = FText;
  bool Chained = true;
  while (Chained && !FHistory.empty()) {
    const TEditUndoRecord Record = std::move(FHistory.back());
    FHistory.pop_back();
    Chained = Record.Chained;
    const int Len = static_cast<int>(Result.size());
    const int Start = std::clamp(Record.Position - 1, 0, Len);
    if (Record.Kind == TEditUndoRecord::ukDeletion) {
      Result.insert(static_cast<size_t>(Start), Record.Text);
      FCaret = Start + static_cast<int>(Record.Text.size());
      FAnchor = Start;
      FSelLength = static_cast<int>(Record.Text.size());
    } else {
      Result.erase(static_cast<size_t>(Start),
                   static_cast<size_t>(std::min(Record.Length, Len - Start)));
      FCaret = Start;
      ClearSelection();
    }
  }
  Notify(PutText(std::move(Result)));
  return true;
}
