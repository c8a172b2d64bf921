#include "controls/edit/HotKeyInput.h"

#include "toolkit/ShortCuts.h"

namespace {

constexpr int KeyBack = 0x08, KeyTab = 0x09, KeyShift = 0x10, KeyControl = 0x11, KeyMenu = 0x12,
              KeyEscape = 0x1B, KeyDelete = 0x2E, KeyLeftWin = 0x5B, KeyRightWin = 0x5C,
              KeyApps = 0x5D, KeyLeftShift = 0xA0, KeyRightMenu = 0xA5;

bool IsModifier(int Key) {
  return Key == KeyShift || Key == KeyControl || Key == KeyMenu || Key == KeyLeftWin ||
         Key == KeyRightWin || Key == KeyApps || (Key >= KeyLeftShift && Key <= KeyRightMenu);
}

} // namespace

THotKeyResult HotKeyInput(int Key, bool Shift, bool Ctrl, bool Alt) {
  const bool Plain = !Shift && !Ctrl && !Alt;
  if (IsModifier(Key) || (Key == KeyTab && !Ctrl && !Alt))
    return {THotKeyEdit::hkPending, 0};
  if (Plain && Key == KeyEscape)
    return {THotKeyEdit::hkCancel, 0};
  if (Plain && (Key == KeyBack || Key == KeyDelete))
    return {THotKeyEdit::hkClear, 0};
  const int ShortCut = (Key & 0xFF) | (Shift ? 0x2000 : 0) | (Ctrl ? 0x4000 : 0) |
                       (Alt ? 0x8000 : 0);
  return {IsGlobalShortCut(ShortCut) ? THotKeyEdit::hkSet : THotKeyEdit::hkRefused, ShortCut};
}
