// The option objects in stored layouts: what a holder of each writes at the defaults and
// with values changed, in stream order, and that the text reads back to the same values.

#include <gtest/gtest.h>
#include <string>

#include "controls/base/EffectOptions.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/Published.h"

namespace {

// A component that holds one of each option object, as forms and menus do.
class TOptionHolder : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TOptionHolder"; }
  static const TPropTable& Properties() {
    using C = TOptionHolder;
    static const TPropTable Table(
        nullptr,
        {ObjectProp<C>("Blending", &C::Blending), ObjectProp<C>("Shadow", &C::Shadow),
         ObjectProp<C>("Gravitation", &C::Gravitation), ObjectProp<C>("Dragging", &C::Dragging),
         ObjectProp<C>("Animation", &C::Animation), ObjectProp<C>("MenuOptions", &C::MenuOptions),
         ObjectProp<C>("FormOptions", &C::FormOptions)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }

  TSeBlending Blending;
  TSeShadow Shadow;
  TSeGravitation Gravitation;
  TSeDragging Dragging;
  TSeAnimation Animation;
  TSePopupMenuOptions MenuOptions;
  TSeFormOptions FormOptions;
};

const std::string Random = "'[ RANDOM ] - Random selection'";

TEST(EffectOptionStream, DefaultsWriteOnlyTheEffectNameWhichIsAlwaysStored) {
  TOptionHolder Holder(nullptr);
  Holder.SetName("Holder");
  EXPECT_EQ(ComponentToText(Holder), "object Holder: TOptionHolder\r\n"
                                     "  Animation.EffectKind = " +
                                         Random +
                                         "\r\n"
                                         "  MenuOptions.Animation.EffectKind = " +
                                         Random +
                                         "\r\n"
                                         "  FormOptions.Animation.EffectKind = " +
                                         Random +
                                         "\r\n"
                                         "end\r\n");
}

TEST(EffectOptionStream, ChangedValuesWriteInStreamOrderAndReadBackTheSame) {
  TOptionHolder Holder(nullptr);
  Holder.SetName("Holder");
  Holder.Blending.SetEnabled(true);
  Holder.Blending.SetValue(200);
  Holder.Shadow.SetEnabled(true);
  Holder.Shadow.SetSize(7);
  Holder.Gravitation.Enabled = false;
  Holder.Gravitation.SetSize(30);
  Holder.Dragging.Moveable = false;
  Holder.Dragging.Sizeable = false;
  Holder.Dragging.DragMode = qfdmBorder;
  Holder.Animation.SetDirection(qdRotate90);
  Holder.Animation.SetEffectKind("Fade");
  Holder.Animation.SetEnabled(true);
  Holder.Animation.SetResolution(3);
  Holder.Animation.SetTileCount(5);
  Holder.Animation.SetTime(800);
  TSeBlending MenuBlending;
  MenuBlending.SetValue(10);
  Holder.MenuOptions.SetBlending(MenuBlending);
  TSeShadow MenuShadow;
  MenuShadow.SetSize(2);
  Holder.MenuOptions.SetShadow(MenuShadow);
  TSeAnimation FormAnimation;
  FormAnimation.SetTime(50);
  Holder.FormOptions.SetAnimation(FormAnimation);
  const std::string Text = ComponentToText(Holder);
  EXPECT_EQ(Text, "object Holder: TOptionHolder\r\n"
                  "  Blending.Enabled = True\r\n"
                  "  Blending.Value = 200\r\n"
                  "  Shadow.Enabled = True\r\n"
                  "  Shadow.Size = 7\r\n"
                  "  Gravitation.Enabled = False\r\n"
                  "  Gravitation.Size = 30\r\n"
                  "  Dragging.Moveable = False\r\n"
                  "  Dragging.Sizeable = False\r\n"
                  "  Dragging.DragMode = qfdmBorder\r\n"
                  "  Animation.Direction = qdRotate90\r\n"
                  "  Animation.EffectKind = 'Fade'\r\n"
                  "  Animation.Enabled = True\r\n"
                  "  Animation.Resolution = 3\r\n"
                  "  Animation.TileCount = 5\r\n"
                  "  Animation.Time = 800\r\n"
                  "  MenuOptions.Blending.Value = 10\r\n"
                  "  MenuOptions.Shadow.Size = 2\r\n"
                  "  MenuOptions.Animation.EffectKind = " +
                      Random +
                      "\r\n"
                      "  FormOptions.Animation.EffectKind = " +
                      Random +
                      "\r\n"
                      "  FormOptions.Animation.Time = 50\r\n"
                      "end\r\n");

  TOptionHolder Copy(nullptr);
  ComponentFromText(Text, Copy);
  EXPECT_EQ(ComponentToText(Copy), Text);
  EXPECT_EQ(Copy.Animation.Direction(), qdRotate90);
  EXPECT_EQ(Copy.Dragging.DragMode, qfdmBorder);
  EXPECT_EQ(Copy.MenuOptions.Shadow().Size(), 2);
}

TEST(EffectOptionStream, StoredValuesGoThroughTheSetters) {
  TOptionHolder Holder(nullptr);
  ComponentFromText("object Holder: TOptionHolder\r\n"
                    "  Blending.Value = 300\r\n"
                    "  Shadow.Enabled = True\r\n"
                    "  Shadow.Size = 0\r\n"
                    "  Gravitation.Size = 80\r\n"
                    "  Animation.Direction = qdNoRotate\r\n"
                    "  Animation.Time = 20\r\n"
                    "end\r\n",
                    Holder);
  EXPECT_EQ(Holder.Blending.Value(), 255);
  EXPECT_EQ(Holder.Shadow.Size(), 0);
  EXPECT_FALSE(Holder.Shadow.Enabled());
  EXPECT_EQ(Holder.Gravitation.Size(), 50);
  EXPECT_EQ(Holder.Animation.Direction(), qdNone);
  EXPECT_EQ(Holder.Animation.Time(), 50);
}

} // namespace
