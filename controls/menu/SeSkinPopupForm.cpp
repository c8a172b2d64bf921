#include "controls/menu/SeSkinPopupForm.h"

#include "controls/menu/SePopupView.h"
#include "skin/SkinEngine.h"
#include "skin/SkinSource.h"
#include "toolkit/GdiGuards.h"

TSeSkinPopupForm::TSeSkinPopupForm(TComponent* AOwner, TSeSkinEngine* Engine)
    : TSePopupForm(AOwner), FEngine(Engine) {}

TSeSkinObject* TSeSkinPopupForm::PopupTemplate() const {
  const TSeSkinSource* Source = FEngine ? FEngine->Source() : nullptr;
  if (!Source || Source->Changing || Source->ObjectCount() == 0)
    return nullptr;
  return Source->FindObject("PopupMenu");
}

TSeSkinObject* TSeSkinPopupForm::Frame() const {
  TSeSkinObject* Template = PopupTemplate();
  return Template ? Template->FindObject("Frame") : nullptr;
}

TRect TSeSkinPopupForm::ContentMargins() const {
  if (!PopupTemplate())
    return TSePopupForm::ContentMargins();
  const TSeSkinObject* Border = Frame();
  if (!Border)
    return {3, 3, 3, 3};
  return {Border->MarginLeft, Border->MarginTop, Border->MarginRight, Border->MarginBottom};
}

void TSeSkinPopupForm::PaintNonClient(TCanvas& Canvas) {
  if (!PopupTemplate()) {
    TSePopupForm::PaintNonClient(Canvas);
    return;
  }
  if (TSeSkinObject* Border = Frame()) {
    Border->SetBounds({0, 0, FrameWidth(), FrameHeight()});
    Border->Draw(Canvas);
  }
}

void TSeSkinPopupForm::PaintClientBackground(TCanvas& Canvas, const TRect& Client) {
  if (!PopupTemplate()) {
    TSePopupForm::PaintClientBackground(Canvas, Client);
    return;
  }
  if (TSeSkinObject* Border = Frame()) {
    // The frame under the rows, where it lies in the window.
    const TRect Inner = GetFrameClientRect();
    const TMoveWindowOrg Moved(Canvas.Handle(), -Inner.Left, -Inner.Top);
    Border->SetBounds({0, 0, FrameWidth(), FrameHeight()});
    Border->Draw(Canvas);
  }
  if (View)
    View->PaintAt(Canvas, {Client.Left, Client.Top});
}
