#include "controls/scroll/SeSkinScrollBar.h"

#include "gfx/Shapes.h"
#include "toolkit/Published.h"

TSeSkinScrollBar::TSeSkinScrollBar(TComponent* AOwner) : TSeSkinned(AOwner, "ScrollBar") {
  SetBorderWidth(0);
}

const TPropTable& TSeSkinScrollBar::Properties() {
  using S = TSeSkinScrollBar;
  static const TPropTable Table(&TSeCustomScrollBar::Properties(),
                                {SkinEngineProp<S>(), SkinObjectProp<S>(), SkinVersionProp<S>()});
  return Table;
}

TSeSkinObject* TSeSkinScrollBar::KindPart(const char* Horizontal, const char* Vertical,
                                          const char* Shared) const {
  TSeSkinObject* Part = FindSkinPart(Kind() == sbHorizontal ? Horizontal : Vertical);
  if (!Part && Shared)
    Part = FindSkinPart(Shared);
  return Part;
}

TSeState TSeSkinScrollBar::PartState(bool Pressed, bool Hot) const {
  return !Enabled() ? osDisabled : Pressed ? osPressed : Hot ? osHot : osNormal;
}

TSeState TSeSkinScrollBar::ButtonState(bool Pressed, bool Hot) const {
  return PartState(Pressed && Hot, Hot);
}

void TSeSkinScrollBar::DrawPart(TSeSkinObject* Part, TSeState State, const TRect& Bounds) {
  if (!Part)
    return;
  Part->SetState(State);
  Part->SetBounds(Bounds);
  Part->Draw(Canvas());
}

int TSeSkinScrollBar::ButtonSize() const {
  if (Skinned()) {
    if (const TSeSkinObject* Button = KindPart("LeftButton", "TopButton"))
      return Kind() == sbHorizontal ? Button->Width() : Button->Height();
  }
  return TSeCustomScrollBar::ButtonSize();
}

void TSeSkinScrollBar::SkinAttached(TSeSkinObject&) {
  const TSeSkinObject* Frame = FramePart();
  if (!Frame)
    return;
  if (Kind() == sbVertical)
    SetWidth(Frame->Width());
  else
    SetHeight(Frame->Height());
}

void TSeSkinScrollBar::PaintBorder() {
  if (!Skinned())
    TSeCustomScrollBar::PaintBorder();
}

void TSeSkinScrollBar::PaintTrack() {
  if (!Skinned()) {
    TSeCustomScrollBar::PaintTrack();
    return;
  }
  // The frame keeps the state the skin gave it.
  if (TSeSkinObject* Frame = FramePart()) {
    Frame->SetBounds({0, 0, Width(), Height()});
    Frame->Draw(Canvas());
  }
}

void TSeSkinScrollBar::PaintButton1() {
  if (Skinned())
    DrawPart(KindPart("LeftButton", "TopButton"), ButtonState(Pressed().Button1, Hot().Button1),
             Button1Rect());
  else
    TSeCustomScrollBar::PaintButton1();
}

void TSeSkinScrollBar::PaintButton2() {
  if (Skinned())
    DrawPart(KindPart("RightButton", "BottomButton"), ButtonState(Pressed().Button2, Hot().Button2),
             Button2Rect());
  else
    TSeCustomScrollBar::PaintButton2();
}

void TSeSkinScrollBar::PaintThumb() {
  if (Skinned())
    DrawPart(KindPart("HorzSlider", "VertSlider", "Slider"), PartState(Dragging(), Hot().Thumb),
             ThumbRect());
  else
    TSeCustomScrollBar::PaintThumb();
}

void TSeSkinScrollBar::PaintTrackBefore() {
  if (Skinned())
    FillRectColor(Canvas(), TrackBeforeRect(), clBtnShadow);
  else
    TSeCustomScrollBar::PaintTrackBefore();
}

void TSeSkinScrollBar::PaintTrackAfter() {
  if (Skinned())
    FillRectColor(Canvas(), TrackAfterRect(), clBtnShadow);
  else
    TSeCustomScrollBar::PaintTrackAfter();
}
