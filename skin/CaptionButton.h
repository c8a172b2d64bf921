#pragma once
// What both caption-button classes share: the action, the pointer's effect on the button,
// and showing or hiding by the window state and the form's border icons.

#include <cstdint>

#include "skin/SkinObject.h"

// The pointer handling (left button 0; shift bit 8 for the left button held).
constexpr uint32_t ssLeftButton = 8;
void CaptionMouseEnter(TSeSkinObject& Button, TSeCaptionButtonState& State, uint32_t LastShift);
void CaptionMouseLeave(TSeSkinObject& Button, TSeCaptionButtonState& State);
void CaptionMouseDown(TSeSkinObject& Button, TSeCaptionButtonState& State, int MouseButton);
void CaptionMouseMove(TSeSkinObject& Button, TSeCaptionButtonState& State, uint32_t& LastShift,
                      uint32_t Shift);
// True when a left press ends on the button: its action is due.
bool CaptionMouseUp(TSeSkinObject& Button, TSeCaptionButtonState& State, uint32_t& LastShift,
                    int MouseButton);
// The action of a caption button on its form; sbaNone and sbaRollPanel do nothing here.
void CaptionAction(TSeSkinObject& Button, TSeAction Action);
// Visibility by the window state (0, 2, 3, 4) and by the form's border icons; nothing
// happens without a form.
void ApplyCaptionButtonVisibility(TSeSkinObject& Button, TSeAction Action);

// A caption button made of any skin object kind.
template <class Base> class TSeCaptionButton : public Base {
public:
  explicit TSeCaptionButton(TComponent* AOwner) : Base(AOwner) { this->Kind = skSysButton; }

  // The base, then the button shows or hides by the window state and the form's icons.
  void SetState(TSeState Value) override {
    Base::SetState(Value);
    ApplyCaptionButtonVisibility(*this, Action);
  }
  void MouseEnter() override { CaptionMouseEnter(*this, ButtonState, LastShift); }
  void MouseLeave() override { CaptionMouseLeave(*this, ButtonState); }
  void MouseDown(int Button, int, int) override { CaptionMouseDown(*this, ButtonState, Button); }
  void MouseMove(uint32_t Shift, int, int) override {
    CaptionMouseMove(*this, ButtonState, LastShift, Shift);
  }
  void MouseUp(int Button, int, int) override {
    if (CaptionMouseUp(*this, ButtonState, LastShift, Button))
      DoAction();
  }
  // A double click on the system-menu button closes the form.
  void DblClick(int Button, int, int) override {
    if (Button == 0 && Action == sbaSysMenu)
      CaptionAction(*this, sbaClose);
  }
  // Action on the form; nothing without one.
  virtual void DoAction() { CaptionAction(*this, Action); }

  TSeAction Action = sbaNone;
  TSeCaptionButtonState ButtonState = bsNormal;
  uint32_t LastShift = 0;
};
