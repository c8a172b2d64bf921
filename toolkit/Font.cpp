#include "toolkit/Font.h"

#include "toolkit/Published.h"
#include "toolkit/Types.h"

namespace {
constexpr const char* StyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}

TFont::TFont() : FHeight(-MulDivRound(8, ScreenPixelsPerInch(), 72)) {}

const TPropTable& TFont::Properties() {
  static const TPropTable Table(
      nullptr,
      {AccessorProp<TFont>("Charset", TPropKind::pkCharset, &TFont::Charset, &TFont::SetCharset),
       AccessorProp<TFont>("Color", TPropKind::pkColor, &TFont::Color, &TFont::SetColor),
       AccessorProp<TFont>("Height", TPropKind::pkInteger, &TFont::Height, &TFont::SetHeight),
       AccessorProp<TFont>("Name", TPropKind::pkString, &TFont::Name, &TFont::SetName),
       AccessorProp<TFont>("Style", TPropKind::pkSet, &TFont::Style, &TFont::SetStyle,
                           StyleNames)});
  return Table;
}

void TFont::Assign(const TPersistent& Source) {
  if (const auto* Font = dynamic_cast<const TFont*>(&Source)) {
    // An equal font keeps its platform handle: paints assign the control's font every time.
    if (*Font == *this)
      return;
    FName = Font->FName;
    FHeight = Font->FHeight;
    FColor = Font->FColor;
    FStyle = Font->FStyle;
    FCharset = Font->FCharset;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TFont::SetName(const std::string& Value) {
  if (Value != FName) {
    FName = Value;
    Changed();
  }
}

void TFont::SetHeight(int32_t Value) {
  if (Value != FHeight) {
    FHeight = Value;
    Changed();
  }
}

int TFont::Size() const { return -MulDivRound(FHeight, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int Value) { SetHeight(-MulDivRound(Value, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(uint8_t Value) {
  if (Value != FStyle) {
    FStyle = Value;
    Changed();
  }
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value != FCharset) {
    FCharset = Value;
    Changed();
  }
}
