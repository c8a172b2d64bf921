#pragma once
// The memory behind a surface. In the Windows build it is a 32-bit bottom-up
// device-independent section selected into a memory device context for its whole life, so
// the platform's block transfers can read and write it; on the host it is ordinary memory.

#include <cstdint>
#include <memory>

#include "gfx/Pixels.h"

#ifdef _WIN32
#include <windows.h>
#endif

class TseBitmapStorage {
public:
  // Storage of Width x Height pixels (both positive), zeroed unless Zeroed is false (the
  // Windows sections always are). Raises Exception with "Can't
  // allocate the DIB handle", "Can't create compatible DC" or "Can't select an object into
  // DC"; nothing is left allocated then.
  static std::unique_ptr<TseBitmapStorage> Create(int32_t Width, int32_t Height,
                                                  bool Zeroed = true);
  ~TseBitmapStorage();
  TseBitmapStorage(const TseBitmapStorage&) = delete;
  TseBitmapStorage& operator=(const TseBitmapStorage&) = delete;

  TsePixel* Bits() const { return FBits; }
#ifdef _WIN32
  HBITMAP Handle() const { return FHandle; }
  HDC DC() const { return FDC; }
#endif

private:
  TseBitmapStorage() = default;
  TsePixel* FBits = nullptr;
#ifdef _WIN32
  HBITMAP FHandle = nullptr;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
#endif
};

// Whether Width x Height pixels of 4 bytes fit the sizes the platform can address.
constexpr bool StorageSizeFits(int32_t Width, int32_t Height) {
  return static_cast<uint64_t>(Width) * static_cast<uint64_t>(Height) * 4 <= 0x7FFFFFFFu;
}
