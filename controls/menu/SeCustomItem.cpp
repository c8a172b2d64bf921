#include "controls/menu/SeCustomItem.h"

#include <algorithm>
#include <unordered_set>

#include "toolkit/Actions.h"
#include "toolkit/Published.h"
#ifdef _WIN32
#include "controls/menu/SePopupMenu.h"
#include "toolkit/ImageList.h"
#endif

namespace {

std::unordered_set<const TSeCustomItem*>& LiveItems() {
  static std::unordered_set<const TSeCustomItem*> Items;
  return Items;
}

std::function<void(TSeCustomItem*)>& ClickSink() {
  static std::function<void(TSeCustomItem*)> Sink;
  return Sink;
}

std::function<void(const std::exception&)>& ErrorSink() {
  static std::function<void(const std::exception&)> Sink;
  return Sink;
}

// A shortcut whose clicks keep replacing their own target gives up after this many searches.
constexpr int MaxShortCutSearches = 8;

} // namespace

TSeCustomItem::TSeCustomItem(TComponent* AOwner) : TComponent(AOwner) { LiveItems().insert(this); }

TSeCustomItem::~TSeCustomItem() {
  LiveItems().erase(this);
  SetAction(nullptr);
  // The children go first, last first; each is freed by its owner when it has one.
  while (!FItems.empty()) {
    TSeCustomItem* Child = FItems.back();
    FItems.pop_back();
    Child->FParent = nullptr;
    if (Child->Owner())
      Child->Free();
    else
      delete Child;
  }
  if (FParent)
    std::erase(FParent->FItems, this);
}

const TPropTable& TSeCustomItem::Properties() {
  using C = TSeCustomItem;
  static const TPropTable Table(nullptr, [] {
    std::vector<TPropInfo> Own{
        ComponentProp<C, TAction>("Action", &C::Action, &C::SetAction),
        AccessorProp<C>("HelpContext", TPropKind::pkInteger, &C::HelpContext, &C::SetHelpContext),
        AccessorProp<C>("Hint", TPropKind::pkString, &C::Hint, &C::SetHint),
        AccessorProp<C>("Checked", TPropKind::pkBoolean, &C::Checked, &C::SetChecked),
        AccessorProp<C>("Enabled", TPropKind::pkBoolean, &C::Enabled, &C::SetEnabled),
        AccessorProp<C>("Caption", TPropKind::pkString, &C::Caption, &C::SetCaption),
        AccessorProp<C>("ImageIndex", TPropKind::pkInteger, &C::ImageIndex, &C::SetImageIndex)};
#ifdef _WIN32 // image lists are the platform's
    Own.push_back(ComponentProp<C, TCustomImageList>("Images", &C::Images, &C::SetImages));
#endif
    for (const TPropInfo& Info :
         {AccessorProp<C>("Scrolled", TPropKind::pkBoolean, &C::Scrolled, &C::SetScrolled),
          AccessorProp<C>("ScrollCount", TPropKind::pkInteger, &C::ScrollCount, &C::SetScrollCount),
          AccessorProp<C>("ShortCut", TPropKind::pkInteger, &C::ShortCut, &C::SetShortCut),
          AccessorProp<C>("Visible", TPropKind::pkBoolean, &C::Visible, &C::SetVisible)})
      Own.push_back(Info);
    return Own;
  }());
  return Table;
}

void TSeCustomItem::SetParentComponent(TComponent* AParent) {
  if (auto* Item = dynamic_cast<TSeCustomItem*>(AParent))
    Item->Add(this);
#ifdef _WIN32
  else if (auto* Menu = dynamic_cast<TSeCustomPopupMenu*>(AParent))
    Menu->AdoptItem(this);
#endif
}

void TSeCustomItem::GetChildren(const std::function<void(TComponent&)>& Proc,
                                const TComponent& Root) const {
  for (TSeCustomItem* Child : FItems)
    if (Child->Owner() == &Root)
      Proc(*Child);
}

bool TSeCustomItem::Exists(const TSeCustomItem* Item) { return LiveItems().contains(Item); }

// ---------------------------------------------------------------------------------------
// The tree

TSeCustomItem* TSeCustomItem::Root() {
  TSeCustomItem* Item = this;
  while (Item->FParent)
    Item = Item->FParent;
  return Item;
}

int TSeCustomItem::IndexOf(const TSeCustomItem* Item) const {
  const auto It = std::find(FItems.begin(), FItems.end(), Item);
  return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TSeCustomItem::Insert(int Index, TSeCustomItem* Item) {
  if (!Item)
    return;
  if (Item->FParent)
    throw EQzItemError("Toolbar item already inserted");
  // An item cannot hold itself or one of the items above it.
  for (const TSeCustomItem* Above = this; Above; Above = Above->FParent)
    if (Above == Item)
      throw EQzItemError("Toolbar item already inserted");
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  Changed();
}

void TSeCustomItem::Delete(int Index) {
  TSeCustomItem* Item = FItems.at(Index);
  FItems.erase(FItems.begin() + Index);
  Item->FParent = nullptr;
  Changed();
}

void TSeCustomItem::Remove(TSeCustomItem* Item) {
  const int Index = IndexOf(Item);
  if (Index >= 0)
    Delete(Index);
}

void TSeCustomItem::ForEach(const std::function<void(TSeCustomItem&)>& Action) {
  Action(*this);
  for (TSeCustomItem* Child : std::vector<TSeCustomItem*>(FItems))
    Child->ForEach(Action);
}

void TSeCustomItem::Changed() {
  if (Loading() || Destroying())
    return;
  if (OnTreeChange)
    OnTreeChange();
  TSeCustomItem* Top = Root();
  if (Top != this && Top->OnTreeChange)
    Top->OnTreeChange();
}

// ---------------------------------------------------------------------------------------
// Properties

void TSeCustomItem::SetCaption(const std::string& Value) {
  if (Value != FCaption) {
    FCaption = Value;
    Changed();
  }
}

void TSeCustomItem::SetChecked(bool Value) {
  if (Value != FChecked) {
    FChecked = Value;
    Changed();
  }
}

void TSeCustomItem::SetEnabled(bool Value) {
  if (Value != FEnabled) {
    FEnabled = Value;
    Changed();
  }
}

void TSeCustomItem::SetImageIndex(int Value) {
  if (Value != FImageIndex) {
    FImageIndex = Value;
    Changed();
  }
}

void TSeCustomItem::SetImages(TCustomImageList* Value) {
#ifdef _WIN32
  if (!ReplaceReference(FImages, Value))
    return;
#else
  if (Value == FImages)
    return;
  FImages = Value;
#endif
  Changed();
}

void TSeCustomItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FAction) {
    FAction = nullptr;
    FActionLink.reset();
    FOnClickFromAction = false;
  }
#ifdef _WIN32
  if (Operation == TOperation::opRemove && AComponent == FImages)
    FImages = nullptr;
#endif
}

TCustomImageList* TSeCustomItem::ImageList() const {
  if (FImages)
    return FImages;
  const TSeCustomItem* Top = this;
  while (Top->FParent)
    Top = Top->FParent;
  return Top->FImages;
}

void TSeCustomItem::SetScrolled(bool Value) {
  if (Value != FScrolled) {
    FScrolled = Value;
    Changed();
  }
}

void TSeCustomItem::SetScrollCount(int Value) {
  if (Value != FScrollCount) {
    FScrollCount = Value;
    Changed();
  }
}

void TSeCustomItem::SetShortCut(int Value) {
  if (Value != FShortCut) {
    FShortCut = Value;
    Changed();
  }
}

void TSeCustomItem::SetVisible(bool Value) {
  if (Value != FVisible) {
    FVisible = Value;
    Changed();
  }
}

// ---------------------------------------------------------------------------------------
// Clicks

void TSeCustomItem::SetClickSink(std::function<void(TSeCustomItem*)> Sink) {
  ClickSink() = std::move(Sink);
}

void TSeCustomItem::SetErrorSink(std::function<void(const std::exception&)> Sink) {
  ErrorSink() = std::move(Sink);
}

void TSeCustomItem::Click() {
  if (IsSeparator() || Count() > 0 || !FEnabled)
    return;
  if (ClickSink())
    ClickSink()(this);
  else
    ExecuteClick();
}

void TSeCustomItem::ExecuteClick() {
  if (OnClick && !(FAction && FOnClickFromAction))
    OnClick(this);
  else if (FAction)
    FAction->Execute();
  else if (OnClick)
    OnClick(this);
}

// ---------------------------------------------------------------------------------------
// The action

void TSeCustomItem::SetAction(TAction* Value) {
  if (Value == FAction)
    return;
  if (FAction) {
    FAction->RemoveClient(FActionLink.get());
    FAction->RemoveFreeNotification(this);
    FActionLink.reset();
    FOnClickFromAction = false; // the handler the action gave stays the item's own
  }
  FAction = Value;
  if (!FAction)
    return;
  FActionLink = std::make_unique<TActionLinkOf<TSeCustomItem>>(*this);
  FAction->AddClient(FActionLink.get());
  FAction->FreeNotification(this);
  ActionChanged(*FAction, Loading());
}

void TSeCustomItem::ActionChanged(TAction& Source, bool CheckDefaults) {
  if (!CheckDefaults || FCaption.empty())
    SetCaption(Source.Caption());
  if (!CheckDefaults || !FChecked)
    SetChecked(Source.Checked());
  if (!CheckDefaults || FEnabled)
    SetEnabled(Source.Enabled());
  if (!CheckDefaults || FHelpContext == 0)
    SetHelpContext(Source.HelpContext());
  if (!CheckDefaults || FHint.empty())
    SetHint(Source.Hint());
  if (!CheckDefaults || FImageIndex == -1)
    SetImageIndex(Source.ImageIndex());
  if (!CheckDefaults || FShortCut == 0)
    SetShortCut(Source.ShortCut());
  if (!CheckDefaults || FVisible)
    SetVisible(Source.Visible());
  if (!CheckDefaults || !OnClick) {
    OnClick = Source.OnExecute;
    FOnClickFromAction = true;
  }
}

void TSeCustomItem::InitiateAction() {
  if (FAction)
    FAction->Update();
}

TSeCustomItem* TSeCustomItem::FindShortCut(int Key, std::vector<TSeCustomItem*>& Path) {
  Path.push_back(this);
  if (FShortCut == Key)
    return this;
  for (TSeCustomItem* Child : FItems)
    if (TSeCustomItem* Found = Child->FindShortCut(Key, Path))
      return Found;
  Path.pop_back();
  return nullptr;
}

bool TSeCustomItem::IsShortCut(int Key) {
  if (Key == 0)
    return false;
  bool Found = false;
  for (int Search = 0; Search < MaxShortCutSearches; ++Search) {
    std::vector<TSeCustomItem*> Path;
    TSeCustomItem* Target = nullptr;
    for (TSeCustomItem* Child : FItems)
      if ((Target = Child->FindShortCut(Key, Path)))
        break;
    if (!Target)
      return Found;
    Found = true;
    if (!std::all_of(Path.begin(), Path.end(), [](TSeCustomItem* Item) { return Item->FEnabled; }))
      return true;
    bool Again = false;
    try {
      for (TSeCustomItem* Item : Path) {
        if (!Exists(Item))
          break;
        Item->Click();
        if (!Exists(Target) || Target->FShortCut != Key) {
          Again = true;
          break;
        }
      }
    } catch (const std::exception& E) {
      if (!ErrorSink())
        throw;
      ErrorSink()(E);
    }
    if (!Again)
      return true;
  }
  return Found;
}
