#pragma once
// Mirevan.exe as a user runs it: copied with Hook.dll and the drag pictures into a directory
// of its own, next to a prepared "Status.cfg", started there, and driven from outside.

#include <windows.h>

#include <string>

class TMirevanProcess {
public:
  // Settings: the lines of section "Setting" for "Status.cfg" (none: no file), Extra: more
  // text for the file; the drag pictures are copied too unless told not to. Waits until the
  // main window is shown.
  TMirevanProcess(const std::string& Dir, const std::string& Settings,
                  const std::string& Extra = "", bool WithPictures = true);
  // A Mirevan.exe started where it lies, as a user starts it: Program is its full path,
  // WorkingDir the folder it starts in. Waits until the main window is shown.
  TMirevanProcess(const std::wstring& Program, const std::wstring& WorkingDir);
  // Ends the program if it still runs (WM_CLOSE, then by force).
  ~TMirevanProcess();
  TMirevanProcess(const TMirevanProcess&) = delete;
  TMirevanProcess& operator=(const TMirevanProcess&) = delete;

  HWND MainWindow() const { return FMainWindow; }
  DWORD ProcessId() const { return FProcess.dwProcessId; }
  bool Running() const;
  // Posts WM_CLOSE and waits for the program to end.
  bool Close(DWORD TimeoutMs = 15000);
  // Ends the program at once, as the task manager does, and waits until it has ended (its
  // sentinel too, which then acts as it does when the program dies).
  bool Kill();
  // Lets the program run on after the object has gone.
  void Detach();
  // Mirevan's sentinel process, or null when it was not found.
  HANDLE Sentinel() const { return FSentinel; }
  // A visible child window of the main window by class and text (text "" matches any),
  // the Index-th in z-order.
  HWND FindChild(const std::string& ClassName, const std::string& Text, int Index = 0) const;
  // The page control: the child that answers the platform's tab-control count query.
  HWND FindTabControl() const;
  // What a click on a tab of the page control does.
  void SelectPage(int Index) const;
  // A click of the real pointer at the centre of a tab of the page control (the window is
  // brought to the front first); false when there is no such tab or the pointer did not get
  // there.
  bool ClickTab(int Index) const;
  // The index of the active page, as the page control answers it.
  int ActivePage() const;
  // A row of the windows list by its text, or -1 (read across the process boundary).
  int FindListRow(const std::string& Text) const;
  // The text of a row's column of the windows list (1 is "Status").
  std::string ListText(int Row, int Column) const;
  // The program's message box, when one is shown, or null.
  HWND FindMessageBox() const;

private:
  void Start(const std::wstring& Program, const std::wstring& WorkingDir);
  void WaitForSentinel() const;

  PROCESS_INFORMATION FProcess{};
  HWND FMainWindow = nullptr;
  HANDLE FSentinel = nullptr;
};

// The process a Mirevan process started: its sentinel; 0 when there is none.
DWORD SentinelProcessId(DWORD MirevanProcessId);

// A block of another process's memory, for messages whose parameter points to data: the
// data is written there before the message and read back after it.
class TRemoteMemory {
public:
  TRemoteMemory(DWORD ProcessId, size_t Size);
  ~TRemoteMemory();
  TRemoteMemory(const TRemoteMemory&) = delete;
  TRemoteMemory& operator=(const TRemoteMemory&) = delete;

  // The address in the other process, Offset bytes in, as a message parameter.
  LPARAM At(size_t Offset = 0) const { return reinterpret_cast<LPARAM>(FAddress + Offset); }
  void Write(size_t Offset, const void* Data, size_t Size);
  void Read(size_t Offset, void* Data, size_t Size) const;
  template <class T> void Write(const T& Value, size_t Offset = 0) {
    Write(Offset, &Value, sizeof Value);
  }
  template <class T> T Read(size_t Offset = 0) const {
    T Value{};
    Read(Offset, &Value, sizeof Value);
    return Value;
  }

private:
  HANDLE FProcess = nullptr;
  char* FAddress = nullptr;
};

// The text of a row's column of a list view in another process, read through Memory (that
// process's, 2 KB at least).
std::string RemoteListText(HWND List, TRemoteMemory& Memory, int Row, int Column);

// Waits (without a message loop of its own) until Done holds or the time is up.
template <class F> bool WaitUntil(F Done, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (!Done()) {
    if (GetTickCount64() >= Deadline)
      return false;
    Sleep(20);
  }
  return true;
}
