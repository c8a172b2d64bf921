// The program's entry: start-up and shut-down in their fixed order.

#include <windows.h>

#include "app/RunningCopy.h"
#include "app/Sentinel.h"
#include "app/TransparentMgr.h"
#include "app/untMain.h"
#include "toolkit/Forms.h"
#include "toolkit/OsVersion.h"
#include "toolkit/SystemLibrary.h"

namespace {

bool IsNtPlatform() { return OsVersion().PlatformId == VER_PLATFORM_WIN32_NT; }

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RestrictLibrarySearch();
  if (const std::string CommandLine = GetCommandLineA(); IsSentinelCommandLine(CommandLine))
    return RunSentinel(CommandLine);
  // A second start brings the running copy forward and ends before it touches anything.
  TRunningCopy RunningCopy;
  if (!RunningCopy.Take())
    return 0;
  // The application object exists before the manager and goes after it.
  TApplicationScope ApplicationObject;
  Application->Title = "Mirevan";
  // Module initialisation: the manager reads "Status.cfg" before any window exists. It is
  // destroyed first at the end: windows released, settings written, hook removed.
  // The sentinel outlives the manager: once the manager has released its windows and written
  // the settings, the sentinel's end tells it that all ended in order.
  TSentinel Sentinel;
  Sentinel.Open();
  TTransparentManagerScope Manager;
  TransparentManager->SetSentinel(&Sentinel);

  if (!IsNtPlatform()) {
    MessageBoxA(nullptr, "This application must be run Windows 2000 or later!", "Error",
                MB_OK | MB_ICONERROR);
    return 0;
  }
  Application->Initialize();
  Application->CreateForm<TfrmTransparentMain>();
  RunningCopy.Publish(Application->MainForm()->Handle());
  Application->Run();
  return 0;
}
