#pragma once
// A view shows the children of one item as the rows of a popup level (or the buttons of a
// bar), lays them out, paints them and answers the pointer and the keys of its level while
// the menu's tracker runs the level's loop: the current row, the arrow keys, the scroll
// strips, sub-menus opened in nested loops, and the end of the level or of every level.

#include <windows.h>

#include <memory>

#include "controls/menu/MenuGeometry.h"
#include "toolkit/Classes.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/Types.h"

class TCanvas;
class TMenuTracker;
class TSeCustomItem;
class TTimer;
class TWinControl;

class TSeItemView : public TComponent {
public:
  explicit TSeItemView(TComponent* AOwner);
  ~TSeItemView() override;
  std::string ClassName() const override { return "TSeItemView"; }

  // Whose children show.
  TSeCustomItem* Item() const { return FItem; }
  void SetItem(TSeCustomItem* Value) { FItem = Value; }
  // A row of buttons instead of a list of rows.
  bool Horizontal() const { return FHorizontal; }
  void SetHorizontal(bool Value) { FHorizontal = Value; }
  // A menu bar's view.
  bool Bar() const { return FBar; }
  void SetBar(bool Value) { FBar = Value; }
  // Whose width places a bar's system items.
  TWinControl* BarControl() const { return FBarControl; }
  void SetBarControl(TWinControl* Value) { FBarControl = Value; }
  // Converts coordinates and receives posted keys.
  TWinControl* Window() const { return FWindow; }
  void SetWindow(TWinControl* Value) { FWindow = Value; }
  // The level that opened this one, and the open sub-menu's level.
  TSeItemView* ParentView() const { return FParentView; }
  void SetParentView(TSeItemView* Value) { FParentView = Value; }
  TSeItemView* ChildView() const { return FChildView; }
  void SetChildView(TSeItemView* Value) { FChildView = Value; }
  // What the view measures and paints with.
  TCanvas* Canvas() const { return FCanvas; }
  TSeCustomItem* Current() const { return FCurrent; }
  // The level's loop runs.
  bool Tracking() const { return FTracking; }
  // The scroll strip under the pointer: 1 up, 2 down, 0 none.
  int HotArrow() const { return FHotArrow; }

  // Measures and places every visible row and sizes the view.
  void Layout();
  // Item's place (view coordinates), laid out when it has none.
  TRect GetItemRect(TSeCustomItem* Child);
  virtual void Paint(TCanvas& Target);
  // Paints with the content starting at Origin instead of the view's corner.
  void PaintAt(TCanvas& Target, TPoint Origin);
  // The level as its running loop shows it, Child current and the strip Arrow hot, without
  // running it (pictures of a level).
  void ShowTracked(TSeCustomItem* Child, int Arrow);
  // The pointer at a screen point: the row under it becomes current, the strips of a
  // scrolled level scroll.
  void MouseMove(POINT Screen);
  void SelectNext();
  void SelectPrevious();
  // Opens the current item's sub-menu in a nested loop of the level's tracker; true when it
  // ran.
  bool OpenSubmenu();

  // The level's loop, as its tracker runs it. It starts with the first shown row current and
  // the row under the pointer chosen; EndLevel ends this loop alone, EndAllLevels this one
  // and every one that opened it.
  void StartTracking(TMenuTracker& Tracker);
  void StopTracking();
  void EndLevel() { FTracking = false; }
  void EndAllLevels();
  // A key message of the loop; false when the level is to end with it.
  bool HandleKey(const MSG& Msg);
  // The view whose current item holds a screen point: this one or a parent, else null.
  TSeItemView* CurrentItemViewAt(POINT Screen);
  bool InCurrentItem(POINT Screen) const;
  // The level's window: its handle (null without one), a key or a message posted to it, and
  // its hiding when the menu closes from outside.
  HWND WindowHandle() const;
  void PostKey(WPARAM Key) const;
  void PostToWindow(UINT Msg, WPARAM WParam = 0) const;
  void HideWindow() const;

  // What a level needs from its window, none of it in a bare view.
  virtual void SetContentSize(int Width, int Height);
  virtual void MoveContentTo(int, int) {}
  virtual void RepaintAll() {}
  virtual void RepaintItem(TSeCustomItem*) {}
  virtual void RepaintScrollArrow(int) {}
  void InitiateActions();

  // The rows as the arrow keys and the layout see them.
  TMenuRows Rows() const;
  // The two strips of a scrolled level (view coordinates); empty when it does not scroll.
  TRect ScrollStrip(int Arrow) const;
  bool Scrolls() const;

protected:
  void SetCanvas(TCanvas* Value) { FCanvas = Value; }

private:
  void Select(bool Forward);
  void SetCurrent(TSeCustomItem* Child);
  // The first row a level starts with: the first shown one, past a bar's system item.
  TSeCustomItem* FirstRow() const;
  void StartScrolling(int Arrow);
  void StopScrolling();
  void ScrollStep();
  // The item a letter marks as its accelerator becomes current and is chosen.
  void ChooseAccelerator(wchar_t Key);
  // The current item clicks, opens its sub-menu, or ends every level.
  void ChooseCurrent();
  // Left or right leaving a popup level (Key: the one pressed).
  bool LeaveSideways(WPARAM Key);
  // The level's part of EndAllLevels.
  void EndLevelWithoutCurrent();
  // The sub-menu a child level showed has closed by the keyboard.
  void SubmenuClosed() { FSubmenuOpen = false; }

  TSeCustomItem* FItem = nullptr;
  bool FHorizontal = false;
  bool FBar = false;
  TCanvas* FCanvas = nullptr;
  TWinControl* FBarControl = nullptr;
  TWinControl* FWindow = nullptr;
  TSeItemView* FParentView = nullptr;
  TSeItemView* FChildView = nullptr;
  TMenuTracker* FTracker = nullptr; // while the level's loop runs
  TSeCustomItem* FCurrent = nullptr;
  bool FTracking = false;
  bool FSubmenuOpen = false;
  TPoint FOrigin; // where the content starts while it paints
  int FContentWidth = 0;
  int FContentHeight = 0;
  int FHotArrow = 0;
  std::unique_ptr<TTimer> FScrollTimer;
};
