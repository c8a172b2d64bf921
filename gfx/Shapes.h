#pragma once
// Simple coloured shapes on a canvas. Each routine sets the canvas pen and brush it needs and
// leaves them so.

#include <windows.h>

#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

void DrawLine(TCanvas& Canvas, int X1, int Y1, int X2, int Y2, TColor Color);
// The top and left edge in one colour, the bottom and right in another.
void DrawEdgeLines(TCanvas& Canvas, const TRect& Rect, TColor TopLeftColor,
                   TColor BottomRightColor);
void DrawRectOutline(TCanvas& Canvas, const TRect& Rect, TColor Color);
void DrawRectOutline(TCanvas& Canvas, int Left, int Top, int Right, int Bottom, TColor Color);
void DrawFocusFrame(TCanvas& Canvas, const TRect& Rect, TColor Color);

// Sides of DrawBevelSides.
constexpr int BevelLeft = 1, BevelTop = 2, BevelRight = 4, BevelBottom = 8;
// Count rings of the chosen sides, each ring one pixel further in (Rect follows).
void DrawBevelSides(TCanvas& Canvas, TRect& Rect, int Sides, TColor BottomRightColor,
                    TColor TopLeftColor, int Count);

void FillRectColor(TCanvas& Canvas, const TRect& Rect, TColor Color);
void FillRectColor(TCanvas& Canvas, int Left, int Top, int Right, int Bottom, TColor Color);
void FillRoundRect(TCanvas& Canvas, const TRect& Rect, int Radius, TColor Color);
void FillPolygon(TCanvas& Canvas, const POINT* Points, int LastIndex, TColor Color);
// A checkerboard of the two colours (Color2 where column and row are both odd or both even).
void FillDithered(TCanvas& Canvas, TRect Rect, TColor Color1, TColor Color2);
void FillPolygonDithered(TCanvas& Canvas, const POINT* Points, int LastIndex, TColor Color1,
                         TColor Color2);
// Bands from FromColor toward ToColor, which itself is never painted.
void FillGradient(TCanvas& Canvas, const TRect& Rect, TColor FromColor, bool Vertical,
                  TColor ToColor);
// The icon at its own size in a 16 x 16 box centred in Rect.
void DrawIconCentered(TCanvas& Canvas, const TRect& Rect, HICON Icon);
