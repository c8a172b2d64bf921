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
  // DstRect of Target filled with unscaled copies of SrcRect from its top-left corner, cut
  // at the right and bottom: the pixels of one DrawTo per copy, drawn a row at a time.
  void TileTo(TseBitmap& Target, TRect DstRect, TRect SrcRect) const;

  // An opaque copy of another surface (or, in the Windows build, of a toolkit graphic).
  void Assign(const TPersistent& Source) override;

#ifdef _WIN32
  // The platform bitmap that holds the pixels, and the memory device context it is
  // selected into; null while the surface is empty.
  HBITMAP Handle() const { return FStorage ? FStorage->Handle() : nullptr; }
  HDC DC() const { return FStorage ? FStorage->DC() : nullptr; }

  // This surface drawn onto a device: straight into the memory of a 24- or 32-bit bottom-up
  // device-independent section when one is selected into DC, else through the platform.
  void Draw(HDC DC, int32_t X, int32_t Y) const;
  void Draw(HDC DC, int32_t X, int32_t Y, TRect SrcRect) const;
  void Draw(HDC DC, TRect DstRect, TRect SrcRect) const;
  // DstRect filled with unscaled copies of SrcRect from its top-left corner.
  void Tile(HDC DC, TRect DstRect, TRect SrcRect) const;

  // Into a toolkit bitmap or picture: 32 bits per pixel, drawn with the rules above.
  void AssignTo(TPersistent& Target) const override;
  // A toolkit graphic rendered into R; what it leaves uncovered keeps its pixels.
  void DrawGraphic(const class TGraphic& Graphic, TRect R);
#endif

  std::string Name;
  bool AlphaBlend = false;
  bool Transparent = false;
  // Neither blended nor keyed: drawing it copies its pixels as they are.
  bool DrawsAsCopy() const { return !AlphaBlend && !Transparent; }

private:
  // SetSize, with storage whose pixels are left as they come when Zeroed is false (the
  // caller writes every one).
  void Resize(int32_t AWidth, int32_t AHeight, bool Zeroed);
#ifdef _WIN32
  bool AssignGraphic(const TPersistent& Source);
#endif
  std::unique_ptr<TseBitmapStorage> FStorage;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
};

#ifdef _WIN32
// Whether the platform's transparent block transfer was found at start-up.
bool TransparentBltAvailable();
#endif

// The shared length-prefixed string: a 4-byte little-endian length, then the bytes.
// ReadString raises EReadError for a negative length or one beyond the stream's end.
std::string ReadString(TStream& Stream);
void WriteString(TStream& Stream, const std::string& Text);

// Bottom-up pixel memory to draw into: a surface's own, or a 24- or 32-bit
// device-independent bitmap's (rows padded to Stride bytes).
struct TPixelTarget {
  uint8_t* Bits = nullptr;
  int32_t Width = 0;
  int32_t Height = 0;
  int64_t Stride = 0;
  int32_t BitsPerPixel = 32;
};
TPixelTarget PixelTargetOf(TseBitmap& Target);

// Source's part SrcRect scaled into DstRect of Target, clipped to Target, in the pixel mode
// Source's flags choose: the one loop behind DrawTo and the direct path of Draw.
void DrawInto(const TseBitmap& Source, TRect DstRect, TRect SrcRect, const TPixelTarget& Target);
// Count pixels of Line drawn over Pixels of a 32-bit target in the pixel mode Source's flags
// choose.
void DrawRow(const TseBitmap& Source, const TsePixel* Line, TsePixel* Pixels, size_t Count);
// DstRect of Target filled with copies of Source's part SrcRect as TileTo fills it: behind
// TileTo and the direct path of Tile.
void TileInto(const TseBitmap& Source, TRect DstRect, TRect SrcRect, const TPixelTarget& Target);

// The 16.16 steps, and the start values of a destination clipped to Visible.
struct TSampling {
  int32_t StepX = 0, StepY = 0;
  int32_t StartX = 0, StartY = 0;
};
TSampling MakeSampling(const TRect& SrcRect, const TRect& DstRect, const TRect& Visible);
