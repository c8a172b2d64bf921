#pragma once
// Pictures of a skin's objects for people and for tests: every top-level object in each of
// its states at two sizes, drawn the way controls draw them.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/SkinSource.h"

// A picture: 0xRRGGBB pixels, rows from the top.
class TseBitmap;

struct TSkinPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
};

// Reads a skin: a file whose extension names a skin file form (.qzkn and the others) as
// that form, anything else as the engine's stored form (a byte, then the compressed skin).
// Raises std::runtime_error when the file holds no skin.
void LoadSkin(const std::string& FileName, TSeSkinSource& Skin);

// The colour the views stand on: the skin's window body (its form object's colour) when it
// names one, else a light grey.
uint32_t SkinBackdrop(const TSeSkinSource& Skin);

// The views of one top-level object side by side on the backdrop: the form whole (active,
// inactive, at its own size and a larger one); any other object part by part (each child,
// or the object itself when it has none), in the states normal, hot, pressed, focused and
// disabled, at its own size and a larger one.
// A surface's pixels (colour only) as a picture.
TSkinPicture PictureOf(const TseBitmap& Surface);
TSkinPicture RenderObjectStrip(const TSeSkinObject& Object, uint32_t Backdrop);

// Strips one under another with the object names to their left.
TSkinPicture RenderGallery(const TSeSkinSource& Skin);
