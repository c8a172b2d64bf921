#include "toolkit/IniText.h"

#include <string>

#include "toolkit/SysUtils.h"

int32_t IniTextToInt(std::string_view Text, int32_t Default) {
  if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X'))
    return StrToIntDef(std::string("$").append(Text.substr(2)), Default);
  return StrToIntDef(Text, Default);
}

bool IniTextToBool(std::string_view Text, bool Default) {
  return IniTextToInt(Text, Default ? 1 : 0) != 0;
}
