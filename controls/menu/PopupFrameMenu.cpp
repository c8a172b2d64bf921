#include "controls/menu/PopupFrameMenu.h"

#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SeSkinPopupMenu.h"
#include "toolkit/ImageList.h"

namespace {

// Menus the frame built are of the library; a link may be any popup menu.
TSeCustomPopupMenu& LibraryMenu(TPopupMenu& Menu) {
  return dynamic_cast<TSeCustomPopupMenu&>(Menu);
}

} // namespace

TPopupMenu* TPopupFrameMenu::NewMenu(TComponent* Owner, TSeSkinEngine* Engine) const {
  if (!Engine)
    return MakeComponent<TSeCustomPopupMenu>(Owner);
  auto* Menu = MakeComponent<TSeSkinPopupMenu>(Owner);
  Menu->SetSkinEngine(Engine);
  return Menu;
}

void TPopupFrameMenu::SetImages(TPopupMenu& Menu, TCustomImageList* Images) const {
  LibraryMenu(Menu).SetImages(Images);
}

void TPopupFrameMenu::AddItem(TPopupMenu& Menu, const std::string& Caption, int ImageIndex,
                              int ShortCut, TNotifyEvent OnClick) const {
  TSeCustomPopupMenu& Library = LibraryMenu(Menu);
  TSeCustomItem* Item = Library.NewItem();
  Item->SetCaption(Caption);
  Item->SetImageIndex(ImageIndex);
  Item->SetShortCut(ShortCut);
  Item->OnClick = std::move(OnClick);
  Library.Items()->Add(Item);
}

void TPopupFrameMenu::Prepare(TPopupMenu& Menu, const TSePopupMenuOptions& Options,
                              bool Foreground) const {
  if (auto* Library = dynamic_cast<TSeCustomPopupMenu*>(&Menu)) {
    Library->SetPopupMenuOptions(Options);
    Library->Items()->Foreground = Foreground;
  }
}

namespace {

const bool GRegistered = [] {
  static const TPopupFrameMenu Menu;
  TFrameMenu::Register(&Menu);
  return true;
}();

} // namespace

extern "C" const bool MirevanFrameMenuRegistered = GRegistered;
