#include "skin/SkinTypes.h"

namespace {
constexpr const char* Aligns[] = {"saNone",       "saLeft",        "saMostLeft",  "saTop",
                                  "saMostTop",    "saRight",       "saMostRight", "saBottom",
                                  "saMostBottom", "saClient",      "saTopLeft",   "saTopRight",
                                  "saBottomLeft", "saBottomRight", "saCenter",    "saText"};
constexpr const char* Kinds[] = {"skNone",
                                 "skForm",
                                 "skCaption",
                                 "skTitle",
                                 "skTop",
                                 "skLeft",
                                 "skRight",
                                 "skBottom",
                                 "skTopLeft",
                                 "skTopRight",
                                 "skBottomLeft",
                                 "skBottomRight",
                                 "skSysButton",
                                 "skClient",
                                 "skMenuBar",
                                 "skMenuBarItem",
                                 "skMenuBarItemText",
                                 "skPopupMenu",
                                 "skPopupMenuItem",
                                 "skPopupMenuItemText",
                                 "skItemText",
                                 "skTranparent"};
constexpr const char* TextAligns[] = {"taTopLeft",    "taTopCenter",    "taTopRight",
                                      "taLeft",       "taCenter",       "taRight",
                                      "taBottomLeft", "taBottomCenter", "taBottomRight"};
constexpr const char* TextEffects[] = {"teNone", "teShadow"};
constexpr const char* TileStyles[] = {"tsTile", "tsStretch", "tsCenter"};
constexpr const char* Actions[] = {"sbaNone",     "sbaClose",   "sbaHelp",      "sbaMinimize",
                                   "sbaMaximize", "sbaRestore", "sbaRollUp",    "sbaRollDown",
                                   "sbaTray",     "sbaSysMenu", "sbaRollPanel", "sbaCustom"};
constexpr const char* RollKinds[] = {"rkLeft", "rkTop", "rkRight", "rkBottom"};
} // namespace

const TIdentNames AlignNames = Aligns;
const TIdentNames KindNames = Kinds;
const TIdentNames TextAlignNames = TextAligns;
const TIdentNames TextEffectNames = TextEffects;
const TIdentNames TileStyleNames = TileStyles;
const TIdentNames ActionNames = Actions;
const TIdentNames RollKindNames = RollKinds;
