#include "controls/hint/SeHintForm.h"

#include "controls/hint/SeCustomHint.h"
#include "controls/hint/SeHintWindow.h"

TSeHintForm::TSeHintForm(TComponent* AOwner) : TSeCustomForm(AOwner) {
  SetBorderIcons(0);
  SetBorderStyle(qbsNone);
  Dragging().Moveable = false;
  Dragging().Sizeable = false;
  SetPerformance(qzfpDoubleBuffer);
}

void TSeHintForm::Dispatch(TMessage& Message) {
  // The window itself stays transparent to the pointer.
  if (Message.Msg == WM_NCHITTEST)
    return;
  TSeCustomForm::Dispatch(Message);
}

void TSeHintForm::PaintClientBackground(TCanvas& Canvas, const TRect&) {
  auto* Window = dynamic_cast<TSeHintWindow*>(Form());
  if (!Window)
    return;
  Canvas.Font.Assign(HintFont());
  const TRect Whole{0, 0, FrameWidth(), FrameHeight()};
  if (TSeCustomHint* Hint = Window->Hint())
    Hint->Paint(Canvas, Whole, Window->Caption());
  else
    PaintPlainHint(Canvas, Whole, Window->Caption());
}
