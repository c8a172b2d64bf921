#include "skin/SkinKinds.h"

#include <algorithm>
#include <climits>

#include "toolkit/Published.h"

namespace {
TseBitmapLinkPtr NewLink() { return std::make_unique<TseBitmapLink>(); }
} // namespace

// ---------------------------------------------------------------------------------------
// TSeLinkSkinObject

const TPropTable& TSeLinkSkinObject::Properties() {
  static const TPropTable Table(&TSeSkinObject::Properties(),
                                {FieldProp("LinkControl", &TSeLinkSkinObject::LinkControl)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// TSeBitmapSkinObject

TSeBitmapSkinObject::TSeBitmapSkinObject(TComponent* AOwner)
    : TSeSkinObject(AOwner), Bitmap(NewLink()) {}

const TPropTable& TSeBitmapSkinObject::Properties() {
  using T = TSeBitmapSkinObject;
  static const TPropTable Table(
      &TSeSkinObject::Properties(),
      {ObjectProp("Bitmap", &T::Bitmap),
       FieldProp("TileStyle", &T::TileStyle, TPropKind::pkEnum, TileStyleNames)});
  return Table;
}

void TSeBitmapSkinObject::ResolveLinks() {
  TSeSkinObject::ResolveLinks();
  ResolveLink(Bitmap, TRect{});
}

// ---------------------------------------------------------------------------------------
// TSeFormBitmapSkinObject

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TComponent* AOwner)
    : TSeBitmapSkinObject(AOwner), InactiveBitmap(NewLink()) {}

const TPropTable& TSeFormBitmapSkinObject::Properties() {
  static const TPropTable Table(
      &TSeBitmapSkinObject::Properties(),
      {ObjectProp("InactiveBitmap", &TSeFormBitmapSkinObject::InactiveBitmap)});
  return Table;
}

void TSeFormBitmapSkinObject::ResolveLinks() {
  TSeBitmapSkinObject::ResolveLinks();
  ResolveLink(InactiveBitmap, TRect{});
}

// ---------------------------------------------------------------------------------------
// TSeSysButtonSkinObject

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* AOwner)
    : TSeCaptionButton(AOwner), BitmapHover(NewLink()), BitmapDown(NewLink()) {}

const TPropTable& TSeSysButtonSkinObject::Properties() {
  using T = TSeSysButtonSkinObject;
  static const TPropTable Table(&TSeBitmapSkinObject::Properties(),
                                {FieldProp("Action", &T::Action, TPropKind::pkEnum, ActionNames),
                                 ObjectProp("BitmapHover", &T::BitmapHover),
                                 ObjectProp("BitmapDown", &T::BitmapDown),
                                 FieldProp("RollPanel", &T::RollPanel)});
  return Table;
}

void TSeSysButtonSkinObject::ResolveLinks() {
  TSeBitmapSkinObject::ResolveLinks();
  ResolveLink(BitmapHover, TRect{});
  ResolveLink(BitmapDown, TRect{});
}

// ---------------------------------------------------------------------------------------
// TSeActiveSkinObject

const TPropTable& TSeActiveSkinObject::Properties() {
  using T = TSeActiveSkinObject;
  static const TPropTable Table(&TSeSkinObject::Properties(),
                                {FieldProp("ActiveColor", &T::ActiveColor, TPropKind::pkColor),
                                 ObjectProp("ActiveFont", &T::ActiveFont)});
  return Table;
}

void TSeActiveSkinObject::ChangeHue(int32_t Delta) {
  TSeSkinObject::ChangeHue(Delta);
  ActiveColor = ShiftColorHue(ActiveColor, Delta);
  ActiveFont.SetColor(ShiftColorHue(ActiveFont.Color(), Delta));
}

// ---------------------------------------------------------------------------------------
// TSeColorButtonObject

const TPropTable& TSeColorButtonObject::Properties() {
  using T = TSeColorButtonObject;
  static const TPropTable Table(&TSeSkinObject::Properties(),
                                {FieldProp("HotColor", &T::HotColor, TPropKind::pkColor),
                                 ObjectProp("HotFont", &T::HotFont),
                                 FieldProp("PressedColor", &T::PressedColor, TPropKind::pkColor),
                                 ObjectProp("PressedFont", &T::PressedFont),
                                 FieldProp("FocusedColor", &T::FocusedColor, TPropKind::pkColor),
                                 ObjectProp("FocusedFont", &T::FocusedFont),
                                 FieldProp("DisabledColor", &T::DisabledColor, TPropKind::pkColor),
                                 ObjectProp("DisabledFont", &T::DisabledFont)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Boxes

const TPropTable& TSeBitmapBoxObject::Properties() {
  static const TPropTable Table(&TSeBitmapSkinObject::Properties(),
                                {FieldProp("BorderTileStyle", &TSeBitmapBoxObject::BorderTileStyle,
                                           TPropKind::pkEnum, TileStyleNames)});
  return Table;
}

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(TComponent* AOwner)
    : TSeBitmapBoxObject(AOwner), FocusedBitmap(NewLink()) {}

const TPropTable& TSeActiveBitmapBoxObject::Properties() {
  static const TPropTable Table(
      &TSeBitmapBoxObject::Properties(),
      {ObjectProp("FocusedBitmap", &TSeActiveBitmapBoxObject::FocusedBitmap)});
  return Table;
}

void TSeActiveBitmapBoxObject::ResolveLinks() {
  TSeBitmapBoxObject::ResolveLinks();
  ResolveLink(FocusedBitmap, TRect{});
}

const TPropTable& TSeButtonBitmapBoxObject::Properties() {
  using T = TSeButtonBitmapBoxObject;
  static const TPropTable Table(&TSeBitmapBoxObject::Properties(),
                                {ObjectProp("HotBitmap", &T::BitmapHot),
                                 ObjectProp("FocusedBitmap", &T::BitmapFocused),
                                 ObjectProp("PressedBitmap", &T::BitmapPressed),
                                 ObjectProp("DisabledBitmap", &T::BitmapDisabled)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// TSeRollPanelObject

const TPropTable& TSeRollPanelObject::Properties() {
  using T = TSeRollPanelObject;
  static const TPropTable Table(
      &TSeSkinObject::Properties(),
      {FieldProp("RollKind", &T::RollKind, TPropKind::pkEnum, RollKindNames),
       FieldProp("RollValue", &T::RollValue)});
  return Table;
}

void TSeRollPanelObject::ToggleRoll() {
  if (!Owner())
    return;
  const bool Horizontal = RollKind == rkLeft || RollKind == rkRight;
  const int32_t Measured = Horizontal ? Width() : Height();
  int32_t NewSize;
  if (Measured != RollValue) {
    FSavedSize = Measured;
    NewSize = RollValue;
  } else {
    NewSize = FSavedSize;
  }
  const auto Fit = [](int64_t Value) {
    return static_cast<int32_t>(std::clamp<int64_t>(Value, INT32_MIN, INT32_MAX));
  };
  TRect R = BoundsRect();
  switch (RollKind) {
  case rkLeft: // the right edge stays
    R.Left = Fit(int64_t{R.Right} - NewSize);
    break;
  case rkTop: // the bottom edge stays
    R.Top = Fit(int64_t{R.Bottom} - NewSize);
    break;
  case rkRight:
    R.Right = Fit(int64_t{R.Left} + NewSize);
    break;
  case rkBottom:
    R.Bottom = Fit(int64_t{R.Top} + NewSize);
    break;
  }
  SetBounds(R);
  ProcessSkinMessages();
}
