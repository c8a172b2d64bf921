#include "controls/SePopupView.h"

#include "controls/SeCustomItem.h"
#include "controls/SePopupForm.h"
#include "controls/SePopupWindow.h"
#include "toolkit/GdiGuards.h"

TSePopupView::TSePopupView(TComponent* AOwner)
    : TSeItemView(AOwner), FMeasureDC(CreateCompatibleDC(nullptr)), FMeasureCanvas(FMeasureDC) {
  SetCanvas(&FMeasureCanvas);
}

TSePopupView::~TSePopupView() {
  if (FMeasureDC)
    DeleteDC(FMeasureDC);
}

void TSePopupView::SetContentSize(int Width, int Height) {
  TSeItemView::SetContentSize(Width, Height);
  if (!Form || !PopupWindow)
    return;
  const TRect M = Form->ContentMargins();
  const int Shadow = Form->Shadow().Enabled() ? Form->Shadow().Size() : 0;
  PopupWindow->SetBounds(PopupWindow->Left(), PopupWindow->Top(), Width + M.Left + M.Right + Shadow,
                         Height + M.Top + M.Bottom + Shadow);
}

bool TSePopupView::Repaints() const {
  return Form && (Form->Performance() != qzfpNoBuffer || Form->Blending().Enabled());
}

void TSePopupView::RepaintAll() {
  if (PopupWindow && PopupWindow->HandleAllocated())
    RedrawWindow(PopupWindow->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TSePopupView::RepaintRect(const TRect& Rect) {
  if (!PopupWindow || !PopupWindow->HandleAllocated() || Rect.IsEmpty())
    return;
  const TWindowDC DC(PopupWindow->Handle());
  if (!DC.DC())
    return;
  IntersectClipRect(DC.DC(), Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  SendMessageW(PopupWindow->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC.DC()), 0);
}

void TSePopupView::RepaintItem(TSeCustomItem* Child) {
  if (!Child || !Item() || Child->Parent() != Item() || !PopupWindow ||
      !PopupWindow->HandleAllocated())
    return;
  const TRect Rect = GetItemRect(Child);
  if (Rect.IsEmpty())
    return;
  if (Repaints()) {
    Item()->Root()->ForEach([Child](TSeCustomItem& Each) { Each.PaintingSuspended = true; });
    Child->ForEach([](TSeCustomItem& Each) { Each.PaintingSuspended = false; });
    RepaintRect(Rect);
    Item()->Root()->ForEach([](TSeCustomItem& Each) { Each.PaintingSuspended = false; });
    return;
  }
  const TWindowDC DC(PopupWindow->Handle());
  TCanvas Target(DC.DC());
  Target.Font = Canvas()->Font;
  Child->DrawItem(Target, *this, !Tracking(), Child == Current(), Rect);
}

void TSePopupView::RepaintScrollArrow(int Arrow) {
  const TRect Strip = ScrollStrip(Arrow);
  if (Strip.IsEmpty() || !PopupWindow || !PopupWindow->HandleAllocated())
    return;
  if (Repaints()) {
    for (int I = 0; I < Item()->Count(); ++I)
      Item()->Items(I)->PaintingSuspended = true;
    RepaintRect(Strip);
    for (int I = 0; I < Item()->Count(); ++I)
      Item()->Items(I)->PaintingSuspended = false;
    return;
  }
  const TWindowDC DC(PopupWindow->Handle());
  TCanvas Target(DC.DC());
  Item()->DrawScrollArrow(Target, *this, HotArrow() == Arrow, Arrow, Strip);
}
