#include "controls/SePopupWindow.h"

#include "controls/EffectOptions.h"
#include "controls/SeCustomItem.h"
#include "controls/SePopupForm.h"
#include "controls/SePopupView.h"
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
  FView->Form = FForm;
  FView->PopupWindow = this;
  FView->Window = this;
  FView->Item = &Item;
  FView->ParentView = ParentView;
  FForm->View = FView;
}
