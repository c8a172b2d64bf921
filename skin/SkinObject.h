#pragma once
// One node of a skin object tree: a rectangle with an alignment rule, a fill colour, a font
// and an optional text, owning its children. Controls clone the object they need, attach
// the clone to themselves, set its bounds and state and let it draw.
//
// This file holds what is portable: data, published properties, tree operations, layout,
// bitmap binding, states, hue and character sets.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "gfx/BitmapLink.h"
#include "skin/SkinTypes.h"
#include "toolkit/Classes.h"
#include "toolkit/Font.h"
#include "toolkit/Types.h"

class TControl;
#ifdef _WIN32
#include <windows.h>

#include "toolkit/GdiGuards.h"
class TCanvas;
#endif

enum TSeBorderIcon : uint8_t {
  qbiClose,
  qbiSystemMenu,
  qbiMinimize,
  qbiMaximize,
  qbiHelp,
  qbiRollup,
  qbiTray
};
using TSeBorderIcons = uint8_t; // bit i for TSeBorderIcon i

// What skin objects ask of the skinned form they are drawn on. The form frame implements it
// and hands itself out in answer to SE_GETSKINFORM.
class TSeSkinObject;
class TSeSkinFormLink {
public:
  virtual TSeBorderIcons BorderIcons() const = 0;
  // Carries out a caption button's action on the form: close, help mode, minimize,
  // maximize, restore (also for roll down), roll up, minimize to the tray, the system menu,
  // or the form's custom-action event with the button.
  virtual void DoFormAction(TSeAction Action, TSeSkinObject* Button) = 0;

protected:
  ~TSeSkinFormLink() = default;
};

// What every skin object class declares: its name, its published properties (a static
// table, in stream order); TSeSkinObject::Assign copies them through that table.
#define SE_SKIN_OBJECT_CLASS(Name)                                                                 \
  std::string ClassName() const override { return #Name; }                                         \
  static const TPropTable& Properties();                                                           \
  const TPropTable* Published() const override { return &Properties(); }

class TSeSkinObject : public TComponent {
public:
  explicit TSeSkinObject(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinObject"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  // Copies the stored look of another skin object, children cloned (deep); the bounds last,
  // without re-layout; then the published properties of the kinds both objects are of.
  // Visible, Enabled, Active, State, Control, texts and BiDiMode stay.
  void Assign(const TPersistent& Source) override;

  // --- Overridable behaviour
  virtual TFont& GetFont() { return Font; }
  // State of this object and its whole subtree.
  virtual void SetState(TSeState Value);
  // Binds the bitmap references of the subtree to the list given by SetBitmaps.
  virtual void ResolveLinks();
  virtual void ChangeHue(int32_t Delta);
#ifdef _WIN32
  // Paints the object (and its children) onto Canvas at its bounds.
  virtual void Draw(TCanvas& Canvas);
  // The object's shape: a rectangle of its bounds here; null for none.
  virtual TRegionHandle CreateRegion();
#endif
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(int /*Button*/, int /*X*/, int /*Y*/) {}
  virtual void MouseMove(uint32_t /*Shift*/, int /*X*/, int /*Y*/) {}
  virtual void MouseUp(int /*Button*/, int /*X*/, int /*Y*/) {}
  virtual void DblClick(int /*Button*/, int /*X*/, int /*Y*/) {}
  virtual void SetCharset(TFontCharset Value);

  // --- Tree
  int ChildCount() const { return ComponentCount(); }
  TSeSkinObject* GetChild(int Index) const;
  // This object or the first of its subtree (depth first, in order) with the name, letter
  // case ignored; null when there is none.
  TSeSkinObject* FindObject(std::string_view AName);
  TSeSkinObject* FindObjectByKind(TSeKind AKind);

  // The object under Point: nothing when hidden, outside or of kind skTranparent; else the
  // last child that has one there, or this object.
  TSeSkinObject* ObjectAtPoint(TPoint Point);
#ifdef _WIN32
  // The shape of the subtree: CreateRegion, or (for a masked parent that does not paint
  // itself) the union of its visible children's shapes. Null for none.
  TRegionHandle GetRegion();
  void DrawText(TCanvas& Canvas);
  void DrawChildren(TCanvas& Canvas);
#endif

  // --- Bounds and layout
  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  bool HasArea() const { return FWidth > 0 && FHeight > 0; }
  TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetLeft(int32_t Value);
  void SetTop(int32_t Value);
  void SetWidth(int32_t Value);
  void SetHeight(int32_t Value);
  // New bounds (size at least 0), then the children are laid out again; nothing when Rect is
  // the current bounds.
  void SetBounds(const TRect& Rect);
  void AlignObjects();
  int32_t OldWidth() const { return FOldWidth; }
  int32_t OldHeight() const { return FOldHeight; }

  // --- Subtree settings
  void SetBitmaps(TseBitmapList* List);
  TseBitmapList* Bitmaps() const { return FBitmaps; }
  // Stops at an object that has the value already.
  void SetActive(bool Value);
  bool Active() const { return FActive; }
  TSeState State() const { return FState; }
  // Sets Control on the subtree and takes over its reading order.
  void AttachControl(TControl* AControl);
  TControl* Control() const { return FControl; }
  // Asks the control to repaint this object (SE_OBJECTINVALIDATE, synchronously): through
  // its window, or straight to a windowless control's handler.
  void Invalidate();
  // The skinned form of the control's window (SE_GETSKINFORM), or null.
  TSeSkinFormLink* GetForm() const;
  // The control's hint, shown at this object's top-left corner on the screen.
  void ShowHint();
  bool UseRightToLeftAlignment() const;
  bool UseRightToLeftReading() const;

  // --- Stored look
  TSeAlign Align = saNone;
  TSeKind Kind = skNone;
  bool Visible = true;
  std::wstring Text;
  TSeTextAlign TextAlign = taLeft;
  int32_t TextMarginRight = 0, TextMarginLeft = 0, TextMarginTop = 0;
  TSeTextEffect TextEffect = teNone;
  bool DrawIfOwner = false;
  std::wstring ShortCutText;
  bool Enabled = true;
  int32_t MarginLeft = 0, MarginTop = 0, MarginBottom = 0, MarginRight = 0;
  uint8_t BiDiMode = 0;
  bool Masked = true;
  TColor Color = 0xFFFFFF;
  TFont Font;

protected:
  // Children of a subtree get State for the duration of a draw (system buttons).
  void SetChildrenState(TSeState Value);
  void SetActiveFlag(bool Value) { FActive = Value; }
  void SetStateField(TSeState Value) { FState = Value; }
  // Binds Link to the skin's bitmap of its name, masks computed with Margins.
  void ResolveLink(std::unique_ptr<TseBitmapLink>& Link, const TRect& Margins);
  TRect Margins() const { return {MarginLeft, MarginTop, MarginRight, MarginBottom}; }

private:
  int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  int32_t FOldWidth = 0, FOldHeight = 0;
  bool FAnchorsPending = false; // the size changed since the corner anchors last followed
  TseBitmapList* FBitmaps = nullptr;
  bool FActive = false;
  TSeState FState = osNormal;
  TControl* FControl = nullptr;
};

// A new object of Template's class with Template's look (children included); null when the
// class is not registered. The caller owns it and, with an Owner, hands it over to Owner.
std::unique_ptr<TSeSkinObject> CloneSkinObject(const TSeSkinObject& Template, TComponent* Owner);

// The width of a text in a font, for saText children: the Windows build measures on the
// screen; the host build counts half the font height per character unless replaced.
using TSkinTextWidth = std::function<int(const std::wstring& Text, const TFont& Font)>;
void SetSkinTextWidth(TSkinTextWidth Measure);
int SkinTextWidth(const std::wstring& Text, const TFont& Font);
// The platform's measure behind SkinTextWidth.
int PlatformTextWidth(const std::wstring& Text, const TFont& Font);

// A colour shifted in hue as a toolkit colour (system colours resolved first); clNone stays.
TColor ShiftColorHue(TColor Color, int32_t Delta);
