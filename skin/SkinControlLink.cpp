#include "skin/SkinControlLink.h"

#include "skin/SkinEngine.h"
#include "toolkit/Controls.h"
#include "toolkit/PrivateMessages.h"

TSeSkinControlLink::TSeSkinControlLink(TControl& Control, std::string DefaultObject)
    : FOwner(Control), FControl(&Control), FSkinObject(std::move(DefaultObject)) {}

TSeSkinControlLink::TSeSkinControlLink(TComponent& Owner, std::string DefaultObject)
    : FOwner(Owner), FControl(nullptr), FSkinObject(std::move(DefaultObject)) {}

TSeSkinControlLink::~TSeSkinControlLink() {
  if (FEngine)
    FEngine->RemoveFreeNotification(&FOwner);
}

void TSeSkinControlLink::SetSkinEngine(TSeSkinEngine* Engine) {
  if (Engine != FEngine) {
    if (FEngine)
      FEngine->RemoveFreeNotification(&FOwner);
    FEngine = Engine;
    if (FEngine)
      FEngine->FreeNotification(&FOwner);
  }
  TSeSkinSource* Source = FEngine ? FEngine->Source() : nullptr;
  if (Source && !Source->Changing && Source->ObjectCount() > 0) {
    FCopy.reset();
    if (const TSeSkinObject* Template = Source->FindObject(FSkinObject))
      FCopy = CloneSkinObject(*Template, nullptr);
    if (FCopy) {
      FCopy->AttachControl(FControl);
      if (OnAttached)
        OnAttached(*FCopy);
    }
  } else {
    FCopy.reset();
  }
  if (FControl)
    FControl->Invalidate();
}

void TSeSkinControlLink::SetSkinObject(const std::string& Value) {
  FSkinObject = Value;
  SetSkinEngine(FEngine);
}

bool TSeSkinControlLink::Skinned() const {
  if (FOwner.Destroying() || FOwner.Loading() || !FEngine || !FCopy)
    return false;
  const TSeSkinSource* Source = FEngine->Source();
  return Source && !Source->Changing && Source->ObjectCount() > 0 &&
         Source->FindObject(FSkinObject);
}

TSeSkinObject* TSeSkinControlLink::Part(std::string_view Name) const {
  if (!FCopy)
    return nullptr;
  TSeSkinObject* Found = FCopy->FindObject(Name);
  return Found ? Found : FCopy.get();
}

bool TSeSkinControlLink::HandleMessage(UINT Msg, WPARAM, LPARAM LParam) {
  const bool Mine = FEngine && LParam == reinterpret_cast<LPARAM>(FEngine);
  switch (Msg) {
  case SE_SKINCHANGING:
    if (Mine)
      FCopy.reset();
    return true;
  case SE_SKINCHANGED:
    if (Mine)
      SetSkinEngine(FEngine);
    return true;
  case SE_OBJECTINVALIDATE:
    if (FControl)
      FControl->Invalidate();
    return true;
  default:
    return false;
  }
}

void TSeSkinControlLink::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove && AComponent == FEngine) {
    FEngine = nullptr;
    SetSkinEngine(nullptr);
  }
}
