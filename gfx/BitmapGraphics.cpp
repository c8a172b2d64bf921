// Surfaces and the toolkit's graphics: bitmaps, icons and pictures, both ways.

#include "gfx/Bitmap.h"
#include "toolkit/Graphics.h"

bool TseBitmap::AssignGraphic(const TPersistent& Source) {
  const TGraphic* Graphic = dynamic_cast<const TGraphic*>(&Source);
  if (const auto* Picture = dynamic_cast<const TPicture*>(&Source))
    Graphic = Picture->Graphic();
  if (!Graphic)
    return false;
  SetSize(Graphic->Width(), Graphic->Height());
  if (Empty() || Graphic->Empty())
    return true;
  if (const auto* Bitmap = dynamic_cast<const TBitmap*>(Graphic)) {
    const TBitmapDC Source(Bitmap->Handle());
    BitBlt(DC(), 0, 0, FWidth, FHeight, Source.Handle(), 0, 0, SRCCOPY);
    GdiFlush();
  } else {
    DrawGraphic(*Graphic, BoundsRect());
  }
  SetAlpha(255);
  return true;
}

void TseBitmap::DrawGraphic(const TGraphic& Graphic, TRect R) {
  if (Empty())
    return;
  // Drawn over magenta: what stays magenta was not painted and leaves the surface alone.
  TBitmap Canvas;
  Canvas.SetSize32(FWidth, FHeight);
  const TBitmapDC Paint(Canvas.Handle());
  const RECT Whole{0, 0, FWidth, FHeight};
  const TGdiOwner<HBRUSH> Magenta(CreateSolidBrush(RGB(255, 0, 255)));
  ::FillRect(Paint.Handle(), &Whole, Magenta.get());
  Graphic.Draw(Paint.Handle(), RECT{R.Left, R.Top, R.Right, R.Bottom});
  GdiFlush();
  DIBSECTION Section{};
  GetObjectA(Canvas.Handle(), sizeof Section, &Section);
  const auto* Painted = static_cast<const TsePixel*>(Section.dsBm.bmBits);
  TsePixel* Pixels = Bits();
  for (size_t I = 0, Count = static_cast<size_t>(FWidth) * FHeight; I < Count; ++I)
    if ((Painted[I] & 0x00FFFFFF) != 0x00FF00FF)
      Pixels[I] = Painted[I];
}

void TseBitmap::AssignTo(TPersistent& Target) const {
  TBitmap* Bitmap = dynamic_cast<TBitmap*>(&Target);
  if (auto* Picture = dynamic_cast<TPicture*>(&Target))
    Bitmap = &Picture->Bitmap();
  if (!Bitmap) {
    TPersistent::AssignTo(Target);
    return;
  }
  Bitmap->SetSize32(FWidth, FHeight);
  const TBitmapDC Paint(Bitmap->Handle());
  Draw(Paint.Handle(), 0, 0);
}
