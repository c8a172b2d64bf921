#pragma once
// The windowed, focusable base of the skinned controls. It owns the paint pipeline: the
// buffering mode, see-through painting over the parent, translucency (Blending), a border
// and bevel frame (or the theme's edit frame), and hover and focus tracking. Subclasses paint
// their content in PaintClient.

#include <windows.h>

#include <string>

#include "controls/base/SeControlBase.h"
#include "toolkit/Controls.h"

class TSeCustomControl : public TSeControlBase<TCustomControl> {
public:
  explicit TSeCustomControl(TComponent* AOwner);
  std::string ClassName() const override { return "TSeCustomControl"; }

  int BorderWidth() const { return FFrame.BorderWidth; }
  void SetBorderWidth(int Value);
  TSeBevelCut BevelInner() const { return FFrame.BevelInner; }
  void SetBevelInner(TSeBevelCut Value);
  TSeBevelCut BevelOuter() const { return FFrame.BevelOuter; }
  void SetBevelOuter(TSeBevelCut Value);
  TSeBevelSides BevelSides() const { return FFrame.BevelSides; }
  void SetBevelSides(TSeBevelSides Value);
  TSeBevelKind BevelKind() const { return FBevelKind; }
  // A kind other than qbkNone sets both bevels to its cut.
  void SetBevelKind(TSeBevelKind Value);
  int BevelWidth() const { return FFrame.BevelWidth; }
  void SetBevelWidth(int Value);
  // With visual styles on, the theme's edit frame replaces the bevels (the status bar
  // turns it off).
  bool ThemeBorder() const { return FThemeBorder; }
  void SetThemeBorder(bool Value) { FThemeBorder = Value; }
  bool FocusedFlag() const { return FFocused; }

  // The client area is what the frame leaves inside.
  RECT ClientRect() const override;
  // The rectangle inside the border and bevels, in control coordinates.
  virtual RECT GetInnerRect() const;
  // What the parent shows under the control, painted into DC at the control's coordinates.
  void DrawParentBackground(HDC DC);

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  // Fills the inner rectangle with Color unless Transparent.
  virtual void PaintClient();
  // The frame between the bounds and the inner rectangle.
  virtual void PaintBorder();
  // After any border or bevel property changed.
  virtual void BorderChanged() {}
  virtual void FocusEnter();
  virtual void FocusExit();

private:
  void FrameChanged();
  void PaintBevel(RECT& Rect, TSeBevelCut Cut, bool Outer);

  TSeFrame FFrame;
  TSeBevelKind FBevelKind = qbkNone;
  bool FThemeBorder = true;
  bool FFocused = false;
};
