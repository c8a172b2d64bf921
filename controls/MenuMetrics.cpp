#include "controls/MenuMetrics.h"

#include <algorithm>

#include "gfx/Bitmap.h"
#include "toolkit/Colors.h"

namespace {

// The arrow the platform draws for sub-menus, as the pixels it sets in its box.
std::vector<POINT> ReadArrow() {
  std::vector<POINT> Pixels;
  TseBitmap Box;
  Box.SetSize(MenuArrowSize, MenuArrowSize);
  if (Box.Empty())
    return Pixels;
  Box.Clear(0x00FFFFFF);
  RECT R{0, 0, MenuArrowSize, MenuArrowSize};
  DrawFrameControl(Box.DC(), &R, DFC_MENU, DFCS_MENUARROW);
  GdiFlush();
  for (int Y = 0; Y < MenuArrowSize; ++Y)
    for (int X = 0; X < MenuArrowSize; ++X)
      if ((*Box.PixelPtr(X, Y) & 0x00FFFFFF) != 0x00FFFFFF)
        Pixels.push_back({X, Y});
  return Pixels;
}

TSeMenuMetrics ReadMetrics() {
  TSeMenuMetrics Metrics;
  NONCLIENTMETRICSW NonClient{};
  NonClient.cbSize = sizeof NonClient;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof NonClient, &NonClient, 0)) {
    Metrics.Width = std::max(20, static_cast<int>(NonClient.iMenuWidth));
    Metrics.Height = std::max(20, static_cast<int>(NonClient.iMenuHeight));
    AssignLogFont(Metrics.Font, NonClient.lfMenuFont);
  }
  Metrics.Arrow = ReadArrow();
  return Metrics;
}

} // namespace

const TSeMenuMetrics& MenuMetrics() {
  static const TSeMenuMetrics Metrics = ReadMetrics();
  return Metrics;
}

void DrawMenuArrow(HDC DC, int X, int Y, TColor Color) {
  const COLORREF Ref = ColorToRGB(Color);
  for (const POINT& P : MenuMetrics().Arrow)
    SetPixelV(DC, X + P.x, Y + P.y, Ref);
}
