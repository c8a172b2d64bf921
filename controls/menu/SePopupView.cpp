#include "controls/menu/SePopupView.h"

#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SePopupForm.h"
#include "controls/menu/SePopupWindow.h"
#include "toolkit/GdiGuards.h"

TSePopupView::TSePopupView(TComponent* AOwner)
    : TSeItemView(AOwner), FMeasureDC(CreateCompatibleDC(nullptr)),
      FMeasureCanvas(FMeasureDC.get()) {
  SetCanvas(&FMeasureCanvas);
}

TSePopupView::~TSePopupView() = default;

void TSePopupView::SetPopupWindow(TSePopupWindow* Window, TSePopupForm* Frame) {
  FPopupWindow = Window;
  FForm = Frame;
  SetWindow(Window);
}

void TSePopupView::SetContentSize(int Width, int Height) {
  TSeItemView::SetContentSize(Width, Height);
  if (!FForm || !FPopupWindow)
    return;
  const TRect M = FForm->ContentMargins();
  const int Shadow = FForm->Shadow().Enabled() ? FForm->Shadow().Size() : 0;
  FPopupWindow->SetBounds(FPopupWindow->Left(), FPopupWindow->Top(),
                          Width + M.Left + M.Right + Shadow, Height + M.Top + M.Bottom + Shadow);
}

bool TSePopupView::Repaints() const {
  return FForm && (FForm->Performance() != qzfpNoBuffer || FForm->Blending().Enabled());
}

void TSePopupView::RepaintAll() {
  if (FPopupWindow && FPopupWindow->HandleAllocated())
    RedrawWindow(FPopupWindow->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TSePopupView::RepaintRect(const TRect& Rect) {
  if (!FPopupWindow || !FPopupWindow->HandleAllocated() || Rect.IsEmpty())
    return;
  const TWindowDC DC(FPopupWindow->Handle());
  if (!DC.DC())
    return;
  IntersectClipRect(DC.DC(), Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  SendMessageW(FPopupWindow->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC.DC()), 0);
}

void TSePopupView::RepaintItem(TSeCustomItem* Child) {
  if (!Child || !Item() || Child->Parent() != Item() || !FPopupWindow ||
      !FPopupWindow->HandleAllocated())
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
  const TWindowDC DC(FPopupWindow->Handle());
  TCanvas Target(DC.DC());
  Target.Font = Canvas()->Font;
  Child->DrawItem(Target, *this, !Tracking(), Child == Current(), Rect);
}

void TSePopupView::RepaintScrollArrow(int Arrow) {
  const TRect Strip = ScrollStrip(Arrow);
  if (Strip.IsEmpty() || !FPopupWindow || !FPopupWindow->HandleAllocated())
    return;
  if (Repaints()) {
    for (int I = 0; I < Item()->Count(); ++I)
      Item()->Items(I)->PaintingSuspended = true;
    RepaintRect(Strip);
    for (int I = 0; I < Item()->Count(); ++I)
      Item()->Items(I)->PaintingSuspended = false;
    return;
  }
  const TWindowDC DC(FPopupWindow->Handle());
  TCanvas Target(DC.DC());
  Item()->DrawScrollArrow(Target, *this, HotArrow() == Arrow, Arrow, Strip);
}
