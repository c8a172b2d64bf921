// What a user does to a single-line edit, at random: typing (surrogate halves and control
// characters among it), pasting, deleting, moving with and without Shift, selecting, undoing
// and scrolling. After every step the caret, the selection and the first visible character
// lie within the text and never between the halves of a pair, the length limit holds, and
// every change of the text was reported; at the end, undoing everything gives back the text
// the edits began from.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/edit/EditModel.h"

namespace {

class TInput {
public:
  TInput(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  bool Empty() const { return FPos >= FSize; }
  uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
  // A UTF-16 unit, mostly of the kinds that matter: letters, spaces, halves of pairs,
  // control characters, Cyrillic and CJK.
  char16_t Unit() {
    const uint8_t Kind = Byte(), Low = Byte();
    switch (Kind % 8) {
    case 0:
      return u' ';
    case 1:
      return static_cast<char16_t>(0xD800 + Low % 4);
    case 2:
      return static_cast<char16_t>(0xDC00 + Low % 4);
    case 3:
      return static_cast<char16_t>(Low % 32);
    case 4:
      return static_cast<char16_t>(0x0410 + Low % 64);
    case 5:
      return static_cast<char16_t>(0x4E00 + Low);
    default:
      return static_cast<char16_t>(u'a' + Low % 26);
    }
  }
  std::u16string Text() {
    std::u16string Result(Byte() % 8, u'\0');
    for (char16_t& C : Result)
      C = Unit();
    return Result;
  }

private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

void Check(bool Condition) {
  if (!Condition)
    std::abort();
}

// Widths of 1 to 7 pixels by the unit, so that runs narrow as their start moves on.
TEditLayout Layout(int Room, uint8_t Alignment, int Cell) {
  TEditLayout L;
  L.Left = 3;
  L.Right = 3 + Room;
  L.Alignment = static_cast<TAlignment>(Alignment % 3);
  L.CellWidth = Cell;
  L.TextWidth = [](std::u16string_view Run) {
    int Width = 0;
    for (char16_t C : Run)
      Width += C % 7 + 1;
    return Width;
  };
  return L;
}

void CheckPlaces(const TEditModel& Edit) {
  const std::u16string& Text = Edit.Text();
  const int Len = Edit.Length();
  const int Start = Edit.SelStart(), End = Start + Edit.SelCount();
  Check(Edit.Caret() >= 0 && Edit.Caret() <= Len);
  Check(Start >= 0 && End <= Len);
  Check(Edit.First() >= 1 && Edit.First() - 1 <= Len);
  Check(!SplitsPair(Text, Edit.Caret()) && !SplitsPair(Text, Start) && !SplitsPair(Text, End) &&
        !SplitsPair(Text, Edit.First() - 1));
  Check(Edit.HasSelection() || Edit.Anchor() == Edit.Caret());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TInput In(Data, Size);
  TEditModel Edit;
  Edit.SetCharCase(static_cast<TEditCharCase>(In.Byte() % 3));
  const int MaxLength = In.Byte() % 24;
  Edit.SetText(In.Text());
  const std::u16string Original = Edit.Text();
  const int Limit = std::max<int>(MaxLength, Edit.Length());
  Edit.MaxLength = MaxLength;
  std::u16string Reported = Edit.Text();
  int Changes = 0;
  Edit.OnChange = [&] {
    ++Changes;
    Reported = Edit.Text();
  };

  for (int Step = 0; Step < 400 && !In.Empty(); ++Step) {
    const int Before = Changes;
    const std::u16string Old = Edit.Text();
    const uint8_t Op = In.Byte();
    bool Inserted = false;
    switch (Op % 12) {
    case 0:
    case 1:
      Inserted = Edit.TypeChar(In.Unit());
      break;
    case 2:
      Inserted = Edit.InsertText(In.Text());
      break;
    case 3:
      Edit.Backspace();
      break;
    case 4:
      Edit.DeleteForward();
      break;
    case 5:
      Edit.DeleteSelection();
      break;
    case 6:
      Edit.Undo();
      break;
    case 7:
      Edit.Move(static_cast<TEditMove>(In.Byte() % 6), Op & 0x80);
      break;
    case 8:
      Edit.MoveCaret(In.Byte() % 40, Op & 0x80);
      break;
    case 9:
      if (Op & 0x80)
        Edit.SelectAll();
      else
        Edit.SelectWord();
      break;
    case 10: {
      const uint8_t Room = In.Byte(), Shape = In.Byte();
      const TEditLayout L = Layout(Room % 60, Shape, Shape & 0x80 ? Shape % 5 : 0);
      Edit.ScrollToCaret(L);
      CheckPlaces(Edit);
      // The caret shows: the run from the first visible character to it fits, or it is a
      // single character wider than the room.
      const int From = Edit.First() - 1;
      Check(From <= Edit.Caret());
      Check(EditRunWidth(L, Edit.Text(), From, Edit.Caret()) <= L.Right - L.Left ||
            PrevCharPos(Edit.Text(), Edit.Caret()) <= From);
      const int At = EditPositionAt(L, Edit.Text(), Edit.First(), In.Byte() - 20);
      Check(At >= 0 && At <= Edit.Length() && !SplitsPair(Edit.Text(), At));
      break;
    }
    default:
      Edit.ReadOnly = Op & 0x80;
      break;
    }
    CheckPlaces(Edit);
    Check(MaxLength == 0 || Edit.Length() <= Limit);
    Check(!Inserted || MaxLength == 0 || Edit.Length() <= MaxLength);
    // A change of the text is reported, once it is in place.
    Check((Edit.Text() != Old) == (Changes > Before));
    Check(Reported == Edit.Text());
  }

  Edit.ReadOnly = false;
  while (Edit.Undo())
    CheckPlaces(Edit);
  Check(Edit.Text() == Original);
  return 0;
}
