#pragma once
// A view shows the children of one item as the rows of a popup level (or the buttons of a
// bar), lays them out, paints them and runs the level's modal loop: the keyboard, the pointer,
// sub-menus opened in nested loops, and the end of the level or of every level.

#include <windows.h>

#include <memory>

#include "controls/MenuGeometry.h"
#include "toolkit/Classes.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/Types.h"

class TCanvas;
class TSeCustomItem;
class TTimer;
class TWinControl;

class TSeItemView : public TComponent {
public:
  explicit TSeItemView(TComponent* AOwner);
  ~TSeItemView() override;
  std::string ClassName() const override { return "TSeItemView"; }

  TSeCustomItem* Item = nullptr;     // whose children show
  bool Horizontal = false;           // a row of buttons instead of a list of rows
  bool Bar = false;                  // a menu bar's view
  TCanvas* Canvas = nullptr;         // what the view measures and paints with
  TWinControl* BarControl = nullptr; // whose width places a bar's system items
  TWinControl* Window = nullptr;     // converts coordinates, receives posted keys
  TSeItemView* ParentView = nullptr; // the level that opened this one
  TSeItemView* ChildView = nullptr;  // the open sub-menu's level
  TSeCustomItem* Current = nullptr;
  bool Tracking = false; // the level's loop runs
  bool SubmenuOpen = false;
  TPoint Origin; // where the content starts while it paints
  int ContentWidth = 0;
  int ContentHeight = 0;
  int HotArrow = 0; // the scroll strip under the pointer: 1 up, 2 down

  // Measures and places every visible row and sizes the view.
  void Layout();
  // Item's place (view coordinates), laid out when it has none.
  TRect GetItemRect(TSeCustomItem* Child);
  virtual void Paint(TCanvas& Target);
  // The pointer at a screen point: the row under it becomes current, the strips of a
  // scrolled level scroll.
  void MouseMove(POINT Screen);
  void SelectNext();
  void SelectPrevious();
  // Opens the current item's sub-menu in a nested loop; true when it ran.
  bool OpenSubmenu();
  // The level's modal loop; returns when the level closes.
  void TrackMenu();
  // Ends every open level of the menu that is open now and hides their windows (their
  // loops leave as soon as they run again).
  static void CloseOpenLevels();

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

private:
  // Ends this level and every level that opened it (each view's loop then leaves).
  void EndAllLevels();
  void Select(bool Forward);
  void SetCurrent(TSeCustomItem* Child);
  void StartScrolling(int Arrow);
  void StopScrolling();
  void ScrollStep();
  // The view whose current item holds a screen point: this one or a parent, else null.
  TSeItemView* CurrentItemViewAt(POINT Screen);
  bool InCurrentItem(POINT Screen) const;
  // One message of the loop; false when the loop is to end with it still queued.
  bool HandleKey(const MSG& Msg);
  bool HandleMouseMove(POINT Screen);

  std::unique_ptr<TTimer> FScrollTimer;
};
