#pragma once
// The skinned tab control: tabs, page frame and scroll buttons drawn from a copy of the skin
// object "Tabs". Its child "Frame" is the page frame and gives the margins; the tabs take
// "TabTop", "TabBottom", "TabLeft" or "TabRight" by their side, else "Tab", hot, focused
// (the active tab) or normal; captions take the font of "Text". Without a usable skin it is
// the plain tab control.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/tabs/SeCustomTabControl.h"
#include "skin/SkinTypes.h"

class TSeSkinTabControl : public TSeSkinned<TSeCustomTabControl> {
public:
  explicit TSeSkinTabControl(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinTabControl"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The margins of the skin's "Frame" (0 without one); plain 2 without a skin.
  int MarginLeft() const override;
  int MarginTop() const override;
  int MarginRight() const override;
  int MarginBottom() const override;

  // The skin's tab object for a side, and the state a tab is drawn in.
  TSeSkinObject* TabObject(TTabPosition Side) const;
  TSeState TabState(int Index) const;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void PaintPageFrame() override;
  void DrawTabFrame(int Index, const TRect& Rect, TTabPosition Side) override;
  void DrawTabText(int Index, const TRect& Rect, TTabPosition Side) override;
  void PaintLeftButton() override;
  void PaintRightButton() override;
  // New margins: the rows and the active sheet follow.
  void SkinAttached(TSeSkinObject& Copy) override;

private:
  int FrameMargin(int32_t TSeSkinObject::*Margin) const;
  bool PaintSkinButton(const char* Name, const TRect& Rect, bool Pressed, bool Hot);
};
