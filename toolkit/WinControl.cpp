#include "toolkit/WinControl.h"

#include <algorithm>
#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/ControlMessages.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ScopeGuards.h"
#include "toolkit/Screen.h"
#include "toolkit/WindowClass.h"
#include "toolkit/WindowSubclass.h"

namespace {

constexpr const wchar_t* WindowClassName = L"MirevanWindow";
// The binding's place in a window's subclass chain.
constexpr UINT_PTR BindingId = 0x4D52;

TMouseWatcher GMouseWatcher = nullptr;

bool IsMouseMessage(UINT Msg) { return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK; }

bool IsButtonDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN ||
         Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT Msg) {
  return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP;
}

} // namespace

void SetMouseWatcher(TMouseWatcher Watcher) { GMouseWatcher = Watcher; }

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  // Normally gone in BeforeDestruction, while the whole object could still answer.
  if (FHandle) {
    const HWND Wnd = FHandle;
    Unbind();
    DestroyWindow(Wnd);
  }
  for (TControl* Child : FControls)
    Child->FParent = nullptr;
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
}

void TWinControl::GetChildren(const std::function<void(TComponent&)>& Proc,
                              const TComponent& Root) const {
  for (TControl* Control : FControls)
    if (Control->Owner() == &Root)
      Proc(*Control);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
  // What the stored properties could not do to a window while they were read.
  if (FParent && FParent->HandleAllocated() && Visible())
    HandleNeeded();
}

// ---------------------------------------------------------------------------------------
// The window and its binding

HWND TWinControl::Handle() {
  if (!FHandle && Parent())
    Parent()->HandleNeeded(); // makes the children's windows too
  if (!FHandle)
    CreateWnd();
  return FHandle;
}

void TWinControl::DestroyHandle() {
  if (FHandle)
    DestroyWindow(FHandle); // unbound at WM_NCDESTROY, after every link of the chain saw it
}

void TWinControl::RecreateWnd() {
  if (!FHandle)
    return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Style = WS_CLIPCHILDREN;
  if (Parent())
    Params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (FTabStop)
    Params.Style |= WS_TABSTOP;
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  const HWND ParentWnd = Parent() ? Parent()->FHandle : nullptr;
  // Into a parent on screen a window comes hidden, and shows once it is complete: bound, with
  // its font, in its place among its siblings and with its children. Otherwise it could paint
  // (its frame, at least) before this object sees its messages.
  const bool ShowWhenComplete = Visible() && ParentWnd && IsWindowVisible(ParentWnd);
  if (Visible() && !ShowWhenComplete)
    Params.Style |= WS_VISIBLE;
  if (!Enabled())
    Params.Style |= WS_DISABLED;
  static UINT NextId = 100;
  if (!FId)
    FId = NextId++;
  const HMENU Menu = ParentWnd ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FId)) : nullptr;
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  const std::wstring Text = WindowText(Caption());

  if (Params.WinClassName.empty()) {
    RegisterWindowClassOnce(WindowClassName, ClassProc, CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW));
    // Bound at WM_NCCREATE, so the object sees the window's sizing and creation messages.
    CreateWindowExW(Params.ExStyle, WindowClassName, Text.c_str(), Params.Style, Left(), Top(),
                    Width(), Height(), ParentWnd, Menu, Instance, this);
  } else {
    const HWND Wnd =
        CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Text.c_str(), Params.Style,
                        Left(), Top(), Width(), Height(), ParentWnd, Menu, Instance, nullptr);
    if (Wnd)
      Bind(Wnd, false);
  }
  if (!FHandle)
    throw Exception("Error creating window");
  UpdateBoundsFromWindow();
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  if (ParentWnd && !Parent()->FCreatingChildren)
    TakeSiblingOrder();
  CreateChildHandles();
  if (ShowWhenComplete)
    ShowWindow(FHandle, SW_SHOWNA);
}

void TWinControl::CreateChildHandles() {
  const TFlagScope Creating(FCreatingChildren);
  for (TControl* Child : FControls)
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child);
        Windowed && !Windowed->FHandle && Windowed->Visible())
      Windowed->CreateWnd();
}

void TWinControl::TakeSiblingOrder() {
  // Made together, the siblings' windows lie in the order of the controls, the first on top.
  const std::vector<TControl*>& Siblings = Parent()->FControls;
  HWND Above = HWND_TOP;
  for (TControl* Sibling : Siblings) {
    if (Sibling == this)
      break;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Sibling); Windowed && Windowed->FHandle)
      Above = Windowed->FHandle;
  }
  SetWindowPos(FHandle, Above, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER);
}

void TWinControl::Bind(HWND Wnd, bool OwnClass) {
  FHandle = Wnd;
  FOwnClass = OwnClass;
  FClassProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC));
  SetSubclass(Wnd, BoundProc, BindingId, reinterpret_cast<DWORD_PTR>(this));
  // A chain that somebody began before us: its procedure is not the class's, and our
  // default processing has to go on down the chain instead.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC)) == FClassProc)
    FClassProc = nullptr;
  // Platform controls click, capture and paint by themselves.
  if (!OwnClass)
    FControlStyle &= ~(csClickEvents | csCaptureMouse);
}

void TWinControl::Unbind() {
  if (!FHandle)
    return;
  RemoveSubclass(FHandle, BoundProc, BindingId);
  FHandle = nullptr;
  FTrackingLeave = false;
  FCaptureControl = nullptr;
  FHoverControl = nullptr;
}

LRESULT CALLBACK TWinControl::ClassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE && !FromHandle(Wnd))
    if (auto* Self =
            static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(LParam)->lpCreateParams))
      Shielded([&] { Self->Bind(Wnd, true); });
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

LRESULT CALLBACK TWinControl::BoundProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                        DWORD_PTR Ref) {
  auto* Self = reinterpret_cast<TWinControl*>(Ref);
  const LRESULT Result = Shielded<LRESULT>(0, [&] { return Self->WndProc(Msg, WParam, LParam); });
  if (Msg == WM_NCDESTROY && Self->FHandle == Wnd)
    Self->Unbind();
  return Result;
}

TWinControl* TWinControl::FromHandle(HWND Wnd) {
  DWORD_PTR Ref = 0;
  if (!SubclassData(Wnd, BoundProc, BindingId, Ref))
    return nullptr;
  return reinterpret_cast<TWinControl*>(Ref);
}

TWinControl* TWinControl::FindControl(HWND Wnd) {
  for (; Wnd; Wnd = GetParent(Wnd))
    if (TWinControl* Control = FromHandle(Wnd))
      return Control;
  return nullptr;
}

LRESULT TWinControl::DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!FHandle)
    return 0;
  if (FClassProc)
    return CallWindowProcW(FClassProc, FHandle, Msg, WParam, LParam);
  return DefSubclass(FHandle, Msg, WParam, LParam);
}

// ---------------------------------------------------------------------------------------
// Children, bounds and coordinates

void TWinControl::InsertControl(TControl* Control) {
  FControls.push_back(Control);
  if (!FHandle || Control->Loading())
    return;
  if (Control->Windowed()) {
    if (Control->Visible())
      static_cast<TWinControl*>(Control)->HandleNeeded();
  } else {
    Control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* Control) {
  std::erase(FControls, Control);
  if (Control->Windowed())
    static_cast<TWinControl*>(Control)->DestroyHandle();
  else if (FHandle && Control->Visible()) {
    const RECT Bounds = Control->BoundsRect();
    ::InvalidateRect(FHandle, &Bounds, TRUE);
  }
  if (FCaptureControl == Control)
    FCaptureControl = nullptr;
  if (FHoverControl == Control)
    FHoverControl = nullptr;
}

TControl* TWinControl::ControlAtPos(POINT Point, bool AllowDisabled, bool AllowWindowed) const {
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
    TControl* Child = *It;
    const RECT Bounds = Child->BoundsRect();
    if (Child->Visible() && (AllowDisabled || Child->Enabled()) &&
        (AllowWindowed || !Child->Windowed()) && PtInRect(&Bounds, Point))
      return Child;
  }
  return nullptr;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!FHandle) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  // The window reports its new place back (WM_WINDOWPOSCHANGED): the bounds follow from it.
  SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!FHandle)
    return;
  RECT Rect;
  if (IsIconic(FHandle)) {
    // A minimised window keeps the place it will come back to.
    WINDOWPLACEMENT Placement{};
    Placement.length = sizeof Placement;
    GetWindowPlacement(FHandle, &Placement);
    Rect = Placement.rcNormalPosition;
  } else {
    GetWindowRect(FHandle, &Rect);
    if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD)
      MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&Rect), 2);
  }
  UpdateBounds(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
}

// ---------------------------------------------------------------------------------------
// Alignment

std::vector<TAlignChild> TWinControl::LayoutChildren() const {
  std::vector<TAlignChild> Children;
  Children.reserve(FControls.size());
  for (const TControl* Control : FControls)
    Children.push_back(Control->AlignChild());
  return Children;
}

void TWinControl::Realign() {
  if (Loading() || FAligning)
    return;
  const TFlagScope Busy(FAligning);
  const RECT A = AlignArea();
  const TRect Area{A.left, A.top, A.right, A.bottom};
  FAlignedArea = Area;
  // Children placed before the area had a size keep the distances they have now.
  for (TControl* Control : FControls)
    if (!Control->FAnchorBase.Valid)
      Control->RecordAnchorBase();
  const std::vector<TControl*> Controls = FControls;
  const std::vector<TAlignChild> Children = LayoutChildren();
  const std::vector<TRect> Bounds = ::AlignChildren(Children, Area);
  for (size_t I = 0; I < Controls.size(); ++I)
    if (Bounds[I] != Children[I].Bounds)
      Controls[I]->SetBounds(Bounds[I].Left, Bounds[I].Top, Bounds[I].Width(), Bounds[I].Height());
}

void TWinControl::AlignIfMoved() {
  const RECT A = AlignArea();
  if (TRect{A.left, A.top, A.right, A.bottom} != FAlignedArea)
    Realign();
}

void TWinControl::BoundsChanged() {
  TControl::BoundsChanged();
  AlignIfMoved();
}

TSize TWinControl::ContentMinimum() const {
  const RECT Client = ClientRect(), Area = AlignArea();
  const TSize Content = AlignedMinimum(LayoutChildren(), {Area.left, Area.top});
  return {Content.Width + (Client.right - Client.left) - (Area.right - Area.left),
          Content.Height + (Client.bottom - Client.top) - (Area.bottom - Area.top)};
}

TSize TWinControl::MinimumSize() const {
  const TSize Content = ContentMinimum();
  const RECT Client = ClientRect();
  return {Content.Width + Width() - (Client.right - Client.left),
          Content.Height + Height() - (Client.bottom - Client.top)};
}

RECT TWinControl::ClientRect() const {
  RECT Client{0, 0, Width(), Height()};
  if (FHandle)
    GetClientRect(FHandle, &Client);
  return Client;
}

POINT TWinControl::ClientOrigin() const {
  if (!FHandle)
    return TControl::ClientOrigin();
  POINT Origin{0, 0};
  ::ClientToScreen(FHandle, &Origin);
  return Origin;
}

void TWinControl::Invalidate() {
  if (FHandle)
    ::InvalidateRect(FHandle, nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::InvalidateRect(const RECT& Rect, bool Erase) {
  if (FHandle)
    ::InvalidateRect(FHandle, &Rect, Erase);
}

void TWinControl::Update() {
  if (FHandle)
    UpdateWindow(FHandle);
}

// ---------------------------------------------------------------------------------------
// Focus

bool TWinControl::CanFocus() const {
  for (const TControl* Control = this; Control; Control = Control->Parent())
    if (!Control->Visible() || !Control->Enabled())
      return false;
  return true;
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

// ---------------------------------------------------------------------------------------
// Messages

LRESULT TWinControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (IsMouseMessage(Msg))
    return WindowMouseMessage(Msg, WParam, LParam);
  if (TWinControl* Child = ReflectionTarget(Msg, WParam, LParam))
    return Child->ReflectedMessage(Msg, WParam, LParam);
  if (FOwnClass && (Msg == WM_ERASEBKGND || Msg == WM_PAINT || Msg == WM_PRINTCLIENT))
    return PaintMessage(Msg, WParam, LParam);
  switch (Msg) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
  case WM_KEYUP:
  case WM_SYSKEYUP:
  case WM_CHAR:
    return KeyMessage(Msg, WParam, LParam);
  case WM_SETCURSOR:
    if (SetCursorMessage(reinterpret_cast<HWND>(WParam), LOWORD(LParam)))
      return TRUE;
    break;
  case WM_WINDOWPOSCHANGED: {
    const LRESULT Result = DefaultHandler(Msg, WParam, LParam);
    UpdateBoundsFromWindow();
    AlignIfMoved(); // a new frame changes the client area without moving the window
    return Result;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS: {
    const LRESULT Result = DefaultHandler(Msg, WParam, LParam);
    Perform(Msg == WM_SETFOCUS ? CM_ENTER : CM_EXIT, 0, 0);
    if (Msg == WM_SETFOCUS) {
      TControl* Root = this;
      while (Root->Parent())
        Root = Root->Parent();
      Root->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
    }
    return Result;
  }
  case CM_FOCUSCHANGED:
    for (TControl* Child : FControls)
      Child->Perform(Msg, WParam, LParam);
    return 0;
  case CM_ENTER:
    DoEnter();
    return 0;
  case CM_EXIT:
    DoExit();
    return 0;
  case WM_MOUSELEAVE:
    FTrackingLeave = false;
    EndHover();
    break;
  case WM_CAPTURECHANGED:
    CaptureChanged(WParam, LParam);
    break;
  case WM_DESTROY:
    EndHover();
    break;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    return TControl::WndProc(Msg, WParam, LParam);
  default:
    break;
  }
  return DefaultHandler(Msg, WParam, LParam);
}

TWinControl* TWinControl::ReflectionTarget(UINT Msg, WPARAM, LPARAM LParam) const {
  HWND From = nullptr;
  switch (Msg) {
  case WM_NOTIFY:
    if (LParam)
      From = reinterpret_cast<NMHDR*>(LParam)->hwndFrom;
    break;
  case WM_COMMAND:
  case WM_HSCROLL:
  case WM_VSCROLL:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLOREDIT:
    From = reinterpret_cast<HWND>(LParam);
    break;
  default:
    return nullptr;
  }
  TWinControl* Child = FromHandle(From);
  return Child != this ? Child : nullptr;
}

LRESULT TWinControl::ReflectedMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_COMMAND:
    return CNCommand(HIWORD(WParam));
  case WM_NOTIFY:
    return CNNotify(reinterpret_cast<NMHDR*>(LParam));
  case WM_HSCROLL:
  case WM_VSCROLL:
    CNScroll(LOWORD(WParam));
    return 0;
  default: // the colour queries
    return reinterpret_cast<LRESULT>(CNCtlColor(reinterpret_cast<HDC>(WParam)));
  }
}

LRESULT TWinControl::PaintMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const auto DC = reinterpret_cast<HDC>(WParam);
  if (Msg == WM_ERASEBKGND) {
    EraseBackground(DC);
    return 1;
  }
  if (Msg == WM_PRINTCLIENT && (LParam & PRF_ERASEBKGND))
    EraseBackground(DC);
  if (DC) {
    PaintHandler(DC);
  } else {
    const TPaintDC Paint(FHandle);
    PaintHandler(Paint.DC());
  }
  return 0;
}

LRESULT TWinControl::KeyMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_CHAR) {
    auto Key = static_cast<wchar_t>(WParam);
    KeyPress(Key);
    return Key == 0 ? 0 : DefaultHandler(Msg, Key, LParam);
  }
  WORD Key = static_cast<WORD>(WParam);
  if (Msg == WM_KEYDOWN || Msg == WM_SYSKEYDOWN)
    KeyDown(Key, KeyboardShiftState());
  else
    KeyUp(Key, KeyboardShiftState());
  return Key == 0 ? 0 : DefaultHandler(Msg, Key, LParam);
}

bool TWinControl::SetCursorMessage(HWND Under, WORD HitTest) {
  // The application's cursor overrides every control's, frame included; otherwise the
  // control under the pointer chooses in the client area.
  const bool Override = Screen && Screen->Cursor() != crDefault;
  if (!Override && (Under != FHandle || HitTest != HTCLIENT))
    return false;
  POINT Point;
  GetCursorPos(&Point);
  return SetCursorFor(ScreenToClient(Point));
}

void TWinControl::CaptureChanged(WPARAM WParam, LPARAM LParam) {
  if (FReleasingCapture)
    return; // our own release after the last button
  TControl* Lost = FCaptureControl;
  FCaptureControl = nullptr;
  if (Lost)
    Lost->Perform(WM_CAPTURECHANGED, WParam, LParam);
  else
    TControl::WndProc(WM_CAPTURECHANGED, WParam, LParam);
}

LRESULT TWinControl::WindowMouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const POINT Point{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
  if (Msg == WM_MOUSEMOVE)
    TrackHover(Point);
  if (GMouseWatcher) {
    TControl* Under = ControlAtPos(Point, true, true);
    GMouseWatcher(Msg, Under ? Under : this);
  }
  // The handlers may free this control; once it is gone nothing of it is touched.
  const TComponentRef<TWinControl> Self(this);
  if (!FOwnClass) {
    TControl::WndProc(Msg, WParam, LParam);
    return Self ? DefaultHandler(Msg, WParam, LParam) : 0;
  }

  // The toolkit's own windows hand input to the windowless child under the pointer and keep
  // the mouse while a button is held.
  DispatchOwnMouse(Msg, WParam, LParam, Point);
  // The platform asks for a context menu when the right button goes up (WM_CONTEXTMENU
  // from the default processing), once the mouse has been given back.
  if (Msg == WM_RBUTTONUP && Self)
    DefaultHandler(Msg, WParam, LParam);
  return 0;
}

void TWinControl::DispatchOwnMouse(UINT Msg, WPARAM WParam, LPARAM LParam, POINT Point) {
  const TComponentRef<TWinControl> Self(this);
  TControl* Target = FCaptureControl;
  if (!Target)
    Target = ControlAtPos(Point, false, false);
  if (!Target)
    Target = this;
  if (IsButtonDown(Msg)) {
    if (FTabStop && !Focused() && CanFocus())
      SetFocus();
    if (Target->ControlStyle() & csCaptureMouse) {
      if (Target != this)
        FCaptureControl = Target;
      if (GetCapture() != FHandle)
        SetCapture(FHandle);
    }
  }
  // The last button up gives the mouse back, also when a handler fails; a release of our
  // own is no lost capture.
  struct TReleaseAfterLastButton {
    const TComponentRef<TWinControl>& Self;
    bool Last;
    ~TReleaseAfterLastButton() {
      if (!Self || !Last)
        return;
      Self->FCaptureControl = nullptr;
      if (GetCapture() == Self->FHandle) {
        Self->FReleasingCapture = true;
        ReleaseCapture();
        Self->FReleasingCapture = false;
      }
    }
  } Release{Self, IsButtonUp(Msg) && !(WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))};
  if (Target == this)
    TControl::WndProc(Msg, WParam, LParam);
  else
    Target->Perform(Msg, WParam, MAKELPARAM(Point.x - Target->Left(), Point.y - Target->Top()));
}

void TWinControl::TrackHover(POINT Point) {
  if (!FTrackingLeave) {
    TRACKMOUSEEVENT Track{sizeof Track, TME_LEAVE, FHandle, 0};
    FTrackingLeave = TrackMouseEvent(&Track) != FALSE;
  }
  const RECT Client = ClientRect();
  const bool Inside = PtInRect(&Client, Point) != FALSE;
  if (Inside && !MouseInControl())
    Perform(CM_MOUSEENTER, 0, 0);
  TControl* Child = Inside ? ControlAtPos(Point, true, false) : nullptr;
  if (Child != FHoverControl) {
    TControl* Old = FHoverControl;
    FHoverControl = Child;
    if (Old)
      Old->Perform(CM_MOUSELEAVE, 0, 0);
    if (Child && FHoverControl == Child)
      Child->Perform(CM_MOUSEENTER, 0, 0);
  }
  if (!Inside && MouseInControl())
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TWinControl::EndHover() {
  if (TControl* Old = FHoverControl) {
    FHoverControl = nullptr;
    Old->Perform(CM_MOUSELEAVE, 0, 0);
  }
  if (MouseInControl())
    Perform(CM_MOUSELEAVE, 0, 0);
}

bool TWinControl::SetCursorFor(POINT Point) {
  if (!Screen)
    return false;
  TCursor Cursor = Screen->Cursor();
  if (Cursor == crDefault) {
    const TControl* Under = FCaptureControl ? FCaptureControl : ControlAtPos(Point, true, false);
    Cursor = Under && Under->Cursor() != crDefault ? Under->Cursor() : TControl::Cursor();
  }
  if (Cursor == crDefault)
    return false;
  ::SetCursor(Screen->Cursors(Cursor));
  return true;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown)
    OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp)
    OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(wchar_t& Key) {
  if (OnKeyPress)
    OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
  if (OnEnter)
    OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit)
    OnExit(this);
}

LRESULT TWinControl::CNCommand(WORD) { return 0; }

LRESULT TWinControl::CNNotify(NMHDR*) { return 0; }

void TWinControl::CNScroll(WORD) {}

HBRUSH TWinControl::CNCtlColor(HDC DC) {
  // Static-like native controls take their parent's background.
  const TColor Background = Parent() ? Parent()->Color() : Color();
  SetBkColor(DC, ColorToRGB(Background));
  SetTextColor(DC, ColorToRGB(Font().Color()));
  static TGdiHandle Brush;
  static TColor BrushColor = clNone;
  if (!Brush || BrushColor != Background) {
    Brush.reset(CreateSolidBrush(ColorToRGB(Background)));
    BrushColor = Background;
  }
  return static_cast<HBRUSH>(Brush.get());
}

// ---------------------------------------------------------------------------------------
// Painting

void TWinControl::EraseBackground(HDC DC) {
  const RECT Client = ClientRect();
  const TGdiHandle Brush(CreateSolidBrush(ColorToRGB(FColor)));
  FillRect(DC, &Client, static_cast<HBRUSH>(Brush.get()));
}

void TWinControl::PaintHandler(HDC DC) {
  PaintWindow(DC);
  PaintControls(DC);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC DC) {
  for (TControl* Child : FControls) {
    if (Child->Windowed() || !Child->Visible())
      continue;
    const RECT Bounds = Child->BoundsRect();
    if (!RectVisible(DC, &Bounds))
      continue;
    const TSavedDC Saved(DC);
    const TMoveWindowOrg Moved(DC, Child->Left(), Child->Top());
    IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
    Child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}

void TWinControl::VisibleChanged() {
  if (FHandle)
    ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
  else if (Visible() && Parent() && Parent()->FHandle && !Loading())
    CreateWnd(); // shown for the first time
}

void TWinControl::EnabledChanged() {
  if (FHandle)
    EnableWindow(FHandle, Enabled());
}

void TWinControl::CaptionChanged() {
  if (FHandle)
    SetWindowTextW(FHandle, WindowText(Caption()).c_str());
}

void TWinControl::DoFontChanged() {
  if (FHandle)
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* Child : FControls)
    if (Child->ParentFont()) {
      Child->Font().Assign(Font());
      Child->FontChanged();
    }
}

void TWinControl::ColorChanged() { Invalidate(); }
