// One control of the main window's size (471 x 332), with a bevel and a border, painted
// through the control base in each buffering mode, beside a BitBlt of the same area onto the
// same window measured in the same run. A Windows program, run under Wine by
// scripts/bench.sh:
//   PaintBench [SECONDS-PER-CASE]
// "paint_<mode>" is the control's own paint into its window's device context (the toolkit's
// paint path with the context passed in); "repaint_<mode>" is the whole cycle a user's screen
// goes through, invalidation and the platform's WM_PAINT dispatch included. Prints
// microseconds per paint for each case, then "ratio <case>_vs_bitblt <value>" lines.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/win/Measure.h"
#include "controls/SeCustomControl.h"
#include "toolkit/Forms.h"

namespace {

constexpr int Width = 471, Height = 332;

// The control base with a frame and a filled client: the pipeline's own cost.
class TBenchControl : public TSeCustomControl {
public:
  explicit TBenchControl(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetBevelWidth(1);
    SetBorderWidth(1);
    SetThemeBorder(false);
    SetColor(0x00C8D0D4);
  }
};

struct TCase {
  std::string Name;
  std::function<void()> Once;
  std::vector<double> Batches; // seconds per paint, one value per batch
};

} // namespace

int main(int argc, char** argv) {
  const double Seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
  TApplicationScope Scope;
  Application->Initialize();
  auto* Form = MakeComponent<TForm>(Application);
  Form->Position = TPosition::poDesigned;
  Form->SetClientSize(Width, Height);
  auto* Control = MakeComponent<TBenchControl>(Form);
  Control->SetBounds(0, 0, Width, Height);
  Control->SetParent(Form);
  Form->Show();
  Application->ProcessMessages();
  const HWND Wnd = Control->Handle();

  // The reference: the same area copied from a memory bitmap onto the same window.
  const HDC Screen = GetDC(Wnd);
  const HDC Memory = CreateCompatibleDC(Screen);
  const HBITMAP Picture = CreateCompatibleBitmap(Screen, Width, Height);
  const HGDIOBJ Old = SelectObject(Memory, Picture);
  PatBlt(Memory, 0, 0, Width, Height, WHITENESS);

  const auto Paint = [Control, Screen](TSePerformance Mode) {
    return [Control, Screen, Mode] {
      Control->SetPerformance(Mode);
      Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Screen), 0);
    };
  };
  const auto Repaint = [Control, Wnd](TSePerformance Mode) {
    return [Control, Wnd, Mode] {
      Control->SetPerformance(Mode);
      RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
  };
  std::vector<TCase> Cases{
      {"bitblt", [&] { BitBlt(Screen, 0, 0, Width, Height, Memory, 0, 0, SRCCOPY); }, {}},
      {"paint_nobuffer", Paint(qzpNoBuffer), {}},
      {"paint_sharedbuffer", Paint(qzpSharedBuffer), {}},
      {"paint_doublebuffer", Paint(qzpDoubleBuffer), {}},
      {"repaint_nobuffer", Repaint(qzpNoBuffer), {}},
      {"repaint_sharedbuffer", Repaint(qzpSharedBuffer), {}},
      {"repaint_doublebuffer", Repaint(qzpDoubleBuffer), {}},
  };
  // Batches of each case in turn, so that the machine's drift touches all of them alike.
  constexpr int Rounds = 15;
  for (int Round = 0; Round < Rounds; ++Round)
    for (TCase& Case : Cases) {
      int Count = 0;
      GdiFlush();
      const double Start = Now();
      double Elapsed = 0;
      while (Elapsed < Seconds / Rounds) {
        Case.Once();
        GdiFlush();
        ++Count;
        Elapsed = Now() - Start;
      }
      Case.Batches.push_back(Elapsed / Count);
    }

  SelectObject(Memory, Old);
  DeleteObject(Picture);
  DeleteDC(Memory);
  ReleaseDC(Wnd, Screen);

  const double Reference = Median(Cases[0].Batches);
  std::printf("%-22s %10s\n", "case (471 x 332)", "us/paint");
  for (const TCase& Case : Cases)
    std::printf("%-22s %10.1f\n", Case.Name.c_str(), Median(Case.Batches) * 1e6);
  for (size_t I = 1; I < Cases.size(); ++I)
    std::printf("ratio %s_vs_bitblt %.2f\n", Cases[I].Name.c_str(),
                Median(Cases[I].Batches) / Reference);
  std::fflush(stdout);
  return 0;
}
