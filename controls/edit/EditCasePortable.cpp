// The portable build's case mapping: ASCII, Latin-1, Greek and Cyrillic letters, one UTF-16
// unit for another. (Windows maps with the platform's wide case mapping instead.)

#include "controls/edit/EditModel.h"

namespace {

struct TCaseRange {
  char16_t Upper, Last; // the capitals Upper..Last
  char16_t Lower;       // the small letter of Upper
};

constexpr TCaseRange Ranges[] = {
    {u'A', u'Z', u'a'},       {0x00C0, 0x00D6, 0x00E0}, {0x00D8, 0x00DE, 0x00F8},
    {0x0391, 0x03A1, 0x03B1}, {0x03A3, 0x03AB, 0x03C3}, {0x0400, 0x040F, 0x0450},
    {0x0410, 0x042F, 0x0430},
};

char16_t ToUpper(char16_t C) {
  for (const TCaseRange& R : Ranges)
    if (C >= R.Lower && C <= R.Lower + (R.Last - R.Upper))
      return static_cast<char16_t>(C - R.Lower + R.Upper);
  return C;
}

char16_t ToLower(char16_t C) {
  for (const TCaseRange& R : Ranges)
    if (C >= R.Upper && C <= R.Last)
      return static_cast<char16_t>(C - R.Upper + R.Lower);
  return C;
}

} // namespace

std::u16string EditCaseText(std::u16string Text, TEditCharCase Case) {
  if (Case == ecNormal)
    return Text;
  for (char16_t& C : Text)
    C = Case == ecUpperCase ? ToUpper(C) : ToLower(C);
  return Text;
}
