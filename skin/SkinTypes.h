#pragma once
// The enumerations of skin objects and the identifiers under which they are stored.

#include <cstdint>

#include "toolkit/Published.h"

enum TSeAlign : uint8_t {
  saNone,
  saLeft,
  saMostLeft,
  saTop,
  saMostTop,
  saRight,
  saMostRight,
  saBottom,
  saMostBottom,
  saClient,
  saTopLeft,
  saTopRight,
  saBottomLeft,
  saBottomRight,
  saCenter,
  saText
};

enum TSeKind : uint8_t {
  skNone,
  skForm,
  skCaption,
  skTitle,
  skTop,
  skLeft,
  skRight,
  skBottom,
  skTopLeft,
  skTopRight,
  skBottomLeft,
  skBottomRight,
  skSysButton,
  skClient,
  skMenuBar,
  skMenuBarItem,
  skMenuBarItemText,
  skPopupMenu,
  skPopupMenuItem,
  skPopupMenuItemText,
  skItemText,
  skTranparent
};

enum TSeTextAlign : uint8_t {
  taTopLeft,
  taTopCenter,
  taTopRight,
  taLeft,
  taCenter,
  taRight,
  taBottomLeft,
  taBottomCenter,
  taBottomRight
};

enum TSeTextEffect : uint8_t { teNone, teShadow };

enum TscTileStyle : uint8_t { tsTile, tsStretch, tsCenter };

enum TSeAction : uint8_t {
  sbaNone,
  sbaClose,
  sbaHelp,
  sbaMinimize,
  sbaMaximize,
  sbaRestore,
  sbaRollUp,
  sbaRollDown,
  sbaTray,
  sbaSysMenu,
  sbaRollPanel,
  sbaCustom
};

enum TSeRollKind : uint8_t { rkLeft, rkTop, rkRight, rkBottom };

// The State byte of a skin object.
using TSeState = uint8_t;
constexpr TSeState osNormal = 0;
constexpr TSeState osMaximized = 2;
constexpr TSeState osMinimized = 3;
constexpr TSeState osRolledUp = 4;
constexpr TSeState osHot = 5;
constexpr TSeState osPressed = 6;
constexpr TSeState osFocused = 7;
constexpr TSeState osDisabled = 8;

// What a caption button shows: ButtonState of the system buttons.
enum TSeCaptionButtonState : uint8_t { bsNormal, bsHot, bsPressed };

extern const TIdentNames AlignNames;
extern const TIdentNames KindNames;
extern const TIdentNames TextAlignNames;
extern const TIdentNames TextEffectNames;
extern const TIdentNames TileStyleNames;
extern const TIdentNames ActionNames;
extern const TIdentNames RollKindNames;
