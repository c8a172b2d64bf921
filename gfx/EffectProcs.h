#pragma once
// The built-in transition procedures and the mask primitives they share.
//
// Masks are Width x Height bytes, row 0 first; cells outside the mask are never written.
// Three value families: "slide" shapes write 255, "fade" shapes the fade value of the
// percentage, and "smooth" shapes nested outlines whose values fall off outward so a soft
// edge sweeps across.

#include <cmath>
#include <cstdint>
#include <vector>

#include "gfx/Effects.h"
#include "toolkit/Types.h"

// Round half to even, as the effect formulas are defined.
inline int32_t RoundEven(double Value) { return static_cast<int32_t>(std::nearbyint(Value)); }

inline void MaskSet(uint8_t* Mask, int32_t Width, int32_t Height, int32_t X, int32_t Y,
                    uint8_t Value) {
  if (X >= 0 && Y >= 0 && X < Width && Y < Height)
    Mask[static_cast<int64_t>(Y) * Width + X] = Value;
}

// Line from (X1, Y1) to (X2, Y2), both ends included.
void MaskLine(uint8_t* Mask, int32_t Width, int32_t Height, int32_t X1, int32_t Y1, int32_t X2,
              int32_t Y2, uint8_t Value);
// Midpoint circle drawn two cells thick, so radii 0, 1, 2, ... drawn in turn fill a disc.
void MaskCircle(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                int32_t Radius, uint8_t Value);

// The fade value: MulDiv(P, 255, 100).
uint8_t FadeValue(int32_t Percent);
// Outline K of N + 1 nested smooth outlines.
uint8_t SmoothValue(int32_t Percent, int32_t K, int32_t N);
// Turns a mask computed by an Out effect at 100 - P into its In variant at P.
void InvertSlideMask(uint8_t* Mask, int32_t Width, int32_t Height);
void InvertFadeMask(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent);
void InvertSmoothMask(uint8_t* Mask, int32_t Width, int32_t Height);

// Diagonal length Round(sqrt(W^2 + H^2)) and the per-step scale of shapes that keep the
// mask's aspect: (1, H/W) when H < W, else (W/H, 1).
int32_t MaskDiag(int32_t Width, int32_t Height);
void AspectSteps(int32_t Width, int32_t Height, double& SX, double& SY);

// Outlines used by several families.
void MaskRectOutline(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                     int32_t A, int32_t B, uint8_t Value);
void MaskDiamondOutline(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                        int32_t A, int32_t B, uint8_t Value);
void MaskCrossOutline(uint8_t* Mask, int32_t Width, int32_t Height, int32_t CX, int32_t CY,
                      int32_t A, int32_t B, uint8_t Value);

// Shapes shared by the slide and fade families (Percent > 0; the circles' at 0 too), drawn
// with Value.
void ShapeDiagonal(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeDiagonalIn(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeDiagonalOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeDown(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeIn(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeCrossOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeRectOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeDiamondOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeCircleOut(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeCircleIn(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
void ShapeCircleCorner(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent,
                       uint8_t Value);
void ShapeRotate(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent, uint8_t Value);
// Random cells of the pixel effects, seeded with W x H: Count distinct cell indexes in the
// order they were drawn.
std::vector<int32_t> RandomCells(int32_t Width, int32_t Height, int32_t Count);

// FADE procedures with shapes of their own, in registration order; those that only give a
// shared shape a family's value, or invert an outward effect, are made by the table.
void SmoothDiagonalProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothDiagonalInProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothDiagonalOutProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothDownProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothInProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothOutProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothCrossOutProc(uint8_t*, int32_t, int32_t, int32_t);
void SmoothRectOutProc(uint8_t*, int32_t, int32_t, int32_t);
void FadeProc(uint8_t*, int32_t, int32_t, int32_t);
void PixelProc(uint8_t*, int32_t, int32_t, int32_t);
void PixelFadeProc(uint8_t*, int32_t, int32_t, int32_t);
void PixelLineProc(uint8_t*, int32_t, int32_t, int32_t);
void CircleSmoothOutProc(uint8_t*, int32_t, int32_t, int32_t);
void CircleSmoothProc(uint8_t*, int32_t, int32_t, int32_t);
void DiamondSmoothOutProc(uint8_t*, int32_t, int32_t, int32_t);
void RotateSmoothProc(uint8_t*, int32_t, int32_t, int32_t);
void StreamProc(uint8_t*, int32_t, int32_t, int32_t);
void PlasmaProc(uint8_t*, int32_t, int32_t, int32_t);

// SLIDE procedures.
void InterlaceProc(TseSlideCell*, int32_t, int32_t, int32_t);
void CornerProc(TseSlideCell*, int32_t, int32_t, int32_t);

// MANUAL procedures.
void SlideManualProc(TseBitmap& Target, TseBitmap& NewImage, const TseAnimationRec& Settings,
                     int32_t Percent);
void PushManualProc(TseBitmap& Target, TseBitmap& NewImage, const TseAnimationRec& Settings,
                    int32_t Percent);

// The built-in set in registration order: the effect's own name (without the kind prefix)
// and its procedure.
struct TseBuiltInEffect {
  const char* Name;
  TseProcKind Kind;
  TseFadeProc Fade;
  TseSlideProc Slide;
  TseManualProc Manual;
};
const std::vector<TseBuiltInEffect>& BuiltInEffects();
