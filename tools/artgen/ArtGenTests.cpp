// Checks for the artwork generator: file layouts a Windows loader depends on, compositing
// arithmetic, letter metrics, and properties of the finished pictures.

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "Artwork.h"
#include "Canvas.h"
#include "Checks.h"
#include "Font.h"
#include "ImageFiles.h"

using namespace ArtGen;

namespace {

template <typename F> bool Throws(F&& Action) {
  try {
    Action();
  } catch (const std::exception&) {
    return true;
  }
  return false;
}

uint32_t Get16(const std::vector<uint8_t>& B, size_t At) { return B.at(At) | B.at(At + 1) << 8; }
uint32_t Get32(const std::vector<uint8_t>& B, size_t At) {
  return Get16(B, At) | Get16(B, At + 2) << 16;
}

bool Near(float A, float B, float Tolerance = 0.002f) { return std::fabs(A - B) <= Tolerance; }

void TestBitmapLayout() {
  // 3x2 pixels, each channel byte distinct: rows of 9 bytes padded to 12, bottom row first.
  std::vector<uint8_t> Bgr;
  for (int I = 0; I < 18; ++I)
    Bgr.push_back(static_cast<uint8_t>(10 + I));
  const auto File = EncodeBmp24(3, 2, Bgr);
  CHECK(File.size() == 54 + 24);
  CHECK(File[0] == 'B' && File[1] == 'M');
  CHECK(Get32(File, 2) == File.size());
  CHECK(Get32(File, 10) == 54);
  CHECK(Get32(File, 14) == 40);
  CHECK(Get32(File, 18) == 3 && Get32(File, 22) == 2);
  CHECK(Get16(File, 28) == 24 && Get32(File, 30) == 0);
  CHECK(Get32(File, 34) == 24);
  CHECK(File[54] == 19 && File[62] == 27);                // bottom row stored first
  CHECK(File[63] == 0 && File[64] == 0 && File[65] == 0); // padding
  CHECK(File[66] == 10 && File[74] == 18);
  CHECK(Throws([] { EncodeBmp24(3, 2, std::vector<uint8_t>(17)); }));
}

// Pixels whose alpha is 0 on a checkerboard, colour bytes numbering the pixel.
IconImage Checker(int Width, int Height) {
  IconImage Image{Width, Height, {}};
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const uint8_t N = static_cast<uint8_t>(Y * Width + X);
      const uint8_t A = (X + Y) % 2 ? 0 : static_cast<uint8_t>(1 + N);
      Image.Bgra.insert(Image.Bgra.end(), {N, N, N, A});
    }
  return Image;
}

void TestIconLayout() {
  const auto File = EncodeIcon({Checker(9, 2), Checker(4, 3)});
  CHECK(Get16(File, 0) == 0 && Get16(File, 2) == 1 && Get16(File, 4) == 2);
  size_t Expected = 6 + 2 * 16;
  const int Sizes[][2] = {{9, 2}, {4, 3}};
  for (int I = 0; I < 2; ++I) {
    const size_t Entry = 6 + 16 * static_cast<size_t>(I);
    const int W = Sizes[I][0], H = Sizes[I][1];
    CHECK(File[Entry] == W && File[Entry + 1] == H);
    CHECK(Get16(File, Entry + 4) == 1 && Get16(File, Entry + 6) == 32);
    const uint32_t Size = Get32(File, Entry + 8), Offset = Get32(File, Entry + 12);
    CHECK(Offset == Expected);
    // Mask rows are padded to 4 bytes even for narrow images.
    CHECK(Size == 40 + static_cast<uint32_t>(W * H * 4 + 4 * H));
    CHECK(Get32(File, Offset) == 40);
    CHECK(Get32(File, Offset + 4) == static_cast<uint32_t>(W));
    CHECK(Get32(File, Offset + 8) == static_cast<uint32_t>(2 * H));
    CHECK(Get16(File, Offset + 14) == 32);
    Expected += Size;
  }
  CHECK(Expected == File.size());

  // The 9x2 image: colour rows bottom-up, mask bits most significant first.
  const size_t Pixels = Get32(File, 6 + 12) + 40;
  CHECK(File[Pixels] == 9 && File[Pixels + 4 * 9] == 0);
  CHECK(File[Pixels + 3] == 0 && File[Pixels + 4 * 9 + 3] == 1);
  const size_t Mask = Pixels + 9 * 2 * 4;
  // Bottom row (y = 1): the even columns are transparent.
  CHECK(File[Mask] == 0xAA && File[Mask + 1] == 0x80);
  CHECK(File[Mask + 2] == 0 && File[Mask + 3] == 0);
  CHECK(File[Mask + 4] == 0x55 && File[Mask + 5] == 0x00);

  IconImage Large{256, 256, std::vector<uint8_t>(256 * 256 * 4, 255)};
  const auto LargeFile = EncodeIcon({Large});
  CHECK(LargeFile[6] == 0 && LargeFile[7] == 0);
  CHECK(Throws([] { EncodeIcon({IconImage{257, 1, std::vector<uint8_t>(257 * 4)}}); }));
  CHECK(Throws([] { EncodeIcon({}); }));
}

void TestCursorLayout() {
  const auto File = EncodeCursor(Checker(4, 3), 3, 2);
  CHECK(Get16(File, 2) == 2 && Get16(File, 4) == 1);
  CHECK(Get16(File, 10) == 3 && Get16(File, 12) == 2);
  CHECK(Throws([] { EncodeCursor(Checker(4, 3), 4, 0); }));
  CHECK(Throws([] { EncodeCursor(Checker(4, 3), 0, -1); }));
}

void TestCompositing() {
  Canvas C(4, 2);
  // An edge on a pixel boundary covers whole pixels; one through pixel centres covers half.
  C.Fill(Rect(1, 0, 2.5f, 2), Solid(Rgb(255, 0, 0)));
  CHECK(C.Pixel(0, 0).A == 0);
  CHECK(Near(C.Pixel(1, 0).A, 1) && Near(C.Pixel(1, 0).R, 1));
  CHECK(Near(C.Pixel(2, 1).A, 0.5f) && Near(C.Pixel(2, 1).R, 1));
  CHECK(C.Pixel(3, 1).A == 0);

  // Half-transparent white over opaque black, and over nothing.
  Canvas D(2, 1);
  D.Fill(Rect(0, 0, 1, 1), Solid(Rgb(0, 0, 0)));
  D.Fill(Rect(0, 0, 2, 1), Solid(Rgb(255, 255, 255, 0.5f)));
  CHECK(Near(D.Pixel(0, 0).R, 0.5f) && Near(D.Pixel(0, 0).A, 1));
  CHECK(Near(D.Pixel(1, 0).R, 1) && Near(D.Pixel(1, 0).A, 0.5f));
  const auto Bgra = D.ToBgra();
  CHECK(Bgra[0] == 128 && Bgra[3] == 255);
  CHECK(Bgra[4] == 255 && Bgra[7] == 128);
  const auto Bgr = D.ToBgr(Rgb(0, 0, 200));
  CHECK(Bgr[3] == 228 && Bgr[4] == 128 && Bgr[5] == 128);

  // Untouched pixels are all-zero so that the icon mask and colours agree.
  const auto Empty = Canvas(1, 1).ToBgra();
  CHECK(Empty == std::vector<uint8_t>(4, 0));
  CHECK(Canvas(2, 2).ToBgr(Rgb(1, 2, 3)) ==
        std::vector<uint8_t>({3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1}));

  // A layer faded as a whole: where its two fills overlap, the top one wins before fading.
  Canvas Layer(1, 1), Target(1, 1);
  Layer.Fill(Rect(0, 0, 1, 1), Solid(Rgb(255, 0, 0)));
  Layer.Fill(Rect(0, 0, 1, 1), Solid(Rgb(0, 0, 255)));
  Target.Clear(Rgb(0, 255, 0));
  Target.Draw(Layer, 0.25f);
  const Color P = Target.Pixel(0, 0);
  CHECK(Near(P.R, 0) && Near(P.G, 0.75f) && Near(P.B, 0.25f) && Near(P.A, 1));
  CHECK(Throws([&] { Target.Draw(Canvas(2, 1)); }));
}

void TestShapes() {
  Canvas C(9, 9);
  C.Fill(Subtract(Rect(0, 0, 9, 9), Circle(4.5f, 4.5f, 2)), Solid(Rgb(0, 0, 0)));
  CHECK(C.Pixel(4, 4).A == 0 && Near(C.Pixel(0, 0).A, 1));
  // A stroke inside an outline stays inside it.
  Canvas S(6, 6);
  S.Fill(InnerStroke(Rect(1, 1, 5, 5), 1), Solid(Rgb(0, 0, 0)));
  CHECK(S.Pixel(0, 2).A == 0 && Near(S.Pixel(1, 2).A, 1) && S.Pixel(2, 2).A == 0);
  // Growing by a whole pixel moves a straight edge out by one pixel.
  Canvas G(5, 1);
  G.Fill(Grow(Rect(2, 0, 3, 1), 1), Solid(Rgb(0, 0, 0)));
  CHECK(G.Pixel(0, 0).A == 0 && Near(G.Pixel(1, 0).A, 1) && Near(G.Pixel(3, 0).A, 1));
  CHECK(G.Pixel(4, 0).A == 0);
}

void TestLetters() {
  CHECK(CanDraw("Mirevan") && CanDraw("translucent windows"));
  CHECK(!CanDraw("Mirevan 2"));
  CHECK(Throws([] { TextShape("x", 0, 0, TextStyle{}); }));
  // The measured width is the width of the ink actually drawn.
  TextStyle Style{3, 3, 2};
  const float Width = TextWidth("Mirevan", Style);
  Canvas C(static_cast<int>(Width) + 20, 40);
  C.Fill(TextShape("Mirevan", 10, 30, Style), Solid(Rgb(0, 0, 0)));
  int First = -1, Last = -1, Top = -1;
  for (int X = 0; X < C.Width(); ++X)
    for (int Y = 0; Y < C.Height(); ++Y)
      if (C.Pixel(X, Y).A > 0.5f) {
        if (First < 0)
          First = X;
        Last = X;
        if (Top < 0 || Y < Top)
          Top = Y;
      }
  CHECK(First == 10);
  CHECK(std::fabs(static_cast<float>(Last + 1 - First) - Width) <= 1.0f);
  // Capitals reach 7 units plus half a stroke above the baseline.
  CHECK(std::fabs(static_cast<float>(Top) - (30 - 7 * 3 - 1.5f)) <= 1.0f);
}

void TestArtwork() {
  const auto Files = BuildArtwork();
  CHECK(Files.size() == 23);
  const auto Again = BuildArtwork();
  bool Same = Again.size() == Files.size();
  for (size_t I = 0; Same && I < Files.size(); ++I)
    Same = Files[I].Name == Again[I].Name && Files[I].Bytes == Again[I].Bytes;
  CHECK(Same);

  struct Expect {
    const char* Name;
    int Width, Height;
  };
  const Expect Bitmaps[] = {{"DragOff.bmp", 32, 32},
                            {"DragOn.bmp", 32, 32},
                            {"OperateTransparent.bmp", 64, 56},
                            {"OperateOpacity.bmp", 64, 56},
                            {"AboutBanner.bmp", 361, 97},
                            {"FormClose.bmp", 16, 16},
                            {"FormMinimize.bmp", 16, 16},
                            {"FormMaximize.bmp", 16, 16},
                            {"FormRestore.bmp", 16, 16},
                            {"FormRollup.bmp", 16, 16},
                            {"FormTray.bmp", 16, 16},
                            {"ButtonOK.bmp", 32, 16},
                            {"ButtonCancel.bmp", 32, 16},
                            {"ButtonHelp.bmp", 32, 16},
                            {"ButtonYes.bmp", 32, 16},
                            {"ButtonNo.bmp", 32, 16},
                            {"ButtonClose.bmp", 32, 16},
                            {"ButtonAbort.bmp", 32, 16},
                            {"ButtonRetry.bmp", 32, 16},
                            {"ButtonIgnore.bmp", 32, 16},
                            {"ButtonAll.bmp", 32, 16}};
  for (const Expect& E : Bitmaps) {
    bool Found = false;
    for (const ArtFile& F : Files)
      if (F.Name == E.Name) {
        Found = true;
        CHECK(Get32(F.Bytes, 18) == static_cast<uint32_t>(E.Width));
        CHECK(Get32(F.Bytes, 22) == static_cast<uint32_t>(E.Height));
        CHECK(Get16(F.Bytes, 28) == 24);
      }
    CHECK(Found);
  }
  // The button glyphs: the key colour at each cell's bottom-left corner (the button leaves
  // that colour out), ink in both cells, and no pixel blended with the key (a pink fringe).
  for (const ArtFile& F : Files) {
    if (F.Name.rfind("Button", 0) != 0)
      continue;
    const size_t Bits = Get32(F.Bytes, 10);
    const auto Pixel = [&](int X, int Y) {
      const size_t At = Bits + static_cast<size_t>(15 - Y) * 96 + 3 * static_cast<size_t>(X);
      return static_cast<uint32_t>(F.Bytes.at(At + 2) << 16 | F.Bytes.at(At + 1) << 8 |
                                   F.Bytes.at(At));
    };
    CHECK(Pixel(0, 15) == 0xFF00FF && Pixel(16, 15) == 0xFF00FF);
    int Inked[2] = {0, 0};
    bool Fringe = false;
    for (int Y = 0; Y < 16; ++Y)
      for (int X = 0; X < 32; ++X) {
        const uint32_t P = Pixel(X, Y);
        Inked[X / 16] += P != 0xFF00FF;
        // Blended with magenta: red and blue both well above green, but not the key itself.
        const int R = P >> 16, G = P >> 8 & 0xFF, B = P & 0xFF;
        Fringe = Fringe || (P != 0xFF00FF && R > G + 60 && B > G + 60);
      }
    CHECK(Inked[0] > 12 && Inked[1] > 12);
    CHECK(!Fringe);
  }

  // The socket pictures differ only by the reticle; the desktops only by the fading.
  CHECK(Files[2].Bytes != Files[3].Bytes && Files[4].Bytes != Files[5].Bytes);

  const std::vector<uint8_t>& Icon = Files[0].Bytes;
  CHECK(Files[0].Name == "Mirevan.ico" && Get16(Icon, 4) == 3);
  for (int I = 0; I < 3; ++I) {
    const int Want[] = {16, 32, 48};
    CHECK(Icon[6 + 16 * I] == Want[I]);
    // Real alpha: clear corners, solid and partly covered pixels in between.
    const size_t Pixels = Get32(Icon, 6 + 16 * I + 12) + 40;
    const int W = Want[I];
    int Clear = 0, Partial = 0, Solid = 0;
    for (int P = 0; P < W * W; ++P) {
      const uint8_t A = Icon[Pixels + 4 * P + 3];
      Clear += A == 0;
      Partial += A > 0 && A < 255;
      Solid += A == 255;
    }
    CHECK(Icon[Pixels + 3] == 0);
    CHECK(Clear > 0 && Partial > 0 && Solid > W * W / 4);
  }

  // The reticle is centred on the hotspot: mirror images about it match.
  const std::vector<uint8_t>& Cursor = Files[1].Bytes;
  CHECK(Files[1].Name == "Drag.cur");
  CHECK(Get16(Cursor, 10) == CursorHotX && Get16(Cursor, 12) == CursorHotY);
  const size_t Pixels = Get32(Cursor, 18) + 40;
  const auto Alpha = [&](int X, int Y) { return Cursor[Pixels + 4 * ((31 - Y) * 32 + X) + 3]; };
  CHECK(Alpha(CursorHotX, CursorHotY) == 255);
  bool Symmetric = true;
  for (int D = 1; D < 16; ++D)
    for (int Y = 0; Y < 32; ++Y)
      Symmetric = Symmetric && Alpha(CursorHotX - D, Y) == Alpha(CursorHotX + D, Y) &&
                  Alpha(Y, CursorHotY - D) == Alpha(Y, CursorHotY + D);
  CHECK(Symmetric);
}

void TestWriteFailure() {
  bool Named = false;
  try {
    WriteFile("/nonexistent-artgen-dir/x.bmp", {1, 2, 3});
  } catch (const std::runtime_error& Error) {
    Named = std::string(Error.what()).find("/nonexistent-artgen-dir/x.bmp") != std::string::npos;
  }
  CHECK(Named);
}

} // namespace

int main() {
  TestBitmapLayout();
  TestIconLayout();
  TestCursorLayout();
  TestCompositing();
  TestShapes();
  TestLetters();
  TestArtwork();
  TestWriteFailure();
  return ArtGen::Finish("all artgen checks passed");
}
