// The component model: ownership, removal notifications and assignment.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "toolkit/Classes.h"

namespace {

std::vector<std::string> GLog;

class TProbe : public TComponent {
public:
  TProbe(TComponent* AOwner, std::string Tag) : TComponent(AOwner), FTag(std::move(Tag)) {}
  ~TProbe() override { GLog.push_back("free " + FTag); }
  std::string ClassName() const override { return "TProbe"; }
  void BeforeDestruction() override {
    GLog.push_back("before " + FTag + " (" + ClassName() + ")");
    TComponent::BeforeDestruction();
  }
  TComponent* Watched = nullptr;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == TOperation::opRemove) {
      GLog.push_back(FTag + " told of removal");
      if (AComponent == Watched)
        Watched = nullptr;
    }
  }

private:
  std::string FTag;
};

TEST(Component, AnOwnerFreesWhatItOwnsLastFirst) {
  GLog.clear();
  {
    TComponent Owner(nullptr);
    MakeComponent<TProbe>(&Owner, "a");
    MakeComponent<TProbe>(&Owner, "b");
    EXPECT_EQ(Owner.ComponentCount(), 2);
  }
  // Each is told it is going while it is still whole, then freed.
  EXPECT_EQ(GLog, (std::vector<std::string>{"before b (TProbe)", "free b", "before a (TProbe)",
                                            "free a"}));
}

TEST(Component, FindComponentIgnoresCase) {
  TComponent Owner(nullptr);
  auto* Button = MakeComponent<TProbe>(&Owner, "x");
  Button->SetName("btnRefresh");
  EXPECT_EQ(Owner.FindComponent("BTNREFRESH"), Button);
  EXPECT_EQ(Owner.FindComponent("btnRefres"), nullptr);
  EXPECT_EQ(Owner.FindComponent(""), nullptr);
}

TEST(Component, FreeingOneTellsItsOwnerSiblingsAndWatchers) {
  TComponent Owner(nullptr);
  auto* Watcher = MakeComponent<TProbe>(&Owner, "watcher");
  auto* Sibling = MakeComponent<TProbe>(&Owner, "sibling");
  TComponent Elsewhere(nullptr);
  auto* Outsider = MakeComponent<TProbe>(&Elsewhere, "outsider");
  auto* Doomed = MakeComponent<TProbe>(&Owner, "doomed");
  Outsider->Watched = Doomed;
  Doomed->FreeNotification(Outsider);
  GLog.clear();
  Doomed->Free();
  EXPECT_EQ(Outsider->Watched, nullptr);
  EXPECT_EQ(Owner.ComponentCount(), 2);
  EXPECT_EQ(GLog, (std::vector<std::string>{"before doomed (TProbe)", "outsider told of removal",
                                            "free doomed", "watcher told of removal",
                                            "sibling told of removal"}));
  (void)Watcher;
  (void)Sibling;
}

TEST(Component, AWatcherThatGoesFirstIsForgotten) {
  TComponent Owner(nullptr);
  auto* Watched = MakeComponent<TProbe>(&Owner, "watched");
  auto* Watcher = MakeComponent<TProbe>(&Owner, "watcher");
  Watched->FreeNotification(Watcher);
  Watcher->Free();
  GLog.clear();
  Watched->Free(); // must not reach the freed watcher
  EXPECT_EQ(GLog, (std::vector<std::string>{"before watched (TProbe)", "free watched"}));
}

class TShape : public TPersistent {
public:
  std::string ClassName() const override { return "TShape"; }
};
class TColour : public TPersistent {
public:
  std::string ClassName() const override { return "TColour"; }
  int Value = 0;
  void Assign(const TPersistent& Source) override {
    if (const auto* Other = dynamic_cast<const TColour*>(&Source)) {
      Value = Other->Value;
      return;
    }
    TPersistent::Assign(Source);
  }
};

TEST(Component, AReferenceTurnsNullWhenItsComponentIsFreed) {
  TComponent Owner(nullptr);
  auto* Target = MakeComponent<TProbe>(&Owner, "target");
  TComponentRef<TProbe> Ref(Target);
  EXPECT_EQ(Ref.Get(), Target);
  {
    TComponentRef<TProbe> Shorter(Target); // goes first: the target forgets it
  }
  Target->Free();
  EXPECT_FALSE(Ref);
  EXPECT_EQ(Ref.Get(), nullptr);
  TComponentRef<TProbe> None(nullptr);
  EXPECT_FALSE(None);
}

TEST(Persistent, AssignCopiesWhatItKnowsAndNamesBothSidesOtherwise) {
  TColour A, B;
  B.Value = 7;
  A.Assign(B);
  EXPECT_EQ(A.Value, 7);
  TShape Shape;
  try {
    A.Assign(Shape);
    FAIL() << "assigned a shape to a colour";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TShape to a TColour");
  }
}

} // namespace
