#include "controls/base/BackgroundCapture.h"

#include <utility>

#include "toolkit/GdiGuards.h"

bool TSeBackgroundCapture::Capture(HWND Wnd, const TRect& ScreenRect) {
  if (FBitmap && ScreenRect == FRect)
    return true;
  if (Blocked() || ScreenRect.IsEmpty())
    return false;
  TWindowDC Screen(nullptr);
  if (!Screen.DC())
    return false;
  auto Fresh = std::make_unique<TseBitmap>();
  Fresh->SetSize(ScreenRect.Width(), ScreenRect.Height());
  BitBlt(Fresh->DC(), 0, 0, ScreenRect.Width(), ScreenRect.Height(), Screen.DC(), ScreenRect.Left,
         ScreenRect.Top, SRCCOPY);
  const TRect Kept = IntersectRect(FRect, ScreenRect);
  if (FBitmap && Wnd && IsWindowVisible(Wnd) && !Kept.IsEmpty())
    BitBlt(Fresh->DC(), Kept.Left - ScreenRect.Left, Kept.Top - ScreenRect.Top, Kept.Width(),
           Kept.Height(), FBitmap->DC(), Kept.Left - FRect.Left, Kept.Top - FRect.Top, SRCCOPY);
  GdiFlush(); // the copies may still be owed to the bitmap's memory
  Fresh->SetAlpha(255);
  FBitmap = std::move(Fresh);
  FRect = ScreenRect;
  return true;
}

void TSeBackgroundCapture::Clear() {
  FBitmap.reset();
  FRect = {};
}
