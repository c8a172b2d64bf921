#include "controls/base/EffectOptions.h"

#include <algorithm>
#include <typeinfo>

#include "toolkit/ClassRegistry.h"
#include "toolkit/Published.h"

namespace {

// Each Assign takes only an object of its very own class.
template <class T> const T* SameClass(const T& Self, const TPersistent& Source) {
  return typeid(Source) == typeid(Self) ? static_cast<const T*>(&Source) : nullptr;
}

} // namespace

// ---------------------------------------------------------------------------------------
// TSeBlending

void TSeBlending::Changed() {
  if (OnChange)
    OnChange(this);
}

void TSeBlending::SetEnabled(bool Value) {
  if (Value != FEnabled) {
    FEnabled = Value;
    Changed();
  }
}

void TSeBlending::SetValue(int32_t Value) {
  if (Value == FValue)
    return;
  FValue = std::clamp(Value, 0, 255);
  Changed();
}

void TSeBlending::Assign(const TPersistent& Source) {
  if (const auto* Other = SameClass(*this, Source)) {
    FEnabled = Other->FEnabled;
    FValue = Other->FValue;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

// ---------------------------------------------------------------------------------------
// TSeShadow

void TSeShadow::Changed() {
  if (OnChange)
    OnChange(this);
}

void TSeShadow::SetEnabled(bool Value) {
  if (Value != FEnabled) {
    FEnabled = Value;
    Changed();
  }
}

void TSeShadow::SetSize(int32_t Value) {
  if (Value == FSize)
    return;
  FSize = std::min(Value, 20);
  if (Value <= 0)
    FEnabled = false;
  Changed();
}

void TSeShadow::Assign(const TPersistent& Source) {
  if (const auto* Other = SameClass(*this, Source)) {
    FEnabled = Other->FEnabled;
    FSize = Other->FSize;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

// ---------------------------------------------------------------------------------------
// TSeGravitation and TSeDragging

void TSeGravitation::SetSize(int32_t Value) {
  if (Value != FSize)
    FSize = std::clamp(Value, 1, 50);
}

void TSeGravitation::Assign(const TPersistent& Source) {
  if (SameClass(*this, Source))
    AssignPublished(*this, Source);
  else
    TPersistent::Assign(Source);
}

void TSeDragging::Assign(const TPersistent& Source) {
  if (SameClass(*this, Source))
    AssignPublished(*this, Source);
  else
    TPersistent::Assign(Source);
}

// ---------------------------------------------------------------------------------------
// TSeAnimation

TSeAnimation::TSeAnimation() : FRec(std::make_unique<TseAnimationRec>(nullptr)) {}

TSeDirection TSeAnimation::Direction() const {
  switch (FRec->Rotation()) {
  case qrRotate90:
    return qdRotate90;
  case qrRotate180:
    return qdRotate180;
  case qrRotate270:
    return qdRotate270;
  default:
    return qdNone;
  }
}

void TSeAnimation::SetDirection(TSeDirection Value) {
  FRec->SetRotation(Value == qdRotate90    ? qrRotate90
                    : Value == qdRotate180 ? qrRotate180
                    : Value == qdRotate270 ? qrRotate270
                                           : qrNone);
}

void TSeAnimation::Assign(const TPersistent& Source) {
  if (const auto* Other = SameClass(*this, Source)) {
    FRec->Assign(*Other->FRec);
    return;
  }
  TPersistent::Assign(Source);
}

// ---------------------------------------------------------------------------------------
// The bundles

TSeEffectBundle::TSeEffectBundle()
    : FBlending(std::make_unique<TSeBlending>()), FShadow(std::make_unique<TSeShadow>()),
      FAnimation(std::make_unique<TSeAnimation>()) {}

void TSeEffectBundle::Changed() {
  if (OnChange)
    OnChange(this);
}

void TSeEffectBundle::SetBlending(const TSeBlending& Value) {
  FBlending->Assign(Value);
  Changed();
}

void TSeEffectBundle::SetShadow(const TSeShadow& Value) {
  FShadow->Assign(Value);
  Changed();
}

void TSeEffectBundle::SetAnimation(const TSeAnimation& Value) {
  FAnimation->Assign(Value);
  Changed();
}

void TSeEffectBundle::Assign(const TPersistent& Source) {
  if (const auto* Other = SameClass(*this, Source)) {
    FBlending->Assign(*Other->FBlending);
    FShadow->Assign(*Other->FShadow);
    FAnimation->Assign(*Other->FAnimation);
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

namespace {

// Library start: the record and the option classes that layouts store are made by name (not
// TSeAnimation, which is only ever a property of its owner).
const bool GRegistered = [] {
  RegisterPersistentClass<TseAnimationRec>();
  RegisterPersistentClass<TSeBlending>();
  RegisterPersistentClass<TSeShadow>();
  RegisterPersistentClass<TSeGravitation>();
  RegisterPersistentClass<TSeDragging>();
  RegisterPersistentClass<TSeFormOptions>();
  RegisterPersistentClass<TSePopupMenuOptions>();
  return true;
}();

} // namespace
