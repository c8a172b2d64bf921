#include "controls/base/PaintSurface.h"

#include "controls/base/SharedBuffer.h"

TSePaintSurface::TSePaintSurface(TCanvas& Canvas, TSePerformance Performance, int Width, int Height,
                                 bool Prefill)
    : FCanvas(Canvas), FTarget(Canvas.Handle()), FPerformance(Performance), FWidth(Width),
      FHeight(Height) {
  switch (Performance) {
  case qzpSharedBuffer:
    FSurface = &SizedSharedBuffer();
    if (Prefill)
      FSurface->FillRect({0, 0, Width, Height}, KeyColor);
    break;
  case qzpDoubleBuffer:
    FOwn = std::make_unique<TseBitmap>();
    FOwn->SetSize(Width, Height);
    if (Prefill)
      FOwn->Clear(KeyColor);
    FSurface = FOwn.get();
    break;
  case qzpNoBuffer:
  default:
    return;
  }
  GdiFlush();
  FCanvas.SetHandle(FSurface->DC());
}

TSePaintSurface::~TSePaintSurface() { FCanvas.SetHandle(FTarget); }

void TSePaintSurface::MergeOver(uint8_t Alpha, const TseBitmap& Background) {
  GdiFlush(); // the drawing may still be owed to the surface's memory
  if (FPerformance == qzpSharedBuffer)
    FSurface->SetAlphaRect(Alpha, {0, 0, FWidth, FHeight});
  else
    FSurface->SetAlpha(Alpha);
  FSurface->MergeUnder(Background, 0, 0, {0, 0, FWidth, FHeight});
}

void TSePaintSurface::Present() {
  if (!FSurface)
    return;
  GdiFlush();
  BitBlt(FTarget, 0, 0, FWidth, FHeight, FSurface->DC(), 0, 0, SRCCOPY);
}
