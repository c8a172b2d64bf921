#include "controls/base/SeCustomControl.h"

#include "controls/base/ParentBackground.h"
#include "gfx/Shapes.h"
#include "gfx/VisualStyles.h"
#include "toolkit/GdiGuards.h"

namespace {

// The theme class "Edit", part 1, and its states.
constexpr int EditPart = 1;
constexpr int StateNormal = 1, StateHot = 2, StateFocused = 3, StateDisabled = 4;

TRect ToRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }
RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

} // namespace

TSeCustomControl::TSeCustomControl(TComponent* AOwner) : TSeControlBase(AOwner) {
  FBlending.OnChange = [this](TObject*) {
    PromoteForBlending();
    Invalidate();
  };
}

void TSeCustomControl::CreateParams(TCreateParams& Params) {
  TSeControlBase::CreateParams(Params);
  Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

// ---------------------------------------------------------------------------------------
// Frame properties

void TSeCustomControl::FrameChanged() {
  BorderChanged();
  Invalidate();
}

void TSeCustomControl::SetBorderWidth(int Value) {
  if (Value != FFrame.BorderWidth) {
    FFrame.BorderWidth = Value;
    FrameChanged();
  }
}

void TSeCustomControl::SetBevelInner(TSeBevelCut Value) {
  if (Value != FFrame.BevelInner) {
    FFrame.BevelInner = Value;
    FBevelKind = qbkNone;
    FrameChanged();
  }
}

void TSeCustomControl::SetBevelOuter(TSeBevelCut Value) {
  if (Value != FFrame.BevelOuter) {
    FFrame.BevelOuter = Value;
    FBevelKind = qbkNone;
    FrameChanged();
  }
}

void TSeCustomControl::SetBevelSides(TSeBevelSides Value) {
  if (Value != FFrame.BevelSides) {
    FFrame.BevelSides = Value;
    FrameChanged();
  }
}

void TSeCustomControl::SetBevelKind(TSeBevelKind Value) {
  if (Value == FBevelKind)
    return;
  FBevelKind = Value;
  if (Value != qbkNone)
    FFrame.BevelInner = FFrame.BevelOuter = BevelKindCut(Value);
  FrameChanged();
}

void TSeCustomControl::SetBevelWidth(int Value) {
  if (Value != FFrame.BevelWidth) {
    FFrame.BevelWidth = Value;
    FrameChanged();
  }
}

RECT TSeCustomControl::GetInnerRect() const {
  return ToRECT(FrameInnerRect({0, 0, Width(), Height()}, FFrame));
}

RECT TSeCustomControl::ClientRect() const { return GetInnerRect(); }

// ---------------------------------------------------------------------------------------
// Messages

LRESULT TSeCustomControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_ERASEBKGND: {
    // Reported as done: the system never erases a skinned control by itself. A child's
    // parent-background request (a second parameter) gets this control's picture.
    const auto DC = reinterpret_cast<HDC>(WParam);
    if (DC && LParam) {
      const TCanvasDC Painting(Canvas(), DC);
      if (Transparent())
        DrawParentBackground(DC);
      PaintBorder();
      PaintClient();
    }
    return 1;
  }
  case CM_ENTER:
    FocusEnter();
    return TSeControlBase::WndProc(Msg, WParam, LParam);
  case CM_EXIT:
    FocusExit();
    return TSeControlBase::WndProc(Msg, WParam, LParam);
  case WM_THEMECHANGED:
    Invalidate();
    return TSeControlBase::WndProc(Msg, WParam, LParam);
  default:
    return TSeControlBase::WndProc(Msg, WParam, LParam);
  }
}

void TSeCustomControl::FocusEnter() {
  FFocused = true;
  Invalidate();
}

void TSeCustomControl::FocusExit() {
  FFocused = false;
  Invalidate();
}

// ---------------------------------------------------------------------------------------
// Painting

void TSeCustomControl::Paint() {
  PaintBuffered(
      true,
      [this](HDC DC) {
        if (Transparent())
          DrawParentBackground(DC);
        // A control without a frame has no border to paint: clipping everything away for it
        // would only cost time.
        const RECT Inner = GetInnerRect();
        if (Inner.left > 0 || Inner.top > 0 || Inner.right < Width() || Inner.bottom < Height()) {
          const TSavedDC Saved(DC);
          ExcludeClipRect(DC, Inner.left, Inner.top, Inner.right, Inner.bottom);
          PaintBorder();
        }
        PaintClient();
      },
      [this](HDC Background) { DrawParentBackground(Background); });
}

void TSeCustomControl::PaintClient() {
  if (Transparent())
    return;
  Canvas().Brush.Color = Color();
  Canvas().Brush.Style = TBrushStyle::bsSolid;
  Canvas().FillRect(GetInnerRect());
}

void TSeCustomControl::PaintBorder() {
  const RECT Full{0, 0, Width(), Height()};
  RECT Inner = GetInnerRect();
  if (EqualRect(&Full, &Inner))
    return;
  const HDC DC = Canvas().Handle();
  if (FThemeBorder && VisualStylesActive()) {
    const TSavedDC Saved(DC);
    ExcludeClipRect(DC, Inner.left, Inner.top, Inner.right, Inner.bottom);
    const int State = !Enabled()         ? StateDisabled
                      : FFocused         ? StateFocused
                      : MouseInControl() ? StateHot
                                         : StateNormal;
    if (DrawThemePart(HandleAllocated() ? Handle() : nullptr, DC, L"Edit", EditPart, State, Full))
      return;
  }
  RECT R = Full;
  if (FFrame.BevelWidth > 0) {
    if (FFrame.BevelOuter != qbvNone)
      PaintBevel(R, FFrame.BevelOuter, true);
    if (FFrame.BevelInner != qbvNone)
      PaintBevel(R, FFrame.BevelInner, false);
  }
  for (int I = 0; I < FFrame.BorderWidth; ++I) {
    DrawRectOutline(Canvas(), ToRect(R), Color());
    InflateRect(&R, -1, -1);
  }
}

void TSeCustomControl::PaintBevel(RECT& Rect, TSeBevelCut Cut, bool Outer) {
  const TSeBevelColors Colors = BevelColors(Cut, Outer);
  int Sides = 0;
  if (FFrame.BevelSides & (1 << qbsLeft))
    Sides |= BevelLeft;
  if (FFrame.BevelSides & (1 << qbsTop))
    Sides |= BevelTop;
  if (FFrame.BevelSides & (1 << qbsRight))
    Sides |= BevelRight;
  if (FFrame.BevelSides & (1 << qbsBottom))
    Sides |= BevelBottom;
  TRect R = ToRect(Rect);
  DrawBevelSides(Canvas(), R, Sides, Colors.BottomRight, Colors.TopLeft, FFrame.BevelWidth);
  Rect = ToRECT(R);
}

void TSeCustomControl::DrawParentBackground(HDC DC) {
  ::DrawParentBackground(*this, DC, Width(), Height(), Performance(), Blending().Enabled());
}
