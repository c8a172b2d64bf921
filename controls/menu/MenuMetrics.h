#pragma once
// What every menu of the library measures and draws with, read from the platform once: the
// menu-button size, the menu font and the sub-menu arrow.

#include <windows.h>

#include <vector>

#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

class TSeCustomItem;

struct TSeMenuMetrics {
  // The platform's menu-button width and height, each at least 20.
  int Width = 20;
  int Height = 20;
  TFont Font;
  // The pixels of the platform's sub-menu arrow in its 20 x 20 box.
  std::vector<POINT> Arrow;
};
constexpr int MenuArrowSize = 20;

const TSeMenuMetrics& MenuMetrics();

// The sub-menu arrow with its box's top-left corner at (X, Y), every pixel in Color.
void DrawMenuArrow(HDC DC, int X, int Y, TColor Color);
// The width of the column for checks and images left of the captions: 22, or the image
// list's width + 6 when its images are wider than a menu row is high.
int ImageColumnWidth(const TSeCustomItem& Item);
// The check mark around the middle of a check column: the dark stroke, then the light one.
void DrawMenuCheck(TCanvas& Canvas, const TRect& Column, TColor Dark, TColor Light);
// A scroll strip's solid triangle, 7 x 4 pixels in the middle of Strip, pointing up (Arrow 1)
// or down.
void DrawScrollTriangle(TCanvas& Canvas, const TRect& Strip, int Arrow, TColor Color);
// The item's image, centred in Box, greyed when the item is disabled.
void DrawItemImage(TCanvas& Canvas, const TSeCustomItem& Item, const TRect& Box);
