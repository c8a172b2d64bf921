#include "controls/frame/SeSkinForm.h"

#include <algorithm>
#include <cctype>

#include "controls/base/Platform.h"
#include "controls/frame/FrameMenu.h"
#include "toolkit/Application.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/SysUtils.h"
#include "toolkit/Timer.h"

namespace {

TSeFrameZone ZoneOfKind(TSeKind Kind) {
  switch (Kind) {
  case skCaption:
  case skTitle:
    return fzCaption;
  case skTop:
    return fzTop;
  case skLeft:
    return fzLeft;
  case skRight:
    return fzRight;
  case skBottom:
    return fzBottom;
  case skTopLeft:
    return fzTopLeft;
  case skTopRight:
    return fzTopRight;
  case skBottomLeft:
    return fzBottomLeft;
  case skBottomRight:
    return fzBottomRight;
  case skSysButton:
    return fzSkinButton;
  default:
    return fzNone;
  }
}

TSeState StateOf(TSeWindowState State) {
  switch (State) {
  case qwsMaximized:
    return osMaximized;
  case qwsMinimized:
  case qwsTray:
    return osMinimized;
  case qwsRollup:
    return osRolledUp;
  case qwsNormal:
  default:
    return osNormal;
  }
}

} // namespace

TSeSkinForm::TSeSkinForm(TComponent* AOwner) : TSeCustomForm(AOwner) {
  FHoverTimer = MakeComponent<TTimer>(this);
  FHoverTimer->SetInterval(100);
  FHoverTimer->SetOnTimer([this](TObject*) { HoverStep(); });
}

TSeSkinForm::~TSeSkinForm() {
  if (FEngine)
    FEngine->RemoveFreeNotification(this);
}

void TSeSkinForm::Loaded() {
  if (BorderStyle() == qbsToolWindow) {
    FSkinObject = "ToolWindow";
    Attach();
  }
  TSeCustomForm::Loaded();
  if (!Form())
    return;
  // Without a client object the skin's object is the whole window, at its own size.
  if (Skinned() && !FClient && Form()->HandleAllocated())
    Form()->SetBounds(Form()->Left(), Form()->Top(), FObjectSize.X, FObjectSize.Y);
  for (int I = 0; I < Form()->ControlCount(); ++I)
    Form()->Controls(I)->Perform(SE_OBJECTINVALIDATE, 0, 0);
}

void TSeSkinForm::SetSkinEngine(TSeSkinEngine* Value) {
  if (Value != FEngine) {
    if (FEngine)
      FEngine->RemoveFreeNotification(this);
    FEngine = Value;
    if (FEngine)
      FEngine->FreeNotification(this);
  }
  Attach();
}

void TSeSkinForm::SetSkinObject(const std::string& Value) {
  FSkinObject = Value;
  Attach();
}

bool TSeSkinForm::Skinned() const {
  if (!FCopy || !FEngine || Loading() || Destroying())
    return false;
  const TSeSkinSource* Source = FEngine->Source();
  return Source && !Source->Changing && Source->ObjectCount() > 0;
}

void TSeSkinForm::Attach() {
  Detach();
  const TSeSkinSource* Source = FEngine ? FEngine->Source() : nullptr;
  if (Source && !Source->Changing && Source->ObjectCount() > 0) {
    const TSeSkinObject* Template =
        SameText(FSkinObject, "Form") ? nullptr : Source->FindObject(FSkinObject);
    if (!Template)
      Template = Source->GetFormObject();
    if (Template) {
      FCopy = CloneSkinObject(*Template, nullptr);
      // The copy is laid out to the window from here on; the object's own size is kept.
      FObjectSize = {Template->Width(), Template->Height()};
    }
  }
  if (FCopy) {
    FCopy->AttachControl(Form());
    FTitle = FCopy->FindObjectByKind(skTitle);
    FClient = FCopy->FindObjectByKind(skClient);
    if (Form()) {
      Form()->Font().Assign(FCopy->Font);
      Form()->FontChanged();
      // A skin that leaves its form without a colour keeps the form's own.
      if (FCopy->Color != clNone)
        Form()->SetColor(FCopy->Color);
    }
    if (!FClient && Form() && !Loading() && Form()->HandleAllocated())
      Form()->SetBounds(Form()->Left(), Form()->Top(), FObjectSize.X, FObjectSize.Y);
    FHoverTimer->SetEnabled(true);
  } else if (Form()) {
    Form()->SetColor(clBtnFace);
  }
  if (!Loading())
    RefreshFrame();
}

void TSeSkinForm::Detach() {
  FHoverTimer->SetEnabled(false);
  FHot = FPressed = FTitle = FClient = nullptr;
  FCopy.reset();
}

TPopupMenu* TSeSkinForm::CreateSystemMenu(const TFrameMenu& Menus) {
  return Menus.NewMenu(Form(), FEngine);
}

void TSeSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TSeCustomForm::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FEngine) {
    // Plain again: the platform's frame insets and the button-face colour (unless all goes).
    FEngine = nullptr;
    if (Destroying() || (Form() && Form()->Destroying()))
      Detach();
    else
      Attach();
  }
}

void TSeSkinForm::AlignCopy() const {
  if (FCopy)
    FCopy->SetBounds({0, 0, FrameWidth(), FrameHeight()});
}

TSeSkinObject* TSeSkinForm::ObjectAt(int X, int Y) const {
  if (!Skinned())
    return nullptr;
  AlignCopy();
  return FCopy->ObjectAtPoint({X, Y});
}

TRect TSeSkinForm::GetFrameClientRect() const {
  if (!Skinned())
    return TSeCustomForm::GetFrameClientRect();
  if (BorderStyle() == qbsNone || !FClient)
    return {0, 0, FrameWidth(), FrameHeight()};
  AlignCopy();
  return FClient->BoundsRect();
}

TRect TSeSkinForm::GetButtonRect(TSeFrameZone Button) const {
  // The skin's caption buttons are objects of the skin, not rectangles of the frame.
  return Skinned() ? TRect{} : TSeCustomForm::GetButtonRect(Button);
}

TSeFrameZone TSeSkinForm::HitTest(int X, int Y) const {
  if (!Skinned())
    return TSeCustomForm::HitTest(X, Y);
  const TSeSkinObject* Object = ObjectAt(X, Y);
  return Object ? ZoneOfKind(Object->Kind) : fzNone;
}

TRect TSeSkinForm::GetMaximizedRect() {
  if (!Skinned())
    return TSeCustomForm::GetMaximizedRect();
  // The skin's frame stays on the monitor, whole.
  return Form() && Form()->HandleAllocated() ? MonitorRectOfWindow(Form()->Handle(), !StayOnTop())
                                             : GetWorkArea(!StayOnTop());
}

TRegionHandle TSeSkinForm::CreateFrameRegion() {
  if (!Skinned())
    return TSeCustomForm::CreateFrameRegion();
  AlignCopy();
  if (TRegionHandle Region = FCopy->GetRegion())
    return Region;
  const RECT Full{0, 0, FrameWidth(), FrameHeight()};
  return TRegionHandle(CreateRectRgnIndirect(&Full));
}

void TSeSkinForm::DrawCopy(TCanvas& Canvas) {
  AlignCopy();
  FCopy->Draw(Canvas);
}

void TSeSkinForm::PaintNonClient(TCanvas& Canvas) {
  if (!Skinned() || BorderStyle() == qbsNone) {
    TSeCustomForm::PaintNonClient(Canvas);
    return;
  }
  FCopy->SetActive(ActiveWindow());
  FCopy->SetState(StateOf(WindowState()));
  if (FTitle && Form()->HandleAllocated()) {
    wchar_t Buffer[512];
    const int Length = GetWindowTextW(Form()->Handle(), Buffer, std::size(Buffer));
    const std::wstring Title(Buffer, Length > 0 ? Length : 0);
    if (Title != FTitle->Text) {
      FTitle->Text = Title;
      FCopy->AlignObjects(); // the title takes the width of its text
    }
  }
  AlignCopy();
  // The client object is the form's to paint.
  const bool ClientVisible = FClient && FClient->Visible;
  if (FClient)
    FClient->Visible = false;
  const HDC DC = Canvas.Handle();
  // Straight onto the window, the caption is composed apart first and copied in one piece, so
  // that it does not flicker. It starts from what the window shows, so the skin's soft corners
  // blend as they would on the window itself. (Off screen there is nothing to flicker, and a
  // surface's pictures are drawn past any clipping.)
  if (Performance() == qzfpNoBuffer && FClient && FClient->Top() > 0 &&
      GetObjectType(DC) != OBJ_MEMDC) {
    const int Band = FClient->Top();
    TseBitmap Caption;
    Caption.SetSize(FrameWidth(), Band);
    BitBlt(Caption.DC(), 0, 0, FrameWidth(), Band, DC, 0, 0, SRCCOPY);
    {
      TCanvas BandCanvas(Caption.DC());
      FCopy->Draw(BandCanvas);
    }
    GdiFlush();
    BitBlt(DC, 0, 0, FrameWidth(), Band, Caption.DC(), 0, 0, SRCCOPY);
    ExcludeClipRect(DC, 0, 0, FrameWidth(), Band);
  }
  FCopy->Draw(Canvas);
  if (FClient)
    FClient->Visible = ClientVisible;
}

void TSeSkinForm::PaintClientBackground(TCanvas& Canvas, const TRect& Client) {
  if (!Skinned()) {
    TSeCustomForm::PaintClientBackground(Canvas, Client);
    return;
  }
  AlignCopy();
  if (!FClient) {
    FCopy->Draw(Canvas);
    return;
  }
  // The client object, moved to the client area's origin.
  const TMoveWindowOrg Moved(Canvas.Handle(), -FClient->Left(), -FClient->Top());
  FClient->SetActive(ActiveWindow());
  FClient->Draw(Canvas);
}

void TSeSkinForm::FrameMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeCustomForm::FrameMouseDown(Button, Shift, X, Y);
  TSeSkinObject* Object = ObjectAt(X, Y);
  if (!Object)
    return;
  // What is pressed is hot from here on: the hover timer, catching up later, must not take
  // the pressed look away (the release would then do nothing).
  if (Object != FHot) {
    if (FHot)
      FHot->MouseLeave();
    FHot = Object;
    FHot->MouseEnter();
  }
  if (Shift & ssDouble)
    Object->DblClick(static_cast<int>(Button), X - Object->Left(), Y - Object->Top());
  else
    Object->MouseDown(static_cast<int>(Button), X - Object->Left(), Y - Object->Top());
  FPressed = Object;
}

void TSeSkinForm::FrameMouseMove(TShiftState Shift, int X, int Y) {
  TSeCustomForm::FrameMouseMove(Shift, X, Y);
  TSeSkinObject* Object = ObjectAt(X, Y);
  const bool Held = (Shift & (ssLeft | ssRight | ssMiddle)) != 0;
  if (Object && (!Held || Object == FPressed))
    Object->MouseMove(Shift, X - Object->Left(), Y - Object->Top());
}

void TSeSkinForm::FrameMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeCustomForm::FrameMouseUp(Button, Shift, X, Y);
  TSeSkinObject* Pressed = FPressed;
  FPressed = nullptr;
  TSeSkinObject* Object = ObjectAt(X, Y);
  if (Object && Object == Pressed)
    Object->MouseUp(static_cast<int>(Button), X - Object->Left(), Y - Object->Top());
}

void TSeSkinForm::HoverStep() {
  if (!Skinned() || !ActiveWindow() || !Form() || !Form()->HandleAllocated())
    return;
  POINT Cursor;
  GetCursorPos(&Cursor);
  RECT Window;
  GetWindowRect(Form()->Handle(), &Window);
  TSeSkinObject* Object = nullptr;
  if (WindowFromPoint(Cursor) == Form()->Handle())
    Object = ObjectAt(Cursor.x - Window.left, Cursor.y - Window.top);
  if (Object == FHot)
    return;
  if (FHot)
    FHot->MouseLeave();
  FHot = Object;
  if (FHot && (!FPressed || FPressed == FHot))
    FHot->MouseEnter();
}

void TSeSkinForm::DoFormAction(TSeAction Action, TSeSkinObject* Button) {
  switch (Action) {
  case sbaClose:
    Close();
    break;
  case sbaHelp:
    Help();
    break;
  case sbaMinimize:
    Minimize();
    break;
  case sbaMaximize:
    Maximize();
    break;
  case sbaRestore:
  case sbaRollDown:
    Restore();
    break;
  case sbaRollUp:
    Rollup();
    break;
  case sbaTray:
    MinimizeToTray();
    break;
  case sbaSysMenu:
    ShowSystemMenu();
    break;
  case sbaCustom:
    if (OnCustomAction)
      OnCustomAction(this, Button);
    break;
  default:
    break;
  }
}

void TSeSkinForm::Dispatch(TMessage& Message) {
  const bool Mine = FEngine && Message.LParam == reinterpret_cast<LPARAM>(FEngine);
  switch (Message.Msg) {
  case SE_GETSKINFORM:
    Message.Result = reinterpret_cast<LRESULT>(static_cast<TSeSkinFormLink*>(this));
    SetHandled();
    return;
  case SE_OBJECTINVALIDATE:
    if (const auto* Object = reinterpret_cast<const TSeSkinObject*>(Message.LParam);
        !Object || Object->Kind != skClient)
      PaintFrame();
    SetHandled();
    return;
  case SE_SKINCHANGING:
    if (Mine) {
      FHoverTimer->SetEnabled(false);
      if (Application)
        Application->ProcessMessages();
      Detach();
      if (Application)
        Application->ProcessMessages();
    }
    return;
  case SE_SKINCHANGED:
    if (Mine) {
      Attach();
      if (Maximized())
        ApplyMaximizedBounds();
    }
    return;
  default:
    TSeCustomForm::Dispatch(Message);
  }
}
