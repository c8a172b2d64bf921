#include "ViewSupport.h"

#include <algorithm>

#include "gfx/Bitmap.h"
#include "toolkit/Forms.h"

TSkinPicture Capture(TForm& Form, const TControl& Control) {
  TseBitmap Surface;
  Surface.SetSize(Form.ClientWidth(), Form.ClientHeight());
  SendMessageW(Form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  TSkinPicture Picture{Control.Width(), Control.Height(), {}};
  for (int Y = 0; Y < Control.Height(); ++Y)
    for (int X = 0; X < Control.Width(); ++X)
      Picture.Pixels.push_back(Surface.GetPixel(Control.Left() + X, Control.Top() + Y) & 0xFFFFFF);
  return Picture;
}

TSkinPicture CaptureWindowed(TWinControl& Control) {
  TseBitmap Surface;
  Surface.SetSize(Control.Width(), Control.Height());
  SendMessageW(Control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT);
  GdiFlush();
  TSkinPicture Picture{Control.Width(), Control.Height(), {}};
  for (int Y = 0; Y < Control.Height(); ++Y)
    for (int X = 0; X < Control.Width(); ++X)
      Picture.Pixels.push_back(Surface.GetPixel(X, Y) & 0xFFFFFF);
  return Picture;
}

void SendMouse(TWinControl& Control, UINT Msg, WPARAM Keys, TPoint At) {
  SendMessageW(Control.Handle(), Msg, Keys, MAKELPARAM(At.X, At.Y));
}

TSkinPicture SideBySide(const std::vector<TSkinPicture>& Views) {
  TSkinPicture Strip;
  for (const TSkinPicture& View : Views) {
    Strip.Width += View.Width + ViewGap;
    Strip.Height = std::max(Strip.Height, View.Height);
  }
  Strip.Width += ViewGap;
  Strip.Height += 2 * ViewGap;
  const uint32_t Back =
      (ViewBackdrop & 0xFF) << 16 | (ViewBackdrop & 0xFF00) | (ViewBackdrop >> 16 & 0xFF);
  Strip.Pixels.assign(static_cast<size_t>(Strip.Width) * Strip.Height, Back);
  int Left = ViewGap;
  for (const TSkinPicture& View : Views) {
    for (int Y = 0; Y < View.Height; ++Y)
      std::copy_n(View.Pixels.begin() + static_cast<ptrdiff_t>(Y) * View.Width, View.Width,
                  Strip.Pixels.begin() + static_cast<ptrdiff_t>(Y + ViewGap) * Strip.Width + Left);
    Left += View.Width + ViewGap;
  }
  return Strip;
}

void Mouse(TForm& Form, const TControl& Control, UINT Msg, WPARAM Keys, TPoint At) {
  SendMessageW(Form.Handle(), Msg, Keys, MAKELPARAM(Control.Left() + At.X, Control.Top() + At.Y));
}
