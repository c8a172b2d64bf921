#pragma once
// The library's group box: a frame with a caption around child controls. With UseCheckBox a
// check box carries the caption and enables or disables the children; the box itself stays
// enabled. It paints the platform's group frame (themed while visual styles are on); the
// skinned box draws the frame and caption from the skin.

#include <windows.h>

#include <string>

#include "controls/base/CheckGeometry.h"
#include "controls/base/SeCustomControl.h"

class TPropTable;
class TSeCustomCheckBox;

class TSeCustomGroupBox : public TSeCustomControl {
public:
  explicit TSeCustomGroupBox(TComponent* AOwner);
  std::string ClassName() const override { return "TSeCustomGroupBox"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  int CaptionMargin() const { return FCaptionMargin; }
  void SetCaptionMargin(int Value);
  bool UseCheckBox() const { return FUseCheckBox; }
  // On: the check box is made (CreateCheckBox), given the caption and Checked, and laid
  // out; off: it is freed.
  void SetUseCheckBox(bool Value);
  // The embedded check box while UseCheckBox is on, else null.
  TSeCustomCheckBox* CheckBox() const { return FCheckBox; }
  TSeLeftRight CheckBoxAlignment() const { return FCheckBoxAlignment; }
  void SetCheckBoxAlignment(TSeLeftRight Value);
  bool Checked() const { return FChecked; }
  // With the check box: the box follows, and the children are enabled by the new value.
  void SetChecked(bool Value);
  // True while the own flag is set or the check box is used: the box that enables the
  // children is never disabled with them.
  bool Enabled() const { return FOwnEnabled || FUseCheckBox; }
  // Hides the toolkit's setter: the children follow (all but the check box, which enables
  // them by Checked).
  void SetEnabled(bool Value);

  // The frame's rectangle and the caption's, in the control's coordinates.
  virtual TRect GetFrameRect();
  virtual TRect GetCaptionRect();
  // Children start below the caption.
  RECT ClientRect() const override;
  // Places the check box after the caption margin, as wide as its content within the box.
  void LayoutCheckBox();

  TNotifyEvent OnCheckBoxClick;

  // The caption's accelerator focuses the first child that can take the focus.
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  void Loaded() override;

protected:
  // The embedded check box's OnClick.
  virtual void CheckBoxClick();
  virtual TSeCustomCheckBox* CreateCheckBox();
  void PaintClient() override;
  void Resize() override;
  void CaptionChanged() override;
  TGroupLayout GroupLayout() const;
  // The caption drawn on one line, centred in Rect; engraved when disabled.
  void PaintCaptionText(const TRect& Rect);

private:
  void PaintPlainFrame(const TRect& Frame, const TRect& Caption);
  // The children's enabled state: by Checked with the check box, else the box's own.
  void EnableChildren();

  int FCaptionMargin = 12;
  bool FOwnEnabled = true;
  bool FUseCheckBox = false;
  TSeCustomCheckBox* FCheckBox = nullptr;
  TSeLeftRight FCheckBoxAlignment = lrLeft;
  bool FChecked = true;
};
