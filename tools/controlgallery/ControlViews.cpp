#include "ControlViews.h"

#include <algorithm>

#include "ButtonViews.h"
#include "CheckViews.h"
#include "EditViews.h"
#include "HintViews.h"
#include "ListViewViews.h"
#include "MenuViews.h"
#include "TabViews.h"
#include "TrackBarViews.h"
#include "ViewSupport.h"
#include "controls/scroll/SeSkinScrollBar.h"
#include "gfx/Bitmap.h"
#include "skin/SkinEngine.h"
#include "toolkit/Forms.h"

namespace {

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
  static const std::vector<TControlView> Views{
      {"ScrollBar", ScrollBars},
      {"TrackBar", TrackBars},
      {"TrackBarVertical", VerticalTrackBars},
      {"TransparencyBar", TransparencyBars},
      ButtonView(),
      CheckBoxView(),
      GroupBoxView(),
      LabelView(),
      TabRowsView(),
      TabScrollView(),
      TabSideView(),
      PageControlView(),
      ListViewView(),
      MenuView(),
      MenuScrollView(),
      EditView(),
      HotKeyView(),
      HintView(),
  };
  return Views;
}

std::vector<TViewSkin> ViewSkins(const std::string& BuiltIn, const std::string& Dark) {
  return {{"plain", ""}, {"slate-breeze", BuiltIn}, {"midnight-ember", Dark}};
}

TSkinPicture RenderControlView(const TControlView& View, const TViewSkin& Skin) {
  auto* Form = MakeComponent<TForm>(Application);
  Form->Position = TPosition::poDesigned;
  Form->SetColor(ViewBackdrop);
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
