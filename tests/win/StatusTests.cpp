// The settings file and the auto-start value, through the real private-profile functions
// and the real registry of the test prefix.

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "app/TransparentMgr.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/FileNames.h"
#include "toolkit/FileStreams.h"
#include "toolkit/Graphics.h"
#include "toolkit/IniFiles.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/Registry.h"

namespace {

class StatusTest : public ::testing::Test {
protected:
  std::string Path() const { return Temp.Path() + "Status.cfg"; }

  void WriteFile(const std::string& Text) const { std::ofstream(Path(), std::ios::binary) << Text; }

  std::string ReadFile() const {
    std::ifstream File(Path(), std::ios::binary);
    std::stringstream Text;
    Text << File.rdbuf();
    return Text.str();
  }

  TStatus Loaded(const std::string& Setting) const {
    WriteFile("[Setting]\r\n" + Setting + "\r\n");
    TStatus Status(Path());
    Status.LoadSettings();
    return Status;
  }

  TTempDir Temp;
};

TEST_F(StatusTest, TheFileLivesBesideTheProgram) {
  EXPECT_EQ(TStatus().FileName(), ExtractFilePath(ExeFileName()) + "Status.cfg");
}

TEST_F(StatusTest, WithoutAFileEveryKeyHasItsDefaultAndNothingIsCreated) {
  TStatus Status(Path());
  Status.LoadSettings();
  EXPECT_EQ(Status.Transparency, 150);
  EXPECT_FALSE(Status.TransparentStart);
  EXPECT_TRUE(Status.OpacityOnClose);
  EXPECT_TRUE(Status.TransparentNewWindow);
  EXPECT_EQ(Status.IncreaseTransparency, 0);
  EXPECT_EQ(Status.DecreaseTransparency, 0);
  EXPECT_EQ(Status.TransparentShortCut, 0);
  EXPECT_EQ(Status.OpacityShortCut, 0);
  EXPECT_EQ(GetFileAttributesA(Path().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(StatusTest, IntegerForms) {
  EXPECT_EQ(Loaded("Transparency=0x96").Transparency, 150);
  EXPECT_EQ(Loaded("Transparency=0X96").Transparency, 150);
  EXPECT_EQ(Loaded("Transparency=$96").Transparency, 150);
  EXPECT_EQ(Loaded("Transparency=letters").Transparency, 150);
  EXPECT_EQ(Loaded("Transparency=").Transparency, 150);
  EXPECT_EQ(Loaded("Transparency=300").Transparency, 300);
  EXPECT_EQ(Loaded("Transparency=-5").Transparency, -5);
  EXPECT_EQ(Loaded("transparency=42").Transparency, 42); // keys ignore case
}

TEST_F(StatusTest, BooleansAreIntegers) {
  EXPECT_TRUE(Loaded("TransparentStart=2").TransparentStart);
  EXPECT_TRUE(Loaded("TransparentStart=-1").TransparentStart);
  EXPECT_FALSE(Loaded("OpacityOnClose=0").OpacityOnClose);
  EXPECT_TRUE(Loaded("OpacityOnClose=maybe").OpacityOnClose);      // default true
  EXPECT_FALSE(Loaded("TransparentStart=maybe").TransparentStart); // default false
}

TEST_F(StatusTest, SixteenBitKeysKeepTheirLowBits) {
  const TStatus Status = Loaded("OpacityShortCut=70000\r\nTransparentShortCut=-1\r\n"
                                "DecreaseTransparency=0x1FFFF\r\nIncreaseTransparency=$10");
  EXPECT_EQ(Status.OpacityShortCut, 4464);
  EXPECT_EQ(Status.TransparentShortCut, 65535);
  EXPECT_EQ(Status.DecreaseTransparency, 65535);
  EXPECT_EQ(Status.IncreaseTransparency, 16);
}

TEST_F(StatusTest, SaveWritesEveryKeyInOrderAsDecimal) {
  TStatus Status = Loaded("TransparentStart=2\r\nOpacityShortCut=70000\r\nTransparency=0x96");
  Status.SaveSettings();
  const std::string Text = ReadFile();
  const char* const Keys[] = {"Transparency=150",       "TransparentStart=1",
                              "OpacityOnClose=1",       "TransparentNewWindow=1",
                              "IncreaseTransparency=0", "DecreaseTransparency=0",
                              "TransparentShortCut=0",  "OpacityShortCut=4464"};
  // Keys already in the file keep their place; a fresh file shows the write order.
  for (const char* Key : Keys)
    EXPECT_NE(Text.find(Key), std::string::npos) << Key << " in\n" << Text;

  DeleteFileA(Path().c_str());
  TStatus Fresh(Path());
  Fresh.LoadSettings();
  Fresh.Transparency = -7;
  Fresh.OpacityOnClose = false;
  Fresh.IncreaseTransparency = 65535;
  Fresh.SaveSettings();
  const std::string Written = ReadFile();
  size_t Position = 0;
  for (const char* Key : {"Transparency=-7", "TransparentStart=0", "OpacityOnClose=0",
                          "TransparentNewWindow=1", "IncreaseTransparency=65535",
                          "DecreaseTransparency=0", "TransparentShortCut=0", "OpacityShortCut=0"}) {
    const size_t Found = Written.find(Key, Position);
    ASSERT_NE(Found, std::string::npos) << Key << " after " << Position << " in\n" << Written;
    Position = Found;
  }
}

TEST_F(StatusTest, SaveLeavesUnknownSectionsAndKeysAlone) {
  WriteFile("[Other]\r\nColour=blue\r\n[Setting]\r\nTransparency=12\r\nFavourite=yes\r\n");
  TStatus Status(Path());
  Status.LoadSettings();
  Status.Transparency = 13;
  Status.SaveSettings();
  const TIniFile Ini(Path());
  EXPECT_EQ(Ini.ReadString("Other", "Colour", ""), "blue");
  EXPECT_EQ(Ini.ReadString("Setting", "Favourite", ""), "yes");
  EXPECT_EQ(Ini.ReadInteger("Setting", "Transparency", 0), 13);
}

TEST_F(StatusTest, ASaveTakesTheFilesPlaceInOneStepAndLeavesNoCopyBehind) {
  WriteFile("[Setting]\r\nTransparency=12\r\n");
  TStatus Status(Path());
  Status.LoadSettings();
  Status.Transparency = 13;
  Status.SaveSettings();
  EXPECT_NE(ReadFile().find("Transparency=13"), std::string::npos) << ReadFile();
  EXPECT_EQ(GetFileAttributesA((Path() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(StatusTest, AFileThatCannotBeReplacedStaysAsItWasByteForByte) {
  const std::string Old = "[Setting]\r\nTransparency=12\r\n; kept as it is\r\n";
  WriteFile(Old);
  TStatus Status(Path());
  Status.LoadSettings();
  Status.Transparency = 13;
  {
    // Another program holds the file open and lets nobody delete or rename it.
    const HANDLE Held = CreateFileA(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(Held, INVALID_HANDLE_VALUE);
    try {
      Status.SaveSettings();
      ADD_FAILURE() << "the save did not fail";
    } catch (const EIniFileException& E) {
      EXPECT_EQ(E.Message(), "Unable to write to " + Path());
    }
    CloseHandle(Held);
  }
  EXPECT_EQ(ReadFile(), Old);
  EXPECT_EQ(GetFileAttributesA((Path() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
  // Released, the next save goes through.
  Status.SaveSettings();
  EXPECT_NE(ReadFile().find("Transparency=13"), std::string::npos) << ReadFile();
}

TEST_F(StatusTest, AnUnwritableFileRaisesTheMessageWithItsPath) {
  ASSERT_TRUE(CreateDirectoryA(Path().c_str(), nullptr));
  TStatus Status(Path());
  Status.LoadSettings();
  try {
    Status.SaveSettings();
    FAIL() << "the save did not fail";
  } catch (const EIniFileException& E) {
    EXPECT_EQ(E.Message(), "Unable to write to " + Path());
  }
}

class AutoStartTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, TStatus::AutoStartKey, TStatus::AutoStartValue);
  }
  void TearDown() override { SetUp(); }

  static std::string StoredValue() {
    char Value[1024] = {};
    DWORD Size = sizeof Value;
    if (RegGetValueA(HKEY_CURRENT_USER, TStatus::AutoStartKey, TStatus::AutoStartValue,
                     RRF_RT_REG_SZ, nullptr, Value, &Size) != ERROR_SUCCESS)
      return "<missing>";
    return Value;
  }

  TStatus Status{"unused.cfg"};
};

TEST_F(AutoStartTest, MissingValueReadsAsOff) { EXPECT_FALSE(Status.GetAutoStart()); }

TEST_F(AutoStartTest, OnStoresThePathOffStoresAnEmptyString) {
  Status.SetAutoStart("C:\\Program Files\\Mirevan\\Mirevan.exe");
  EXPECT_EQ(StoredValue(), "C:\\Program Files\\Mirevan\\Mirevan.exe");
  EXPECT_TRUE(Status.GetAutoStart());
  Status.SetAutoStart("");
  EXPECT_EQ(StoredValue(), "");
  EXPECT_FALSE(Status.GetAutoStart());
}

TEST_F(AutoStartTest, AValueOfAnotherTypeRaisesInvalidDataType) {
  HKEY Key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, TStatus::AutoStartKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &Key, nullptr),
            ERROR_SUCCESS);
  const DWORD Number = 1;
  RegSetValueExA(Key, TStatus::AutoStartValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Number),
                 sizeof Number);
  RegCloseKey(Key);
  try {
    Status.GetAutoStart();
    FAIL() << "a number was read as a string";
  } catch (const ERegistryException& E) {
    EXPECT_EQ(E.Message(), "Invalid data type for 'Mirevan AutoStart'");
  }
  // Writing replaces the value with a string again.
  Status.SetAutoStart("x");
  EXPECT_TRUE(Status.GetAutoStart());
}

// A folder whose name the system's code page cannot spell: the file names are UTF-8 and
// reach the platform whole.
class FileNameTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder =
        Temp.Path() + "Mirevan \xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xE8\xA9\xA6\xE9\xA8\x93\\";
    ASSERT_TRUE(CreateDirectoryW(WideFileName(Folder).c_str(), nullptr));
  }
  TTempDir Temp;
  std::string Folder;
};

TEST_F(FileNameTest, SettingsStreamsAndPicturesWorkThere) {
  TStatus Saved(Folder + "Status.cfg");
  Saved.Transparency = 77;
  Saved.SaveSettings();
  TStatus Loaded(Folder + "Status.cfg");
  Loaded.LoadSettings();
  EXPECT_EQ(Loaded.Transparency, 77);
  EXPECT_TRUE(FileExists(Folder + "Status.cfg"));
  EXPECT_FALSE(FileExists(Folder + "Status.cfg.tmp"));
  EXPECT_FALSE(FileExists(Folder + "missing.cfg"));
  // Only the wide name finds the file: the code page's spelling of it is another name.
  EXPECT_NE(GetFileAttributesW((WideFileName(Folder) + L"Status.cfg").c_str()),
            INVALID_FILE_ATTRIBUTES);

  {
    TFileStream Out(Folder + "data.bin", TFileMode::fmCreate);
    Out.Write("skin", 4);
  }
  TFileStream In(Folder + "data.bin", TFileMode::fmOpenRead);
  char Read[4] = {};
  EXPECT_EQ(In.Read(Read, 4), 4);
  EXPECT_EQ(std::string(Read, 4), "skin");

  ASSERT_TRUE(CopyFileW(WideFileName(ExtractFilePath(ExeFileName()) + "DragOff.bmp").c_str(),
                        WideFileName(Folder + "DragOff.bmp").c_str(), FALSE));
  TBitmap Picture;
  Picture.LoadFromFile(Folder + "DragOff.bmp");
  EXPECT_GT(Picture.Width(), 0);
}

TEST(MessageText, NamesInMessagesAreReadAsUtf8AndOtherTextInTheCodePage) {
  EXPECT_EQ(MessageText("Unable to write to C:\\\xE8\xA9\xA6\\Status.cfg"),
            L"Unable to write to C:\\\u8A66\\Status.cfg");
  // Not UTF-8: the code page's letters (this prefix's is Windows-1252).
  ASSERT_EQ(GetACP(), 1252u);
  EXPECT_EQ(MessageText("Caf\xE9"), L"Caf\u00E9");
  EXPECT_EQ(MessageText(""), L"");
}

TEST_F(AutoStartTest, APathBeyondTheCodePageIsStoredWhole) {
  const std::string Path = "C:\\Mirevan \xE8\xA9\xA6\xE9\xA8\x93\\Mirevan.exe";
  Status.SetAutoStart(Path);
  wchar_t Value[256] = {};
  DWORD Size = sizeof Value;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\brelkor\\mirevan", L"Mirevan AutoStart",
                         RRF_RT_REG_SZ, nullptr, Value, &Size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(Value), L"C:\\Mirevan \u8A66\u9A13\\Mirevan.exe");
  EXPECT_TRUE(Status.GetAutoStart());
}

TEST(Registry, WriteWithoutAnOpenKeyRaisesFailedToSetData) {
  TRegistry Registry;
  try {
    Registry.WriteString("Mirevan AutoStart", "x");
    FAIL() << "the write did not fail";
  } catch (const ERegistryException& E) {
    EXPECT_EQ(E.Message(), "Failed to set data for 'Mirevan AutoStart'");
  }
}

} // namespace
