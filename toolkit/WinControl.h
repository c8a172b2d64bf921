#pragma once
// The windowed control: an HWND bound to its object through the platform's subclass chain,
// with the object as reference data. Hooks (frames, menus, hints) join the same chain later
// and so see each message first; nothing else swaps window procedures. The control routes
// the mouse to its windowless children, tracks hover, capture and focus, paints itself and
// its windowless children into whatever device context it is given, and keeps its bounds
// equal to its window's, whoever moved it.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/AnsiText.h"
#include "toolkit/Control.h"

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }
  void BeforeDestruction() override;
  bool Windowed() const override { return true; }
  void Loaded() override;
  // Its child controls of the layout (those Root owns), in their order.
  void GetChildren(const std::function<void(TComponent&)>& Proc,
                   const TComponent& Root) const override;

  // The window, made (with its parent's) when first asked for. A parent's window brings its
  // visible children's with it; a hidden child's is made when it first shows, or is asked for.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();
  // A new window in place of the old one (for a style that only creation can set); the
  // children's windows are made again with it.
  void RecreateWnd();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  RECT ClientRect() const override;
  POINT ClientOrigin() const override;

  // Lays the children out in AlignArea: the docked ones by their sides, the unaligned ones by
  // their anchors. Runs by itself whenever the area changes size; nothing runs while the
  // control is being read.
  void Realign();
  bool Aligning() const { return FAligning; }
  // The part of the client area the children are laid out in.
  virtual RECT AlignArea() const { return ClientRect(); }
  // The smallest client area in which every child shows whole.
  virtual TSize ContentMinimum() const;
  // The smallest size of the control with that client area.
  TSize MinimumSize() const override;

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  // The child control at a client point, topmost first; disabled and windowed children only
  // when asked for.
  TControl* ControlAtPos(POINT Point, bool AllowDisabled, bool AllowWindowed) const;

  void Invalidate() override;
  void InvalidateRect(const RECT& Rect, bool Erase) override;
  void Update() override;

  // Keyboard focus.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  bool CanFocus() const;
  void SetFocus();
  bool Focused() const;

  // The object bound to a window of this toolkit, or null.
  static TWinControl* FromHandle(HWND Wnd);
  // The object bound to Wnd or to the nearest of its ancestors, or null.
  static TWinControl* FindControl(HWND Wnd);

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

protected:
  struct TCreateParams {
    std::wstring WinClassName; // empty: the toolkit's own class
    DWORD Style = 0;
    DWORD ExStyle = 0;
  };
  virtual void CreateParams(TCreateParams& Params);
  // The children as the layout sees them, in child order.
  std::vector<TAlignChild> LayoutChildren() const;
  // Makes the window, then its font, state and the children's windows.
  virtual void CreateWnd();
  // The processing of the window's class (and the links of the chain below this control).
  LRESULT DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam);
  // Whether the window is of the toolkit's own class (else a platform control that paints
  // and handles its mouse itself).
  bool OwnClass() const { return FOwnClass; }

  // Notifications the parent reflects to the child control they concern.
  virtual LRESULT CNCommand(WORD Code);
  virtual LRESULT CNNotify(NMHDR* Header);
  virtual void CNScroll(WORD Code);
  virtual HBRUSH CNCtlColor(HDC DC);

  // Keyboard input; a handler that sets Key to 0 keeps it from the window's class.
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(wchar_t& Key);
  virtual void DoEnter();
  virtual void DoExit();

  // The one paint path: the background (WM_ERASEBKGND), then the control (PaintWindow) and
  // its windowless children, into the device context of WM_PAINT, of a WM_PAINT that brings
  // one in WParam, or of WM_PRINTCLIENT.
  virtual void EraseBackground(HDC DC);
  virtual void PaintWindow(HDC DC);
  void PaintHandler(HDC DC);
  void PaintControls(HDC DC);

  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void DoFontChanged() override;
  void ColorChanged() override;

private:
  friend class TControl;
  static LRESULT CALLBACK ClassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT CALLBACK BoundProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                    DWORD_PTR Ref);
  void Bind(HWND Wnd, bool OwnClass);
  void Unbind();
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void CreateChildHandles();
  // A window made after its siblings' goes where it would have gone if made with them.
  void TakeSiblingOrder();
  void UpdateBoundsFromWindow();
  // Realign when the area is not the one last laid out (moved or resized).
  void AlignIfMoved();
  // Pieces of WndProc, one kind of message each.
  TWinControl* ReflectionTarget(UINT Msg, WPARAM WParam, LPARAM LParam) const;
  LRESULT ReflectedMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT PaintMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT KeyMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  bool SetCursorMessage(HWND Under, WORD HitTest);
  void CaptureChanged(WPARAM WParam, LPARAM LParam);
  LRESULT WindowMouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  // A mouse message of a window of the toolkit's own class to the control it is for.
  void DispatchOwnMouse(UINT Msg, WPARAM WParam, LPARAM LParam, POINT Point);
  void TrackHover(POINT Point);
  void EndHover();
  bool SetCursorFor(POINT Point);

  std::vector<TControl*> FControls;
  HWND FHandle = nullptr;
  WNDPROC FClassProc = nullptr; // the window's procedure below the chain
  bool FOwnClass = false;
  bool FTabStop = false;
  bool FTrackingLeave = false;
  bool FReleasingCapture = false;
  bool FCreatingChildren = false;
  bool FAligning = false;
  TRect FAlignedArea{0, 0, -1, -1};
  TControl* FCaptureControl = nullptr; // the windowless child that holds the mouse
  TControl* FHoverControl = nullptr;   // the windowless child under the pointer
  UINT FId = 0;
};

// Called for every mouse message a window of the toolkit receives, with the control under
// the pointer (disabled ones included); the application object uses it for hints.
using TMouseWatcher = void (*)(UINT Msg, TControl* Control);
void SetMouseWatcher(TMouseWatcher Watcher);
