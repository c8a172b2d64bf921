// Lays out the built-in skin's bitmaps on one PNG for review: every bitmap enlarged four
// times on a checkerboard (so that alpha shows), then all of them at real size, then mock
// windows put together from the pieces at real and double size.
//   skinartpreview OUT.png

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/artgen/Font.h"
#include "tools/contactsheet/PngFile.h"
#include "tools/skingen/SkinArt.h"

using SkinGen::SkinBitmap;

namespace {

// An RGB picture, 0xRRGGBB per pixel.
struct Sheet {
  int Width, Height;
  std::vector<uint32_t> Pixels;
  Sheet(int W, int H, uint32_t Fill)
      : Width(W), Height(H), Pixels(static_cast<size_t>(W) * H, Fill) {}

  // Straight-alpha B,G,R,A composited over the pixel at X, Y.
  void Blend(int X, int Y, const uint8_t* Bgra) {
    if (X < 0 || Y < 0 || X >= Width || Y >= Height)
      return;
    uint32_t& P = Pixels[static_cast<size_t>(Y) * Width + X];
    const int A = Bgra[3];
    const int Under[3] = {static_cast<int>(P >> 16 & 255), static_cast<int>(P >> 8 & 255),
                          static_cast<int>(P & 255)};
    const int Over[3] = {Bgra[2], Bgra[1], Bgra[0]};
    uint32_t Out = 0;
    for (int I = 0; I < 3; ++I)
      Out = Out << 8 | static_cast<uint32_t>((Over[I] * A + Under[I] * (255 - A) + 127) / 255);
    P = Out;
  }
  void FillRect(int L, int T, int R, int B, uint32_t Color) {
    for (int Y = std::max(T, 0); Y < std::min(B, Height); ++Y)
      for (int X = std::max(L, 0); X < std::min(R, Width); ++X)
        Pixels[static_cast<size_t>(Y) * Width + X] = Color;
  }
};

void Checkerboard(Sheet& S, int L, int T, int R, int B, int Cell) {
  for (int Y = T; Y < B; ++Y)
    for (int X = L; X < R; ++X)
      S.Pixels[static_cast<size_t>(Y) * S.Width + X] =
          ((X - L) / Cell + (Y - T) / Cell) % 2 ? 0xE2E5E9 : 0xFFFFFF;
}

void DrawScaled(Sheet& S, const SkinBitmap& B, int Left, int Top, int Scale) {
  for (int Y = 0; Y < B.Height * Scale; ++Y)
    for (int X = 0; X < B.Width * Scale; ++X)
      S.Blend(Left + X, Top + Y,
              &B.Bgra[(static_cast<size_t>(Y / Scale) * B.Width + X / Scale) * 4]);
}

struct Piece {
  int L, T, R, B;
};

// Maps a destination offset onto the source for a nine-slice with margins Near and Far.
int SliceSource(int Offset, int DestSize, int SrcSize, int Near, int Far) {
  if (Offset < Near)
    return Offset;
  if (DestSize - Offset <= Far)
    return SrcSize - (DestSize - Offset);
  const int Middle = SrcSize - Near - Far, DestMiddle = DestSize - Near - Far;
  return Near + (Offset - Near) * Middle / std::max(DestMiddle, 1);
}

// Stretches Src of B into Dst, keeping the margins (left, top, right, bottom) unscaled.
void DrawNine(Sheet& S, const SkinBitmap& B, Piece Src, Piece Dst, Piece Margins = {0, 0, 0, 0}) {
  const int SW = Src.R - Src.L, SH = Src.B - Src.T, DW = Dst.R - Dst.L, DH = Dst.B - Dst.T;
  for (int Y = 0; Y < DH; ++Y)
    for (int X = 0; X < DW; ++X) {
      const int SX = Src.L + SliceSource(X, DW, SW, Margins.L, Margins.R);
      const int SY = Src.T + SliceSource(Y, DH, SH, Margins.T, Margins.B);
      S.Blend(Dst.L + X, Dst.T + Y, &B.Bgra[(static_cast<size_t>(SY) * B.Width + SX) * 4]);
    }
}

// A piece drawn at its own size with its top-left corner at X, Y.
void DrawPiece(Sheet& S, const SkinBitmap& B, Piece Src, int X, int Y) {
  DrawNine(S, B, Src, {X, Y, X + Src.R - Src.L, Y + Src.B - Src.T});
}

const SkinBitmap& Find(const std::vector<SkinBitmap>& All, const std::string& Name) {
  for (const SkinBitmap& B : All)
    if (B.Name == Name)
      return B;
  std::fprintf(stderr, "skinartpreview: no bitmap %s\n", Name.c_str());
  std::exit(1);
}

void DrawTitle(Sheet& S, int X, int Y, const char* Text, uint32_t Color) {
  const ArtGen::TextStyle Style{1.1f, 1.15f, 1.6f};
  const ArtGen::Shape Ink = ArtGen::TextShape(Text, 0.5f, 8.5f, Style);
  const int W = static_cast<int>(ArtGen::TextWidth(Text, Style)) + 3;
  ArtGen::Canvas C(W, 12);
  C.Fill(Ink, ArtGen::Solid(ArtGen::Rgb(Color >> 16 & 255, Color >> 8 & 255, Color & 255)));
  const std::vector<uint8_t> Bgra = C.ToBgra();
  for (int PY = 0; PY < 12; ++PY)
    for (int PX = 0; PX < W; ++PX)
      S.Blend(X + PX, Y + PY, &Bgra[(static_cast<size_t>(PY) * W + PX) * 4]);
}

// States shown by one mock window.
struct Mock {
  bool Active;
  int CloseBlock, MaxBlock, MinBlock; // caption button block index
  int Button, Check, Edit;            // column of the control states
};

// A window assembled from the skin pieces on a desktop-coloured sheet of its own size.
Sheet MockWindow(const std::vector<SkinBitmap>& All, const Mock& M) {
  constexpr int W = 230, H = 214;
  Sheet S(W, H, 0x8DA2B8);
  for (int Y = 0; Y < H; ++Y) // a soft desktop gradient
    for (int X = 0; X < W; ++X)
      S.Pixels[static_cast<size_t>(Y) * W + X] = Y < H / 2 ? 0x9DB0C4 : 0x8DA2B8;
  const int Half = M.Active ? 0 : 1;
  const int Cap = 22;
  // The side borders run the full height; the caption and the bottom border sit between them.
  DrawNine(S, Find(All, "left"), {4 * Half, 0, 4 * Half + 4, 32}, {0, 0, 4, H}, {0, 22, 0, 8});
  DrawNine(S, Find(All, "right"), {5 * Half, 0, 5 * Half + 5, 32}, {W - 5, 0, W, H}, {0, 22, 0, 8});
  DrawNine(S, Find(All, "top"), {0, 22 * Half, 184, 22 * Half + 22}, {4, 0, W - 5, Cap},
           {8, 0, 8, 0});
  DrawNine(S, Find(All, "bottom"), {0, 5 * Half, 32, 5 * Half + 5}, {4, H - 5, W - 5, H},
           {4, 0, 5, 0});
  DrawNine(S, Find(All, "client"), {0, 0, 32, 32}, {4, Cap, W - 5, H - 5});
  DrawTitle(S, 10, 5, "Mirevan", M.Active ? 0xFFFFFF : 0x4A5663);

  const int Blocks[3] = {M.CloseBlock, M.MaxBlock, M.MinBlock};
  const char* Names[3] = {"btnclose", "btnmax", "btnmin"};
  for (int I = 0; I < 3; ++I) {
    const int Block = M.Active || Blocks[I] != 0 ? Blocks[I] : 3;
    DrawPiece(S, Find(All, Names[I]), {18 * Block, 0, 18 * Block + 18, 15}, W - 5 - 2 - 18 - 20 * I,
              4);
  }

  // Menu bar with its second item highlighted.
  DrawNine(S, Find(All, "menu"), {0, 20, 16, 36}, {4, Cap, W - 5, Cap + 18}, {2, 2, 2, 2});
  DrawNine(S, Find(All, "menu"), {16, 20, 48, 38}, {42, Cap + 1, 80, Cap + 17}, {3, 3, 3, 3});

  const SkinBitmap& Button = Find(All, "button");
  DrawNine(S, Button, {32 * M.Button, 0, 32 * M.Button + 32, 24}, {14, 52, 89, 75}, {4, 4, 4, 4});
  DrawNine(S, Button, {96, 0, 128, 24}, {97, 52, 172, 75}, {4, 4, 4, 4});

  const SkinBitmap& Check = Find(All, "check");
  for (int Row = 0; Row < 5; ++Row)
    DrawPiece(S, Check, {13 * M.Check, 13 * Row, 13 * M.Check + 13, 13 * Row + 13}, 14 + 17 * Row,
              84);

  DrawNine(S, Find(All, "edit"), {16 * M.Edit, 0, 16 * M.Edit + 16, 16}, {14, 104, 120, 125},
           {3, 3, 3, 3});
  const SkinBitmap& Misc = Find(All, "misc");
  DrawPiece(S, Misc, {48, 0, 64, 16}, 102, 106);
  DrawNine(S, Misc, {0, 0, 16, 12}, {130, 108, 216, 120}, {3, 3, 3, 3});
  DrawNine(S, Misc, {16, 0, 32, 12}, {132, 110, 180, 118});

  // Status bar with a panel and the gripper.
  DrawNine(S, Misc, {0, 36, 16, 52}, {4, H - 5 - 18, W - 5, H - 5}, {3, 3, 3, 3});
  DrawNine(S, Misc, {16, 36, 32, 52}, {8, H - 5 - 16, 120, H - 7}, {3, 3, 3, 3});
  DrawPiece(S, Misc, {32, 36, 44, 48}, W - 5 - 13, H - 5 - 13);

  // A tab row over its page: normal, selected, hot, disabled.
  const SkinBitmap& Tabs = Find(All, "tabs");
  const int TabTop = 128, PageTop = TabTop + 21;
  DrawNine(S, Tabs, {0, 0, 18, 18}, {14, PageTop, 216, H - 5 - 22}, {4, 4, 4, 4});
  const int TabX[4] = {18, 58, 38, 78};
  for (int I = 0; I < 4; ++I)
    DrawNine(S, Tabs, {TabX[I], 0, TabX[I] + 20, 22},
             {16 + 44 * I, TabTop, 16 + 44 * I + 44, TabTop + 22}, {4, 4, 4, 0});
  DrawPiece(S, Tabs, {0, 24, 16, 40}, 216 - 34, TabTop + 3);
  DrawPiece(S, Tabs, {16, 24, 32, 40}, 216 - 17, TabTop + 3);
  return S;
}

// A picture on a checkerboard, so that transparent and translucent pixels show.
Sheet OnCheckerboard(const SkinBitmap& B, int Cell) {
  Sheet S(B.Width, B.Height, 0);
  Checkerboard(S, 0, 0, B.Width, B.Height, Cell);
  DrawScaled(S, B, 0, 0, 1);
  return S;
}

// Every caption button strip over the caption it sits on: the inactive block over the
// inactive caption, the others over the active one.
Sheet CaptionButtonsInPlace(const std::vector<SkinBitmap>& All) {
  const char* Names[] = {"btnclose", "btnmax", "btnrestore", "btnmin", "btnroll", "btnrolldown"};
  constexpr int Pitch = 18 + 6, Row = 22 + 4;
  Sheet S(6 * Pitch, 6 * Row, 0xF7F8FA);
  const SkinBitmap& Top = Find(All, "top");
  for (int I = 0; I < 6; ++I)
    for (int Block = 0; Block < 6; ++Block) {
      const int X = Block * Pitch, Y = I * Row, Half = Block == 3 ? 22 : 0;
      DrawNine(S, Top, {20, Half, 40, Half + 22}, {X, Y, X + Pitch - 2, Y + 22});
      DrawPiece(S, Find(All, Names[I]), {18 * Block, 0, 18 * Block + 18, 15}, X + 2, Y + 4);
    }
  return S;
}

// A popup menu with its second item highlighted, over the window body.
Sheet PopupMenu(const std::vector<SkinBitmap>& All) {
  Sheet S(120, 90, 0xF3F5F8);
  const SkinBitmap& Menu = Find(All, "menu");
  DrawNine(S, Menu, {0, 0, 16, 16}, {8, 8, 112, 84}, {2, 2, 3, 3});
  DrawNine(S, Menu, {16, 0, 48, 18}, {12, 30, 106, 48}, {3, 3, 3, 3});
  return S;
}

// Places pictures left to right, starting a new row when one would pass the right margin.
struct Layout {
  struct Item {
    Sheet Picture;
    int Scale, X, Y;
  };
  std::vector<Item> Items;
  int Width, Margin, Gap, X, Y, RowHeight = 0;
  Layout(int W, int M, int G) : Width(W), Margin(M), Gap(G), X(M), Y(M) {}

  void Add(Sheet Picture, int Scale) {
    const int W = Picture.Width * Scale, H = Picture.Height * Scale;
    if (X > Margin && X + W > Width - Margin)
      NewRow();
    Items.push_back({std::move(Picture), Scale, X, Y});
    X += W + Gap;
    RowHeight = std::max(RowHeight, H);
  }
  void NewRow() {
    if (RowHeight == 0)
      return;
    X = Margin;
    Y += RowHeight + Gap;
    RowHeight = 0;
  }
  Sheet Render() {
    NewRow();
    Sheet Out(Width, Y + Margin - Gap, 0xF7F8FA);
    for (const Item& I : Items)
      for (int PY = 0; PY < I.Picture.Height * I.Scale; ++PY)
        for (int PX = 0; PX < I.Picture.Width * I.Scale; ++PX)
          Out.Pixels[static_cast<size_t>(I.Y + PY) * Width + I.X + PX] =
              I.Picture.Pixels[static_cast<size_t>(PY / I.Scale) * I.Picture.Width + PX / I.Scale];
    return Out;
  }
};

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skinartpreview OUT.png\n");
    return 2;
  }
  const std::vector<SkinBitmap> All = SkinGen::DrawSkinBitmaps();
  Layout Page(1180, 16, 16);
  for (const SkinBitmap& B : All)
    Page.Add(OnCheckerboard(B, 2), 4);
  Page.NewRow();
  Page.Add(CaptionButtonsInPlace(All), 4);
  Page.Add(CaptionButtonsInPlace(All), 1);
  Page.NewRow();
  for (const SkinBitmap& B : All)
    Page.Add(OnCheckerboard(B, 4), 1);
  Page.NewRow();
  const Mock Mocks[] = {
      {true, 0, 0, 0, 0, 0, 0}, {false, 0, 0, 0, 4, 3, 3}, {true, 2, 1, 4, 1, 1, 2}};
  for (const Mock& M : Mocks)
    Page.Add(MockWindow(All, M), 1);
  Page.NewRow();
  Page.Add(MockWindow(All, Mocks[0]), 2);
  Page.Add(MockWindow(All, Mocks[1]), 2);
  Page.Add(PopupMenu(All), 2);
  const Sheet Out = Page.Render();
  if (!WritePng(argv[1], Out.Width, Out.Height, Out.Pixels)) {
    std::fprintf(stderr, "skinartpreview: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%zu bitmaps, %d x %d pixels: %s\n", All.size(), Out.Width, Out.Height, argv[1]);
  return 0;
}
