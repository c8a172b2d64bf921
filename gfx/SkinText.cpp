#include "gfx/SkinText.h"

#include "gfx/Bitmap.h"
#include "toolkit/AnsiText.h"
#include "toolkit/OsVersion.h"

namespace {

// Selects the canvas's font into its device for the life of the object.
class TFontSelection {
public:
  TFontSelection(HDC DC, const TFont& Font) : FDC(DC), FOld(SelectObject(DC, Font.Handle())) {}
  ~TFontSelection() { SelectObject(FDC, FOld); }
  TFontSelection(const TFontSelection&) = delete;
  TFontSelection& operator=(const TFontSelection&) = delete;

private:
  HDC FDC;
  HGDIOBJ FOld;
};

int WidthOf(HDC DC, const std::wstring& Text) {
  SIZE Size{};
  GetTextExtentPoint32W(DC, Text.c_str(), static_cast<int>(Text.size()), &Size);
  return Size.cx;
}

} // namespace

int DrawSkinText(TCanvas& Canvas, const std::wstring& Text, TRect& Rect, UINT Format) {
  const HDC DC = Canvas.Handle();
  const TFontSelection Font(DC, Canvas.Font);
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(Canvas.Font.Color()));
  RECT Area{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  int Result;
  if (UnicodePlatform()) {
    Result = DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &Area, Format);
  } else {
    const std::string Narrow = ToolkitText(Text);
    Result = DrawTextA(DC, Narrow.c_str(), static_cast<int>(Narrow.size()), &Area, Format);
  }
  Rect = {Area.left, Area.top, Area.right, Area.bottom};
  return Result;
}

std::wstring EllipsisText(HDC DC, const std::wstring& Text, int MaxWidth) {
  if (WidthOf(DC, Text) <= MaxWidth)
    return Text;
  size_t Fits = 0;
  while (Fits < Text.size() && WidthOf(DC, Text.substr(0, Fits + 1) + L"...") <= MaxWidth)
    ++Fits;
  return Text.substr(0, Fits) + L"...";
}

int TextWidth(TCanvas& Canvas, const std::wstring& Text) {
  const TFontSelection Font(Canvas.Handle(), Canvas.Font);
  return WidthOf(Canvas.Handle(), Text);
}

int MeasureText(TCanvas& Canvas, const std::wstring& Text, UINT Format) {
  if (Format == 0)
    return TextWidth(Canvas, Text);
  const TFontSelection Font(Canvas.Handle(), Canvas.Font);
  const std::string Narrow = ToolkitText(Text);
  RECT Area{0, 0, 0, 0};
  DrawTextA(Canvas.Handle(), Narrow.c_str(), static_cast<int>(Narrow.size()), &Area,
            Format | DT_CALCRECT);
  return Area.right;
}

int DrawRotatedText(TCanvas& Canvas, const std::wstring& Text, const TRect& Rect,
                    bool CounterClockwise, UINT Format) {
  if (Rect.Width() <= 0 || Rect.Height() <= 0)
    return 0;
  // The text lies flat in A, then turns into B.
  TseBitmap Flat, Turned;
  Flat.SetSize(Rect.Height(), Rect.Width());
  Turned.SetSize(Rect.Width(), Rect.Height());
  Flat.FillRect(Flat.BoundsRect(), KeyColor);
  Turned.FillRect(Turned.BoundsRect(), KeyColor);
  TCanvas FlatCanvas(Flat.DC());
  FlatCanvas.Font.Assign(Canvas.Font);
  TRect Area = Flat.BoundsRect();
  const int Result = DrawSkinText(FlatCanvas, Text, Area, Format);
  GdiFlush();
  const int32_t Last = Turned.Width() - 1, Bottom = Turned.Height() - 1;
  for (int32_t Y = 0; Y < Flat.Height(); ++Y)
    for (int32_t X = 0; X < Flat.Width(); ++X) {
      const TsePixel Pixel = *Flat.PixelPtr(X, Y);
      if (Pixel == KeyColor)
        continue;
      // Counter-clockwise: A's top-left to B's bottom-left; clockwise: to B's top-right.
      if (CounterClockwise)
        *Turned.PixelPtr(Y, Bottom - X) = Pixel;
      else
        *Turned.PixelPtr(Last - Y, X) = Pixel;
    }
  Turned.Transparent = true;
  Turned.Draw(Canvas.Handle(), Rect.Left, Rect.Top);
  return Result;
}
