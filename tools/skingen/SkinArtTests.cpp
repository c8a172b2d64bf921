// Checks for the built-in skin's bitmaps: the names and sizes skin objects refer to, bands
// that nine-slice frames repeat, transparent corners, the loader's key colour, the frame
// pieces meeting without a seam, and caption button states that can be told apart.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/artgen/Checks.h"
#include "tools/skingen/SkinArt.h"

using namespace SkinGen;

namespace {

const std::vector<SkinBitmap>& Bitmaps() {
  static const std::vector<SkinBitmap> All = DrawSkinBitmaps();
  return All;
}

const SkinBitmap& Get(const char* Name) {
  for (const SkinBitmap& B : Bitmaps())
    if (B.Name == Name)
      return B;
  std::fprintf(stderr, "no bitmap named %s\n", Name);
  std::exit(1);
}

using Pixel = std::array<uint8_t, 4>; // B, G, R, A

Pixel At(const SkinBitmap& B, int X, int Y) {
  const size_t I = (static_cast<size_t>(Y) * B.Width + X) * 4;
  return {B.Bgra.at(I), B.Bgra.at(I + 1), B.Bgra.at(I + 2), B.Bgra.at(I + 3)};
}
int Alpha(const SkinBitmap& B, int X, int Y) { return At(B, X, Y)[3]; }

struct Region {
  int Left, Top, Right, Bottom;
};

// Every column of the region is the same (AlongX), or every row. Names the first pixel
// that breaks the pattern unless Quiet.
bool Uniform(const SkinBitmap& B, Region R, bool AlongX, bool Quiet = false) {
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X)
      if (At(B, X, Y) != (AlongX ? At(B, R.Left, Y) : At(B, X, R.Top))) {
        if (!Quiet)
          std::fprintf(stderr, "%s: pixel %d,%d breaks the %s band\n", B.Name.c_str(), X, Y,
                       AlongX ? "horizontal" : "vertical");
        return false;
      }
  return true;
}

// A nine-slice piece: the band between the left and right margins repeats along X, and
// for a piece with a plain middle the band between the top and bottom margins along Y.
// (Faces with a vertical gradient are only ever stretched, never tiled, from top to bottom.)
bool Stretches(const SkinBitmap& B, Region R, int ML, int MT, int MR, int MB,
               bool PlainMiddle = true) {
  return Uniform(B, {R.Left + ML, R.Top, R.Right - MR, R.Bottom}, true) &&
         (!PlainMiddle || Uniform(B, {R.Left, R.Top + MT, R.Right, R.Bottom - MB}, false));
}

bool Differ(const SkinBitmap& B, Region First, Region Second) {
  for (int Y = 0; Y < First.Bottom - First.Top; ++Y)
    for (int X = 0; X < First.Right - First.Left; ++X)
      if (At(B, First.Left + X, First.Top + Y) != At(B, Second.Left + X, Second.Top + Y))
        return true;
  return false;
}

void TestNamesAndSizes() {
  struct Expect {
    const char* Name;
    int Width, Height;
  };
  const Expect Want[] = {{"top", 184, 44},         {"left", 8, 32},       {"right", 10, 32},
                         {"bottom", 32, 10},       {"btnclose", 108, 15}, {"btnmax", 108, 15},
                         {"btnrestore", 108, 15},  {"btnmin", 108, 15},   {"btnroll", 108, 15},
                         {"btnrolldown", 108, 15}, {"client", 32, 32},    {"button", 160, 24},
                         {"check", 52, 65},        {"tabs", 100, 40},     {"edit", 64, 16},
                         {"menu", 64, 40},         {"misc", 64, 64}};
  const auto& All = Bitmaps();
  CHECK(All.size() == 17);
  for (size_t I = 0; I < All.size() && I < 17; ++I) {
    CHECK(All[I].Name == Want[I].Name);
    CHECK(All[I].Width == Want[I].Width && All[I].Height == Want[I].Height);
    CHECK(All[I].Bgra.size() == static_cast<size_t>(Want[I].Width * Want[I].Height * 4));
  }
  const auto Again = DrawSkinBitmaps();
  bool Same = Again.size() == All.size();
  for (size_t I = 0; Same && I < All.size(); ++I)
    Same = Again[I].Bgra == All[I].Bgra;
  CHECK(Same);
}

void TestPixelRules() {
  for (const SkinBitmap& B : Bitmaps()) {
    int Keyed = 0, DirtyHoles = 0;
    for (int Y = 0; Y < B.Height; ++Y)
      for (int X = 0; X < B.Width; ++X) {
        const Pixel P = At(B, X, Y);
        Keyed += std::abs(P[2] - 127) <= 5 && P[1] <= 5 && std::abs(P[0] - 127) <= 5;
        DirtyHoles += P[3] == 0 && (P[0] || P[1] || P[2]);
      }
    if (Keyed || DirtyHoles)
      std::fprintf(stderr, "%s: %d near the key colour, %d coloured holes\n", B.Name.c_str(), Keyed,
                   DirtyHoles);
    CHECK(Keyed == 0 && DirtyHoles == 0);
  }
}

void TestRepeatingBands() {
  const SkinBitmap &Top = Get("top"), &Left = Get("left"), &Right = Get("right");
  const SkinBitmap &Bottom = Get("bottom"), &Client = Get("client");
  CHECK(Uniform(Top, {8, 0, 176, 44}, true));
  // The side borders' middle rows 22-24 are stretched down the window and run on into the
  // bottom pieces, whose first rows are still beside the window body.
  CHECK(Uniform(Left, {0, 22, 8, 27}, false));
  CHECK(Uniform(Right, {0, 22, 10, 27}, false));
  CHECK(Uniform(Bottom, {4, 0, 27, 10}, true));
  CHECK(Stretches(Client, {0, 0, 32, 32}, 0, 0, 0, 0));

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
  struct Sheet {
    const char* Name;
    std::vector<Region> Pieces;
  };
  const Sheet Sheets[] = {
      {"tabs",
       {{0, 0, 18, 18},
        {18, 0, 38, 22},
        {38, 0, 58, 22},
        {58, 0, 78, 22},
        {78, 0, 98, 22},
        {0, 24, 16, 40},
        {16, 24, 32, 40}}},
      {"menu", {{0, 0, 16, 16}, {16, 0, 48, 18}, {0, 20, 16, 36}, {16, 20, 48, 38}}},
      {"misc",
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
        {44, 48, 52, 56}}}};
  for (const Sheet& S : Sheets) {
    const SkinBitmap& B = Get(S.Name);
    for (size_t I = 0; I < S.Pieces.size(); ++I) {
      const Region& R = S.Pieces[I];
      int Drawn = 0;
      for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
          Drawn += Alpha(B, X, Y) > 0;
      CHECK(Drawn > 0);
      for (size_t J = 0; J < I; ++J) {
        const Region& O = S.Pieces[J];
        const bool Overlap =
            R.Left < O.Right && O.Left < R.Right && R.Top < O.Bottom && O.Top < R.Bottom;
        if (Overlap)
          std::fprintf(stderr, "%s: pieces %zu and %zu overlap\n", S.Name, J, I);
        CHECK(!Overlap);
      }
    }
    // Nothing is drawn outside the pieces.
    int Stray = 0;
    for (int Y = 0; Y < B.Height; ++Y)
      for (int X = 0; X < B.Width; ++X) {
        bool Inside = false;
        for (const Region& R : S.Pieces)
          Inside = Inside || (X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom);
        Stray += !Inside && Alpha(B, X, Y) > 0;
      }
    CHECK(Stray == 0);
  }
}

// The brightness of a pixel's colour, to tell light lines from dark ones.
int Brightness(const Pixel& P) { return P[0] + P[1] + P[2]; }

// The brightness of the first pixel at least half covered in row Y, going inwards (Step)
// from column X across a border's four columns; -1 if there is none.
int OutermostBrightness(const SkinBitmap& B, int X, int Y, int Step) {
  for (int I = 0; I < 4; ++I, X += Step)
    if (Alpha(B, X, Y) >= 128)
      return Brightness(At(B, X, Y));
  return -1;
}

void TestRoundedCorners() {
  // Outer corner pixel clear, a pixel further in solid, and partial cover on the curve.
  const auto Corner = [](const SkinBitmap& B, int X, int Y, int InX, int InY) {
    bool Partial = false;
    for (int D = 0; D < 4; ++D)
      Partial = Partial || (Alpha(B, X + D * InX, Y) > 0 && Alpha(B, X + D * InX, Y) < 255);
    return Alpha(B, X, Y) == 0 && Alpha(B, X + 3 * InX, Y + 3 * InY) == 255 && Partial;
  };
  // The window's outer corners are the ends of the side borders. In each half of "left" and
  // "right" the outer column is Outer and the inner ones lie towards In.
  const SkinBitmap &Left = Get("left"), &Right = Get("right");
  for (int Half = 0; Half < 2; ++Half) {
    struct Side {
      const SkinBitmap& B;
      int Outer, In;
    };
    for (const Side& S : {Side{Left, 4 * Half, 1}, Side{Right, 5 * Half + 4, -1}}) {
      CHECK(Corner(S.B, S.Outer, 0, S.In, 1) && Corner(S.B, S.Outer, 31, S.In, -1));
      // The light top line and the dark outline bend with the curve instead of being cut
      // off by it: near the top the outermost visible pixels are lighter than the caption
      // under the line, near the bottom darker than the border's body.
      const Pixel Caption = At(S.B, S.Outer + 3 * S.In, 1), Body = At(S.B, S.Outer + S.In, 25);
      for (int Y : {0, 1})
        CHECK(OutermostBrightness(S.B, S.Outer, Y, S.In) > Brightness(Caption));
      for (int Y = 28; Y < 32; ++Y) {
        const int Edge = OutermostBrightness(S.B, S.Outer, Y, S.In);
        CHECK(Edge >= 0 && Edge < Brightness(Body));
      }
      // Anywhere else the border is solid: see-through pixels stay within three columns of
      // the outer edge, in the top six rows and the bottom four.
      int Stray = 0;
      for (int Y = 0; Y < 32; ++Y)
        for (int X = 0; X < S.B.Width / 2; ++X) {
          const int Column = S.In > 0 ? S.Outer + X : S.Outer - X;
          Stray += Alpha(S.B, Column, Y) < 255 && (X >= 3 || (Y >= 6 && Y < 28));
        }
      CHECK(Stray == 0);
    }
  }
  // The caption and the bottom border sit between the side borders: no holes at their ends.
  for (const char* Name : {"top", "bottom"}) {
    const SkinBitmap& B = Get(Name);
    int Clear = 0;
    for (int Y = 0; Y < B.Height; ++Y)
      for (int X = 0; X < B.Width; ++X)
        Clear += Alpha(B, X, Y) < 255;
    if (Clear)
      std::fprintf(stderr, "%s: %d pixels not opaque\n", Name, Clear);
    CHECK(Clear == 0);
  }
  const SkinBitmap& Button = Get("button");
  for (int X = 0; X < 160; X += 32) {
    CHECK(Corner(Button, X, 0, 1, 1) && Corner(Button, X + 31, 23, -1, -1));
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

// Rows pixels down column AX of A from row AY are the same as those down column BX of B
// from row BY.
bool SameColumn(const SkinBitmap& A, int AX, int AY, const SkinBitmap& B, int BX, int BY,
                int Rows) {
  for (int I = 0; I < Rows; ++I)
    if (At(A, AX, AY + I) != At(B, BX, BY + I)) {
      std::fprintf(stderr, "%s %d,%d does not continue as %s %d,%d\n", A.Name.c_str(), AX, AY + I,
                   B.Name.c_str(), BX, BY + I);
      return false;
    }
  return true;
}

// The caption and the bottom border meet the side borders' inner columns row for row. The
// joins lie where the frame is straight and the pieces are cut from one drawing, so the
// colours either side must be exactly the same: the caption's gradient changes by only one
// or two levels from row to row, and any tolerance would let a piece cut a row out of line
// pass unnoticed.
void TestFrameJoins() {
  const SkinBitmap &Top = Get("top"), &Left = Get("left"), &Right = Get("right");
  const SkinBitmap& Bottom = Get("bottom");
  for (int Half = 0; Half < 2; ++Half) {
    const int LeftInner = 4 * Half + 3, RightInner = 5 * Half;
    CHECK(SameColumn(Left, LeftInner, 0, Top, 0, 22 * Half, 22));
    CHECK(SameColumn(Top, 183, 22 * Half, Right, RightInner, 0, 22));
    CHECK(SameColumn(Left, LeftInner, 27, Bottom, 0, 5 * Half, 5));
    CHECK(SameColumn(Bottom, 31, 5 * Half, Right, RightInner, 27, 5));
    // The caption's end column changes from row to row, so matching it means something.
    CHECK(At(Top, 0, 22 * Half + 1) != At(Top, 0, 22 * Half + 2));
  }
  CHECK(At(Top, 90, 0) != At(Top, 90, 22)); // active and inactive differ
}

void TestCaptionButtons() {
  const char* Names[] = {"btnclose", "btnmax", "btnrestore", "btnmin", "btnroll", "btnrolldown"};
  for (const char* Name : Names) {
    const SkinBitmap& B = Get(Name);
    const auto Block = [](int I) { return Region{18 * I, 0, 18 * I + 18, 15}; };
    CHECK(!Differ(B, Block(0), Block(5)));
    for (int I = 0; I < 5; ++I)
      for (int J = 0; J < I; ++J)
        CHECK(Differ(B, Block(I), Block(J)));
    for (int I = 0; I < 6; ++I)
      CHECK(Alpha(B, 18 * I, 0) == 0 && Alpha(B, 18 * I + 17, 14) == 0);
    // The normal face lets the caption show through beside the glyph.
    CHECK(Alpha(B, 2, 7) > 0 && Alpha(B, 2, 7) < 255);
  }
  // Glyphs are centred: the normal block is its own mirror image (restore is lopsided).
  for (const char* Name : {"btnclose", "btnmax", "btnmin", "btnroll", "btnrolldown"}) {
    const SkinBitmap& B = Get(Name);
    bool Mirror = true;
    for (int Y = 0; Y < 15; ++Y)
      for (int X = 0; X < 9; ++X)
        Mirror = Mirror && At(B, X, Y) == At(B, 17 - X, Y);
    CHECK(Mirror);
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
  TestPixelRules();
  TestRepeatingBands();
  TestPiecesApart();
  TestRoundedCorners();
  TestFrameJoins();
  TestCaptionButtons();
  return ArtGen::Finish("all skin art checks passed");
}
