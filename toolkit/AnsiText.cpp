#include "toolkit/AnsiText.h"

#include <windows.h>

int AnsiCompareText(const std::string& S1, const std::string& S2) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, S1.data(),
                        static_cast<int>(S1.size()), S2.data(), static_cast<int>(S2.size())) -
         CSTR_EQUAL;
}

bool AnsiSameText(const std::string& S1, const std::string& S2) {
  return AnsiCompareText(S1, S2) == 0;
}
