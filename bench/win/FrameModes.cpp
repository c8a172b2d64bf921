#include "bench/win/FrameModes.h"

#include <vector>

#include "bench/win/BenchCases.h"
#include "bench/win/BlitReference.h"
#include "controls/frame/SeCustomForm.h"

void BenchFrameModes(TSeCustomForm& Frame, HWND Wnd, double Seconds, const std::string& Title) {
  RECT Bounds;
  GetWindowRect(Wnd, &Bounds);
  const int W = Bounds.right - Bounds.left, H = Bounds.bottom - Bounds.top;
  const TBlitReference Reference(Wnd, true, W, H);
  const auto Paint = [&Frame](TSeFormPerformance Mode) {
    return [&Frame, Mode] {
      Frame.SetPerformance(Mode);
      Frame.PaintFrame();
    };
  };
  std::vector<TBenchCase> Cases{
      {"bitblt_window", [&] { Reference.Copy(); }, {}},
      {"frame_nobuffer", Paint(qzfpNoBuffer), {}},
      {"frame_sharedbuffer", Paint(qzfpSharedBuffer), {}},
      {"frame_persistentbuffer", Paint(qzfpPersistentBuffer), {}},
      {"frame_doublebuffer", Paint(qzfpDoubleBuffer), {}},
  };
  RunCases(Cases, Seconds);
  PrintCases(Cases, Title + " (" + std::to_string(W) + " x " + std::to_string(H) + ")");
}
