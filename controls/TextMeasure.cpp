#include "controls/TextMeasure.h"

SIZE MeasureTextIn(const TFont& Font, const std::wstring& Text, int MaxWidth, UINT Format) {
  const HDC Screen = GetDC(nullptr);
  const HDC DC = CreateCompatibleDC(Screen);
  ReleaseDC(nullptr, Screen);
  const HGDIOBJ Old = SelectObject(DC, Font.Handle());
  RECT R{0, 0, MaxWidth, 0};
  DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &R, Format | DT_CALCRECT);
  SelectObject(DC, Old);
  DeleteDC(DC);
  return {R.right - R.left, R.bottom - R.top};
}
