#include "controls/menu/SeSkinPopupWindow.h"

#include "controls/menu/SeSkinPopupForm.h"

TSeSkinPopupWindow::TSeSkinPopupWindow(TComponent* AOwner, TSeSkinEngine* Engine)
    : TSePopupWindow(AOwner), FEngine(Engine) {}

TSePopupForm* TSeSkinPopupWindow::CreatePopupForm() {
  return MakeComponent<TSeSkinPopupForm>(this, FEngine);
}
