#pragma once
// The skinned frame of a menu level: the skin's "PopupMenu" object's "Frame" drawn over the
// whole window, its margins around the rows. Without a usable skin it is the plain frame.

#include "controls/menu/SePopupForm.h"

class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinPopupForm : public TSePopupForm {
public:
  TSeSkinPopupForm(TComponent* AOwner, TSeSkinEngine* Engine);
  std::string ClassName() const override { return "TSeSkinPopupForm"; }

  // The skin's "PopupMenu" while the engine holds a usable skin with one, else null.
  TSeSkinObject* PopupTemplate() const;
  // The margins of "Frame", or 3 on every side without one.
  TRect ContentMargins() const override;

protected:
  void PaintNonClient(TCanvas& Canvas) override;
  void PaintClientBackground(TCanvas& Canvas, const TRect& Client) override;

private:
  TSeSkinObject* Frame() const;
  TSeSkinEngine* FEngine;
};
