// Draws every registered transition at 25, 50 and 75 % between two distinct pictures into one
// PNG, so that a wrong effect shows at a glance. Usage: ContactSheet <out.png>

#include <cstdio>
#include <string>
#include <vector>

#include "gfx/Animation.h"
#include "tools/contactsheet/PngFile.h"

namespace {

constexpr int FrameW = 96, FrameH = 64, Gap = 3, Label = 9, Columns = 4;
constexpr int BlockW = 3 * FrameW + 2 * Gap, BlockH = FrameH + Label;
constexpr int Margin = 8, SheetGapX = 14, SheetGapY = 8;

// The old picture: cool stripes. The new one: a warm disc on a dark field.
void MakePictures(TseBitmap& Old, TseBitmap& New) {
  Old.SetSize(FrameW, FrameH);
  New.SetSize(FrameW, FrameH);
  for (int Y = 0; Y < FrameH; ++Y)
    for (int X = 0; X < FrameW; ++X) {
      const bool Stripe = ((X + Y) / 8) % 2 == 0;
      *Old.PixelPtr(X, Y) = Stripe ? 0xFF3A6EA5u : 0xFF9CC3E6u;
      const int DX = X - FrameW / 2, DY = Y - FrameH / 2;
      const bool Disc = DX * DX + DY * DY < 26 * 26;
      *New.PixelPtr(X, Y) = Disc ? 0xFFF0A030u : 0xFF402018u + static_cast<TsePixel>(X);
    }
}

// Digits 0-9, 3 x 5 cells each, for the effect's number.
void DrawNumber(std::vector<uint32_t>& Sheet, int SheetW, int X, int Y, int Number) {
  static const char* const Glyphs[10] = {"111101101101111", "010110010010111", "111001111100111",
                                         "111001111001111", "101101111001001", "111100111001111",
                                         "111100111101111", "111001001001001", "111101111101111",
                                         "111101111001111"};
  const std::string Text = std::to_string(Number);
  for (size_t D = 0; D < Text.size(); ++D)
    for (int Cell = 0; Cell < 15; ++Cell)
      if (Glyphs[Text[D] - '0'][Cell] == '1')
        Sheet[static_cast<size_t>(Y + Cell / 3) * SheetW + X + static_cast<int>(D) * 4 + Cell % 3] =
            0x202020;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ContactSheet <out.png>\n");
    return 2;
  }
  const int Count = EffectProcs().Count();
  const int Rows = (Count + Columns - 1) / Columns;
  const int SheetW = 2 * Margin + Columns * BlockW + (Columns - 1) * SheetGapX;
  const int SheetH = 2 * Margin + Rows * BlockH + (Rows - 1) * SheetGapY;
  std::vector<uint32_t> Sheet(static_cast<size_t>(SheetW) * SheetH, 0xF4F4F4);
  for (int Index = 0; Index < Count; ++Index) {
    const int BX = Margin + (Index % Columns) * (BlockW + SheetGapX);
    const int BY = Margin + (Index / Columns) * (BlockH + SheetGapY);
    DrawNumber(Sheet, SheetW, BX, BY, Index + 1);
    for (int Step = 0; Step < 3; ++Step) {
      TseBitmap Old, New;
      MakePictures(Old, New);
      TseAnimationRec Settings;
      Settings.SetEffect(EffectProcs().Items(Index).Name);
      RandomSeed() = 20261207; // the random effects look the same on every run
      TseTransition Transition(Settings, New, Old);
      if (!Transition.Ready())
        continue;
      Transition.Compose(25 * (Step + 1));
      for (int Y = 0; Y < FrameH; ++Y)
        for (int X = 0; X < FrameW; ++X)
          Sheet[static_cast<size_t>(BY + Label + Y) * SheetW + BX + Step * (FrameW + Gap) + X] =
              Transition.Work().GetPixel(X, Y) & 0xFFFFFF;
    }
  }
  if (!WritePng(argv[1], SheetW, SheetH, Sheet)) {
    std::fprintf(stderr, "ContactSheet: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%d effects, %d x %d pixels: %s\n", Count, SheetW, SheetH, argv[1]);
  return 0;
}
