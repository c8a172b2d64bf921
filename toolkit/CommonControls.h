#pragma once
// The platform's common controls library (the list view, image lists), loaded at its first
// use rather than imported. An import is resolved before the program's first instruction,
// by the ordinary search that looks in the program's own folder first; loaded here, the
// library is the version the program's manifest names, from the side-by-side store, or else
// the one in the system folder, never a file planted beside the program.

#include <windows.h>

#include <commctrl.h>

struct TCommonControls {
  decltype(&::ImageList_Create) ImageList_Create;
  decltype(&::ImageList_Destroy) ImageList_Destroy;
  decltype(&::ImageList_SetBkColor) ImageList_SetBkColor;
  decltype(&::ImageList_GetImageCount) ImageList_GetImageCount;
  decltype(&::ImageList_Add) ImageList_Add;
  decltype(&::ImageList_AddMasked) ImageList_AddMasked;
  decltype(&::ImageList_Remove) ImageList_Remove;
  decltype(&::ImageList_Draw) ImageList_Draw;
  decltype(&::ImageList_GetIcon) ImageList_GetIcon;
};

// The library's calls. The first call loads the library and registers its window classes;
// it raises Exception "Cannot load the common controls" when that fails.
const TCommonControls& CommonControls();
