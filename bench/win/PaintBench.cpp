// One control of the main window's size (471 x 332), with a bevel and a border, painted
// through the control base in each buffering mode, beside a BitBlt of the same area onto the
// same window measured in the same run. A Windows program, run under Wine by
// scripts/bench.sh:
//   PaintBench [SECONDS-PER-CASE]
// "paint_<mode>" is the control's own paint into its window's device context (the toolkit's
// paint path with the context passed in); "repaint_<mode>" is the whole cycle a user's screen
// goes through, invalidation and the platform's WM_PAINT dispatch included. Then the form
// frame (the plain look, on a 480 x 360 window) repainted in each of its buffering modes beside
// a BitBlt of the window's size. Prints microseconds per run for each case, then
// "ratio <case>_vs_<reference> <value>" lines.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchCases.h"
#include "BlitReference.h"
#include "FrameModes.h"
#include "controls/base/SeCustomControl.h"
#include "controls/frame/SeCustomForm.h"
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

// The plain frame of a 480 x 360 window, painted by the frame itself, beside a BitBlt of the
// whole window's size onto the window.
void PaintFrames(double Seconds) {
  constexpr int FrameWidth = 480, FrameHeight = 360;
  auto* Form = MakeComponent<TForm>(Application);
  Form->Position = TPosition::poDesigned;
  Form->SetBounds(20, 20, FrameWidth, FrameHeight);
  auto* Frame = MakeComponent<TSeCustomForm>(Form);
  Form->Show();
  Form->AfterConstruction();
  Application->ProcessMessages();
  BenchFrameModes(*Frame, Form->Handle(), Seconds, "frame");
}

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
  const TBlitReference Reference(Wnd, false, Width, Height);
  const HDC Screen = Reference.Target();

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
  std::vector<TBenchCase> Cases{
      {"bitblt", [&] { Reference.Copy(); }, {}},
      {"paint_nobuffer", Paint(qzpNoBuffer), {}},
      {"paint_sharedbuffer", Paint(qzpSharedBuffer), {}},
      {"paint_doublebuffer", Paint(qzpDoubleBuffer), {}},
      {"repaint_nobuffer", Repaint(qzpNoBuffer), {}},
      {"repaint_sharedbuffer", Repaint(qzpSharedBuffer), {}},
      {"repaint_doublebuffer", Repaint(qzpDoubleBuffer), {}},
  };
  RunCases(Cases, Seconds);

  PrintCases(Cases, "control (471 x 332)");
  PaintFrames(Seconds);
  return 0;
}
