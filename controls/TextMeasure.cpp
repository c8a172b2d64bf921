#include "controls/TextMeasure.h"

TMeasureDC::TMeasureDC(const TFont& Font) : FFont(Font) {
  const HDC Screen = GetDC(nullptr);
  FDC = CreateCompatibleDC(Screen);
  ReleaseDC(nullptr, Screen);
  FOld = SelectObject(FDC, FFont.Handle());
}

TMeasureDC::~TMeasureDC() {
  SelectObject(FDC, FOld);
  DeleteDC(FDC);
}

SIZE TMeasureDC::Extent(const wchar_t* Text, int Count) const {
  SIZE Size{0, 0};
  GetTextExtentPoint32W(FDC, Text, Count, &Size);
  return Size;
}

SIZE MeasureTextIn(const TFont& Font, const std::wstring& Text, int MaxWidth, UINT Format) {
  const TMeasureDC Measure(Font);
  RECT R{0, 0, MaxWidth, 0};
  DrawTextW(Measure.DC(), Text.c_str(), static_cast<int>(Text.size()), &R, Format | DT_CALCRECT);
  return {R.right - R.left, R.bottom - R.top};
}
