#pragma once
// What a key pressed in a hot-key field does to it, free of the window system.

#include <cstdint>

enum class THotKeyEdit : uint8_t {
  hkPending, // a modifier alone, or Tab: nothing yet
  hkSet,     // the combination becomes the field's
  hkClear,   // Backspace or Delete: no key
  hkCancel,  // Esc: the field stays as it was
  hkRefused  // a combination plain typing presses (or one without a name)
};

struct THotKeyResult {
  THotKeyEdit Edit = THotKeyEdit::hkPending;
  int ShortCut = 0; // for hkSet and hkRefused: the combination in the menus' encoding
  friend bool operator==(const THotKeyResult&, const THotKeyResult&) = default;
};

// Key is the virtual key pressed; Shift, Ctrl and Alt the modifiers held with it.
THotKeyResult HotKeyInput(int Key, bool Shift, bool Ctrl, bool Alt);
