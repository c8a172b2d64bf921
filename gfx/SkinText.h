#pragma once
// Text of the skinned controls: wide strings, drawn with a transparent background.

#include <windows.h>

#include <string>

#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

// DrawText with the canvas's font and colour, the background left as it is; the wide call
// on the NT family, the system code page otherwise. Returns the text height.
int DrawSkinText(TCanvas& Canvas, const std::wstring& Text, TRect& Rect, UINT Format);
// Text itself when it fits MaxWidth with the device's font, else the longest prefix that
// fits followed by "..." (only "..." when no letter does).
std::wstring EllipsisText(HDC DC, const std::wstring& Text, int MaxWidth);
int TextWidth(TCanvas& Canvas, const std::wstring& Text);
// With Format 0 the text's width; else the right edge DrawText computes for Format.
int MeasureText(TCanvas& Canvas, const std::wstring& Text, UINT Format);
// Text turned by 90 degrees into Rect (reading upward when CounterClockwise, downward
// otherwise); only the letters' pixels change the canvas.
int DrawRotatedText(TCanvas& Canvas, const std::wstring& Text, const TRect& Rect,
                    bool CounterClockwise, UINT Format);
