#include "gfx/RegionRuns.h"

void ScanRegionRuns(const TseBitmap& Bitmap, int32_t X, int32_t Y, std::vector<TRect>& Runs) {
  Runs.clear();
  if (Bitmap.Empty())
    return;
  for (int32_t Row = 0; Row < Bitmap.Height(); ++Row) {
    const TsePixel* Pixels = Bitmap.PixelPtr(0, Row);
    int32_t Column = 0;
    while (Column < Bitmap.Width()) {
      while (Column < Bitmap.Width() && IsKeyColored(Pixels[Column]))
        ++Column;
      if (Column == Bitmap.Width())
        break;
      const int32_t Start = Column;
      while (Column < Bitmap.Width() && !IsKeyColored(Pixels[Column]))
        ++Column;
      Runs.push_back({Start + X, Row + Y, Column + X, Row + 1 + Y});
    }
  }
}
