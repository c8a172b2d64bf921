// The skinned form frame under the platform (Wine here), started by scripts/bench.sh:
//   FrameBench SKIN [SECONDS-PER-CASE]
// 1. The frame of a window of the main window's size (471 x 332 client) wearing SKIN, painted
//    by the frame in each buffering mode, beside a BitBlt of the whole window's size onto the
//    window ("ratio frame_<mode>_vs_bitblt_window").
// 2. A 200-pixel drag by the caption in full-drag mode, one pixel a step, through the frame's
//    own mouse handling (the window moved, pending paints dispatched, the frame repainted),
//    beside the same 200 one-pixel moves of a window in the platform's own frame, moved with
//    SetWindowPos and its paints dispatched alike. Prints frames per second of each and
//    "ratio drag_skinned_fps_vs_plain".
// 3. The frame's show transition ("Fade", Time 400) from the call that shows the window until
//    it is on screen, the window's picture and the background capture included; the median
//    of three shows and "ratio show_frame_fade_wallclock_vs_time".

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win/BenchCases.h"
#include "bench/win/FrameModes.h"
#include "bench/win/SkinBenchForm.h"
#include "controls/frame/SeSkinForm.h"
#include "skin/SkinEngine.h"
#include "toolkit/Forms.h"
#include "tools/skingallery/SkinViews.h"

namespace {

constexpr int ClientWidth = 471, ClientHeight = 332, DragLength = 200;

void DispatchPaints() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&Msg);
}

struct TSkinnedForm {
  TForm* Form;
  TSeSkinForm* Frame;
};

TSkinnedForm MakeSkinnedForm(const std::string& Skin, bool Animated) {
  auto* Form = MakeComponent<TForm>(Application);
  Form->Position = TPosition::poDesigned;
  Form->SetBounds(40, 40, 0, 0);
  Form->SetClientSize(ClientWidth, ClientHeight);
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  LoadSkin(Skin, *Engine->Source());
  auto* Frame = MakeComponent<TSeSkinForm>(Form);
  Frame->Animation().SetEnabled(Animated);
  Frame->Animation().SetEffectKind("Fade");
  Frame->Animation().SetTime(400);
  Frame->SetSkinEngine(Engine);
  Form->AfterConstruction();
  return {Form, Frame};
}

void PaintFrames(const std::string& Skin, double Seconds) {
  const TSkinnedForm Skinned = MakeSkinnedForm(Skin, false);
  Skinned.Form->Show();
  DispatchPaints();
  BenchFrameModes(*Skinned.Frame, Skinned.Form->Handle(), Seconds, "skinned frame");
  Skinned.Form->Free();
}

// Frames per second of the drag; the window is back where it started afterwards.
double SkinnedDragFps(TSeSkinForm& Frame) {
  const TSeSkinObject* Title = Frame.SkinCopy()->FindObjectByKind(skCaption);
  const int X = Title->Left() + Title->Width() / 2, Y = Title->Top() + Title->Height() / 2;
  Frame.Dragging().DragMode = qfdmFullDrag;
  Frame.Gravitation().Enabled = false;
  const double Start = Now();
  Frame.FrameMouseDown(mbLeft, ssLeft, X, Y);
  // The pointer one pixel right of the press each step: the window follows it at once.
  for (int Step = 0; Step < DragLength; ++Step)
    Frame.FrameMouseMove(ssLeft, X + 1, Y);
  Frame.FrameMouseUp(mbLeft, 0, X + 1, Y);
  DispatchPaints();
  return DragLength / (Now() - Start);
}

double PlainDragFps(HWND Wnd) {
  RECT Bounds;
  GetWindowRect(Wnd, &Bounds);
  const double Start = Now();
  for (int Step = 1; Step <= DragLength; ++Step) {
    SetWindowPos(Wnd, nullptr, Bounds.left + Step, Bounds.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DispatchPaints();
  }
  return DragLength / (Now() - Start);
}

void Drags(const std::string& Skin) {
  const TSkinnedForm Skinned = MakeSkinnedForm(Skin, false);
  Skinned.Frame->SetPerformance(qzfpDoubleBuffer);
  Skinned.Form->Show();
  DispatchPaints();
  RECT Bounds;
  GetWindowRect(Skinned.Form->Handle(), &Bounds);
  // The platform's own frame: a plain window of the same outer size at the same place.
  const HWND Plain =
      CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds.left,
                      Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, nullptr,
                      nullptr, GetModuleHandleW(nullptr), nullptr);
  DispatchPaints();
  std::vector<double> SkinnedFps, PlainFps;
  for (int Run = 0; Run < 5; ++Run) {
    SetWindowPos(Skinned.Form->Handle(), HWND_TOP, Bounds.left, Bounds.top, 0, 0, SWP_NOSIZE);
    DispatchPaints();
    SkinnedFps.push_back(SkinnedDragFps(*Skinned.Frame));
    SetWindowPos(Plain, HWND_TOP, Bounds.left, Bounds.top, 0, 0, SWP_NOSIZE);
    DispatchPaints();
    PlainFps.push_back(PlainDragFps(Plain));
  }
  DestroyWindow(Plain);
  Skinned.Form->Free();
  const double S = Median(SkinnedFps), P = Median(PlainFps);
  std::printf("\nfull drag, %d one-pixel steps (median of 5)\n", DragLength);
  std::printf("%-28s %10.0f fps\n%-28s %10.0f fps\n", "drag_skinned", S, "drag_plain", P);
  std::printf("ratio drag_skinned_fps_vs_plain %.2f\n", S / P);
}

void Shows(const std::string& Skin) {
  std::vector<double> Lengths;
  for (int Run = 0; Run < 3; ++Run) {
    const TSkinnedForm Skinned = MakeSkinnedForm(Skin, true);
    const double Start = Now();
    Skinned.Form->Show();
    DispatchPaints();
    GdiFlush();
    Lengths.push_back((Now() - Start) * 1000.0);
    Skinned.Form->Free();
    DispatchPaints();
  }
  const double Ms = Median(Lengths);
  std::printf("\nshow transition of the frame, Fade, Time 400 (median of 3)\n");
  std::printf("%-28s %10.1f ms\n", "show_frame_fade", Ms);
  std::printf("ratio show_frame_fade_wallclock_vs_time %.2f\n", Ms / 400.0);
}

} // namespace

int main(int argc, char** argv) {
  TSkinBench Bench;
  if (!ReadSkinBenchArguments(argc, argv, "FrameBench", Bench))
    return 2;
  TApplicationScope Scope;
  Application->Initialize();
  PaintFrames(Bench.Skin, Bench.Seconds);
  Drags(Bench.Skin);
  Shows(Bench.Skin);
  std::fflush(stdout);
  return 0;
}
