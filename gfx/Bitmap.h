#pragma once
// The surface every picture of the skin library lives in: 32-bit pixels with straight alpha,
// rows bottom-up and addressed from the top, plus the name it has in a skin and the two flags
// that choose how it is drawn.

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/BitmapStorage.h"
#include "gfx/Pixels.h"
#include "toolkit/Classes.h"
#include "toolkit/Streams.h"
#include "toolkit/Types.h"

class TseBitmap : public TPersistent {
public:
  TseBitmap();
  ~TseBitmap() override;
  std::string ClassName() const override { return "TseBitmap"; }

  // Allocates zeroed storage of |Width| x |Height|. Nothing happens for a zero size or the
  // current size. On failure the surface is left empty (Width and Height keep their values)
  // and Exception is raised with the platform's reason.
  void SetSize(int32_t AWidth, int32_t AHeight);
  bool Empty() const { return !FStorage; }
  TsePixel* Bits() const { return FStorage ? FStorage->Bits() : nullptr; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  TRect BoundsRect() const { return {0, 0, FWidth, FHeight}; }

  // Per-pixel work; each does nothing on an empty surface.
  void Clear(TsePixel Pixel);
  void SetAlpha(uint8_t Alpha);
  void SetAlphaRect(uint8_t Alpha, TRect R);
  void FillRect(TRect R, TsePixel Pixel);
  void CheckAlphaBlend();
  void CheckTransparent(TsePixel Key = KeyColor);
  // Puts Background's part R behind this surface, R's top-left corner at (X, Y).
  void MergeUnder(const TseBitmap& Background, int32_t X, int32_t Y, TRect R);

  // Pixel (X, Y) counted from the top; no range check.
  TsePixel* PixelPtr(int32_t X, int32_t Y) const {
    return Bits() + X + static_cast<int64_t>(FHeight - 1 - Y) * FWidth;
  }
  // The pixel, or 0 outside the surface or without storage.
  TsePixel GetPixel(int32_t X, int32_t Y) const;

  // The record: name, width, height, pixels bottom row first. Loading raises EReadError
  // for a size that is negative or larger than what the stream still holds.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;

  // This surface drawn into another one, in the pixel mode its flags choose.
  void DrawTo(TseBitmap& Target, int32_t X, int32_t Y) const;
  void DrawTo(TseBitmap& Target, int32_t X, int32_t Y, TRect SrcRect) const;
  void DrawTo(TseBitmap& Target, TRect DstRect, TRect SrcRect) const;

  // An opaque copy of another surface (or, in the Windows build, of a toolkit graphic).
  void Assign(const TPersistent& Source) override;

  std::string Name;
  bool AlphaBlend = false;
  bool Transparent = false;

private:
  std::unique_ptr<TseBitmapStorage> FStorage;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
};

// The shared length-prefixed string: a 4-byte little-endian length, then the bytes.
// ReadString raises EReadError for a negative length or one beyond the stream's end.
std::string ReadString(TStream& Stream);
void WriteString(TStream& Stream, const std::string& Text);

// The scaled and clipped copy shared by DrawTo and the direct path of Draw: for each row and
// column of Visible (a part of DstRect), the source pixel sampled with 16.16 steps from
// SrcRect into DstRect and handed to Write(target row, first column, source row,
// source columns...). Exposed so the Windows direct path can reuse the sampling.
struct TSampling {
  int32_t StepX = 0, StepY = 0;
  int32_t StartX = 0, StartY = 0;
};
TSampling MakeSampling(const TRect& SrcRect, const TRect& DstRect, const TRect& Visible);
