#pragma once
// Scroll bars of the library's own laid over a windowed control's platform scroll bars. Each
// in-place bar is a sibling window of its target, placed exactly over the platform bar of its
// kind, shown and hidden with it, and copying its range, page and position; the user's
// scrolling on it is passed to the target. The list view keeps one pair of them.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/scroll/SeCustomScrollBar.h"
#include "toolkit/Controls.h"
#include "toolkit/ScrollTypes.h"

// Makes the scroll-bar control that draws an in-place bar, owned by that bar.
using TSeScrollBarFactory = std::function<std::unique_ptr<TSeCustomScrollBar>(TComponent* Owner)>;

class TSeInplaceScrollBar : public TCustomControl {
public:
  TSeInplaceScrollBar(TComponent* AOwner, TScrollBarKind Kind, TSeScrollBarFactory Factory);
  std::string ClassName() const override { return "TSeInplaceScrollBar"; }

  TScrollBarKind Kind() const { return FKind; }
  TWinControl* Target() const { return FTarget; }
  void SetTarget(TWinControl* Value) { FTarget = Value; }
  // The inner bar, made by the factory when first asked for; it fills this control.
  TSeCustomScrollBar* ScrollBar();

  // Takes the place, visibility, range, page and position of the target's platform bar.
  void Synchronize();
  // A message of the target, before the target handles it.
  void TargetMessage(UINT Msg);

protected:
  void CreateWnd() override;
  void BoundsChanged() override;

private:
  // The user scrolled the inner bar: the target follows and Position becomes the target's.
  void InnerScroll(TScrollCode Code, int& Position);
  bool Usable() const;

  TScrollBarKind FKind;
  TSeScrollBarFactory FFactory;
  TWinControl* FTarget = nullptr;
  TSeCustomScrollBar* FScrollBar = nullptr;
};

// The pair of in-place bars of one list view.
class TSeSubScrollBar : public TComponent {
public:
  TSeSubScrollBar(TComponent* AOwner, TWinControl* ListView, const TSeScrollBarFactory& Factory);
  ~TSeSubScrollBar() override;
  std::string ClassName() const override { return "TSeSubScrollBar"; }

  TWinControl* ListView() const { return FListView; }
  // Null detaches: both bars leave their parent.
  void SetListView(TWinControl* Value);
  TSeInplaceScrollBar* HorzBar() const { return FHorzBar.get(); }
  TSeInplaceScrollBar* VertBar() const { return FVertBar.get(); }

  // The bars become siblings of the list view.
  void SetParent(TWinControl* Parent);
  // Every message of the list view, before the list view handles it.
  void ListViewMessage(UINT Msg);
  void Synchronize();

private:
  TWinControl* FListView = nullptr;
  std::unique_ptr<TSeInplaceScrollBar> FHorzBar;
  std::unique_ptr<TSeInplaceScrollBar> FVertBar;
};
