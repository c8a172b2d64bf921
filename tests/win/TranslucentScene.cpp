// The Windows half of the composited translucency check (CompositedTranslucency.sh): a
// backdrop of one colour, Mirevan.exe started with a known level, and another process's
// window of another colour opened over the backdrop after it, which Mirevan takes. Once the
// window is visible and layered at that level, prints
//   ready <x> <y> <backdrop rrggbb> <window rrggbb> <alpha>
// and holds the scene (pumping its messages) until a line comes on standard input; then
// closes Mirevan and ends. Anything that goes wrong is printed as "error <reason>", exit 1.

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/ScreenBackdrop.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

constexpr uint32_t BackdropRgb = 0x2040C0;
constexpr uint32_t WindowRgb = 0xE0C020;
constexpr int Level = 128;

COLORREF ToColorRef(uint32_t Rgb) { return RGB(Rgb >> 16 & 0xFF, Rgb >> 8 & 0xFF, Rgb & 0xFF); }

DWORD WINAPI WaitForLine(LPVOID) {
  char Line[64];
  std::fgets(Line, sizeof Line, stdin);
  return 0;
}

int Fail(const std::string& Reason) {
  std::printf("error %s\n", Reason.c_str());
  std::fflush(stdout);
  return 1;
}

} // namespace

int main() {
  try {
    // Mirevan centres its main window on the desktop; the scene keeps to the top-left corner.
    const RECT Behind{20, 20, 300, 220};
    const TBackdrop Backdrop(Behind, ToColorRef(BackdropRgb));
    TTempDir Temp;
    // Windows present at start are left alone; the one opened next takes the level.
    TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=1\r\n"
                                         "Transparency=" + std::to_string(Level));
    TFixtureProcess Owner;
    // Made at (40, 40), 240 x 160, within the backdrop, and shown as it is made: Wine does
    // not map a window that another process made layered while it was still hidden.
    const HWND Wnd = Owner.Create("MirevanSolidColour", "solid colour", WS_POPUP | WS_VISIBLE);
    Owner.Fill(Wnd, WindowRgb);
    const POINT Sample{160, 120};
    const bool Taken = PumpUntil(
        [&] {
          return IsWindowVisible(Wnd) && LayeredAlpha(Wnd) == Level;
        },
        5000);
    if (!Taken)
      return Fail("the window was not made translucent at " + std::to_string(Level) +
                  " (visible " + std::to_string(IsWindowVisible(Wnd)) + ", alpha " +
                  std::to_string(LayeredAlpha(Wnd)) + ")");
    std::printf("ready %ld %ld %06lx %06lx %d\n", Sample.x, Sample.y,
                static_cast<unsigned long>(BackdropRgb), static_cast<unsigned long>(WindowRgb),
                Level);
    std::fflush(stdout);

    const HANDLE Reader = CreateThread(nullptr, 0, WaitForLine, nullptr, 0, nullptr);
    if (!Reader)
      return Fail("no thread to read standard input");
    for (;;) {
      MSG Msg;
      while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&Msg);
        DispatchMessageW(&Msg);
      }
      if (MsgWaitForMultipleObjects(1, &Reader, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0)
        break;
    }
    CloseHandle(Reader);
    if (!Mirevan.Close())
      return Fail("Mirevan did not end when closed");
    return 0;
  } catch (const std::exception& Error) {
    return Fail(Error.what());
  }
}
