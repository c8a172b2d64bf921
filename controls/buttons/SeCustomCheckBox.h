#pragma once
// The library's check box: a glyph and a caption, two or three states, toggled by the left
// button released over it or by the space key. It paints the platform's check box (themed
// while visual styles are on); the skinned box replaces the glyph and the caption's font.

#include <windows.h>

#include <string>

#include "controls/base/CheckGeometry.h"
#include "controls/base/SeCustomControl.h"

class TPropTable;

class TSeCustomCheckBox : public TSeCustomControl {
public:
  explicit TSeCustomCheckBox(TComponent* AOwner);
  std::string ClassName() const override { return "TSeCustomCheckBox"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TCheckBoxState State() const { return FState; }
  // A new state repaints and fires OnClick; the same state does nothing.
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TSeLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TSeLeftRight Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Held by the left button or the space key.
  bool Pressed() const { return FPressed; }

  // The next state of the cycle (unchecked, grayed when allowed, checked).
  virtual void Toggle();
  // The glyph's width and height.
  virtual SIZE GetGlyphSize() const;
  // The glyph's place and the caption's, in the control's coordinates.
  TRect GlyphRect() const;
  TRect CaptionRect();

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  // Fires OnClick, unless the control is being loaded.
  virtual void DoClick();
  virtual void PaintGlyph();
  virtual void PaintCaption();
  void PaintClient() override;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  // The layout the glyph and caption are placed by.
  TCheckLayout Layout() const;
  UINT CaptionFormat() const;

private:
  TCheckBoxState FState = cbUnchecked;
  int FSpacing = 5;
  bool FPressed = false;
  TSeLeftRight FAlignment = lrLeft;
  bool FAllowGrayed = false;
  bool FWordWrap = false;
};
