#include "skin/SkinObjects.h"

#include <algorithm>
#include <initializer_list>

#include "toolkit/Published.h"

namespace {

TseBitmapLinkPtr NewLink() { return std::make_unique<TseBitmapLink>(); }

bool StateIn(TSeState State, std::initializer_list<TSeState> States) {
  return std::find(States.begin(), States.end(), State) != States.end();
}

} // namespace

// ---------------------------------------------------------------------------------------
// TSeActiveObject

const TPropTable& TSeActiveObject::Properties() {
  using T = TSeActiveObject;
  static const TPropTable Table(&TSeSkinObject::Properties(),
                                {FieldProp("ActiveColor", &T::ActiveColor, TPropKind::pkColor),
                                 ObjectProp("ActiveFont", &T::ActiveFont)});
  return Table;
}

TFont& TSeActiveObject::GetFont() {
  return StateIn(State(), {osHot, osPressed, osFocused}) ? ActiveFont : Font;
}

void TSeActiveObject::ChangeHue(int32_t Delta) {
  TSeSkinObject::ChangeHue(Delta);
  if (ActiveColor != clNone)
    ActiveColor = ShiftColorHue(ActiveColor, Delta);
  ActiveFont.SetColor(ShiftColorHue(ActiveFont.Color(), Delta));
}

void TSeActiveObject::SetCharset(TFontCharset Value) {
  TSeSkinObject::SetCharset(Value);
  ActiveFont.SetCharset(Value);
}

// ---------------------------------------------------------------------------------------
// TSeBitmapObject

TSeBitmapObject::TSeBitmapObject(TComponent* AOwner) : TSeSkinObject(AOwner), Bitmap(NewLink()) {}

const TPropTable& TSeBitmapObject::Properties() {
  using T = TSeBitmapObject;
  static const TPropTable Table(
      &TSeSkinObject::Properties(),
      {ObjectProp("Bitmap", &T::Bitmap),
       FieldProp("BorderTileStyle", &T::BorderTileStyle, TPropKind::pkEnum, TileStyleNames),
       FieldProp("MaskedBorder", &T::MaskedBorder), FieldProp("MaskedAngles", &T::MaskedAngles),
       FieldProp("TileStyle", &T::TileStyle, TPropKind::pkEnum, TileStyleNames)});
  return Table;
}

void TSeBitmapObject::ResolveLinks() {
  TSeSkinObject::ResolveLinks();
  ResolveLink(Bitmap, Margins());
}

// ---------------------------------------------------------------------------------------
// TSeActiveBitmap

TSeActiveBitmap::TSeActiveBitmap(TComponent* AOwner)
    : TSeBitmapObject(AOwner), ActiveBitmap(NewLink()) {}

const TPropTable& TSeActiveBitmap::Properties() {
  using T = TSeActiveBitmap;
  static const TPropTable Table(
      &TSeBitmapObject::Properties(),
      {ObjectProp("ActiveBitmap", &T::ActiveBitmap), ObjectProp("ActiveFont", &T::ActiveFont)});
  return Table;
}

TFont& TSeActiveBitmap::GetFont() {
  return StateIn(State(), {osHot, osFocused}) ? ActiveFont : Font;
}

void TSeActiveBitmap::ResolveLinks() {
  TSeBitmapObject::ResolveLinks();
  ResolveLink(ActiveBitmap, Margins());
}

void TSeActiveBitmap::SetCharset(TFontCharset Value) {
  TSeBitmapObject::SetCharset(Value);
  ActiveFont.SetCharset(Value);
}

// ---------------------------------------------------------------------------------------
// TSeSystemButton

TSeSystemButton::TSeSystemButton(TComponent* AOwner)
    : TSeCaptionButton(AOwner), BitmapHot(NewLink()), BitmapPressed(NewLink()) {}

const TPropTable& TSeSystemButton::Properties() {
  using T = TSeSystemButton;
  static const TPropTable Table(&TSeActiveBitmap::Properties(),
                                {FieldProp("Action", &T::Action, TPropKind::pkEnum, ActionNames),
                                 ObjectProp("BitmapHot", &T::BitmapHot),
                                 ObjectProp("BitmapPressed", &T::BitmapPressed)});
  return Table;
}

void TSeSystemButton::ResolveLinks() {
  TSeActiveBitmap::ResolveLinks();
  ResolveLink(BitmapHot, Margins());
  ResolveLink(BitmapPressed, Margins());
}

void ApplyCaptionButtonVisibility(TSeSkinObject& Button, TSeAction Action) {
  const TSeSkinFormLink* Form = Button.GetForm();
  if (!Form)
    return;
  const auto HiddenFor = [Action](std::initializer_list<TSeAction> Actions) {
    return std::find(Actions.begin(), Actions.end(), Action) != Actions.end();
  };
  switch (Button.State()) {
  case osNormal:
    Button.Visible = !HiddenFor({sbaRestore, sbaRollDown});
    break;
  case osMaximized:
    Button.Visible = !HiddenFor({sbaMaximize, sbaRollDown});
    break;
  case osMinimized:
    Button.Visible = !HiddenFor({sbaMinimize, sbaMaximize, sbaRollUp, sbaRollDown});
    break;
  case osRolledUp:
    Button.Visible = !HiddenFor({sbaRestore, sbaRollUp});
    break;
  default:
    break;
  }
  int Icon = -1;
  switch (Action) {
  case sbaClose:
    Icon = qbiClose;
    break;
  case sbaHelp:
    Icon = qbiHelp;
    break;
  case sbaMinimize:
    Icon = qbiMinimize;
    break;
  case sbaMaximize:
  case sbaRestore:
    Icon = qbiMaximize;
    break;
  case sbaRollUp:
  case sbaRollDown:
    Icon = qbiRollup;
    break;
  case sbaTray:
    Icon = qbiTray;
    break;
  case sbaSysMenu:
    Icon = qbiSystemMenu;
    break;
  default:
    break;
  }
  if (Icon >= 0 && !(Form->BorderIcons() & (1u << Icon)))
    Button.Visible = false;
}

// ---------------------------------------------------------------------------------------
// TSeButtonObject

const TPropTable& TSeButtonObject::Properties() {
  using T = TSeButtonObject;
  static const TPropTable Table(&TSeBitmapObject::Properties(),
                                {ObjectProp("BitmapHot", &T::BitmapHot),
                                 ObjectProp("BitmapFocused", &T::BitmapFocused),
                                 ObjectProp("BitmapPressed", &T::BitmapPressed),
                                 ObjectProp("BitmapDisabled", &T::BitmapDisabled)});
  return Table;
}

// ---------------------------------------------------------------------------------------
// TSeTextObject

const TPropTable& TSeTextObject::Properties() {
  using T = TSeTextObject;
  static const TPropTable Table(
      &TSeSkinObject::Properties(),
      {ObjectProp("FontHot", &T::FontHot), ObjectProp("FontFocused", &T::FontFocused),
       ObjectProp("FontPressed", &T::FontPressed), ObjectProp("FontDisabled", &T::FontDisabled)});
  return Table;
}

TFont& TSeTextObject::GetFont() {
  switch (State()) {
  case osHot:
    return FontHot;
  case osPressed:
    return FontPressed;
  case osFocused:
    return FontFocused;
  case osDisabled:
    return FontDisabled;
  default:
    return Font;
  }
}

void TSeTextObject::ChangeHue(int32_t Delta) {
  TSeSkinObject::ChangeHue(Delta);
  for (TFont* StateFont : {&FontHot, &FontFocused, &FontPressed, &FontDisabled})
    StateFont->SetColor(ShiftColorHue(StateFont->Color(), Delta));
}

void TSeTextObject::SetCharset(TFontCharset Value) {
  TSeSkinObject::SetCharset(Value);
  for (TFont* StateFont : {&FontHot, &FontFocused, &FontPressed, &FontDisabled})
    StateFont->SetCharset(Value);
}
