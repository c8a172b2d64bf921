// Layouts of components inside components: the records nest, the children are made by class
// name, placed in their parents and loaded once the whole tree is in.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "toolkit/ClassRegistry.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/Published.h"

namespace {

// A container: the boxes placed in it are its children; it names another box.
class TBox : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TBox"; }
  static const TPropTable& Properties() {
    using C = TBox;
    static const TPropTable Table(
        nullptr, {FieldProp("Caption", &C::Caption),
                  ComponentProp<C, TBox>("Buddy", &C::Buddy, &C::SetBuddy),
                  DefaultProp(FieldProp("Size", &C::Size), 10),
                  StoredWhen(DefaultProp(FieldProp("Shade", &C::Shade), 0),
                             [](const TPersistent& O) { return static_cast<const C&>(O).Size; }),
                  EventProp("OnPing", &C::OnPing), EventProp("OnCount", &C::OnCount)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  // The handlers a box offers the boxes it owns.
  const TMethodTable* MethodTable() const override {
    static const TMethodTable Table({Method("BoxPing", &TBox::BoxPing),
                                     Method("BoxCount", &TBox::BoxCount)});
    return &Table;
  }
  void BoxPing(TObject* Sender) { Pinged.push_back(dynamic_cast<TBox*>(Sender)); }
  void BoxCount(TObject* Sender, int& Count) {
    (void)Sender;
    Count += static_cast<int>(Pinged.size()) + 1;
  }

  void GetChildren(const std::function<void(TComponent&)>& Proc,
                   const TComponent& Root) const override {
    for (int I = 0; I < Root.ComponentCount(); ++I)
      if (auto* Box = dynamic_cast<TBox*>(Root.Components(I)); Box && Box->Container == this)
        Proc(*Box);
  }
  void SetParentComponent(TComponent* Parent) override { Container = dynamic_cast<TBox*>(Parent); }
  void Loaded() override {
    TComponent::Loaded();
    LoadedWithBuddy = Buddy() ? Buddy()->Name() : "-";
    LoadOrder().push_back(Name());
  }

  TBox* Buddy() const { return FBuddy; }
  void SetBuddy(TBox* Value) { FBuddy = Value; }
  static std::vector<std::string>& LoadOrder() {
    static std::vector<std::string> Order;
    return Order;
  }

  std::string Caption;
  int32_t Size = 10;
  int32_t Shade = 0;
  TNotifyEvent OnPing;
  std::function<void(TObject*, int&)> OnCount;
  std::vector<TBox*> Pinged;
  TBox* Container = nullptr;
  std::string LoadedWithBuddy;

private:
  TBox* FBuddy = nullptr;
};

const bool GRegistered = [] {
  RegisterComponentClass<TBox>("TBox");
  RegisterPersistentClass("TNotAComponent",
                          [](TComponent*) { return std::make_unique<TPersistent>(); });
  return true;
}();

const std::string Layout = "object Form1: TBox\r\n"
                           "  Caption = 'The form'\r\n"
                           "  object Panel1: TBox\r\n"
                           "    Caption = 'Left'\r\n"
                           "    Buddy = Panel2\r\n"
                           "    object Button1: TBox\r\n"
                           "      Caption = 'Inside'\r\n"
                           "    end\r\n"
                           "  end\r\n"
                           "  object Panel2: TBox\r\n"
                           "    Caption = 'Right'\r\n"
                           "  end\r\n"
                           "end\r\n";

TBox* Child(const TComponent& Root, const std::string& Name) {
  return dynamic_cast<TBox*>(Root.FindComponent(Name));
}

} // namespace

TEST(ComponentTree, ChildrenAreMadeByClassPlacedInTheirParentsAndLoadedAfterTheWholeTree) {
  TBox::LoadOrder().clear();
  TBox Form(nullptr);
  ComponentFromText(Layout, Form);
  ASSERT_EQ(3, Form.ComponentCount()); // the root owns every child, however deep
  TBox* Panel1 = Child(Form, "Panel1");
  TBox* Button1 = Child(Form, "Button1");
  TBox* Panel2 = Child(Form, "Panel2");
  ASSERT_TRUE(Panel1 && Button1 && Panel2);
  EXPECT_EQ("The form", Form.Caption);
  EXPECT_EQ("Inside", Button1->Caption);
  EXPECT_EQ(&Form, Panel1->Container);
  EXPECT_EQ(Panel1, Button1->Container);
  EXPECT_EQ(&Form, Panel2->Container);
  // Panel1 names a box stored after it: in place by the time Panel1 loads.
  EXPECT_EQ(Panel2, Panel1->Buddy());
  EXPECT_EQ("Panel2", Panel1->LoadedWithBuddy);
  EXPECT_EQ((std::vector<std::string>{"Panel1", "Button1", "Panel2"}), TBox::LoadOrder());
  for (const TBox* Box : {Panel1, Button1, Panel2})
    EXPECT_FALSE(Box->Loading()) << Box->Name();
  // The root's own Loaded is its caller's.
  EXPECT_FALSE(Form.Loading());
  EXPECT_TRUE(Form.LoadedWithBuddy.empty());

  // Written again, the tree gives the text it came from, and the same bytes each time.
  EXPECT_EQ(Layout, ComponentToText(Form));
  TBox Again(nullptr);
  ComponentFromText(ComponentToText(Form), Again);
  EXPECT_EQ(ComponentToText(Form), ComponentToText(Again));
}

TEST(ComponentTree, UnknownClassesAndNamesAreClearErrorsAndWhatWasReadStaysOwned) {
  const auto ErrorOf = [](const std::string& Text) -> std::string {
    TBox Form(nullptr);
    try {
      ComponentFromText(Text, Form);
    } catch (const EReadError& Error) {
      for (int I = 0; I < Form.ComponentCount(); ++I)
        EXPECT_FALSE(Form.Components(I)->Loading()) << Form.Components(I)->Name();
      return Error.what();
    }
    return "no error";
  };
  EXPECT_EQ("Class TNope not found", ErrorOf("object F: TBox\r\n  object A: TBox\r\n  end\r\n"
                                             "  object B: TNope\r\n  end\r\nend\r\n"));
  EXPECT_EQ("Class TNotAComponent is not a component",
            ErrorOf("object F: TBox\r\n  object A: TNotAComponent\r\n  end\r\nend\r\n"));
  // The other references still arrive; the missing one is named.
  TBox Form(nullptr);
  EXPECT_THROW(
      {
        try {
          ComponentFromText("object F: TBox\r\n"
                            "  object A: TBox\r\n    Buddy = Nobody\r\n  end\r\n"
                            "  object B: TBox\r\n    Buddy = A\r\n  end\r\n"
                            "end\r\n",
                            Form);
        } catch (const EReadError& Error) {
          EXPECT_STREQ("Unresolved reference 'Nobody' in A", Error.what());
          throw;
        }
      },
      EReadError);
  ASSERT_NE(nullptr, Child(Form, "B"));
  EXPECT_EQ(Child(Form, "A"), Child(Form, "B")->Buddy());
  EXPECT_FALSE(Child(Form, "B")->Loading());
}

TEST(ComponentTree, EventsAreBoundToTheFormsMethodsByNameAndDefaultsAreLeftOut) {
  const std::string Text = "object Form1: TBox\r\n"
                           "  Size = 0\r\n"
                           "  OnCount = BoxCount\r\n"
                           "  object Button1: TBox\r\n"
                           "    Shade = 7\r\n"
                           "    OnPing = BoxPing\r\n"
                           "    OnCount = boxcount\r\n"
                           "  end\r\n"
                           "end\r\n";
  TBox Form(nullptr);
  ComponentFromText(Text, Form);
  TBox* Button1 = Child(Form, "Button1");
  ASSERT_NE(nullptr, Button1);
  // The child's handlers are its owner's methods, called with the child as the sender; the
  // root's come from its own table.
  ASSERT_TRUE(Button1->OnPing);
  Button1->OnPing(Button1);
  Button1->OnPing(Button1);
  EXPECT_EQ((std::vector<TBox*>{Button1, Button1}), Form.Pinged);
  EXPECT_TRUE(Button1->Pinged.empty());
  int Count = 0;
  Form.OnCount(&Form, Count);
  Button1->OnCount(Button1, Count);
  EXPECT_EQ(6, Count);
  // Written again: Size at its default of 10 and the Shade of a box of Size 0 are left out,
  // the handlers keep the names they were read by (in the letter case of the text).
  EXPECT_EQ(Text, ComponentToText(Form));
  // A handler assigned in code has no name to write.
  Button1->OnPing = [](TObject*) {};
  Button1->SetEventName("OnPing", "");
  Form.Shade = 3; // not stored while Size is 0
  EXPECT_EQ(std::string::npos, ComponentToText(Form).find("OnPing"));
  EXPECT_EQ(std::string::npos, ComponentToText(Form).find("Shade = 3"));

  const auto ErrorOf = [](const std::string& Event) -> std::string {
    TBox Other(nullptr);
    try {
      ComponentFromText("object F: TBox\r\n  object B: TBox\r\n    " + Event +
                            "\r\n  end\r\nend\r\n",
                        Other);
    } catch (const EReadError& Error) {
      return Error.what();
    }
    return "no error";
  };
  EXPECT_EQ("Method 'BoxPong' not found for B.OnPing", ErrorOf("OnPing = BoxPong"));
  EXPECT_EQ("Method 'BoxCount' does not fit B.OnPing", ErrorOf("OnPing = BoxCount"));
  EXPECT_EQ("Method 'BoxPing' does not fit B.OnCount", ErrorOf("OnCount = BoxPing"));
  EXPECT_EQ("Invalid property value", ErrorOf("OnPing = 'BoxPing'"));
}

TEST(ComponentTree, HostileNestingIsRefusedBeforeTheStackRunsOut) {
  // The binary form itself, as a fuzzer would give it: box records opened and never closed.
  TMemoryStream Bytes;
  Bytes.WriteBuffer("TPF0", 4);
  const auto Short = [&](const std::string& Text) {
    const uint8_t Length = static_cast<uint8_t>(Text.size());
    Bytes.WriteBuffer(&Length, 1);
    Bytes.WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
  };
  Short("TBox");
  Short("Root");
  const uint8_t End = 0;
  Bytes.WriteBuffer(&End, 1);
  for (int I = 0; I < 10000; ++I) {
    Short("TBox");
    Short("B" + std::to_string(I));
    Bytes.WriteBuffer(&End, 1); // no properties; its children follow
  }
  Bytes.SetPosition(0);
  TBox Form(nullptr);
  try {
    ReadComponentBinary(Bytes, Form);
    FAIL() << "read a tree 10000 deep";
  } catch (const EReadError& Error) {
    EXPECT_STREQ("Components are nested too deeply", Error.what());
  }
  EXPECT_EQ(64, Form.ComponentCount());
}
