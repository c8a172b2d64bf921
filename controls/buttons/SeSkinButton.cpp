#include "controls/buttons/SeSkinButton.h"

#include "gfx/SkinText.h"
#include "skin/SkinObjects.h"

TSeSkinButton::TSeSkinButton(TComponent* AOwner) : TSeSkinned(AOwner, "Button") {}

const TPropTable& TSeSkinButton::Properties() {
  using B = TSeSkinButton;
  static const TPropTable Table(
      &TSeCustomButton::Properties(),
      {DefaultProp(AccessorProp<B>("ShowCaption", TPropKind::pkBoolean, &B::ShowCaption,
                                   &B::SetShowCaption),
                   true),
       DefaultProp(AccessorProp<B>("ShowGlyph", TPropKind::pkBoolean, &B::ShowGlyph,
                                   &B::SetShowGlyph),
                   true),
       SkinEngineProp<B>(), SkinObjectProp<B>(), SkinVersionProp<B>()});
  return Table;
}

TSeState TSeSkinButton::ObjectState() const {
  return !Enabled()              ? osDisabled
         : State() == qbsPressed ? osPressed
         : MouseInControl()      ? osHot
         : ShowsFocus()          ? osFocused
                                 : osNormal;
}

void TSeSkinButton::SkinAttached(TSeSkinObject&) { TakeTransparencyFrom("Face"); }

void TSeSkinButton::PaintFace() {
  if (!Skinned()) {
    TSeCustomButton::PaintFace();
    return;
  }
  TSeSkinObject* Face = SkinPart("Face");
  Face->SetState(ObjectState());
  Face->SetBounds({0, 0, Width(), Height()});
  Face->Draw(Canvas());
}

void TSeSkinButton::PaintGlyph() {
  if (!Skinned() || ShowGlyph())
    TSeCustomButton::PaintGlyph();
}

void TSeSkinButton::PaintCaption() {
  if (!Skinned() || !ShowCaption()) {
    TSeCustomButton::PaintCaption();
    return;
  }
  TSeSkinObject* Text = FindSkinPart("Text");
  if (Text)
    Text->SetState(ObjectState());
  PaintFont().Assign(Text ? Text->GetFont() : SkinCopy()->GetFont());
  Canvas().Font.Assign(PaintFont());
  UINT Flags = 0;
  TRect R = CaptionTextRect(Flags);
  DrawSkinText(Canvas(), CaptionText(), R, Flags);
}
