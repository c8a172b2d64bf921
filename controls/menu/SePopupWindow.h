#pragma once
// The window one level of a menu opens in: a topmost tool window that shows and hides
// without taking the activation, framed by a popup form, with the view of the level's rows.

#include <memory>

#include "toolkit/Form.h"
#include "toolkit/Types.h"

class TMenuTracker;
class TSeCustomItem;
class TSeItemView;
class TSePopupForm;
class TSePopupView;

class TSePopupWindow : public TForm {
public:
  explicit TSePopupWindow(TComponent* AOwner);
  std::string ClassName() const override { return "TSePopupWindow"; }

  // Makes the frame and the view of Item's children (ParentView: the level that opens this
  // one, or null): the frame stays on top, takes the menu's translucency and shadow, and
  // plays the show animation where the menu allows it.
  void Prepare(TSeCustomItem& Item, TSeItemView* ParentView);
  TSePopupForm* PopupForm() const { return FForm; }
  TSePopupView* View() const { return FView; }
  // Shows the level of Item's children at the screen point (X, Y), or beside ParentRect for
  // a level opened from ParentView's item, runs its loop under Tracker and hides it again
  // when the level closes.
  void Popup(TMenuTracker& Tracker, TSeCustomItem& Item, TSeItemView* ParentView, int X, int Y,
             const TRect& ParentRect);
  // Shown and hidden in place, without activation and without changing the z-order.
  void ShowPopup();
  void HidePopup();

protected:
  // The frame's class for this window.
  virtual TSePopupForm* CreatePopupForm();
  void CreateParams(TCreateParams& Params) override;
  void VisibleChanged() override;

private:
  TSePopupForm* FForm = nullptr;
  TSePopupView* FView = nullptr;
};
