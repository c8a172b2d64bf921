// Mirevan.exe as a user runs it, with windows of another process as its subject; every check
// is made from outside: layered attributes, the settings file, the process itself.

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "controls/trackbar/TrackBarGeometry.h"
#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/Notepad.h"
#include "tests/win/support/ScreenBackdrop.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/IniFiles.h"

namespace {

class EndToEndTest : public ::testing::Test {
protected:
  HWND NewWindow(const std::string& Title, DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    return Fixture.Create("MirevanProbe", Title, Style);
  }
  static bool BecomesLayeredWith(HWND Wnd, int Alpha) {
    return WaitUntil([&] { return HasLayeredStyle(Wnd) && LayeredAlpha(Wnd) == Alpha; }, 3000);
  }
  // Rests the real pointer on a button of Mirevan's, near its left end; the hint that comes
  // up, or null when none does within five seconds. On: where the pointer rests.
  static HWND RestOnButton(const TMirevanProcess& Mirevan, const std::string& Caption, POINT& On) {
    const HWND Button = Mirevan.FindChild("MirevanWindow", Caption);
    RECT Bounds{};
    if (!Button || !GetWindowRect(Button, &Bounds))
      return nullptr;
    On = {Bounds.left + 20, (Bounds.top + Bounds.bottom) / 2};
    HWND Hint = nullptr;
    if (PointAt({On.x - 5, On.y}) && PointAt(On))
      WaitUntil([&] { return (Hint = FindHintWindow(Mirevan.ProcessId())) != nullptr; }, 5000);
    return Hint;
  }
  std::string SettingsText() const {
    std::ifstream File(Temp.Path() + "Status.cfg", std::ios::binary);
    std::stringstream Text;
    Text << File.rdbuf();
    return Text.str();
  }

  TTempDir Temp;
  TFixtureProcess Fixture;
};

TEST_F(EndToEndTest, TransparentStartTakesEveryWindowButTheMainOne) {
  const HWND Shown = NewWindow("shown before start");
  const HWND Hidden = NewWindow("hidden before start", WS_OVERLAPPEDWINDOW);
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nTransparency=100\r\n"
                                       "TransparentNewWindow=0");
  EXPECT_TRUE(BecomesLayeredWith(Shown, 100));
  EXPECT_TRUE(BecomesLayeredWith(Hidden, 100));
  EXPECT_FALSE(HasLayeredStyle(Mirevan.MainWindow()));
  EXPECT_TRUE(Mirevan.Close());
  EXPECT_FALSE(HasLayeredStyle(Shown)); // OpacityOnClose is on by default
}

TEST_F(EndToEndTest, WithoutTransparentStartNothingChangesAtStart) {
  const HWND Wnd = NewWindow("left alone");
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=0");
  Sleep(500);
  EXPECT_FALSE(HasLayeredStyle(Wnd));
}

TEST_F(EndToEndTest, NewWindowsTakeTheLevelAndLeaveTheListWhenDestroyed) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=1\r\nTransparency=90");
  const HWND Wnd = NewWindow("opened after start");
  EXPECT_TRUE(BecomesLayeredWith(Wnd, 90));
  Mirevan.SelectPage(1);
  EXPECT_GE(Mirevan.FindListRow("opened after start"), 0);
  Fixture.Destroy(Wnd);
  Sleep(1000); // the destruction reaches Mirevan within a second
  Mirevan.SelectPage(0);
  Mirevan.SelectPage(1); // refilled from the manager's list
  EXPECT_EQ(Mirevan.FindListRow("opened after start"), -1);
}

// Mirevan's transparency bar: the visible window of its controls' class with the bar's size.
HWND FindTransparencyBar(const TMirevanProcess& Mirevan) {
  for (int I = 0;; ++I) {
    const HWND Wnd = Mirevan.FindChild("MirevanWindow", "", I);
    if (!Wnd)
      return nullptr;
    RECT Client;
    GetClientRect(Wnd, &Client);
    if (Client.right == 329 && Client.bottom == 45)
      return Wnd;
  }
}

// Presses on the thumb at From and lets go where To lies, as a user's drag; true once the
// pointer got there. The bar is 329 x 45, 0..255, a tick every 10 on both sides, thumb
// half-width 5, drawn plainly (the built-in skin has no track bar).
bool DragTransparencyBar(HWND Bar, int From, int To) {
  TTrackBarLayout Layout;
  Layout.Width = 329;
  Layout.Height = 45;
  Layout.Min = 0;
  Layout.Max = 255;
  Layout.Frequency = 10;
  Layout.TickMarks = tmBoth;
  Layout.ThumbWidth = ThumbWidthFor(5);
  Layout.ThumbLength = ThumbLengthFor(Layout.ThumbWidth);
  const int FromX = Layout.PositionToPixel(From);
  const TRect Thumb = Layout.ThumbBounds(FromX);
  POINT At{FromX, (Thumb.Top + Thumb.Bottom) / 2};
  ClientToScreen(Bar, &At);
  if (!PointAt(At))
    return false;
  LeftButton(true);
  PumpFor(50);
  const bool Moved = PointAt({At.x + Layout.PositionToPixel(To) - FromX, At.y});
  PumpFor(50);
  LeftButton(false);
  PumpFor(50);
  return Moved;
}

TEST_F(EndToEndTest, TheButtonsClickedWithThePointerTakeAndLetGoOfWindows) {
  const HWND Wnd = NewWindow("taken by the button");
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=0");
  SetForegroundWindow(Mirevan.MainWindow());
  const HWND Transparent = Mirevan.FindChild("MirevanWindow", "Transparent");
  ASSERT_NE(Transparent, nullptr);
  ASSERT_TRUE(ClickAtCentre(Transparent));
  EXPECT_TRUE(BecomesLayeredWith(Wnd, 150));
  const HWND Opacity = Mirevan.FindChild("MirevanWindow", "Opacity");
  ASSERT_NE(Opacity, nullptr);
  ASSERT_TRUE(ClickAtCentre(Opacity));
  EXPECT_TRUE(WaitUntil([&] { return !HasLayeredStyle(Wnd); }, 3000));
}

TEST_F(EndToEndTest, RestingOnAButtonShowsItsHintUnderThePointerUntilAKeyIsPressed) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=0\r\nTransparentNewWindow=0");
  SetForegroundWindow(Mirevan.MainWindow());
  POINT On{};
  const HWND Hint = RestOnButton(Mirevan, "Transparent", On);
  ASSERT_NE(Hint, nullptr);
  wchar_t Text[128] = {};
  DWORD_PTR Length = 0;
  SendMessageTimeoutW(Hint, WM_GETTEXT, std::size(Text), reinterpret_cast<LPARAM>(Text),
                      SMTO_ABORTIFHUNG, 2000, &Length);
  EXPECT_EQ(std::wstring(Text, Length), L"Transparent all opened window");
  RECT Shown;
  GetWindowRect(Hint, &Shown);
  EXPECT_GT(Shown.top, On.y);
  EXPECT_LE(Shown.left, On.x);
  EXPECT_GT(Shown.right, On.x);
  // A key hides it.
  TapKey(VK_SHIFT);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(Hint); }, 3000));
}

TEST_F(EndToEndTest, TheNewWindowOptionActsTheMomentItIsTickedOrCleared) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0\r\nTransparency=150");
  const HWND Early = NewWindow("opened with the option off");
  Sleep(800);
  EXPECT_FALSE(HasLayeredStyle(Early));

  Mirevan.SelectPage(3);
  const HWND NewWindowBox =
      Mirevan.FindChild("MirevanWindow", "Transparent while new window show or opened");
  ASSERT_NE(NewWindowBox, nullptr);
  // With the real pointer, until the box shows the state asked for.
  const auto ClickBox = [&](LRESULT State) {
    return ClickAtCentre(NewWindowBox) &&
           WaitUntil([&] { return SendMessageA(NewWindowBox, BM_GETCHECK, 0, 0) == State; }, 2000);
  };
  ASSERT_TRUE(ClickBox(BST_CHECKED));
  // Taken at once: no level change, no "Transparent" in between.
  EXPECT_TRUE(BecomesLayeredWith(NewWindow("opened with the option ticked"), 150));
  EXPECT_FALSE(HasLayeredStyle(Early));

  ASSERT_TRUE(ClickBox(BST_UNCHECKED));
  const HWND Cleared = NewWindow("opened with the option cleared");
  // Nor does a level change, dragged with the real pointer, bring the hook back.
  const HWND Bar = FindTransparencyBar(Mirevan);
  ASSERT_NE(Bar, nullptr);
  ASSERT_TRUE(DragTransparencyBar(Bar, 150, 140));
  const HWND AfterLevel = NewWindow("opened after the level changed");
  Sleep(800);
  EXPECT_FALSE(HasLayeredStyle(Cleared));
  EXPECT_FALSE(HasLayeredStyle(AfterLevel));
  // What the pointer set reaches the settings file.
  EXPECT_TRUE(Mirevan.Close());
  const TIniFile Ini(Temp.Path() + "Status.cfg");
  EXPECT_FALSE(Ini.ReadBool("Setting", "TransparentNewWindow", true));
  EXPECT_EQ(Ini.ReadInteger("Setting", "Transparency", 0), 140);
}

TEST_F(EndToEndTest, ClosingRestoresManagedWindowsAndWritesTheSettings) {
  const HWND Managed = NewWindow("managed");
  TMirevanProcess Mirevan(Temp.Path(),
                          "TransparentStart=1\r\nTransparentNewWindow=0\r\nFavourite=yes",
                          "[Other]\r\nColour=blue\r\n");
  ASSERT_TRUE(BecomesLayeredWith(Managed, 150));
  const HWND Foreign = NewWindow("layered by its owner");
  Fixture.MakeLayered(Foreign, 77);
  EXPECT_TRUE(Mirevan.Close());
  EXPECT_FALSE(HasLayeredStyle(Managed));
  EXPECT_EQ(LayeredAlpha(Foreign), 77);

  const TIniFile Ini(Temp.Path() + "Status.cfg");
  for (const char* Key :
       {"Transparency", "TransparentStart", "OpacityOnClose", "TransparentNewWindow",
        "IncreaseTransparency", "DecreaseTransparency", "TransparentShortCut", "OpacityShortCut"})
    EXPECT_NE(Ini.ReadString("Setting", Key, "<missing>"), "<missing>") << Key;
  EXPECT_EQ(Ini.ReadString("Setting", "Favourite", ""), "yes");
  EXPECT_EQ(Ini.ReadString("Other", "Colour", ""), "blue");
  EXPECT_EQ(Ini.ReadInteger("Setting", "TransparentStart", 0), 1);
}

// Ended by force right after a setting changed, the program leaves the settings file either
// as it was or as the change made it, whole, and the next start reads it.
TEST_F(EndToEndTest, EndedDuringASettingsWriteTheFileIsTheOldOrTheNewWhole) {
  const std::string Path = Temp.Path() + "Status.cfg";
  const auto ClickNewWindowOption = [](TMirevanProcess& Mirevan) {
    Mirevan.SelectPage(3);
    const HWND Box =
        Mirevan.FindChild("MirevanWindow", "Transparent while new window show or opened");
    return Box && ClickAtCentre(Box);
  };
  const auto Exists = [](const std::string& File) {
    return GetFileAttributesA(File.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  std::string Old;
  {
    // Stopped between writing the new file and putting it in place: the old file stays.
    SetEnvironmentVariableA("MIREVAN_HOLD_SETTINGS_WRITE", "1");
    TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0\r\nTransparency=99",
                            "[Other]\r\nColour=blue\r\n");
    SetEnvironmentVariableA("MIREVAN_HOLD_SETTINGS_WRITE", nullptr);
    Old = SettingsText();
    ASSERT_TRUE(ClickNewWindowOption(Mirevan));
    ASSERT_TRUE(WaitUntil([&] { return Exists(Path + ".tmp"); }, 3000));
    Sleep(200); // the writer is in its hold by now
    ASSERT_TRUE(Mirevan.Kill());
    EXPECT_EQ(SettingsText(), Old);
    // The new file was complete: only its taking the old one's place was missing.
    const TIniFile Unplaced(Path + ".tmp");
    EXPECT_TRUE(Unplaced.ReadBool("Setting", "TransparentNewWindow", false));
    EXPECT_EQ(Unplaced.ReadString("Other", "Colour", ""), "blue");
  }
  {
    // The next start reads the old file, and its first write clears what the last one left.
    TMirevanProcess Mirevan(Temp.Path(), "");
    ASSERT_TRUE(ClickNewWindowOption(Mirevan));
    // Written at once: ended by force now, the file is the new one, whole.
    ASSERT_TRUE(WaitUntil(
        [&] { return SettingsText().find("TransparentNewWindow=1") != std::string::npos; }, 3000));
    ASSERT_TRUE(Mirevan.Kill());
    EXPECT_FALSE(Exists(Path + ".tmp"));
    const TIniFile Ini(Path);
    EXPECT_EQ(Ini.ReadInteger("Setting", "Transparency", 0), 99); // kept from the old file
    EXPECT_EQ(Ini.ReadString("Other", "Colour", ""), "blue");
    EXPECT_NE(SettingsText(), Old);
  }
}

TEST_F(EndToEndTest, KilledMirevansSentinelGivesTheWindowsBackAsAnOrderlyEndWould) {
  const TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr);
  const HWND Managed = NewWindow("managed");
  const HWND Found = NewWindow("layered by its owner");
  Fixture.MakeLayered(Found, 77);
  const HWND Doomed = NewWindow("destroyed before the kill");
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nTransparentNewWindow=0\r\n"
                                       "Transparency=120\r\nOpacityOnClose=1");
  ASSERT_TRUE(BecomesLayeredWith(Managed, 120));
  ASSERT_TRUE(BecomesLayeredWith(Found, 120));
  ASSERT_TRUE(BecomesLayeredWith(Doomed, 120));
  ASSERT_TRUE(BecomesLayeredWith(Notepad.Window(), 120));
  Fixture.Destroy(Doomed);
  const HWND Later = NewWindow("opened after the destroyed one");
  const ULONGLONG Killed = GetTickCount64();
  ASSERT_TRUE(Mirevan.Kill());
  EXPECT_TRUE(WaitUntil(
      [&] { return !HasLayeredStyle(Managed) && !HasLayeredStyle(Notepad.Window()); }, 1000));
  const ULONGLONG Restored = GetTickCount64();
  std::printf("opaque again %llu ms after the kill\n", Restored - Killed);
  // Layered before Mirevan took it, a window gets its own alpha back.
  EXPECT_TRUE(HasLayeredStyle(Found));
  EXPECT_EQ(LayeredAlpha(Found), 77);
  EXPECT_FALSE(HasLayeredStyle(Later));
}

TEST_F(EndToEndTest, KilledWithoutOpacityOnCloseOrAfterItsSentinelTheWindowsStayAsTheyAre) {
  {
    const HWND Managed = NewWindow("managed, option off");
    TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nTransparentNewWindow=0\r\n"
                                         "OpacityOnClose=0");
    ASSERT_TRUE(BecomesLayeredWith(Managed, 150));
    ASSERT_TRUE(Mirevan.Kill());
    Sleep(1000);
    EXPECT_EQ(LayeredAlpha(Managed), 150);
  }
  {
    const HWND Managed = NewWindow("managed, sentinel gone");
    TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nOpacityOnClose=1");
    ASSERT_TRUE(BecomesLayeredWith(Managed, 150));
    const DWORD SentinelId = SentinelProcessId(Mirevan.ProcessId());
    ASSERT_NE(SentinelId, 0u);
    const HANDLE Sentinel = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, SentinelId);
    ASSERT_NE(Sentinel, nullptr);
    TerminateProcess(Sentinel, 1);
    WaitForSingleObject(Sentinel, 5000);
    CloseHandle(Sentinel);
    EXPECT_TRUE(Mirevan.Running());
    ASSERT_TRUE(Mirevan.Kill());
    Sleep(1000);
    EXPECT_EQ(LayeredAlpha(Managed), 150);
  }
  {
    // Ended in order, Mirevan leaves the windows translucent without the option, and its
    // sentinel ends without acting.
    const HWND Managed = NewWindow("managed, orderly end");
    TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nTransparentNewWindow=0\r\n"
                                         "OpacityOnClose=0");
    ASSERT_TRUE(BecomesLayeredWith(Managed, 150));
    ASSERT_NE(Mirevan.Sentinel(), nullptr);
    EXPECT_TRUE(Mirevan.Close());
    EXPECT_EQ(WaitForSingleObject(Mirevan.Sentinel(), 0), WAIT_OBJECT_0); // ended with it
    EXPECT_EQ(LayeredAlpha(Managed), 150);
  }
}

TEST_F(EndToEndTest, WithoutOpacityOnCloseWindowsStayTranslucent) {
  const HWND Managed = NewWindow("managed");
  TMirevanProcess Mirevan(Temp.Path(),
                          "TransparentStart=1\r\nTransparentNewWindow=0\r\nOpacityOnClose=0");
  ASSERT_TRUE(BecomesLayeredWith(Managed, 150));
  EXPECT_TRUE(Mirevan.Close());
  EXPECT_EQ(LayeredAlpha(Managed), 150);
  EXPECT_NE(SettingsText().find("OpacityOnClose=0"), std::string::npos) << SettingsText();
}

TEST_F(EndToEndTest, TheSystemCloseCommandHasNoEffect) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0");
  PostMessageA(Mirevan.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Sleep(500);
  EXPECT_TRUE(Mirevan.Running());
  EXPECT_TRUE(IsWindowVisible(Mirevan.MainWindow()));
}

// The visible menu levels of the program's window thread.
size_t MenuLevels(HWND MainWindow) {
  size_t Count = 0;
  EnumThreadWindows(
      GetWindowThreadProcessId(MainWindow, nullptr),
      [](HWND Wnd, LPARAM Data) -> BOOL {
        const LONG_PTR Ex = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
        if (IsWindowVisible(Wnd) && (Ex & WS_EX_TOPMOST) && (Ex & WS_EX_TOOLWINDOW))
          ++*reinterpret_cast<size_t*>(Data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Count));
  return Count;
}

TEST_F(EndToEndTest, TheSystemMenuRollsTheWindowUpAndRestoresIt) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0");
  const HWND Main = Mirevan.MainWindow();
  SetForegroundWindow(Main);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Main; }, 2000));
  RECT Before{};
  GetWindowRect(Main, &Before);
  auto Height = [&] {
    RECT Now{};
    GetWindowRect(Main, &Now);
    return Now.bottom - Now.top;
  };
  AltKey(VK_SPACE);
  ASSERT_TRUE(WaitUntil([&] { return MenuLevels(Main) == 1; }, 3000));
  TapKey('L'); // "Ro&llup"
  EXPECT_TRUE(WaitUntil([&] { return MenuLevels(Main) == 0; }, 3000));
  EXPECT_TRUE(WaitUntil([&] { return Height() < (Before.bottom - Before.top) / 3; }, 3000));
  AltKey(VK_SPACE);
  ASSERT_TRUE(WaitUntil([&] { return MenuLevels(Main) == 1; }, 3000));
  TapKey('R'); // "&Restore"
  EXPECT_TRUE(WaitUntil([&] { return Height() == Before.bottom - Before.top; }, 3000));
  EXPECT_TRUE(Mirevan.Running());
}

// The top-level windows of Mirevan's process and of its sentinel's.
std::vector<HWND> OwnWindows(const TMirevanProcess& Mirevan) {
  struct TSearch {
    DWORD Ids[2];
    std::vector<HWND> Found;
  } Search{{Mirevan.ProcessId(), SentinelProcessId(Mirevan.ProcessId())}, {}};
  EnumWindows(
      [](HWND Wnd, LPARAM Data) -> BOOL {
        auto& S = *reinterpret_cast<TSearch*>(Data);
        DWORD Id = 0;
        GetWindowThreadProcessId(Wnd, &Id);
        if (Id == S.Ids[0] || (S.Ids[1] && Id == S.Ids[1]))
          S.Found.push_back(Wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

// The text the windows list would show for a window: its title, else its class name.
std::string ShownText(HWND Wnd) {
  char Text[260] = {};
  if (GetWindowTextA(Wnd, Text, sizeof Text) <= 0)
    GetClassNameA(Wnd, Text, sizeof Text);
  return Text;
}

TEST_F(EndToEndTest, MirevansOwnWindowsAreNeverTakenNorListed) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=1\r\nTransparency=77");
  const HWND Main = Mirevan.MainWindow();
  ASSERT_TRUE(BecomesLayeredWith(NewWindow("taken as it opens"), 77));
  const auto NoneTaken = [&](const char* While) {
    Sleep(700); // longer than the hook takes to report a window that came or showed
    for (HWND Wnd : OwnWindows(Mirevan))
      EXPECT_NE(LayeredAlpha(Wnd), 77) << While << ": " << ShownText(Wnd);
  };
  SetForegroundWindow(Main);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Main; }, 2000));

  POINT On{};
  ASSERT_NE(RestOnButton(Mirevan, "Transparent", On), nullptr);
  NoneTaken("a hint shown");
  // A popup menu: the window menu.
  AltKey(VK_SPACE);
  ASSERT_TRUE(WaitUntil([&] { return MenuLevels(Main) == 1; }, 3000));
  NoneTaken("a menu open");
  TapKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return MenuLevels(Main) == 0; }, 3000));
  // "Transparent" takes every window of the desktop, the hidden ones too, but none of these.
  ASSERT_TRUE(ClickAt(On));
  NoneTaken("after Transparent");

  Mirevan.SelectPage(1);
  for (HWND Wnd : OwnWindows(Mirevan))
    EXPECT_EQ(Mirevan.FindListRow(ShownText(Wnd)), -1) << ShownText(Wnd);
  EXPECT_GE(Mirevan.FindListRow("taken as it opens"), 0);
}

// Starts Mirevan.exe in Dir once more and waits for that process to end; its exit code, or
// -1 when it did not end within the time.
int StartAgainAndWait(const std::string& Dir, DWORD& Milliseconds) {
  STARTUPINFOA Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Process{};
  std::string CommandLine = "\"" + Dir + "Mirevan.exe\"";
  const ULONGLONG From = GetTickCount64();
  if (!CreateProcessA(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Dir.c_str(),
                      &Startup, &Process))
    return -1;
  DWORD Code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(Process.hProcess, 15000) == WAIT_OBJECT_0)
    GetExitCodeProcess(Process.hProcess, &Code);
  else
    TerminateProcess(Process.hProcess, 1);
  Milliseconds = static_cast<DWORD>(GetTickCount64() - From);
  CloseHandle(Process.hProcess);
  CloseHandle(Process.hThread);
  return static_cast<int>(Code);
}

TEST_F(EndToEndTest, ASecondStartBringsTheRunningCopyForwardAndEndsTouchingNothing) {
  const HWND Managed = NewWindow("managed");
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nTransparentNewWindow=0");
  ASSERT_TRUE(BecomesLayeredWith(Managed, 150));
  const HWND Main = Mirevan.MainWindow();
  const std::string Settings = SettingsText();
  const HWND Front = NewWindow("in front");
  SetForegroundWindow(Front);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Front; }, 3000));

  DWORD Took = 0;
  EXPECT_EQ(StartAgainAndWait(Temp.Path(), Took), 0);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Main; }, 3000));
  EXPECT_TRUE(Mirevan.Running());
  EXPECT_EQ(LayeredAlpha(Managed), 150);
  EXPECT_FALSE(HasLayeredStyle(Front));
  EXPECT_EQ(SettingsText(), Settings);
  std::printf("a second start ended after %lu ms\n", static_cast<unsigned long>(Took));

  // Rolled up, the window comes back whole.
  RECT Whole{};
  GetWindowRect(Main, &Whole);
  const auto Height = [&] {
    RECT Now{};
    GetWindowRect(Main, &Now);
    return Now.bottom - Now.top;
  };
  AltKey(VK_SPACE);
  Sleep(300);
  TapKey('L'); // "Ro&llup"
  ASSERT_TRUE(WaitUntil([&] { return Height() < (Whole.bottom - Whole.top) / 3; }, 3000));
  SetForegroundWindow(Front);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Front; }, 3000));
  EXPECT_EQ(StartAgainAndWait(Temp.Path(), Took), 0);
  EXPECT_TRUE(WaitUntil([&] { return Height() == Whole.bottom - Whole.top; }, 3000));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Main; }, 3000));
  EXPECT_EQ(LayeredAlpha(Managed), 150);
  EXPECT_EQ(SettingsText(), Settings);
}

TEST_F(EndToEndTest, AFirstRunWithoutSettingsWritesTheDefaults) {
  {
    TMirevanProcess Mirevan(Temp.Path(), "");
    EXPECT_TRUE(Mirevan.Close());
  }
  const TIniFile Ini(Temp.Path() + "Status.cfg");
  EXPECT_EQ(Ini.ReadInteger("Setting", "Transparency", 0), 150);
  EXPECT_EQ(Ini.ReadInteger("Setting", "TransparentStart", 9), 0);
  EXPECT_EQ(Ini.ReadInteger("Setting", "OpacityOnClose", 9), 1);
  EXPECT_EQ(Ini.ReadInteger("Setting", "TransparentNewWindow", 9), 1);
}

// The drag tool with real mouse input: pressed on its target, moved, released elsewhere.
class DragEndToEndTest : public EndToEndTest {
protected:
  static void MouseTo(POINT Point) {
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dx = MulDiv(Point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    Input.mi.dy = MulDiv(Point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    Input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &Input, sizeof Input);
    Sleep(60);
  }
  static void Button(bool Down) {
    LeftButton(Down);
    Sleep(120);
  }
  static POINT CentreOf(HWND Wnd) {
    RECT Bounds;
    GetWindowRect(Wnd, &Bounds);
    return {(Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2};
  }
  // The drag targets are the two 32 x 32 panels of page 2, the transparent one on top.
  static HWND Target(const TMirevanProcess& Mirevan, int Which) {
    HWND Found[2] = {};
    int Count = 0;
    for (int I = 0; HWND Wnd = Mirevan.FindChild("MirevanWindow", "", I); ++I) {
      RECT Bounds;
      GetWindowRect(Wnd, &Bounds);
      if (Bounds.right - Bounds.left == 32 && Bounds.bottom - Bounds.top == 32 && Count < 2)
        Found[Count++] = Wnd;
    }
    RECT First, Second;
    GetWindowRect(Found[0], &First);
    GetWindowRect(Found[1], &Second);
    const bool FirstOnTop = First.top < Second.top;
    return Which == 0 ? (FirstOnTop ? Found[0] : Found[1]) : (FirstOnTop ? Found[1] : Found[0]);
  }
  void Drag(HWND From, POINT To, const std::function<void()>& BeforeRelease = {}) {
    MouseTo(CentreOf(From));
    LeftButton(true);
    const POINT Start = CentreOf(From);
    for (int Step = 1; Step <= 4; ++Step)
      MouseTo({Start.x + (To.x - Start.x) * Step / 4, Start.y + (To.y - Start.y) * Step / 4});
    if (BeforeRelease)
      BeforeRelease();
    LeftButton(false);
  }
  // The display-only edits of page 2, top first, found as text fields are found from outside:
  // the windows that ask for typed characters.
  static HWND EditField(const TMirevanProcess& Mirevan, int Which) {
    HWND Found[2] = {};
    int Count = 0;
    for (int I = 0; HWND Wnd = Mirevan.FindChild("MirevanWindow", "", I); ++I)
      if ((SendMessageA(Wnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) && Count < 2)
        Found[Count++] = Wnd;
    RECT First{}, Second{};
    GetWindowRect(Found[0], &First);
    GetWindowRect(Found[1], &Second);
    const bool FirstOnTop = First.top < Second.top;
    return Which == 0 ? (FirstOnTop ? Found[0] : Found[1]) : (FirstOnTop ? Found[1] : Found[0]);
  }
  // Moves a fixture window and waits until it is there.
  bool MoveTo(HWND Wnd, const RECT& Bounds) {
    Fixture.Move(Wnd, Bounds);
    return WaitUntil(
        [&] {
          RECT Now{};
          GetWindowRect(Wnd, &Now);
          return EqualRect(&Now, &Bounds) != FALSE;
        },
        3000);
  }
  // A control's text as the control itself answers it.
  static std::string TextOf(HWND Wnd) {
    char Text[300] = {};
    SendMessageA(Wnd, WM_GETTEXT, sizeof Text, reinterpret_cast<LPARAM>(Text));
    return Text;
  }
};

TEST_F(DragEndToEndTest, DroppingTheTargetOnAChildControlTakesItsWindow) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0\r\nTransparency=110");
  const HWND Window = NewWindow("drop here");
  const HWND Child = Fixture.CreateChild(Window, "MirevanProbeChild", "inner");
  Mirevan.SelectPage(2);
  Sleep(200);
  Drag(Target(Mirevan, 0), CentreOf(Child), [&] {
    // The display-only edits follow the pointer; the window is not transparent yet.
    EXPECT_EQ(TextOf(EditField(Mirevan, 0)), "drop here");
    EXPECT_EQ(TextOf(EditField(Mirevan, 1)), "MirevanProbe");
    // The platform's own copy, which GetWindowText reads for another process.
    char Title[64] = {};
    GetWindowTextA(EditField(Mirevan, 0), Title, sizeof Title);
    EXPECT_STREQ(Title, "drop here");
    EXPECT_EQ(SendMessageA(Mirevan.FindChild("MirevanWindow", "Is Transparent"), BM_GETCHECK, 0, 0),
              BST_UNCHECKED);
  });
  EXPECT_TRUE(BecomesLayeredWith(Window, 110));
  EXPECT_FALSE(HasLayeredStyle(Child));
}

TEST_F(DragEndToEndTest, DroppingTheTargetOnTheMainWindowChangesNothing) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0");
  Mirevan.SelectPage(2);
  Sleep(200);
  RECT Main;
  GetWindowRect(Mirevan.MainWindow(), &Main);
  Drag(Target(Mirevan, 0), {Main.right - 30, Main.bottom - 30});
  Sleep(300);
  EXPECT_FALSE(HasLayeredStyle(Mirevan.MainWindow()));
}

TEST_F(DragEndToEndTest, TheOpacityTargetClearsAWindowTheProgramNeverManaged) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0");
  const HWND Foreign = NewWindow("layered by its owner");
  Fixture.MakeLayered(Foreign, 60);
  Mirevan.SelectPage(2);
  Sleep(200);
  Drag(Target(Mirevan, 1), CentreOf(Foreign));
  EXPECT_TRUE(WaitUntil([&] { return !HasLayeredStyle(Foreign); }, 3000));
}

TEST_F(DragEndToEndTest, AfterAReleaseIsTransparentAndTheListTellHowTheWindowNowIs) {
  const HWND Managed = NewWindow("taken at start");
  TMirevanProcess Mirevan(Temp.Path(), "TransparentStart=1\r\nTransparentNewWindow=0\r\n"
                                       "Transparency=130");
  ASSERT_TRUE(BecomesLayeredWith(Managed, 130));
  const HWND Unmanaged = NewWindow("opened after start");
  // Apart, and clear of Mirevan's window in the middle of the screen.
  ASSERT_TRUE(MoveTo(Managed, {10, 10, 250, 170}));
  ASSERT_TRUE(MoveTo(Unmanaged, {10, 800, 250, 960}));
  Mirevan.SelectPage(2);
  Sleep(200);
  const HWND IsTransparent = Mirevan.FindChild("MirevanWindow", "Is Transparent");
  ASSERT_NE(IsTransparent, nullptr);
  const auto Ticked = [&] { return SendMessageA(IsTransparent, BM_GETCHECK, 0, 0) == BST_CHECKED; };
  const struct {
    int Target;
    HWND Onto;
    const char* Title;
    bool Before, After;
    const char* Status;
  } Cases[] = {{1, Managed, "taken at start", true, false, "Opacity"},
               {0, Unmanaged, "opened after start", false, true, "Transparent"}};
  for (const auto& Case : Cases) {
    Mirevan.SelectPage(2);
    Sleep(200);
    Drag(Target(Mirevan, Case.Target), CentreOf(Case.Onto),
         [&] { EXPECT_EQ(Ticked(), Case.Before) << Case.Title; });
    EXPECT_TRUE(WaitUntil([&] { return Ticked() == Case.After; }, 2000)) << Case.Title;
    EXPECT_EQ(HasLayeredStyle(Case.Onto), Case.After) << Case.Title;
    Mirevan.SelectPage(1);
    const int Row = Mirevan.FindListRow(Case.Title);
    ASSERT_GE(Row, 0) << Case.Title;
    EXPECT_EQ(Mirevan.ListText(Row, 1), Case.Status) << Case.Title;
  }
}

// The outline is drawn over a window that lies behind Mirevan's, across the "Window Class"
// field, whose text changes under it during the drag.
TEST_F(DragEndToEndTest, TheOutlineLeavesNoPixelBehindAndNoHintShowsWhileDragging) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0");
  Mirevan.SelectPage(2);
  Sleep(200);
  const HWND Main = Mirevan.MainWindow();
  RECT Own{}, Class{};
  GetWindowRect(Main, &Own);
  GetWindowRect(EditField(Mirevan, 1), &Class);
  const int EdgeY = (Class.top + Class.bottom) / 2;
  const RECT Under{Own.left + 20, EdgeY, std::min<LONG>(Own.right + 200, 1270),
                   std::min<LONG>(Own.bottom + 100, 1014)};
  ASSERT_GT(Under.right - Own.right, 60) << "room beside Mirevan's window to drop onto";
  const HWND Behind = NewWindow("under the outline");
  Fixture.Fill(Behind, 0x3060A0);
  ASSERT_TRUE(MoveTo(Behind, Under));
  SetForegroundWindow(Main);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Main; }, 2000));
  Sleep(300);

  const RECT Shot{Own.left, Own.top, Under.right, Under.bottom};
  const RECT Band{Class.left + 4, EdgeY - 1, Class.right - 4, EdgeY + 1};
  std::vector<uint32_t> During;
  bool HintDuring = false;
  Drag(Target(Mirevan, 1), {(Own.right + Under.right) / 2, EdgeY + 60}, [&] {
    Sleep(1500); // past the time a resting pointer takes to bring up a hint
    HintDuring = FindHintWindow(Mirevan.ProcessId()) != nullptr;
    During = ScreenPixels(Band);
  });
  EXPECT_FALSE(HintDuring);
  Sleep(500);
  const std::vector<uint32_t> After = ScreenPixels(Shot);
  // What the windows paint when asked afresh: the screen as it should be.
  for (HWND Wnd : {Main, Behind})
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  Sleep(700);
  const std::vector<uint32_t> Fresh = ScreenPixels(Shot);
  EXPECT_NE(During, ScreenPixels(Band)) << "the outline crossed the field during the drag";
  ASSERT_EQ(After.size(), Fresh.size());
  size_t Left = 0;
  for (size_t I = 0; I < After.size(); ++I)
    Left += After[I] != Fresh[I];
  EXPECT_EQ(Left, 0u) << "pixels of the outline left after the release";
}

TEST_F(DragEndToEndTest, AMissingPictureIsReportedByName) {
  TMirevanProcess Mirevan(Temp.Path(), "TransparentNewWindow=0", "", false);
  Mirevan.SelectPage(2);
  Sleep(200);
  MouseTo(CentreOf(Target(Mirevan, 0)));
  LeftButton(true);
  HWND Box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (Box = Mirevan.FindMessageBox()) != nullptr; }, 3000));
  char Text[256] = {};
  GetDlgItemTextA(Box, 0xFFFF, Text, sizeof Text);
  EXPECT_STREQ(Text, "Cannot open file DragOn.bmp");
  SendMessageA(Box, WM_COMMAND, IDOK, 0);
  LeftButton(false);
  EXPECT_TRUE(Mirevan.Running()); // the loop goes on after the report
}

} // namespace
