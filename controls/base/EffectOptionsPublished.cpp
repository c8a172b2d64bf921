// The option objects' published properties, in the order forms store them. The transition's
// effect name has no default: it is always written.

#include <array>

#include "controls/base/EffectOptions.h"
#include "toolkit/Published.h"

namespace {

constexpr std::array<const char*, 5> DirectionNames{"qdNone", "qdNoRotate", "qdRotate90",
                                                    "qdRotate180", "qdRotate270"};
constexpr std::array<const char*, 2> DragModeNames{"qfdmBorder", "qfdmFullDrag"};

} // namespace

const TPropTable& TSeBlending::Properties() {
  using C = TSeBlending;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(AccessorProp<C>("Enabled", TPropKind::pkBoolean, &C::Enabled, &C::SetEnabled),
                   false),
       DefaultProp(AccessorProp<C>("Value", TPropKind::pkInteger, &C::Value, &C::SetValue), 150)});
  return Table;
}

const TPropTable& TSeShadow::Properties() {
  using C = TSeShadow;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(AccessorProp<C>("Enabled", TPropKind::pkBoolean, &C::Enabled, &C::SetEnabled),
                   false),
       DefaultProp(AccessorProp<C>("Size", TPropKind::pkInteger, &C::Size, &C::SetSize), 4)});
  return Table;
}

const TPropTable& TSeGravitation::Properties() {
  using C = TSeGravitation;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(FieldProp<C>("Enabled", &C::Enabled), true),
       DefaultProp(AccessorProp<C>("Size", TPropKind::pkInteger, &C::Size, &C::SetSize), 20)});
  return Table;
}

const TPropTable& TSeDragging::Properties() {
  using C = TSeDragging;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(FieldProp<C>("Moveable", &C::Moveable), true),
       DefaultProp(FieldProp<C>("Sizeable", &C::Sizeable), true),
       DefaultProp(FieldProp<C>("DragMode", &C::DragMode, TPropKind::pkEnum, DragModeNames),
                   qfdmFullDrag)});
  return Table;
}

const TPropTable& TSeAnimation::Properties() {
  using C = TSeAnimation;
  static const TPropTable Table(
      nullptr,
      {DefaultProp(AccessorProp<C>("Direction", TPropKind::pkEnum, &C::Direction, &C::SetDirection,
                                   DirectionNames),
                   qdNone),
       AccessorProp<C>("EffectKind", TPropKind::pkString, &C::EffectKind, &C::SetEffectKind),
       DefaultProp(AccessorProp<C>("Enabled", TPropKind::pkBoolean, &C::Enabled, &C::SetEnabled),
                   false),
       DefaultProp(
           AccessorProp<C>("Resolution", TPropKind::pkInteger, &C::Resolution, &C::SetResolution),
           1),
       DefaultProp(
           AccessorProp<C>("TileCount", TPropKind::pkInteger, &C::TileCount, &C::SetTileCount), 1),
       DefaultProp(AccessorProp<C>("Time", TPropKind::pkInteger, &C::Time, &C::SetTime), 400)});
  return Table;
}

const TPropTable& TSeEffectBundle::Properties() {
  using C = TSeEffectBundle;
  static const TPropTable Table(nullptr, {ObjectProp<C>("Blending", &C::FBlending),
                                          ObjectProp<C>("Shadow", &C::FShadow),
                                          ObjectProp<C>("Animation", &C::FAnimation)});
  return Table;
}
