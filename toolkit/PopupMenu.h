#pragma once
// The popup menu component: a menu that opens at a screen point and returns when it closes.
// The toolkit has no menu of its own to show; the library's menus derive from it.

#include <string>

#include "toolkit/Classes.h"

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TPopupMenu"; }

  // Opens the menu at the screen point (X, Y); returns once it has closed.
  virtual void Popup(int X, int Y) = 0;
  // Right-to-left reading (the menu's bidirectional mode).
  bool RightToLeft() const { return FRightToLeft; }
  void SetRightToLeft(bool Value) { FRightToLeft = Value; }

  TNotifyEvent OnPopup;

protected:
  // Fires OnPopup.
  virtual void DoPopup() {
    if (OnPopup)
      OnPopup(this);
  }

private:
  bool FRightToLeft = false;
};
