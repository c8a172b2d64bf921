#include "controls/tabs/SeSkinTabControl.h"

#include "toolkit/PrivateMessages.h"
#include "toolkit/Published.h"

namespace {

const char* TabObjectName(TTabPosition Side) {
  switch (Side) {
  case tpBottom:
    return "TabBottom";
  case tpLeft:
    return "TabLeft";
  case tpRight:
    return "TabRight";
  case tpTop:
    break;
  }
  return "TabTop";
}

} // namespace

TSeSkinTabControl::TSeSkinTabControl(TComponent* AOwner) : TSeSkinned(AOwner, "Tabs") {}

const TPropTable& TSeSkinTabControl::Properties() {
  using C = TSeSkinTabControl;
  static const TPropTable Table(
      &TSeCustomTabControl::Properties(),
      {SkinEngineProp<C>(), SkinObjectProp<C>(),
       SkinVersionProp<C>()});
  return Table;
}

// ---------------------------------------------------------------------------------------
// Metrics

int TSeSkinTabControl::FrameMargin(int32_t TSeSkinObject::*Margin) const {
  const TSeSkinObject* Frame = FindSkinPart("Frame");
  return Frame ? Frame->*Margin : 0;
}

int TSeSkinTabControl::MarginLeft() const {
  return Skinned() ? FrameMargin(&TSeSkinObject::MarginLeft) : TSeCustomTabControl::MarginLeft();
}

int TSeSkinTabControl::MarginTop() const {
  return Skinned() ? FrameMargin(&TSeSkinObject::MarginTop) : TSeCustomTabControl::MarginTop();
}

int TSeSkinTabControl::MarginRight() const {
  return Skinned() ? FrameMargin(&TSeSkinObject::MarginRight) : TSeCustomTabControl::MarginRight();
}

int TSeSkinTabControl::MarginBottom() const {
  return Skinned() ? FrameMargin(&TSeSkinObject::MarginBottom)
                   : TSeCustomTabControl::MarginBottom();
}

void TSeSkinTabControl::SkinAttached(TSeSkinObject&) { LayoutChanged(); }

LRESULT TSeSkinTabControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const LRESULT Result = TSeSkinned::WndProc(Msg, WParam, LParam);
  // Without a copy the margins went back to the plain ones: the sheet moves all the same.
  if (Msg == SE_SKINCHANGED && LParam == reinterpret_cast<LPARAM>(SkinEngine()))
    LayoutChanged();
  return Result;
}

// ---------------------------------------------------------------------------------------
// Painting

TSeSkinObject* TSeSkinTabControl::TabObject(TTabPosition Side) const {
  TSeSkinObject* Tab = FindSkinPart(TabObjectName(Side));
  return Tab ? Tab : FindSkinPart("Tab");
}

TSeState TSeSkinTabControl::TabState(int Index) const {
  return Index == HotTab() ? osHot : Index == TabIndex() ? osFocused : osNormal;
}

void TSeSkinTabControl::PaintPageFrame() {
  if (!Skinned()) {
    TSeCustomTabControl::PaintPageFrame();
    return;
  }
  if (TSeSkinObject* Frame = FindSkinPart("Frame")) {
    Frame->SetBounds(Layout().PageRect());
    Frame->Draw(Canvas());
  }
}

void TSeSkinTabControl::DrawTabFrame(int Index, const TRect& Rect, TTabPosition Side) {
  TSeSkinObject* Tab = Skinned() ? TabObject(Side) : nullptr;
  if (!Tab) {
    TSeCustomTabControl::DrawTabFrame(Index, Rect, Side);
    return;
  }
  Tab->SetState(TabState(Index));
  Tab->SetBounds(Index == TabIndex() ? Rect : MoveOuterEdge(Rect, Side, MarginLeft()));
  Tab->Draw(Canvas());
}

void TSeSkinTabControl::DrawTabText(int Index, const TRect& Rect, TTabPosition Side) {
  TSeSkinObject* Tab = Skinned() ? TabObject(Side) : nullptr;
  TSeSkinObject* Text = Skinned() ? FindSkinPart("Text") : nullptr;
  if (!Tab && !Text) {
    TSeCustomTabControl::DrawTabText(Index, Rect, Side);
    return;
  }
  TSeSkinObject* FontSource = Text ? Text : Tab;
  FontSource->SetState(TabState(Index));
  Canvas().Font.Assign(FontSource->GetFont());
  DrawTabCaption(Index, TabTextRect(Index, Rect, Side), Side);
  Canvas().Font.Assign(PaintFont());
}

bool TSeSkinTabControl::PaintSkinButton(const char* Name, const TRect& Rect, bool Pressed,
                                        bool Hot) {
  TSeSkinObject* Button = Skinned() ? FindSkinPart(Name) : nullptr;
  if (!Button)
    return false;
  Button->SetState(Pressed ? osPressed : Hot ? osHot : osNormal);
  Button->SetBounds(Rect);
  Button->Draw(Canvas());
  return true;
}

void TSeSkinTabControl::PaintLeftButton() {
  if (!PaintSkinButton("LeftButton", Layout().LeftButtonRect(), LeftButtonPressed(),
                       LeftButtonHot()))
    TSeCustomTabControl::PaintLeftButton();
}

void TSeSkinTabControl::PaintRightButton() {
  if (!PaintSkinButton("RightButton", Layout().RightButtonRect(), RightButtonPressed(),
                       RightButtonHot()))
    TSeCustomTabControl::PaintRightButton();
}
