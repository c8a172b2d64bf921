#include "ArtChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/artgen/Checks.h"

namespace SkinGen::Checks {

Pixel At(const SkinBitmap& B, int X, int Y) {
  const size_t I = (static_cast<size_t>(Y) * B.Width + X) * 4;
  return {B.Bgra.at(I), B.Bgra.at(I + 1), B.Bgra.at(I + 2), B.Bgra.at(I + 3)};
}

int Alpha(const SkinBitmap& B, int X, int Y) { return At(B, X, Y)[3]; }

int Brightness(const Pixel& P) { return P[0] + P[1] + P[2]; }

const SkinBitmap& Find(const std::vector<SkinBitmap>& Set, const char* Name) {
  for (const SkinBitmap& B : Set)
    if (B.Name == Name)
      return B;
  std::fprintf(stderr, "no bitmap named %s\n", Name);
  std::exit(1);
}

bool Uniform(const SkinBitmap& B, Region R, bool AlongX, bool Quiet) {
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

bool Stretches(const SkinBitmap& B, Region R, int ML, int MT, int MR, int MB, bool PlainMiddle) {
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

bool RoundCorner(const SkinBitmap& B, int X, int Y, int InX, int InY, int Depth) {
  bool Partial = false;
  for (int D = 0; D <= Depth; ++D)
    Partial = Partial || (Alpha(B, X + D * InX, Y) > 0 && Alpha(B, X + D * InX, Y) < 255);
  return Alpha(B, X, Y) == 0 && Alpha(B, X + Depth * InX, Y + Depth * InY) == 255 && Partial;
}

void CheckNamesAndSizes(const std::vector<SkinBitmap>& Set, const std::vector<NameAndSize>& Want,
                        const std::function<std::vector<SkinBitmap>()>& DrawAgain) {
  CHECK(Set.size() == Want.size());
  for (size_t I = 0; I < Set.size() && I < Want.size(); ++I) {
    if (Set[I].Name != Want[I].Name || Set[I].Width != Want[I].Width ||
        Set[I].Height != Want[I].Height)
      std::fprintf(stderr, "bitmap %zu is %s %dx%d, not %s %dx%d\n", I, Set[I].Name.c_str(),
                   Set[I].Width, Set[I].Height, Want[I].Name, Want[I].Width, Want[I].Height);
    CHECK(Set[I].Name == Want[I].Name);
    CHECK(Set[I].Width == Want[I].Width && Set[I].Height == Want[I].Height);
    CHECK(Set[I].Bgra.size() == static_cast<size_t>(Want[I].Width * Want[I].Height * 4));
  }
  const auto Again = DrawAgain();
  bool Same = Again.size() == Set.size();
  for (size_t I = 0; Same && I < Set.size(); ++I)
    Same = Again[I].Bgra == Set[I].Bgra;
  CHECK(Same);
}

void CheckPixelRules(const std::vector<SkinBitmap>& Set) {
  for (const SkinBitmap& B : Set) {
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

namespace {

bool Inside(const Region& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

int DrawnIn(const SkinBitmap& B, const Region& R) {
  int Drawn = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X)
      Drawn += Alpha(B, X, Y) > 0;
  return Drawn;
}

} // namespace

void CheckPiecesApart(const std::vector<SkinBitmap>& Set, const Sheet& S) {
  const SkinBitmap& B = Find(Set, S.Name);
  std::vector<Region> All = S.Pieces;
  All.insert(All.end(), S.Empty.begin(), S.Empty.end());
  for (size_t I = 0; I < All.size(); ++I) {
    const Region& R = All[I];
    const bool Drawn = DrawnIn(B, R) > 0, Empty = I >= S.Pieces.size();
    if (Drawn == Empty)
      std::fprintf(stderr, "%s: piece %zu (%d,%d,%d,%d) is %s\n", S.Name, I, R.Left, R.Top,
                   R.Right, R.Bottom, Empty ? "not empty" : "empty");
    CHECK(Drawn != Empty);
    CHECK(R.Right <= B.Width && R.Bottom <= B.Height);
    for (size_t J = 0; J < I; ++J) {
      const Region& O = All[J];
      const bool Overlap =
          R.Left < O.Right && O.Left < R.Right && R.Top < O.Bottom && O.Top < R.Bottom;
      if (Overlap)
        std::fprintf(stderr, "%s: pieces %zu and %zu overlap\n", S.Name, J, I);
      CHECK(!Overlap);
    }
  }
  int Stray = 0;
  for (int Y = 0; Y < B.Height; ++Y)
    for (int X = 0; X < B.Width; ++X) {
      bool In = false;
      for (const Region& R : All)
        In = In || Inside(R, X, Y);
      Stray += !In && Alpha(B, X, Y) > 0;
    }
  if (Stray)
    std::fprintf(stderr, "%s: %d pixels drawn outside the pieces\n", S.Name, Stray);
  CHECK(Stray == 0);
}

void CheckStatesDiffer(const SkinBitmap& B, Region First, int DX, int DY, int Count) {
  const auto Nth = [&](int I) {
    return Region{First.Left + I * DX, First.Top + I * DY, First.Right + I * DX,
                  First.Bottom + I * DY};
  };
  for (int I = 0; I < Count; ++I)
    for (int J = 0; J < I; ++J)
      if (!Differ(B, Nth(I), Nth(J))) {
        std::fprintf(stderr, "%s: the pieces at %d,%d and %d,%d are the same\n", B.Name.c_str(),
                     Nth(J).Left, Nth(J).Top, Nth(I).Left, Nth(I).Top);
        CHECK(false);
      }
}

namespace {

// The brightness of the first pixel at least half covered in row Y, going inwards (Step)
// from column X across Columns columns; -1 if there is none.
int OutermostBrightness(const SkinBitmap& B, int X, int Y, int Step, int Columns) {
  for (int I = 0; I < Columns; ++I, X += Step)
    if (Alpha(B, X, Y) >= 128)
      return Brightness(At(B, X, Y));
  return -1;
}

void CheckSideCorners(const SkinBitmap& B, int Outer, int In, int Width, const FrameGeometry& G) {
  const int H = G.SideHeight(), Depth = std::min(3, Width - 1);
  const int TopRows = static_cast<int>(std::ceil(G.TopRY));
  const int BottomRows = static_cast<int>(std::ceil(G.BottomRY));
  CHECK(RoundCorner(B, Outer, 0, In, 1, Depth) && RoundCorner(B, Outer, H - 1, In, -1, Depth));
  // The light top line and the dark outline bend with the curve instead of being cut off by
  // it: near the top the outermost visible pixels are lighter than the caption under the
  // line, near the bottom darker than the border's body.
  const Pixel Caption = At(B, Outer + Depth * In, 1);
  const Pixel Body = At(B, Outer + In, G.Caption + 3);
  for (int Y : {0, 1})
    CHECK(OutermostBrightness(B, Outer, Y, In, Width) > Brightness(Caption));
  for (int Y = H - BottomRows; Y < H; ++Y) {
    const int Edge = OutermostBrightness(B, Outer, Y, In, Width);
    CHECK(Edge >= 0 && Edge < Brightness(Body));
  }
  // Anywhere else the border is solid: see-through pixels stay within the arcs' width of
  // the outer edge, in the arcs' rows at the top and the bottom.
  const int ArcColumns = static_cast<int>(std::max(G.TopRX, G.BottomRX));
  int Stray = 0;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < Width; ++X) {
      const int Column = In > 0 ? Outer + X : Outer - X;
      Stray += Alpha(B, Column, Y) < 255 && (X >= ArcColumns || (Y >= TopRows && Y < H - BottomRows));
    }
  if (Stray)
    std::fprintf(stderr, "%s: %d see-through pixels away from the corners\n", B.Name.c_str(), Stray);
  CHECK(Stray == 0);
}

} // namespace

void CheckFrame(const std::vector<SkinBitmap>& Set, const FrameGeometry& G, const FrameNames& Names,
                int CaptionEnd) {
  const SkinBitmap &Top = Find(Set, Names.Top), &Left = Find(Set, Names.Left);
  const SkinBitmap &Right = Find(Set, Names.Right), &Bottom = Find(Set, Names.Bottom);
  const int Side = G.SideHeight(), Body = G.Caption + G.BodyRows;
  CHECK(Top.Width == G.CaptionPiece && Top.Height == 2 * G.Caption);
  CHECK(Left.Width == 2 * G.Left && Left.Height == Side);
  CHECK(Right.Width == 2 * G.Right && Right.Height == Side);
  CHECK(Bottom.Width == G.BottomPiece && Bottom.Height == 2 * G.Bottom);

  // Repeating bands. The side borders' two rows after the caption are stretched down the
  // window and run on into the bottom pieces, whose first rows are still beside the body
  // (as far as the bottom corners' arcs).
  const int Straight = std::min(Body, Side - static_cast<int>(std::ceil(G.BottomRY)));
  CHECK(Uniform(Top, {CaptionEnd, 0, G.CaptionPiece - CaptionEnd, 2 * G.Caption}, true));
  CHECK(Uniform(Left, {0, G.Caption, Left.Width, Straight}, false));
  CHECK(Uniform(Right, {0, G.Caption, Right.Width, Straight}, false));
  CHECK(Uniform(Bottom, {G.Left, 0, G.BottomPiece - G.Right, Bottom.Height}, true));

  for (int Half = 0; Half < 2; ++Half) {
    CheckSideCorners(Left, G.Left * Half, 1, G.Left, G);
    CheckSideCorners(Right, G.Right * Half + G.Right - 1, -1, G.Right, G);
    // The caption and the bottom border meet the side borders' inner columns row for row.
    // The joins lie where the frame is straight and the pieces are cut from one drawing, so
    // the colours either side must be exactly the same: any tolerance would let a piece cut
    // a row out of line pass unnoticed.
    const int LeftInner = G.Left * Half + G.Left - 1, RightInner = G.Right * Half;
    CHECK(SameColumn(Left, LeftInner, 0, Top, 0, G.Caption * Half, G.Caption));
    CHECK(SameColumn(Top, G.CaptionPiece - 1, G.Caption * Half, Right, RightInner, 0, G.Caption));
    CHECK(SameColumn(Left, LeftInner, Body, Bottom, 0, G.Bottom * Half, G.Bottom));
    CHECK(SameColumn(Bottom, G.BottomPiece - 1, G.Bottom * Half, Right, RightInner, Body, G.Bottom));
    // The caption's end column changes down the caption, so matching it means something.
    CHECK(!Uniform(Top, {0, G.Caption * Half, 1, G.Caption * Half + G.Caption - 1}, false, true));
  }
  // The caption and the bottom border sit between the side borders: no holes at their ends.
  for (const SkinBitmap* B : {&Top, &Bottom}) {
    int Clear = 0;
    for (int Y = 0; Y < B->Height; ++Y)
      for (int X = 0; X < B->Width; ++X)
        Clear += Alpha(*B, X, Y) < 255;
    if (Clear)
      std::fprintf(stderr, "%s: %d pixels not opaque\n", B->Name.c_str(), Clear);
    CHECK(Clear == 0);
  }
  CHECK(At(Top, G.CaptionPiece / 2, 0) != At(Top, G.CaptionPiece / 2, G.Caption));
}

void CheckCaptionButtons(const SkinBitmap& B, int Width, int Height, bool Symmetric) {
  CHECK(B.Width == 6 * Width && B.Height == Height);
  const auto Block = [=](int I) { return Region{Width * I, 0, Width * I + Width, Height}; };
  CHECK(!Differ(B, Block(0), Block(5)));
  CheckStatesDiffer(B, Block(0), Width, 0, 5);
  for (int I = 0; I < 6; ++I)
    CHECK(Alpha(B, Width * I, 0) == 0 && Alpha(B, Width * I + Width - 1, Height - 1) == 0);
  if (Symmetric) {
    bool Mirror = true;
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width / 2; ++X)
        Mirror = Mirror && At(B, X, Y) == At(B, Width - 1 - X, Y);
    if (!Mirror)
      std::fprintf(stderr, "%s: the normal block is not symmetric\n", B.Name.c_str());
    CHECK(Mirror);
  }
}

} // namespace SkinGen::Checks
