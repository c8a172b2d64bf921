// The form frames' published properties, in the order a stored layout keeps them.

#include <array>

#include "controls/base/Skinned.h"
#include "controls/frame/SeCustomForm.h"
#include "controls/frame/SeSkinForm.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Published.h"

namespace {

constexpr std::array<const char*, 7> BorderIconNames{
    "qbiClose", "qbiSystemMenu", "qbiMinimize", "qbiMaximize", "qbiHelp", "qbiRollup", "qbiTray"};
constexpr std::array<const char*, 3> BorderStyleNames{"qbsNone", "qbsStandard", "qbsToolWindow"};
constexpr std::array<const char*, 4> PerformanceNames{"qzfpNoBuffer", "qzfpSharedBuffer",
                                                      "qzfpPersistentBuffer", "qzfpDoubleBuffer"};
constexpr std::array<const char*, 5> WindowStateNames{"qwsNormal", "qwsMaximized", "qwsMinimized",
                                                      "qwsRollup", "qwsTray"};

} // namespace

// ---------------------------------------------------------------------------------------
// Constraints

int32_t TSeFormConstraints::MaxHeight() const { return FForm.Constraints().MaxHeight; }
int32_t TSeFormConstraints::MaxWidth() const { return FForm.Constraints().MaxWidth; }
int32_t TSeFormConstraints::MinHeight() const { return FForm.Constraints().MinHeight; }
int32_t TSeFormConstraints::MinWidth() const { return FForm.Constraints().MinWidth; }
void TSeFormConstraints::SetMaxHeight(int32_t Value) {
  Change(&TSeFrameConstraints::MaxHeight, Value);
}
void TSeFormConstraints::SetMaxWidth(int32_t Value) {
  Change(&TSeFrameConstraints::MaxWidth, Value);
}
void TSeFormConstraints::SetMinHeight(int32_t Value) {
  Change(&TSeFrameConstraints::MinHeight, Value);
}
void TSeFormConstraints::SetMinWidth(int32_t Value) {
  Change(&TSeFrameConstraints::MinWidth, Value);
}

void TSeFormConstraints::Change(int32_t TSeFrameConstraints::*Field, int32_t Value) {
  TSeFrameConstraints Constraints = FForm.Constraints();
  if (Constraints.*Field == Value)
    return;
  Constraints.*Field = Value;
  FForm.SetConstraints(Constraints);
}

const TPropTable& TSeFormConstraints::Properties() {
  using C = TSeFormConstraints;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(
           AccessorProp<C>("MaxHeight", TPropKind::pkInteger, &C::MaxHeight, &C::SetMaxHeight), 0),
       DefaultProp(AccessorProp<C>("MaxWidth", TPropKind::pkInteger, &C::MaxWidth, &C::SetMaxWidth),
                   0),
       DefaultProp(
           AccessorProp<C>("MinHeight", TPropKind::pkInteger, &C::MinHeight, &C::SetMinHeight), 0),
       DefaultProp(AccessorProp<C>("MinWidth", TPropKind::pkInteger, &C::MinWidth, &C::SetMinWidth),
                   0)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// The frames

const TPropTable& TSeCustomForm::Properties() {
  using C = TSeCustomForm;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(AccessorProp<C>("Active", TPropKind::pkBoolean, &C::Active, &C::SetActive),
                   true),
       ObjectProp<C>("Animation", &C::FAnimation), ObjectProp<C>("Blending", &C::FBlending),
       // Always written: a new frame takes its icons from the form it sits on, so no one value
       // is what reading leaves.
       AccessorProp<C>("BorderIcons", TPropKind::pkSet, &C::BorderIcons, &C::SetBorderIcons,
                       BorderIconNames),
       DefaultProp(AccessorProp<C>("BorderStyle", TPropKind::pkEnum, &C::BorderStyle,
                                   &C::SetBorderStyle, BorderStyleNames),
                   qbsStandard),
       AccessorProp<C>("Caption", TPropKind::pkString, &C::Caption, &C::SetCaption),
       ObjectProp<C>("Dragging", &C::FDragging), ObjectProp<C>("Gravitation", &C::FGravitation),
       ObjectProp<C>("Constraints", &C::FConstraintsProps),
       ObjectProp<C>("SystemMenuOptions", &C::FSystemMenuOptions),
       ComponentProp<C, TPopupMenu>("SystemMenuLink", &C::SystemMenuLink, &C::SetSystemMenuLink),
       ObjectProp<C>("TrayMenuOptions", &C::FTrayMenuOptions),
       ComponentProp<C, TPopupMenu>("TrayMenuLink", &C::TrayMenuLink, &C::SetTrayMenuLink),
       DefaultProp(AccessorProp<C>("MinimizeApplication", TPropKind::pkBoolean,
                                   &C::MinimizeApplication, &C::SetMinimizeApplication),
                   true),
       DefaultProp(AccessorProp<C>("Performance", TPropKind::pkEnum, &C::Performance,
                                   &C::SetPerformance, PerformanceNames),
                   qzfpNoBuffer),
       ObjectProp<C>("Shadow", &C::FShadow),
       DefaultProp(
           AccessorProp<C>("StayOnTop", TPropKind::pkBoolean, &C::StayOnTop, &C::SetStayOnTop),
           false),
       DefaultProp(AccessorProp<C>("StretchBackground", TPropKind::pkBoolean, &C::StretchBackground,
                                   &C::SetStretchBackground),
                   false),
       DefaultProp(AccessorProp<C>("WindowState", TPropKind::pkEnum, &C::StoredWindowState,
                                   &C::SetWindowState, WindowStateNames),
                   qwsNormal)});
  return Table;
}

const TPropTable& TSeSkinForm::Properties() {
  using C = TSeSkinForm;
  static const TPropTable Table(
      &TSeCustomForm::Properties(),
      {SkinEngineProp<C>(),
       StoredWhen(
           SkinObjectProp<C>(),
           [](const TPersistent& Form) {
             return static_cast<const C&>(Form).SkinObject() != "Form";
           })});
  return Table;
}
