#include "toolkit/ShortCuts.h"

namespace {

std::string KeyName(int Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z'))
    return std::string(1, static_cast<char>(Key));
  if (Key >= 0x70 && Key <= 0x87) // F1 .. F24
    return "F" + std::to_string(Key - 0x6F);
  if (Key >= 0x60 && Key <= 0x69) // the number pad's digits
    return "Num " + std::to_string(Key - 0x60);
  switch (Key) {
  case 0x08:
    return "BkSp";
  case 0x09:
    return "Tab";
  case 0x0D:
    return "Enter";
  case 0x1B:
    return "Esc";
  case 0x20:
    return "Space";
  case 0x21:
    return "PgUp";
  case 0x22:
    return "PgDn";
  case 0x23:
    return "End";
  case 0x24:
    return "Home";
  case 0x25:
    return "Left";
  case 0x26:
    return "Up";
  case 0x27:
    return "Right";
  case 0x28:
    return "Down";
  case 0x2D:
    return "Ins";
  case 0x2E:
    return "Del";
  case 0x6A:
    return "Num *";
  case 0x6B:
    return "Num +";
  case 0x6D:
    return "Num -";
  case 0x6E:
    return "Num .";
  case 0x6F:
    return "Num /";
  default:
    return {};
  }
}

} // namespace

std::string ShortCutToText(int ShortCut) {
  const std::string Name = KeyName(ShortCut & 0xFF);
  if (ShortCut == 0 || Name.empty())
    return {};
  std::string Text;
  if (ShortCut & 0x2000)
    Text += "Shift+";
  if (ShortCut & 0x4000)
    Text += "Ctrl+";
  if (ShortCut & 0x8000)
    Text += "Alt+";
  return Text + Name;
}

TGlobalKey GlobalKeyOf(int ShortCut) {
  TGlobalKey Key{0, static_cast<unsigned>(ShortCut & 0xFF)};
  if (ShortCut & 0x8000)
    Key.Modifiers |= 1;
  if (ShortCut & 0x4000)
    Key.Modifiers |= 2;
  if (ShortCut & 0x2000)
    Key.Modifiers |= 4;
  return Key;
}

bool IsGlobalShortCut(int ShortCut) {
  const int Key = ShortCut & 0xFF;
  if (Key == 0 || KeyName(Key).empty())
    return false;
  const bool FunctionKey = Key >= 0x70 && Key <= 0x87;
  return FunctionKey || (ShortCut & (0x4000 | 0x8000)) != 0;
}
