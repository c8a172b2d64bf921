#include "TrackBarViews.h"

#include <vector>

#include "ViewSupport.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "toolkit/Forms.h"

namespace {

TSeSkinTrackBar* NewBar(TForm& Form, TSeSkinEngine* Engine, int Width, int Height) {
  auto* Bar = MakeComponent<TSeSkinTrackBar>(&Form);
  Bar->SetParent(&Form);
  Bar->SetBounds(10, 10, Width, Height);
  Bar->SetSkinEngine(Engine);
  return Bar;
}

TPoint ThumbCentre(const TSeCustomTrackBar& Bar) {
  const TTrackBarLayout Layout = Bar.Layout();
  const TRect Thumb = Layout.ThumbBounds(Layout.PositionToPixel(Bar.Position()));
  return {(Thumb.Left + Thumb.Right) / 2, (Thumb.Top + Thumb.Bottom) / 2};
}

void Finish(TSeSkinTrackBar* Bar, std::vector<TSkinPicture>& Views) {
  Views.push_back(CaptureWindowed(*Bar));
  if (GetCapture())
    ReleaseCapture();
  Bar->Free();
}

} // namespace

// 150 x 45 bars over 0..10: at rest, the thumb hot, the thumb held (focused), pointing up with
// the low interval highlighted, disabled with ticks on both sides and the high interval.
TSkinPicture TrackBars(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int State = 0; State < 5; ++State) {
    TSeSkinTrackBar* Bar = NewBar(Form, Engine, 150, 45);
    switch (State) {
    case 1:
      SendMouse(*Bar, WM_MOUSEMOVE, 0, ThumbCentre(*Bar));
      break;
    case 2:
      SendMouse(*Bar, WM_MOUSEMOVE, 0, ThumbCentre(*Bar));
      SendMouse(*Bar, WM_LBUTTONDOWN, MK_LBUTTON, ThumbCentre(*Bar));
      break;
    case 3:
      Bar->SetTickMarks(tmTopLeft);
      Bar->SetIntervalHighlightType(htLowInterval);
      Bar->SetPosition(7);
      break;
    case 4:
      Bar->SetTickMarks(tmBoth);
      Bar->SetIntervalHighlightType(htHighInterval);
      Bar->SetEnabled(false);
      break;
    default:
      break;
    }
    Finish(Bar, Views);
  }
  return SideBySide(Views);
}

// 45 x 150 bars: ticks on the right, on the left with the low interval, on both sides.
TSkinPicture VerticalTrackBars(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (const TTickMark Marks : {tmBottomRight, tmTopLeft, tmBoth}) {
    TSeSkinTrackBar* Bar = NewBar(Form, Engine, 45, 150);
    Bar->SetOrientation(toVertical);
    Bar->SetTickMarks(Marks);
    if (Marks == tmTopLeft)
      Bar->SetIntervalHighlightType(htLowInterval);
    Bar->SetPosition(Marks == tmBoth ? 10 : 6);
    Finish(Bar, Views);
  }
  return SideBySide(Views);
}

// The main window's transparency bar as it is set up there, at 128 and at 255 with focus.
TSkinPicture TransparencyBars(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (const int Position : {128, 255}) {
    TSeSkinTrackBar* Bar = NewBar(Form, Engine, 329, 45);
    Bar->SetMax(255);
    Bar->SetFrequency(10);
    Bar->SetLineSize(10);
    Bar->SetPageSize(2);
    Bar->SetThumbHalfWidth(5);
    Bar->SetTickMarks(tmBoth);
    Bar->SetOrientation(toHorizontal);
    Bar->SetTransparent(true);
    Bar->SetPerformance(qzpDoubleBuffer);
    Bar->SetPosition(Position);
    if (Position == 255)
      SendMouse(*Bar, WM_LBUTTONDOWN, MK_LBUTTON, {Bar->Width() - 2, 2});
    Finish(Bar, Views);
  }
  return SideBySide(Views);
}
