#pragma once
// Where the single-line edit's characters stand on one line: the caret's x for a position,
// the position under an x, and which character must come first for the caret to show. The
// text is UTF-16; a surrogate pair is one character everywhere here. Widths come from the
// control's font through TextWidth, so the arithmetic runs without a window.

#include <functional>
#include <string>
#include <string_view>

#include "controls/base/CheckGeometry.h"

struct TEditLayout {
  // The text rectangle's left and right edges.
  int Left = 0, Right = 0;
  TAlignment Alignment = TAlignment::taLeftJustify;
  // A password shows each character as one cell of this width; 0: the text itself.
  int CellWidth = 0;
  // The width of a run of text in the control's font.
  std::function<int(std::u16string_view)> TextWidth;
};

bool IsHighSurrogate(char16_t C);
bool IsLowSurrogate(char16_t C);
// The positions one character after and before Pos (a surrogate pair is stepped over whole),
// kept within the text.
int NextCharPos(const std::u16string& Text, int Pos);
int PrevCharPos(const std::u16string& Text, int Pos);
// Whether Pos lies between the two halves of a surrogate pair.
bool SplitsPair(const std::u16string& Text, int Pos);
// The number of characters (pairs counted once) in Text[From, To).
int CharCount(const std::u16string& Text, int From, int To);

// The width of Text[From, To): the font's, or cells for a password.
int EditRunWidth(const TEditLayout& Layout, const std::u16string& Text, int From, int To);
// How far the alignment moves a text narrower than the rectangle to the right.
int EditAlignShift(const TEditLayout& Layout, const std::u16string& Text);
// The caret's x before position Pos when the text shows from First (1-based).
int EditCaretX(const TEditLayout& Layout, const std::u16string& Text, int First, int Pos);
// The position whose caret lies nearest to X: the walk from First stops at the first
// character whose middle lies beyond X, at the end of the text or past the rectangle.
int EditPositionAt(const TEditLayout& Layout, const std::u16string& Text, int First, int X);
// The first visible character (1-based) that keeps the caret at Caret in view: a caret past
// the rectangle pushes First on one character at a time, a caret before First makes it
// First (at least 1). A text that fits shows from its start.
int EditFirstForCaret(const TEditLayout& Layout, const std::u16string& Text, int First, int Caret);
