// The frame's show transition: the window's picture as it is about to appear (frame, client
// background and child controls) played over the screen behind it.

#include "controls/base/BackgroundCapture.h"
#include "controls/frame/SeCustomForm.h"
#include "gfx/Animation.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ScopeGuards.h"

namespace {

// A control and its children printed into DC with Control's top-left corner at (X, Y).
void PrintControl(TWinControl& Control, HDC DC, int X, int Y) {
  {
    const TSavedDC Saved(DC);
    const TMoveWindowOrg Moved(DC, X, Y);
    SendMessageW(Control.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(DC),
                 PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT);
  }
  POINT Origin{0, 0};
  ClientToScreen(Control.Handle(), &Origin);
  RECT Outer;
  GetWindowRect(Control.Handle(), &Outer);
  for (int I = 0; I < Control.ControlCount(); ++I) {
    auto* Child = dynamic_cast<TWinControl*>(Control.Controls(I));
    if (!Child || !Child->Visible() || !Child->HandleAllocated())
      continue;
    PrintControl(*Child, DC, X + (Origin.x - Outer.left) + Child->Left(),
                 Y + (Origin.y - Outer.top) + Child->Top());
  }
}

} // namespace

void TSeCustomForm::PlayShowAnimation(const TRect& ScreenRect) {
  if (ScreenRect.IsEmpty())
    return;
  const int WW = ScreenRect.Width(), WH = ScreenRect.Height();
  TseBitmap Image;
  Image.SetSize(WW, WH);
  {
    // Frame and client background paint into the picture instead of the window.
    FShowImage = &Image;
    const TScopeExit Given([this] { FShowImage = nullptr; });
    PaintFrame();
    const TRect Client = GetFrameClientRect();
    {
      const TSavedDC Saved(Image.DC());
      const TMoveWindowOrg Moved(Image.DC(), Client.Left, Client.Top);
      TCanvas Canvas(Image.DC());
      PaintClientBackground(Canvas, {0, 0, Client.Width(), Client.Height()});
    }
    for (int I = 0; I < FForm->ControlCount(); ++I) {
      auto* Child = dynamic_cast<TWinControl*>(FForm->Controls(I));
      if (Child && Child->Visible() && Child->HandleAllocated())
        PrintControl(*Child, Image.DC(), Client.Left + Child->Left(), Client.Top + Child->Top());
    }
  }
  GdiFlush();
  Image.SetAlpha(255);
  // Outside the window's shape the screen stays as it is.
  if (const TRegionHandle Shape(CreateRectRgn(0, 0, 0, 0));
      GetWindowRgn(FForm->Handle(), Shape.get()) != ERROR) {
    TseBitmap Mask;
    Mask.SetSize(WW, WH);
    FillRgn(Mask.DC(), Shape.get(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiFlush();
    for (int Y = 0; Y < WH; ++Y)
      for (int X = 0; X < WW; ++X)
        if ((Mask.GetPixel(X, Y) & 0xFFFFFF) == 0)
          *Image.PixelPtr(X, Y) = KeyColor;
  }
  TseBitmap Behind;
  if (const TseBitmap* Captured = FCapture->Bitmap(); Captured && FCapture->Rect() == ScreenRect) {
    Behind.Assign(*Captured);
  } else {
    TSeBackgroundCapture Fresh;
    Fresh.Capture(nullptr, ScreenRect);
    if (Fresh.Bitmap())
      Behind.Assign(*Fresh.Bitmap());
  }
  if (Behind.Empty())
    return;
  const TWindowDC Screen(nullptr);
  if (Screen.DC())
    PlayAnimation(Screen.DC(), ScreenRect.Left, ScreenRect.Top, FAnimation.Rec(), Image, Behind);
}
