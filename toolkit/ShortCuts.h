#pragma once
// Menu shortcuts as people read them: "Ctrl+S", "Shift+Alt+F4", "Del".

#include <string>

// The key code is a virtual key plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt;
// 0 (no shortcut) and keys without a name give an empty text.
std::string ShortCutToText(int ShortCut);
