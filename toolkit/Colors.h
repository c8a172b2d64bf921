#pragma once
// Toolkit colours: 0x00BBGGRR, or a system colour (the high bit set, the low byte the
// platform's colour index); clNone means that nothing is painted.

#include <cstdint>

using TColor = int32_t;

constexpr TColor SystemColor(int Index) { return static_cast<TColor>(0x80000000u | Index); }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);

// The 0x00BBGGRR value of a colour, system colours looked up (the platform's current ones
// in the Windows build, the classic defaults elsewhere).
uint32_t ColorToRGB(TColor Color);
// The platform's system colour of an index, as 0x00BBGGRR.
uint32_t SystemColorRGB(int Index);
