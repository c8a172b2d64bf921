#include "tests/win/support/FixtureProcess.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "toolkit/ModuleInfo.h"
#include "toolkit/SysUtils.h"

std::string HandleText(HWND Wnd) {
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "%llx",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(Wnd)));
  return Buffer;
}

namespace {

std::string Hex(DWORD Value) {
  char Buffer[16];
  std::snprintf(Buffer, sizeof Buffer, "%lx", static_cast<unsigned long>(Value));
  return Buffer;
}

} // namespace

TFixtureProcess::TFixtureProcess() {
  SECURITY_ATTRIBUTES Inherit{sizeof Inherit, nullptr, TRUE};
  HANDLE ChildIn = nullptr;
  HANDLE ChildOut = nullptr;
  if (!CreatePipe(&ChildIn, &FToChild, &Inherit, 0) ||
      !CreatePipe(&FFromChild, &ChildOut, &Inherit, 0))
    throw std::runtime_error("CreatePipe failed");
  SetHandleInformation(FToChild, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(FFromChild, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA Startup{};
  Startup.cb = sizeof Startup;
  Startup.dwFlags = STARTF_USESTDHANDLES;
  Startup.hStdInput = ChildIn;
  Startup.hStdOutput = ChildOut;
  Startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::string CommandLine = "\"" + ExtractFilePath(ExeFileName()) + "WindowOwner.exe\"";
  const BOOL Started = CreateProcessA(nullptr, CommandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &Startup, &FProcess);
  CloseHandle(ChildIn);
  CloseHandle(ChildOut);
  if (!Started)
    throw std::runtime_error("cannot start " + CommandLine);
  if (ReadLine() != "ready")
    throw std::runtime_error("WindowOwner.exe did not start");
}

TFixtureProcess::~TFixtureProcess() {
  if (FToChild) {
    const char Exit[] = "exit\n";
    DWORD Written = 0;
    WriteFile(FToChild, Exit, sizeof Exit - 1, &Written, nullptr);
    CloseHandle(FToChild);
  }
  if (FProcess.hProcess) {
    if (WaitForSingleObject(FProcess.hProcess, 10000) != WAIT_OBJECT_0)
      TerminateProcess(FProcess.hProcess, 1);
    CloseHandle(FProcess.hProcess);
    CloseHandle(FProcess.hThread);
  }
  if (FFromChild)
    CloseHandle(FFromChild);
}

std::string TFixtureProcess::ReadLine() {
  for (;;) {
    const size_t End = FPending.find('\n');
    if (End != std::string::npos) {
      std::string Line = FPending.substr(0, End);
      FPending.erase(0, End + 1);
      if (!Line.empty() && Line.back() == '\r')
        Line.pop_back();
      return Line;
    }
    char Buffer[512];
    DWORD Read = 0;
    if (!ReadFile(FFromChild, Buffer, sizeof Buffer, &Read, nullptr) || Read == 0)
      throw std::runtime_error("WindowOwner.exe went away");
    FPending.append(Buffer, Read);
  }
}

std::string TFixtureProcess::ReadLinePumping() {
  for (;;) {
    if (FPending.find('\n') != std::string::npos)
      return ReadLine();
    DWORD Available = 0;
    if (!PeekNamedPipe(FFromChild, nullptr, 0, nullptr, &Available, nullptr))
      throw std::runtime_error("WindowOwner.exe went away");
    if (Available > 0)
      return ReadLine();
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

std::string TFixtureProcess::CommandPumping(const std::string& Line) {
  const std::string Text = Line + "\n";
  DWORD Written = 0;
  if (!WriteFile(FToChild, Text.data(), static_cast<DWORD>(Text.size()), &Written, nullptr))
    throw std::runtime_error("cannot write to WindowOwner.exe");
  const std::string Reply = ReadLinePumping();
  if (Reply.rfind("ok\t", 0) != 0)
    throw std::runtime_error("WindowOwner.exe: " + Line + ": " + Reply);
  return Reply;
}

LRESULT TFixtureProcess::HitTest(HWND Wnd, POINT Screen) {
  const std::string Reply =
      CommandPumping("hittest\t" + HandleText(Wnd) + "\t" + std::to_string(Screen.x) + "\t" +
                     std::to_string(Screen.y));
  return static_cast<LRESULT>(std::strtoll(Reply.c_str() + 3, nullptr, 10));
}

HWND TFixtureProcess::Foreground(HWND Bring) {
  const std::string Reply =
      CommandPumping(Bring ? "foreground\t" + HandleText(Bring) : std::string("foreground"));
  return reinterpret_cast<HWND>(
      static_cast<uintptr_t>(std::strtoull(Reply.c_str() + 3, nullptr, 16)));
}

std::string TFixtureProcess::Command(const std::string& Line) {
  const std::string Text = Line + "\n";
  DWORD Written = 0;
  if (!WriteFile(FToChild, Text.data(), static_cast<DWORD>(Text.size()), &Written, nullptr))
    throw std::runtime_error("cannot write to WindowOwner.exe");
  std::string Reply = ReadLine();
  if (Reply.rfind("ok", 0) != 0)
    throw std::runtime_error("WindowOwner.exe: " + Line + ": " + Reply);
  return Reply;
}

HWND TFixtureProcess::CommandForHandle(const std::string& Line) {
  const std::string Reply = Command(Line);
  return reinterpret_cast<HWND>(
      static_cast<uintptr_t>(std::strtoull(Reply.c_str() + 3, nullptr, 16)));
}

HWND TFixtureProcess::Create(const std::string& ClassName, const std::string& Title, DWORD Style,
                             DWORD ExStyle) {
  return CommandForHandle("create\t" + ClassName + "\t" + Title + "\t" + Hex(Style) + "\t" +
                          Hex(ExStyle));
}

HWND TFixtureProcess::CreateChild(HWND Parent, const std::string& ClassName,
                                  const std::string& Title) {
  return CommandForHandle("child\t" + HandleText(Parent) + "\t" + ClassName + "\t" + Title);
}

void TFixtureProcess::SetTitle(HWND Wnd, const std::string& Title) {
  Command("title\t" + HandleText(Wnd) + "\t" + Title);
}

void TFixtureProcess::Show(HWND Wnd, int ShowCommand) {
  Command("show\t" + HandleText(Wnd) + "\t" + std::to_string(ShowCommand));
}

void TFixtureProcess::MakeLayered(HWND Wnd, BYTE Alpha) {
  Command("layered\t" + HandleText(Wnd) + "\t" + std::to_string(Alpha));
}

void TFixtureProcess::ClearLayered(HWND Wnd) { Command("unlayer\t" + HandleText(Wnd)); }

void TFixtureProcess::Fill(HWND Wnd, uint32_t Rgb) {
  char Colour[8];
  std::snprintf(Colour, sizeof Colour, "%06lx", static_cast<unsigned long>(Rgb & 0xFFFFFF));
  Command("fill\t" + HandleText(Wnd) + "\t" + Colour);
}

void TFixtureProcess::Move(HWND Wnd, const RECT& Bounds) {
  Command("move\t" + HandleText(Wnd) + "\t" + std::to_string(Bounds.left) + "\t" +
          std::to_string(Bounds.top) + "\t" + std::to_string(Bounds.right - Bounds.left) + "\t" +
          std::to_string(Bounds.bottom - Bounds.top));
}

void TFixtureProcess::Destroy(HWND Wnd) { Command("destroy\t" + HandleText(Wnd)); }
