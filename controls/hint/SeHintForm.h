#pragma once
// The frame of a hint window: no border, no buttons, not movable or sizeable, double-buffered;
// it gives the window the hint component's translucency, shadow and show transition, and
// paints the hint as the client area's background.

#include "controls/frame/SeCustomForm.h"

class TSeHintForm : public TSeCustomForm {
public:
  // Owner: the hint window (TSeHintWindow).
  explicit TSeHintForm(TComponent* AOwner);
  std::string ClassName() const override { return "TSeHintForm"; }

  TPoint GetMinSize() const override { return {5, 5}; }
  void Dispatch(TMessage& Message) override;

protected:
  // The window's hint component paints (the plain look without one), in the hint font.
  void PaintClientBackground(TCanvas& Canvas, const TRect& Client) override;
};
