#include "controls/menu/SePopupForm.h"

#include "controls/menu/SePopupView.h"
#include "gfx/Shapes.h"
#include "gfx/VisualStyles.h"
#include "toolkit/Colors.h"
#include "toolkit/Controls.h"

TSePopupForm::TSePopupForm(TComponent* AOwner) : TSeCustomForm(AOwner) {
  SetBorderIcons(0);
  SetBorderStyle(qbsNone);
  Dragging().Moveable = false;
  Dragging().Sizeable = false;
  SetPerformance(qzfpNoBuffer);
}

TRect TSePopupForm::GetFrameClientRect() const {
  const TRect M = ContentMargins();
  return {M.Left, M.Top, FrameWidth() - M.Right, FrameHeight() - M.Bottom};
}

void TSePopupForm::Dispatch(TMessage& Message) {
  if ((Message.Msg == WM_ACTIVATE || Message.Msg == WM_MOUSEACTIVATE) && ActivationKeeper &&
      ActivationKeeper->HandleAllocated()) {
    // The window that opened the menu keeps its active caption.
    const bool Active = Message.Msg == WM_MOUSEACTIVATE || LOWORD(Message.WParam) != WA_INACTIVE;
    SendMessageW(ActivationKeeper->Handle(), WM_NCACTIVATE, Active, 0);
  }
  TSeCustomForm::Dispatch(Message);
}

void TSePopupForm::PaintNonClient(TCanvas& Canvas) {
  TRect R{0, 0, FrameWidth(), FrameHeight()};
  if (VisualStylesActive()) {
    DrawRectOutline(Canvas, R, clBtnShadow);
    for (int Ring = 0; Ring < 2; ++Ring) {
      R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
      DrawRectOutline(Canvas, R, clMenu);
    }
    return;
  }
  const TColor Rings[3][2] = {
      {clBtnFace, clBlack}, {clBtnHighlight, clBtnShadow}, {clMenu, clMenu}};
  for (const auto& Ring : Rings) {
    DrawEdgeLines(Canvas, R, Ring[0], Ring[1]);
    R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
  }
}

void TSePopupForm::PaintClientBackground(TCanvas& Canvas, const TRect& Client) {
  // What the rows leave (a level smaller than the frame's least size) shows the menu colour.
  FillRectColor(Canvas, Client, clMenu);
  if (View)
    View->PaintAt(Canvas, {Client.Left, Client.Top});
}
