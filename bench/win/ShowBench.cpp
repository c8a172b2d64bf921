// The wall-clock length of a show animation of the main window's size (a 480 x 360 window
// picture) with Time 400, played onto a real window's device context, for a few effects. A
// Windows program, run under Wine by scripts/bench.sh:
//   ShowBench [RUNS-PER-EFFECT]
// Prints the milliseconds each transition took from its first frame until the new image was
// on screen (median of the runs), then "ratio show_<effect>_wallclock_vs_time <value>" lines:
// that length over Time, 1 for a transition that lasts exactly its Time. The frames column
// counts what the same transition shows when played once more through a frame sink that
// draws onto the same context (the final new image included).

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win/BenchCases.h"
#include "gfx/Animation.h"

namespace {

constexpr int Width = 480, Height = 360, Time = 400;
// Fixes the random pick, so that runs compare alike.
constexpr uint32_t RandomStart = 20261207;

// An opaque picture with a pattern of its own, so that every frame differs from the last.
void Paint(TseBitmap& Picture, uint32_t Seed) {
  Picture.SetSize(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      *Picture.PixelPtr(X, Y) = 0xFF000000u | ((X * Seed) & 0xFF) << 16 |
                                ((Y * (Seed + 3)) & 0xFF) << 8 | ((X + Y) * Seed & 0xFF);
}

struct TCase {
  std::string Label;  // the name in the ratio line
  std::string Effect; // the effect setting
};

} // namespace

int main(int argc, char** argv) {
  const int Runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 3);
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSW Class{};
  Class.lpfnWndProc = DefWindowProcW;
  Class.hInstance = Instance;
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Class.lpszClassName = L"MirevanShowBench";
  RegisterClassW(&Class);
  const HWND Wnd = CreateWindowExW(0, Class.lpszClassName, L"Show benchmark", WS_POPUP | WS_VISIBLE,
                                   0, 0, Width, Height, nullptr, nullptr, Instance, nullptr);
  if (!Wnd) {
    std::fprintf(stderr, "ShowBench: no window\n");
    return 1;
  }
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&Msg);
  const HDC DC = GetDC(Wnd);

  TseBitmap Old;
  Paint(Old, 7);
  const std::vector<TCase> Cases{
      {"fade", "Fade"}, {"interlace", "Interlace"}, {"random", RandomEffectName}};
  std::printf("%-12s %-34s %12s %8s %6s\n", "case", "effect (480 x 360, Time 400)", "ms (median)",
              "frames", "runs");
  std::vector<double> Medians;
  for (const TCase& Case : Cases) {
    TseAnimationRec Settings;
    Settings.SetEffect(Case.Effect);
    Settings.SetTime(Time);
    std::string Shown = Case.Effect;
    if (Case.Effect == RandomEffectName) {
      RandomSeed() = RandomStart;
      Shown =
          EffectProcs()
              .Items(static_cast<int>(RandomNumber(static_cast<uint32_t>(EffectProcs().Count()))))
              .Name;
    }
    std::vector<double> Lengths;
    for (int Run = 0; Run < Runs; ++Run) {
      TseBitmap New;
      Paint(New, 13); // a transition leaves its alpha bytes in the new image
      RandomSeed() = RandomStart;
      Old.Draw(DC, 0, 0);
      GdiFlush();
      const double Start = Now() * 1000.0;
      PlayAnimation(DC, 0, 0, Settings, New, Old);
      GdiFlush();
      Lengths.push_back(Now() * 1000.0 - Start);
      while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&Msg);
    }
    TseBitmap New;
    Paint(New, 13);
    RandomSeed() = RandomStart;
    int Frames = 0;
    PlayAnimation(Settings, New, Old, [&](const TseBitmap& Frame) {
      Frame.Draw(DC, 0, 0);
      GdiFlush();
      ++Frames;
    });
    Medians.push_back(Median(Lengths));
    std::printf("%-12s %-34s %12.1f %8d %6d\n", Case.Label.c_str(), Shown.c_str(), Medians.back(),
                Frames, Runs);
  }
  for (size_t I = 0; I < Cases.size(); ++I)
    std::printf("ratio show_%s_wallclock_vs_time %.2f\n", Cases[I].Label.c_str(),
                Medians[I] / Time);
  std::fflush(stdout);
  ReleaseDC(Wnd, DC);
  DestroyWindow(Wnd);
  return 0;
}
