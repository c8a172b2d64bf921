#pragma once
// What makes a control of the library skinned, written once: its engine, the name of its
// skin object, the private copy it paints from and the engine's messages that keep the copy
// in step. A skinned class is TSeSkinned<its plain class>; it paints from SkinPart while
// Skinned() holds, and plainly otherwise.

#include <windows.h>

#include <string>
#include <string_view>

#include "skin/SkinControlLink.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObjects.h"
#include "toolkit/Controls.h"
#include "toolkit/Published.h"

template <class Base> class TSeSkinned : public Base {
public:
  TSeSkinned(TComponent* AOwner, const char* DefaultObject)
      : Base(AOwner), FSkin(*this, DefaultObject) {
    FSkin.OnAttached = [this](TSeSkinObject& Copy) { SkinAttached(Copy); };
  }

  TSeSkinEngine* SkinEngine() const { return FSkin.SkinEngine(); }
  void SetSkinEngine(TSeSkinEngine* Engine) { FSkin.SetSkinEngine(Engine); }
  const std::string& SkinObject() const { return FSkin.SkinObject(); }
  void SetSkinObject(const std::string& Value) { FSkin.SetSkinObject(Value); }
  std::string Version() const { return SkinLibraryVersion; }
  void SetVersion(const std::string&) {}

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (FSkin.HandleMessage(Msg, WParam, LParam))
      return 0;
    return Base::WndProc(Msg, WParam, LParam);
  }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    Base::Notification(AComponent, Operation);
    FSkin.Notification(AComponent, Operation);
  }
  // The name alone: the copy follows at the next attachment.
  void StoreSkinObject(const std::string& Value) { FSkin.StoreSkinObject(Value); }
  // Whether the control paints skinned now.
  bool Skinned() const { return FSkin.Skinned(); }
  TSeSkinObject* SkinCopy() const { return FSkin.Copy(); }
  // The copy's sub-object of that name, or the copy itself.
  TSeSkinObject* SkinPart(std::string_view Name) const { return FSkin.Part(Name); }
  // The copy's sub-object of that name, or null.
  TSeSkinObject* FindSkinPart(std::string_view Name) const {
    return FSkin.Copy() ? FSkin.Copy()->FindObject(Name) : nullptr;
  }
  // A bitmap part with masked edges or corners makes the control see-through, so that its
  // parent shows there; any other bitmap part makes it opaque.
  void TakeTransparencyFrom(std::string_view Part) {
    if (const auto* Bitmap = dynamic_cast<const TSeBitmapObject*>(FindSkinPart(Part)))
      this->SetTransparent(Bitmap->Masked || Bitmap->MaskedBorder || Bitmap->MaskedAngles);
  }
  // The control's own set-up from a fresh copy (its font, its see-through flag, its size).
  virtual void SkinAttached(TSeSkinObject&) {}

private:
  TSeSkinControlLink FSkin;
};

// The published engine and skin object of a skinned class C, and its version (read, never
// written), for its table.
template <class C> TPropInfo SkinEngineProp() {
  return ComponentProp<C, TSeSkinEngine>("SkinEngine", &C::SkinEngine, &C::SetSkinEngine);
}
template <class C> TPropInfo SkinObjectProp() {
  return AccessorProp<C>("SkinObject", TPropKind::pkString, &C::SkinObject, &C::SetSkinObject);
}
template <class C> TPropInfo SkinVersionProp() {
  return NotStoredProp(AccessorProp<C>("Version", TPropKind::pkString, &C::Version, &C::SetVersion));
}
