#pragma once
// An item of the library's menus. Items form an owned tree: an item holds its sub-items in
// order and frees them with itself (last first), and a freed item leaves its parent. A popup
// menu owns the root; each open level of a menu shows the children of one item.
//
// A click is delivered after the menus have closed: Click hands the item to the click sink
// (the library's hidden click window posts it to itself), and only then does the item run
// its OnClick. Without a sink the item runs at once.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/SysUtils.h"
#include "toolkit/Types.h"

class TSePopupMenuOptions;
class TCustomImageList;
class TAction;
template <class T> class TActionLinkOf;
#ifdef _WIN32
class TCanvas;
class TMenuTracker;
class TSeItemView;
class TSePopupWindow;
#include <memory>
#endif

// A tree operation that would break the tree: an item already in a tree inserted again.
class EQzItemError : public Exception {
public:
  using Exception::Exception;
};

// The items a menu bar shows for a maximized child window.
enum TSeSystemKind { sikOrdinary, sikClose, sikRestore, sikMinimize, sikWindowIcon };

class TSeCustomItem : public TComponent {
public:
  explicit TSeCustomItem(TComponent* AOwner);
  ~TSeCustomItem() override;
  std::string ClassName() const override { return "TSeCustomItem"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The tree. Inserting an item that already has a parent raises EQzItemError and changes
  // nothing; Delete and Remove take a child out without freeing it.
  int Count() const { return static_cast<int>(FItems.size()); }
  TSeCustomItem* Items(int Index) const { return FItems.at(Index); }
  TSeCustomItem* Parent() const { return FParent; }
  TSeCustomItem* Root();
  int IndexOf(const TSeCustomItem* Item) const;
  void Insert(int Index, TSeCustomItem* Item);
  void Add(TSeCustomItem* Item) { Insert(Count(), Item); }
  void Delete(int Index);
  void Remove(TSeCustomItem* Item);
  // Runs Action on this item and every item below it, parents first.
  void ForEach(const std::function<void(TSeCustomItem&)>& Action);
  // Whether Item is a live item (menus hand items around by address).
  static bool Exists(const TSeCustomItem* Item);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool IsSeparator() const { return FCaption == "-"; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The item's own image list (not owned); ImageList() is it, else the root's.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* ImageList() const;
  // Whether the item shows an image: an image list and an image index.
  bool HasImage() const { return ImageList() && FImageIndex >= 0; }
  bool Scrolled() const { return FScrolled; }
  void SetScrolled(bool Value);
  int ScrollCount() const { return FScrollCount; }
  void SetScrollCount(int Value);
  // The key code of MenuShortCut (controls/MenuGeometry.h); 0 for none.
  int ShortCut() const { return FShortCut; }
  void SetShortCut(int Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  TNotifyEvent OnClick;
  TNotifyEvent OnBeforeDropDown;

  // The action the item shows (not owned): its caption, state, shortcut and handler become
  // the item's, now and at every change of the action. While the item is being read from a
  // stored layout, only the values the item still has at their defaults are taken.
  TAction* Action() const { return FAction; }
  void SetAction(TAction* Value);

  // Where the menus keep their state on the items.
  int FirstVisible = 0; // the first child a scrolled popup shows
  TRect ItemRect;       // the place in its view; empty: not laid out
  TSeSystemKind SystemKind = sikOrdinary;
  bool PaintingSuspended = false;
  bool AnimationAllowed = false; // the next popup of this item may animate its showing
  bool PopupMenuFlag = false;    // shown from a popup menu component, not a menu bar
  bool Foreground = false;       // the popup window becomes the foreground window
  bool RightToLeft = false;      // the menu's reading order
  TComponent* OwnerControl = nullptr;
  TComponent* OwnerForm = nullptr;
  TSePopupMenuOptions* Options = nullptr;
  // The menu bar's own change notification.
  std::function<void()> OnTreeChange;

  // Tells the item and then the root that the tree or an item changed (not while loading or
  // being freed).
  virtual void Changed();
  // Nothing for a separator, an item with children or a disabled item; otherwise the item
  // goes to the click sink, or runs at once without one.
  virtual void Click();
  // What a delivered click runs: an OnClick of the item's own, else the action, else the
  // OnClick the action gave.
  void ExecuteClick();
  // The click sink of the process: the library's hidden click window sets it at start.
  static void SetClickSink(std::function<void(TSeCustomItem*)> Sink);
  // Where an exception of a shortcut's click goes (the application's handler); without one
  // it propagates.
  static void SetErrorSink(std::function<void(const std::exception&)> Sink);

  // The item below this one (depth first) whose ShortCut is Key: when it and every item on
  // the path to it are enabled, each of them is clicked from the top down (only the target
  // acts). Answers whether a target was found.
  bool IsShortCut(int Key);
  // Lets the action bring the item's state up to date before it shows.
  virtual void InitiateAction();

#ifdef _WIN32
  // Opens a level showing the children at the screen point (X, Y), or beside ParentRect
  // (screen coordinates) for a level opened from ParentView's item, and runs its loop under
  // Tracker; returns when it closes. Nothing when no child is visible.
  void Popup(TMenuTracker& Tracker, TSeItemView* ParentView, int X, int Y, const TRect& ParentRect);
  // The window a level of this item's children opens in.
  virtual std::unique_ptr<TSePopupWindow> CreatePopupWindow();
  // The item's size in View (a row of a popup, a button of a bar).
  virtual TPoint MeasureItem(TCanvas& Canvas, TSeItemView& View);
  // Paints the item as a row of View at Rect; NotTracking: the view follows the mouse
  // without running its own loop (a hovered bar).
  virtual void DrawItem(TCanvas& Canvas, TSeItemView& View, bool NotTracking, bool IsCurrent,
                        const TRect& Rect);
  // One of a scrolled level's strips: Arrow 1 up, 2 down.
  virtual void DrawScrollArrow(TCanvas& Canvas, TSeItemView& View, bool Hot, int Arrow,
                               const TRect& Rect);
#endif

  // In a stored layout an item lies inside its parent item's record (the first level inside
  // its menu's) and holds its own sub-items.
  bool HasParent() const override { return true; }
  void SetParentComponent(TComponent* AParent) override;
  void GetChildren(const std::function<void(TComponent&)>& Proc,
                   const TComponent& Root) const override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TActionLinkOf<TSeCustomItem>;
  void ActionChanged(TAction& Source, bool CheckDefaults);
  TSeCustomItem* FindShortCut(int Key, std::vector<TSeCustomItem*>& Path);

  std::vector<TSeCustomItem*> FItems;
  TSeCustomItem* FParent = nullptr;
  std::string FCaption;
  std::string FHint;
  int FHelpContext = 0;
  bool FChecked = false;
  bool FEnabled = true;
  int FImageIndex = -1;
  TCustomImageList* FImages = nullptr;
  TAction* FAction = nullptr;
  std::unique_ptr<TActionLinkOf<TSeCustomItem>> FActionLink;
  bool FOnClickFromAction = false;
  bool FScrolled = false;
  int FScrollCount = 0;
  int FShortCut = 0;
  bool FVisible = true;
};
