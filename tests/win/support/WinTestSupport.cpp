#include "tests/win/support/WinTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "hook/Hook.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

bool PumpUntil(const std::function<bool()>& Done, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  for (;;) {
    MSG Msg;
    // Wide, as the application's loop: characters typed beyond the 8-bit code page arrive
    // whole.
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    if (Done())
      return true;
    const ULONGLONG Now = GetTickCount64();
    if (Now >= Deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE,
                              static_cast<DWORD>(std::min<ULONGLONG>(Deadline - Now, 20)),
                              QS_ALLINPUT);
  }
}

void PumpFor(DWORD Milliseconds) {
  PumpUntil([] { return false; }, Milliseconds);
}

bool PointAt(POINT Point) {
  SetCursorPos(Point.x, Point.y);
  PumpFor(20);
  return PumpUntil(
      [Point] {
        POINT Now{};
        GetCursorPos(&Now);
        return Now.x == Point.x && Now.y == Point.y;
      },
      1000);
}

void LeftButton(bool Down) {
  INPUT Input{};
  Input.type = INPUT_MOUSE;
  Input.mi.dwFlags = Down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &Input, sizeof Input);
}

bool ClickAt(POINT Point) {
  if (!PointAt(Point))
    return false;
  LeftButton(true);
  PumpFor(60);
  LeftButton(false);
  PumpFor(60);
  return true;
}

bool ClickAtCentre(HWND Wnd) {
  RECT Bounds;
  GetWindowRect(Wnd, &Bounds);
  return ClickAt({(Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2});
}

void KeyInput(WORD VirtualKey, bool Down) {
  INPUT Input{};
  Input.type = INPUT_KEYBOARD;
  Input.ki.wVk = VirtualKey;
  Input.ki.dwFlags = Down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &Input, sizeof Input);
}

void TapKey(WORD VirtualKey) {
  KeyInput(VirtualKey, true);
  KeyInput(VirtualKey, false);
}

void AltKey(WORD Key) {
  KeyInput(VK_MENU, true);
  TapKey(Key);
  KeyInput(VK_MENU, false);
}

void CtrlKey(WORD Key, bool Shift) {
  KeyInput(VK_CONTROL, true);
  if (Shift)
    KeyInput(VK_SHIFT, true);
  TapKey(Key);
  if (Shift)
    KeyInput(VK_SHIFT, false);
  KeyInput(VK_CONTROL, false);
}

void ShiftKey(WORD Key) {
  KeyInput(VK_SHIFT, true);
  TapKey(Key);
  KeyInput(VK_SHIFT, false);
}

void TypeUnits(const std::wstring& Text) {
  for (const wchar_t Unit : Text)
    for (const DWORD Up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT Input{};
      Input.type = INPUT_KEYBOARD;
      Input.ki.wScan = Unit;
      Input.ki.dwFlags = KEYEVENTF_UNICODE | Up;
      SendInput(1, &Input, sizeof Input);
    }
}

TForm* NewTestForm(int Left, int Top, int Width, int Height) {
  auto* Form = MakeComponent<TForm>(Application);
  Form->Position = TPosition::poDesigned;
  Form->SetBounds(Left, Top, Width, Height);
  return Form;
}

void ShowInFront(TForm& Form) {
  PointAt({5, 5}); // off the form
  Form.Show();
  PumpFor(30);
  SetForegroundWindow(Form.Handle());
  PumpUntil([&] { return GetForegroundWindow() == Form.Handle(); }, 1000);
}

bool ProcessUntil(const std::function<bool()>& Done, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  for (;;) {
    Application->ProcessMessages();
    if (Done())
      return true;
    if (GetTickCount64() >= Deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool MovePointer(POINT Point) {
  SetCursorPos(Point.x, Point.y);
  return ProcessUntil(
      [Point] {
        POINT Now{};
        GetCursorPos(&Now);
        return Now.x == Point.x && Now.y == Point.y;
      },
      1000);
}

HWND FindHintWindow(DWORD ProcessId) {
  struct TSearch {
    DWORD ProcessId;
    HWND Found = nullptr;
  } Search{ProcessId};
  EnumWindows(
      [](HWND Wnd, LPARAM Param) {
        auto* S = reinterpret_cast<TSearch*>(Param);
        DWORD Process = 0;
        GetWindowThreadProcessId(Wnd, &Process);
        char Class[64] = {};
        GetClassNameA(Wnd, Class, sizeof Class);
        const LONG ExStyle = GetWindowLongA(Wnd, GWL_EXSTYLE);
        if (Process != S->ProcessId || !IsWindowVisible(Wnd) ||
            std::string(Class) != "MirevanWindow" || !(ExStyle & WS_EX_TOOLWINDOW) ||
            !(ExStyle & WS_EX_TOPMOST) || GetWindowTextLengthA(Wnd) == 0)
          return TRUE;
        S->Found = Wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

namespace {
constexpr const char* ReceiverClass = "MirevanTestReceiver";
}

TNotifyReceiver::TNotifyReceiver() {
  WNDCLASSEXA Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = WndProc;
  Class.hInstance = GetModuleHandleA(nullptr);
  Class.lpszClassName = ReceiverClass;
  RegisterClassExA(&Class); // fails harmlessly when registered already
  FHandle = CreateWindowExA(0, ReceiverClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!FHandle)
    throw std::runtime_error("cannot create the receiver window");
}

TNotifyReceiver::~TNotifyReceiver() { DestroyWindow(FHandle); }

LRESULT CALLBACK TNotifyReceiver::WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE)
    SetWindowLongPtrA(
        Wnd, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams));
  if (Msg == WM_HOOKNOTIFY) {
    if (auto* Self = reinterpret_cast<TNotifyReceiver*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA)))
      Self->FReceived.emplace_back(reinterpret_cast<HWND>(WParam), LParam);
    return 0;
  }
  return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

int TNotifyReceiver::Count(HWND Wnd, LPARAM Code) const {
  int N = 0;
  for (const auto& [Handle, Received] : FReceived)
    N += Handle == Wnd && Received == Code;
  return N;
}

bool TNotifyReceiver::WaitFor(HWND Wnd, LPARAM Code, DWORD TimeoutMs) {
  return PumpUntil([&] { return Count(Wnd, Code) > 0; }, TimeoutMs);
}

TTempDir::TTempDir() {
  char Base[MAX_PATH];
  GetTempPathA(MAX_PATH, Base);
  static unsigned Serial = 0;
  for (;;) {
    FPath = std::string(Base) + "mirevan-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++Serial) + "\\";
    if (CreateDirectoryA(FPath.c_str(), nullptr))
      return;
    if (GetLastError() != ERROR_ALREADY_EXISTS)
      throw std::runtime_error("cannot create " + FPath);
  }
}

TTempDir::~TTempDir() {
  std::error_code Ignored;
  std::filesystem::remove_all(FPath, Ignored);
}

int LayeredAlpha(HWND Wnd) {
  BYTE Alpha = 0;
  DWORD Flags = 0;
  COLORREF Key = 0;
  if (!GetLayeredWindowAttributes(Wnd, &Key, &Alpha, &Flags) || !(Flags & LWA_ALPHA))
    return -1;
  return Alpha;
}

bool HasLayeredStyle(HWND Wnd) { return (GetWindowLongA(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
