#pragma once
// The surface one paint of a control draws on, chosen by its Performance: the paint's own
// device context, the shared buffer's top-left corner, or a bitmap of the paint's own. The
// canvas points at it for the object's life and goes back on every path out; Present copies
// the drawing to the paint's device context.

#include <windows.h>

#include <memory>

#include "controls/base/Bevels.h"
#include "controls/base/EffectOptions.h"
#include "gfx/Bitmap.h"
#include "toolkit/Graphics.h"

class TSePaintSurface {
public:
  // Prefill clears the buffer's rectangle to the key colour first.
  TSePaintSurface(TCanvas& Canvas, TSePerformance Performance, int Width, int Height, bool Prefill);
  ~TSePaintSurface();
  TSePaintSurface(const TSePaintSurface&) = delete;
  TSePaintSurface& operator=(const TSePaintSurface&) = delete;

  // The device context the paint was given.
  HDC Target() const { return FTarget; }
  // Translucency over the parent: Background (sized to the control, opaque, with the
  // parent's background drawn in by DrawBackground) shows through the drawing at
  // Blending's alpha. Nothing for an unbuffered paint.
  template <class F>
  void Blend(const TSeBlending& Blending, TseBitmap& Background, F&& DrawBackground) {
    if (!FSurface || !Blending.Enabled())
      return;
    Background.SetSize(FWidth, FHeight);
    Background.SetAlpha(255);
    DrawBackground(Background.DC());
    MergeOver(static_cast<uint8_t>(Blending.Value()), Background);
  }
  // The drawing copied to the paint's device context at (0, 0).
  void Present();

private:
  void MergeOver(uint8_t Alpha, const TseBitmap& Background);

  TCanvas& FCanvas;
  HDC FTarget;
  TSePerformance FPerformance;
  int FWidth, FHeight;
  TseBitmap* FSurface = nullptr;
  std::unique_ptr<TseBitmap> FOwn;
};
