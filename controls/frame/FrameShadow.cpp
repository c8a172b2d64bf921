#include "controls/frame/FrameShadow.h"

#include <initializer_list>

namespace {

constexpr TsePixel ShadowAt(uint8_t Alpha) {
  return (ShadowColor & 0x00FFFFFF) | static_cast<TsePixel>(Alpha) << 24;
}

// R takes Pixel as it is, straight alpha and all: the shadow replaces what the surface held
// even when the surface is flagged to blend what is filled into it.
void Store(TseBitmap& Surface, const TRect& R, TsePixel Pixel) {
  const bool Blend = Surface.AlphaBlend;
  Surface.AlphaBlend = false;
  Surface.FillRect(R, Pixel);
  Surface.AlphaBlend = Blend;
}

void MergeBehind(TseBitmap& Surface, const TseBitmap* Background, const TRect& Area,
                 int32_t OffsetX = 0, int32_t OffsetY = 0) {
  if (Background)
    Surface.MergeUnder(
        *Background, Area.Left, Area.Top,
        Rect(Area.Left + OffsetX, Area.Top + OffsetY, Area.Right + OffsetX, Area.Bottom + OffsetY));
}

// The two sides of a shadow piece that fade out: right or left, bottom or top.
struct TFadingSides {
  bool Right;
  bool Bottom;
};

// Rings one pixel wide run along the fading sides, 8, 58 and 108 from the outside in, and
// the rest is 128. After each ring's fill the pixel where the fading sides meet takes the
// alpha of the ring outside it (the outermost ring's own 8), colour unchanged: 8, 8, 58 down
// the diagonal, so the shadow's outer corner is rounded off rather than square.
void PaintFading(TseBitmap& Surface, TRect Piece, TFadingSides Sides) {
  struct TRing {
    uint8_t Fill;
    uint8_t Corner;
  };
  static constexpr TRing Rings[] = {{8, 8}, {58, 8}, {108, 58}};
  for (const TRing& Ring : Rings) {
    if (Piece.IsEmpty())
      return;
    Store(Surface, Piece, ShadowAt(Ring.Fill));
    const int32_t X = Sides.Right ? Piece.Right - 1 : Piece.Left;
    const int32_t Y = Sides.Bottom ? Piece.Bottom - 1 : Piece.Top;
    Surface.SetAlphaRect(Ring.Corner, Rect(X, Y, X + 1, Y + 1));
    if (Sides.Right)
      --Piece.Right;
    else
      ++Piece.Left;
    if (Sides.Bottom)
      --Piece.Bottom;
    else
      ++Piece.Top;
  }
  Store(Surface, Piece, ShadowColor);
}

} // namespace

void PaintFrameShadow(TseBitmap& Surface, const TseBitmap* Background, const TRect& Client,
                      int32_t W, int32_t H, int32_t S, bool HasRegion) {
  if (S <= 0)
    return;
  const TRect& C = Client;
  const int32_t WW = W + S, WH = H + S;
  if (HasRegion)
    for (const TRect& Under : {Rect(S, S, W, C.Top), Rect(S, S, C.Left, H)}) {
      Store(Surface, Under, ShadowColor);
      MergeBehind(Surface, Background, Under);
    }

  // The right strip's merge also passes over the corner before it is drawn; the corner piece
  // then replaces every pixel there and is merged on its own, so each pixel is merged once.
  // The key squares have alpha 0: merged, they show the background unchanged.
  Store(Surface, Rect(C.Right, 0, WW, S), KeyColor);
  PaintFading(Surface, Rect(C.Right, S, WW, C.Bottom), {true, false});
  MergeBehind(Surface, Background, Rect(C.Right, 0, WW, WH));

  Store(Surface, Rect(0, C.Bottom, S, WH), KeyColor);
  PaintFading(Surface, Rect(S, C.Bottom, W, WH), {false, true});
  MergeBehind(Surface, Background, Rect(0, C.Bottom, C.Right, WH));

  const TRect Corner = Rect(C.Right, C.Bottom, WW, WH);
  PaintFading(Surface, Corner, {true, true});
  MergeBehind(Surface, Background, Corner);
}

void BlendArea(TseBitmap& Surface, const TseBitmap* Background, const TRect& Area, uint8_t Value,
               int32_t OffsetX, int32_t OffsetY) {
  Surface.SetAlphaRect(Value, Area);
  MergeBehind(Surface, Background, Area, OffsetX, OffsetY);
}

void BlendFrameBands(TseBitmap& Surface, const TseBitmap* Background, const TRect& Client,
                     int32_t W, int32_t H, uint8_t Value) {
  const TRect& C = Client;
  // Apart from each other, so that no pixel is merged twice.
  for (const TRect& Band : {Rect(0, 0, W, C.Top), Rect(0, C.Bottom, W, H),
                            Rect(0, C.Top, C.Left, C.Bottom), Rect(C.Right, C.Top, W, C.Bottom)})
    BlendArea(Surface, Background, Band, Value);
}
