#include "EmberArt.h"

#include "tools/skingen/EmberParts.h"

namespace SkinGen {

const FrameGeometry EmberFrame{24, 4, 4, 4, 184, 32, 3.5f, 6, 3.5f, 3.5f};
const FrameGeometry EmberToolFrame{18, 3, 3, 3, 120, 24, 2.5f, 4, 2.5f, 4, 6};

std::vector<SkinBitmap> DrawEmberBitmaps() {
  std::vector<SkinBitmap> Out;
  for (auto* Group : {Ember::DrawFrames, Ember::DrawControls, Ember::DrawMenusAndBars,
                      Ember::DrawScrollers})
    for (SkinBitmap& Bitmap : Group())
      Out.push_back(std::move(Bitmap));
  return Out;
}

} // namespace SkinGen
