// A window's layout as a tree of stored components: pages on their page control, an edit on
// a page, a menu with its items and a sub-item; written, read into a new form, written again.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "controls/SeCustomItem.h"
#include "controls/SeCustomTabSheet.h"
#include "controls/SeSkinItem.h"
#include "controls/SeSkinEdit.h"
#include "controls/SeSkinPageControl.h"
#include "controls/SeSkinPopupMenu.h"
#include "toolkit/Forms.h"
#include "toolkit/ClassRegistry.h"
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
