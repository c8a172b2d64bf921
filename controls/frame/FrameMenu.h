#pragma once
// What the frame asks of the menus: its system menu built, filled and readied to open. The
// frame knows menus only as the toolkit's popup menus; the library's menu code implements
// this and registers its implementation when the program starts, so the frame never names
// a menu class.

#include <string>

#include "toolkit/Classes.h"

class TCustomImageList;
class TPopupMenu;
class TSeSkinEngine;
class TSePopupMenuOptions;

class TFrameMenu {
public:
  virtual ~TFrameMenu() = default;

  // A new, empty menu of the library owned by Owner; its items wear Engine's skin, or the
  // plain look without one.
  virtual TPopupMenu* NewMenu(TComponent* Owner, TSeSkinEngine* Engine) const = 0;
  // Images for the items of a menu NewMenu made.
  virtual void SetImages(TPopupMenu& Menu, TCustomImageList* Images) const = 0;
  // A new last item of a menu NewMenu made.
  virtual void AddItem(TPopupMenu& Menu, const std::string& Caption, int ImageIndex, int ShortCut,
                       TNotifyEvent OnClick) const = 0;
  // Readies a menu to open for the frame: a menu of the library takes Options and, with
  // Foreground, makes its first level the foreground window; another menu stays as it is.
  virtual void Prepare(TPopupMenu& Menu, const TSePopupMenuOptions& Options,
                       bool Foreground) const = 0;

  // The implementation the menus registered, or null (the frame then has no built-in menu).
  static const TFrameMenu* Registered() { return FRegistered; }
  static void Register(const TFrameMenu* Menu) { FRegistered = Menu; }

private:
  static inline const TFrameMenu* FRegistered = nullptr;
};
