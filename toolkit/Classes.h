#pragma once
// The component model: objects with owners that free what they own, names, and removal
// notifications for components that keep references to others.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/SysUtils.h"

class TPropTable;
class TMethodTable;
struct TMethodEntry;

class TObject {
public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// Objects that can copy their state from one another.
class TPersistent : public TObject {
public:
  // Copies Source into this object; raises EConvertError when neither side knows how.
  virtual void Assign(const TPersistent& Source);
  virtual std::string ClassName() const { return "TPersistent"; }
  // The properties stored with the object, in stream order; null for none.
  virtual const TPropTable* Published() const { return nullptr; }

protected:
  // Copies this object into Dest; the base raises "Cannot assign a <this> to a <Dest>".
  virtual void AssignTo(TPersistent& Dest) const;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
  // The owner, when there is one, takes the component over through MakeComponent.
  explicit TComponent(TComponent* AOwner) : FOwner(AOwner) {}
  // Tells the components that asked for it, then frees the owned components, last first.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }
  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const { return FComponents.at(Index).get(); }
  // An owned component by name, ignoring case; null when there is none.
  TComponent* FindComponent(const std::string& AName) const;

  // Takes ownership of Component and returns it.
  TComponent* InsertComponent(std::unique_ptr<TComponent> Component);
  // Frees an owned component now.
  void DestroyComponent(TComponent* Component);
  // Frees this component through its owner (or does nothing without one).
  void Free();

  // AComponent receives Notification(this, opRemove) when this component goes.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);
  // Points Field, a reference this component keeps to another, at Value: the old one no
  // longer tells this one of its end, the new one does. False when nothing changed.
  template <class T> bool ReplaceReference(T*& Field, T* Value) {
    if (Field == Value)
      return false;
    if (Field)
      Field->RemoveFreeNotification(this);
    Field = Value;
    if (Field)
      Field->FreeNotification(this);
    return true;
  }

  bool Destroying() const { return FDestroying; }
  // Set while the component's stored properties are being read: setters then only store,
  // and nothing (no window above all) is made as a side effect; Loaded ends the state.
  bool Loading() const { return FLoading; }
  void SetLoading(bool Value) { FLoading = Value; }

  // After the component's stored properties are in place (the layout is built). Overrides
  // call the base first, which resolves the references read, then ends the loading state.
  virtual void Loaded();

  // References to other components by name (stored layouts name components that come later
  // in the stream): a reference property read while loading waits here until Loaded, which
  // hands Apply the owner's component of that name (null when there is none), still in the
  // loading state. A name nothing answers to then raises EReadError "Unresolved reference
  // '<name>' in <component>", once the loading has ended and the others are in place.
  void DeferReference(const std::string& Property, const std::string& Name,
                      std::function<void(TComponent*)> Apply);
  // The name Property waits for, or "" (what such a property reads as until it resolves).
  std::string PendingReference(const std::string& Property) const;
  // The component a reference names: the owner's of that name, letter case ignored; null for
  // an empty name or none.
  TComponent* FindReference(const std::string& Name) const;

  // Event handlers by name: the methods this component's class offers layouts (a form's
  // handlers), null for none; the entry of that name, looked up in the owners' tables, nearest
  // first, then in this component's own, with the component whose table has it in Self.
  virtual const TMethodTable* MethodTable() const { return nullptr; }
  const TMethodEntry* FindMethod(const std::string& Name, TComponent*& Self) const;
  // The method name an event was bound to from a layout ("" for none), which writing the
  // layout again gives back.
  void SetEventName(const std::string& Event, const std::string& Method);
  std::string EventName(const std::string& Event) const;

  // Stored layouts: the components written inside this one's record, in stream order (Root is
  // the layout's root, which owns them all), and the placing of a component read inside
  // another's record (a control on its parent, an item in its menu). Neither does anything
  // here.
  virtual void GetChildren(const std::function<void(TComponent&)>& Proc,
                           const TComponent& Root) const {
    (void)Proc;
    (void)Root;
  }
  virtual void SetParentComponent(TComponent* Parent) { (void)Parent; }
  // A component just made and named while this root's layout is read, before its properties:
  // a root keeps it in the field of that name, if it has one (handlers that run while the
  // layout loads reach it there). Nothing here.
  virtual void BindField(TComponent& Component) { (void)Component; }
  // Whether the component is written inside another one's record rather than the root's.
  virtual bool HasParent() const { return false; }

  // Runs while the whole object still exists, right before it is freed (virtual calls still
  // reach the derived class here, unlike in a destructor): the components that asked are
  // told of the end now. Owners call it for what they free.
  virtual void BeforeDestruction();

protected:
  // Another component this one refers to is going (or arriving).
  virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
  void DestroyComponents();
  void NotifyFreeClients();

  TComponent* FOwner;
  std::string FName;
  bool FDestroying = false;
  bool FLoading = false;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  struct TPendingReference {
    std::string Property, Name;
    std::function<void(TComponent*)> Apply;
  };
  std::vector<TPendingReference> FPendingReferences;
  std::vector<std::pair<std::string, std::string>> FEventNames;
};

// Makes a component of type T owned by Owner and returns it; Owner frees it.
template <class T, class... Args> T* MakeComponent(TComponent* Owner, Args&&... Arguments) {
  auto Component = std::make_unique<T>(Owner, std::forward<Args>(Arguments)...);
  T* Result = Component.get();
  Owner->InsertComponent(std::move(Component));
  return Result;
}

// A reference to a component that turns null when the component is freed: for code that
// calls out (an event handler may free the very control it was called for) and must not
// touch the component afterwards.
template <class T = TComponent> class TComponentRef : private TComponent {
public:
  explicit TComponentRef(T* Target) : TComponent(nullptr), FTarget(Target) {
    if (FTarget)
      FTarget->FreeNotification(this);
  }
  ~TComponentRef() override {
    if (FTarget)
      FTarget->RemoveFreeNotification(this);
  }
  T* Get() const { return FTarget; }
  explicit operator bool() const { return FTarget != nullptr; }
  T* operator->() const { return FTarget; }

private:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == TOperation::opRemove && AComponent == FTarget)
      FTarget = nullptr;
  }
  T* FTarget;
};
