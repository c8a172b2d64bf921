#pragma once
// Small things the Windows tests share: pumping messages, a receiver of hook notifications,
// a temporary directory, reading a window's layered alpha.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Dispatches this thread's messages until Done() holds or TimeoutMs have passed.
bool PumpUntil(const std::function<bool()>& Done, DWORD TimeoutMs);
void PumpFor(DWORD Milliseconds);
// Moves the pointer and pumps until the system reports it there: under X the warp comes back
// as a motion event, and a late one would otherwise move the pointer back.
bool PointAt(POINT Point);
// The real left mouse button pressed (Down) or let go, through SendInput.
void LeftButton(bool Down);
// A click of the real left button at a screen point, pumping after each half; false when the
// pointer did not get there.
bool ClickAt(POINT Point);
// A click of the real left button at the centre of a visible window (another process's too).
bool ClickAtCentre(HWND Wnd);
// A real key pressed or let go, and both in turn.
void KeyInput(WORD VirtualKey, bool Down);
void TapKey(WORD VirtualKey);
// Alt held around a key.
void AltKey(WORD Key);
// Ctrl held around a key, and Shift with it when asked.
void CtrlKey(WORD Key, bool Shift = false);
// Shift held around a key.
void ShiftKey(WORD Key);
// Each UTF-16 unit of Text typed as itself (VK_PACKET), whatever the keyboard layout.
void TypeUnits(const std::wstring& Text);

class TForm;
// A form of the application's at a place of its own, not shown yet.
TForm* NewTestForm(int Left, int Top, int Width, int Height);
// Shows Form in front with the pointer off it, so that nothing on it is hot yet.
void ShowInFront(TForm& Form);
// Messages through the application's own handling (which offers dialog keys and characters
// to the forms) until Done() holds or TimeoutMs have passed.
bool ProcessUntil(const std::function<bool()>& Done, DWORD TimeoutMs);
// The real pointer moved, what follows handled by the application's own loop (which hides
// hints on the messages the hint window names), until the system reports it there.
bool MovePointer(POINT Point);
// The shown hint window of a process: a visible topmost tool window of the toolkit's class
// with a text (the drag tool's outline has none); null when there is none.
HWND FindHintWindow(DWORD ProcessId);

// A message-only window of the test process that records hook notifications (1025).
class TNotifyReceiver {
public:
  TNotifyReceiver();
  ~TNotifyReceiver();
  TNotifyReceiver(const TNotifyReceiver&) = delete;
  TNotifyReceiver& operator=(const TNotifyReceiver&) = delete;

  HWND Handle() const { return FHandle; }
  const std::vector<std::pair<HWND, LPARAM>>& Received() const { return FReceived; }
  int Count(HWND Wnd, LPARAM Code) const;
  void Clear() { FReceived.clear(); }
  // Pumps until Wnd has been reported with Code at least once, or the time is up.
  bool WaitFor(HWND Wnd, LPARAM Code, DWORD TimeoutMs);

private:
  static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  HWND FHandle = nullptr;
  std::vector<std::pair<HWND, LPARAM>> FReceived;
};

// A fresh directory under the temporary folder, removed with everything in it at the end.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  const std::string& Path() const { return FPath; } // with a trailing backslash

private:
  std::string FPath;
};

// The alpha of a layered window's attributes, or -1 when it has none.
int LayeredAlpha(HWND Wnd);
bool HasLayeredStyle(HWND Wnd);
