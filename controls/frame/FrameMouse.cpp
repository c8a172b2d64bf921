// The frame's mouse handling: the caption buttons pressed and released, the caption's double
// and right clicks, and the window moved and sized by its caption and edges, following the
// pointer (full drag) or shown as an outline until the button is released (border drag).

#include "controls/base/Platform.h"
#include "controls/frame/SeCustomForm.h"
#include "toolkit/GdiGuards.h"

namespace {

bool IsDragZone(TSeFrameZone Zone) { return Zone >= fzCaption && Zone <= fzBottomRight; }

TSeFrameAction ButtonAction(TSeFrameZone Zone) {
  switch (Zone) {
  case fzClose:
    return faClose;
  case fzMinimize:
    return faMinimize;
  case fzMaximize:
    return faMaximize;
  case fzRollup:
    return faRollup;
  case fzTray:
    return faMinimizeToTray;
  default:
    return faNone;
  }
}

} // namespace

void TSeCustomForm::MouseMessage(TMessage& Message) {
  if (!FForm || !FForm->HandleAllocated())
    return;
  const HWND Wnd = FForm->Handle();
  const bool HeldOnFrame = FPressedButtons != 0;
  switch (Message.Msg) {
  case WM_MOUSEMOVE:
  case WM_LBUTTONUP: {
    // Client messages: the pointer left the frame, or the mouse is captured by a drag or a
    // pressed button.
    POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
    ClientToScreen(Wnd, &P);
    const POINT W = WindowPoint(MAKELPARAM(P.x, P.y));
    if (Message.Msg == WM_MOUSEMOVE) {
      if (FHotZone != fzNone && !HeldOnFrame) {
        FHotZone = fzNone;
        PaintFrame();
      }
      if (HeldOnFrame)
        FrameMouseMove(FPressedButtons, W.x, W.y);
    } else if (HeldOnFrame) {
      FrameMouseUp(mbLeft, 0, W.x, W.y);
    }
    return; // the form sees them as well
  }
  case WM_CAPTURECHANGED:
    // Another window took the mouse away: the drag ends where it is.
    if (HeldOnFrame && reinterpret_cast<HWND>(Message.LParam) != Wnd) {
      DrawOutline({});
      FOutline = false;
      FPaintEnabled = true;
      FDraggingNow = false;
      FPressedButtons = 0;
      FPressedZone = fzNone;
      PaintFrame();
    }
    return;
  default:
    break;
  }
  const POINT P = WindowPoint(Message.LParam);
  // A press on the frame of an inactive window activates it first.
  if ((Message.Msg == WM_NCLBUTTONDOWN || Message.Msg == WM_NCRBUTTONDOWN ||
       Message.Msg == WM_NCLBUTTONDBLCLK) &&
      GetActiveWindow() != Wnd)
    SetActiveWindow(Wnd);
  switch (Message.Msg) {
  case WM_NCLBUTTONDOWN:
    FrameMouseDown(mbLeft, ssLeft, P.x, P.y);
    break;
  case WM_NCLBUTTONDBLCLK:
    // A double click means nothing on an edge: a second quick press there starts a drag.
    if (const TSeFrameZone Zone = HitTest(P.x, P.y); Zone > fzCaption && Zone <= fzBottomRight) {
      FrameMouseDown(mbLeft, ssLeft, P.x, P.y);
      break;
    }
    FrameMouseDown(mbLeft, ssLeft | ssDouble, P.x, P.y);
    FrameMouseUp(mbLeft, ssLeft | ssDouble, P.x, P.y);
    break;
  case WM_NCLBUTTONUP:
    FrameMouseUp(mbLeft, 0, P.x, P.y);
    break;
  case WM_NCRBUTTONDOWN:
    FrameMouseDown(mbRight, ssRight, P.x, P.y);
    break;
  case WM_NCRBUTTONUP:
    FrameMouseUp(mbRight, 0, P.x, P.y);
    break;
  case WM_NCMOUSEMOVE:
    FrameMouseMove(FPressedButtons, P.x, P.y);
    break;
  default:
    break;
  }
  Message.Result = 0;
  SetHandled();
}

void TSeCustomForm::FrameMouseDown(TMouseButton Button, TShiftState, int X, int Y) {
  if (Button != mbLeft)
    return;
  FPressedZone = FHotZone = HitTest(X, Y);
  FPressedButtons = ssLeft;
  FPressPoint = FLastPoint = {X, Y};
  PaintFrame();
  // The platform's icon of a minimized window stays where the platform put it.
  if (IsDragZone(FPressedZone) && !PlatformMinimized()) {
    FDraggingNow = true;
    FOutlineRect = {};
    if (FDragging.DragMode == qfdmBorder) {
      FPaintEnabled = false;
      FOutline = true;
    }
  }
  SetCapture(FForm->Handle());
}

bool TSeCustomForm::PlatformMinimized() const {
  return FForm && FForm->HandleAllocated() && IsIconic(FForm->Handle());
}

void TSeCustomForm::FrameMouseMove(TShiftState Shift, int X, int Y) {
  if (!(Shift & ssLeft) || !FDraggingNow) {
    const TSeFrameZone Hot = HitTest(X, Y);
    if (Hot != FHotZone) {
      FHotZone = Hot;
      PaintFrame();
    }
    return;
  }
  DragTo({X, Y}, FDragging.DragMode == qfdmFullDrag);
  FLastPoint = {X, Y};
}

void TSeCustomForm::DragTo(TPoint P, bool FullDrag) {
  const TSeFrameZone Zone = FPressedZone;
  const TRect Now = Bounds();
  TRect New = Now;
  if (Zone == fzCaption) {
    if (!FDragging.Moveable || Maximized())
      return;
    New = DragBounds(Zone, Now, {P.X - FPressPoint.X, P.Y - FPressPoint.Y}, {}, FOutline, {});
    if (FGravitation.Enabled) {
      const TRect Area = MonitorRectOfWindow(FForm->Handle(), !FStayOnTop);
      New = SnapToArea(New, Area, FGravitation.Size());
    }
  } else {
    if (!FDragging.Sizeable || WindowState() != qwsNormal)
      return;
    New = DragBounds(Zone, Now, {P.X - FPressPoint.X, P.Y - FPressPoint.Y},
                     {P.X - FLastPoint.X, P.Y - FLastPoint.Y}, FOutline, GetMinSize());
  }
  if (FullDrag) {
    if (New != Now) {
      ApplyBounds(New);
      FHotZone = HitTest(P.X, P.Y);
      PaintFrame();
    }
  } else {
    DrawOutline(New);
  }
}

void TSeCustomForm::DrawOutline(const TRect& Outline) {
  if (Outline == FOutlineRect)
    return;
  const TWindowDC Desktop(GetDesktopWindow(), true);
  if (!Desktop.DC()) {
    FOutlineRect = Outline;
    return;
  }
  const HDC DC = Desktop.DC();
  const TGdiHandle Pen(CreatePen(PS_INSIDEFRAME, 2, RGB(255, 255, 255)));
  const TSavedDC Saved(DC);
  SelectObject(DC, Pen.get());
  SelectObject(DC, GetStockObject(HOLLOW_BRUSH));
  SetROP2(DC, R2_XORPEN);
  // Drawing a rectangle again in exclusive-or takes it away.
  if (!FOutlineRect.IsEmpty())
    Rectangle(DC, FOutlineRect.Left, FOutlineRect.Top, FOutlineRect.Right, FOutlineRect.Bottom);
  if (!Outline.IsEmpty())
    Rectangle(DC, Outline.Left, Outline.Top, Outline.Right, Outline.Bottom);
  FOutlineRect = Outline;
}

void TSeCustomForm::FrameMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TSeFrameZone Up = HitTest(X, Y);
  if (Button == mbRight) {
    if (Up == fzCaption) {
      FSystemMenuAt = {X, Y};
      RECT Window;
      GetWindowRect(FForm->Handle(), &Window);
      FSystemMenuAt.x += Window.left;
      FSystemMenuAt.y += Window.top;
      FSystemMenuAtSet = true;
      ShowSystemMenu();
      FSystemMenuAtSet = false;
    }
    return;
  }
  if (Button != mbLeft)
    return;
  const TSeFrameZone Pressed = FPressedZone;
  FPressedButtons = 0; // before the capture goes, which reports back here
  if (GetCapture() == FForm->Handle())
    ReleaseCapture();
  if (Shift & ssDouble) {
    const bool Handled =
        (Up == fzCaption && (FBorderIcons & (1u << qbiMaximize))) || Pressed == fzSysMenu;
    if (Handled) {
      FPressedZone = fzNone;
      FDraggingNow = false;
      if (Pressed == fzSysMenu)
        Close();
      else if (WindowState() == qwsMinimized)
        Restore();
      else
        Maximize();
      return;
    }
  }
  if (Up == Pressed) {
    // The platform's icon of a minimized window stands for the task bar's button: a click on
    // it brings the window back.
    if (Pressed == fzCaption && PlatformMinimized())
      Restore();
    else if (Pressed == fzHelp)
      Help();
    else if (Pressed == fzSysMenu)
      ShowSystemMenu();
    else if (const TSeFrameAction Action = ButtonAction(Pressed); Action != faNone)
      FStates.Perform(Action);
  }
  if (FDragging.DragMode == qfdmBorder && FOutline) {
    DrawOutline({});
    if (FDraggingNow)
      DragTo({X, Y}, true); // the outline's bounds, applied
    FOutline = false;
    FPaintEnabled = true;
    PaintFrame();
    Realign();
  } else {
    PaintFrame();
  }
  FPressedZone = fzNone;
  FDraggingNow = false;
}
