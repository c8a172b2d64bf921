#include "controls/menu/SeSkinPopupMenu.h"

#include "controls/base/Skinned.h"
#include "controls/menu/SeSkinItem.h"
#include "skin/SkinEngine.h"
#include "toolkit/Published.h"

TSeSkinPopupMenu::TSeSkinPopupMenu(TComponent* AOwner)
    : TSeCustomPopupMenu(AOwner, [](TComponent* Owner) -> TSeCustomItem* {
        return MakeComponent<TSeSkinItem>(Owner);
      }) {}

const TPropTable& TSeSkinPopupMenu::Properties() {
  using C = TSeSkinPopupMenu;
  static const TPropTable Table(
      &TSeCustomPopupMenu::Properties(),
      {SkinEngineProp<C>()});
  return Table;
}

TSeSkinPopupMenu::~TSeSkinPopupMenu() {
  if (FEngine)
    FEngine->RemoveFreeNotification(this);
}

void TSeSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TSeCustomPopupMenu::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FEngine)
    FEngine = nullptr;
}

void TSeSkinPopupMenu::AssignEngineToItems() {
  if (auto* Root = dynamic_cast<TSeSkinItem*>(Items()))
    Root->SetSkinEngine(FEngine);
}

void TSeSkinPopupMenu::SetSkinEngine(TSeSkinEngine* Engine) {
  ReplaceReference(FEngine, Engine);
  if (!Loading())
    AssignEngineToItems();
}

void TSeSkinPopupMenu::Loaded() {
  TSeCustomPopupMenu::Loaded();
  AssignEngineToItems();
}

void TSeSkinPopupMenu::Popup(int X, int Y) {
  AssignEngineToItems();
  TSeCustomPopupMenu::Popup(X, Y);
}
