#include "ControlViews.h"

#include <algorithm>

#include "ButtonViews.h"
#include "controls/SeSkinScrollBar.h"
#include "gfx/Bitmap.h"
#include "skin/SkinEngine.h"
#include "toolkit/Forms.h"

namespace {

constexpr int Gap = 6;
constexpr TColor Backdrop = 0x00E0E0E0;

// What Form paints of its client area, cut to Control's bounds.
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

} // namespace

TSkinPicture SideBySide(const std::vector<TSkinPicture>& Views) {
  TSkinPicture Strip;
  for (const TSkinPicture& View : Views) {
    Strip.Width += View.Width + Gap;
    Strip.Height = std::max(Strip.Height, View.Height);
  }
  Strip.Width += Gap;
  Strip.Height += 2 * Gap;
  const uint32_t Back = (Backdrop & 0xFF) << 16 | (Backdrop & 0xFF00) | (Backdrop >> 16 & 0xFF);
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

namespace {

// Mouse input to the form, at a point of the control.
void Mouse(TForm& Form, const TControl& Control, UINT Msg, WPARAM Keys, TPoint At) {
  SendMessageW(Form.Handle(), Msg, Keys, MAKELPARAM(Control.Left() + At.X, Control.Top() + At.Y));
}

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

// Scroll bars of both kinds: at rest, the second button hot, the first pressed, the thumb
// dragged, disabled.
TSkinPicture ScrollBars(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (const TScrollBarKind Kind : {sbHorizontal, sbVertical})
    for (int State = 0; State < 5; ++State) {
      auto* Bar = MakeComponent<TSeSkinScrollBar>(&Form);
      Bar->SetKind(Kind);
      Bar->SetParent(&Form);
      if (Kind == sbHorizontal)
        Bar->SetBounds(10, 10, 140, 0);
      else
        Bar->SetBounds(10, 10, 0, 120);
      Bar->AdjustThickness();
      Bar->SetPageSize(20);
      Bar->SetPosition(30);
      Bar->SetSkinEngine(Engine);
      Mouse(Form, *Bar, WM_MOUSEMOVE, 0, {-5, -5});
      switch (State) {
      case 1:
        Mouse(Form, *Bar, WM_MOUSEMOVE, 0, Centre(Bar->Button2Rect()));
        break;
      case 2:
        Mouse(Form, *Bar, WM_MOUSEMOVE, 0, Centre(Bar->Button1Rect()));
        Mouse(Form, *Bar, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Bar->Button1Rect()));
        break;
      case 3:
        Mouse(Form, *Bar, WM_MOUSEMOVE, 0, Centre(Bar->ThumbRect()));
        Mouse(Form, *Bar, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Bar->ThumbRect()));
        break;
      case 4:
        Bar->SetEnabled(false);
        break;
      default:
        break;
      }
      Views.push_back(Capture(Form, *Bar));
      if (GetCapture())
        ReleaseCapture();
      Bar->Free();
    }
  return SideBySide(Views);
}

} // namespace

const std::vector<TControlView>& ControlViews() {
  static const std::vector<TControlView> Views{{"ScrollBar", ScrollBars}, ButtonView()};
  return Views;
}

std::vector<TViewSkin> ViewSkins(const std::string& BuiltIn, const std::string& Dark) {
  return {{"plain", ""}, {"slate-breeze", BuiltIn}, {"midnight-ember", Dark}};
}

TSkinPicture RenderControlView(const TControlView& View, const TViewSkin& Skin) {
  auto* Form = MakeComponent<TForm>(Application);
  Form->Position = TPosition::poDesigned;
  Form->SetColor(Backdrop);
  Form->SetClientSize(400, 300);
  Form->HandleNeeded(); // painted while hidden
  TSeSkinEngine* Engine = nullptr;
  if (!Skin.File.empty()) {
    Engine = MakeComponent<TSeSkinEngine>(Form);
    LoadSkin(Skin.File, *Engine->Source());
  }
  struct TFree {
    TForm* Form;
    ~TFree() { Form->Free(); }
  } Free{Form};
  return View.Render(*Form, Engine);
}
