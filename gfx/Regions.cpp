#include "gfx/Regions.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/RegionRuns.h"

namespace {

// The run buffer, reused by every call: rectangles go to the platform this many at a time.
constexpr size_t RunBufferSize = 2001;

TRegionHandle RegionOfRuns(const TRect* Runs, size_t Count, const TseBitmap& Bitmap) {
  std::vector<uint8_t> Data(sizeof(RGNDATAHEADER) + Count * sizeof(RECT));
  RGNDATAHEADER Header{};
  Header.dwSize = sizeof(RGNDATAHEADER);
  Header.iType = RDH_RECTANGLES;
  Header.nCount = static_cast<DWORD>(Count);
  Header.nRgnSize = 0;
  Header.rcBound = {0, 0, Bitmap.Width(), Bitmap.Height()};
  std::memcpy(Data.data(), &Header, sizeof Header);
  auto* Rects = reinterpret_cast<RECT*>(Data.data() + sizeof Header);
  for (size_t I = 0; I < Count; ++I)
    Rects[I] = {Runs[I].Left, Runs[I].Top, Runs[I].Right, Runs[I].Bottom};
  return TRegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(Data.size()),
                                       reinterpret_cast<const RGNDATA*>(Data.data())));
}

} // namespace

TRegionHandle CreateRegionFromBitmap(const TseBitmap& Bitmap, int32_t X, int32_t Y) {
  if (Bitmap.Empty() || Bitmap.Width() <= 0 || Bitmap.Height() <= 0)
    return nullptr;
  static std::vector<TRect> Runs;
  ScanRegionRuns(Bitmap, X, Y, Runs);
  // A picture with more runs than one buffer holds is built in pieces and joined.
  TRegionHandle Region =
      RegionOfRuns(Runs.data(), std::min(Runs.size(), RunBufferSize), Bitmap);
  for (size_t Start = RunBufferSize; Region && Start < Runs.size(); Start += RunBufferSize) {
    const TRegionHandle Piece =
        RegionOfRuns(Runs.data() + Start, std::min(Runs.size() - Start, RunBufferSize), Bitmap);
    if (!Piece)
      return nullptr;
    CombineRgn(Region.get(), Region.get(), Piece.get(), RGN_OR);
  }
  return Region;
}

bool PointInPolygon(POINT Point, const POINT* Points, int LastIndex) {
  const TRegionHandle Region(CreatePolygonRgn(Points, LastIndex + 1, WINDING));
  return Region && PtInRegion(Region.get(), Point.x, Point.y) != FALSE;
}
