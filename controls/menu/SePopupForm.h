#pragma once
// The frame of a menu level's window: no caption, no buttons, not movable or sizeable, a
// 3-pixel border around the rows, and the rows painted as the client area's background.

#include "controls/frame/SeCustomForm.h"

class TSePopupView;

class TSePopupForm : public TSeCustomForm {
public:
  // Owner: the level's window.
  explicit TSePopupForm(TComponent* AOwner);
  std::string ClassName() const override { return "TSePopupForm"; }

  TSePopupView* View = nullptr;
  // The window whose caption stays active while the menu is open (the menu's owner's window).
  TWinControl* ActivationKeeper = nullptr;

  // The border around the rows: left, top, right, bottom.
  virtual TRect ContentMargins() const { return {3, 3, 3, 3}; }
  TRect GetFrameClientRect() const override;
  TPoint GetMinSize() const override { return {10, 10}; }
  void Dispatch(TMessage& Message) override;

protected:
  void PaintNonClient(TCanvas& Canvas) override;
  void PaintClientBackground(TCanvas& Canvas, const TRect& Client) override;
  // A level is many small drawing calls (a picture in nine parts and two texts a row); on a
  // window's device context under Wine each costs some fifty times what it does in memory.
  bool ComposesOffscreen() const override { return true; }
};
