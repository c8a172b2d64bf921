// Start-up and close of the finished program under the platform (Wine here), beside a
// minimal Win32 program with one window (MinimalWindow.exe), measured in the same run and
// in turn. Started by scripts/bench.sh:
//   StartupBench [RUNS]
// Mirevan.exe, Hook.dll and the drag pictures are copied from beside this program into a
// folder of their own; before every start its "Status.cfg" is deleted, so each run is a
// first run with the default settings (nothing taken at start, new windows hooked). No other
// window is opened meanwhile, so Mirevan has nothing to make translucent.
//
// Everything is observed from outside, from process creation on:
//   shown     the main window (by class and title) is visible;
//   drawn     the screen anywhere in the window's rectangle differs from what it showed there
//             before the start: the program's first picture of the window is on screen (with
//             a show animation, its first frame, which may change only a few pixels);
//   sampled   the screen at one of nine points over the window's rectangle differs: a part
//             of the window large enough to reach one of them is on screen;
//   complete  all nine points show the window's finished picture, learnt in a first,
//             untimed start that waits for the picture to hold still (Mirevan's window comes
//             in with its show animation, so this includes that animation);
//   close     from posting WM_CLOSE to the main window until the process has ended.
// Prints the median milliseconds of each, then "ratio <figure>_mirevan_vs_minimal <value>".

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "bench/win/BenchCases.h"

namespace {

using TPoints = std::array<POINT, 9>;
using TColours = std::array<COLORREF, 9>;

struct TProgram {
  TProgram(std::string ALabel, std::string ADir, std::string AExe, const char* AClassName,
           const char* ATitle, bool AFreshSettings)
      : Label(std::move(ALabel)), Dir(std::move(ADir)), Exe(std::move(AExe)), ClassName(AClassName),
        Title(ATitle), FreshSettings(AFreshSettings) {}

  std::string Label;
  std::string Dir; // with a trailing backslash
  std::string Exe;
  const char* ClassName;
  const char* Title;
  bool FreshSettings;
  // Learnt by the untimed start.
  RECT Bounds{};
  TPoints Points{};
  TColours Finished{};
  // Milliseconds per timed run.
  std::vector<double> Shown, Drawn, Sampled, Complete, Close;
};

std::string HereDir() {
  char Path[MAX_PATH];
  const DWORD Length = GetModuleFileNameA(nullptr, Path, MAX_PATH);
  std::string Dir(Path, Length);
  return Dir.substr(0, Dir.find_last_of('\\') + 1);
}

struct TSearch {
  DWORD ProcessId;
  const char* ClassName;
  const char* Title;
  HWND Found = nullptr;
};

HWND FindMainWindow(DWORD ProcessId, const TProgram& Program) {
  TSearch Search{ProcessId, Program.ClassName, Program.Title};
  EnumWindows(
      [](HWND Wnd, LPARAM Param) -> BOOL {
        auto* S = reinterpret_cast<TSearch*>(Param);
        DWORD Owner = 0;
        GetWindowThreadProcessId(Wnd, &Owner);
        if (Owner != S->ProcessId || !IsWindowVisible(Wnd))
          return TRUE;
        char Class[64] = {}, Title[64] = {};
        GetClassNameA(Wnd, Class, sizeof Class);
        GetWindowTextA(Wnd, Title, sizeof Title);
        if (lstrcmpA(Class, S->ClassName) != 0 || lstrcmpA(Title, S->Title) != 0)
          return TRUE;
        S->Found = Wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

TPoints PointsOver(const RECT& R) {
  TPoints Points;
  const int W = R.right - R.left, H = R.bottom - R.top;
  for (int I = 0; I < 9; ++I)
    Points[I] = {R.left + W * (1 + 2 * (I % 3)) / 6, R.top + H * (1 + 2 * (I / 3)) / 6};
  return Points;
}

// What the screen shows in R, pixel by pixel, as 0x00RRGGBB.
std::vector<uint32_t> ScreenPicture(const RECT& R) {
  const int W = R.right - R.left, H = R.bottom - R.top;
  std::vector<uint32_t> Pixels(static_cast<size_t>(W) * H);
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof Info.bmiHeader;
  Info.bmiHeader.biWidth = W;
  Info.bmiHeader.biHeight = -H;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  void* Bits = nullptr;
  const HDC Screen = GetDC(nullptr);
  const HDC Memory = CreateCompatibleDC(Screen);
  const HBITMAP Section = CreateDIBSection(Screen, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (Memory && Section) {
    const HGDIOBJ Old = SelectObject(Memory, Section);
    BitBlt(Memory, 0, 0, W, H, Screen, R.left, R.top, SRCCOPY);
    GdiFlush();
    // Colours only: what the alpha byte of a copy of the screen holds is the platform's own.
    std::transform(static_cast<const uint32_t*>(Bits),
                   static_cast<const uint32_t*>(Bits) + Pixels.size(), Pixels.begin(),
                   [](uint32_t P) { return P & 0xFFFFFFu; });
    SelectObject(Memory, Old);
  }
  if (Section)
    DeleteObject(Section);
  if (Memory)
    DeleteDC(Memory);
  ReleaseDC(nullptr, Screen);
  return Pixels;
}

TColours ScreenAt(const TPoints& Points) {
  TColours Colours;
  const HDC Screen = GetDC(nullptr);
  for (int I = 0; I < 9; ++I)
    Colours[I] = GetPixel(Screen, Points[I].x, Points[I].y);
  ReleaseDC(nullptr, Screen);
  return Colours;
}

class TRun {
public:
  explicit TRun(const TProgram& Program) {
    if (Program.FreshSettings)
      DeleteFileA((Program.Dir + "Status.cfg").c_str());
    STARTUPINFOA Startup{};
    Startup.cb = sizeof Startup;
    std::string CommandLine = "\"" + Program.Dir + Program.Exe + "\"";
    Started = Now();
    if (!CreateProcessA(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Program.Dir.c_str(), &Startup, &Process))
      Fail("cannot start " + CommandLine);
  }
  ~TRun() {
    if (WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(Process.hProcess, 1);
    CloseHandle(Process.hProcess);
    CloseHandle(Process.hThread);
  }
  TRun(const TRun&) = delete;
  TRun& operator=(const TRun&) = delete;

  // Polls until Done holds; false after TimeoutMs.
  template <class F> bool Poll(F Done, DWORD TimeoutMs) const {
    const double Deadline = Now() + TimeoutMs / 1000.0;
    while (!Done()) {
      if (Now() > Deadline)
        return false;
      Sleep(1);
    }
    return true;
  }
  double MsSinceStart() const { return (Now() - Started) * 1000.0; }
  // The visible main window, or null; the one found is the one Close closes.
  HWND FindMain(const TProgram& Program) {
    return Main = FindMainWindow(Process.dwProcessId, Program);
  }
  HWND WaitForMainWindow(const TProgram& Program) {
    if (!Poll([&] { return FindMain(Program) != nullptr; }, 30000))
      Fail(Program.Label + ": no main window");
    return Main;
  }
  // Posts WM_CLOSE and waits for the process to end; the milliseconds that took.
  double Close(const TProgram& Program) {
    const double From = Now();
    PostMessageA(Main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(Process.hProcess, 30000) != WAIT_OBJECT_0)
      Fail(Program.Label + ": did not end when closed");
    return (Now() - From) * 1000.0;
  }
  [[noreturn]] static void Fail(const std::string& Reason) {
    std::fprintf(stderr, "StartupBench: %s\n", Reason.c_str());
    std::exit(1);
  }

private:
  PROCESS_INFORMATION Process{};
  double Started = 0;
  HWND Main = nullptr;
};

// The untimed start: where the window lies, what the screen shows there without it, and its
// picture once it has held still for a second.
void Learn(TProgram& Program) {
  TRun Run(Program);
  const HWND Main = Run.WaitForMainWindow(Program);
  GetWindowRect(Main, &Program.Bounds);
  Program.Points = PointsOver(Program.Bounds);
  TColours Last = ScreenAt(Program.Points);
  double Since = Now();
  if (!Run.Poll(
          [&] {
            Sleep(50);
            const TColours Seen = ScreenAt(Program.Points);
            if (Seen != Last) {
              Last = Seen;
              Since = Now();
            }
            return Now() - Since >= 1.0;
          },
          30000))
    TRun::Fail(Program.Label + ": the window's picture does not hold still");
  Program.Finished = Last;
  Run.Close(Program);
  Sleep(200);
  const TColours Without = ScreenAt(Program.Points);
  if (Without == Program.Finished)
    TRun::Fail(Program.Label + ": the screen looks the same without the window");
}

void TimeOnce(TProgram& Program) {
  const TColours Before = ScreenAt(Program.Points);
  const std::vector<uint32_t> BeforePicture = ScreenPicture(Program.Bounds);
  TRun Run(Program);
  HWND Main = nullptr;
  bool Drawn = false, Sampled = false;
  // The screen is watched from the start: a show animation may draw before the window is
  // visible, and may begin anywhere in the window's rectangle (at an edge, in the middle).
  if (!Run.Poll(
          [&] {
            if (!Main && (Main = Run.FindMain(Program)) != nullptr)
              Program.Shown.push_back(Run.MsSinceStart());
            const TColours Colours = ScreenAt(Program.Points);
            if (!Sampled && Colours != Before) {
              Sampled = true;
              Program.Sampled.push_back(Run.MsSinceStart());
            }
            if (!Drawn && (Sampled || ScreenPicture(Program.Bounds) != BeforePicture)) {
              Drawn = true;
              Program.Drawn.push_back(Run.MsSinceStart());
            }
            return Main && Colours == Program.Finished;
          },
          30000))
    TRun::Fail(Program.Label + ": the window's finished picture did not appear");
  // The same picture as before the start: drawn and complete at once.
  if (!Drawn)
    Program.Drawn.push_back(Run.MsSinceStart());
  if (!Sampled)
    Program.Sampled.push_back(Run.MsSinceStart());
  Program.Complete.push_back(Run.MsSinceStart());
  RECT Bounds;
  GetWindowRect(Main, &Bounds);
  if (!EqualRect(&Bounds, &Program.Bounds))
    TRun::Fail(Program.Label + ": the window came up elsewhere than in the first start");
  Program.Close.push_back(Run.Close(Program));
  Sleep(200); // the screen is back to the desktop before the next start reads it
}

void CopyBeside(const std::string& Name, const std::string& Dir) {
  if (!CopyFileA((HereDir() + Name).c_str(), (Dir + Name).c_str(), FALSE))
    TRun::Fail("cannot copy " + Name);
}

std::string NewFolder() {
  char Temp[MAX_PATH];
  GetTempPathA(MAX_PATH, Temp);
  const std::string Dir =
      std::string(Temp) + "mirevan-startup-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(Dir.c_str(), nullptr);
  return Dir;
}

} // namespace

int main(int argc, char** argv) {
  const int Runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 15);
  const std::string Dir = NewFolder();
  for (const char* Name : {"Mirevan.exe", "Hook.dll", "DragOn.bmp", "DragOff.bmp"})
    CopyBeside(Name, Dir);
  std::vector<TProgram> Programs{
      TProgram("minimal", HereDir(), "MinimalWindow.exe", "MinimalBenchWindow", "Minimal", false),
      TProgram("mirevan", Dir, "Mirevan.exe", "MirevanWindow", "Mirevan V1.0", true)};
  for (TProgram& Program : Programs)
    Learn(Program);
  for (int Run = 0; Run < Runs; ++Run)
    for (TProgram& Program : Programs)
      TimeOnce(Program);

  std::printf("%-10s %10s %10s %10s %11s %10s %6s\n", "program", "shown ms", "drawn ms",
              "sampled ms", "complete ms", "close ms", "runs");
  for (const TProgram& Program : Programs)
    std::printf("%-10s %10.1f %10.1f %10.1f %11.1f %10.1f %6d\n", Program.Label.c_str(),
                Median(Program.Shown), Median(Program.Drawn), Median(Program.Sampled),
                Median(Program.Complete), Median(Program.Close), Runs);
  const TProgram &Minimal = Programs[0], &Mirevan = Programs[1];
  const auto Ratio = [&](const char* Figure, std::vector<double> TProgram::*Times) {
    std::printf("ratio %s_mirevan_vs_minimal %.2f\n", Figure,
                Median(Mirevan.*Times) / Median(Minimal.*Times));
  };
  Ratio("startup_shown", &TProgram::Shown);
  Ratio("startup_drawn", &TProgram::Drawn);
  Ratio("startup_sampled", &TProgram::Sampled);
  Ratio("startup_complete", &TProgram::Complete);
  Ratio("close", &TProgram::Close);
  std::fflush(stdout);
  for (const char* Name : {"Mirevan.exe", "Hook.dll", "DragOn.bmp", "DragOff.bmp", "Status.cfg"})
    DeleteFileA((Dir + Name).c_str());
  RemoveDirectoryA(Dir.c_str());
  return 0;
}
