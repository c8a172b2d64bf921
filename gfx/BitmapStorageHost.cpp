#include <cstdlib>

#include "gfx/BitmapStorage.h"
#include "toolkit/SysUtils.h"

std::unique_ptr<TseBitmapStorage> TseBitmapStorage::Create(int32_t Width, int32_t Height,
                                                           bool Zeroed) {
  if (Width <= 0 || Height <= 0 || !StorageSizeFits(Width, Height))
    throw Exception("Can't allocate the DIB handle");
  std::unique_ptr<TseBitmapStorage> Storage(new TseBitmapStorage);
  const size_t Count = static_cast<size_t>(Width) * static_cast<size_t>(Height);
  Storage->FBits = static_cast<TsePixel*>(Zeroed ? std::calloc(Count, sizeof(TsePixel))
                                                 : std::malloc(Count * sizeof(TsePixel)));
  if (!Storage->FBits)
    throw Exception("Can't allocate the DIB handle");
  return Storage;
}

TseBitmapStorage::~TseBitmapStorage() { std::free(FBits); }
