#include "ViewSupport.h"

#include <algorithm>

#include "gfx/Bitmap.h"
#include "gfx/Pixels.h"
#include "toolkit/Forms.h"

namespace {

// The part of Surface at (Left, Top) of the control's size, as a picture.
TSkinPicture Cut(const TseBitmap& Surface, const TControl& Control, int Left, int Top) {
  TSkinPicture Picture{Control.Width(), Control.Height(), {}};
  for (int Y = 0; Y < Control.Height(); ++Y)
    for (int X = 0; X < Control.Width(); ++X)
      Picture.Pixels.push_back(Surface.GetPixel(Left + X, Top + Y) & 0xFFFFFF);
  return Picture;
}

// Form's client area as the form paints it (its windowless controls included).
void PrintForm(TForm& Form, TseBitmap& Surface) {
  Surface.SetSize(Form.ClientWidth(), Form.ClientHeight());
  SendMessageW(Form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
}

// Control and its windowed children painted into DC, whose origin is the form's client
// corner. Each paints into a picture of its own at its own origin (skin drawing writes
// pixels where the device's origin is not taken into account), copied into place. Flags are
// those of WM_PRINTCLIENT.
void PrintWindowed(TForm& Form, TWinControl& Control, HDC DC, LPARAM Flags) {
  const POINT Origin = Form.ScreenToClient(Control.ClientToScreen({0, 0}));
  TseBitmap Own;
  Own.SetSize(Control.Width(), Control.Height());
  SendMessageW(Control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Own.DC()), Flags);
  GdiFlush();
  BitBlt(DC, Origin.x, Origin.y, Control.Width(), Control.Height(), Own.DC(), 0, 0, SRCCOPY);
  for (int I = 0; I < Control.ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TWinControl*>(Control.Controls(I)); Child && Child->Visible())
      PrintWindowed(Form, *Child, DC, Flags);
}

} // namespace

TSkinPicture Capture(TForm& Form, const TControl& Control) {
  TseBitmap Surface;
  PrintForm(Form, Surface);
  GdiFlush();
  return Cut(Surface, Control, Control.Left(), Control.Top());
}

TSkinPicture CaptureWindowed(TWinControl& Control) {
  TseBitmap Surface;
  Surface.SetSize(Control.Width(), Control.Height());
  SendMessageW(Control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT);
  GdiFlush();
  return Cut(Surface, Control, 0, 0);
}

TSkinPicture CaptureWindowed(TForm& Form, TWinControl& Control, bool EraseBackgrounds) {
  TseBitmap Surface;
  PrintForm(Form, Surface);
  PrintWindowed(Form, Control, Surface.DC(),
                EraseBackgrounds ? PRF_CLIENT | PRF_ERASEBKGND : PRF_CLIENT);
  GdiFlush();
  return Cut(Surface, Control, Control.Left(), Control.Top());
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
  const uint32_t Back = ColorToPixel(ViewBackdrop, 0);
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
