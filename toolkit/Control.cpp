#include "toolkit/Control.h"

#include <algorithm>
#include <array>
#include <utility>
#include <windowsx.h>

#include "toolkit/ControlMessages.h"
#include "toolkit/Published.h"
#include "toolkit/WinControl.h"

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState Shift = 0;
  if (Keys & MK_SHIFT)
    Shift |= ssShift;
  if (Keys & MK_CONTROL)
    Shift |= ssCtrl;
  if (Keys & MK_LBUTTON)
    Shift |= ssLeft;
  if (Keys & MK_RBUTTON)
    Shift |= ssRight;
  if (Keys & MK_MBUTTON)
    Shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0)
    Shift |= ssAlt;
  return Shift;
}

TShiftState KeyboardShiftState() {
  TShiftState Shift = 0;
  if (GetKeyState(VK_SHIFT) < 0)
    Shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0)
    Shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0)
    Shift |= ssAlt;
  return Shift;
}

namespace {
constexpr std::array<const char*, 6> AlignNames{"alNone",  "alTop",   "alBottom",
                                                "alLeft",  "alRight", "alClient"};
constexpr std::array<const char*, 4> AnchorNames{"akLeft", "akTop", "akRight", "akBottom"};
} // namespace

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() { SetParent(nullptr); }

const TPropTable& TControl::Properties() {
  using C = TControl;
  // Defaults are a new control's values; the font is stored only where it is the control's
  // own. The events come last, for the tables of the classes that publish them.
  static const TPropTable Table(
      nullptr,
      {AccessorProp<C>("Left", TPropKind::pkInteger, &C::Left, &C::SetLeft),
       AccessorProp<C>("Top", TPropKind::pkInteger, &C::Top, &C::SetTop),
       AccessorProp<C>("Width", TPropKind::pkInteger, &C::Width, &C::SetWidth),
       AccessorProp<C>("Height", TPropKind::pkInteger, &C::Height, &C::SetHeight),
       DefaultProp(AccessorProp<C>("Cursor", TPropKind::pkInteger, &C::Cursor, &C::SetCursor),
                   crDefault),
       DefaultProp(AccessorProp<C>("Align", TPropKind::pkEnum, &C::Align, &C::SetAlign,
                                   AlignNames),
                   static_cast<int64_t>(TAlign::alNone)),
       DefaultProp(AccessorProp<C>("Anchors", TPropKind::pkSet, &C::Anchors, &C::SetAnchors,
                                   AnchorNames),
                   DefaultAnchors),
       AccessorProp<C>("Hint", TPropKind::pkString, &C::Hint, &C::SetHint),
       AccessorProp<C>("Caption", TPropKind::pkString, &C::Caption, &C::SetCaption),
       DefaultProp(AccessorProp<C>("Color", TPropKind::pkColor, &C::Color, &C::SetColor),
                   clBtnFace),
       DefaultProp(AccessorProp<C>("Enabled", TPropKind::pkBoolean, &C::Enabled, &C::SetEnabled),
                   true),
       StoredWhen(ObjectProp<C>("Font", &C::FFont),
                  [](const TPersistent& O) { return !static_cast<const C&>(O).ParentFont(); }),
       DefaultProp(AccessorProp<C>("ParentFont", TPropKind::pkBoolean, &C::ParentFont,
                                   &C::SetParentFont),
                   true),
       DefaultProp(AccessorProp<C>("ShowHint", TPropKind::pkBoolean, &C::ShowHint,
                                   &C::SetShowHint),
                   true),
       DefaultProp(AccessorProp<C>("Visible", TPropKind::pkBoolean, &C::Visible, &C::SetVisible),
                   true),
       EventProp("OnClick", &C::OnClick), EventProp("OnDblClick", &C::OnDblClick),
       EventProp("OnMouseDown", &C::OnMouseDown), EventProp("OnMouseMove", &C::OnMouseMove),
       EventProp("OnMouseUp", &C::OnMouseUp), EventProp("OnResize", &C::OnResize)});
  return Table;
}

void TControl::SetParentComponent(TComponent* AParent) {
  if (auto* Container = dynamic_cast<TWinControl*>(AParent))
    SetParent(Container);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent)
    return;
  if (FParent)
    FParent->RemoveControl(this);
  TWinControl* Old = std::exchange(FParent, AParent);
  if (Old && FAlign != TAlign::alNone && FVisible)
    Old->Realign();
  if (FParent) {
    if (FParentFont)
      FFont.Assign(FParent->Font());
    FParent->InsertControl(this);
    RecordAnchorBase();
    RequestAlign();
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  UpdateBounds(ALeft, ATop, AWidth, AHeight);
}

void TControl::UpdateBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
    return;
  const bool Resized = AWidth != FWidth || AHeight != FHeight;
  if (!Windowed())
    Invalidate(); // the old place shows what lies under it again
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (!Windowed())
    Invalidate();
  if (FParent && !FParent->Aligning()) {
    RecordAnchorBase();
    RequestAlign(); // a docked child that changed its depth moves its neighbours
  }
  BoundsChanged();
  if (Resized)
    Resize();
}

void TControl::Resize() {
  if (OnResize)
    OnResize(this);
}

void TControl::SetVisible(bool Value) {
  if (Value != FVisible) {
    FVisible = Value;
    // Shown, it takes its place before its window shows; hidden, it gives its place back.
    if (Value)
      RequestAlign();
    VisibleChanged();
    if (!Value && FParent && FAlign != TAlign::alNone)
      FParent->Realign();
  }
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign)
    return;
  const TAlign Old = std::exchange(FAlign, Value);
  RecordAnchorBase();
  if (FParent && FVisible && (Old != TAlign::alNone || Value != TAlign::alNone))
    FParent->Realign();
}

void TControl::SetAnchors(TAnchors Value) {
  FAnchors = Value;
  RecordAnchorBase();
}

TAlignChild TControl::AlignChild() const {
  return {FAlign, FAnchors, {FLeft, FTop, FLeft + FWidth, FTop + FHeight}, FAnchorBase,
          MinimumSize(), FVisible};
}

void TControl::RecordAnchorBase() {
  if (!FParent || FParent->Loading()) {
    FAnchorBase.Valid = false;
    return;
  }
  const RECT Area = FParent->AlignArea();
  const TSize Size{Area.right - Area.left, Area.bottom - Area.top};
  // A parent not sized yet gives no distances to keep: the first layout takes them.
  FAnchorBase = {{FLeft, FTop, FLeft + FWidth, FTop + FHeight}, Size,
                 Size.Width > 0 && Size.Height > 0};
}

void TControl::RequestAlign() {
  if (FParent && FVisible && FAlign != TAlign::alNone)
    FParent->Realign();
}

void TControl::SetEnabled(bool Value) {
  if (Value != FEnabled) {
    FEnabled = Value;
    EnabledChanged();
    Invalidate();
  }
}

void TControl::SetCaption(const std::string& Value) {
  if (Value != FCaption) {
    FCaption = Value;
    CaptionChanged();
    Invalidate();
  }
}

void TControl::SetColor(TColor Value) {
  if (Value != FColor) {
    FColor = Value;
    ColorChanged();
    Invalidate();
  }
}

void TControl::FontChanged() {
  DoFontChanged();
  Invalidate();
}

void TControl::VisibleChanged() {
  // A windowless control appears or vanishes with the area its parent repaints.
  if (FParent && FParent->HandleAllocated()) {
    const RECT Bounds = BoundsRect();
    ::InvalidateRect(FParent->Handle(), &Bounds, TRUE);
  }
}

POINT TControl::ClientOrigin() const {
  if (!FParent)
    return {FLeft, FTop};
  return FParent->ClientToScreen({FLeft, FTop});
}

POINT TControl::ClientToScreen(POINT Point) const {
  const POINT Origin = ClientOrigin();
  return {Point.x + Origin.x, Point.y + Origin.y};
}

POINT TControl::ScreenToClient(POINT Point) const {
  const POINT Origin = ClientOrigin();
  return {Point.x - Origin.x, Point.y - Origin.y};
}

void TControl::Invalidate() {
  InvalidateRect(RECT{0, 0, FWidth, FHeight}, !(FControlStyle & csOpaque));
}

void TControl::InvalidateRect(const RECT& Rect, bool Erase) {
  if (!FVisible || !FParent || !FParent->HandleAllocated())
    return;
  RECT InParent = Rect;
  OffsetRect(&InParent, FLeft, FTop);
  RECT Bounds = BoundsRect();
  IntersectRect(&InParent, &InParent, &Bounds);
  FParent->InvalidateRect(InParent, Erase);
}

void TControl::Update() {
  if (FParent)
    FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

LRESULT TControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK)
    return MouseMessage(Msg, WParam, LParam);
  switch (Msg) {
  case CM_MOUSEENTER:
    CMMouseEnter();
    return 0;
  case CM_MOUSELEAVE:
    CMMouseLeave();
    return 0;
  case WM_CAPTURECHANGED:
    FClicked = false;
    MouseCaptureLost();
    return 0;
  default:
    return 0;
  }
}

LRESULT TControl::MouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const int X = GET_X_LPARAM(LParam), Y = GET_Y_LPARAM(LParam);
  TShiftState Shift = KeysToShiftState(WParam);
  switch (Msg) {
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDBLCLK: {
    const bool Double =
        Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
    const TMouseButton Button = (Msg == WM_RBUTTONDOWN || Msg == WM_RBUTTONDBLCLK)   ? mbRight
                                : (Msg == WM_MBUTTONDOWN || Msg == WM_MBUTTONDBLCLK) ? mbMiddle
                                                                                     : mbLeft;
    if (Button == mbLeft)
      FClicked = (FControlStyle & csClickEvents) != 0;
    if (Double) {
      Shift |= ssDouble;
      if (Button == mbLeft && (FControlStyle & csDoubleClicks)) {
        const TComponentRef<TControl> Self(this);
        DblClick();
        if (!Self)
          return 0;
      }
    }
    MouseDown(Button, Shift, X, Y);
    return 0;
  }
  case WM_MOUSEMOVE:
    MouseMove(Shift, X, Y);
    return 0;
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP: {
    const TMouseButton Button = Msg == WM_RBUTTONUP   ? mbRight
                                : Msg == WM_MBUTTONUP ? mbMiddle
                                                      : mbLeft;
    const bool WasClicked = Button == mbLeft && FClicked;
    if (Button == mbLeft)
      FClicked = false;
    // The handler may free this control: nothing of it is touched unless it still exists.
    const TComponentRef<TControl> Self(this);
    MouseUp(Button, Shift, X, Y);
    const RECT Inside{0, 0, FWidth, FHeight};
    if (Self && WasClicked && PtInRect(&Inside, POINT{X, Y}))
      Click();
    return 0;
  }
  default:
    return 0;
  }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown)
    OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove)
    OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp)
    OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick)
    OnDblClick(this);
}

void TControl::CMMouseEnter() { FMouseInControl = true; }

void TControl::CMMouseLeave() { FMouseInControl = false; }

UINT TControl::DrawTextBiDiModeFlags(UINT Flags) const {
  if (GetSystemMetrics(SM_MIDEASTENABLED) == 0)
    return Flags;
  if (FBiDiMode == 1) {
    if (Flags & DT_RIGHT)
      Flags &= ~DT_RIGHT;
    else if (!(Flags & DT_CENTER))
      Flags |= DT_RIGHT;
  }
  return Flags | DrawTextBiDiModeFlagsReadingOnly();
}

UINT TControl::DrawTextBiDiModeFlagsReadingOnly() const {
  return GetSystemMetrics(SM_MIDEASTENABLED) != 0 && FBiDiMode != 0 ? DT_RTLREADING : 0;
}

DWORD TControl::BiDiModeExStyle() const {
  if (GetSystemMetrics(SM_MIDEASTENABLED) == 0 || FBiDiMode == 0)
    return 0;
  // Mode 1 also aligns right and puts the scroll bar on the left; mode 2 only the latter.
  DWORD Style = WS_EX_RTLREADING;
  if (FBiDiMode == 1)
    Style |= WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  else if (FBiDiMode == 2)
    Style |= WS_EX_LEFTSCROLLBAR;
  return Style;
}
