#include "controls/list/SeSkinSListView.h"

#include "toolkit/PrivateMessages.h"

TSeSkinSListView::TSeSkinSListView(TComponent* AOwner) : TSeSkinned(AOwner, "ListBox") {}

const TPropTable& TSeSkinSListView::Properties() {
  using L = TSeSkinSListView;
  static const TPropTable Table(
      &TSeCustomListView::Properties(),
      {SkinEngineProp<L>(), SkinObjectProp<L>(),
       AccessorProp<L>("SkinHeaderObject", TPropKind::pkString, &L::SkinHeaderObject,
                       &L::SetSkinHeaderObject),
       SkinVersionProp<L>()});
  return Table;
}

void TSeSkinSListView::SetSkinEngine(TSeSkinEngine* Engine) {
  // The header's copy is made first: the list's attachment repaints the whole control.
  const TSeSkinSource* Source = Engine ? Engine->Source() : nullptr;
  FHeaderSkin.reset();
  if (Source && !Source->Changing && Source->ObjectCount() > 0)
    if (const TSeSkinObject* Template = Source->FindObject(FSkinHeaderObject))
      FHeaderSkin = CloneSkinObject(*Template, nullptr);
  TSeSkinned::SetSkinEngine(Engine);
  for (TSeInplaceScrollBar* Bar : {ScrollBars()->HorzBar(), ScrollBars()->VertBar()})
    if (TSeSkinScrollBar* Inner = SkinBar(Bar)) {
      Inner->SetSkinEngine(Engine);
      // The skin's bar thickness does not hold here: the inner bar fills its place.
      const RECT Place = Bar->ClientRect();
      Inner->SetBounds(0, 0, Place.right, Place.bottom);
    }
  if (HandleAllocated()) {
    if (const HWND Header = HeaderHandle())
      ::InvalidateRect(Header, nullptr, TRUE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

LRESULT TSeSkinSListView::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  // A new skin of this control's engine attaches the header and the bars again as well.
  if (Msg == SE_SKINCHANGED) {
    if (SkinEngine() && LParam == reinterpret_cast<LPARAM>(SkinEngine()))
      SetSkinEngine(SkinEngine());
    return 0;
  }
  return TSeSkinned::WndProc(Msg, WParam, LParam);
}

void TSeSkinSListView::Notification(TComponent* AComponent, TOperation Operation) {
  const bool EngineGoes =
      Operation == TOperation::opRemove && AComponent && AComponent == SkinEngine();
  TSeSkinned::Notification(AComponent, Operation);
  if (EngineGoes)
    FHeaderSkin.reset();
}

TSeSkinScrollBar* TSeSkinSListView::SkinBar(TSeInplaceScrollBar* Bar) const {
  return Bar ? dynamic_cast<TSeSkinScrollBar*>(Bar->ScrollBar()) : nullptr;
}

std::unique_ptr<TSeCustomScrollBar> TSeSkinSListView::CreateScrollBar(TComponent* AOwner) {
  // It takes the engine in SetSkinEngine, which makes both bars.
  return std::make_unique<TSeSkinScrollBar>(AOwner);
}

void TSeSkinSListView::SkinAttached(TSeSkinObject& Copy) { SetColor(Copy.Color); }

void TSeSkinSListView::PaintBorder(TCanvas& Canvas, const TRect& Rect) {
  if (!Skinned()) {
    TSeCustomListView::PaintBorder(Canvas, Rect);
    return;
  }
  TSeSkinObject* Frame = SkinPart("Frame");
  Frame->SetState(Enabled() ? osNormal : osDisabled);
  Frame->SetBounds(Rect);
  Frame->Draw(Canvas);
}

void TSeSkinSListView::DrawHeaderSection(TCanvas& Canvas, const TRect& Rect, bool IsBackground,
                                         bool Hot, bool Pressed, const std::string& Caption) {
  // A skin without the header's object leaves the header plain.
  if (!Skinned() || !FHeaderSkin) {
    TSeCustomListView::DrawHeaderSection(Canvas, Rect, IsBackground, Hot, Pressed, Caption);
    return;
  }
  TSeSkinObject* Section = FHeaderSkin->FindObject("Section");
  if (!Section)
    Section = FHeaderSkin.get();
  Section->SetState(IsBackground ? osNormal : Pressed ? osPressed : Hot ? osHot : osNormal);
  Section->SetBounds(Rect);
  Section->Draw(Canvas);
  if (IsBackground)
    return;
  Canvas.Font.Assign(Section->GetFont());
  DrawSectionCaption(Canvas, Rect, Pressed, Caption);
}
