#include "toolkit/Actions.h"

#include <algorithm>

#ifdef _WIN32
#include "toolkit/ImageList.h"
#endif

TBasicAction::~TBasicAction() = default;

bool TBasicAction::Execute() {
  if (!OnExecute)
    return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate)
    return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::AddClient(TActionClient* Client) {
  if (Client && std::find(FClients.begin(), FClients.end(), Client) == FClients.end())
    FClients.push_back(Client);
}

void TBasicAction::RemoveClient(TActionClient* Client) { std::erase(FClients, Client); }

void TBasicAction::Change() {
  // A client may unlink itself while it is told.
  for (TActionClient* Client : std::vector<TActionClient*>(FClients))
    if (std::find(FClients.begin(), FClients.end(), Client) != FClients.end())
      Client->ActionChanged(*this);
}

void TAction::SetCaption(const std::string& Value) { Set(FCaption, Value); }
void TAction::SetChecked(bool Value) { Set(FChecked, Value); }
void TAction::SetEnabled(bool Value) { Set(FEnabled, Value); }
void TAction::SetHelpContext(int Value) { Set(FHelpContext, Value); }
void TAction::SetHint(const std::string& Value) { Set(FHint, Value); }
void TAction::SetImageIndex(int Value) { Set(FImageIndex, Value); }
void TAction::SetShortCut(int Value) { Set(FShortCut, Value); }
void TAction::SetVisible(bool Value) { Set(FVisible, Value); }

void TAction::SetOnExecute(TNotifyEvent Value) {
  OnExecute = std::move(Value);
  Change();
}

#ifdef _WIN32
void TAction::SetImages(TCustomImageList* Value) {
  if (ReplaceReference(FImages, Value))
    Change();
}

bool TAction::HasImage() const {
  return FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

void TAction::Notification(TComponent* AComponent, TOperation Operation) {
  TBasicAction::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FImages) {
    FImages = nullptr;
    Change();
  }
}
#endif
