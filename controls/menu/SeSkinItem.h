#pragma once
// A menu item drawn from the skin's "PopupMenu" and "MenuBar" objects. Items do not clone:
// they set bounds, state and text on the skin's own sub-objects and draw them, one item at a
// time. Without a usable skin an item draws plainly.

#include "controls/menu/SeCustomItem.h"

class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinItem : public TSeCustomItem {
public:
  explicit TSeSkinItem(TComponent* AOwner);
  ~TSeSkinItem() override;
  std::string ClassName() const override { return "TSeSkinItem"; }

  TSeSkinEngine* SkinEngine() const { return FEngine; }
  // Looks the skin's objects up again and hands the engine down to the sub-items.
  void SetSkinEngine(TSeSkinEngine* Engine);
  // An engine holding a skin that is not changing, and both of the skin's menu objects.
  bool SkinUsable() const;

  std::unique_ptr<TSePopupWindow> CreatePopupWindow() override;
  TPoint MeasureItem(TCanvas& Canvas, TSeItemView& View) override;
  void DrawItem(TCanvas& Canvas, TSeItemView& View, bool NotTracking, bool IsCurrent,
                const TRect& Rect) override;
  void DrawScrollArrow(TCanvas& Canvas, TSeItemView& View, bool Hot, int Arrow,
                       const TRect& Rect) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void DrawPopupItem(TCanvas& Canvas, bool NotTracking, bool IsCurrent, const TRect& Rect);
  void DrawBarItem(TCanvas& Canvas, bool NotTracking, bool IsCurrent, const TRect& Rect);

  TSeSkinEngine* FEngine = nullptr;
  TSeSkinObject* FBarTemplate = nullptr;   // "MenuBar"
  TSeSkinObject* FPopupTemplate = nullptr; // "PopupMenu"
  TSeSkinObject* FBarItem = nullptr;       // its "Item"
  TSeSkinObject* FPopupItem = nullptr;     // its "Item"
  TSeSkinObject* FSeparator = nullptr;     // its "Separator"
};
