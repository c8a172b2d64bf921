#pragma once
// Drives tests/fixtures/WindowOwner.exe: a separate process whose windows the tests act on.

#include <windows.h>

#include <cstdint>
#include <string>

class TFixtureProcess {
public:
  // Starts the helper next to the test program and waits until it is ready.
  TFixtureProcess();
  // Tells the helper to exit (destroying its windows) and waits for it.
  ~TFixtureProcess();
  TFixtureProcess(const TFixtureProcess&) = delete;
  TFixtureProcess& operator=(const TFixtureProcess&) = delete;

  HWND Create(const std::string& ClassName, const std::string& Title,
              DWORD Style = WS_OVERLAPPEDWINDOW, DWORD ExStyle = 0);
  HWND CreateChild(HWND Parent, const std::string& ClassName, const std::string& Title);
  void SetTitle(HWND Wnd, const std::string& Title);
  void Show(HWND Wnd, int Command = SW_SHOWNOACTIVATE);
  void MakeLayered(HWND Wnd, BYTE Alpha);
  void ClearLayered(HWND Wnd);
  // Paints Wnd's class background in one colour (0xRRGGBB), for every window of the class.
  void Fill(HWND Wnd, uint32_t Rgb);
  // Moves any window, this process's too; it happens when the window's thread pumps.
  void Move(HWND Wnd, const RECT& Bounds);
  void Destroy(HWND Wnd);
  DWORD ProcessId() const { return FProcess.dwProcessId; }
  // The helper sends Wnd WM_NCHITTEST for a screen point; meanwhile this thread handles its
  // messages, so Wnd may be one of this process's windows.
  LRESULT HitTest(HWND Wnd, POINT Screen);
  // The foreground window as the helper sees it, after bringing Bring (when given) there;
  // this thread's messages are handled meanwhile, as for HitTest.
  HWND Foreground(HWND Bring = nullptr);

  // Sends one command line and returns the reply; throws on an "error" reply.
  std::string Command(const std::string& Line);

private:
  std::string ReadLine();
  // ReadLine, handling this thread's messages while the reply is not there yet.
  std::string ReadLinePumping();
  // Command, with the reply read by ReadLinePumping.
  std::string CommandPumping(const std::string& Line);
  HWND CommandForHandle(const std::string& Line);

  PROCESS_INFORMATION FProcess{};
  HANDLE FToChild = nullptr;
  HANDLE FFromChild = nullptr;
  std::string FPending;
};

std::string HandleText(HWND Wnd);
