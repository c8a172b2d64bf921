#pragma once
// The popup menu whose items are skinned items of one skin engine.

#include "controls/menu/SePopupMenu.h"

class TSeSkinEngine;

class TSeSkinPopupMenu : public TSeCustomPopupMenu {
public:
  explicit TSeSkinPopupMenu(TComponent* AOwner);
  ~TSeSkinPopupMenu() override;
  std::string ClassName() const override { return "TSeSkinPopupMenu"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;

  TSeSkinEngine* SkinEngine() const { return FEngine; }
  // Every item of the tree takes the engine.
  void SetSkinEngine(TSeSkinEngine* Engine);
  // The items take the engine again first: the skin may have changed since.
  void Popup(int X, int Y) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void AssignEngineToItems();
  TSeSkinEngine* FEngine = nullptr;
};
