#pragma once
// The single-line edit's text and what editing does to it, without a window: the caret, the
// selection, the first visible character, insertion and deletion with the limit on length,
// and the undo history. The text is UTF-16 end to end; a surrogate pair counts as one
// character for every move and deletion, so no edit ever splits one.
//
// Positions count UTF-16 units before them (the caret P runs from 0 to the length). The
// selection is kept as an anchor A and a signed length L: it starts at A when L > 0, at A + L
// when L < 0, and at the caret when L = 0, and is |L| long.

#include <functional>
#include <string>
#include <vector>

#include "controls/edit/EditGeometry.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Text in the case Case asks for. Windows maps with the platform's wide case mapping; the
// portable build maps Latin, Greek and Cyrillic letters itself.
std::u16string EditCaseText(std::u16string Text, TEditCharCase Case);

// One step of the undo history. Positions are 1-based.
struct TEditUndoRecord {
  enum TKind { ukDeletion, ukInsertion };
  TKind Kind = ukDeletion;
  int Position = 1;
  std::u16string Text; // what a deletion took away
  int Length = 0;      // how much an insertion put in
  // Undone together with the record below it.
  bool Chained = false;
};

enum class TEditMove { emHome, emEnd, emLeft, emRight, emWordLeft, emWordRight };

class TEditModel {
public:
  const std::u16string& Text() const { return FText; }
  int Length() const { return static_cast<int>(FText.size()); }
  // Text from outside (not an edit): stored in CharCase, the history emptied, caret and
  // selection kept within the new text.
  void SetText(std::u16string Value);
  // Runs after every change of the text (not for a value equal to the old one).
  std::function<void()> OnChange;

  TEditCharCase CharCase() const { return FCharCase; }
  // Converts the present text at once.
  void SetCharCase(TEditCharCase Value);
  // 0: no limit.
  int MaxLength = 0;
  bool ReadOnly = false;

  int Caret() const { return FCaret; }
  int Anchor() const { return FAnchor; }
  int SelLength() const { return FSelLength; }
  int SelStart() const;
  int SelCount() const { return FSelLength < 0 ? -FSelLength : FSelLength; }
  bool HasSelection() const { return FSelLength != 0; }
  bool AllSelected() const { return SelStart() == 0 && SelCount() == Length(); }
  std::u16string SelText() const;
  // The first visible character, 1-based.
  int First() const { return FFirst; }

  // The caret to Pos (snapped to a character boundary). Extend: the selection reaches from
  // the new caret to where it began; otherwise it is cleared.
  void MoveCaret(int Pos, bool Extend);
  void Move(TEditMove Kind, bool Extend);
  void ClearSelection();
  // The caret at the end, the whole text selected.
  void SelectAll();
  // The run of non-space characters around the caret, the caret at its end.
  void SelectWord();
  // Scrolls so that the caret shows in Layout.
  void ScrollToCaret(const TEditLayout& Layout);

  // Edits; each answers whether the text changed. Nothing changes while ReadOnly.
  // Text typed, pasted or composed replaces the selection; refused as a whole (the selection
  // cleared, no history) when it would pass MaxLength.
  bool InsertText(const std::u16string& Value);
  // One typed UTF-16 unit: control characters are dropped, the high half of a pair waits for
  // its low half.
  bool TypeChar(char16_t C);
  bool DeleteSelection();
  // Backspace and Delete: the selection, else the character before or after the caret.
  bool Backspace();
  bool DeleteForward();
  // Pops records (a chain at once): a deletion comes back selected, an insertion goes and
  // leaves the caret where it began. False when there was nothing to undo.
  bool Undo();
  bool CanUndo() const { return !FHistory.empty(); }
  const std::vector<TEditUndoRecord>& History() const { return FHistory; }

private:
  // Every change of the text is stored here, in CharCase; true when it differs. Notify then
  // runs OnChange for it, once the caret and selection are in place.
  bool PutText(std::u16string Value);
  void Notify(bool Changed);
  // Keeps the caret, the selection and First within the text and off the halves of pairs.
  void KeepInText();
  void RecordDeletion(int Start, const std::u16string& Removed);
  void RecordInsertion(int Start, int Count, bool Chained);
  // Removes Text[Start, Start + Count), recorded; the caret goes to Start.
  bool RemoveRange(int Start, int Count);

  std::u16string FText;
  TEditCharCase FCharCase = ecNormal;
  int FCaret = 0;
  int FAnchor = 0;
  int FSelLength = 0;
  int FFirst = 1;
  char16_t FPendingHigh = 0;
  std::vector<TEditUndoRecord> FHistory;
};
