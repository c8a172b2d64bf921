// The built-in effect set and its registration, in the fixed order the names list shows.

#include "gfx/EffectProcs.h"

namespace {

using TseShape = void (*)(uint8_t*, int32_t, int32_t, int32_t, uint8_t);

enum class TFamily { Slide, Fade, Smooth };

// A shared shape with its family's value: the slide family's cells become 255, the fade
// family's the fade value. Nothing at 0 %, but for the circles, which draw their 0 % shape.
template <TseShape Shape, TFamily Family, bool FromZero>
void Shaped(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (FromZero || P > 0)
    Shape(M, W, H, P, Family == TFamily::Slide ? 255 : FadeValue(P));
}

// An inward effect: the outward one at 100 - P, inverted by its family's rule.
template <TseFadeProc Out, TFamily Family>
void Inward(uint8_t* M, int32_t W, int32_t H, int32_t P) {
  if (P <= 0)
    return;
  Out(M, W, H, 100 - P);
  if constexpr (Family == TFamily::Slide)
    InvertSlideMask(M, W, H);
  else if constexpr (Family == TFamily::Fade)
    InvertFadeMask(M, W, H, P);
  else
    InvertSmoothMask(M, W, H);
}

template <TseShape Shape> constexpr TseFadeProc Slid = Shaped<Shape, TFamily::Slide, false>;
template <TseShape Shape> constexpr TseFadeProc Faded = Shaped<Shape, TFamily::Fade, false>;
template <TseShape Shape> constexpr TseFadeProc SlidFromZero = Shaped<Shape, TFamily::Slide, true>;
template <TseShape Shape> constexpr TseFadeProc FadedFromZero = Shaped<Shape, TFamily::Fade, true>;
template <TseShape Shape> constexpr TseFadeProc SlidIn = Inward<Slid<Shape>, TFamily::Slide>;
template <TseShape Shape> constexpr TseFadeProc FadedIn = Inward<Faded<Shape>, TFamily::Fade>;
template <TseFadeProc Out> constexpr TseFadeProc SmoothIn = Inward<Out, TFamily::Smooth>;

constexpr TseBuiltInEffect Fade(const char* Name, TseFadeProc Proc) {
  return {Name, pkFade, Proc, nullptr, nullptr};
}
constexpr TseBuiltInEffect Slide(const char* Name, TseSlideProc Proc) {
  return {Name, pkSlide, nullptr, Proc, nullptr};
}
constexpr TseBuiltInEffect Manual(const char* Name, TseManualProc Proc) {
  return {Name, pkManual, nullptr, nullptr, Proc};
}

} // namespace

const std::vector<TseBuiltInEffect>& BuiltInEffects() {
  static const std::vector<TseBuiltInEffect> Effects = {
      Fade("SmoothDiagonal", SmoothDiagonalProc),
      Fade("SmoothDiagonalIn", SmoothDiagonalInProc),
      Fade("SmoothDiagonalOut", SmoothDiagonalOutProc),
      Fade("SmoothDown", SmoothDownProc),
      Fade("SmoothIn", SmoothInProc),
      Fade("SmoothOut", SmoothOutProc),
      Fade("SmoothCrossOut", SmoothCrossOutProc),
      Fade("SmoothCrossIn", SmoothIn<SmoothCrossOutProc>),
      Fade("SmoothRectIn", SmoothIn<SmoothRectOutProc>),
      Fade("SmoothRectOut", SmoothRectOutProc),
      Fade("SlideDiagonal", Slid<ShapeDiagonal>),
      Fade("SlideDiagonalIn", Slid<ShapeDiagonalIn>),
      Fade("SlideDiagonalOut", Slid<ShapeDiagonalOut>),
      Fade("SlideDown", Slid<ShapeDown>),
      Fade("SlideIn", Slid<ShapeIn>),
      Fade("SlideOut", Slid<ShapeOut>),
      Fade("SlideCrossOut", Slid<ShapeCrossOut>),
      Fade("SlideCrossIn", SlidIn<ShapeCrossOut>),
      Fade("SlideRectOut", Slid<ShapeRectOut>),
      Fade("SlideRectIn", SlidIn<ShapeRectOut>),
      Fade("Fade", FadeProc),
      Fade("FadeDiagonal", Faded<ShapeDiagonal>),
      Fade("FadeDiagonalIn", Faded<ShapeDiagonalIn>),
      Fade("FadeDiagonalOut", Faded<ShapeDiagonalOut>),
      Fade("FadeDown", Faded<ShapeDown>),
      Fade("FadeIn", Faded<ShapeIn>),
      Fade("FadeOut", Faded<ShapeOut>),
      Fade("FadeCrossOut", Faded<ShapeCrossOut>),
      Fade("FadeCrossIn", FadedIn<ShapeCrossOut>),
      Fade("FadeRectOut", Faded<ShapeRectOut>),
      Fade("FadeRectIn", FadedIn<ShapeRectOut>),
      Fade("Pixel", PixelProc),
      Fade("Pixel fade", PixelFadeProc),
      Fade("Pixel line", PixelLineProc),
      Fade("CircleSlideOut", SlidFromZero<ShapeCircleOut>),
      Fade("CircleFadeOut", FadedFromZero<ShapeCircleOut>),
      Fade("CircleSmoothOut", CircleSmoothOutProc),
      Fade("CircleSlideIn", SlidFromZero<ShapeCircleIn>),
      Fade("CircleFadeIn", FadedFromZero<ShapeCircleIn>),
      Fade("CircleSmoothIn", SmoothIn<CircleSmoothOutProc>),
      Fade("CircleSlide", SlidFromZero<ShapeCircleCorner>),
      Fade("CircleFade", FadedFromZero<ShapeCircleCorner>),
      Fade("CircleSmooth", CircleSmoothProc),
      Fade("DiamondSlideIn", SlidIn<ShapeDiamondOut>),
      Fade("DiamondFadeIn", FadedIn<ShapeDiamondOut>),
      Fade("DiamondSmoothIn", SmoothIn<DiamondSmoothOutProc>),
      Fade("DiamondSlideOut", Slid<ShapeDiamondOut>),
      Fade("DiamondFadeOut", Faded<ShapeDiamondOut>),
      Fade("DiamondSmoothOut", DiamondSmoothOutProc),
      Fade("RotateSlide", Slid<ShapeRotate>),
      Fade("RotateFade", Faded<ShapeRotate>),
      Fade("RotateSmooth", RotateSmoothProc),
      Fade("Stream", StreamProc),
      Fade("Plasma", PlasmaProc),
      Slide("Interlace", InterlaceProc),
      Slide("Corner", CornerProc),
      Manual("Slide", SlideManualProc),
      Manual("Push", PushManualProc),
  };
  return Effects;
}

void RegisterBuiltInEffects() {
  for (const TseBuiltInEffect& Effect : BuiltInEffects()) {
    switch (Effect.Kind) {
    case pkFade:
      RegisterEffectProc(Effect.Name, Effect.Fade);
      break;
    case pkSlide:
      RegisterEffectProc(Effect.Name, Effect.Slide);
      break;
    case pkManual:
      RegisterEffectProc(Effect.Name, Effect.Manual);
      break;
    }
  }
}
