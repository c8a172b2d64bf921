#include "tests/win/support/Notepad.h"

#include "tests/win/support/MirevanProcess.h"

TNotepad::TNotepad() {
  STARTUPINFOA Startup{};
  Startup.cb = sizeof Startup;
  char CommandLine[] = "notepad.exe";
  if (!CreateProcessA(nullptr, CommandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                      &FProcess))
    return;
  WaitUntil(
      [&] {
        return (FWindow = FindWindowA("Notepad", nullptr)) != nullptr && IsWindowVisible(FWindow);
      },
      10000);
}

TNotepad::~TNotepad() {
  if (FProcess.hProcess) {
    TerminateProcess(FProcess.hProcess, 0);
    WaitForSingleObject(FProcess.hProcess, 5000);
    CloseHandle(FProcess.hProcess);
    CloseHandle(FProcess.hThread);
  }
}
