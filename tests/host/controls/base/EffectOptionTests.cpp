// The option objects: defaults, limits, change notices and copying.

#include <gtest/gtest.h>

#include "controls/base/EffectOptions.h"
#include "toolkit/ClassRegistry.h"

namespace {

TEST(EffectOptions, BlendingClampsAndNotifiesOnRealChanges) {
  TSeBlending Blending;
  int Notices = 0;
  Blending.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &Blending);
    ++Notices;
  };
  Blending.SetValue(150);
  Blending.SetEnabled(false);
  EXPECT_EQ(Notices, 0);
  Blending.SetValue(-5);
  EXPECT_EQ(Blending.Value(), 0);
  Blending.SetValue(300);
  EXPECT_EQ(Blending.Value(), 255);
  Blending.SetEnabled(true);
  EXPECT_EQ(Notices, 3);
}

TEST(EffectOptions, ShadowSizeLimitsAndSwitchingOff) {
  TSeShadow Shadow;
  int Notices = 0;
  Shadow.OnChange = [&](TObject*) { ++Notices; };
  Shadow.SetEnabled(true);
  Shadow.SetSize(35);
  EXPECT_EQ(Shadow.Size(), 20);
  EXPECT_TRUE(Shadow.Enabled());
  Shadow.SetSize(0);
  EXPECT_EQ(Shadow.Size(), 0);
  EXPECT_FALSE(Shadow.Enabled());
  Shadow.SetSize(0);
  EXPECT_EQ(Notices, 3);
}

TEST(EffectOptions, GravitationDraggingAndAnimation) {
  TSeGravitation Gravitation;
  EXPECT_TRUE(Gravitation.Enabled);
  EXPECT_EQ(Gravitation.Size(), 20);
  Gravitation.SetSize(0);
  EXPECT_EQ(Gravitation.Size(), 1);
  Gravitation.SetSize(80);
  EXPECT_EQ(Gravitation.Size(), 50);

  TSeDragging Dragging;
  EXPECT_TRUE(Dragging.Moveable && Dragging.Sizeable);
  EXPECT_EQ(Dragging.DragMode, qfdmFullDrag);

  TSeAnimation Animation;
  EXPECT_EQ(Animation.EffectKind(), "[ RANDOM ] - Random selection");
  EXPECT_FALSE(Animation.Enabled());
  Animation.SetDirection(qdNoRotate);
  EXPECT_EQ(Animation.Direction(), qdNone);
  Animation.SetDirection(qdRotate180);
  EXPECT_EQ(Animation.Direction(), qdRotate180);
  EXPECT_EQ(Animation.Rec().Rotation(), qrRotate180);
  Animation.SetTime(20);
  EXPECT_EQ(Animation.Time(), 50);
  Animation.SetResolution(99);
  EXPECT_EQ(Animation.Resolution(), 10);
}

TEST(EffectOptions, BundlesCopyAllThreeAndNotifyOnce) {
  TSePopupMenuOptions Source, Target;
  TSeBlending Blending;
  Blending.SetEnabled(true);
  Blending.SetValue(90);
  Source.SetBlending(Blending);
  TSeShadow Shadow;
  Shadow.SetEnabled(true);
  Shadow.SetSize(7);
  Source.SetShadow(Shadow);
  TSeAnimation Animation;
  Animation.SetEffectKind("fade");
  Animation.SetTime(700);
  Source.SetAnimation(Animation);

  int Notices = 0;
  Target.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &Target);
    ++Notices;
  };
  Target.Assign(Source);
  EXPECT_EQ(Notices, 1);
  EXPECT_TRUE(Target.Blending().Enabled());
  EXPECT_EQ(Target.Blending().Value(), 90);
  EXPECT_EQ(Target.Shadow().Size(), 7);
  EXPECT_EQ(Target.Animation().EffectKind(), "fade");
  EXPECT_EQ(Target.Animation().Time(), 700);

  TSeFormOptions Other;
  try {
    Target.Assign(Other);
    FAIL() << "a form bundle became a menu bundle";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TSeFormOptions to a TSePopupMenuOptions");
  }
  EXPECT_EQ(Notices, 1);
}

TEST(EffectOptions, RegisteredAtLibraryStartExceptTheAnimation) {
  ASSERT_FALSE(EffectNames().empty()); // the library has started
  for (const char* Name : {"TseAnimationRec", "TSeBlending", "TSeShadow", "TSeGravitation",
                           "TSeDragging", "TSeFormOptions", "TSePopupMenuOptions"}) {
    const TPersistentFactory* Factory = FindPersistentClass(Name);
    ASSERT_NE(Factory, nullptr) << Name;
    TComponent Owner(nullptr);
    const std::unique_ptr<TPersistent> Made = (*Factory)(&Owner);
    EXPECT_EQ(Made->ClassName(), Name);
  }
  EXPECT_EQ(FindPersistentClass("TSeAnimation"), nullptr);
  EXPECT_NE(FindPersistentClass("tseblending"), nullptr); // names ignore case
  auto Rec = (*FindPersistentClass("TseAnimationRec"))(nullptr);
  EXPECT_EQ(dynamic_cast<TseAnimationRec&>(*Rec).Time(), 400);
}

} // namespace
