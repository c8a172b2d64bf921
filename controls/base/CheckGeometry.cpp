#include "controls/base/CheckGeometry.h"

#include <algorithm>
#include <cwctype>

TCheckBoxState NextCheckState(TCheckBoxState State, bool AllowGrayed) {
  switch (State) {
  case cbUnchecked:
    return AllowGrayed ? cbGrayed : cbChecked;
  case cbChecked:
    return cbUnchecked;
  default:
    return cbChecked;
  }
}

bool ReleaseToggles(int X, int Y, int Width, int Height) {
  return X >= 0 && X <= Width && Y >= 0 && Y <= Height;
}

TRect CheckGlyphRect(const TCheckLayout& L) {
  const int Left = L.Alignment == lrLeft ? 0 : L.Width - L.GlyphWidth;
  const int Top = (L.Height - L.GlyphHeight) / 2;
  return {Left, Top, Left + L.GlyphWidth, Top + L.GlyphHeight};
}

int CheckCaptionMeasureWidth(const TCheckLayout& L) { return L.Width - L.GlyphWidth - 10; }

TRect CheckCaptionRect(const TCheckLayout& L, int TextWidth, int TextHeight) {
  const TRect Area = L.Alignment == lrLeft
                         ? TRect{L.GlyphWidth + L.Spacing, 0, L.Width, L.Height}
                         : TRect{2, 0, L.Width - L.GlyphWidth - L.Spacing, L.Height};
  const int Top = Area.Top + (Area.Height() - TextHeight) / 2;
  return {Area.Left, Top, Area.Left + TextWidth, Top + TextHeight};
}

int GroupCaptionHeight(const TGroupLayout& L) {
  return L.CheckBox ? L.CheckBoxBounds.Height() : L.TextHeight;
}

TRect GroupFrameRect(const TGroupLayout& L) {
  return {3, GroupCaptionHeight(L) / 2 + 1, L.Width - 2, L.Height - 2};
}

TRect GroupCaptionRect(const TGroupLayout& L, bool SkinnedGrowth) {
  TRect R = L.CheckBox ? L.CheckBoxBounds
                       : TRect{L.CaptionMargin, 0, L.CaptionMargin + L.TextWidth, L.TextHeight};
  const bool Grow = SkinnedGrowth ? !L.CheckBox : !L.CaptionEmpty;
  if (Grow) {
    R.Left -= 3;
    R.Right += 3;
  }
  return R;
}

TRect GroupClientRect(const TGroupLayout& L) {
  return {0, GroupCaptionHeight(L), L.Width, L.Height};
}

int GroupCheckBoxWidth(int GroupWidth, int CaptionMargin, int GlyphWidth, int Spacing,
                       int TextWidth) {
  return std::min(GroupWidth - CaptionMargin - 2, GlyphWidth + Spacing + TextWidth + 6);
}

bool IsAccelerator(wchar_t Key, const std::wstring& Caption) {
  for (size_t I = 0; I + 1 < Caption.size(); ++I) {
    if (Caption[I] != L'&')
      continue;
    if (Caption[I + 1] == L'&') {
      ++I; // a doubled ampersand
      continue;
    }
    return std::towupper(Caption[I + 1]) == std::towupper(Key);
  }
  return false;
}

std::wstring LabelMeasureText(const std::wstring& Text, bool ShowAccelChar) {
  if (Text.empty() || (ShowAccelChar && Text == L"&"))
    return Text + L" ";
  return Text;
}

TRect LabelAutoSizeBounds(const TRect& Bounds, int MeasuredWidth, int MeasuredHeight,
                          bool KeepRight) {
  const int Left = KeepRight ? Bounds.Right - MeasuredWidth : Bounds.Left;
  return {Left, Bounds.Top, Left + MeasuredWidth, Bounds.Top + MeasuredHeight};
}

int LabelLayoutOffset(TTextLayout Layout, int Height, int MeasuredHeight) {
  switch (Layout) {
  case tlBottom:
    return Height - MeasuredHeight;
  case tlCenter:
    return (Height - MeasuredHeight) / 2;
  default:
    return 0;
  }
}
