#pragma once
// One opening of a popup menu, from its first level's showing until its last level has
// closed. Every level runs a modal loop of its own, nested inside the loop of the level that
// opened it; all of them read the thread's one message queue, under one mouse capture held by
// the first level's window. The tracker runs those loops and keeps what they share: the
// level whose loop runs now, the last pointer position they followed, and a press outside
// the menu, delivered once every level has closed.

#include <windows.h>

#include <climits>

class TSeCustomItem;
class TSeCustomPopupMenu;
class TSeItemView;

class TMenuTracker {
public:
  // Menu's opening; the tracker is the active one for its life.
  explicit TMenuTracker(TSeCustomPopupMenu& Menu);
  ~TMenuTracker();
  TMenuTracker(const TMenuTracker&) = delete;
  TMenuTracker& operator=(const TMenuTracker&) = delete;

  // The tracker of the menu that opened last and whose opening has not returned, or null.
  static TMenuTracker* Active();
  // The open menu; null once its levels have been closed from outside or it has been freed.
  TSeCustomPopupMenu* Menu() const { return FMenu; }
  // A menu being freed is no longer open for any opening that shows it.
  static void MenuFreed(const TSeCustomPopupMenu& Menu);

  // Opens Root's children at the screen point and returns when every level has closed; a
  // press outside the menu that closed it then goes to the window under the pointer.
  void Run(TSeCustomItem& Root, int X, int Y);
  // The modal loop of one open level; returns when the level closes.
  void Track(TSeItemView& Level);
  // Ends every open level and hides their windows (their loops leave as soon as they run
  // again); the menu is then no longer the open one.
  void CloseLevels();

private:
  class TLevelRun;
  // A press outside every level, to be delivered once the levels have closed: under the
  // capture it was addressed to a menu window that will be gone by then.
  struct TPendingPress {
    bool Set = false;
    POINT Screen{};
    WPARAM Keys = 0;
  };

  // One message of Level's loop; false when the queue was empty.
  bool Step(TSeItemView& Level);
  void Handle(TSeItemView& Level, const MSG& Msg);
  void Press(TSeItemView& Level, MSG Msg);
  void Release(TSeItemView& Level, POINT Screen);
  // The pointer over the open levels, outermost first; false when it chose another item of
  // an outer level, whose sub-menu then opens in place of the inner levels.
  bool FollowPointer(TSeItemView& Level, POINT Screen);
  void DeliverPendingPress();

  TSeCustomPopupMenu* FMenu;
  TSeItemView* FInnermost = nullptr; // the level whose loop runs now
  POINT FLastMouse{INT_MIN, INT_MIN};
  TPendingPress FPendingPress;
  TMenuTracker* FOuter; // the active tracker before this one, active again after it
};
