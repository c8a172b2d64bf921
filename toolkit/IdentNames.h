#pragma once
// The identifiers under which colours and character sets are stored: the usual colour
// constants and system colours, and the platform's character-set names.

#include <optional>
#include <string_view>

#include "toolkit/Colors.h"

// The name of a colour, or null when it has none (it is then stored as a number).
const char* ColorToIdent(TColor Color);
// A colour by name, letter case ignored.
std::optional<TColor> IdentToColor(std::string_view Ident);

const char* CharsetToIdent(int Charset);
std::optional<int> IdentToCharset(std::string_view Ident);
