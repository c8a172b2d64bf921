// Checks for the dark skin's bitmaps: the names and sizes its objects refer to, bands that
// nine-slice drawing repeats, pieces that lie apart, the loader's key colour, frames that
// join without a seam, states that can be told apart, and the look itself: dark surfaces
// with amber where something is hot, checked or selected.

#include "tools/artgen/Checks.h"
#include "tools/skingen/ArtChecks.h"
#include "tools/skingen/EmberArt.h"

using namespace SkinGen;
using namespace SkinGen::Checks;

namespace {

const std::vector<SkinBitmap>& Bitmaps() {
  static const std::vector<SkinBitmap> All = DrawEmberBitmaps();
  return All;
}

const SkinBitmap& Get(const char* Name) { return Find(Bitmaps(), Name); }

// A colour clearly amber: red high, then green, then blue well below.
bool Amber(const Pixel& P) { return P[3] == 255 && P[2] > 180 && P[2] > P[1] + 30 && P[1] > P[0] + 30; }
// A colour clearly dark, for surfaces.
bool Dark(const Pixel& P) { return P[3] == 255 && Brightness(P) < 3 * 60; }

void TestNamesAndSizes() {
  CheckNamesAndSizes(
      Bitmaps(),
      {{"top", 184, 48},        {"left", 8, 33},         {"right", 8, 33},       {"bottom", 32, 8},
       {"btnclose", 120, 16},   {"btnmax", 120, 16},     {"btnrestore", 120, 16}, {"btnmin", 120, 16},
       {"btnroll", 120, 16},    {"btnrolldown", 120, 16}, {"btnsys", 96, 16},     {"client", 32, 32},
       {"tooltop", 120, 36},    {"toolleft", 6, 27},     {"toolright", 6, 27},   {"toolbottom", 24, 6},
       {"toolclose", 96, 13},   {"button", 192, 24},     {"check", 75, 75},      {"tabs", 114, 40},
       {"edit", 64, 16},        {"group", 48, 16},       {"menu", 64, 64},       {"header", 48, 20},
       {"bars", 50, 20},        {"arrows", 64, 16},      {"scroll", 101, 105},   {"track", 100, 93},
       {"progress", 60, 16}},
      DrawEmberBitmaps);
}

void TestFrames() {
  CheckFrame(Bitmaps(), EmberFrame, {"top", "left", "right", "bottom"}, 8);
  CheckFrame(Bitmaps(), EmberToolFrame, {"tooltop", "toolleft", "toolright", "toolbottom"}, 6);
  // The active window's caption is edged in amber; the inactive one's in grey.
  const SkinBitmap& Top = Get("top");
  CHECK(Amber(At(Top, 92, 0)));
  const Pixel Grey = At(Top, 92, 24);
  CHECK(std::abs(Grey[2] - Grey[0]) < 16 && Brightness(Grey) < 3 * 100);
  CHECK(Dark(At(Top, 92, 12)) && Dark(At(Top, 92, 36)) && Dark(At(Get("client"), 5, 5)));
}

void TestCaptionButtons() {
  for (const char* Name : {"btnclose", "btnmax", "btnrestore", "btnmin", "btnroll", "btnrolldown"}) {
    const SkinBitmap& B = Get(Name);
    CheckCaptionButtons(B, 20, 16, std::string(Name) != "btnrestore");
    // Flat at rest: the caption shows beside the glyph; a solid face under the pointer,
    // amber but for close, which turns red.
    CHECK(Alpha(B, 2, 8) == 0);
    const Pixel Hot = At(B, 40 + 2, 8);
    if (B.Name == "btnclose")
      CHECK(Hot[3] == 255 && Hot[2] > 180 && Hot[1] < 110 && Hot[0] < 80);
    else
      CHECK(Amber(Hot));
  }
  CheckCaptionButtons(Get("btnsys"), 16, 16, true);
  CheckCaptionButtons(Get("toolclose"), 16, 13, true);
  // Pressing moves the glyph down: the pressed minimize bar sits a row lower.
  const SkinBitmap& Min = Get("btnmin");
  CHECK(Alpha(Min, 10, 10) > 0 && Alpha(Min, 10, 12) == 0);
  CHECK(Alpha(Min, 30, 12) > 0 && Alpha(Min, 30, 10) < Alpha(Min, 10, 10));
}

void TestRepeatingBands() {
  CHECK(Stretches(Get("client"), {0, 0, 32, 32}, 0, 0, 0, 0));
  const SkinBitmap& Button = Get("button");
  for (int I = 0; I < 5; ++I)
    CHECK(Stretches(Button, {32 * I, 0, 32 * I + 32, 24}, 4, 4, 4, 4, false));
  const SkinBitmap& Edit = Get("edit");
  for (int I = 0; I < 4; ++I)
    CHECK(Stretches(Edit, {16 * I, 0, 16 * I + 16, 16}, 3, 3, 3, 3));

  const SkinBitmap& Tabs = Get("tabs");
  CHECK(Stretches(Tabs, {0, 0, 18, 18}, 4, 4, 4, 4));
  CHECK(Stretches(Tabs, {0, 20, 18, 38}, 4, 4, 4, 4, false));
  for (int X = 18; X < 98; X += 20)
    CHECK(Uniform(Tabs, {X + 4, 0, X + 16, 22}, true));

  const SkinBitmap& Group = Get("group");
  CHECK(Stretches(Group, {0, 0, 16, 16}, 4, 4, 4, 4));
  CHECK(Stretches(Group, {16, 0, 32, 14}, 3, 3, 3, 3));
  CHECK(Stretches(Group, {32, 0, 48, 16}, 4, 4, 4, 4));

  const SkinBitmap& Menu = Get("menu");
  CHECK(Stretches(Menu, {0, 0, 16, 16}, 3, 3, 4, 4));
  CHECK(Stretches(Menu, {16, 0, 48, 22}, 3, 3, 3, 3, false));
  CHECK(Stretches(Menu, {16, 24, 48, 46}, 3, 3, 3, 3, false));
  CHECK(Uniform(Menu, {54, 0, 58, 22}, true));
  CHECK(Stretches(Menu, {0, 48, 16, 64}, 2, 2, 2, 2));
  // The popup's shadow is really there, and fades outwards.
  CHECK(Alpha(Menu, 13, 8) == 255 && Alpha(Menu, 14, 8) < 255);
  CHECK(Alpha(Menu, 14, 8) > Alpha(Menu, 15, 8) && Alpha(Menu, 15, 8) > 0);
  CHECK(Alpha(Menu, 8, 14) > Alpha(Menu, 8, 15) && Alpha(Menu, 8, 15) > 0);

  const SkinBitmap& Header = Get("header");
  for (int X = 0; X < 48; X += 16)
    CHECK(Uniform(Header, {X + 3, 0, X + 13, 20}, true));
  const SkinBitmap& Bars = Get("bars");
  CHECK(Stretches(Bars, {0, 0, 16, 16}, 3, 3, 3, 3));
  CHECK(Stretches(Bars, {16, 0, 32, 16}, 3, 3, 3, 3));

  // Scroll bars: tracks both ways, thumbs along the bar (across it they keep their size).
  const SkinBitmap& Scroll = Get("scroll");
  CHECK(Stretches(Scroll, {68, 0, 84, 17}, 3, 3, 3, 3));
  CHECK(Stretches(Scroll, {84, 0, 101, 16}, 3, 3, 3, 3));
  for (int I = 0; I < 4; ++I) {
    CHECK(Uniform(Scroll, {20 * I + 6, 68, 20 * I + 14, 85}, true));
    CHECK(Uniform(Scroll, {17 * I, 85 + 6, 17 * I + 17, 85 + 14}, false));
  }
  const SkinBitmap& Track = Get("track");
  CHECK(Uniform(Track, {59, 0, 69, 14}, true));
  CHECK(Uniform(Track, {74, 3, 88, 13}, false));

  const SkinBitmap& Progress = Get("progress");
  CHECK(Stretches(Progress, {0, 0, 16, 12}, 3, 3, 3, 3));
  CHECK(Stretches(Progress, {16, 0, 32, 12}, 3, 3, 3, 3, false));
  CHECK(Uniform(Progress, {32, 0, 48, 12}, true));
  CHECK(Uniform(Progress, {48, 0, 60, 16}, false));
}

// A row of Count cells W x H from X, Y.
std::vector<Region> Cells(int X, int Y, int W, int H, int Count) {
  std::vector<Region> Out;
  for (int I = 0; I < Count; ++I)
    Out.push_back({X + W * I, Y, X + W * I + W, Y + H});
  return Out;
}

std::vector<Region> Join(std::vector<std::vector<Region>> Parts) {
  std::vector<Region> Out;
  for (auto& Part : Parts)
    Out.insert(Out.end(), Part.begin(), Part.end());
  return Out;
}

void TestPiecesApart() {
  const auto& All = Bitmaps();
  CheckPiecesApart(All, {"button", Cells(0, 0, 32, 24, 5), {{160, 0, 192, 24}}});
  CheckPiecesApart(All, {"check", Join({Cells(0, 0, 15, 15, 5), Cells(0, 15, 15, 15, 5),
                                        Cells(0, 30, 15, 15, 5), Cells(0, 45, 15, 15, 5),
                                        Cells(0, 60, 15, 15, 5)})});
  CheckPiecesApart(All, {"tabs", Join({{{0, 0, 18, 18}, {0, 20, 18, 38}}, Cells(18, 0, 20, 22, 4),
                                       Cells(18, 24, 16, 16, 6)})});
  CheckPiecesApart(All, {"edit", Cells(0, 0, 16, 16, 4)});
  CheckPiecesApart(All, {"group", {{0, 0, 16, 16}, {16, 0, 32, 14}, {32, 0, 48, 16}}});
  CheckPiecesApart(All, {"menu",
                         {{0, 0, 16, 16}, {16, 0, 48, 22}, {16, 24, 48, 46}, {48, 0, 64, 22},
                          {0, 48, 16, 64}},
                         {{48, 24, 64, 46}}});
  CheckPiecesApart(All, {"header", Cells(0, 0, 16, 20, 3)});
  CheckPiecesApart(All, {"bars",
                         {{0, 0, 16, 16}, {16, 0, 32, 16}, {32, 0, 44, 12}, {32, 12, 40, 20},
                          {44, 0, 50, 20}}});
  CheckPiecesApart(All, {"arrows", Cells(0, 0, 16, 16, 4)});
  CheckPiecesApart(All, {"scroll", Join({Cells(0, 0, 17, 17, 4), Cells(0, 17, 17, 17, 4),
                                         Cells(0, 34, 17, 17, 4), Cells(0, 51, 17, 17, 4),
                                         {{68, 0, 84, 17}, {84, 0, 101, 16}},
                                         Cells(0, 68, 20, 17, 4), Cells(0, 85, 17, 20, 4)})});
  CheckPiecesApart(All, {"track", Join({Cells(0, 0, 11, 20, 5), Cells(0, 20, 11, 20, 5),
                                        Cells(0, 40, 11, 20, 5), Cells(0, 60, 20, 11, 5),
                                        Cells(0, 71, 20, 11, 5), Cells(0, 82, 20, 11, 5),
                                        {{56, 0, 72, 6}, {56, 8, 72, 14}, {74, 0, 80, 16},
                                         {82, 0, 88, 16}}})});
  CheckPiecesApart(All, {"progress", Join({Cells(0, 0, 16, 12, 3), {{48, 0, 60, 16}}})});
}

// Every control's states can be told apart.
void TestStates() {
  CheckStatesDiffer(Get("button"), {0, 0, 32, 24}, 32, 0, 5);
  for (int Row = 0; Row < 5; ++Row)
    CheckStatesDiffer(Get("check"), {0, 15 * Row, 15, 15 * Row + 15}, 15, 0, 5);
  CheckStatesDiffer(Get("tabs"), {18, 0, 38, 22}, 20, 0, 4);
  CheckStatesDiffer(Get("tabs"), {18, 24, 34, 40}, 16, 0, 3);
  CheckStatesDiffer(Get("tabs"), {66, 24, 82, 40}, 16, 0, 3);
  CheckStatesDiffer(Get("edit"), {0, 0, 16, 16}, 16, 0, 4);
  CheckStatesDiffer(Get("menu"), {16, 0, 48, 22}, 0, 24, 2);
  CheckStatesDiffer(Get("header"), {0, 0, 16, 20}, 16, 0, 3);
  CheckStatesDiffer(Get("arrows"), {0, 0, 16, 16}, 16, 0, 4);
  for (int Row = 0; Row < 4; ++Row)
    CheckStatesDiffer(Get("scroll"), {0, 17 * Row, 17, 17 * Row + 17}, 17, 0, 4);
  CheckStatesDiffer(Get("scroll"), {0, 68, 20, 85}, 20, 0, 4);
  CheckStatesDiffer(Get("scroll"), {0, 85, 17, 105}, 17, 0, 4);
  for (int Row = 0; Row < 3; ++Row) {
    CheckStatesDiffer(Get("track"), {0, 20 * Row, 11, 20 * Row + 20}, 11, 0, 5);
    CheckStatesDiffer(Get("track"), {0, 60 + 11 * Row, 20, 71 + 11 * Row}, 20, 0, 5);
  }
}

void TestShapes() {
  const SkinBitmap& Button = Get("button");
  for (int X = 0; X < 160; X += 32) {
    CHECK(RoundCorner(Button, X, 0, 1, 1) && RoundCorner(Button, X + 31, 23, -1, -1));
    CHECK(Alpha(Button, X + 16, 12) == 255);
  }
  CHECK(Dark(At(Button, 16, 12)));
  for (int X = 0; X < 64; X += 16)
    CHECK(Alpha(Get("edit"), X, 0) == 0 && Alpha(Get("edit"), X + 15, 15) == 0);
  const SkinBitmap& Boxes = Get("check");
  for (int Y = 0; Y < 75; Y += 15)
    for (int X = 0; X < 75; X += 15)
      CHECK(Alpha(Boxes, X, Y) == 0 && Alpha(Boxes, X + 14, Y + 14) == 0 &&
            Alpha(Boxes, X + 7, Y + 2) == 255);
  // A checked box is amber around a dark tick; an empty one is dark.
  CHECK(Amber(At(Boxes, 3, 15 + 3)) && Dark(At(Boxes, 8, 15 + 8)) && Dark(At(Boxes, 7, 7)));
  // The selected tab is open at the bottom: its bottom row is the page colour edge to edge
  // inside its borders, while the other tabs end on a border line; its top is amber.
  const SkinBitmap& Tabs = Get("tabs");
  CHECK(At(Tabs, 68, 21) == At(Tabs, 9, 9) && At(Tabs, 28, 21) != At(Tabs, 28, 12));
  CHECK(Amber(At(Tabs, 68, 0)) && Alpha(Tabs, 18, 0) == 0 && Alpha(Tabs, 77, 0) == 0);
  // The separator is an etched line halfway down an item.
  const SkinBitmap& Menu = Get("menu");
  for (int Y = 0; Y < 22; ++Y)
    CHECK((Alpha(Menu, 56, Y) > 0) == (Y == 10 || Y == 11));
  // Thumbs that point: the tip in the middle of their end, clear corners beside it.
  const SkinBitmap& Track = Get("track");
  CHECK(Alpha(Track, 5, 39) > 0 && Alpha(Track, 0, 39) == 0 && Alpha(Track, 10, 39) == 0);
  CHECK(Alpha(Track, 0, 20) == 255 && Alpha(Track, 10, 20) == 255);
  CHECK(Alpha(Track, 5, 40) > 0 && Alpha(Track, 0, 40) == 0 && Alpha(Track, 10, 40) == 0);
  CHECK(Alpha(Track, 19, 76) > 0 && Alpha(Track, 19, 71) == 0 && Alpha(Track, 19, 81) == 0);
  CHECK(Alpha(Track, 0, 87) > 0 && Alpha(Track, 0, 82) == 0 && Alpha(Track, 0, 92) == 0);
  // Pressed thumbs and the filled part of the groove are amber.
  CHECK(Amber(At(Track, 27, 10)) && Amber(At(Track, 64, 11)) && Amber(At(Get("progress"), 40, 6)));
}

} // namespace

int main() {
  TestNamesAndSizes();
  CheckPixelRules(Bitmaps());
  TestFrames();
  TestCaptionButtons();
  TestRepeatingBands();
  TestPiecesApart();
  TestStates();
  TestShapes();
  return ArtGen::Finish("all dark skin art checks passed");
}
