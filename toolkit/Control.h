#pragma once
// The control: a rectangle in its parent with a caption, a colour, a font and mouse events.
// A control without a window of its own (TGraphicControl) takes messages through Perform,
// like a windowed one; its parent routes the mouse and the paint to it.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/Align.h"
#include "toolkit/Classes.h"
#include "toolkit/Graphics.h"

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = uint32_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, wchar_t& Key)>;

// Indices into the screen's cursor table; positive ones are the program's own.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crHourGlass = -11;

// What a control class does by itself (bits).
using TControlStyle = uint32_t;
constexpr TControlStyle csOpaque = 1;       // paints every pixel: the parent need not erase
constexpr TControlStyle csCaptureMouse = 2; // keeps the mouse while a button is held on it
constexpr TControlStyle csClickEvents = 4;  // a button released over it is a click
constexpr TControlStyle csDoubleClicks = 8; // double clicks reach it as such

class TWinControl;

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  // In a stored layout a control lies inside its parent's record.
  bool HasParent() const override { return true; }
  void SetParentComponent(TComponent* AParent) override;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // A windowed control moves its window and takes the bounds the window reports back.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  // The client area in the control's own coordinates.
  virtual RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }

  // Docked to a side of the parent (or filling what the docked ones leave), or, unaligned,
  // placed by its anchors whenever the parent's client area changes size.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  // The smallest size at which the control shows its content whole (nothing by default).
  virtual TSize MinimumSize() const { return {}; }
  // What the parent's layout needs to know of this control.
  TAlignChild AlignChild() const;

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
  // The pointer's shape over this control (an index of the screen's cursor table).
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
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
  // Only the reading order of those flags: DT_RTLREADING or 0.
  UINT DrawTextBiDiModeFlagsReadingOnly() const;
  // The extended window styles of this reading order on a right-to-left system.
  DWORD BiDiModeExStyle() const;
  TControlStyle ControlStyle() const { return FControlStyle; }
  // Whether the pointer is over the control now (hover tracking keeps it).
  bool MouseInControl() const { return FMouseInControl; }

  // Screen and client coordinates of this control, wherever its window stands.
  POINT ClientToScreen(POINT Point) const;
  POINT ScreenToClient(POINT Point) const;
  // The screen point of the client area's top-left corner.
  virtual POINT ClientOrigin() const;

  // Asks for a repaint of the whole control, or of a rectangle of it (control coordinates);
  // Erase asks the window to erase the background first.
  virtual void Invalidate();
  virtual void InvalidateRect(const RECT& Rect, bool Erase);
  // Paints what is invalid now.
  virtual void Update();
  void Repaint();

  virtual bool Windowed() const { return false; }
  // A message handed to the control's handler now, without the window in between.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam) { return WndProc(Msg, WParam, LParam); }
  // The control's message handler; overrides take what they know and pass the rest on.
  // Windowless controls receive mouse messages in their own client coordinates, WM_PAINT
  // with the device context in WParam, and the toolkit's CM_ notifications.
  virtual LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

protected:
  // Mouse input in client coordinates.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  // The control lost the mouse it held (another window took the capture).
  virtual void MouseCaptureLost() {}
  // The toolkit's hover notifications; the base keeps MouseInControl.
  virtual void CMMouseEnter();
  virtual void CMMouseLeave();

  // New bounds are in place (whoever moved the control); Resize follows a change of size.
  virtual void BoundsChanged() {}
  virtual void Resize();
  // Takes bounds as they are now: stores them, repaints and notifies when they changed.
  void UpdateBounds(int ALeft, int ATop, int AWidth, int AHeight);
  virtual void VisibleChanged();
  virtual void EnabledChanged() {}
  virtual void CaptionChanged() {}
  virtual void ColorChanged() {}
  virtual void DoFontChanged() {}

  TColor FColor = clBtnFace;
  TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;

private:
  friend class TWinControl;
  LRESULT MouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam);

  // Remembers the place the anchors keep, unless the parent's layout is what moved it.
  void RecordAnchorBase();
  // The parent lays its children out again when this one takes part in its alignment.
  void RequestAlign();

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  TAnchors FAnchors = DefaultAnchors;
  TAnchorBase FAnchorBase;
  bool FVisible = true;
  bool FEnabled = true;
  bool FShowHint = true;
  bool FParentFont = true;
  bool FMouseInControl = false;
  bool FClicked = false; // the left button went down on the control
  uint8_t FBiDiMode = 0;
  TCursor FCursor = crDefault;
  std::string FCaption;
  std::string FHint;
  TFont FFont;
};

// The shift state of a mouse message's key flags.
TShiftState KeysToShiftState(WPARAM Keys);
// The shift state of the keyboard now.
TShiftState KeyboardShiftState();
