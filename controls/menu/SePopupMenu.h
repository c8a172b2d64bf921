#pragma once
// The library's popup menu: a tree of items under a root the menu owns, shown at a screen
// point in the library's own windows, with the menu's translucency, shadow and show
// animation. Only one popup menu is open at a time.

#include <functional>
#include <memory>

#include "controls/base/EffectOptions.h"
#include "toolkit/PopupMenu.h"

class TCustomImageList;
class TSeCustomItem;
class TWinControl;

class TSeCustomPopupMenu : public TPopupMenu {
public:
  explicit TSeCustomPopupMenu(TComponent* AOwner);
  ~TSeCustomPopupMenu() override;
  std::string ClassName() const override { return "TSeCustomPopupMenu"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;

  // The root item; its children are the menu's first level.
  TSeCustomItem* Items() const { return FItems; }
  // A stored item whose parent is the menu joins the first level.
  void AdoptItem(TSeCustomItem* Item);
  // In a stored layout the first level's items lie inside the menu's record.
  void GetChildren(const std::function<void(TComponent&)>& Proc,
                   const TComponent& Root) const override;
  // A new item of the menu's item class, owned by the menu (not yet in the tree).
  TSeCustomItem* NewItem();
  // The images of the items that have none of their own (the root item's).
  TCustomImageList* Images() const;
  void SetImages(TCustomImageList* Value);
  TSePopupMenuOptions& PopupMenuOptions() { return *FOptions; }
  // Copies into the menu's options, which the whole tree uses.
  void SetPopupMenuOptions(const TSePopupMenuOptions& Value);

  // Closes a menu that is open, then opens this one at the screen point and returns when it
  // has closed (an item's click runs after that, from the message loop).
  void Popup(int X, int Y) override;
  // The menu that is open now, or null.
  static TSeCustomPopupMenu* OpenMenu();

protected:
  // For the menus whose root is of another item class.
  using TItemFactory = std::function<TSeCustomItem*(TComponent* Owner)>;
  TSeCustomPopupMenu(TComponent* AOwner, const TItemFactory& ItemClass);

private:
  TItemFactory FItemClass;
  TSeCustomItem* FItems;
  std::unique_ptr<TSePopupMenuOptions> FOptions;
};
