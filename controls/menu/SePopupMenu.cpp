#include "controls/menu/SePopupMenu.h"

#include "controls/menu/MenuTracker.h"
#include "controls/menu/SeClickHandler.h"
#include "controls/menu/SeCustomItem.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/ImageList.h"
#include "toolkit/Published.h"

TSeCustomPopupMenu::TSeCustomPopupMenu(TComponent* AOwner)
    : TSeCustomPopupMenu(AOwner,
                         [](TComponent* Owner) { return MakeComponent<TSeCustomItem>(Owner); }) {}

TSeCustomPopupMenu::TSeCustomPopupMenu(TComponent* AOwner, const TItemFactory& ItemClass)
    : TPopupMenu(AOwner), FItemClass(ItemClass), FItems(ItemClass(this)),
      FOptions(std::make_unique<TSePopupMenuOptions>()) {}

TSeCustomPopupMenu::~TSeCustomPopupMenu() { TMenuTracker::MenuFreed(*this); }

const TPropTable& TSeCustomPopupMenu::Properties() {
  using C = TSeCustomPopupMenu;
  static const TPropTable Table(
      nullptr, {ComponentProp<C, TCustomImageList>("Images", &C::Images, &C::SetImages),
                ObjectProp<C>("PopupMenuOptions", &C::FOptions)});
  return Table;
}

void TSeCustomPopupMenu::Loaded() {
  TPopupMenu::Loaded();
  FItems->RightToLeft = RightToLeft();
  for (int I = 0; I < FItems->Count(); ++I)
    FItems->Items(I)->RightToLeft = RightToLeft();
}

TCustomImageList* TSeCustomPopupMenu::Images() const { return FItems->Images(); }

void TSeCustomPopupMenu::SetImages(TCustomImageList* Value) { FItems->SetImages(Value); }

void TSeCustomPopupMenu::GetChildren(const std::function<void(TComponent&)>& Proc,
                                     const TComponent& Root) const {
  FItems->GetChildren(Proc, Root);
}

void TSeCustomPopupMenu::AdoptItem(TSeCustomItem* Item) { FItems->Add(Item); }

TSeCustomItem* TSeCustomPopupMenu::NewItem() { return FItemClass(this); }

void TSeCustomPopupMenu::SetPopupMenuOptions(const TSePopupMenuOptions& Value) {
  FOptions->Assign(Value);
  TSePopupMenuOptions* Options = FOptions.get();
  FItems->ForEach([Options](TSeCustomItem& Each) { Each.Options = Options; });
}

TSeCustomPopupMenu* TSeCustomPopupMenu::OpenMenu() {
  const TMenuTracker* Open = TMenuTracker::Active();
  return Open ? Open->Menu() : nullptr;
}

void TSeCustomPopupMenu::Popup(int X, int Y) {
  // The open menu's loops run again only once this one has closed: its levels end and hide
  // now. (A request posted for them to close would reach this menu's loop first and close
  // it instead.)
  if (TMenuTracker* Open = TMenuTracker::Active(); Open && Open->Menu())
    Open->CloseLevels();
  TMenuTracker Tracker(*this);
  TSePopupMenuOptions* Options = FOptions.get();
  auto* OwnerControl = dynamic_cast<TWinControl*>(Owner());
  FItems->ForEach([&](TSeCustomItem& Each) {
    Each.Options = Options;
    if (OwnerControl)
      Each.OwnerControl = OwnerControl;
    Each.AnimationAllowed = true;
    Each.PopupMenuFlag = true;
  });
  DoPopup();
  InstallClickHandler();
  Tracker.Run(*FItems, X, Y);
}
