#include "controls/menu/SePopupWindow.h"

#include "controls/base/EffectOptions.h"
#include "controls/base/Platform.h"
#include "controls/frame/SeCustomForm.h"
#include "controls/menu/MenuTracker.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SePopupForm.h"
#include "controls/menu/SePopupView.h"
#include "toolkit/Controls.h"

namespace {

// Shown or hidden where it is, as it is, without activation (SWP_NOSIZE | SWP_NOMOVE |
// SWP_NOZORDER | SWP_NOACTIVATE, with SWP_SHOWWINDOW or SWP_HIDEWINDOW).
constexpr UINT ShowInPlace = 0x57;
constexpr UINT HideInPlace = 0x97;

// The window whose caption stays active while the menu is open.
TWinControl* ActivationKeeperOf(const TSeCustomItem& Item) {
  auto* Control = dynamic_cast<TControl*>(Item.OwnerControl);
  if (TForm* Form = GetParentForm(Control))
    return Form;
  return dynamic_cast<TWinControl*>(Control);
}

// The frame among the components of the control that owns the menu, or null.
TSeCustomForm* OwnerFrameOf(const TSeCustomItem& Item) {
  if (!Item.OwnerControl)
    return nullptr;
  for (int I = 0; I < Item.OwnerControl->ComponentCount(); ++I)
    if (auto* Frame = dynamic_cast<TSeCustomForm*>(Item.OwnerControl->Components(I)))
      return Frame;
  return nullptr;
}

// A frame's painting held back for the guard's life.
class TFramePaintPause {
public:
  explicit TFramePaintPause(TSeCustomForm* Frame)
      : FFrame(Frame), FWas(Frame && Frame->PaintEnabled()) {
    if (FFrame)
      FFrame->SetPaintEnabled(false);
  }
  ~TFramePaintPause() {
    if (FFrame)
      FFrame->SetPaintEnabled(FWas);
  }
  TFramePaintPause(const TFramePaintPause&) = delete;
  TFramePaintPause& operator=(const TFramePaintPause&) = delete;

private:
  TSeCustomForm* FFrame;
  bool FWas;
};

// A level's window hidden again on every path out of its loop.
class TShownPopup {
public:
  explicit TShownPopup(TSePopupWindow& Window) : FWindow(Window) {}
  ~TShownPopup() { FWindow.HidePopup(); }
  TShownPopup(const TShownPopup&) = delete;
  TShownPopup& operator=(const TShownPopup&) = delete;

private:
  TSePopupWindow& FWindow;
};

} // namespace

TSePopupWindow::TSePopupWindow(TComponent* AOwner) : TForm(AOwner) {
  Position = TPosition::poDesigned;
  MinimizeBox = false;
}

TSePopupForm* TSePopupWindow::CreatePopupForm() { return MakeComponent<TSePopupForm>(this); }

void TSePopupWindow::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void TSePopupWindow::VisibleChanged() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, Visible() ? ShowInPlace : HideInPlace);
}

void TSePopupWindow::ShowPopup() { SetVisible(true); }
void TSePopupWindow::HidePopup() { SetVisible(false); }

void TSePopupWindow::Prepare(TSeCustomItem& Item, TSeItemView* ParentView) {
  FForm = CreatePopupForm();
  FForm->ActivationKeeper = ActivationKeeperOf(Item);
  // The options go in before the frame takes the window, which then applies them once.
  if (const TSePopupMenuOptions* Options = Item.Options) {
    FForm->Blending().Assign(Options->Blending());
    FForm->Shadow().Assign(Options->Shadow());
    // Of a popup menu only the first level plays the show animation; a menu bar animates
    // every drop-down.
    if (!Item.PopupMenuFlag || Item.AnimationAllowed) {
      FForm->Animation().Assign(Options->Animation());
      TSeCustomItem* Top = Item.Parent() ? Item.Parent() : &Item;
      Top->ForEach([](TSeCustomItem& Each) { Each.AnimationAllowed = false; });
    }
  }
  FForm->Loaded();
  FForm->SetStayOnTop(true);
  FView = MakeComponent<TSePopupView>(this);
  FView->SetPopupWindow(this, FForm);
  FView->SetItem(&Item);
  FView->SetParentView(ParentView);
  FForm->View = FView;
}

void TSePopupWindow::Popup(TMenuTracker& Tracker, TSeCustomItem& Item, TSeItemView* ParentView,
                           int X, int Y, const TRect& ParentRect) {
  Prepare(Item, ParentView);
  FView->InitiateActions();
  SetBounds(X, Y, 0, 0);
  FView->Layout();
  const TPopupOrigin Origin = ParentRect.Width() < 1            ? TPopupOrigin::poPoint
                              : ParentView && ParentView->Bar() ? TPopupOrigin::poBar
                                                                : TPopupOrigin::poItem;
  const TPoint At =
      PlacePopup(Origin, {X, Y}, ParentRect, Width(), Height(), MonitorRectAtPoint({X, Y}, false));
  SetBounds(At.X, At.Y, Width(), Height());
  {
    // The frame of the window that opens the menu does not repaint while the level appears.
    const TFramePaintPause Paused(OwnerFrameOf(Item));
    ShowPopup();
  }
  if (Item.Foreground)
    SetForegroundWindow(Handle());
  const TShownPopup Shown(*this);
  Tracker.Track(*FView);
}
