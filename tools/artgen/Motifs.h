#pragma once
// The two drawings everything else is built from: the overlapping-windows emblem and the
// target reticle, plus the palette they share.

#include "Canvas.h"

namespace ArtGen {

namespace Palette {
inline const Color Navy = Rgb(28, 52, 84);
inline const Color Blue = Rgb(44, 104, 168);
inline const Color Sky = Rgb(96, 168, 226);
inline const Color Teal = Rgb(36, 164, 158);
inline const Color DeepTeal = Rgb(18, 100, 108);
inline const Color Mist = Rgb(196, 236, 230);
inline const Color Paper = Rgb(248, 251, 253);
inline const Color Ink = Rgb(22, 30, 42);
inline const Color White = Rgb(255, 255, 255);
// The face colour of dialogs, for the pixels a picture leaves uncovered.
inline const Color DialogFace = Rgb(236, 233, 216);
} // namespace Palette

// The emblem: a solid window with a translucent one overlapping it, fitted to the square at
// (Left, Top). Sizes that are multiples of 16 keep edges on whole pixels; larger sizes get
// more detail.
void DrawEmblem(Canvas& Target, float Left, float Top, float Size);

// Dimensions of the reticle in pixels. Strokes are light lines with a dark rim so that the
// reticle stays visible on any background.
struct ReticleShape {
  float RingRadius = 8;   // centre line of the ring
  float ArmStart = 3.5f;  // distance of the arms' inner ends from the centre
  float ArmEnd = 14.5f;   // distance of their outer ends
  float LightWidth = 1;   // the light strokes
  float RimWidth = 1;     // the dark rim on each side of them
  float RingWidth = 1.4f; // the light ring stroke
};

// The reticle centred on (CentreX, CentreY); a centre on a pixel's middle keeps the arms crisp.
void DrawReticle(Canvas& Target, float CentreX, float CentreY, const ReticleShape& Form);

} // namespace ArtGen
