#pragma once
// The program's own letterforms: a geometric sans drawn as round-capped strokes along
// hand-placed centre lines, so one design serves both large titles and small captions.

#include <string_view>

#include "Canvas.h"

namespace ArtGen {

// Text metrics are in font units: the baseline is at 0, lower-case letters are 5 units
// tall and capitals 7, measured along the stroke centre lines.
constexpr float FontXHeight = 5.0f;
constexpr float FontCapHeight = 7.0f;

struct TextStyle {
  float Unit = 1.0f;     // pixels per font unit
  float Weight = 1.0f;   // stroke width in pixels
  float Tracking = 2.0f; // font units from one letter's ink box to the next one's
};

// True when every character of Text has a letterform.
bool CanDraw(std::string_view Text);

// The width in pixels of Text's ink, strokes included.
float TextWidth(std::string_view Text, const TextStyle& Style);

// Text as a shape whose ink starts at Left and whose baseline centre line lies at Baseline.
// Throws std::invalid_argument for characters without a letterform.
Shape TextShape(std::string_view Text, float Left, float Baseline, const TextStyle& Style);

} // namespace ArtGen
