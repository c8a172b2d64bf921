#include "gfx/Shapes.h"

#include "gfx/Pixels.h"
#include "gfx/Rects.h"

namespace {

// The canvas's pen and brush made and selected for one drawing.
class TDrawingTools {
public:
  explicit TDrawingTools(TCanvas& Canvas, HBRUSH PatternBrush = nullptr)
      : FDC(Canvas.Handle()),
        FPen(Canvas.Pen.Style == TPenStyle::psClear
                 ? nullptr
                 : CreatePen(PS_SOLID, Canvas.Pen.Width, ColorToRGB(Canvas.Pen.Color))),
        FBrush(PatternBrush ? nullptr
               : Canvas.Brush.Style == TBrushStyle::bsClear
                   ? nullptr
                   : CreateSolidBrush(ColorToRGB(Canvas.Brush.Color))) {
    FOldPen = SelectObject(FDC, FPen ? FPen.get() : GetStockObject(NULL_PEN));
    FOldBrush = SelectObject(FDC, PatternBrush ? PatternBrush
                                  : FBrush     ? FBrush.get()
                                               : GetStockObject(HOLLOW_BRUSH));
  }
  ~TDrawingTools() {
    SelectObject(FDC, FOldPen);
    SelectObject(FDC, FOldBrush);
  }
  TDrawingTools(const TDrawingTools&) = delete;
  TDrawingTools& operator=(const TDrawingTools&) = delete;

private:
  HDC FDC;
  TGdiHandle FPen;
  TGdiHandle FBrush;
  HGDIOBJ FOldPen;
  HGDIOBJ FOldBrush;
};

void SolidPen(TCanvas& Canvas, TColor Color) {
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Pen.Mode = TPenMode::pmCopy;
  Canvas.Pen.Width = 1;
  Canvas.Pen.Color = Color;
}

void SolidBrush(TCanvas& Canvas, TColor Color) {
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas.Brush.Color = Color;
}

void Line(HDC DC, int X1, int Y1, int X2, int Y2) {
  MoveToEx(DC, X1, Y1, nullptr);
  LineTo(DC, X2, Y2);
}

// The 8 x 8 checkerboard brush of FillDithered.
TGdiHandle DitherBrush(TColor Color1, TColor Color2) {
  const COLORREF First = ColorToRGB(Color1), Second = ColorToRGB(Color2);
  const TGdiHandle Pattern(CreateCompatibleBitmap(TWindowDC(nullptr).DC(), 8, 8));
  const TBitmapDC Paint(static_cast<HBITMAP>(Pattern.get()));
  for (int J = 0; J < 8; ++J)
    for (int I = 0; I < 8; ++I)
      SetPixel(Paint.Handle(), I, J, (I % 2) == (J % 2) ? Second : First);
  return TGdiHandle(CreatePatternBrush(static_cast<HBITMAP>(Pattern.get())));
}

} // namespace

void DrawLine(TCanvas& Canvas, int X1, int Y1, int X2, int Y2, TColor Color) {
  SolidPen(Canvas, Color);
  const TDrawingTools Tools(Canvas);
  Line(Canvas.Handle(), X1, Y1, X2, Y2);
}

void DrawEdgeLines(TCanvas& Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor) {
  Canvas.Brush.Style = TBrushStyle::bsClear;
  SolidPen(Canvas, TopLeftColor);
  {
    const TDrawingTools Tools(Canvas);
    MoveToEx(Canvas.Handle(), R.Left, R.Bottom - 2, nullptr);
    LineTo(Canvas.Handle(), R.Left, R.Top);
    LineTo(Canvas.Handle(), R.Right - 1, R.Top);
  }
  SolidPen(Canvas, BottomRightColor);
  const TDrawingTools Tools(Canvas);
  MoveToEx(Canvas.Handle(), R.Right - 1, R.Top, nullptr);
  LineTo(Canvas.Handle(), R.Right - 1, R.Bottom - 1);
  LineTo(Canvas.Handle(), R.Left - 1, R.Bottom - 1);
}

void DrawRectOutline(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush.Style = TBrushStyle::bsClear;
  SolidPen(Canvas, Color);
  const TDrawingTools Tools(Canvas);
  Rectangle(Canvas.Handle(), R.Left, R.Top, R.Right, R.Bottom);
}

void DrawRectOutline(TCanvas& Canvas, int Left, int Top, int Right, int Bottom, TColor Color) {
  DrawRectOutline(Canvas, TRect{Left, Top, Right, Bottom}, Color);
}

void DrawFocusFrame(TCanvas& Canvas, const TRect& R, TColor Color) {
  SolidBrush(Canvas, Color);
  const RECT Area{R.Left, R.Top, R.Right, R.Bottom};
  DrawFocusRect(Canvas.Handle(), &Area);
}

void DrawBevelSides(TCanvas& Canvas, TRect& R, int Sides, TColor BottomRightColor,
                    TColor TopLeftColor, int Count) {
  const HDC DC = Canvas.Handle();
  for (int Ring = 0; Ring < Count; ++Ring) {
    SolidPen(Canvas, TopLeftColor);
    {
      const TDrawingTools Tools(Canvas);
      if (Sides & BevelLeft)
        Line(DC, R.Left, R.Top, R.Left, R.Bottom);
      if (Sides & BevelTop)
        Line(DC, R.Left, R.Top, R.Right, R.Top);
    }
    SolidPen(Canvas, BottomRightColor);
    {
      const TDrawingTools Tools(Canvas);
      if (Sides & BevelRight)
        Line(DC, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
      if (Sides & BevelBottom)
        Line(DC, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
    }
    if (Sides & BevelLeft)
      ++R.Left;
    if (Sides & BevelTop)
      ++R.Top;
    if (Sides & BevelRight)
      --R.Right;
    if (Sides & BevelBottom)
      --R.Bottom;
  }
}

void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color) {
  SolidBrush(Canvas, Color);
  const RECT Area{R.Left, R.Top, R.Right, R.Bottom};
  const TGdiHandle Brush(CreateSolidBrush(ColorToRGB(Color)));
  FillRect(Canvas.Handle(), &Area, static_cast<HBRUSH>(Brush.get()));
}

void FillRectColor(TCanvas& Canvas, int Left, int Top, int Right, int Bottom, TColor Color) {
  FillRectColor(Canvas, TRect{Left, Top, Right, Bottom}, Color);
}

void FillRoundRect(TCanvas& Canvas, const TRect& R, int Radius, TColor Color) {
  SolidBrush(Canvas, Color);
  SolidPen(Canvas, Color);
  const TDrawingTools Tools(Canvas);
  RoundRect(Canvas.Handle(), R.Left, R.Top, R.Right, R.Bottom, Radius, Radius);
}

void FillPolygon(TCanvas& Canvas, const POINT* Points, int LastIndex, TColor Color) {
  SolidBrush(Canvas, Color);
  SolidPen(Canvas, Color);
  const TDrawingTools Tools(Canvas);
  Polygon(Canvas.Handle(), Points, LastIndex + 1);
}

void FillDithered(TCanvas& Canvas, TRect R, TColor Color1, TColor Color2) {
  R.Left = std::max(R.Left, 0);
  R.Top = std::max(R.Top, 0);
  if (R.IsEmpty())
    return;
  const TGdiHandle Brush = DitherBrush(Color1, Color2);
  const RECT Area{R.Left, R.Top, R.Right, R.Bottom};
  FillRect(Canvas.Handle(), &Area, static_cast<HBRUSH>(Brush.get()));
}

void FillPolygonDithered(TCanvas& Canvas, const POINT* Points, int LastIndex, TColor Color1,
                         TColor Color2) {
  const TGdiHandle Brush = DitherBrush(Color1, Color2);
  Canvas.Pen.Style = TPenStyle::psClear;
  const TDrawingTools Tools(Canvas, static_cast<HBRUSH>(Brush.get()));
  Polygon(Canvas.Handle(), Points, LastIndex + 1);
}

void FillGradient(TCanvas& Canvas, const TRect& R, TColor FromColor, bool Vertical,
                  TColor ToColor) {
  if (R.IsEmpty())
    return;
  const uint32_t From = ColorToRGB(FromColor), To = ColorToRGB(ToColor);
  int N = Vertical || R.Width() > 254 ? 255 : R.Width();
  if (Vertical && R.Height() < N)
    N = R.Height();
  const int Size = Vertical ? R.Height() : R.Width();
  const auto Channel = [N](int K, uint32_t A, uint32_t B, int Shift) {
    const int Start = static_cast<int>(A >> Shift & 0xFF),
              End = static_cast<int>(B >> Shift & 0xFF);
    return (K * (End - Start) * 255 / N + Start * 255) / 255;
  };
  for (int K = 0; K <= N; ++K) {
    const int Begin = MulDivRound(K, Size, N), Finish = MulDivRound(K + 1, Size, N);
    const TRect Band =
        IntersectRect(Vertical ? TRect{R.Left, R.Top + Begin, R.Right, R.Top + Finish}
                               : TRect{R.Left + Begin, R.Top, R.Left + Finish, R.Bottom},
                      R);
    if (Band.IsEmpty())
      continue;
    const COLORREF Colour =
        RGB(Channel(K, From, To, 0), Channel(K, From, To, 8), Channel(K, From, To, 16));
    FillRectColor(Canvas, Band, static_cast<TColor>(Colour));
  }
}

void DrawIconCentered(TCanvas& Canvas, const TRect& R, HICON Icon) {
  if (!Icon)
    return;
  const TRect Box = CenterRect({0, 0, 16, 16}, R);
  DrawIconEx(Canvas.Handle(), Box.Left, Box.Top, Icon, 0, 0, 0, nullptr, DI_NORMAL);
}
