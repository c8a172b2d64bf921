// The platform's wide case mapping, one UTF-16 unit for another.

#include <windows.h>

#include "controls/edit/EditModel.h"

std::u16string EditCaseText(std::u16string Text, TEditCharCase Case) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  if (Case == ecNormal || Text.empty())
    return Text;
  auto* Units = reinterpret_cast<wchar_t*>(Text.data());
  const auto Count = static_cast<DWORD>(Text.size());
  if (Case == ecUpperCase)
    CharUpperBuffW(Units, Count);
  else
    CharLowerBuffW(Units, Count);
  return Text;
}
