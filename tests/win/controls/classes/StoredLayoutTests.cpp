// A window's layout as a tree of stored components: pages on their page control, an edit on
// a page, a menu with its items and a sub-item; written, read into a new form, written again.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "controls/edit/SeSkinEdit.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SeSkinItem.h"
#include "controls/menu/SeSkinPopupMenu.h"
#include "controls/scroll/SeSkinScrollBar.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "controls/tabs/SeSkinPageControl.h"
#include "skin/SkinEngine.h"
#include "skin/SkinSource.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/FileStreams.h"
#include "toolkit/Forms.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/Published.h"

namespace {

class StoredLayoutTest : public ::testing::Test {
protected:
  void SetUp() override { Application->Initialize(); }
  TForm* NewForm() {
    auto* Form = MakeComponent<TForm>(Application);
    Form->SetName("Form1");
    return Form;
  }
  template <class T> T* Named(TForm* Form, const char* Name) {
    auto* Found = dynamic_cast<T*>(Form->FindComponent(Name));
    EXPECT_NE(nullptr, Found) << Name;
    return Found;
  }
  TApplicationScope App;
};

TEST_F(StoredLayoutTest, ATreeOfControlsAndMenuItemsReadsBackInPlaceAndWritesTheSameText) {
  TForm* Form = NewForm();
  auto* Menu = MakeComponent<TSeSkinPopupMenu>(Form);
  Menu->SetName("pmTray");
  auto* Show = MakeComponent<TSeSkinItem>(Form);
  Show->SetName("mnuShow");
  Show->SetCaption("&Show");
  Menu->AdoptItem(Show);
  auto* More = MakeComponent<TSeSkinItem>(Form);
  More->SetName("mnuMore");
  More->SetCaption("&More");
  Menu->AdoptItem(More);
  auto* Inner = MakeComponent<TSeSkinItem>(Form);
  Inner->SetName("mnuInner");
  Inner->SetCaption("Inner");
  More->Add(Inner);
  auto* Pages = MakeComponent<TSeSkinPageControl>(Form);
  Pages->SetName("Pages");
  Pages->SetParent(Form);
  auto* First = MakeComponent<TSeCustomTabSheet>(Form);
  First->SetName("tsFirst");
  First->SetParent(Pages);
  auto* Second = MakeComponent<TSeCustomTabSheet>(Form);
  Second->SetName("tsSecond");
  Second->SetParent(Pages);
  auto* Edit = MakeComponent<TSeSkinEdit>(Form);
  Edit->SetName("edtCaption");
  Edit->SetParent(Second);
  Edit->SetText(L"Stored");
  // Where the controls go when their parents change size is stored with them.
  Pages->SetAlign(TAlign::alClient);
  auto* Bar = MakeComponent<TSeSkinScrollBar>(Form);
  Bar->SetName("sbZoom");
  Bar->SetParent(First);
  Bar->SetKind(sbVertical);
  Bar->SetAnchors(akTop | akRight | akBottom);
  const std::string Text = ComponentToText(*Form);
  // Menus before controls; each component inside its parent's record.
  const auto At = [&](const char* What) { return Text.find(What); };
  ASSERT_NE(std::string::npos, At("object mnuInner: TSeSkinItem"));
  EXPECT_LT(At("object pmTray"), At("object mnuShow"));
  EXPECT_LT(At("object mnuMore"), At("object mnuInner"));
  EXPECT_LT(At("object mnuInner"), At("object Pages"));
  EXPECT_LT(At("object tsSecond"), At("object edtCaption"));

  TForm* Copy = NewForm();
  Copy->SetLoading(true);
  ComponentFromText(Text, *Copy);
  auto* ReadMenu = Named<TSeSkinPopupMenu>(Copy, "pmTray");
  auto* ReadMore = Named<TSeSkinItem>(Copy, "mnuMore");
  auto* ReadInner = Named<TSeSkinItem>(Copy, "mnuInner");
  auto* ReadPages = Named<TSeSkinPageControl>(Copy, "Pages");
  auto* ReadSecond = Named<TSeCustomTabSheet>(Copy, "tsSecond");
  auto* ReadEdit = Named<TSeSkinEdit>(Copy, "edtCaption");
  ASSERT_TRUE(ReadMenu && ReadMore && ReadInner && ReadPages && ReadSecond && ReadEdit);
  ASSERT_EQ(2, ReadMenu->Items()->Count());
  EXPECT_EQ("&Show", ReadMenu->Items()->Items(0)->Caption());
  EXPECT_EQ(ReadMore, ReadMenu->Items()->Items(1));
  EXPECT_EQ(ReadMore, ReadInner->Parent());
  EXPECT_EQ(Copy, ReadPages->Parent());
  EXPECT_EQ(ReadPages, ReadSecond->Parent());
  EXPECT_EQ(ReadSecond, ReadEdit->Parent());
  EXPECT_EQ(L"Stored", ReadEdit->Text());
  EXPECT_EQ(TAlign::alClient, ReadPages->Align());
  auto* ReadBar = Named<TSeSkinScrollBar>(Copy, "sbZoom");
  ASSERT_TRUE(ReadBar);
  EXPECT_EQ(akTop | akRight | akBottom, ReadBar->Anchors());
  EXPECT_EQ(sbVertical, ReadBar->Kind());
  EXPECT_EQ(Text, ComponentToText(*Copy));
  Copy->Free();
  Form->Free();
}

} // namespace

namespace {

// "Class.Property: default D, new V" for each declared default a new object does not hold,
// sub-objects' properties included.
void CheckDefaults(const TPersistent& Object, const std::string& Path,
                   std::vector<std::string>& Wrong) {
  const TPropTable* Table = Object.Published();
  if (!Table)
    return;
  for (const TPropInfo* Info : Table->Properties()) {
    if (Info->Kind == TPropKind::pkObject) {
      if (const TPersistent* Sub = Info->Object(Object))
        CheckDefaults(*Sub, Path + Info->Name + ".", Wrong);
    } else if (Info->Default && Info->GetOrd(Object) != *Info->Default) {
      Wrong.push_back(Path + Info->Name + ": default " + std::to_string(*Info->Default) +
                      ", new " + std::to_string(Info->GetOrd(Object)));
    }
  }
}

} // namespace

TEST_F(StoredLayoutTest, EveryRegisteredClassIsMadeWithItsDeclaredDefaultsAndReadsBackItsOwnText) {
  // A value equal to its declared default is not written; reading leaves the new object's
  // value. The two must agree, or a value is lost on the way.
  TForm* Form = NewForm();
  std::vector<std::string> Wrong;
  int Components = 0;
  for (const std::string& Name : RegisteredClassNames()) {
    std::unique_ptr<TPersistent> Made = (*FindPersistentClass(Name))(Form);
    auto* Component = dynamic_cast<TComponent*>(Made.get());
    if (!Component)
      continue;
    ++Components;
    Made.release();
    Form->InsertComponent(std::unique_ptr<TComponent>(Component));
    Component->SetName("A" + Name);
    CheckDefaults(*Component, Name + ".", Wrong);
    Component->Loaded(); // as the one read below will be (a label sizes itself to its text)
    // Written, read into another new one, written again: the same text.
    const std::string Text = ComponentToText(*Component);
    std::unique_ptr<TPersistent> Other = (*FindPersistentClass(Name))(Form);
    auto* Again = dynamic_cast<TComponent*>(Other.release());
    Form->InsertComponent(std::unique_ptr<TComponent>(Again));
    try {
      ComponentFromText(Text, *Again);
      Again->Loaded();
      Again->SetName(Component->Name());
      EXPECT_EQ(Text, ComponentToText(*Again)) << Name;
    } catch (const Exception& Error) {
      ADD_FAILURE() << Name << ": " << Error.what() << "\n" << Text;
    }
  }
  EXPECT_GE(Components, 20);
  EXPECT_TRUE(Wrong.empty()) << [&] {
    std::string All;
    for (const std::string& Each : Wrong)
      All += Each + "\n";
    return All;
  }();
}

TEST_F(StoredLayoutTest, ASkinListStoredWithTheFormGivesTheEngineItsSkinAndTheEngineStoresNoCopy) {
  TForm* Form = NewForm();
  auto* List = MakeComponent<TSeSkinList>(Form);
  List->SetName("SeSkinList1");
  {
    TFileStream File(MIREVAN_BUILTIN_SKIN, TFileMode::fmOpenRead);
    List->AddSkin()->ReadSkinStream(File); // the stored form: a byte, then the skin
  }
  List->AddSkin()->Tag = 7; // an empty entry
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  Engine->SetName("SeSkinEngine1");
  Engine->SetSkinList(List);
  Engine->SetSkinIndex(0);
  ASSERT_EQ(18, Engine->Source()->ObjectCount());
  const std::string Text = ComponentToText(*Form);
  // The list holds the skins; the engine names the list and the entry and keeps no copy.
  EXPECT_EQ(std::string::npos, Text.find("Left ="));
  EXPECT_NE(std::string::npos, Text.find("SkinList = SeSkinList1"));
  EXPECT_NE(std::string::npos, Text.find("SkinIndex = 0"));
  EXPECT_EQ(2u, [&] { // one for each entry, the empty one's a 0
    size_t Count = 0;
    for (size_t At = Text.find("SkinStream = {"); At != std::string::npos;
         At = Text.find("SkinStream = {", At + 1))
      ++Count;
    return Count;
  }());
  EXPECT_NE(std::string::npos, Text.find("Tag = 7"));

  // Read into a new form: the engine loads the list's entry once everything is in.
  TForm* Again = NewForm();
  ComponentFromText(Text, *Again);
  auto* ReadEngine = Named<TSeSkinEngine>(Again, "SeSkinEngine1");
  auto* ReadList = Named<TSeSkinList>(Again, "SeSkinList1");
  ASSERT_TRUE(ReadEngine && ReadList);
  EXPECT_EQ(ReadList, ReadEngine->SkinList());
  EXPECT_EQ(2, ReadList->SkinCount());
  EXPECT_EQ(7, ReadList->Skin(1)->Tag);
  EXPECT_EQ(0, ReadEngine->SkinIndex());
  EXPECT_EQ(18, ReadEngine->Source()->ObjectCount());
  EXPECT_EQ(Text, ComponentToText(*Again));
}
