#pragma once
// The arithmetic of the check box, the group box and the label that needs no window: the
// check box's state cycle and where its glyph and caption go, the group box's frame, caption
// and embedded check box, the label's text to measure and its bounds after sizing itself.

#include <string>

#include "toolkit/Types.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
// Which side of the caption the check box's glyph stands on.
enum TSeLeftRight { lrLeft, lrRight };
// Scoped: the skin's text alignment has a taCenter of its own.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
inline constexpr const char* AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
enum TTextLayout { tlTop, tlCenter, tlBottom };

// What a click or the space key makes of State: unchecked goes to grayed when that is
// allowed, else to checked; checked to unchecked; grayed to checked.
TCheckBoxState NextCheckState(TCheckBoxState State, bool AllowGrayed);
// A button released at (X, Y) toggles the box when the point lies within the control, its
// right and bottom edges included.
bool ReleaseToggles(int X, int Y, int Width, int Height);

struct TCheckLayout {
  int Width = 0, Height = 0; // the control
  int GlyphWidth = 13, GlyphHeight = 13;
  int Spacing = 5;
  TSeLeftRight Alignment = lrLeft;
};
// The glyph: at the left or the right edge, centred vertically.
TRect CheckGlyphRect(const TCheckLayout& L);
// The width the caption is measured in.
int CheckCaptionMeasureWidth(const TCheckLayout& L);
// The caption's place: the text of the measured size at the left of the area beside the
// glyph, centred vertically in it.
TRect CheckCaptionRect(const TCheckLayout& L, int TextWidth, int TextHeight);

struct TGroupLayout {
  int Width = 0, Height = 0;
  int CaptionMargin = 12;
  bool CheckBox = false; // an embedded check box carries the caption
  TRect CheckBoxBounds;  // its bounds, when there is one
  int TextWidth = 0;     // the caption's text, measured in the group's font
  int TextHeight = 0;
  bool CaptionEmpty = true;
};
// The caption's height: the check box's, or the text's.
int GroupCaptionHeight(const TGroupLayout& L);
// The frame runs from half the caption's height down, inside the control.
TRect GroupFrameRect(const TGroupLayout& L);
// Where the caption goes; text of its own gets 3 pixels of room on both sides. The skinned
// box grows every caption without a check box, and never one with.
TRect GroupCaptionRect(const TGroupLayout& L, bool SkinnedGrowth);
// The children's area: below the caption, full width.
TRect GroupClientRect(const TGroupLayout& L);
// The embedded check box's width: its glyph, spacing and caption, within the group.
int GroupCheckBoxWidth(int GroupWidth, int CaptionMargin, int GlyphWidth, int Spacing,
                       int TextWidth);

// Whether Caption marks Key as its accelerator: the letter after a single "&" ("&&" is an
// ampersand of the text), letter case ignored.
bool IsAccelerator(wchar_t Key, const std::wstring& Caption);

// The text a label measures: an empty text, and with accelerators shown a lone "&", stand for
// a space, so that the label keeps a size.
std::wstring LabelMeasureText(const std::wstring& Text, bool ShowAccelChar);
// A label's bounds after it took the measured size; a right-aligned label keeps its right
// edge, any other its left.
TRect LabelAutoSizeBounds(const TRect& Bounds, int MeasuredWidth, int MeasuredHeight,
                          bool KeepRight);
// How far the text moves down in a label Height high: nothing at the top, all the free room
// at the bottom, half of it (truncated) centred.
int LabelLayoutOffset(TTextLayout Layout, int Height, int MeasuredHeight);
