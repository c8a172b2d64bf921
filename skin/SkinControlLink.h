#pragma once
// The part every skinned control shares: its engine, the name of the skin object it uses and
// the private copy of that object it paints from, kept in step with the engine's messages.
// Components that paint without a control of their own (the hints) keep their copy the same
// way, attached to no control.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinObject.h"
#include "toolkit/Classes.h"

class TControl;
class TSeSkinEngine;

class TSeSkinControlLink {
public:
  TSeSkinControlLink(TControl& Control, std::string DefaultObject);
  TSeSkinControlLink(TComponent& Owner, std::string DefaultObject);
  ~TSeSkinControlLink();
  TSeSkinControlLink(const TSeSkinControlLink&) = delete;
  TSeSkinControlLink& operator=(const TSeSkinControlLink&) = delete;

  TSeSkinEngine* SkinEngine() const { return FEngine; }
  // Stores the engine; with a usable skin, replaces the copy by a clone of the named object
  // (none when the skin lacks it), attaches it to the control and runs OnAttached. Repaints
  // the control.
  void SetSkinEngine(TSeSkinEngine* Engine);
  const std::string& SkinObject() const { return FSkinObject; }
  // Another object of the skin: attaches again.
  void SetSkinObject(const std::string& Value);
  // Only the name, for controls whose copy follows it at the next attachment.
  void StoreSkinObject(const std::string& Value) { FSkinObject = Value; }

  TSeSkinObject* Copy() const { return FCopy.get(); }
  // Whether the owner paints skinned now: it is neither going nor being read, and has an
  // engine with a skin that is not changing and holds the named object, and a copy of it.
  bool Skinned() const;
  // The copy's sub-object of that name (FindObject), or the copy itself when there is none.
  TSeSkinObject* Part(std::string_view Name) const;

  // The engine's messages: SE_SKINCHANGING drops the copy, SE_SKINCHANGED attaches again
  // (both only from this control's engine), SE_OBJECTINVALIDATE repaints. True when Msg was
  // one of them.
  bool HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  // Forwarded by the owner: the engine going away detaches.
  void Notification(TComponent* AComponent, TOperation Operation);

  // The control's own set-up from a fresh copy (its font, its see-through flag ...).
  std::function<void(TSeSkinObject& Copy)> OnAttached;

private:
  TComponent& FOwner;
  TControl* FControl; // null for a component that is no control
  TSeSkinEngine* FEngine = nullptr;
  std::string FSkinObject;
  std::unique_ptr<TSeSkinObject> FCopy;
};
