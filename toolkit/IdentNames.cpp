#include "toolkit/IdentNames.h"

#include "toolkit/SysUtils.h"

namespace {

struct TIdentEntry {
  int32_t Value;
  const char* Name;
};

constexpr int32_t Sys(int Index) { return SystemColor(Index); }

constexpr TIdentEntry Colors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {Sys(0), "clScrollBar"},
    {Sys(1), "clBackground"},
    {Sys(2), "clActiveCaption"},
    {Sys(3), "clInactiveCaption"},
    {Sys(4), "clMenu"},
    {Sys(5), "clWindow"},
    {Sys(6), "clWindowFrame"},
    {Sys(7), "clMenuText"},
    {Sys(8), "clWindowText"},
    {Sys(9), "clCaptionText"},
    {Sys(10), "clActiveBorder"},
    {Sys(11), "clInactiveBorder"},
    {Sys(12), "clAppWorkSpace"},
    {Sys(13), "clHighlight"},
    {Sys(14), "clHighlightText"},
    {Sys(15), "clBtnFace"},
    {Sys(16), "clBtnShadow"},
    {Sys(17), "clGrayText"},
    {Sys(18), "clBtnText"},
    {Sys(19), "clInactiveCaptionText"},
    {Sys(20), "clBtnHighlight"},
    {Sys(21), "cl3DDkShadow"},
    {Sys(22), "cl3DLight"},
    {Sys(23), "clInfoText"},
    {Sys(24), "clInfoBk"},
    {Sys(26), "clHotLight"},
    {Sys(27), "clGradientActiveCaption"},
    {Sys(28), "clGradientInactiveCaption"},
    {Sys(29), "clMenuHighlight"},
    {Sys(30), "clMenuBar"},
    {clNone, "clNone"},
    {0x20000000, "clDefault"},
};

constexpr TIdentEntry Charsets[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

template <size_t N> const char* NameOf(const TIdentEntry (&Table)[N], int32_t Value) {
  for (const TIdentEntry& Entry : Table)
    if (Entry.Value == Value)
      return Entry.Name;
  return nullptr;
}

template <size_t N>
std::optional<int32_t> ValueOf(const TIdentEntry (&Table)[N], std::string_view Name) {
  for (const TIdentEntry& Entry : Table)
    if (SameText(Entry.Name, Name))
      return Entry.Value;
  return std::nullopt;
}

} // namespace

const char* ColorToIdent(TColor Color) { return NameOf(Colors, Color); }
std::optional<TColor> IdentToColor(std::string_view Ident) { return ValueOf(Colors, Ident); }
const char* CharsetToIdent(int Charset) { return NameOf(Charsets, Charset); }
std::optional<int> IdentToCharset(std::string_view Ident) { return ValueOf(Charsets, Ident); }
