#include "skin/SkinObject.h"

#include <algorithm>

#include "gfx/Pixels.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"
#include "toolkit/Published.h"
#include "toolkit/SysUtils.h"

namespace {

// Bounds stay well inside 32 bits, so layout sums cannot overflow whatever a skin says.
constexpr int64_t CoordLimit = int64_t{1} << 28;
int32_t ClampCoord(int64_t Value) {
  return static_cast<int32_t>(std::clamp(Value, -CoordLimit, CoordLimit));
}
int32_t ClampSize(int64_t Value) {
  return static_cast<int32_t>(std::clamp<int64_t>(Value, 0, CoordLimit));
}

// The work rectangle of a layout, wide enough for any sum of child sizes.
struct TWorkRect {
  int64_t Left, Top, Right, Bottom;
};

} // namespace

TSeSkinObject::TSeSkinObject(TComponent* AOwner) : TComponent(AOwner) {}

const TPropTable& TSeSkinObject::Properties() {
  using T = TSeSkinObject;
  static const TPropTable Table(
      nullptr, {FieldProp("Align", &T::Align, TPropKind::pkEnum, AlignNames),
                FieldProp("Color", &T::Color, TPropKind::pkColor),
                FieldProp("DrawIfOwner", &T::DrawIfOwner),
                ObjectProp("Font", &T::Font),
                FieldProp("Kind", &T::Kind, TPropKind::pkEnum, KindNames),
                FieldProp("Masked", &T::Masked),
                AccessorProp<T>("Left", TPropKind::pkInteger, &T::Left, &T::SetLeft),
                AccessorProp<T>("Top", TPropKind::pkInteger, &T::Top, &T::SetTop),
                AccessorProp<T>("Height", TPropKind::pkInteger, &T::Height, &T::SetHeight),
                AccessorProp<T>("Width", TPropKind::pkInteger, &T::Width, &T::SetWidth),
                FieldProp("MarginLeft", &T::MarginLeft),
                FieldProp("MarginRight", &T::MarginRight),
                FieldProp("MarginTop", &T::MarginTop),
                FieldProp("MarginBottom", &T::MarginBottom),
                FieldProp("TextAlign", &T::TextAlign, TPropKind::pkEnum, TextAlignNames),
                FieldProp("TextEffect", &T::TextEffect, TPropKind::pkEnum, TextEffectNames),
                FieldProp("TextMarginLeft", &T::TextMarginLeft),
                FieldProp("TextMarginRight", &T::TextMarginRight),
                FieldProp("TextMarginTop", &T::TextMarginTop),
                ChildObjectsProperty()});
  return Table;
}

void TSeSkinObject::Assign(const TPersistent& Source) {
  const auto* Other = dynamic_cast<const TSeSkinObject*>(&Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  SetName(Other->Name());
  Masked = Other->Masked;
  Align = Other->Align;
  Kind = Other->Kind;
  FBitmaps = Other->FBitmaps;
  Color = Other->Color;
  DrawIfOwner = Other->DrawIfOwner;
  Font.Assign(Other->Font);
  TextAlign = Other->TextAlign;
  TextEffect = Other->TextEffect;
  TextMarginLeft = Other->TextMarginLeft;
  TextMarginRight = Other->TextMarginRight;
  TextMarginTop = Other->TextMarginTop;
  MarginLeft = Other->MarginLeft;
  MarginTop = Other->MarginTop;
  MarginRight = Other->MarginRight;
  MarginBottom = Other->MarginBottom;
  // Children of an earlier look go, so that assigning twice does not double the tree.
  while (ChildCount() > 0)
    DestroyComponent(Components(ChildCount() - 1));
  for (int I = 0; I < Other->ChildCount(); ++I)
    if (auto Child = CloneSkinObject(*Other->GetChild(I), this))
      InsertComponent(std::move(Child));
  FLeft = Other->FLeft;
  FTop = Other->FTop;
  FWidth = Other->FWidth;
  FHeight = Other->FHeight;
  AssignPublished(*this, Source, &Properties());
}

void TSeSkinObject::SetState(TSeState Value) {
  FState = Value;
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->SetState(Value);
}

void TSeSkinObject::ResolveLinks() {
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->ResolveLinks();
}

void TSeSkinObject::ChangeHue(int32_t Delta) {
  if (Color != clNone)
    Color = ShiftColorHue(Color, Delta);
  if (Font.Color() != clNone)
    Font.SetColor(ShiftColorHue(Font.Color(), Delta));
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->ChangeHue(Delta);
}

void TSeSkinObject::SetCharset(TFontCharset Value) {
  GetFont().SetCharset(Value);
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->SetCharset(Value);
}

TSeSkinObject* TSeSkinObject::GetChild(int Index) const {
  return Index >= 0 && Index < ChildCount() ? static_cast<TSeSkinObject*>(Components(Index))
                                            : nullptr;
}

TSeSkinObject* TSeSkinObject::FindObject(std::string_view AName) {
  if (SameText(Name(), AName))
    return this;
  for (int I = 0; I < ChildCount(); ++I)
    if (TSeSkinObject* Found = GetChild(I)->FindObject(AName))
      return Found;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindObjectByKind(TSeKind AKind) {
  if (Kind == AKind)
    return this;
  for (int I = 0; I < ChildCount(); ++I)
    if (TSeSkinObject* Found = GetChild(I)->FindObjectByKind(AKind))
      return Found;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::ObjectAtPoint(TPoint Point) {
  if (!Visible || Kind == skTranparent || Point.X < FLeft || Point.Y < FTop ||
      Point.X >= FLeft + FWidth || Point.Y >= FTop + FHeight)
    return nullptr;
  for (int I = ChildCount() - 1; I >= 0; --I)
    if (TSeSkinObject* Found = GetChild(I)->ObjectAtPoint(Point))
      return Found;
  return this;
}

void TSeSkinObject::SetLeft(int32_t Value) {
  SetBounds({Value, FTop, ClampCoord(int64_t{Value} + FWidth), FTop + FHeight});
}
void TSeSkinObject::SetTop(int32_t Value) {
  SetBounds({FLeft, Value, FLeft + FWidth, ClampCoord(int64_t{Value} + FHeight)});
}
void TSeSkinObject::SetWidth(int32_t Value) {
  SetBounds({FLeft, FTop, ClampCoord(int64_t{FLeft} + Value), FTop + FHeight});
}
void TSeSkinObject::SetHeight(int32_t Value) {
  SetBounds({FLeft, FTop, FLeft + FWidth, ClampCoord(int64_t{FTop} + Value)});
}

void TSeSkinObject::SetBounds(const TRect& Rect) {
  const int32_t L = ClampCoord(Rect.Left), T = ClampCoord(Rect.Top);
  const int32_t W = ClampSize(int64_t{Rect.Right} - Rect.Left);
  const int32_t H = ClampSize(int64_t{Rect.Bottom} - Rect.Top);
  if (L == FLeft && T == FTop && W == FWidth && H == FHeight)
    return;
  FOldWidth = FWidth;
  FOldHeight = FHeight;
  FLeft = L;
  FTop = T;
  FWidth = W;
  FHeight = H;
  FAnchorsPending = true;
  AlignObjects();
}

void TSeSkinObject::AlignObjects() {
  TWorkRect R{FLeft, FTop, int64_t{FLeft} + FWidth, int64_t{FTop} + FHeight};
  const auto Place = [](TSeSkinObject& Child, int64_t L, int64_t T, int64_t Rt, int64_t B) {
    Child.SetBounds({ClampCoord(L), ClampCoord(T), ClampCoord(Rt), ClampCoord(B)});
  };
  const auto Visible = [this](int I, std::initializer_list<TSeAlign> Aligns) -> TSeSkinObject* {
    TSeSkinObject* Child = GetChild(I);
    return Child->Visible && std::find(Aligns.begin(), Aligns.end(), Child->Align) != Aligns.end()
               ? Child
               : nullptr;
  };
  // Top and bottom bands, then left and right ones: the "most" aligns first.
  const auto Bands = [&](TSeAlign TopAlign, TSeAlign BottomAlign) {
    for (int I = 0; I < ChildCount(); ++I)
      if (TSeSkinObject* C = Visible(I, {TopAlign, BottomAlign})) {
        const int64_t Size = C->Height();
        if (C->Align == TopAlign) {
          Place(*C, R.Left, R.Top, R.Right, R.Top + Size);
          R.Top += Size;
        } else {
          Place(*C, R.Left, R.Bottom - Size, R.Right, R.Bottom);
          R.Bottom -= Size;
        }
      }
  };
  const auto Sides = [&](TSeAlign LeftAlign, TSeAlign RightAlign) {
    for (int I = 0; I < ChildCount(); ++I)
      if (TSeSkinObject* C = Visible(I, {LeftAlign, RightAlign})) {
        const int64_t Size = C->Width();
        if (C->Align == LeftAlign) {
          Place(*C, R.Left, R.Top, R.Left + Size, R.Bottom);
          R.Left += Size;
        } else {
          Place(*C, R.Right - Size, R.Top, R.Right, R.Bottom);
          R.Right -= Size;
        }
      }
  };
  Bands(saMostTop, saMostBottom);
  Sides(saMostLeft, saMostRight);
  Bands(saTop, saBottom);
  Sides(saLeft, saRight);
  for (int I = ChildCount() - 1; I >= 0; --I)
    if (TSeSkinObject* C = Visible(I, {saText}))
      C->SetWidth(ClampSize(int64_t{SkinTextWidth(C->Text, C->GetFont())} + C->TextMarginLeft +
                            C->TextMarginRight));
  for (int I = ChildCount() - 1; I >= 0; --I)
    if (TSeSkinObject* C = Visible(I, {saCenter})) {
      const int64_t L = R.Left + (R.Right - R.Left - C->Width()) / 2;
      const int64_t T = R.Top + (R.Bottom - R.Top - C->Height()) / 2;
      Place(*C, L, T, L + C->Width(), T + C->Height());
    }
  for (int I = 0; I < ChildCount(); ++I)
    if (TSeSkinObject* C = Visible(I, {saClient}))
      Place(*C, R.Left, R.Top, R.Right, R.Bottom);
  // Corner anchors keep their distance to the edges that moved; only the position is written.
  // They follow each change of size once: layouts without one (every draw runs one) must not
  // move them again.
  if (!FAnchorsPending)
    return;
  FAnchorsPending = false;
  for (int I = 0; I < ChildCount(); ++I) {
    TSeSkinObject* C = GetChild(I);
    const bool Right = C->Align == saTopRight || C->Align == saBottomRight;
    const bool Bottom = C->Align == saBottomLeft || C->Align == saBottomRight;
    if (Right && FOldWidth > 0)
      C->FLeft = ClampCoord(int64_t{FWidth} - (int64_t{FOldWidth} - C->FLeft));
    if (Bottom)
      C->FTop = ClampCoord(int64_t{FHeight} - (int64_t{FOldHeight} - C->FTop));
  }
}

void TSeSkinObject::SetBitmaps(TseBitmapList* List) {
  FBitmaps = List;
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->SetBitmaps(List);
}

void TSeSkinObject::SetActive(bool Value) {
  if (FActive == Value)
    return;
  FActive = Value;
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->SetActive(Value);
}

void TSeSkinObject::SetChildrenState(TSeState Value) {
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->SetState(Value);
}

void TSeSkinObject::ResolveLink(std::unique_ptr<TseBitmapLink>& Link, const TRect& LinkMargins) {
  if (!FBitmaps || !Link)
    return;
  if (auto Bound = FBitmaps->GetBitmapLink(Link->Name, Link->Rect)) {
    Bound->CheckMasked(LinkMargins);
    Link = std::move(Bound);
  }
}

std::unique_ptr<TSeSkinObject> CloneSkinObject(const TSeSkinObject& Template, TComponent* Owner) {
  const TSkinObjectClass* Class = FindSkinObjectClass(Template.ClassName());
  if (!Class)
    return nullptr;
  std::unique_ptr<TSeSkinObject> Copy = Class->Create(Owner);
  Copy->Assign(Template);
  return Copy;
}

TColor ShiftColorHue(TColor Color, int32_t Delta) {
  return PixelToColor(ChangePixelHue(ColorToPixel(Color, 255), Delta));
}

namespace {
TSkinTextWidth& TextWidthFunction() {
  static TSkinTextWidth Function;
  return Function;
}
} // namespace

void SetSkinTextWidth(TSkinTextWidth Measure) { TextWidthFunction() = std::move(Measure); }

int SkinTextWidth(const std::wstring& Text, const TFont& Font) {
  return TextWidthFunction() ? TextWidthFunction()(Text, Font) : PlatformTextWidth(Text, Font);
}
