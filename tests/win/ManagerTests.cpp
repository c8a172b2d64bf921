// The transparency manager on windows of another process.

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "app/TransparentMgr.h"
#include "hook/Hook.h"
#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/IniFiles.h"

namespace {

constexpr DWORD SettleTime = 700;

class ManagerTest : public ::testing::Test {
protected:
  ManagerTest() {
    // Nothing hooked and nothing taken at start unless a test asks for it.
    Manager->SetTransparentNewWindow(false);
    Manager->SetTransparentStart(false);
  }

  HWND NewWindow(const std::string& Title = "probe") {
    return Fixture.Create("MirevanProbe", Title, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  }

  TTempDir Temp;
  TFixtureProcess Fixture;
  TNotifyReceiver MainWindow;
  std::unique_ptr<TTransparentMgr> Manager =
      std::make_unique<TTransparentMgr>(std::make_unique<TStatus>(Temp.Path() + "Status.cfg"));
};

TEST_F(ManagerTest, LevelIsAppliedAsAlphaModulo256) {
  for (const auto& [Level, Alpha] :
       {std::pair{0, 0}, {150, 150}, {255, 255}, {256, 0}, {300, 44}}) {
    Manager->Status().Transparency = Level;
    const HWND Wnd = NewWindow("level " + std::to_string(Level));
    Manager->TransparentWindow(Wnd);
    EXPECT_TRUE(HasLayeredStyle(Wnd)) << Level;
    EXPECT_EQ(LayeredAlpha(Wnd), Alpha) << Level;
    ASSERT_NE(Manager->FindItem(Wnd), nullptr);
    EXPECT_TRUE(Manager->FindItem(Wnd)->Transparent);
  }
}

TEST_F(ManagerTest, TakingAManagedWindowAgainReappliesTheLevelWithoutASecondEntry) {
  const HWND First = NewWindow("first");
  const HWND Second = NewWindow("second");
  Manager->TransparentWindow(First);
  Manager->TransparentWindow(Second);
  Manager->FindItem(First)->MakeOpacity();
  Manager->Status().Transparency = 90;
  Manager->TransparentWindow(First);
  ASSERT_EQ(Manager->Items().size(), 2u);
  EXPECT_EQ(Manager->Items()[0]->Handle, First);
  EXPECT_EQ(Manager->Items()[1]->Handle, Second);
  EXPECT_EQ(LayeredAlpha(First), 90);
  EXPECT_TRUE(Manager->FindItem(First)->Transparent);
  EXPECT_EQ(LayeredAlpha(Second), 150);
}

TEST_F(ManagerTest, EachChangedSettingIsWrittenAtOnce) {
  const std::string Path = Temp.Path() + "Status.cfg";
  const TIniFile File(Path);
  const auto Stored = [&](const char* Key) { return File.ReadInteger("Setting", Key, -99); };
  // The fixture switched the hook option and start-up option off: both are in the file.
  EXPECT_EQ(Stored("TransparentNewWindow"), 0);
  EXPECT_EQ(Stored("TransparentStart"), 0);
  Manager->SetOpacityOnClose(false);
  EXPECT_EQ(Stored("OpacityOnClose"), 0);
  Manager->SetTransparency(99);
  EXPECT_EQ(Stored("Transparency"), 99);
  Manager->SetTransparentStart(true);
  EXPECT_EQ(Stored("TransparentStart"), 1);
  // An unchanged value writes nothing.
  ASSERT_TRUE(DeleteFileA(Path.c_str()));
  Manager->SetTransparency(99);
  Manager->SetTransparentStart(true);
  EXPECT_EQ(GetFileAttributesA(Path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ManagerTest, NonCandidatesAreNotTaken) {
  const HWND Parent = NewWindow();
  Manager->TransparentWindow(Fixture.CreateChild(Parent, "MirevanProbeChild", "child"));
  Manager->TransparentWindow(Fixture.Create("WorkerW", ""));
  Manager->TransparentWindow(nullptr);
  Manager->SetNotifyWindow(MainWindow.Handle());
  Manager->TransparentWindow(MainWindow.Handle());
  EXPECT_TRUE(Manager->Items().empty());
}

TEST_F(ManagerTest, ReleaseAllRestoresOpacityOnlyWhenAsked) {
  const HWND A = NewWindow("a");
  const HWND B = NewWindow("b");
  Manager->TransparentWindow(A);
  Manager->SetOpacityOnClose(false);
  Manager->OpacityAll();
  EXPECT_TRUE(Manager->Items().empty());
  EXPECT_TRUE(HasLayeredStyle(A));
  EXPECT_EQ(LayeredAlpha(A), 150);

  Manager->TransparentWindow(A);
  Manager->TransparentWindow(B);
  Manager->SetOpacityOnClose(true);
  Manager->ReleaseAll();
  EXPECT_TRUE(Manager->Items().empty());
  EXPECT_FALSE(HasLayeredStyle(A));
  EXPECT_FALSE(HasLayeredStyle(B));
}

TEST_F(ManagerTest, WindowsLayeredByOthersAreLeftAlone) {
  const HWND Foreign = NewWindow("layered by its owner");
  Fixture.MakeLayered(Foreign, 77);
  const HWND Managed = NewWindow("managed");
  Manager->TransparentWindow(Managed);
  EXPECT_FALSE(Manager->IsTransparentWindow(Foreign));
  EXPECT_TRUE(Manager->IsTransparentWindow(Managed));

  Manager->SetTransparency(40);
  Manager->SetOpacityOnClose(true);
  Manager->ReleaseAll();
  EXPECT_TRUE(HasLayeredStyle(Foreign));
  EXPECT_EQ(LayeredAlpha(Foreign), 77);
  EXPECT_FALSE(HasLayeredStyle(Managed));
}

TEST_F(ManagerTest, IsTransparentWindowReadsTheLiveStyle) {
  const HWND Wnd = NewWindow();
  Manager->TransparentWindow(Wnd);
  ASSERT_TRUE(Manager->IsTransparentWindow(Wnd));
  Fixture.ClearLayered(Wnd);
  EXPECT_FALSE(Manager->IsTransparentWindow(Wnd));
  EXPECT_TRUE(Manager->FindItem(Wnd)->Transparent); // the entry does not know

  TTransparentItem::OpacityWindow(Wnd);
  EXPECT_TRUE(Manager->HasWindow(Wnd));
}

TEST_F(ManagerTest, RemoveDeadWindowsKeepsSurvivorsInOrder) {
  const HWND A = NewWindow("a");
  const HWND B = NewWindow("b");
  const HWND C = NewWindow("c");
  const HWND D = NewWindow("d");
  for (HWND Wnd : {A, B, C, D})
    Manager->TransparentWindow(Wnd);
  Fixture.Destroy(B);
  Fixture.Destroy(D);
  Manager->RemoveDeadWindows();
  ASSERT_EQ(Manager->Items().size(), 2u);
  EXPECT_EQ(Manager->Items()[0]->Handle, A);
  EXPECT_EQ(Manager->Items()[1]->Handle, C);
}

TEST_F(ManagerTest, LevelChangesReapplyToEveryEntryEvenOpaqueOnes) {
  const HWND A = NewWindow("a");
  const HWND B = NewWindow("b");
  Manager->TransparentWindow(A);
  Manager->TransparentWindow(B);
  Manager->FindItem(B)->MakeOpacity();
  EXPECT_FALSE(HasLayeredStyle(B));
  Manager->SetTransparency(200);
  EXPECT_EQ(Manager->Transparency(), 200);
  EXPECT_EQ(LayeredAlpha(A), 200);
  EXPECT_TRUE(HasLayeredStyle(B));
  EXPECT_EQ(LayeredAlpha(B), 200);
  EXPECT_TRUE(Manager->FindItem(B)->Transparent);
}

TEST_F(ManagerTest, SameLevelChangesNothing) {
  const HWND Wnd = NewWindow();
  Manager->TransparentWindow(Wnd);
  Fixture.ClearLayered(Wnd);
  Manager->SetTransparency(150);
  EXPECT_FALSE(HasLayeredStyle(Wnd));
  Manager->SetTransparency(151);
  EXPECT_EQ(LayeredAlpha(Wnd), 151);
}

TEST_F(ManagerTest, TheNewWindowOptionInstallsAndRemovesTheHookAtOnce) {
  Manager->SetNotifyWindow(MainWindow.Handle()); // the option is off: no hook
  Manager->SetTransparency(151);                 // nor does a level change install one
  const HWND Off = NewWindow("option off");
  PumpFor(SettleTime);
  EXPECT_EQ(MainWindow.Count(Off, HOOK_WINDOWSHOWN), 0);

  Manager->SetTransparentNewWindow(true);
  const HWND On = NewWindow("option on");
  EXPECT_TRUE(MainWindow.WaitFor(On, HOOK_WINDOWSHOWN, 3000));

  Manager->SetTransparentNewWindow(false);
  PumpFor(100);
  MainWindow.Clear();
  const HWND OffAgain = NewWindow("option off again");
  PumpFor(SettleTime);
  EXPECT_EQ(MainWindow.Count(OffAgain, HOOK_WINDOWSHOWN), 0);
}

TEST_F(ManagerTest, StartUpActionsRunOnceOnTheFirstNotifyWindow) {
  const HWND Existing = NewWindow("existing");
  // EnumAllWindows hands windows to the one manager of the program.
  TTransparentManagerScope Scope(std::make_unique<TStatus>(Temp.Path() + "Scoped.cfg"));
  TransparentManager->SetTransparentStart(true);
  TransparentManager->SetTransparentNewWindow(true);
  TransparentManager->SetOpacityOnClose(true);
  TransparentManager->Status().Transparency = 120;

  TransparentManager->SetNotifyWindow(MainWindow.Handle());
  EXPECT_TRUE(TransparentManager->HasWindow(Existing));
  EXPECT_EQ(LayeredAlpha(Existing), 120);
  EXPECT_FALSE(TransparentManager->HasWindow(MainWindow.Handle()));
  const HWND Later = NewWindow("opened after start");
  EXPECT_TRUE(MainWindow.WaitFor(Later, HOOK_WINDOWSHOWN, 3000));

  TransparentManager->ReleaseAll();
  TransparentManager->SetNotifyWindow(MainWindow.Handle());
  EXPECT_TRUE(TransparentManager->Items().empty());
  EXPECT_FALSE(HasLayeredStyle(Existing));
}

TEST_F(ManagerTest, ListRowsShowTheNewestFirstAndHideUnknownWindows) {
  EXPECT_TRUE(Manager->ListRows().empty());
  const HWND A = NewWindow("first taken");
  const HWND Ime = NewWindow("Default IME");
  const HWND Unknown = NewWindow("UNKNOWN");
  const HWND B = Fixture.Create("Shell_TrayWnd", "", WS_POPUP);
  for (HWND Wnd : {A, Ime, Unknown, B})
    Manager->TransparentWindow(Wnd);
  Manager->FindItem(A)->MakeOpacity();

  const auto Rows = Manager->ListRows();
  ASSERT_EQ(Rows.size(), 2u);
  EXPECT_EQ(Rows[0].Text, "Task Window");
  EXPECT_EQ(Rows[0].Status, "Transparent");
  EXPECT_EQ(Rows[0].Entry, Manager->FindItem(B));
  EXPECT_EQ(Rows[1].Text, "first taken");
  EXPECT_EQ(Rows[1].Status, "Opacity");
  EXPECT_EQ(Rows[1].Entry, Manager->FindItem(A));
  EXPECT_TRUE(Manager->HasWindow(Ime)); // managed, only not shown
}

TEST_F(ManagerTest, ListedEntriesOutliveTheirRemovalUntilTheNextFill) {
  const HWND Wnd = NewWindow();
  Manager->TransparentWindow(Wnd);
  const std::weak_ptr<TTransparentItem> Entry = Manager->Items()[0];
  const auto Rows = Manager->ListRows();
  Manager->ReleaseAll();
  ASSERT_FALSE(Entry.expired());
  Rows[0].Entry->MakeTransparent(33); // a row still acts on its window
  EXPECT_EQ(LayeredAlpha(Wnd), 33);
  EXPECT_TRUE(Manager->ListRows().empty());
  EXPECT_TRUE(Entry.expired());
}

// A string value of the current user's registry, or "<missing>".
std::string UserValue(const char* Key, const char* Name) {
  char Value[MAX_PATH * 2] = {};
  DWORD Size = sizeof Value;
  if (RegGetValueA(HKEY_CURRENT_USER, Key, Name, RRF_RT_REG_SZ, nullptr, Value, &Size) !=
      ERROR_SUCCESS)
    return "<missing>";
  return Value;
}

TEST_F(ManagerTest, AutoStartPutsTheProgramInTheStartUpListAndTheBoxSaysWhetherItWouldStart) {
  char Exe[MAX_PATH * 2] = {};
  GetModuleFileNameA(nullptr, Exe, sizeof Exe);
  const std::string Quoted = std::string("\"") + Exe + "\"";
  Manager->SetAutoStart(true);
  EXPECT_TRUE(Manager->AutoStart());
  EXPECT_EQ(UserValue(TStatus::AutoStartKey, TStatus::AutoStartValue), Exe); // as it always was
  EXPECT_EQ(UserValue(TStatus::StartUpKey, TStatus::StartUpValue), Quoted);
  // The start-up entry gone (or naming another program): the program would not start, and
  // the box says so; the next start puts the entry back where the program now lies.
  const struct {
    const char* Entry; // null: removed
  } Broken[] = {{nullptr}, {"\"C:\\Old place\\Mirevan.exe\""}};
  for (const auto& [Entry] : Broken) {
    if (Entry)
      RegSetKeyValueA(HKEY_CURRENT_USER, TStatus::StartUpKey, TStatus::StartUpValue, REG_SZ, Entry,
                      static_cast<DWORD>(strlen(Entry) + 1));
    else
      RegDeleteKeyValueA(HKEY_CURRENT_USER, TStatus::StartUpKey, TStatus::StartUpValue);
    EXPECT_FALSE(Manager->AutoStart());
    Manager->FollowAutoStart();
    EXPECT_TRUE(Manager->AutoStart());
    EXPECT_EQ(UserValue(TStatus::StartUpKey, TStatus::StartUpValue), Quoted);
  }
  Manager->SetAutoStart(false);
  EXPECT_FALSE(Manager->AutoStart());
  EXPECT_EQ(UserValue(TStatus::AutoStartKey, TStatus::AutoStartValue), "");
  EXPECT_EQ(UserValue(TStatus::StartUpKey, TStatus::StartUpValue), "<missing>");
  // With the option off nothing is put back.
  Manager->FollowAutoStart();
  EXPECT_EQ(UserValue(TStatus::StartUpKey, TStatus::StartUpValue), "<missing>");
}

std::vector<std::string> GReported;
void RecordReport(const std::exception& E) { GReported.emplace_back(E.what()); }

TEST_F(ManagerTest, DestructionReleasesWindowsWritesSettingsAndRemovesTheHook) {
  const HWND Wnd = NewWindow();
  Manager->SetOpacityOnClose(true);
  Manager->SetTransparentNewWindow(true);
  Manager->SetNotifyWindow(MainWindow.Handle());
  Manager->SetTransparency(99);
  Manager->TransparentWindow(Wnd);
  Manager.reset();

  EXPECT_FALSE(HasLayeredStyle(Wnd));
  std::ifstream File(Temp.Path() + "Status.cfg");
  std::stringstream Text;
  Text << File.rdbuf();
  EXPECT_NE(Text.str().find("Transparency=99"), std::string::npos) << Text.str();
  PumpFor(100);
  MainWindow.Clear();
  const HWND Unreported = NewWindow("after the end");
  PumpFor(SettleTime);
  EXPECT_EQ(MainWindow.Count(Unreported, HOOK_WINDOWSHOWN), 0);
}

TEST_F(ManagerTest, AFailedSettingsWriteAtTheEndIsReportedAndTheHookStillGoes) {
  const std::string Blocked = Temp.Path() + "Blocked.cfg";
  ASSERT_TRUE(CreateDirectoryA(Blocked.c_str(), nullptr));
  auto Doomed = std::make_unique<TTransparentMgr>(std::make_unique<TStatus>(Blocked));
  Doomed->SetTransparentNewWindow(true);
  Doomed->SetNotifyWindow(MainWindow.Handle());

  GReported.clear();
  const TExceptionReporter Previous = SetExceptionReporter(RecordReport);
  Doomed.reset();
  SetExceptionReporter(Previous);
  ASSERT_EQ(GReported.size(), 1u);
  EXPECT_EQ(GReported[0], "Unable to write to " + Blocked);

  PumpFor(100);
  MainWindow.Clear();
  const HWND Unreported = NewWindow("after the failed end");
  PumpFor(SettleTime);
  EXPECT_EQ(MainWindow.Count(Unreported, HOOK_WINDOWSHOWN), 0);
}

} // namespace
