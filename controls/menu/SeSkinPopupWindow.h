#pragma once
// The window of a skinned item's level: its frame is the skinned popup form, with the engine
// of the item that opened it.

#include "controls/menu/SePopupWindow.h"

class TSeSkinEngine;

class TSeSkinPopupWindow : public TSePopupWindow {
public:
  TSeSkinPopupWindow(TComponent* AOwner, TSeSkinEngine* Engine);
  std::string ClassName() const override { return "TSeSkinPopupWindow"; }

protected:
  TSePopupForm* CreatePopupForm() override;

private:
  TSeSkinEngine* FEngine;
};
