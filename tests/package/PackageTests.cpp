// What a Windows user downloads, under Wine: the released files, the portable zip unpacked
// into an awkwardly named folder, the installer and its uninstaller. PackageTests.sh unpacks
// and installs, then runs the matching tests here with the folders in the environment:
//   MIREVAN_RELEASE_FILES    the released program's folder     ReleaseFilesTest, PlantedLibraryTest
//   MIREVAN_PORTABLE_PARENT  holds the one folder the zip went into               PortableTest
//   (a prefix with the installer run / its uninstaller run)     InstalledTest / UninstalledTest

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <shlobj.h>
#include <sstream>
#include <string>
#include <tlhelp32.h>
#include <vector>

#include "resources/Version.h"
#include "tests/package/PortableExecutable.h"
#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/Notepad.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/AnsiText.h"
#include "toolkit/FileNames.h"
#include "toolkit/IniFiles.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/SysUtils.h"

namespace {

const wchar_t* const ReleasedFiles[] = {L"Mirevan.exe",       L"Hook.dll",   L"DragOn.bmp",
                                        L"DragOff.bmp",       L"ReadMe.txt", L"License.txt",
                                        L"MidnightEmber.qzkn"};

std::wstring Environment(const wchar_t* Name) {
  wchar_t Value[MAX_PATH * 2] = {};
  const DWORD Length = GetEnvironmentVariableW(Name, Value, static_cast<DWORD>(std::size(Value)));
  return Length > 0 && Length < std::size(Value) ? std::wstring(Value, Length) : std::wstring();
}

std::wstring WithSlash(std::wstring Dir) {
  if (!Dir.empty() && Dir.back() != L'\\')
    Dir += L'\\';
  return Dir;
}

bool Exists(const std::wstring& Path) {
  return GetFileAttributesW(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names in a folder, "." and ".." left out, sorted.
std::vector<std::wstring> Listing(const std::wstring& Dir) {
  std::vector<std::wstring> Names;
  WIN32_FIND_DATAW Found{};
  const HANDLE Search = FindFirstFileW((WithSlash(Dir) + L"*").c_str(), &Found);
  if (Search == INVALID_HANDLE_VALUE)
    return Names;
  do {
    const std::wstring Name = Found.cFileName;
    if (Name != L"." && Name != L"..")
      Names.push_back(Name);
  } while (FindNextFileW(Search, &Found));
  FindClose(Search);
  std::sort(Names.begin(), Names.end());
  return Names;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> Names) {
  std::sort(Names.begin(), Names.end());
  return Names;
}

std::vector<std::wstring> ReleasedListing() {
  return Sorted({std::begin(ReleasedFiles), std::end(ReleasedFiles)});
}

void WriteSettings(const std::wstring& Dir, const std::string& Lines) {
  std::ofstream((WithSlash(Dir) + L"Status.cfg").c_str(), std::ios::binary) << "[Setting]\r\n"
                                                                            << Lines << "\r\n";
}

bool BecomesLayeredWith(HWND Wnd, int Alpha) {
  return WaitUntil([&] { return LayeredAlpha(Wnd) == Alpha; }, 5000);
}

// A string value of the current user's registry; empty when it is not there.
std::wstring RegistryText(const wchar_t* Key, const wchar_t* Name) {
  wchar_t Value[1024] = {};
  DWORD Size = sizeof Value;
  if (RegGetValueW(HKEY_CURRENT_USER, Key, Name, RRF_RT_REG_SZ, nullptr, Value, &Size) !=
      ERROR_SUCCESS)
    return {};
  return Value;
}

bool RegistryKeyExists(const wchar_t* Key) {
  HKEY Opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Key, 0, KEY_READ, &Opened) != ERROR_SUCCESS)
    return false;
  RegCloseKey(Opened);
  return true;
}

const wchar_t* const AutoStartKey = L"Software\\brelkor\\mirevan";
const wchar_t* const AutoStartValue = L"Mirevan AutoStart";
const wchar_t* const StartUpKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const UninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirevan";

// Ticks or clears the auto-start option on the Settings page with the real pointer.
void ClickAutoStart(TMirevanProcess& Mirevan, bool Checked) {
  Mirevan.SelectPage(3);
  HWND Box = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        return (Box = Mirevan.FindChild("MirevanWindow",
                                        "Auto start application while Windows  start")) != nullptr;
      },
      3000));
  SetForegroundWindow(Mirevan.MainWindow());
  ASSERT_TRUE(ClickAtCentre(Box));
  const LRESULT Wanted = Checked ? BST_CHECKED : BST_UNCHECKED;
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(Box, BM_GETCHECK, 0, 0) == Wanted; }, 3000));
}

std::wstring KnownFolder(int Folder) {
  wchar_t Path[MAX_PATH] = {};
  return SHGetFolderPathW(nullptr, Folder, nullptr, SHGFP_TYPE_CURRENT, Path) == S_OK
             ? std::wstring(Path)
             : std::wstring();
}

std::wstring InstallDir() {
  return WithSlash(KnownFolder(CSIDL_LOCAL_APPDATA)) + L"Programs\\Mirevan\\";
}

// Processes running from a file of this name.
int RunningCount(const wchar_t* ExeName) {
  int Count = 0;
  const HANDLE Snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W Entry{};
  Entry.dwSize = sizeof Entry;
  for (BOOL More = Process32FirstW(Snapshot, &Entry); More; More = Process32NextW(Snapshot, &Entry))
    Count += _wcsicmp(Entry.szExeFile, ExeName) == 0;
  CloseHandle(Snapshot);
  return Count;
}

std::wstring StartMenuEntry() { return WithSlash(KnownFolder(CSIDL_PROGRAMS)) + L"Mirevan.lnk"; }

// ---------------------------------------------------------------------------------------
// The released files

class ReleaseFilesTest : public testing::Test {
protected:
  void SetUp() override {
    Dir = WithSlash(Environment(L"MIREVAN_RELEASE_FILES"));
    if (Dir.size() <= 1)
      GTEST_SKIP() << "MIREVAN_RELEASE_FILES is not set: run through PackageTests.sh";
  }
  std::wstring Dir;
};

std::wstring VersionText(const std::vector<char>& Info, const wchar_t* Name) {
  const std::wstring Query = std::wstring(L"\\StringFileInfo\\040904b0\\") + Name;
  wchar_t* Value = nullptr;
  UINT Length = 0;
  if (!VerQueryValueW(Info.data(), Query.c_str(), reinterpret_cast<void**>(&Value), &Length) ||
      !Value)
    return {};
  return std::wstring(Value, Length > 0 ? Length - 1 : 0);
}

TEST_F(ReleaseFilesTest, BothFilesCarryTheVersionTheAboutPageShows) {
  const std::string Text = MIREVAN_VERSION_TEXT;
  const std::wstring WideVersion(Text.begin(), Text.end());
  for (const wchar_t* Name : {L"Mirevan.exe", L"Hook.dll"}) {
    SCOPED_TRACE(testing::Message() << "file " << ToolkitText(Name));
    const std::wstring Path = Dir + Name;
    DWORD Ignored = 0;
    const DWORD Size = GetFileVersionInfoSizeW(Path.c_str(), &Ignored);
    ASSERT_GT(Size, 0u);
    std::vector<char> Info(Size);
    ASSERT_TRUE(GetFileVersionInfoW(Path.c_str(), 0, Size, Info.data()));
    VS_FIXEDFILEINFO* Fixed = nullptr;
    UINT Length = 0;
    ASSERT_TRUE(VerQueryValueW(Info.data(), L"\\", reinterpret_cast<void**>(&Fixed), &Length));
    EXPECT_EQ(Fixed->dwFileVersionMS,
              DWORD(MAKELONG(MIREVAN_VERSION_MINOR, MIREVAN_VERSION_MAJOR)));
    EXPECT_EQ(Fixed->dwFileVersionLS, DWORD(MAKELONG(0, MIREVAN_VERSION_BUILD)));
    EXPECT_EQ(Fixed->dwProductVersionMS, Fixed->dwFileVersionMS);
    EXPECT_EQ(Fixed->dwProductVersionLS, Fixed->dwFileVersionLS);
    EXPECT_EQ(VersionText(Info, L"ProductName"), L"Mirevan");
    EXPECT_EQ(VersionText(Info, L"ProductVersion"), WideVersion);
    EXPECT_EQ(VersionText(Info, L"FileVersion"), WideVersion);
    EXPECT_EQ(VersionText(Info, L"OriginalFilename"), Name);
    EXPECT_FALSE(VersionText(Info, L"FileDescription").empty());
  }
  // The About page's label, in the layout the program is built from: "Mirevan V2.0012".
  char Caption[64];
  std::snprintf(Caption, sizeof Caption, "Caption = 'Mirevan V%d.%d%03d'", MIREVAN_VERSION_MAJOR,
                MIREVAN_VERSION_MINOR, MIREVAN_VERSION_BUILD);
  std::ifstream Layout(MIREVAN_MAIN_LAYOUT_SOURCE, std::ios::binary);
  ASSERT_TRUE(Layout.good());
  const std::string LayoutText{std::istreambuf_iterator<char>(Layout), {}};
  EXPECT_NE(LayoutText.find(Caption), std::string::npos) << Caption;
}

// Libraries that Windows always takes from its own folder (the known libraries), and the
// common controls, which the program's manifest takes from the side-by-side store.
const std::set<std::string> SystemImports = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll",    "imm32.dll",
    "kernel32.dll", "msvcrt.dll",   "ole32.dll",    "oleaut32.dll", "rpcrt4.dll",
    "shell32.dll",  "shlwapi.dll",  "user32.dll",   "ws2_32.dll"};

TEST_F(ReleaseFilesTest, ImportOnlyLibrariesTheSystemTakesFromItsOwnFolder) {
  for (const wchar_t* Name : {L"Mirevan.exe", L"Hook.dll"}) {
    SCOPED_TRACE(testing::Message() << "file " << ToolkitText(Name));
    std::vector<std::string> Imports;
    std::string Error;
    ASSERT_TRUE(ReadImportedLibraries(Dir + Name, Imports, Error)) << Error;
    EXPECT_FALSE(Imports.empty());
    for (std::string Import : Imports) {
      std::transform(Import.begin(), Import.end(), Import.begin(),
                     [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
      // Hook.dll is the program's own and comes from its folder.
      if (std::wstring(Name) == L"Mirevan.exe" && Import == "hook.dll")
        continue;
      EXPECT_TRUE(SystemImports.count(Import)) << Import << " could be planted beside the program";
    }
  }
}

// ---------------------------------------------------------------------------------------
// Planted libraries

// Libraries the program loads itself (uxtheme, msimg32), the common controls it imports
// from the side-by-side store, what the platform's theming loads on its behalf (dwmapi), and
// the runtime's libraries that a careless build would import. Not zlib1.dll or version.dll:
// Wine's own user32 imports both, so under Wine every program that shows a window takes
// them by the ordinary search before its first instruction runs; Windows' user32 imports
// neither, and the imports test above checks that the program itself does not.
const wchar_t* const PlantedNames[] = {
    L"uxtheme.dll",     L"msimg32.dll",        L"comctl32.dll",       L"dwmapi.dll",
    L"libstdc++-6.dll", L"libgcc_s_seh-1.dll", L"libwinpthread-1.dll"};

class PlantedLibraryTest : public ReleaseFilesTest {
protected:
  void SetUp() override {
    ReleaseFilesTest::SetUp();
    if (IsSkipped())
      return;
    Folder = WindowText(Temp.Path());
    for (const wchar_t* Name : {L"Mirevan.exe", L"Hook.dll", L"DragOn.bmp", L"DragOff.bmp"})
      ASSERT_TRUE(CopyFileW((Dir + Name).c_str(), (Folder + Name).c_str(), FALSE));
    const std::wstring Here = WideFileName(ExtractFilePath(ExeFileName()));
    ASSERT_TRUE(CopyFileW((Here + L"NaiveLoader.exe").c_str(),
                          (Folder + L"NaiveLoader.exe").c_str(), FALSE));
    for (const wchar_t* Name : PlantedNames)
      ASSERT_TRUE(
          CopyFileW((Here + L"PlantedLibrary.dll").c_str(), (Folder + Name).c_str(), FALSE));
    PreferLibrariesBeside(true);
  }
  void TearDown() override { PreferLibrariesBeside(false); }

  // Wine is told, for the two programs, to prefer a library found beside the program to its
  // own built-in one for each planted name, as Windows takes the first file its search finds.
  // (Per program in the registry: an override in the environment does not reach a process
  // started from Windows code.)
  static void PreferLibrariesBeside(bool Prefer) {
    for (const wchar_t* Program : {L"Mirevan.exe", L"NaiveLoader.exe"}) {
      const std::wstring Key = std::wstring(L"Software\\Wine\\AppDefaults\\") + Program;
      if (!Prefer) {
        RegDeleteTreeW(HKEY_CURRENT_USER, Key.c_str());
        continue;
      }
      for (const wchar_t* Name : PlantedNames) {
        std::wstring Base = Name;
        Base.resize(Base.size() - 4); // without ".dll"
        const wchar_t Order[] = L"native,builtin";
        RegSetKeyValueW(HKEY_CURRENT_USER, (Key + L"\\DllOverrides").c_str(), Base.c_str(), REG_SZ,
                        Order, sizeof Order);
      }
    }
  }

  // NaiveLoader.exe run in the folder with these names; its exit code (how many loaded).
  int RunNaiveLoader(const std::vector<const wchar_t*>& Names) const {
    std::wstring Line = L"\"" + Folder + L"NaiveLoader.exe\"";
    for (const wchar_t* Name : Names)
      Line += std::wstring(L" ") + Name;
    STARTUPINFOW Startup{};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Naive{};
    if (!CreateProcessW(nullptr, Line.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder.c_str(),
                        &Startup, &Naive))
      return -2;
    DWORD Code = DWORD(-3);
    if (WaitForSingleObject(Naive.hProcess, 30000) == WAIT_OBJECT_0)
      GetExitCodeProcess(Naive.hProcess, &Code);
    CloseHandle(Naive.hProcess);
    CloseHandle(Naive.hThread);
    return static_cast<int>(Code);
  }

  void ForgetLoads() const {
    for (const wchar_t* Name : PlantedNames)
      DeleteFileW((Folder + Name + L".loaded").c_str());
  }

  // The planted files that recorded a load, by name.
  std::vector<std::wstring> Loaded() const {
    std::vector<std::wstring> Names;
    for (const wchar_t* Name : PlantedNames)
      if (Exists(Folder + Name + L".loaded"))
        Names.push_back(Name);
    return Names;
  }

  // Modules of a running process that come from the test's folder.
  std::vector<std::wstring> ModulesFromFolder(DWORD ProcessId) const {
    std::vector<std::wstring> Names;
    const HANDLE Snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, ProcessId);
    if (Snapshot == INVALID_HANDLE_VALUE)
      return {L"(no module list)"};
    MODULEENTRY32W Entry{};
    Entry.dwSize = sizeof Entry;
    for (BOOL More = Module32FirstW(Snapshot, &Entry); More; More = Module32NextW(Snapshot, &Entry))
      if (_wcsnicmp(Entry.szExePath, Folder.c_str(), Folder.size()) == 0)
        Names.push_back(Entry.szModule);
    CloseHandle(Snapshot);
    std::sort(Names.begin(), Names.end());
    return Names;
  }

  TTempDir Temp;
  std::wstring Folder;
};

TEST_F(PlantedLibraryTest, NoneIsLoadedAndMirevanWorks) {
  // A program that loads by bare name, from the same folder with the same overrides, must
  // pick every planted file up, or this test could not see a planted load at all.
  EXPECT_EQ(RunNaiveLoader({std::begin(PlantedNames), std::end(PlantedNames)}),
            static_cast<int>(std::size(PlantedNames)));
  EXPECT_EQ(Loaded().size(), std::size(PlantedNames));
  ForgetLoads();

  const TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr);
  WriteSettings(Folder, "TransparentStart=1\r\nTransparentNewWindow=0\r\nOpacityOnClose=1");
  {
    TMirevanProcess Mirevan(Folder + L"Mirevan.exe", Folder);
    EXPECT_TRUE(BecomesLayeredWith(Notepad.Window(), 150));
    // It works past its first page: the windows list (the platform's list view) and the
    // Settings page show.
    Mirevan.SelectPage(1);
    Mirevan.SelectPage(3);
    EXPECT_NE(Mirevan.FindChild("MirevanWindow", "Auto start application while Windows  start"),
              nullptr);
    EXPECT_EQ(ModulesFromFolder(Mirevan.ProcessId()), Sorted({L"Mirevan.exe", L"Hook.dll"}));
    EXPECT_TRUE(Mirevan.Close());
  }
  EXPECT_FALSE(HasLayeredStyle(Notepad.Window()));
  EXPECT_EQ(Loaded(), std::vector<std::wstring>{});
}

// ---------------------------------------------------------------------------------------
// The portable zip

class PortableTest : public testing::Test {
protected:
  void SetUp() override {
    const std::wstring Parent = Environment(L"MIREVAN_PORTABLE_PARENT");
    if (Parent.empty())
      GTEST_SKIP() << "MIREVAN_PORTABLE_PARENT is not set: run through PackageTests.sh";
    const std::vector<std::wstring> Inside = Listing(Parent);
    ASSERT_EQ(Inside.size(), 1u);
    Unpacked = WithSlash(Parent) + Inside[0] + L"\\";
    const std::vector<std::wstring> Top = Listing(Unpacked);
    ASSERT_EQ(Top.size(), 1u); // the zip holds one folder, Mirevan-<version>
    Program = Unpacked + Top[0] + L"\\";
    FolderName = Inside[0];
  }
  std::wstring Unpacked, Program, FolderName;
};

TEST_F(PortableTest, RunsFromAFolderNamedBeyondTheCodePageAndKeepsItsSettingsThere) {
  // The folder's name has a space, and letters the system's code page cannot spell.
  EXPECT_NE(FolderName.find(L' '), std::wstring::npos);
  BOOL Lossy = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, FolderName.c_str(), -1, nullptr, 0, nullptr,
                      &Lossy);
  ASSERT_TRUE(Lossy) << "the code page spells the folder's name";
  EXPECT_EQ(Listing(Program), ReleasedListing());

  const TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr);
  WriteSettings(Program, "Transparency=100\r\nTransparentStart=1\r\nTransparentNewWindow=0");
  {
    TMirevanProcess Mirevan(Program + L"Mirevan.exe", Program);
    EXPECT_TRUE(BecomesLayeredWith(Notepad.Window(), 100)); // its settings, read from there
    ClickAutoStart(Mirevan, true);
    EXPECT_EQ(RegistryText(AutoStartKey, AutoStartValue), Program + L"Mirevan.exe");
    ClickAutoStart(Mirevan, false);
    EXPECT_EQ(RegistryText(AutoStartKey, AutoStartValue), L"");
    EXPECT_TRUE(Mirevan.Close());
  }
  // Written back there at the end, with every key.
  const TIniFile Ini(Utf8FileName(Program + L"Status.cfg"));
  EXPECT_EQ(Ini.ReadInteger("Setting", "Transparency", 0), 100);
  EXPECT_EQ(Ini.ReadString("Setting", "OpacityOnClose", "missing"), "1");
  EXPECT_FALSE(Exists(Program + L"Status.cfg.tmp"));
}

// ---------------------------------------------------------------------------------------
// The installer, in a fresh prefix

TEST(InstalledTest, FilesStartMenuAndUninstallEntryAreInPlaceAndMirevanWorks) {
  const std::wstring Dir = InstallDir();
  std::vector<std::wstring> Expected = ReleasedListing();
  Expected.push_back(L"Uninstall.exe");
  EXPECT_EQ(Listing(Dir), Sorted(Expected));
  EXPECT_TRUE(Exists(StartMenuEntry()));

  EXPECT_EQ(RegistryText(UninstallKey, L"DisplayName"), L"Mirevan");
  const std::string Text = MIREVAN_VERSION_TEXT;
  EXPECT_EQ(RegistryText(UninstallKey, L"DisplayVersion"), std::wstring(Text.begin(), Text.end()));
  EXPECT_EQ(WithSlash(RegistryText(UninstallKey, L"InstallLocation")), Dir);
  EXPECT_EQ(RegistryText(UninstallKey, L"UninstallString"), L"\"" + Dir + L"Uninstall.exe\"");
  EXPECT_EQ(RegistryText(UninstallKey, L"QuietUninstallString"),
            L"\"" + Dir + L"Uninstall.exe\" /S");

  // Started from there as the Start-menu entry starts it; "Transparent" takes Notepad.
  const TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr);
  TMirevanProcess Mirevan(Dir + L"Mirevan.exe", Dir);
  SetForegroundWindow(Mirevan.MainWindow());
  const HWND Transparent = Mirevan.FindChild("MirevanWindow", "Transparent");
  ASSERT_NE(Transparent, nullptr);
  ASSERT_TRUE(ClickAtCentre(Transparent));
  EXPECT_TRUE(BecomesLayeredWith(Notepad.Window(), 150));
  // The auto-start option: its value, and the start-up entry that makes the program start at
  // the next log-on (PackageTests.sh logs on anew after this test); the uninstaller must take
  // both away.
  ClickAutoStart(Mirevan, true);
  EXPECT_EQ(RegistryText(AutoStartKey, AutoStartValue), Dir + L"Mirevan.exe");
  EXPECT_EQ(RegistryText(StartUpKey, L"Mirevan"), L"\"" + Dir + L"Mirevan.exe\"");
  Mirevan.Detach();
}

// After a new log-on: the session's log-on programs started what the start-up list names.
TEST(LoggedOnTest, TheAutoStartOptionStartedMirevanWithTheSession) {
  EXPECT_TRUE(WaitUntil([] { return RunningCount(L"Mirevan.exe") >= 1; }, 30000));
  // Its window shows: the program itself, from where it is installed, not only its process.
  EXPECT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"Mirevan V1.0") != nullptr; }, 30000));
  // Left running: the uninstaller closes it before it removes the files.
}

TEST(UninstalledTest, OnlyTheSettingsFileIsLeft) {
  const std::wstring Dir = InstallDir();
  // The uninstaller runs from a copy of itself, which goes on after the caller has ended:
  // give it time to finish, its last step the settings key.
  EXPECT_TRUE(WaitUntil(
      [&] { return !Exists(Dir + L"Uninstall.exe") && !RegistryKeyExists(L"Software\\brelkor"); },
      60000));
  EXPECT_EQ(Listing(Dir), std::vector<std::wstring>{L"Status.cfg"}); // written as it closed
  EXPECT_EQ(RunningCount(L"Mirevan.exe"), 0);
  EXPECT_FALSE(Exists(StartMenuEntry()));
  EXPECT_FALSE(RegistryKeyExists(UninstallKey));
  EXPECT_EQ(RegistryText(AutoStartKey, AutoStartValue), L"");
  EXPECT_EQ(RegistryText(StartUpKey, L"Mirevan"), L"");
  EXPECT_FALSE(RegistryKeyExists(L"Software\\brelkor"));
}

} // namespace
