#include "controls/base/SharedBuffer.h"

#include <windows.h>

namespace {

struct TSharedBuffer {
  // Measured at start-up: a later change of display mode does not move the size.
  const int Width = GetSystemMetrics(SM_CXSCREEN) + 500;
  const int Height = GetSystemMetrics(SM_CYSCREEN) + 500;
  TseBitmap Surface;
};

TSharedBuffer GShared;

} // namespace

TseBitmap& SharedBuffer() { return GShared.Surface; }

TseBitmap& SizedSharedBuffer() {
  if (GShared.Surface.Empty())
    GShared.Surface.SetSize(GShared.Width, GShared.Height);
  return GShared.Surface;
}
