// Push buttons as the main window has them (double-buffered, 75 x 23 and 107 x 23): at rest,
// hot, pressed, focused as the default, disabled, and with a two-cell glyph, enabled and
// disabled.

#include "ButtonViews.h"

#include <windows.h>

#include <vector>

#include "ViewSupport.h"
#include "controls/buttons/SeSkinButton.h"
#include "gfx/Bitmap.h"
#include "toolkit/Forms.h"

namespace {

// A 2-cell 16 x 16 glyph: a green tick on magenta (its transparent colour), and the tick in
// grey for the disabled cell.
TBitmap TickGlyph() {
  TBitmap Glyph;
  Glyph.SetSize32(32, 16);
  TBitmapDC DC(Glyph.Handle());
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 32; ++X)
      SetPixelV(DC.Handle(), X, Y, RGB(255, 0, 255));
  for (int Cell = 0; Cell < 2; ++Cell) {
    const COLORREF Ink = Cell == 0 ? RGB(0, 128, 0) : RGB(128, 128, 128);
    for (int I = 0; I < 5; ++I)
      for (int T = 0; T < 2; ++T) {
        SetPixelV(DC.Handle(), Cell * 16 + 3 + I, 7 + I + T, Ink);
        SetPixelV(DC.Handle(), Cell * 16 + 7 + I, 11 - I + T - 1, Ink);
      }
  }
  return Glyph;
}

enum TLook { Normal, Hot, Pressed, Default, Disabled, Glyph, GlyphDisabled, LookCount };

TSkinPicture Buttons(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < LookCount; ++Look) {
    auto* Button = MakeComponent<TSeSkinButton>(&Form);
    Button->SetParent(&Form);
    Button->SetBounds(10, 10, Look >= Glyph ? 107 : 75, 23);
    Button->SetCaption(Look >= Glyph ? "Make Opacity" : "Refresh");
    Button->SetPerformance(qzpDoubleBuffer);
    Button->SetSkinEngine(Engine);
    const LPARAM Middle = MAKELPARAM(30, 11);
    switch (Look) {
    case Hot:
      SendMessageW(Button->Handle(), WM_MOUSEMOVE, 0, Middle);
      break;
    case Pressed:
      SendMessageW(Button->Handle(), WM_MOUSEMOVE, 0, Middle);
      SendMessageW(Button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Middle);
      break;
    case Default:
      Button->SetDefault(true);
      break;
    case Disabled:
    case GlyphDisabled:
      Button->SetEnabled(false);
      break;
    default:
      break;
    }
    if (Look >= Glyph)
      Button->SetGlyph(TickGlyph());
    Views.push_back(CaptureWindowed(*Button));
    if (GetCapture())
      ReleaseCapture();
    Button->Free();
  }
  return SideBySide(Views);
}

} // namespace

TControlView ButtonView() { return {"Button", Buttons}; }
