#include "toolkit/ImageList.h"

#include <algorithm>

#include "toolkit/CommonControls.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/SysUtils.h"

namespace {

void FillWith(HDC DC, int Width, int Height, TColor Color) {
  const RECT All{0, 0, Width, Height};
  const TGdiHandle Brush(CreateSolidBrush(ColorToRGB(Color)));
  FillRect(DC, &All, static_cast<HBRUSH>(Brush.get()));
}

} // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) { Recreate(); }

TCustomImageList::~TCustomImageList() {
  if (FHandle)
    CommonControls().ImageList_Destroy(FHandle);
}

void TCustomImageList::Recreate() {
  if (FHandle)
    CommonControls().ImageList_Destroy(FHandle);
  // 24 bits and a mask: no alpha channel for the platform to guess at.
  FHandle = CommonControls().ImageList_Create(std::max(FWidth, 1), std::max(FHeight, 1),
                                              ILC_COLOR24 | ILC_MASK, 4, 4);
  if (!FHandle)
    throw Exception("Invalid image list");
  CommonControls().ImageList_SetBkColor(FHandle, CLR_NONE);
}

void TCustomImageList::Changed() {
  if (OnChange)
    OnChange(this);
}

void TCustomImageList::SetWidth(int Value) {
  if (Value == FWidth)
    return;
  FWidth = Value;
  Recreate();
  Changed();
}

void TCustomImageList::SetHeight(int Value) {
  if (Value == FHeight)
    return;
  FHeight = Value;
  Recreate();
  Changed();
}

int TCustomImageList::Count() const { return CommonControls().ImageList_GetImageCount(FHandle); }

int TCustomImageList::Add(const TBitmap& Strip, TColor MaskColor) {
  if (Strip.Empty() || FWidth <= 0 || FHeight <= 0 || Strip.Width() < FWidth)
    return -1;
  // The platform rewrites the pixels of the mask colour in the bitmap it is given: it gets
  // a copy, one image height high.
  TBitmap Copy;
  Copy.SetSize32(Strip.Width() / FWidth * FWidth, FHeight);
  {
    const TBitmapDC From(Strip.Handle());
    const TBitmapDC To(Copy.Handle());
    if (MaskColor != clNone)
      FillWith(To.Handle(), Copy.Width(), Copy.Height(), MaskColor);
    BitBlt(To.Handle(), 0, 0, Copy.Width(), std::min(Strip.Height(), FHeight), From.Handle(), 0, 0,
           SRCCOPY);
  }
  const int First = Count();
  const int Index =
      MaskColor == clNone
          ? CommonControls().ImageList_Add(FHandle, Copy.Handle(), nullptr)
          : CommonControls().ImageList_AddMasked(FHandle, Copy.Handle(), ColorToRGB(MaskColor));
  if (Index < 0)
    return -1;
  Changed();
  return First;
}

void TCustomImageList::Clear() {
  if (Count() == 0)
    return;
  CommonControls().ImageList_Remove(FHandle, -1);
  Changed();
}

void TCustomImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
  if (Index < 0 || Index >= Count())
    return;
  if (Enabled) {
    CommonControls().ImageList_Draw(FHandle, Index, Canvas.Handle(), X, Y, ILD_TRANSPARENT);
    return;
  }
  if (const TIconHandle Icon(CommonControls().ImageList_GetIcon(FHandle, Index, ILD_TRANSPARENT));
      Icon)
    DrawStateW(Canvas.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(Icon.get()), 0, X, Y,
               FWidth, FHeight, DST_ICON | DSS_DISABLED);
}

void TCustomImageList::GetBitmap(int Index, TBitmap& Image, TColor Background) const {
  if (Index < 0 || Index >= Count())
    return;
  TBitmap Result;
  Result.SetSize32(FWidth, FHeight);
  {
    const TBitmapDC To(Result.Handle());
    FillWith(To.Handle(), FWidth, FHeight, Background);
    TCanvas Canvas(To.Handle());
    Draw(Canvas, 0, 0, Index);
  }
  GdiFlush();
  Image.Assign(Result);
}
