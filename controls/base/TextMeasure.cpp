#include "controls/base/TextMeasure.h"

TMeasureDC::TMeasureDC(const TFont& Font, TMeasureSurface Surface)
    : FFont(Font), FDC(CreateCompatibleDC(nullptr)) { // compatible with the screen
  if (Surface == msColour) {
    // Fonts may be laid out otherwise on the one-bit surface a new context starts with
    // (unsmoothed, other advances): measure on the kind of surface painting uses.
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof Info.bmiHeader;
    Info.bmiHeader.biWidth = 1;
    Info.bmiHeader.biHeight = 1;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    void* Bits = nullptr;
    FSurface.reset(CreateDIBSection(FDC.get(), &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
    if (FSurface)
      FSurfaceSelected.emplace(FDC.get(), FSurface.get());
  }
  FFontSelected.emplace(FDC.get(), FFont.Handle());
}

SIZE TMeasureDC::Extent(const wchar_t* Text, int Count) const {
  SIZE Size{0, 0};
  GetTextExtentPoint32W(FDC.get(), Text, Count, &Size);
  return Size;
}

SIZE MeasureTextIn(const TFont& Font, const std::wstring& Text, int MaxWidth, UINT Format) {
  const TMeasureDC Measure(Font);
  RECT R{0, 0, MaxWidth, 0};
  DrawTextW(Measure.DC(), Text.c_str(), static_cast<int>(Text.size()), &R, Format | DT_CALCRECT);
  return {R.right - R.left, R.bottom - R.top};
}
