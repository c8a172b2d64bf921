#include "controls/edit/SeSkinEdit.h"

#include "controls/menu/SeSkinPopupMenu.h"
#include "skin/SkinObject.h"
#include "toolkit/Published.h"

TSeSkinEdit::TSeSkinEdit(TComponent* AOwner) : TSeSkinned(AOwner, "Edit") {}

const TPropTable& TSeSkinEdit::Properties() {
  using E = TSeSkinEdit;
  static const TPropTable Table(
      &TSeCustomEdit::Properties(),
      {SkinEngineProp<E>(), SkinObjectProp<E>(),
       SkinVersionProp<E>()});
  return Table;
}

TSeState TSeSkinEdit::ObjectState() const {
  return !Enabled() ? osDisabled : MouseInControl() ? osHot : FocusedFlag() ? osFocused : osNormal;
}

void TSeSkinEdit::SkinAttached(TSeSkinObject&) {
  // The frame's corners are masked in the skins: the parent shows there.
  TakeTransparencyFrom("Frame");
  Font().Assign(SkinPart("Text")->GetFont());
  FontChanged();
}

TFont TSeSkinEdit::TextFont() const {
  if (!Skinned())
    return TSeCustomEdit::TextFont();
  TSeSkinObject* Text = SkinPart("Text");
  Text->SetState(ObjectState());
  return TFont(Text->GetFont());
}

void TSeSkinEdit::DrawFrame(const TRect& Bounds) {
  TSeSkinObject* Frame = SkinPart("Frame");
  Frame->SetState(ObjectState());
  Frame->SetBounds(Bounds);
  Frame->Draw(Canvas());
}

void TSeSkinEdit::PaintBorder() {
  if (!Skinned()) {
    TSeCustomEdit::PaintBorder();
    return;
  }
  DrawFrame({0, 0, Width(), Height()});
}

void TSeSkinEdit::PaintBackground() {
  if (!Skinned()) {
    TSeCustomEdit::PaintBackground();
    return;
  }
  TRect Bounds{0, 0, Width(), Height()};
  // Without a frame of its own the edit shows only the inside of the skin's frame.
  const RECT Inner = GetInnerRect();
  if (Inner.left == 0 && Inner.top == 0 && Inner.right == Width() && Inner.bottom == Height()) {
    const TSeSkinObject* Frame = SkinPart("Frame");
    Bounds = {-Frame->MarginLeft, -Frame->MarginTop, Width() + Frame->MarginRight,
              Height() + Frame->MarginBottom};
  }
  DrawFrame(Bounds);
}

LRESULT TSeSkinEdit::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  // The menu shows with the engine the edit has now.
  if (Msg == WM_CONTEXTMENU)
    if (auto* Menu = dynamic_cast<TSeSkinPopupMenu*>(ContextMenu()))
      Menu->SetSkinEngine(SkinEngine());
  return TSeSkinned::WndProc(Msg, WParam, LParam);
}

TSeCustomPopupMenu* TSeSkinEdit::NewContextMenu() {
  auto* Menu = MakeComponent<TSeSkinPopupMenu>(this);
  Menu->SetSkinEngine(SkinEngine());
  return Menu;
}
