#include "controls/base/SeHook.h"

#include "controls/base/ControlHook.h"
#include "controls/base/HookList.h"

TSeHook::TSeHook(TComponent* AOwner) : TComponent(AOwner) {}

TSeHook::~TSeHook() {
  FActive = false;
  Unregister();
}

void TSeHook::BeforeDestruction() {
  SetActive(false);
  SetControl(nullptr);
  TComponent::BeforeDestruction();
}

void TSeHook::Loaded() {
  TComponent::Loaded();
  if (FActive)
    Register();
}

void TSeHook::SetActive(bool Value) {
  if (Value == FActive)
    return;
  FActive = Value;
  if (FActive)
    Register();
  else
    Unregister();
}

void TSeHook::SetControl(TWinControl* Value) {
  if (Value == FControl)
    return;
  Unregister();
  if (FControl)
    FControl->RemoveFreeNotification(this);
  FControl = Value;
  if (FControl)
    FControl->FreeNotification(this);
  if (FActive)
    Register();
}

void TSeHook::Register() {
  if (FHook || !FControl || Loading() || Destroying())
    return;
  FHook = HookList().GetHook(FControl);
  FHook->AddClient(this);
}

void TSeHook::Unregister() {
  if (TControlHook* Hook = FHook) {
    FHook = nullptr;
    Hook->RemoveClient(this);
  }
}

void TSeHook::BeforeMessage(TMessage& Message, bool& Handled) {
  FHandled = Handled;
  Dispatch(Message);
  Handled = FHandled;
}

void TSeHook::AfterMessage(TMessage&) {}

void TSeHook::Dispatch(TMessage&) {}

void TSeHook::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FControl)
    SetControl(nullptr);
}

TSeHook* ActiveFormFrame(TControl* Control) {
  TForm* Form = GetParentForm(Control);
  if (!Form)
    return nullptr;
  for (int I = 0; I < Form->ComponentCount(); ++I)
    if (auto* Hook = dynamic_cast<TSeHook*>(Form->Components(I));
        Hook && Hook->IsFormFrame() && Hook->Active())
      return Hook;
  return nullptr;
}
