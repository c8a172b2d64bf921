#include "toolkit/Classes.h"

#include <algorithm>
#include <cctype>

#include "toolkit/Methods.h"
#include "toolkit/Streams.h"
#include "toolkit/SysUtils.h"

void TPersistent::Assign(const TPersistent& Source) { Source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& Dest) const {
  throw EConvertError(FormatStr("Cannot assign a %s to a %s", {ClassName(), Dest.ClassName()}));
}

TComponent::~TComponent() {
  FDestroying = true;
  NotifyFreeClients(); // for components freed without BeforeDestruction
  DestroyComponents();
}

void TComponent::BeforeDestruction() {
  FDestroying = true;
  NotifyFreeClients();
}

void TComponent::NotifyFreeClients() {
  std::vector<TComponent*> Clients = std::move(FFreeNotifies);
  FFreeNotifies.clear();
  for (TComponent* Client : Clients) {
    std::erase(Client->FFreeNotifies, this);
    Client->Notification(this, TOperation::opRemove);
  }
}

void TComponent::Loaded() {
  // The references arrive while the component is still loading, as the other stored values
  // did (an item linked to an action keeps the caption it was stored with).
  std::vector<TPendingReference> Pending = std::move(FPendingReferences);
  FPendingReferences.clear();
  std::string Unresolved;
  for (TPendingReference& Each : Pending) {
    TComponent* Found = FindReference(Each.Name);
    if (!Found && !Each.Name.empty())
      Unresolved = Each.Name;
    Each.Apply(Found);
  }
  FLoading = false;
  if (!Unresolved.empty())
    throw EReadError("Unresolved reference '" + Unresolved + "' in " +
                     (Name().empty() ? ClassName() : Name()));
}

void TComponent::DeferReference(const std::string& Property, const std::string& Name,
                                std::function<void(TComponent*)> Apply) {
  std::erase_if(FPendingReferences,
                [&](const TPendingReference& Each) { return SameText(Each.Property, Property); });
  FPendingReferences.push_back({Property, Name, std::move(Apply)});
}

std::string TComponent::PendingReference(const std::string& Property) const {
  for (const TPendingReference& Each : FPendingReferences)
    if (SameText(Each.Property, Property))
      return Each.Name;
  return {};
}

TComponent* TComponent::FindReference(const std::string& Name) const {
  return FOwner && !Name.empty() ? FOwner->FindComponent(Name) : nullptr;
}

const TMethodEntry* TComponent::FindMethod(const std::string& Name, TComponent*& Self) const {
  // The layout's form owns the components it holds; the form itself has no owner of its kind.
  const auto Lookup = [&](const TComponent* Each) -> const TMethodEntry* {
    const TMethodTable* Table = Each->MethodTable();
    const TMethodEntry* Entry = Table ? Table->Find(Name) : nullptr;
    Self = Entry ? const_cast<TComponent*>(Each) : nullptr;
    return Entry;
  };
  for (const TComponent* Owner = FOwner; Owner; Owner = Owner->FOwner)
    if (const TMethodEntry* Entry = Lookup(Owner))
      return Entry;
  return Lookup(this);
}

void TComponent::SetEventName(const std::string& Event, const std::string& Method) {
  std::erase_if(FEventNames, [&](const auto& Each) { return SameText(Each.first, Event); });
  if (!Method.empty())
    FEventNames.emplace_back(Event, Method);
}

std::string TComponent::EventName(const std::string& Event) const {
  for (const auto& [Each, Method] : FEventNames)
    if (SameText(Each, Event))
      return Method;
  return {};
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  for (const auto& Component : FComponents)
    if (!AName.empty() && Component->FName.size() == AName.size() &&
        std::equal(AName.begin(), AName.end(), Component->FName.begin(),
                   [](char A, char B) { return std::tolower(A) == std::tolower(B); }))
      return Component.get();
  return nullptr;
}

TComponent* TComponent::InsertComponent(std::unique_ptr<TComponent> Component) {
  Component->FOwner = this;
  FComponents.push_back(std::move(Component));
  TComponent* Inserted = FComponents.back().get();
  Notification(Inserted, TOperation::opInsert);
  return Inserted;
}

void TComponent::DestroyComponent(TComponent* Component) {
  auto It = std::find_if(FComponents.begin(), FComponents.end(),
                         [&](const auto& Owned) { return Owned.get() == Component; });
  if (It == FComponents.end())
    return;
  std::unique_ptr<TComponent> Doomed = std::move(*It);
  FComponents.erase(It);
  Doomed->BeforeDestruction();
  Doomed.reset();
  if (!FDestroying) {
    Notification(Component, TOperation::opRemove);
    for (const auto& Sibling : FComponents)
      Sibling->Notification(Component, TOperation::opRemove);
  }
}

void TComponent::Free() {
  if (FOwner)
    FOwner->DestroyComponent(this);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (AComponent && AComponent != this &&
      std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(AComponent);
    AComponent->FFreeNotifies.push_back(this); // both sides learn of the other's end
  }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  std::erase(FFreeNotifies, AComponent);
  if (AComponent)
    std::erase(AComponent->FFreeNotifies, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> Last = std::move(FComponents.back());
    FComponents.pop_back();
    Last->BeforeDestruction();
    Last.reset();
  }
}
