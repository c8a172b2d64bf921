// The plain controls' published properties, in the order stored layouts keep them: the
// bounds and hint every control has, then each class's own list.

#include <array>

#include "toolkit/Bevel.h"
#include "toolkit/ControlProps.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

namespace {

constexpr std::array<const char*, 3> PanelBevelNames{"bvNone", "bvLowered", "bvRaised"};
constexpr std::array<const char*, 2> BevelShapeNames{"bsBox", "bsFrame"};
constexpr std::array<const char*, 2> BevelStyleNames{"bsLowered", "bsRaised"};

template <class V> constexpr int64_t Ord(V Value) { return static_cast<int64_t>(Value); }

} // namespace

const TPropTable& TPanel::Properties() {
  using C = TPanel;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"), ControlProp("Height"),
       ControlProp("Cursor"), ControlProp("Hint"), ControlProp("Align"), ControlProp("Anchors"),
       DefaultProp(FieldProp<C>("BevelInner", &C::BevelInner, TPropKind::pkEnum, PanelBevelNames),
                   Ord(TPanelBevel::bvNone)),
       DefaultProp(FieldProp<C>("BevelOuter", &C::BevelOuter, TPropKind::pkEnum, PanelBevelNames),
                   Ord(TPanelBevel::bvRaised)),
       ControlProp("Caption"), DefaultProp(ControlProp("Color"), clBtnFace), ControlProp("Enabled"),
       ControlProp("Font"), ControlProp("ParentFont"), ControlProp("ShowHint"),
       ControlProp("Visible"), ControlProp("OnClick"), ControlProp("OnMouseDown"),
       ControlProp("OnMouseMove"), ControlProp("OnMouseUp")});
  return Table;
}

const TPropTable& TBevel::Properties() {
  using C = TBevel;
  static const TPropTable Table(
      nullptr, {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"),
                ControlProp("Height"), ControlProp("Cursor"), ControlProp("Hint"),
                DefaultProp(FieldProp<C>("Shape", &C::Shape, TPropKind::pkEnum, BevelShapeNames),
                            Ord(TBevelShape::bsBox)),
                ControlProp("ShowHint"),
                DefaultProp(FieldProp<C>("Style", &C::Style, TPropKind::pkEnum, BevelStyleNames),
                            Ord(TBevelStyle::bsLowered)),
                ControlProp("Visible")});
  return Table;
}

const TPropTable& TImage::Properties() {
  using C = TImage;
  static const TPropTable Table(nullptr,
                                {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"),
                                 ControlProp("Height"), ControlProp("Cursor"), ControlProp("Hint"),
                                 ControlProp("Enabled"), ObjectProp<C>("Picture", &C::FPicture),
                                 ControlProp("ShowHint"), ControlProp("Visible"),
                                 ControlProp("OnClick")});
  return Table;
}

const TPropTable& TLabel::Properties() {
  using C = TLabel;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"), ControlProp("Top"), ControlProp("Width"), ControlProp("Height"),
       ControlProp("Cursor"), ControlProp("Hint"),
       DefaultProp(AccessorProp<C>("AutoSize", TPropKind::pkBoolean, &C::AutoSize, &C::SetAutoSize),
                   true),
       ControlProp("Caption"), ControlProp("Color"), ControlProp("Enabled"), ControlProp("Font"),
       ControlProp("ParentFont"), ControlProp("ShowHint"), ControlProp("Visible"),
       DefaultProp(AccessorProp<C>("WordWrap", TPropKind::pkBoolean, &C::WordWrap, &C::SetWordWrap),
                   false)});
  return Table;
}
