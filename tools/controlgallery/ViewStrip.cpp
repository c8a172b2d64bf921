#include "ViewStrip.h"

#include <algorithm>

#include "gfx/Bitmap.h"

namespace {

constexpr int Gap = 6;

TSkinPicture Cut(const TseBitmap& Surface, const TControl& Control) {
  TSkinPicture Picture{Control.Width(), Control.Height(), {}};
  for (int Y = 0; Y < Control.Height(); ++Y)
    for (int X = 0; X < Control.Width(); ++X)
      Picture.Pixels.push_back(Surface.GetPixel(Control.Left() + X, Control.Top() + Y) & 0xFFFFFF);
  return Picture;
}

// Control and its windowed children painted into DC, whose origin is the form's client
// corner. Each paints into a picture of its own at its own origin (skin drawing writes
// pixels where the device's origin is not taken into account), copied into place.
void PrintWindowed(TForm& Form, TWinControl& Control, HDC DC) {
  const POINT Origin = Form.ScreenToClient(Control.ClientToScreen({0, 0}));
  TseBitmap Own;
  Own.SetSize(Control.Width(), Control.Height());
  SendMessageW(Control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Own.DC()), PRF_CLIENT);
  GdiFlush();
  BitBlt(DC, Origin.x, Origin.y, Control.Width(), Control.Height(), Own.DC(), 0, 0, SRCCOPY);
  for (int I = 0; I < Control.ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TWinControl*>(Control.Controls(I)); Child && Child->Visible())
      PrintWindowed(Form, *Child, DC);
}

} // namespace

TSkinPicture Capture(TForm& Form, const TControl& Control) {
  TseBitmap Surface;
  Surface.SetSize(Form.ClientWidth(), Form.ClientHeight());
  SendMessageW(Form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  return Cut(Surface, Control);
}

TSkinPicture CaptureWindowed(TForm& Form, TWinControl& Control) {
  TseBitmap Surface;
  Surface.SetSize(Form.ClientWidth(), Form.ClientHeight());
  SendMessageW(Form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  PrintWindowed(Form, Control, Surface.DC());
  GdiFlush();
  return Cut(Surface, Control);
}

TSkinPicture SideBySide(const std::vector<TSkinPicture>& Views) {
  TSkinPicture Strip;
  for (const TSkinPicture& View : Views) {
    Strip.Width += View.Width + Gap;
    Strip.Height = std::max(Strip.Height, View.Height);
  }
  Strip.Width += Gap;
  Strip.Height += 2 * Gap;
  const uint32_t Back =
      (ViewBackdrop & 0xFF) << 16 | (ViewBackdrop & 0xFF00) | (ViewBackdrop >> 16 & 0xFF);
  Strip.Pixels.assign(static_cast<size_t>(Strip.Width) * Strip.Height, Back);
  int Left = Gap;
  for (const TSkinPicture& View : Views) {
    for (int Y = 0; Y < View.Height; ++Y)
      std::copy_n(View.Pixels.begin() + static_cast<ptrdiff_t>(Y) * View.Width, View.Width,
                  Strip.Pixels.begin() + static_cast<ptrdiff_t>(Y + Gap) * Strip.Width + Left);
    Left += View.Width + Gap;
  }
  return Strip;
}

void Mouse(TForm& Form, const TControl& Control, UINT Msg, WPARAM Keys, TPoint At) {
  SendMessageW(Form.Handle(), Msg, Keys, MAKELPARAM(Control.Left() + At.X, Control.Top() + At.Y));
}
