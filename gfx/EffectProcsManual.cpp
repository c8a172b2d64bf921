// MANUAL procedures: the new image slides in over (or pushes out) the old one. The
// animation's rotation chooses the edge it comes from.

#include <algorithm>

#include "gfx/Animation.h"
#include "gfx/Bitmap.h"
#include "gfx/EffectProcs.h"

namespace {

// Offset of the new image at distance D, and the direction the old one moves.
void SlideOffsets(TseRotation Rotation, int32_t W, int32_t H, int32_t Percent, int32_t& NewX,
                  int32_t& NewY, int32_t& OldX, int32_t& OldY) {
  NewX = NewY = OldX = OldY = 0;
  switch (Rotation) {
  case qrRotate90: { // from below
    const int32_t D = MulDivRound(H, Percent, 100);
    NewY = H - D;
    OldY = -D;
    break;
  }
  case qrRotate180: { // from the right
    const int32_t D = MulDivRound(W, Percent, 100);
    NewX = W - D;
    OldX = -D;
    break;
  }
  case qrRotate270: { // from above
    const int32_t D = MulDivRound(H, Percent, 100);
    NewY = D - H;
    OldY = D;
    break;
  }
  default: { // from the left
    const int32_t D = MulDivRound(W, Percent, 100);
    NewX = D - W;
    OldX = D;
    break;
  }
  }
}

} // namespace

void SlideManualProc(TseBitmap& Target, TseBitmap& NewImage, const TseAnimationRec& Settings,
                     int32_t Percent) {
  int32_t NewX, NewY, OldX, OldY;
  SlideOffsets(Settings.Rotation(), Target.Width(), Target.Height(), Percent, NewX, NewY, OldX,
               OldY);
  NewImage.DrawTo(Target, NewX, NewY);
}

void PushManualProc(TseBitmap& Target, TseBitmap& NewImage, const TseAnimationRec& Settings,
                    int32_t Percent) {
  int32_t NewX, NewY, OldX, OldY;
  SlideOffsets(Settings.Rotation(), Target.Width(), Target.Height(), Percent, NewX, NewY, OldX,
               OldY);
  if (!Target.Empty() && (OldX != 0 || OldY != 0)) {
    TseBitmap Old;
    Old.SetSize(Target.Width(), Target.Height());
    std::copy_n(Target.Bits(), static_cast<int64_t>(Target.Width()) * Target.Height(), Old.Bits());
    Old.DrawTo(Target, OldX, OldY);
  }
  NewImage.DrawTo(Target, NewX, NewY);
}
