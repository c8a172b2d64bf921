// Checks for the built-in skin's bitmaps: the names and sizes skin objects refer to, bands
// that nine-slice frames repeat, transparent corners, the loader's key colour, the frame
// pieces meeting without a seam, and caption button states that can be told apart.

#include "tools/artgen/Checks.h"
#include "tools/skingen/ArtChecks.h"
#include "tools/skingen/SkinArt.h"

using namespace SkinGen;
using namespace SkinGen::Checks;

namespace {

const std::vector<SkinBitmap>& Bitmaps() {
  static const std::vector<SkinBitmap> All = DrawSkinBitmaps();
  return All;
}

const SkinBitmap& Get(const char* Name) { return Find(Bitmaps(), Name); }

void TestNamesAndSizes() {
  CheckNamesAndSizes(Bitmaps(),
                     {{"top", 184, 44},         {"left", 8, 32},       {"right", 10, 32},
                      {"bottom", 32, 10},       {"btnclose", 108, 15}, {"btnmax", 108, 15},
                      {"btnrestore", 108, 15},  {"btnmin", 108, 15},   {"btnroll", 108, 15},
                      {"btnrolldown", 108, 15}, {"client", 32, 32},    {"button", 160, 24},
                      {"check", 52, 65},        {"tabs", 100, 40},     {"edit", 64, 16},
                      {"menu", 64, 40},         {"misc", 64, 64}},
                     DrawSkinBitmaps);
}

void TestRepeatingBands() {
  CHECK(Stretches(Get("client"), {0, 0, 32, 32}, 0, 0, 0, 0));

  const SkinBitmap &Button = Get("button"), &Edit = Get("edit");
  for (int I = 0; I < 5; ++I)
    CHECK(Stretches(Button, {32 * I, 0, 32 * I + 32, 24}, 4, 4, 4, 4, false));
  for (int I = 0; I < 4; ++I)
    CHECK(Stretches(Edit, {16 * I, 0, 16 * I + 16, 16}, 3, 3, 3, 3));

  const SkinBitmap& Tabs = Get("tabs");
  CHECK(Stretches(Tabs, {0, 0, 18, 18}, 4, 4, 4, 4));
  for (int X = 18; X < 98; X += 20)
    CHECK(Uniform(Tabs, {X + 4, 0, X + 16, 22}, true));

  const SkinBitmap& Menu = Get("menu");
  CHECK(Stretches(Menu, {0, 0, 16, 16}, 2, 2, 3, 3));
  CHECK(Stretches(Menu, {16, 0, 48, 18}, 3, 3, 3, 3, false));
  CHECK(Stretches(Menu, {0, 20, 16, 36}, 2, 2, 2, 2));
  CHECK(Stretches(Menu, {16, 20, 48, 38}, 3, 3, 3, 3, false));
  // The popup's shadow is really there, and fades outwards.
  CHECK(Alpha(Menu, 13, 8) == 255 && Alpha(Menu, 14, 8) < 255);
  CHECK(Alpha(Menu, 14, 8) > Alpha(Menu, 15, 8) && Alpha(Menu, 15, 8) > 0);
  CHECK(Alpha(Menu, 8, 14) > Alpha(Menu, 8, 15) && Alpha(Menu, 8, 15) > 0);

  const SkinBitmap& Misc = Get("misc");
  CHECK(Stretches(Misc, {0, 0, 16, 12}, 3, 3, 3, 3, false));
  CHECK(Uniform(Misc, {16, 0, 32, 12}, true));
  CHECK(Uniform(Misc, {32, 0, 44, 16}, false));
  CHECK(Stretches(Misc, {0, 36, 16, 52}, 3, 3, 3, 3));
  CHECK(Stretches(Misc, {16, 36, 32, 52}, 3, 3, 3, 3));
  for (int X = 0; X < 48; X += 16)
    CHECK(Uniform(Misc, {X + 2, 16, X + 14, 36}, true));
}

// Pieces sharing a bitmap are all drawn and none overlaps another.
void TestPiecesApart() {
  CheckPiecesApart(Bitmaps(), {"tabs",
                               {{0, 0, 18, 18},
                                {18, 0, 38, 22},
                                {38, 0, 58, 22},
                                {58, 0, 78, 22},
                                {78, 0, 98, 22},
                                {0, 24, 16, 40},
                                {16, 24, 32, 40}}});
  CheckPiecesApart(Bitmaps(),
                   {"menu", {{0, 0, 16, 16}, {16, 0, 48, 18}, {0, 20, 16, 36}, {16, 20, 48, 38}}});
  CheckPiecesApart(Bitmaps(), {"misc",
                               {{0, 0, 16, 12},
                                {16, 0, 32, 12},
                                {32, 0, 44, 16},
                                {0, 16, 16, 36},
                                {16, 16, 32, 36},
                                {32, 16, 48, 36},
                                {0, 36, 16, 52},
                                {16, 36, 32, 52},
                                {32, 36, 44, 48},
                                {48, 0, 64, 16},
                                {48, 16, 64, 32},
                                {48, 32, 64, 48},
                                {44, 48, 52, 56}}});
}

void TestControlCorners() {
  const SkinBitmap& Button = Get("button");
  for (int X = 0; X < 160; X += 32) {
    CHECK(RoundCorner(Button, X, 0, 1, 1) && RoundCorner(Button, X + 31, 23, -1, -1));
    CHECK(Alpha(Button, X + 16, 12) == 255);
  }
  for (int X = 0; X < 64; X += 16)
    CHECK(Alpha(Get("edit"), X, 0) == 0 && Alpha(Get("edit"), X + 15, 15) == 0);
  const SkinBitmap& Boxes = Get("check");
  for (int Y = 0; Y < 65; Y += 13)
    for (int X = 0; X < 52; X += 13)
      CHECK(Alpha(Boxes, X, Y) == 0 && Alpha(Boxes, X + 12, Y + 12) == 0 &&
            Alpha(Boxes, X + 6, Y + 6) == 255);
  // The selected tab is open at the bottom: its bottom row is the page colour edge to edge
  // inside its borders, while the other tabs end on a border line.
  const SkinBitmap& Tabs = Get("tabs");
  CHECK(At(Tabs, 68, 21) == At(Tabs, 9, 9) && At(Tabs, 28, 21) != At(Tabs, 28, 12));
  CHECK(Alpha(Tabs, 18, 0) == 0 && Alpha(Tabs, 77, 0) == 0);
}

void TestCaptionButtons() {
  for (const char* Name : {"btnclose", "btnmax", "btnrestore", "btnmin", "btnroll", "btnrolldown"}) {
    // Glyphs are centred, so the normal block is its own mirror image (restore is lopsided).
    CheckCaptionButtons(Get(Name), 18, 15, std::string(Name) != "btnrestore");
    // The normal face lets the caption show through beside the glyph.
    CHECK(Alpha(Get(Name), 2, 7) > 0 && Alpha(Get(Name), 2, 7) < 255);
  }
  // Pressing moves the glyph down: the pressed minimize bar sits a row lower.
  const SkinBitmap& Min = Get("btnmin");
  CHECK(At(Min, 9, 9) == At(Min, 9, 10) && At(Min, 27, 10) == At(Min, 27, 11));
  CHECK(At(Min, 9, 9) == At(Min, 27, 10));
  CHECK(At(Min, 9, 11) != At(Min, 9, 10) && At(Min, 27, 9) != At(Min, 27, 10));
  // A hot close button is a solid red face.
  const Pixel Hot = At(Get("btnclose"), 36 + 2, 7);
  CHECK(Hot[3] == 255 && Hot[2] > 180 && Hot[1] < 110 && Hot[0] < 110);
}

} // namespace

int main() {
  TestNamesAndSizes();
  CheckPixelRules(Bitmaps());
  CheckFrame(Bitmaps(), SlateFrame, {"top", "left", "right", "bottom"}, 8);
  TestRepeatingBands();
  TestPiecesApart();
  TestControlCorners();
  TestCaptionButtons();
  return ArtGen::Finish("all skin art checks passed");
}
