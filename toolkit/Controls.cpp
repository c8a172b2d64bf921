#include "toolkit/Controls.h"

#include <algorithm>
#include <windowsx.h>

#include "toolkit/ErrorReport.h"

namespace {

constexpr const char* ObjectProperty = "MirevanControl";
constexpr const char* WindowClassName = "MirevanWindow";

HCURSOR GOverrideCursor = nullptr;
TMouseWatcher GMouseWatcher = nullptr;

void RegisterWindowClass(WNDPROC Procedure) {
  static const bool Registered = [Procedure] {
    WNDCLASSEXA Class{};
    Class.cbSize = sizeof Class;
    Class.style = CS_DBLCLKS;
    Class.lpfnWndProc = Procedure;
    Class.hInstance = GetModuleHandleA(nullptr);
    Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Class.lpszClassName = WindowClassName;
    return RegisterClassExA(&Class) != 0;
  }();
  (void)Registered;
}

bool IsMouseMessage(UINT Msg) { return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK; }

} // namespace

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

void SetOverrideCursor(HCURSOR Cursor) { GOverrideCursor = Cursor; }

void SetMouseWatcher(TMouseWatcher Watcher) { GMouseWatcher = Watcher; }

// ---------------------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() {
  if (FParent) {
    std::erase(FParent->FControls, this);
    if (FParent->FCaptureControl == this)
      FParent->FCaptureControl = nullptr;
  }
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent)
    return;
  if (FParent)
    std::erase(FParent->FControls, this);
  FParent = AParent;
  if (FParent) {
    FParent->FControls.push_back(this);
    if (FParentFont)
      FFont.Assign(FParent->Font());
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
    return;
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  BoundsChanged();
  Invalidate();
}

void TControl::SetVisible(bool Value) {
  if (Value != FVisible) {
    FVisible = Value;
    VisibleChanged();
  }
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
    InvalidateRect(FParent->Handle(), &Bounds, TRUE);
  }
}

POINT TControl::ClientToScreen(POINT Point) const {
  if (!FParent)
    return Point;
  return FParent->ClientToScreen({Point.x + FLeft, Point.y + FTop});
}

POINT TControl::ScreenToClient(POINT Point) const {
  const POINT Origin = ClientToScreen({0, 0});
  return {Point.x - Origin.x, Point.y - Origin.y};
}

void TControl::Invalidate() {
  if (FParent && FParent->HandleAllocated() && FVisible) {
    const RECT Bounds = BoundsRect();
    InvalidateRect(FParent->Handle(), &Bounds, TRUE);
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

void TControl::Paint(TCanvas&) {}

// ---------------------------------------------------------------------------------------
// TWinControl

TWinControl::~TWinControl() {
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

HWND TWinControl::Handle() {
  if (!FHandle && Parent())
    Parent()->HandleNeeded(); // makes the children's windows too
  if (!FHandle)
    CreateWnd();
  return FHandle;
}

void TWinControl::DestroyHandle() {
  if (FHandle)
    DestroyWindow(FHandle); // unbound at WM_NCDESTROY
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

void TWinControl::Invalidate() {
  if (FHandle)
    InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Update() {
  if (FHandle)
    UpdateWindow(FHandle);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

TWinControl* TWinControl::FromHandle(HWND Wnd) {
  return Wnd ? static_cast<TWinControl*>(GetPropA(Wnd, ObjectProperty)) : nullptr;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Style = WS_CLIPCHILDREN;
  if (Parent())
    Params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  if (Visible())
    Params.Style |= WS_VISIBLE;
  if (!Enabled())
    Params.Style |= WS_DISABLED;
  const HWND ParentWnd = Parent() ? Parent()->FHandle : nullptr;
  static UINT NextId = 100;
  if (!FId)
    FId = NextId++;
  const HMENU Menu = ParentWnd ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FId)) : nullptr;
  const HINSTANCE Instance = GetModuleHandleA(nullptr);

  if (Params.WinClassName.empty()) {
    RegisterWindowClass(StaticWndProc);
    CreateWindowExA(Params.ExStyle, WindowClassName, Caption().c_str(), Params.Style, Left(), Top(),
                    Width(), Height(), ParentWnd, Menu, Instance, this);
  } else {
    const HWND Wnd = CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Caption().c_str(),
                                     Params.Style, Left(), Top(), Width(), Height(), ParentWnd,
                                     Menu, Instance, nullptr);
    if (Wnd)
      Bind(Wnd, false);
  }
  if (!FHandle)
    throw Exception("Error creating window");
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
  for (TControl* Child : FControls)
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child); Windowed && !Windowed->FHandle)
      Windowed->CreateWnd();
}

void TWinControl::Bind(HWND Wnd, bool OwnClass) {
  FHandle = Wnd;
  SetPropA(Wnd, ObjectProperty, this);
  // Native controls are subclassed; the toolkit's own class calls StaticWndProc already.
  FDefWndProc = OwnClass ? DefWindowProcA
                         : reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                               Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWndProc)));
}

void TWinControl::Unbind() {
  if (!FHandle)
    return;
  RemovePropA(FHandle, ObjectProperty);
  if (FDefWndProc != DefWindowProcA)
    SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
  FHandle = nullptr;
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* Self = FromHandle(Wnd);
  if (!Self && Msg == WM_NCCREATE) {
    Self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
    if (Self)
      Self->Bind(Wnd, true);
  }
  if (!Self)
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
  LRESULT Result = 0;
  try {
    Result = Self->WndProc(Msg, WParam, LParam);
  } catch (const std::exception& E) {
    ReportException(E);
  }
  if (Msg == WM_NCDESTROY && FromHandle(Wnd) == Self)
    Self->Unbind();
  return Result;
}

LRESULT TWinControl::DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, Msg, WParam, LParam);
}

LRESULT TWinControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_COMMAND:
    if (TWinControl* Child = FromHandle(reinterpret_cast<HWND>(LParam)); Child && Child != this)
      return Child->CNCommand(HIWORD(WParam));
    break;
  case WM_NOTIFY:
    if (auto* Header = reinterpret_cast<NMHDR*>(LParam))
      if (TWinControl* Child = FromHandle(Header->hwndFrom); Child && Child != this)
        return Child->CNNotify(Header);
    break;
  case WM_HSCROLL:
  case WM_VSCROLL:
    if (TWinControl* Child = FromHandle(reinterpret_cast<HWND>(LParam)); Child && Child != this) {
      Child->CNScroll(LOWORD(WParam));
      return 0;
    }
    break;
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLOREDIT:
    if (TWinControl* Child = FromHandle(reinterpret_cast<HWND>(LParam)); Child && Child != this)
      return reinterpret_cast<LRESULT>(Child->CNCtlColor(reinterpret_cast<HDC>(WParam)));
    break;
  case WM_SETCURSOR:
    if (GOverrideCursor) {
      ::SetCursor(GOverrideCursor);
      return TRUE;
    }
    break;
  case WM_ERASEBKGND:
    if (FDefWndProc == DefWindowProcA) {
      RECT Client;
      GetClientRect(FHandle, &Client);
      const TGdiHandle Brush(CreateSolidBrush(ColorToRGB(FColor)));
      FillRect(reinterpret_cast<HDC>(WParam), &Client, static_cast<HBRUSH>(Brush.get()));
      return 1;
    }
    break;
  case WM_PAINT:
    if (FDefWndProc == DefWindowProcA) {
      PAINTSTRUCT Paint;
      const HDC DC = BeginPaint(FHandle, &Paint);
      PaintWindow(DC);
      EndPaint(FHandle, &Paint);
      return 0;
    }
    break;
  default:
    if (IsMouseMessage(Msg))
      return MouseMessage(Msg, WParam, LParam);
    break;
  }
  return DefaultHandler(Msg, WParam, LParam);
}

LRESULT TWinControl::MouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const POINT Point{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
  const TShiftState Shift = KeysToShiftState(WParam);
  const bool OwnWindow = FDefWndProc == DefWindowProcA;

  if (GMouseWatcher) {
    TControl* Under = ControlAtPos(Point, true, true);
    GMouseWatcher(Msg, Under ? Under : this);
  }

  // The toolkit's own windows hand input to the graphic child under the pointer and keep
  // the mouse while a button is held.
  TControl* Target = this;
  if (OwnWindow) {
    if (FCaptureControl)
      Target = FCaptureControl;
    else if (TControl* Child = ControlAtPos(Point, false, false))
      Target = Child;
  }
  const int X = Point.x - (Target == this ? 0 : Target->Left());
  const int Y = Point.y - (Target == this ? 0 : Target->Top());

  switch (Msg) {
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_LBUTTONDBLCLK: {
    const TMouseButton Button = Msg == WM_RBUTTONDOWN   ? mbRight
                                : Msg == WM_MBUTTONDOWN ? mbMiddle
                                                        : mbLeft;
    if (OwnWindow) {
      SetCapture(FHandle);
      if (Target != this)
        FCaptureControl = Target;
    }
    Target->MouseDown(Button, Shift, X, Y);
    break;
  }
  case WM_MOUSEMOVE:
    Target->MouseMove(Shift, X, Y);
    break;
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP: {
    const TMouseButton Button = Msg == WM_RBUTTONUP   ? mbRight
                                : Msg == WM_MBUTTONUP ? mbMiddle
                                                      : mbLeft;
    if (OwnWindow) {
      FCaptureControl = nullptr;
      if (!(WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == FHandle)
        ReleaseCapture();
    }
    Target->MouseUp(Button, Shift, X, Y);
    const RECT Inside = Target->ClientRect();
    if (OwnWindow && Msg == WM_LBUTTONUP && PtInRect(&Inside, POINT{X, Y}))
      Target->Click();
    break;
  }
  default:
    break;
  }
  return OwnWindow ? 0 : DefaultHandler(Msg, WParam, LParam);
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

void TWinControl::PaintWindow(HDC DC) { PaintControls(DC); }

void TWinControl::PaintControls(HDC DC) {
  TCanvas Canvas(DC);
  for (TControl* Child : FControls) {
    if (Child->Windowed() || !Child->Visible())
      continue;
    const int Saved = SaveDC(DC);
    POINT Origin;
    GetViewportOrgEx(DC, &Origin);
    SetViewportOrgEx(DC, Origin.x + Child->Left(), Origin.y + Child->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
    Canvas.Font.Assign(Child->Font());
    Child->Paint(Canvas);
    RestoreDC(DC, Saved);
  }
}

void TWinControl::BoundsChanged() {
  if (FHandle)
    SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::VisibleChanged() {
  if (FHandle)
    ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (FHandle)
    EnableWindow(FHandle, Enabled());
}

void TWinControl::CaptionChanged() {
  if (FHandle)
    SetWindowTextA(FHandle, Caption().c_str());
}

void TWinControl::DoFontChanged() {
  if (FHandle)
    SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* Child : FControls)
    if (Child->ParentFont()) {
      Child->Font().Assign(Font());
      Child->FontChanged();
    }
}

void TWinControl::ColorChanged() { Invalidate(); }

// ---------------------------------------------------------------------------------------
// TCustomControl

void TCustomControl::PaintWindow(HDC DC) {
  TCanvas Canvas(DC);
  Canvas.Font.Assign(Font());
  PaintContent(Canvas);
  PaintControls(DC);
}

void TCustomControl::PaintContent(TCanvas&) {}

UINT TControl::DrawTextBiDiModeFlags(UINT Flags) const {
  if (GetSystemMetrics(SM_MIDEASTENABLED) == 0)
    return Flags;
  if (FBiDiMode == 1) {
    if (Flags & DT_RIGHT)
      Flags &= ~DT_RIGHT;
    else if (!(Flags & DT_CENTER))
      Flags |= DT_RIGHT;
  }
  if (FBiDiMode != 0)
    Flags |= DT_RTLREADING;
  return Flags;
}
