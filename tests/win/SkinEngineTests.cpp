// The skin engine with real forms and controls: where skins come from, what is stored, and
// the messages that keep every control's copy of its skin object in step.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "SkinSamples.h"
#include "gfx/Pixels.h"
#include "skin/SkinControlLink.h"
#include "skin/SkinEngine.h"
#include "toolkit/Controls.h"
#include "toolkit/Forms.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/PropertyStream.h"

namespace {

struct TLogEntry {
  TControl* Control;
  UINT Msg;
  LPARAM Engine;
};
std::vector<TLogEntry> GLog;

void Record(TControl* Control, UINT Msg, LPARAM LParam) {
  if (Msg == SE_SKINCHANGING || Msg == SE_SKINCHANGED || Msg == SE_OBJECTINVALIDATE)
    GLog.push_back({Control, Msg, LParam});
}

// A windowed and a windowless skinned control, and a form; all log the engine's messages.
class TProbe : public TCustomControl {
public:
  TProbe(TComponent* AOwner, const std::string& Object)
      : TCustomControl(AOwner), Link(*this, Object) {}
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    Record(this, Msg, LParam);
    if (Link.HandleMessage(Msg, WParam, LParam))
      return 0;
    return TCustomControl::WndProc(Msg, WParam, LParam);
  }
  TSeSkinControlLink Link;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TCustomControl::Notification(AComponent, Operation);
    Link.Notification(AComponent, Operation);
  }
};

class TFlatProbe : public TGraphicControl {
public:
  TFlatProbe(TComponent* AOwner, const std::string& Object)
      : TGraphicControl(AOwner), Link(*this, Object) {}
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    Record(this, Msg, LParam);
    if (Link.HandleMessage(Msg, WParam, LParam))
      return 0;
    return TGraphicControl::WndProc(Msg, WParam, LParam);
  }
  TSeSkinControlLink Link;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TGraphicControl::Notification(AComponent, Operation);
    Link.Notification(AComponent, Operation);
  }
};

class TProbeForm : public TForm {
public:
  using TForm::TForm;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    Record(this, Msg, LParam);
    return TForm::WndProc(Msg, WParam, LParam);
  }
};

void LoadStored(TSeSkinEngine& Engine, const std::vector<uint8_t>& Bytes) {
  TMemoryStream Stream(Bytes);
  Engine.ReadSkinStream(Stream);
}

class SkinEngineTest : public ::testing::Test {
protected:
  void SetUp() override {
    GLog.clear();
    Form = MakeComponent<TProbeForm>(Application);
    Engine = MakeComponent<TSeSkinEngine>(Form);
    Other = MakeComponent<TSeSkinEngine>(Form);
    Button = MakeComponent<TProbe>(Form, "Button");
    Button->SetParent(Form);
    Flat = MakeComponent<TFlatProbe>(Form, "Kinds");
    Flat->SetParent(Form);
    Stranger = MakeComponent<TProbe>(Form, "Button");
    Stranger->SetParent(Form);
    LoadStored(*Engine, SampleStoredSkinBytes(8));
    LoadStored(*Other, SampleStoredSkinBytes(8));
    EXPECT_TRUE(GLog.empty()); // reading a stored skin tells nobody
    Button->Link.SetSkinEngine(Engine);
    Flat->Link.SetSkinEngine(Engine);
    Stranger->Link.SetSkinEngine(Other);
    GLog.clear();
  }
  void TearDown() override { Application->DestroyComponent(Form); }

  int Count(TControl* Control, UINT Msg) const {
    int N = 0;
    for (const TLogEntry& Entry : GLog)
      N += Entry.Control == Control && Entry.Msg == Msg;
    return N;
  }

  TApplicationScope App;
  TProbeForm* Form = nullptr;
  TSeSkinEngine* Engine = nullptr;
  TSeSkinEngine* Other = nullptr;
  TProbe* Button = nullptr;
  TFlatProbe* Flat = nullptr;
  TProbe* Stranger = nullptr;
};

TEST_F(SkinEngineTest, TheBuiltInSkinLoadsFromItsStoredFormWithoutMessages) {
  std::ifstream In(MIREVAN_BUILTIN_SKIN, std::ios::binary);
  const std::vector<uint8_t> Stored{std::istreambuf_iterator<char>(In),
                                    std::istreambuf_iterator<char>()};
  ASSERT_GT(Stored.size(), 7u);
  auto* BuiltIn = MakeComponent<TSeSkinEngine>(Form);
  LoadStored(*BuiltIn, Stored);
  EXPECT_EQ(BuiltIn->Source()->ObjectCount(), 18);
  EXPECT_EQ(BuiltIn->Source()->Bitmaps().Count(), 17);
  EXPECT_TRUE(GLog.empty());
  // Written back, it is the same skin in the same container.
  TMemoryStream Again;
  BuiltIn->WriteSkinStream(Again);
  EXPECT_EQ(Again.Bytes()[0], 2);
  EXPECT_EQ(std::string(Again.Bytes().begin() + 1, Again.Bytes().begin() + 5), "QZLZ");
  auto* Copy = MakeComponent<TSeSkinEngine>(Form);
  Again.SetPosition(0);
  Copy->ReadSkinStream(Again);
  EXPECT_EQ(Copy->Source()->ObjectCount(), 18);
}

TEST_F(SkinEngineTest, ControlsKeepACopyOfTheirNamedObjectOnly) {
  EXPECT_EQ(Engine->Source()->ObjectCount(), 3);
  ASSERT_NE(Button->Link.Copy(), nullptr);
  EXPECT_NE(Button->Link.Copy(), Engine->Source()->FindObject("Button")); // a copy
  EXPECT_EQ(Button->Link.Copy()->ClassName(), "TSeButtonObject");
  EXPECT_EQ(Button->Link.Copy()->Control(), Button);
  // A windowless control's objects ask the control itself for repaints, not its window.
  ASSERT_NE(Flat->Link.Copy(), nullptr);
  EXPECT_EQ(Flat->Link.Copy()->Control(), Flat);
  Flat->Link.Copy()->Invalidate();
  EXPECT_EQ(Count(Flat, SE_OBJECTINVALIDATE), 1);
  EXPECT_EQ(Count(Form, SE_OBJECTINVALIDATE), 0);
  EXPECT_TRUE(Button->Link.Skinned());
  EXPECT_EQ(Button->Link.Part("Frame"), Button->Link.Copy());

  Button->Link.SetSkinObject("GroupBox"); // not in the skin: unskinned
  EXPECT_EQ(Button->Link.Copy(), nullptr);
  EXPECT_FALSE(Button->Link.Skinned());
  Button->Link.SetSkinObject("Form");
  EXPECT_EQ(Button->Link.Part("client")->Name(), "Client");
}

TEST_F(SkinEngineTest, AHueChangeTellsEveryControlOfItsEngineBeforeAndAfter) {
  TSeSkinObject* Before = Button->Link.Copy();
  Engine->SetDeltaHue(0); // the current value: nothing at all
  EXPECT_TRUE(GLog.empty());

  Engine->SetDeltaHue(40);
  EXPECT_EQ(Engine->DeltaHue(), 40);
  EXPECT_EQ(Engine->Source()->CurrentHue(), 40);
  for (TControl* Control : std::initializer_list<TControl*>{Form, Button, Flat, Stranger}) {
    EXPECT_EQ(Count(Control, SE_SKINCHANGING), 1) << Control->ClassName();
    EXPECT_EQ(Count(Control, SE_SKINCHANGED), 1) << Control->ClassName();
  }
  for (const TLogEntry& Entry : GLog)
    EXPECT_EQ(Entry.Engine, reinterpret_cast<LPARAM>(Engine));
  // Every "changing" comes before every "changed", the form before its children.
  ASSERT_EQ(GLog.size(), 8u);
  for (size_t I = 0; I < 4; ++I)
    EXPECT_EQ(GLog[I].Msg, SE_SKINCHANGING);
  EXPECT_EQ(GLog[0].Control, Form);
  // Controls of this engine made new copies; the other engine's control kept its own.
  EXPECT_NE(Button->Link.Copy(), nullptr);
  (void)Before;
  EXPECT_TRUE(Stranger->Link.Skinned());
  EXPECT_EQ(Other->Source()->CurrentHue(), 0);
}

TEST_F(SkinEngineTest, ASkinFileLoadedLaterTakesTheEnginesHue) {
  const std::filesystem::path File =
      std::filesystem::temp_directory_path() / "mirevan-engine-hue.xskn";
  const std::vector<uint8_t> Bytes = SampleSkinBytes("xskn", 8);
  std::ofstream(File, std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()), Bytes.size());
  TSeSkinSource Plain;
  Plain.LoadFromFile(File.string());
  const TsePixel Original = Plain.Bitmaps().GetBitmap(0)->GetPixel(40, 10);

  Engine->SetDeltaHue(30);
  GLog.clear();
  Engine->SetSkinFile(File.string());
  std::filesystem::remove(File);
  EXPECT_EQ(Engine->Source()->Bitmaps().GetBitmap(0)->GetPixel(40, 10),
            ChangePixelHue(Original, 30));
  EXPECT_EQ(Count(Button, SE_SKINCHANGING), 1);
  EXPECT_EQ(Count(Button, SE_SKINCHANGED), 1);
  EXPECT_TRUE(Button->Link.Skinned());

  // A file that is not there: the skin is gone, the controls are told and paint plainly.
  GLog.clear();
  Engine->SetSkinFile("no-such-skin.xskn");
  EXPECT_EQ(Engine->Source()->ObjectCount(), 0);
  EXPECT_EQ(Count(Button, SE_SKINCHANGED), 1);
  EXPECT_FALSE(Button->Link.Skinned());
}

TEST_F(SkinEngineTest, AFailedLoadLeavesTheSkinChangingAndSendsNoChange) {
  const std::filesystem::path File =
      std::filesystem::temp_directory_path() / "mirevan-engine-broken.qzkn";
  std::vector<uint8_t> Bytes = SampleSkinBytes("qzkn", 8);
  Bytes.resize(Bytes.size() / 2);
  std::ofstream(File, std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()), Bytes.size());
  EXPECT_THROW(Engine->SetSkinFile(File.string()), Exception);
  std::filesystem::remove(File);
  EXPECT_TRUE(Engine->Source()->Changing);
  EXPECT_EQ(Count(Button, SE_SKINCHANGING), 1);
  EXPECT_EQ(Count(Button, SE_SKINCHANGED), 0);
  EXPECT_EQ(Button->Link.Copy(), nullptr);
  EXPECT_FALSE(Button->Link.Skinned());
}

TEST_F(SkinEngineTest, AnIndexBeyondTheListTakesItsLastEntry) {
  auto* List = MakeComponent<TSeSkinList>(Form);
  for (const char* Name : {"First", "Second", "Third"}) {
    TSeSkinStream* Item = List->Skins().Add();
    BuildSampleSkin(Item->Source(), 4);
    Item->Source().SkinName = Name;
  }
  List->Skins().Add(); // an empty entry stays out of the way of nothing
  List->Skins().Delete(3);
  Engine->SetSkinList(List);
  Engine->SetSkinIndex(5);
  EXPECT_EQ(Engine->SkinIndex(), 2);
  EXPECT_EQ(Engine->Source()->SkinName, "Third");
  EXPECT_EQ(Count(Button, SE_SKINCHANGED), 1);
  // Taken from a list, the skin is not stored with the engine again.
  EXPECT_EQ(ComponentToText(*Engine).find("SkinStream"), std::string::npos);
  Engine->SetSkinIndex(-1); // keeps the current skin
  EXPECT_EQ(Engine->Source()->SkinName, "Third");
  EXPECT_NE(ComponentToText(*Engine).find("SkinStream = {"), std::string::npos);
  // The list going away leaves the engine without one.
  Engine->SetSkinIndex(1);
  Form->DestroyComponent(List);
  EXPECT_EQ(Engine->SkinList(), nullptr);
  EXPECT_EQ(Engine->SkinIndex(), -1);
}

TEST_F(SkinEngineTest, TheStoredSkinIsAByteTwoAndTheDefaultContainer) {
  TMemoryStream Stored;
  Engine->WriteSkinStream(Stored);
  ASSERT_GT(Stored.Size(), 7);
  EXPECT_EQ(Stored.Bytes()[0], 2);
  EXPECT_EQ(std::string(Stored.Bytes().begin() + 1, Stored.Bytes().begin() + 5), "QZLZ");
  EXPECT_EQ(Stored.Bytes()[5], 0x78);
  EXPECT_EQ(Stored.Bytes()[6], 0x01);
  auto* Copy = MakeComponent<TSeSkinEngine>(Form);
  Stored.SetPosition(0);
  Copy->ReadSkinStream(Stored);
  EXPECT_EQ(Copy->Source()->ObjectCount(), 3);

  // Without a skin: one zero byte; list items write a 1 instead of the 2.
  TMemoryStream Empty;
  auto* Bare = MakeComponent<TSeSkinEngine>(Form);
  Bare->WriteSkinStream(Empty);
  EXPECT_EQ(Empty.Bytes(), std::vector<uint8_t>{0});
  TSeSkinStream Item;
  BuildSampleSkin(Item.Source(), 4);
  TMemoryStream ItemBytes;
  Item.WriteSkinStream(ItemBytes);
  EXPECT_EQ(ItemBytes.Bytes()[0], 1);
  TSeSkinStream Back;
  ItemBytes.SetPosition(0);
  Back.ReadSkinStream(ItemBytes);
  EXPECT_EQ(Back.DisplayName(), "Mirevan Blue");
  EXPECT_EQ(TSeSkinStream().DisplayName(), "(empty)");
  EXPECT_EQ(Engine->Version(), "3.4.0");
}

TEST_F(SkinEngineTest, RemovingTheEngineMakesItsControlsPaintPlainly) {
  ASSERT_TRUE(Button->Link.Skinned());
  Form->DestroyComponent(Engine);
  EXPECT_EQ(Button->Link.SkinEngine(), nullptr);
  EXPECT_EQ(Button->Link.Copy(), nullptr);
  EXPECT_EQ(Flat->Link.Copy(), nullptr);
  EXPECT_TRUE(Stranger->Link.Skinned());
}

TEST_F(SkinEngineTest, LoadedAnnouncesASkinAndAppliesTheListIndex) {
  int Announced = 0;
  Engine->OnAfterChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Engine);
    ++Announced;
  };
  Engine->Loaded();
  EXPECT_EQ(Announced, 1);
  EXPECT_TRUE(GLog.empty()); // announcing is not changing
  auto* Empty = MakeComponent<TSeSkinEngine>(Form);
  Empty->OnAfterChange = [&](TObject*) { ++Announced; };
  Empty->Loaded();
  EXPECT_EQ(Announced, 1);
}

} // namespace
