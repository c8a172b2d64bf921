// What caption buttons do with the pointer and on the form.

#include "skin/SkinKinds.h"

void CaptionMouseEnter(TSeSkinObject& Button, TSeCaptionButtonState& State, uint32_t LastShift) {
  State = (LastShift & ssLeftButton) ? bsPressed : bsHot;
  Button.Invalidate();
}

void CaptionMouseLeave(TSeSkinObject& Button, TSeCaptionButtonState& State) {
  State = bsNormal;
  Button.Invalidate();
}

void CaptionMouseDown(TSeSkinObject& Button, TSeCaptionButtonState& State, int MouseButton) {
  if (MouseButton != 0)
    return;
  State = bsPressed;
  Button.Invalidate();
}

void CaptionMouseMove(TSeSkinObject& Button, TSeCaptionButtonState& State, uint32_t& LastShift,
                      uint32_t Shift) {
  if (State == bsPressed && (Shift & ssLeftButton))
    Button.Invalidate();
  else
    Button.ShowHint();
  LastShift = Shift;
}

bool CaptionMouseUp(TSeSkinObject& Button, TSeCaptionButtonState& State, uint32_t& LastShift,
                    int MouseButton) {
  LastShift = 0;
  if (MouseButton != 0 || State != bsPressed)
    return false;
  State = bsHot;
  Button.Invalidate();
  return true;
}

void CaptionAction(TSeSkinObject& Button, TSeAction Action) {
  TSeSkinFormLink* Form = Button.GetForm();
  if (Form && Action != sbaNone && Action != sbaRollPanel)
    Form->DoFormAction(Action, &Button);
}

// ---------------------------------------------------------------------------------------
// TSeSysButtonSkinObject

void TSeSysButtonSkinObject::DoAction() {
  if (!GetForm())
    return;
  if (Action != sbaRollPanel) {
    CaptionAction(*this, Action);
    return;
  }
  TSeSkinObject* Root = this;
  while (auto* Parent = dynamic_cast<TSeSkinObject*>(Root->Owner()))
    Root = Parent;
  if (auto* Panel = dynamic_cast<TSeRollPanelObject*>(Root->FindObject(RollPanel)))
    Panel->ToggleRoll();
}

// ---------------------------------------------------------------------------------------
// TSeActiveSkinObject

void TSeActiveSkinObject::MouseEnter() {
  SetState(osHot);
  Invalidate();
}

void TSeActiveSkinObject::MouseLeave() {
  SetState(osNormal);
  Invalidate();
}
