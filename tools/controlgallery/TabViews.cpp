// Tab controls as skinned tab controls draw them: two rows of tabs on top (the active tab's
// row next to the page, a hot tab in the other), a single line too long for its strip with
// its scroll buttons (at rest, hot, held), tabs on the left side, and a
// page control whose shown sheet holds a label and a button.

#include "TabViews.h"

#include <windows.h>

#include <string>
#include <vector>

#include "ViewSupport.h"
#include "controls/buttons/SeSkinButton.h"
#include "controls/labels/SeSkinLabel.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "controls/tabs/SeSkinPageControl.h"
#include "toolkit/Forms.h"

namespace {

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

TSeSkinTabControl* PlaceTabs(TForm& Form, TSeSkinEngine* Engine, int Width, int Height,
                             const std::vector<std::string>& Captions) {
  auto* Tabs = MakeComponent<TSeSkinTabControl>(&Form);
  Tabs->SetParent(&Form);
  Tabs->SetBounds(10, 10, Width, Height);
  Tabs->SetPerformance(qzpDoubleBuffer);
  Tabs->Tabs().Assign(Captions);
  Tabs->SetSkinEngine(Engine);
  return Tabs;
}

TSkinPicture TabRows(TForm& Form, TSeSkinEngine* Engine) {
  auto* Tabs = PlaceTabs(Form, Engine, 260, 110,
                         {"Operate", "Windows List", "Drag Operate", "Settings", "About"});
  Tabs->SetMultiLine(true);
  Tabs->SetTabIndex(1);
  // The pointer over the outer row's tab, above the row in front of it (every tab's
  // rectangle reaches down to the page).
  const TRect Outer = Tabs->Layout().TabRect(4);
  SendMouse(*Tabs, WM_MOUSEMOVE, 0, {Centre(Outer).X, Outer.Top + 4});
  TSkinPicture Picture = CaptureWindowed(*Tabs);
  Tabs->Free();
  return Picture;
}

// At rest; the last tab chosen (scrolled into view) with the pointer over the left button;
// the right button held (scrolled by one tab).
TSkinPicture TabScroll(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < 3; ++Look) {
    auto* Tabs =
        PlaceTabs(Form, Engine, 200, 70, {"First", "Second", "Third", "Fourth", "Fifth", "Sixth"});
    if (Look == 1) {
      Tabs->SetTabIndex(5);
      SendMouse(*Tabs, WM_MOUSEMOVE, 0, Centre(Tabs->Layout().LeftButtonRect()));
    } else if (Look == 2) {
      const TPoint Right = Centre(Tabs->Layout().RightButtonRect());
      SendMouse(*Tabs, WM_MOUSEMOVE, 0, Right);
      SendMouse(*Tabs, WM_LBUTTONDOWN, MK_LBUTTON, Right);
    }
    Views.push_back(CaptureWindowed(*Tabs));
    SendMouse(*Tabs, WM_LBUTTONUP, 0, {-5, -5});
    if (GetCapture())
      ReleaseCapture();
    Tabs->Free();
  }
  return SideBySide(Views);
}

TSkinPicture TabSide(TForm& Form, TSeSkinEngine* Engine) {
  auto* Tabs = PlaceTabs(Form, Engine, 200, 150, {"Operate", "Settings", "About"});
  Tabs->SetTabPosition(tpLeft);
  Tabs->SetTabIndex(1);
  TSkinPicture Picture = CaptureWindowed(*Tabs);
  Tabs->Free();
  return Picture;
}

TSkinPicture Pages(TForm& Form, TSeSkinEngine* Engine) {
  auto* Pages = MakeComponent<TSeSkinPageControl>(&Form);
  Pages->SetParent(&Form);
  Pages->SetBounds(10, 10, 280, 150);
  Pages->SetPerformance(qzpDoubleBuffer);
  Pages->SetMultiLine(true);
  Pages->SetSkinEngine(Engine);
  std::vector<TSeCustomTabSheet*> Sheets;
  for (const char* Caption : {"Operate", "Settings", "About"}) {
    auto* Sheet = MakeComponent<TSeCustomTabSheet>(&Form);
    Sheet->SetCaption(Caption);
    Sheet->SetTabControl(Pages);
    Sheets.push_back(Sheet);
  }
  Pages->SetActivePage(Sheets[1]);
  auto* Label = MakeComponent<TSeSkinLabel>(&Form);
  Label->SetParent(Sheets[1]);
  Label->SetBounds(12, 14, 0, 0);
  Label->SetCaption("Transparency level");
  Label->SetSkinEngine(Engine);
  auto* Button = MakeComponent<TSeSkinButton>(&Form);
  Button->SetParent(Sheets[1]);
  Button->SetBounds(12, 40, 75, 23);
  Button->SetCaption("Apply");
  Button->SetPerformance(qzpDoubleBuffer);
  Button->SetSkinEngine(Engine);
  TSkinPicture Picture = CaptureWindowed(Form, *Pages, true);
  Pages->Free();
  return Picture;
}

} // namespace

TControlView TabRowsView() { return {"TabRows", TabRows}; }
TControlView TabScrollView() { return {"TabScroll", TabScroll}; }
TControlView TabSideView() { return {"TabSide", TabSide}; }
TControlView PageControlView() { return {"PageControl", Pages}; }
