#pragma once
// Menu shortcuts as people read them: "Ctrl+S", "Shift+Alt+F4", "Del".

#include <string>

// The key code is a virtual key plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt;
// 0 (no shortcut) and keys without a name give an empty text.
std::string ShortCutToText(int ShortCut);

// A shortcut as a key taken for the whole desktop: the platform's modifier flags (1 Alt,
// 2 Ctrl, 4 Shift) and the virtual key.
struct TGlobalKey {
  unsigned Modifiers = 0;
  unsigned Key = 0;
  friend bool operator==(const TGlobalKey&, const TGlobalKey&) = default;
};
TGlobalKey GlobalKeyOf(int ShortCut);
// Whether a shortcut may be taken from the whole desktop: a key with Ctrl or Alt, or a
// function key, so that plain typing never is.
bool IsGlobalShortCut(int ShortCut);
