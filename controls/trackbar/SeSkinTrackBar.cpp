#include "controls/trackbar/SeSkinTrackBar.h"

#include "gfx/Shapes.h"
#include "toolkit/Published.h"

TSeSkinTrackBar::TSeSkinTrackBar(TComponent* AOwner) : TSeSkinned(AOwner, "TrackBar") {
  SetTransparent(true);
}

const TPropTable& TSeSkinTrackBar::Properties() {
  using T = TSeSkinTrackBar;
  static const TPropTable Table(
      &TSeCustomTrackBar::Properties(),
      {SkinEngineProp<T>(), SkinObjectProp<T>(), SkinVersionProp<T>()});
  return Table;
}

TSeSkinObject* TSeSkinTrackBar::OrientedPart(const char* Horizontal, const char* Vertical,
                                             const char* Shared) const {
  if (!Skinned())
    return nullptr;
  TSeSkinObject* Part = FindSkinPart(Orientation() == toHorizontal ? Horizontal : Vertical);
  return Part ? Part : FindSkinPart(Shared);
}

TSeSkinObject* TSeSkinTrackBar::ThumbSizePart() const {
  return OrientedPart("ThumbHorz", "ThumbVert", "Thumb");
}

TSeSkinObject* TSeSkinTrackBar::FramePart() const {
  return OrientedPart("FrameHorz", "FrameVert", "Frame");
}

// ---------------------------------------------------------------------------------------
// Metrics

int TSeSkinTrackBar::ThumbWidth() const {
  if (const TSeSkinObject* Thumb = ThumbSizePart())
    return Orientation() == toHorizontal ? Thumb->Width() : Thumb->Height();
  return TSeCustomTrackBar::ThumbWidth();
}

int TSeSkinTrackBar::ThumbLength() const {
  if (const TSeSkinObject* Thumb = ThumbSizePart())
    return Orientation() == toHorizontal ? Thumb->Height() : Thumb->Width();
  return TSeCustomTrackBar::ThumbLength();
}

int TSeSkinTrackBar::EndMargin() const {
  if (const TSeSkinObject* Frame = FramePart())
    return Orientation() == toHorizontal ? Frame->MarginLeft : Frame->MarginTop;
  return TSeCustomTrackBar::EndMargin();
}

int TSeSkinTrackBar::SideOffset() const {
  if (const TSeSkinObject* Frame = FramePart())
    return Orientation() == toHorizontal ? Frame->MarginTop : Frame->MarginLeft;
  return TSeCustomTrackBar::SideOffset();
}

// ---------------------------------------------------------------------------------------
// Painting

void TSeSkinTrackBar::PaintTrack(int Start, int End, int Centre) {
  if (!Skinned()) {
    TSeCustomTrackBar::PaintTrack(Start, End, Centre);
    return;
  }
  TSeSkinObject* Track = OrientedPart("TrackHorz", "TrackVert", "Track");
  if (!Track)
    return;
  const TTrackBarLayout Bar = Layout();
  const TRect Area = Bar.TrackRect();
  // The track keeps its own thickness, centred across the computed rectangle.
  TRect Band;
  if (Orientation() == toHorizontal) {
    const int Top = Area.Top + (Area.Height() - Track->Height()) / 2;
    Band = {Start, Top, End, Top + Track->Height()};
  } else {
    const int Left = Area.Left + (Area.Width() - Track->Width()) / 2;
    Band = {Left, Start, Left + Track->Width(), End};
  }
  Track->SetBounds(Band);
  Track->Draw(Canvas());
  if (TSeSkinObject* Highlight = OrientedPart("HighlightHorz", "HighlightVert", "Highlight")) {
    Highlight->SetBounds(
        Bar.HighlightRect(Band, Centre, HighlightShown() ? IntervalHighlightType() : htNone));
    Highlight->Draw(Canvas());
  }
}

void TSeSkinTrackBar::PaintThumb(int Centre) {
  if (!Skinned()) {
    TSeCustomTrackBar::PaintThumb(Centre);
    return;
  }
  if (!ThumbVisible())
    return;
  const bool Horizontal = Orientation() == toHorizontal;
  TSeSkinObject* Thumb = nullptr;
  if (TickMarks() == tmBottomRight)
    Thumb = FindSkinPart(Horizontal ? "ThumbHorzBottom" : "ThumbVertRight");
  else if (TickMarks() == tmTopLeft)
    Thumb = FindSkinPart(Horizontal ? "ThumbHorzTop" : "ThumbVertLeft");
  if (!Thumb)
    Thumb = ThumbSizePart();
  if (!Thumb)
    return;
  Thumb->SetState(!Enabled()      ? osDisabled
                  : Dragging()    ? osPressed
                  : ThumbHot()    ? osHot
                  : FocusedFlag() ? osFocused
                                  : osNormal);
  Thumb->SetBounds(Layout().ThumbBounds(Centre));
  Thumb->Draw(Canvas());
}

void TSeSkinTrackBar::PaintTick(const TTrackTick& Tick) {
  if (!Skinned()) {
    TSeCustomTrackBar::PaintTick(Tick);
    return;
  }
  FillRectColor(Canvas(), TickRect(Tick), Enabled() ? clBlack : clBtnShadow);
}
