#pragma once
// Controls: the windowless graphic control, the windowed control (an HWND bound to its
// object, messages dispatched through one virtual window procedure) and the custom control
// that paints itself and its graphic children.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/Graphics.h"

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = uint32_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Indices into the screen's cursor table; positive ones are the program's own.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;

class TWinControl;

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The control's font. With ParentFont on (the default) it is its parent's.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  // Call after changing Font(): the window and the children that share it follow.
  void FontChanged();
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value) { FParentFont = Value; }
  // Reading order: 0 left to right, 1 right to left, 2 right to left without right
  // alignment, 3 right-to-left reading only.
  uint8_t BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(uint8_t Value) { FBiDiMode = Value; }
  // Text flags for this control's reading order: on a right-to-left system, right and left
  // alignment exchanged (mode 1) and right-to-left reading added (modes 1 to 3).
  UINT DrawTextBiDiModeFlags(UINT Flags) const;

  // Screen and client coordinates of this control.
  POINT ClientToScreen(POINT Point) const;
  POINT ScreenToClient(POINT Point) const;

  virtual void Invalidate();
  virtual bool Windowed() const { return false; }
  // A message handed straight to the control's handler, without a window in between:
  // windowless controls that take messages override it; windowed ones run WndProc.
  virtual LRESULT Perform(UINT /*Msg*/, WPARAM /*WParam*/, LPARAM /*LParam*/) { return 0; }

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // Mouse input in client coordinates, as the parent or the window routes it.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();

  // Windowless controls paint here, on their parent's canvas moved to their origin.
  virtual void Paint(TCanvas& Canvas);

protected:
  virtual void BoundsChanged() {}
  virtual void VisibleChanged();
  virtual void EnabledChanged() {}
  virtual void CaptionChanged() {}
  virtual void ColorChanged() {}
  virtual void DoFontChanged() {}

  TColor FColor = clBtnFace;

private:
  friend class TWinControl;
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  bool FShowHint = true;
  bool FParentFont = true;
  uint8_t FBiDiMode = 0;
  std::string FCaption;
  std::string FHint;
  TFont FFont;
};

class TGraphicControl : public TControl {
public:
  using TControl::TControl;
  std::string ClassName() const override { return "TGraphicControl"; }
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner) : TControl(AOwner) {}
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }
  void BeforeDestruction() override;
  bool Windowed() const override { return true; }

  // The window, made (with its parent's) when first asked for.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  // The child control at a client point, topmost first; disabled and windowed children only
  // when asked for.
  TControl* ControlAtPos(POINT Point, bool AllowDisabled, bool AllowWindowed) const;

  void Invalidate() override;
  void Update();
  void SetFocus();
  bool Focused() const;

  // The object behind a window of this toolkit, or null.
  static TWinControl* FromHandle(HWND Wnd);

  // The window procedure; overrides handle what they know and pass the rest on.
  virtual LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    return WndProc(Msg, WParam, LParam);
  }

protected:
  struct TCreateParams {
    std::string WinClassName; // empty: the toolkit's own class
    DWORD Style = 0;
    DWORD ExStyle = 0;
  };
  virtual void CreateParams(TCreateParams& Params);
  // After the window exists: font, state, children.
  virtual void CreateWnd();
  // The default processing of the window's class.
  LRESULT DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam);

  // Notifications the parent reflects to the child control they concern.
  virtual LRESULT CNCommand(WORD Code);
  virtual LRESULT CNNotify(NMHDR* Header);
  virtual void CNScroll(WORD Code);
  virtual HBRUSH CNCtlColor(HDC DC);

  // Painting of the toolkit's own windows: the control, then its graphic children.
  virtual void PaintWindow(HDC DC);
  void PaintControls(HDC DC);

  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void DoFontChanged() override;
  void ColorChanged() override;

private:
  friend class TControl;
  static LRESULT CALLBACK StaticWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Bind(HWND Wnd, bool OwnClass);
  void Unbind();
  LRESULT MouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void CreateChildHandles();

  std::vector<TControl*> FControls;
  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  TControl* FCaptureControl = nullptr;
  UINT FId = 0;
};

// A windowed control with a canvas of its own, painted by Paint.
class TCustomControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TCustomControl"; }

protected:
  void PaintWindow(HDC DC) override;
  // Draws the control's content (the background is already filled with its colour).
  virtual void PaintContent(TCanvas& Canvas);
};

// The shift state of a mouse message's key flags.
TShiftState KeysToShiftState(WPARAM Keys);

// The cursor that overrides every control's while set (null: each control's own). The
// screen object sets it; windows of the toolkit answer WM_SETCURSOR with it.
void SetOverrideCursor(HCURSOR Cursor);

// Called for every mouse message a window of the toolkit receives, with the control under
// the pointer (disabled ones included); the application object uses it for hints.
using TMouseWatcher = void (*)(UINT Msg, TControl* Control);
void SetMouseWatcher(TMouseWatcher Watcher);
