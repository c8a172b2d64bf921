#include "controls/menu/MenuMetrics.h"

#include <algorithm>

#include "controls/menu/SeCustomItem.h"
#include "gfx/Bitmap.h"
#include "gfx/Shapes.h"
#include "toolkit/Colors.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ImageList.h"

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

void DrawMenuCheck(TCanvas& Canvas, const TRect& Column, TColor Dark, TColor Light) {
  const int CX = (Column.Left + Column.Right) / 2 - 2, CY = (Column.Top + Column.Bottom) / 2 + 1;
  const POINT DarkStroke[] = {{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}};
  const POINT LightStroke[] = {{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}};
  auto Polyline = [&](const POINT* Points, int Count, TColor Color) {
    POINT Placed[8];
    for (int I = 0; I < Count; ++I)
      Placed[I] = {CX + Points[I].x, CY + Points[I].y};
    const TGdiHandle Pen(CreatePen(PS_SOLID, 1, ColorToRGB(Color)));
    const TSelectObject Selected(Canvas.Handle(), Pen.get());
    ::Polyline(Canvas.Handle(), Placed, Count);
  };
  Polyline(DarkStroke, 7, Dark);
  Polyline(LightStroke, 5, Light);
}

void DrawScrollTriangle(TCanvas& Canvas, const TRect& Strip, int Arrow, TColor Color) {
  const int L = Strip.Left + (Strip.Width() - 7) / 2, T = Strip.Top + (Strip.Height() - 4) / 2;
  const int R = L + 7, B = T + 4;
  POINT Points[3];
  if (Arrow == 1)
    Points[0] = {L, B - 1}, Points[1] = {R - 1, B - 1}, Points[2] = {(L + R - 1) / 2, T};
  else
    Points[0] = {L, T}, Points[1] = {R - 1, T}, Points[2] = {(L + R - 1) / 2, B - 1};
  FillPolygon(Canvas, Points, 2, Color);
}

int ImageColumnWidth(const TSeCustomItem& Item) {
  const TCustomImageList* Images = Item.ImageList();
  if (Images && Images->Width() > MenuMetrics().Height)
    return Images->Width() + 6;
  return 22;
}

void DrawItemImage(TCanvas& Canvas, const TSeCustomItem& Item, const TRect& Box) {
  const TCustomImageList* Images = Item.ImageList();
  if (!Images)
    return;
  Images->Draw(Canvas, Box.Left + (Box.Width() - Images->Width()) / 2,
               Box.Top + (Box.Height() - Images->Height()) / 2, Item.ImageIndex(), Item.Enabled());
}
