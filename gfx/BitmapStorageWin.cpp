#include "gfx/BitmapStorage.h"
#include "toolkit/SysUtils.h"

std::unique_ptr<TseBitmapStorage> TseBitmapStorage::Create(int32_t Width, int32_t Height,
                                                           bool /*Zeroed*/) {
  if (Width <= 0 || Height <= 0 || !StorageSizeFits(Width, Height))
    throw Exception("Can't allocate the DIB handle");
  std::unique_ptr<TseBitmapStorage> Storage(new TseBitmapStorage);
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = Height; // positive: bottom-up
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  Storage->FHandle = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!Storage->FHandle || !Bits)
    throw Exception("Can't allocate the DIB handle");
  Storage->FBits = static_cast<TsePixel*>(Bits);
  Storage->FDC = CreateCompatibleDC(nullptr);
  if (!Storage->FDC)
    throw Exception("Can't create compatible DC");
  Storage->FOldBitmap = SelectObject(Storage->FDC, Storage->FHandle);
  if (!Storage->FOldBitmap || Storage->FOldBitmap == HGDI_ERROR)
    throw Exception("Can't select an object into DC");
  return Storage;
}

TseBitmapStorage::~TseBitmapStorage() {
  if (FDC) {
    if (FOldBitmap && FOldBitmap != HGDI_ERROR)
      SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
  }
  if (FHandle)
    DeleteObject(FHandle);
}
