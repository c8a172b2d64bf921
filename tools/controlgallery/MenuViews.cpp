#include "MenuViews.h"

#include <memory>
#include <string>
#include <vector>

#include "ViewSupport.h"
#include "controls/menu/SePopupForm.h"
#include "controls/menu/SePopupView.h"
#include "controls/menu/SePopupWindow.h"
#include "controls/menu/SeSkinItem.h"
#include "gfx/Bitmap.h"
#include "toolkit/Forms.h"
#include "toolkit/GdiGuards.h"

namespace {

// The frame's two painting steps, reached as the frame's own window messages would reach them.
struct TFramePainting : TSePopupForm {
  static void NonClient(TSePopupForm& Form, TCanvas& Canvas) {
    (Form.*(&TFramePainting::PaintNonClient))(Canvas);
  }
  static void Client(TSePopupForm& Form, TCanvas& Canvas, const TRect& Area) {
    (Form.*(&TFramePainting::PaintClientBackground))(Canvas, Area);
  }
};

TSeSkinItem* AddRow(TComponent& Owner, TSeCustomItem& Parent, const std::string& Caption) {
  auto* Item = MakeComponent<TSeSkinItem>(&Owner);
  Item->SetCaption(Caption);
  Parent.Add(Item);
  return Item;
}

// The level of Root's children as its window shows it, Current the highlighted row, without
// showing the window or running the menu.
TSkinPicture CaptureLevel(TSeSkinItem& Root, int Current, int HotArrow) {
  std::unique_ptr<TSePopupWindow> Window = Root.CreatePopupWindow();
  Window->Prepare(Root, nullptr);
  Window->SetBounds(-3000, -3000, 0, 0);
  TSePopupView& View = *Window->View();
  View.Layout();
  View.ShowTracked(Current >= 0 ? Root.Items(Current) : nullptr, HotArrow);
  TSePopupForm& Frame = *Window->PopupForm();
  const int W = Window->Width(), H = Window->Height();
  TseBitmap Surface;
  Surface.SetSize(W, H);
  {
    TCanvas Canvas(Surface.DC());
    TFramePainting::NonClient(Frame, Canvas);
    const TRect Inner = Frame.GetFrameClientRect();
    const TMoveWindowOrg Moved(Surface.DC(), Inner.Left, Inner.Top);
    TFramePainting::Client(Frame, Canvas, {0, 0, Inner.Width(), Inner.Height()});
  }
  TSkinPicture Picture = PictureOf(Surface);
  Window->BeforeDestruction();
  return Picture;
}

TSkinPicture Menus(TForm& Form, TSeSkinEngine* Engine) {
  auto* Root = MakeComponent<TSeSkinItem>(&Form);
  AddRow(Form, *Root, "&Open");
  AddRow(Form, *Root, "&Save")->SetShortCut(0x4053); // Ctrl+S
  AddRow(Form, *Root, "&Word wrap")->SetChecked(true);
  AddRow(Form, *Root, "&Print")->SetEnabled(false);
  AddRow(Form, *Root, "-");
  TSeSkinItem* More = AddRow(Form, *Root, "&More");
  AddRow(Form, *More, "Inner");
  AddRow(Form, *Root, "E&xit")->SetShortCut(0x8073); // Alt+F4
  Root->SetSkinEngine(Engine);
  // The first row current; then the checked row current, and the sub-menu's row.
  return SideBySide(
      {CaptureLevel(*Root, 0, 0), CaptureLevel(*Root, 2, 0), CaptureLevel(*Root, 5, 0)});
}

TSkinPicture ScrolledMenus(TForm& Form, TSeSkinEngine* Engine) {
  auto* Root = MakeComponent<TSeSkinItem>(&Form);
  for (int I = 0; I < 10; ++I)
    AddRow(Form, *Root, "Row " + std::to_string(I));
  Root->SetScrolled(true);
  Root->SetScrollCount(4);
  Root->SetSkinEngine(Engine);
  Root->FirstVisible = 3;
  return SideBySide({CaptureLevel(*Root, 3, 0), CaptureLevel(*Root, 4, 2)});
}

} // namespace

TControlView MenuView() { return {"Menu", Menus}; }
TControlView MenuScrollView() { return {"MenuScrolled", ScrolledMenus}; }
