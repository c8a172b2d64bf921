#pragma once
// The library's scroll bar: a windowless control with two arrow buttons, a track and a thumb
// sized by the page, hot and pressed parts, thumb dragging, page stepping and auto-repeat on
// the keyboard's timing. It paints with the platform's "ScrollBar" theme while visual styles
// are on and in the classic way otherwise; the skinned bar replaces the painting steps and
// the button size.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/base/SeGraphicControl.h"
#include "controls/scroll/ScrollBarGeometry.h"
#include "toolkit/ScrollTypes.h"

class TTimer;

class TSeCustomScrollBar : public TSeGraphicControl {
public:
  explicit TSeCustomScrollBar(TComponent* AOwner);
  ~TSeCustomScrollBar() override;
  std::string ClassName() const override { return "TSeCustomScrollBar"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FRange.Min(); }
  // Not above Max; Position follows when it lies below.
  void SetMin(int Value) { ChangeRange(&TScrollRange::SetMin, Value); }
  int Max() const { return FRange.Max(); }
  // Not below Min; Position follows when it lies above.
  void SetMax(int Value) { ChangeRange(&TScrollRange::SetMax, Value); }
  int PageSize() const { return FRange.PageSize(); }
  // Negative values are ignored; the page is cut to Max - Min + 1.
  void SetPageSize(int Value) { ChangeRange(&TScrollRange::SetPageSize, Value); }
  int Position() const { return FRange.Position(); }
  // Clamped into [Min, Max]; OnChange when it moved.
  void SetPosition(int Value) { ChangeRange(&TScrollRange::SetPosition, Value); }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // The height of a horizontal bar, the width of a vertical one: the platform's thumb and
  // the border on both sides.
  void AdjustThickness();

  // Keyboard steps: the arrows go a line, Page Up and Page Down a page, Home and End to the
  // ends. What the user does is reported to OnScroll first, which may change the position.
  void Step(TSeScrollStep Which);
  // Line by line toward Min or Max on the auto-repeat timing until that end is reached, the
  // mouse button goes up or StopContinuousScroll (for pointers held beyond the bar's ends).
  void ScrollContinuously(bool TowardMax);
  void StopContinuousScroll();

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  // The parts of the bar, the two track parts split by the thumb.
  struct TParts {
    bool Thumb = false;
    bool Button1 = false;
    bool Button2 = false;
    bool TrackBefore = false;
    bool TrackAfter = false;
    friend bool operator==(const TParts&, const TParts&) = default;
  };
  // Under the pointer; pressed with the left button (the thumb counts as dragged instead).
  const TParts& Hot() const { return FHot; }
  const TParts& Pressed() const { return FPressed; }
  bool Dragging() const { return FGrab >= 0; }
  // Whether auto-repeat runs now.
  bool Repeating() const;

  // Where the parts lie, in the bar's coordinates.
  virtual TRect Button1Rect() const;
  virtual TRect Button2Rect() const;
  virtual TRect ThumbRect() const;
  virtual TRect TrackRect() const;
  virtual TRect TrackBeforeRect() const;
  virtual TRect TrackAfterRect() const;
  virtual int ButtonSize() const;
  virtual int ThumbSize() const;

protected:
  void PaintClient() override;
  virtual void PaintButton1();
  virtual void PaintButton2();
  // A pressed track part with the pointer over it.
  virtual void PaintTrackBefore();
  virtual void PaintTrackAfter();
  virtual void PaintThumb();
  virtual void PaintTrack();
  virtual void PaintBorder();
  // The platform's theme draws the plain look (while visual styles are on).
  virtual bool Themed() const;

  virtual bool InButton1(TPoint Point) const;
  virtual bool InButton2(TPoint Point) const;
  virtual bool InThumb(TPoint Point) const;
  virtual bool InTrackBefore(TPoint Point) const;
  virtual bool InTrackAfter(TPoint Point) const;

  // Fires OnChange.
  virtual void Change();
  // Fires OnScroll; Position is what the bar takes afterwards.
  virtual void Scroll(TScrollCode Code, int& Position);

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void MouseCaptureLost() override;
  void EnabledChanged() override;

  // The platform's thumb size along a bar of this kind.
  int PlatformThumbSize() const;
  // The thumb is painted: the bar is enabled and the thumb has room.
  bool ThumbShown() const;
  // The theme's drawing of Part in State over Rect; false when the theme drew nothing.
  bool DrawThemed(int Part, int State, const TRect& Rect);

private:
  TScrollBarLayout Layout() const;
  TScrollBarLayout LayoutWithoutThumb() const;
  // Applies a setter of the range; repaints when it changed and fires OnChange when the
  // position moved.
  void ChangeRange(void (TScrollRange::*Setter)(int), int Value);
  // Reports the position to OnScroll and takes what it leaves.
  void ScrollTo(TScrollCode Code, int Position);
  void UpdateHot(TPoint Point);
  void StartRepeat();
  void StopRepeat();
  void RepeatTick();
  void RepeatStep();
  // The left button's press is over: the thumb let go, nothing pressed, no repeat.
  void EndPress();
  void PaintButton(bool Second);

  TScrollBarKind FKind = sbHorizontal;
  TScrollRange FRange;
  int FLargeChange = 1;
  int FSmallChange = 1;
  bool FShowButtons = true;
  int FBorderWidth = 1;

  int FGrab = -1; // the pointer's distance from the held thumb's start; -1: not held
  TPoint FPointer;
  TParts FHot;
  TParts FPressed;
  bool FTowardMin = false; // continuous scrolling
  bool FTowardMax = false;
  std::unique_ptr<TTimer> FRepeat; // made on first use
};
