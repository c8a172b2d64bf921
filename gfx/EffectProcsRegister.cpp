// The built-in effect set and its registration, in the fixed order the names list shows.

#include "gfx/EffectProcs.h"

namespace {

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
      Fade("SmoothCrossIn", SmoothCrossInProc),
      Fade("SmoothRectIn", SmoothRectInProc),
      Fade("SmoothRectOut", SmoothRectOutProc),
      Fade("SlideDiagonal", SlideDiagonalProc),
      Fade("SlideDiagonalIn", SlideDiagonalInProc),
      Fade("SlideDiagonalOut", SlideDiagonalOutProc),
      Fade("SlideDown", SlideDownProc),
      Fade("SlideIn", SlideInProc),
      Fade("SlideOut", SlideOutProc),
      Fade("SlideCrossOut", SlideCrossOutProc),
      Fade("SlideCrossIn", SlideCrossInProc),
      Fade("SlideRectOut", SlideRectOutProc),
      Fade("SlideRectIn", SlideRectInProc),
      Fade("Fade", FadeProc),
      Fade("FadeDiagonal", FadeDiagonalProc),
      Fade("FadeDiagonalIn", FadeDiagonalInProc),
      Fade("FadeDiagonalOut", FadeDiagonalOutProc),
      Fade("FadeDown", FadeDownProc),
      Fade("FadeIn", FadeInProc),
      Fade("FadeOut", FadeOutProc),
      Fade("FadeCrossOut", FadeCrossOutProc),
      Fade("FadeCrossIn", FadeCrossInProc),
      Fade("FadeRectOut", FadeRectOutProc),
      Fade("FadeRectIn", FadeRectInProc),
      Fade("Pixel", PixelProc),
      Fade("Pixel fade", PixelFadeProc),
      Fade("Pixel line", PixelLineProc),
      Fade("CircleSlideOut", CircleSlideOutProc),
      Fade("CircleFadeOut", CircleFadeOutProc),
      Fade("CircleSmoothOut", CircleSmoothOutProc),
      Fade("CircleSlideIn", CircleSlideInProc),
      Fade("CircleFadeIn", CircleFadeInProc),
      Fade("CircleSmoothIn", CircleSmoothInProc),
      Fade("CircleSlide", CircleSlideProc),
      Fade("CircleFade", CircleFadeProc),
      Fade("CircleSmooth", CircleSmoothProc),
      Fade("DiamondSlideIn", DiamondSlideInProc),
      Fade("DiamondFadeIn", DiamondFadeInProc),
      Fade("DiamondSmoothIn", DiamondSmoothInProc),
      Fade("DiamondSlideOut", DiamondSlideOutProc),
      Fade("DiamondFadeOut", DiamondFadeOutProc),
      Fade("DiamondSmoothOut", DiamondSmoothOutProc),
      Fade("RotateSlide", RotateSlideProc),
      Fade("RotateFade", RotateFadeProc),
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
