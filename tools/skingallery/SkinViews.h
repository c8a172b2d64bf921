#pragma once
// Pictures of a skin's objects for people and for tests: every top-level object in each of
// its states at two sizes, drawn the way controls draw them.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/SkinSource.h"

// A picture: 0xRRGGBB pixels, rows from the top.
struct TSkinPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
};

// The views of one top-level object side by side: the form whole (active, inactive, at its
// own size and a larger one); any other object part by part (each child, or the object
// itself when it has none), in the states normal, hot, pressed, focused and disabled, at
// its own size and a larger one.
TSkinPicture RenderObjectStrip(const TSeSkinObject& Object);

// Strips one under another with the object names to their left.
TSkinPicture RenderGallery(const TSeSkinSource& Skin);
