#pragma once
// The library's track bar: a slider over an integer range with a track, tick marks on one or
// both sides, a pointer-shaped thumb, dragging that snaps to the tick frequency, a page step
// for a click beside the thumb, and keyboard steps. It paints with the platform's "TrackBar"
// theme while visual styles are on and in the classic way otherwise; the skinned bar replaces
// the metrics and the painting steps.

#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/base/SeCustomControl.h"
#include "controls/trackbar/TrackBarGeometry.h"

class TSeCustomTrackBar : public TSeCustomControl {
public:
  explicit TSeCustomTrackBar(TComponent* AOwner);
  std::string ClassName() const override { return "TSeCustomTrackBar"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  int Min() const { return FMin; }
  // Ignored unless below Max; Position follows when it lies below.
  void SetMin(int Value);
  int Max() const { return FMax; }
  // Ignored unless above Min; Position follows when it lies above.
  void SetMax(int Value);
  int Position() const { return FPosition; }
  // Clamped into [Min, Max]. Any new value fires OnChange, also one that the clamp turns
  // back into the current position (a step past an end).
  void SetPosition(int Value);
  TTrackOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackOrientation Value);
  uint16_t ThumbHalfWidth() const { return FThumbHalfWidth; }
  void SetThumbHalfWidth(uint16_t Value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value) { FLineSize = Value; }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value) { FPageSize = Value; }
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  bool ThumbVisible() const { return FThumbVisible; }
  void SetThumbVisible(bool Value);
  bool ShowTicks() const { return FShowTicks; }
  void SetShowTicks(bool Value);
  TIntervalHighlightType IntervalHighlightType() const { return FHighlight; }
  void SetIntervalHighlightType(TIntervalHighlightType Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);

  TNotifyEvent OnChange;

  // The thumb is held with the left button; the pointer is over the thumb.
  bool Dragging() const { return FDragging; }
  bool ThumbHot() const { return FThumbHot; }

  // Metrics: the thumb's width along the axis (T), the distance from each end to the first
  // thumb centre's reach (M), from the top (left) to the track area (S), and the thumb's
  // length across the axis (Len).
  virtual int ThumbWidth() const;
  virtual int EndMargin() const;
  virtual int SideOffset() const;
  virtual int ThumbLength() const;
  // The arithmetic with the bar's present metrics and settings.
  TTrackBarLayout Layout() const;
  int PositionToPixel(int Value) const { return Layout().PositionToPixel(Value); }
  int PixelToPosition(int Along) const { return Layout().PixelToPosition(Along); }
  virtual bool ThumbHitTest(TPoint Point) const;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void PaintClient() override;
  // The track from Start to End along the axis, the highlight up to or from Centre.
  virtual void PaintTrack(int Start, int End, int Centre);
  virtual void PaintThumb(int Centre);
  virtual void PaintTick(const TTrackTick& Tick);
  virtual void PaintTicks();
  // Fires OnChange.
  virtual void Change();

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void MouseCaptureLost() override;
  void EnabledChanged() override;

  // The platform's theme draws the plain look (while visual styles are on).
  virtual bool Themed() const;
  // The theme's drawing of Part in State over Rect; false when the theme drew nothing.
  bool DrawThemed(int Part, int State, const TRect& Rect);
  // A tick's one-pixel line, in the bar's coordinates.
  TRect TickRect(const TTrackTick& Tick) const;
  // Whether the highlight interval shows.
  bool HighlightShown() const { return Enabled() && FHighlight != htNone; }

private:
  void SetChanged(bool& Field, bool Value);
  void UpdateThumbHot(TPoint Point);

  int FMin = 0;
  int FMax = 10;
  int FPosition = 3;
  TTrackOrientation FOrientation = toHorizontal;
  uint16_t FThumbHalfWidth = 4;
  int FLineSize = 1;
  int FPageSize = 2;
  int FFrequency = 1;
  bool FThumbVisible = true;
  bool FShowTicks = true;
  TIntervalHighlightType FHighlight = htNone;
  TTickMark FTickMarks = tmBottomRight;

  bool FDragging = false;
  bool FThumbHot = false;
};
