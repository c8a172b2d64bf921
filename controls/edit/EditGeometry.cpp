#include "controls/edit/EditGeometry.h"

#include <algorithm>

bool IsHighSurrogate(char16_t C) { return C >= 0xD800 && C <= 0xDBFF; }
bool IsLowSurrogate(char16_t C) { return C >= 0xDC00 && C <= 0xDFFF; }

bool SplitsPair(const std::u16string& Text, int Pos) {
  return Pos > 0 && Pos < static_cast<int>(Text.size()) &&
         IsHighSurrogate(Text[static_cast<size_t>(Pos) - 1]) &&
         IsLowSurrogate(Text[static_cast<size_t>(Pos)]);
}

int NextCharPos(const std::u16string& Text, int Pos) {
  const int Len = static_cast<int>(Text.size());
  if (Pos >= Len)
    return Len;
  return SplitsPair(Text, Pos + 1) ? Pos + 2 : Pos + 1;
}

int PrevCharPos(const std::u16string& Text, int Pos) {
  if (Pos <= 0)
    return 0;
  return SplitsPair(Text, Pos - 1) ? Pos - 2 : Pos - 1;
}

int CharCount(const std::u16string& Text, int From, int To) {
  int Count = 0;
  for (int Pos = From; Pos < To; Pos = NextCharPos(Text, Pos))
    ++Count;
  return Count;
}

int EditRunWidth(const TEditLayout& Layout, const std::u16string& Text, int From, int To) {
  const int Len = static_cast<int>(Text.size());
  From = std::clamp(From, 0, Len);
  To = std::clamp(To, From, Len);
  if (From == To)
    return 0;
  if (Layout.CellWidth > 0)
    return CharCount(Text, From, To) * Layout.CellWidth;
  return Layout.TextWidth(
      std::u16string_view(Text).substr(static_cast<size_t>(From), static_cast<size_t>(To - From)));
}

int EditAlignShift(const TEditLayout& Layout, const std::u16string& Text) {
  if (Layout.Alignment == TAlignment::taLeftJustify)
    return 0;
  const int Free =
      (Layout.Right - Layout.Left) - EditRunWidth(Layout, Text, 0, static_cast<int>(Text.size()));
  if (Free <= 0)
    return 0;
  return Layout.Alignment == TAlignment::taRightJustify ? Free : Free / 2;
}

int EditCaretX(const TEditLayout& Layout, const std::u16string& Text, int First, int Pos) {
  const int Start = First - 1;
  const int Origin = Layout.Left + EditAlignShift(Layout, Text);
  // A position before the first visible character lies left of the rectangle.
  return Pos >= Start ? Origin + EditRunWidth(Layout, Text, Start, Pos)
                      : Origin - EditRunWidth(Layout, Text, Pos, Start);
}

int EditPositionAt(const TEditLayout& Layout, const std::u16string& Text, int First, int X) {
  const int Len = static_cast<int>(Text.size());
  int Pos = std::clamp(First - 1, 0, Len);
  int Edge = Layout.Left + EditAlignShift(Layout, Text);
  while (Pos < Len && Edge < Layout.Right) {
    const int Next = NextCharPos(Text, Pos);
    const int Width = EditRunWidth(Layout, Text, Pos, Next);
    if (X < Edge + Width / 2)
      break;
    Edge += Width;
    Pos = Next;
  }
  return Pos;
}

int EditFirstForCaret(const TEditLayout& Layout, const std::u16string& Text, int First, int Caret) {
  const int Len = static_cast<int>(Text.size());
  const int Room = Layout.Right - Layout.Left;
  Caret = std::clamp(Caret, 0, Len);
  First = std::clamp(First, 1, Len + 1);
  if (EditRunWidth(Layout, Text, 0, Len) <= Room)
    return 1;
  if (Caret < First) {
    First = std::max(Caret, 1);
    return SplitsPair(Text, First - 1) ? First - 1 : First;
  }
  // First moves on one character at a time while the run up to the caret is too wide. The
  // run only narrows as its start moves on, so the first start that fits is searched for.
  int Low = First - 1, High = Caret;
  if (EditRunWidth(Layout, Text, Low, Caret) <= Room)
    return First;
  while (Low + 1 < High) {
    const int Middle = Low + (High - Low) / 2;
    if (EditRunWidth(Layout, Text, Middle, Caret) <= Room)
      High = Middle;
    else
      Low = Middle;
  }
  return (SplitsPair(Text, High) ? High + 1 : High) + 1;
}
