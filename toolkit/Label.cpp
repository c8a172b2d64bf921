#include "toolkit/Label.h"

#include "toolkit/GdiGuards.h"
#include "toolkit/WinControl.h"

void TLabel::SetWordWrap(bool Value) {
  if (Value != FWordWrap) {
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
  }
}

void TLabel::SetAutoSize(bool Value) {
  if (Value != FAutoSize) {
    FAutoSize = Value;
    AdjustBounds();
  }
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || FWordWrap || Loading())
    return;
  RECT Area{0, 0, 0, 0};
  const std::wstring Text = Caption().empty() ? std::wstring(L" ") : WindowText(Caption());
  {
    const TScreenScratchDC Screen;
    SelectObject(Screen.DC(), Font().Handle());
    DrawTextW(Screen.DC(), Text.c_str(), -1, &Area, DT_CALCRECT | DT_SINGLELINE);
  }
  SetBounds(Left(), Top(), Area.right, Area.bottom);
}

void TLabel::Paint() {
  if (!Enabled())
    Canvas().Font.SetColor(clGrayText);
  Canvas().TextRect(ClientRect(), Caption(), FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
}
