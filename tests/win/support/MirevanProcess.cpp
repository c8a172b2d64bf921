#include "tests/win/support/MirevanProcess.h"

#include <commctrl.h>
#include <fstream>
#include <stdexcept>
#include <tlhelp32.h>
#include <vector>

#include "tests/win/support/WinTestSupport.h"
#include "toolkit/AnsiText.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/SysUtils.h"

namespace {

struct TSearch {
  DWORD ProcessId;
  HWND Found = nullptr;
  const char* ClassName = "MirevanWindow";
  const char* Title = "Mirevan V1.0"; // the frame's caption, which the window takes
};

BOOL CALLBACK FindTopLevel(HWND Wnd, LPARAM Param) {
  auto* Search = reinterpret_cast<TSearch*>(Param);
  DWORD Owner = 0;
  GetWindowThreadProcessId(Wnd, &Owner);
  char Title[64] = {};
  char Class[64] = {};
  GetWindowTextA(Wnd, Title, sizeof Title);
  GetClassNameA(Wnd, Class, sizeof Class);
  if (Owner == Search->ProcessId && IsWindowVisible(Wnd) && lstrcmpA(Title, Search->Title) == 0 &&
      lstrcmpA(Class, Search->ClassName) == 0) {
    Search->Found = Wnd;
    return FALSE;
  }
  return TRUE;
}

void CopyBeside(const std::string& Name, const std::string& Dir) {
  const std::string From = ExtractFilePath(ExeFileName()) + Name;
  if (!CopyFileA(From.c_str(), (Dir + Name).c_str(), FALSE))
    throw std::runtime_error("cannot copy " + From);
}

} // namespace

TMirevanProcess::TMirevanProcess(const std::string& Dir, const std::string& Settings,
                                 const std::string& Extra, bool WithPictures) {
  for (const char* Name : {"Mirevan.exe", "Hook.dll"})
    CopyBeside(Name, Dir);
  if (WithPictures)
    for (const char* Name : {"DragOn.bmp", "DragOff.bmp"})
      CopyBeside(Name, Dir);
  if (!Settings.empty() || !Extra.empty())
    std::ofstream(Dir + "Status.cfg", std::ios::binary) << Extra << "[Setting]\r\n"
                                                        << Settings << "\r\n";

  Start(WindowText(Dir + "Mirevan.exe"), WindowText(Dir));
}

TMirevanProcess::TMirevanProcess(const std::wstring& Program, const std::wstring& WorkingDir) {
  Start(Program, WorkingDir);
}

void TMirevanProcess::Start(const std::wstring& Program, const std::wstring& WorkingDir) {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  std::wstring CommandLine = L"\"" + Program + L"\"";
  // Wine now and then refuses to start a file copied a moment ago; a few tries settle it.
  DWORD Error = 0;
  for (int Attempt = 0; Attempt < 10; ++Attempt) {
    if (CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       WorkingDir.c_str(), &Startup, &FProcess)) {
      Error = 0;
      break;
    }
    Error = GetLastError();
    Sleep(100);
  }
  if (Error)
    throw std::runtime_error("cannot start " + ToolkitText(CommandLine) + " (error " +
                             std::to_string(Error) + ")");
  TSearch Search{FProcess.dwProcessId};
  if (!WaitUntil(
          [&] {
            EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&Search));
            return Search.Found != nullptr;
          },
          15000))
    throw std::runtime_error("Mirevan's main window did not appear");
  FMainWindow = Search.Found;
  WaitForInputIdle(FProcess.hProcess, 5000);
  // Its sentinel, started once the window has shown, runs from the same file: a next start
  // copying the program there waits for it to end.
  WaitUntil(
      [&] {
        if (const DWORD Sentinel = SentinelProcessId(FProcess.dwProcessId))
          FSentinel = OpenProcess(SYNCHRONIZE, FALSE, Sentinel);
        return FSentinel != nullptr;
      },
      5000);
}

TMirevanProcess::~TMirevanProcess() {
  if (!FProcess.hProcess)
    return;
  if (Running() && !Close(10000))
    TerminateProcess(FProcess.hProcess, 1);
  WaitForSentinel();
  CloseHandle(FProcess.hProcess);
  CloseHandle(FProcess.hThread);
  if (FSentinel)
    CloseHandle(FSentinel);
}

void TMirevanProcess::Detach() {
  CloseHandle(FProcess.hProcess);
  CloseHandle(FProcess.hThread);
  if (FSentinel)
    CloseHandle(FSentinel);
  FProcess = {};
  FSentinel = nullptr;
}

void TMirevanProcess::WaitForSentinel() const {
  if (FSentinel)
    WaitForSingleObject(FSentinel, 5000);
}

bool TMirevanProcess::Running() const {
  return WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT;
}

bool TMirevanProcess::Close(DWORD TimeoutMs) {
  PostMessageA(FMainWindow, WM_CLOSE, 0, 0);
  const bool Ended = WaitForSingleObject(FProcess.hProcess, TimeoutMs) == WAIT_OBJECT_0;
  if (Ended)
    WaitForSentinel();
  return Ended;
}

bool TMirevanProcess::Kill() {
  TerminateProcess(FProcess.hProcess, 1);
  const bool Ended = WaitForSingleObject(FProcess.hProcess, 5000) == WAIT_OBJECT_0;
  WaitForSentinel();
  return Ended;
}

DWORD SentinelProcessId(DWORD MirevanProcessId) {
  DWORD Found = 0;
  const HANDLE Snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (Snapshot == INVALID_HANDLE_VALUE)
    return 0;
  PROCESSENTRY32 Entry{};
  Entry.dwSize = sizeof Entry;
  for (BOOL More = Process32First(Snapshot, &Entry); More && !Found;
       More = Process32Next(Snapshot, &Entry))
    if (Entry.th32ParentProcessID == MirevanProcessId)
      Found = Entry.th32ProcessID;
  CloseHandle(Snapshot);
  return Found;
}

namespace {

struct TChildSearch {
  std::string ClassName;
  std::string Text;
  int Index;
  HWND Found = nullptr;
};

BOOL CALLBACK FindChildWindow(HWND Wnd, LPARAM Param) {
  auto* Search = reinterpret_cast<TChildSearch*>(Param);
  char Class[64] = {};
  char Text[256] = {};
  GetClassNameA(Wnd, Class, sizeof Class);
  GetWindowTextA(Wnd, Text, sizeof Text);
  if (IsWindowVisible(Wnd) && lstrcmpiA(Class, Search->ClassName.c_str()) == 0 &&
      (Search->Text.empty() || Search->Text == Text) && Search->Index-- == 0) {
    Search->Found = Wnd;
    return FALSE;
  }
  return TRUE;
}

} // namespace

HWND TMirevanProcess::FindChild(const std::string& ClassName, const std::string& Text,
                                int Index) const {
  TChildSearch Search{ClassName, Text, Index};
  EnumChildWindows(FMainWindow, FindChildWindow, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

HWND TMirevanProcess::FindTabControl() const {
  HWND Found = nullptr;
  EnumChildWindows(
      FMainWindow,
      [](HWND Wnd, LPARAM Param) -> BOOL {
        if (!IsWindowVisible(Wnd) || SendMessageA(Wnd, TCM_GETITEMCOUNT, 0, 0) <= 0)
          return TRUE;
        *reinterpret_cast<HWND*>(Param) = Wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Found));
  return Found;
}

void TMirevanProcess::SelectPage(int Index) const {
  SendMessageA(FindTabControl(), TCM_SETCURFOCUS, static_cast<WPARAM>(Index), 0);
}

bool TMirevanProcess::ClickTab(int Index) const {
  SetForegroundWindow(FMainWindow);
  const HWND Tabs = FindTabControl();
  if (!Tabs)
    return false;
  TRemoteMemory Memory(FProcess.dwProcessId, sizeof(RECT));
  if (!SendMessageA(Tabs, TCM_GETITEMRECT, static_cast<WPARAM>(Index), Memory.At()))
    return false;
  const RECT Tab = Memory.Read<RECT>();
  POINT Centre{(Tab.left + Tab.right) / 2, (Tab.top + Tab.bottom) / 2};
  ClientToScreen(Tabs, &Centre);
  return ClickAt(Centre);
}

int TMirevanProcess::ActivePage() const {
  return static_cast<int>(SendMessageA(FindTabControl(), TCM_GETCURSEL, 0, 0));
}

int TMirevanProcess::FindListRow(const std::string& Text) const {
  const HWND List = FindChild(WC_LISTVIEWA, "");
  if (!List)
    throw std::runtime_error("no windows list to search");
  TRemoteMemory Remote(FProcess.dwProcessId, 4096);
  LVFINDINFOA Find{};
  Find.flags = LVFI_STRING;
  Find.psz = reinterpret_cast<LPCSTR>(Remote.At(512));
  Remote.Write(Find);
  Remote.Write(512, Text.c_str(), Text.size() + 1);
  return static_cast<int>(SendMessageA(List, LVM_FINDITEMA, static_cast<WPARAM>(-1), Remote.At()));
}

std::string TMirevanProcess::ListText(int Row, int Column) const {
  const HWND List = FindChild(WC_LISTVIEWA, "");
  if (!List)
    throw std::runtime_error("no windows list to read");
  TRemoteMemory Remote(FProcess.dwProcessId, 4096);
  return RemoteListText(List, Remote, Row, Column);
}

std::string RemoteListText(HWND List, TRemoteMemory& Memory, int Row, int Column) {
  LVITEMA Item{};
  Item.iSubItem = Column;
  Item.pszText = reinterpret_cast<LPSTR>(Memory.At(1024));
  Item.cchTextMax = 1024;
  Memory.Write(Item);
  const auto Length = SendMessageA(List, LVM_GETITEMTEXTA, static_cast<WPARAM>(Row), Memory.At());
  std::string Text(static_cast<size_t>(Length > 0 ? Length : 0), '\0');
  Memory.Read(1024, Text.data(), Text.size());
  return Text;
}

TRemoteMemory::TRemoteMemory(DWORD ProcessId, size_t Size)
    : FProcess(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           ProcessId)) {
  if (FProcess)
    FAddress = static_cast<char*>(
        VirtualAllocEx(FProcess, nullptr, Size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!FAddress) {
    if (FProcess)
      CloseHandle(FProcess);
    throw std::runtime_error("no memory in the other process");
  }
}

TRemoteMemory::~TRemoteMemory() {
  VirtualFreeEx(FProcess, FAddress, 0, MEM_RELEASE);
  CloseHandle(FProcess);
}

void TRemoteMemory::Write(size_t Offset, const void* Data, size_t Size) {
  WriteProcessMemory(FProcess, FAddress + Offset, Data, Size, nullptr);
}

void TRemoteMemory::Read(size_t Offset, void* Data, size_t Size) const {
  ReadProcessMemory(FProcess, FAddress + Offset, Data, Size, nullptr);
}

HWND TMirevanProcess::FindMessageBox() const {
  TSearch Search{FProcess.dwProcessId};
  Search.ClassName = "#32770";
  Search.Title = "Mirevan";
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}
