#pragma once
// A stored layout as a reader reviews it: one line per component with its class, name and
// bounds, its other stored values beneath it (the writer stores only values that differ from
// the class's defaults), binary values by their size, children indented under their parent.

#include <string>

#include "toolkit/Streams.h"

// Raises EReadError or EParserError for bytes that are not a stored layout.
std::string LayoutTree(TStream& Binary);
