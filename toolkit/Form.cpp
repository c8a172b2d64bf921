#include "toolkit/Form.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/ControlProps.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/Screen.h"

namespace {

constexpr const char* PositionNames[] = {"poDesigned", "poDesktopCenter"};

// ClientWidth or ClientHeight: set alone, the other keeps its value.
TPropInfo ClientSizeProp(const char* Name, bool Width) {
  TPropInfo Info = NewPropInfo(Name, TPropKind::pkInteger);
  Info.GetOrd = [Width](const TPersistent& O) -> int64_t {
    const auto& Form = static_cast<const TForm&>(O);
    return Width ? Form.ClientWidth() : Form.ClientHeight();
  };
  Info.SetOrd = [Width](TPersistent& O, int64_t Value) {
    auto& Form = static_cast<TForm&>(O);
    const int Size = static_cast<int>(Value);
    Form.SetClientSize(Width ? Size : Form.ClientWidth(), Width ? Form.ClientHeight() : Size);
  };
  return Info;
}

// The controls that take the focus by Tab, in tab order (depth first, in child order).
void CollectTabStops(TWinControl* Parent, std::vector<TWinControl*>& Stops) {
  for (int I = 0; I < Parent->ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TWinControl*>(Parent->Controls(I))) {
      if (Child->TabStop() && Child->CanFocus())
        Stops.push_back(Child);
      CollectTabStops(Child, Stops);
    }
}

// CM_DIALOGKEY to Control and, depth first, to its children, until one answers.
bool OfferDialogKey(TControl* Control, WORD Key) {
  if (Control->Perform(CM_DIALOGKEY, Key, 0))
    return true;
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control))
    for (int I = 0; I < Windowed->ControlCount(); ++I)
      if (OfferDialogKey(Windowed->Controls(I), Key))
        return true;
  return false;
}

// CM_DIALOGCHAR to Control and, depth first, to its children, until one answers; hidden and
// disabled controls (and what they hold) are passed over.
bool OfferDialogChar(TControl* Control, wchar_t Key) {
  if (!Control->Visible() || !Control->Enabled())
    return false;
  if (Control->Perform(CM_DIALOGCHAR, Key, 0))
    return true;
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control))
    for (int I = 0; I < Windowed->ControlCount(); ++I)
      if (OfferDialogChar(Windowed->Controls(I), Key))
        return true;
  return false;
}

} // namespace

TForm* GetParentForm(TControl* Control) {
  while (Control && Control->Parent())
    Control = Control->Parent();
  return dynamic_cast<TForm*>(Control);
}

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  if (Screen)
    Screen->FForms.push_back(this);
}

TForm::~TForm() {
  if (Screen)
    std::erase(Screen->FForms, this);
}

const TPropTable& TForm::Properties() {
  using C = TForm;
  // A form's font is its own, and it is not stored as shown or hidden; a centred form's place
  // is the screen's to give.
  const auto Placed = [](const TPersistent& O) {
    return static_cast<const C&>(O).Position == TPosition::poDesigned;
  };
  static const TPropTable Table(
      nullptr,
      {StoredWhen(ControlProp("Left"), Placed), StoredWhen(ControlProp("Top"), Placed),
       ControlProp("Caption"),
       ClientSizeProp("ClientHeight", false), ClientSizeProp("ClientWidth", true),
       ControlProp("Color"), StoredWhen(ControlProp("Font"), nullptr),
       FieldProp("Position", &C::Position, TPropKind::pkEnum, PositionNames),
       AccessorProp<C>("ShowHint", TPropKind::pkBoolean, &C::ShowHint, &C::SetShowHint),
       EventProp("OnClose", &C::OnClose), EventProp("OnCloseQuery", &C::OnCloseQuery),
       EventProp("OnCreate", &C::OnCreate), EventProp("OnDestroy", &C::OnDestroy)});
  return Table;
}

void TForm::ReadLayout(TStream& Layout) {
  SetLoading(true);
  FLayoutComponents = ReadComponentTree(Layout, *this);
}

void TForm::AfterConstruction() {
  if (Loading()) { // read from a stored layout: its components first, then the form
    LoadComponents(std::exchange(FLayoutComponents, {}));
    Loaded();
  } else
    for (int I = 0; I < ComponentCount(); ++I)
      Components(I)->Loaded();
  GrowToContent();
  if (OnCreate)
    OnCreate(this);
}

void TForm::BeforeDestruction() {
  if (OnDestroy)
    OnDestroy(this);
  TCustomControl::BeforeDestruction();
}

void TForm::GetChildren(const std::function<void(TComponent&)>& Proc,
                        const TComponent& Root) const {
  if (&Root == this)
    for (int I = 0; I < ComponentCount(); ++I)
      if (!Components(I)->HasParent())
        Proc(*Components(I));
  TCustomControl::GetChildren(Proc, Root);
}

void TForm::Loaded() {
  TCustomControl::Loaded();
  if (Visible())
    VisibleChanged();
}

void TForm::SetClientSize(int AWidth, int AHeight) {
  FClientWidth = AWidth;
  FClientHeight = AHeight;
  TCreateParams Params;
  CreateParams(Params);
  RECT Frame{0, 0, AWidth, AHeight};
  AdjustWindowRectEx(&Frame, Params.Style, FALSE, Params.ExStyle);
  SetBounds(Left(), Top(), Frame.right - Frame.left, Frame.bottom - Frame.top);
}

RECT TForm::ClientRect() const {
  if (HandleAllocated() || FClientWidth <= 0 || FClientHeight <= 0)
    return TCustomControl::ClientRect();
  return {0, 0, FClientWidth, FClientHeight};
}

void TForm::GrowToContent() {
  if (Loading())
    return;
  const TSize Need = ContentMinimum();
  const RECT Client = ClientRect();
  const int Grow = std::max<int>(Need.Width - (Client.right - Client.left), 0);
  const int Deepen = std::max<int>(Need.Height - (Client.bottom - Client.top), 0);
  if (Grow == 0 && Deepen == 0)
    return;
  if (HandleAllocated())
    SetBounds(Left(), Top(), Width() + Grow, Height() + Deepen);
  else
    SetClientSize(Client.right - Client.left + Grow, Client.bottom - Client.top + Deepen);
}

void TForm::Show() {
  SetVisible(true);
  SetForegroundWindow(Handle());
}

void TForm::Close() {
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else
    SetVisible(false);
}

bool TForm::CloseQuery() {
  bool CanClose = true;
  if (OnCloseQuery)
    OnCloseQuery(this, CanClose);
  return CanClose;
}

TCloseAction TForm::DoClose(TCloseAction Action) {
  if (OnClose)
    OnClose(this, Action);
  return Action;
}

void TForm::Release() {
  if (HandleAllocated())
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

bool TForm::DialogKey(WORD Key, TShiftState Shift) {
  TWinControl* Focused = FindControl(GetFocus());
  if (Focused && GetParentForm(Focused) != this)
    Focused = nullptr;
  if (Key == VK_TAB) {
    // Ctrl+Tab first goes to the focused control and then to each control around it, nearest
    // first, until one takes it (a page control turns its pages); else it moves the focus.
    if (Shift & ssCtrl)
      for (TWinControl* Control = Focused; Control && Control != this; Control = Control->Parent())
        if (Control->Perform(CM_DIALOGKEY, Key, static_cast<LPARAM>(Shift)))
          return true;
    SelectNext(Focused, !(Shift & ssShift));
    return true;
  }
  if (Key != VK_RETURN && Key != VK_ESCAPE)
    return false;
  if (Focused && Focused->Perform(CM_DIALOGKEY, Key, 0))
    return true;
  return OfferDialogKey(this, Key);
}

bool TForm::DialogChar(wchar_t Key) {
  for (int I = 0; I < ControlCount(); ++I)
    if (OfferDialogChar(Controls(I), Key))
      return true;
  return false;
}

void TForm::SelectNext(TWinControl* Current, bool Forward) {
  std::vector<TWinControl*> Stops;
  CollectTabStops(this, Stops);
  if (Stops.empty())
    return;
  if (!Forward)
    std::reverse(Stops.begin(), Stops.end());
  const auto It = std::find(Stops.begin(), Stops.end(), Current);
  TWinControl* Next = It == Stops.end() || It + 1 == Stops.end() ? Stops.front() : *(It + 1);
  Next->SetFocus();
}

LRESULT TForm::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_CLOSE) {
    Close();
    return 0;
  }
  if (Msg == WM_GETMINMAXINFO) {
    const LRESULT Result = TCustomControl::WndProc(Msg, WParam, LParam);
    const TSize Need = MinimumSize();
    auto* Info = reinterpret_cast<MINMAXINFO*>(LParam);
    Info->ptMinTrackSize.x = std::max<LONG>(Info->ptMinTrackSize.x, Need.Width);
    Info->ptMinTrackSize.y = std::max<LONG>(Info->ptMinTrackSize.y, Need.Height);
    return Result;
  }
  // The application's activation changing is told to its windows, not posted to its loop.
  if (Msg == WM_ACTIVATEAPP && Application) {
    MSG Told{};
    Told.hwnd = Handle();
    Told.message = Msg;
    Application->CancelHintOn(Told);
  }
  return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TForm::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (MinimizeBox)
    Params.Style |= WS_MINIMIZEBOX;
  if (MaximizeBox)
    Params.Style |= WS_MAXIMIZEBOX;
  Params.ExStyle = WS_EX_APPWINDOW;
}

void TForm::CreateWnd() {
  if (Position == TPosition::poDesktopCenter)
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(), Height());
  TCustomControl::CreateWnd();
  // The program's icon, when it has one, in the caption and the task switcher.
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  for (const auto& [Kind, Metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}})
    if (const HANDLE Icon = LoadImageW(Instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(Metric),
                                       GetSystemMetrics(Metric), 0))
      SendMessageW(Handle(), WM_SETICON, Kind, reinterpret_cast<LPARAM>(Icon));
}

void TForm::VisibleChanged() {
  // No window is made while the stored layout is read; Loaded shows the form then.
  if (Loading())
    return;
  if (HandleAllocated() || Visible())
    ShowWindow(Handle(), Visible() ? SW_SHOWNORMAL : SW_HIDE);
}
