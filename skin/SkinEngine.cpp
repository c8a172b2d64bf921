#include "skin/SkinEngine.h"

#include "toolkit/Forms.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/Published.h"
#include "toolkit/ScopeGuards.h"

namespace {

constexpr uint8_t StoredNone = 0;
constexpr uint8_t StoredEngineSkin = 2;
constexpr uint8_t StoredListSkin = 1;

// A leading byte and, unless it is 0, a skin in the default container.
void ReadStored(TStream& Stream, TSeSkinSource& Source, bool& Loaded) {
  uint8_t Form = StoredNone;
  Stream.ReadBuffer(&Form, 1);
  Loaded = Form != StoredNone;
  if (Loaded)
    Source.LoadFromStream(Stream);
}

void WriteStored(TStream& Stream, const TSeSkinSource& Source, uint8_t Form) {
  auto& Writable = const_cast<TSeSkinSource&>(Source);
  const uint8_t Lead = Source.ObjectCount() > 0 ? Form : StoredNone;
  Stream.WriteBuffer(&Lead, 1);
  if (Lead != StoredNone)
    Writable.SaveToStream(Stream);
}

void ProcessPendingMessages() {
  if (Application)
    Application->ProcessMessages();
}

} // namespace

// ---------------------------------------------------------------------------------------
// TSeSkinEngine

TSeSkinEngine::TSeSkinEngine(TComponent* AOwner)
    : TComponent(AOwner), FSource(MakeComponent<TSeSkinSource>(this)) {}

const TPropTable& TSeSkinEngine::Properties() {
  using T = TSeSkinEngine;
  static const TPropTable Table(
      nullptr, {DefaultProp(AccessorProp<T>("DeltaHue", TPropKind::pkInteger, &T::DeltaHue,
                                            &T::SetDeltaHue),
                            0),
                AccessorProp<T>("SkinFile", TPropKind::pkString, &T::SkinFile, &T::SetSkinFile),
                ComponentProp<T, TSeSkinList>("SkinList", &T::SkinList, &T::SetSkinList),
                DefaultProp(AccessorProp<T>("SkinIndex", TPropKind::pkInteger, &T::SkinIndex,
                                            &T::SetSkinIndex),
                            -1),
                AccessorProp<T>("SkinStore", TPropKind::pkString, &T::SkinStore, &T::SetSkinStore),
                DefaultProp(FieldProp("SkinStoreCompression", &T::SkinStoreCompression), false),
                AccessorProp<T>("Version", TPropKind::pkString, &T::Version, &T::SetVersion),
                EventProp("OnBeforeChange", &T::OnBeforeChange),
                EventProp("OnAfterChange", &T::OnAfterChange),
                LastProp(BinaryProp<T>(
                    "SkinStream", [](const T& Engine) { return Engine.FSkinIndex == -1; },
                    [](const T& Engine, TStream& Out) { Engine.WriteSkinStream(Out); },
                    [](T& Engine, TStream& In) { Engine.ReadSkinStream(In); }))});
  return Table;
}

void TSeSkinEngine::SetSkinFile(const std::string& Value) {
  FSkinFile = Value;
  if (HasSkin()) {
    FSource->Changing = true;
    BeforeChange();
    FSource->Clear();
    FSource->LoadFromFile(Value);
    FSource->Changing = false;
  } else {
    FSource->LoadFromFile(Value);
  }
  FSource->ChangeHue(FDeltaHue);
  AfterChange();
}

void TSeSkinEngine::SetDeltaHue(int32_t Value) {
  if (Value == FDeltaHue && Value == FSource->CurrentHue())
    return;
  FDeltaHue = Value;
  if (!HasSkin() || FBusy)
    return;
  const TFlagScope Busy(FBusy);
  BeforeChange();
  FSource->ChangeHue(FDeltaHue);
  AfterChange();
}

void TSeSkinEngine::SetSkinList(TSeSkinList* Value) {
  if (FSkinList)
    FSkinList->RemoveFreeNotification(this);
  FSkinList = Value;
  if (FSkinList)
    FSkinList->FreeNotification(this);
  else
    SetSkinIndex(-1);
}

void TSeSkinEngine::SetSkinIndex(int32_t Value) {
  FSkinIndex = Value;
  if (!FSkinList || FSkinList->Skins().Count() == 0 || FSkinIndex < 0)
    return;
  FSkinIndex = std::min(FSkinIndex, FSkinList->Skins().Count() - 1);
  TSeSkinSource& Entry = FSkinList->Skins().Items(FSkinIndex)->Source();
  if (Entry.ObjectCount() == 0)
    return;
  TMemoryStream Copy;
  Entry.SaveToStream(Copy);
  Copy.SetPosition(0);
  FSource->Changing = true;
  BeforeChange();
  FSource->LoadFromStream(Copy);
  FSource->Changing = false;
  FSource->ChangeHue(FDeltaHue);
  AfterChange();
}

void TSeSkinEngine::Loaded() {
  TComponent::Loaded();
  if (OnAfterChange && HasSkin())
    OnAfterChange(this);
  if (FSkinList && FSkinIndex >= 0)
    SetSkinIndex(FSkinIndex);
}

void TSeSkinEngine::ReadSkinStream(TStream& Stream) {
  bool Loaded = false;
  ReadStored(Stream, *FSource, Loaded);
  if (Loaded)
    FSkinFile.clear();
}

void TSeSkinEngine::WriteSkinStream(TStream& Stream) const {
  if (FSkinIndex == -1)
    WriteStored(Stream, *FSource, StoredEngineSkin);
}

void TSeSkinEngine::Broadcast(TControl* Control, UINT Message) {
  const auto Self = reinterpret_cast<WPARAM>(this);
  if (auto* Form = dynamic_cast<TForm*>(Control))
    SendMessageW(Form->Handle(), Message, Self, static_cast<LPARAM>(Self));
  else
    Control->Perform(Message, Self, static_cast<LPARAM>(Self));
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control))
    for (int I = 0; I < Windowed->ControlCount(); ++I)
      Broadcast(Windowed->Controls(I), Message);
}

void TSeSkinEngine::BeforeChange() {
  if (OnBeforeChange)
    OnBeforeChange(this);
  if (!Screen)
    return;
  const int Count = Screen->FormCount();
  for (int I = 0; I < Count && I < Screen->FormCount(); ++I) {
    Broadcast(Screen->Forms(I), SE_SKINCHANGING);
    ProcessPendingMessages();
  }
}

void TSeSkinEngine::AfterChange() {
  for (int I = 0; Screen && I < Screen->FormCount(); ++I) {
    Broadcast(Screen->Forms(I), SE_SKINCHANGED);
    ProcessPendingMessages();
  }
  if (OnAfterChange)
    OnAfterChange(this);
}

void TSeSkinEngine::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FSkinList) {
    FSkinList = nullptr;
    FSkinIndex = -1;
  }
}

// ---------------------------------------------------------------------------------------
// Skin lists

TSeSkinStream::TSeSkinStream() : FSource(std::make_unique<TSeSkinSource>(nullptr)) {}

const TPropTable& TSeSkinStream::Properties() {
  using T = TSeSkinStream;
  static const TPropTable Table(
      nullptr, {AccessorProp<T>("SkinStore", TPropKind::pkString, &T::SkinStore, &T::SetSkinStore),
                FieldProp("Tag", &T::Tag),
                LastProp(BinaryProp<T>(
                    "SkinStream", [](const T&) { return true; },
                    [](const T& Item, TStream& Out) { Item.WriteSkinStream(Out); },
                    [](T& Item, TStream& In) { Item.ReadSkinStream(In); }))});
  return Table;
}

const TPropTable& TSeSkinList::Properties() {
  using T = TSeSkinList;
  static const TPropTable Table(
      nullptr,
      {CollectionProp<T, TSeSkinStream>("Skins", &T::SkinCount, &T::Skin, &T::ClearSkins,
                                        &T::AddSkin),
       NotStoredProp(AccessorProp<T>("Version", TPropKind::pkString, &T::Version, &T::SetVersion))});
  return Table;
}

std::string TSeSkinStream::DisplayName() const {
  return FSource->ObjectCount() > 0 ? FSource->SkinName : "(empty)";
}

void TSeSkinStream::ReadSkinStream(TStream& Stream) {
  bool Loaded = false;
  ReadStored(Stream, *FSource, Loaded);
}

void TSeSkinStream::WriteSkinStream(TStream& Stream) const {
  WriteStored(Stream, *FSource, StoredListSkin);
}

TSeSkinStream* TSeSkinCollection::Items(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)].get() : nullptr;
}

TSeSkinStream* TSeSkinCollection::Add() {
  FItems.push_back(std::make_unique<TSeSkinStream>());
  return FItems.back().get();
}

void TSeSkinCollection::Delete(int Index) {
  if (Index >= 0 && Index < Count())
    FItems.erase(FItems.begin() + Index);
}
