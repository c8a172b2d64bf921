// Stored layouts come from the program's resources and could come from files: any bytes (in
// the binary form, or text that converts to it) must build a component tree or raise a
// stream or parser error, never anything worse; and a tree that was read must write out a
// layout that reads back to the same layout.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/ClassRegistry.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/PropertyText.h"
#include "toolkit/Published.h"

namespace {

constexpr const char* ShapeNames[] = {"shNone", "shBox", "shRound"};

// A container with a value of each kind a layout holds, and a reference to another box.
class TFuzzBox : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TFuzzBox"; }
  static const TPropTable& Properties() {
    using C = TFuzzBox;
    static const TPropTable Table(nullptr,
                                  {FieldProp("Caption", &C::Caption), FieldProp("Left", &C::Left),
                                   FieldProp("Visible", &C::Visible),
                                   FieldProp("Shape", &C::Shape, TPropKind::pkEnum, ShapeNames),
                                   ComponentProp<C, TFuzzBox>("Buddy", &C::Buddy, &C::SetBuddy)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  void GetChildren(const std::function<void(TComponent&)>& Proc,
                   const TComponent& Root) const override {
    for (int I = 0; I < Root.ComponentCount(); ++I)
      if (auto* Box = dynamic_cast<TFuzzBox*>(Root.Components(I)); Box && Box->Container == this)
        Proc(*Box);
  }
  void SetParentComponent(TComponent* Parent) override {
    Container = dynamic_cast<TFuzzBox*>(Parent);
  }
  TFuzzBox* Buddy() const { return FBuddy; }
  void SetBuddy(TFuzzBox* Value) { FBuddy = Value; }

  std::string Caption;
  int32_t Left = 0;
  bool Visible = true;
  int32_t Shape = 0;
  TFuzzBox* Container = nullptr;

private:
  TFuzzBox* FBuddy = nullptr;
};

const bool GRegistered = [] {
  RegisterComponentClass<TFuzzBox>("TFuzzBox");
  return true;
}();

// The tree's layout as text, or "" when the bytes are refused.
std::string ReadTree(TStream& Source) {
  TFuzzBox Root(nullptr);
  try {
    ReadComponentBinary(Source, Root);
    Root.Loaded();
  } catch (const Exception&) {
    return "";
  }
  return ComponentToText(Root);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string Input(reinterpret_cast<const char*>(Data), Size);
  TMemoryStream Source;
  if (Input.rfind("object", 0) == 0) {
    try {
      ObjectTextToBinary(Input, Source);
    } catch (const Exception&) {
      return 0;
    }
    Source.SetPosition(0);
  } else {
    Source.WriteBuffer(Data, static_cast<int64_t>(Size));
    Source.SetPosition(0);
  }
  const std::string Layout = ReadTree(Source);
  if (Layout.empty())
    return 0;
  TMemoryStream Again;
  ObjectTextToBinary(Layout, Again);
  Again.SetPosition(0);
  if (ReadTree(Again) != Layout)
    std::abort();
  return 0;
}
