#include "controls/buttons/ButtonLayout.h"

#include <algorithm>

#include "gfx/Pixels.h"

int NumGlyphsForGlyph(int Width, int Height, int Current) {
  if (Height == 0 || Width % Height != 0)
    return Current;
  const int Cells = Width / Height;
  if (Cells == 0) // an empty glyph holds no cells at all
    return Current;
  return Cells < 5 ? Cells : 1;
}

TPoint GlyphCellSize(int GlyphWidth, int GlyphHeight, int NumGlyphs) {
  if (GlyphWidth <= 0 || GlyphHeight <= 0)
    return {0, 0};
  return {GlyphWidth / std::max(NumGlyphs, 1), GlyphHeight};
}

int GlyphCellIndex(int NumGlyphs, bool Disabled, bool Pressed) {
  int Cell = 0;
  if (NumGlyphs > 1 && Disabled)
    Cell += 1;
  if (NumGlyphs > 2 && Pressed)
    Cell += 2;
  return Cell;
}

TPoint WordWrapBox(int Width, int Height, int Spacing, TPoint Cell) {
  return {Width - Spacing - Cell.X - 10, Height - Spacing - Cell.Y - 10};
}

TRect ButtonContentRect(const TButtonContent& C) {
  TRect Block{0, 0, C.Text.X, C.Text.Y};
  if (C.Cell.X > 0 && C.Cell.Y > 0) {
    if (C.Layout == blGlyphTop || C.Layout == blGlyphBottom)
      Block.Bottom += C.Cell.Y + C.Spacing;
    else
      Block.Right += C.Cell.X + C.Spacing;
    Block.Right = std::max(Block.Right, C.Cell.X);
    Block.Bottom = std::max(Block.Bottom, C.Cell.Y);
  }
  TRect R = CentredRect({0, 0, C.Width, C.Height}, Block.Width(), Block.Height());
  if (C.Pressed) {
    R.Left += 1, R.Right += 1;
    R.Top += 1, R.Bottom += 1;
  }
  return R;
}

TRect ButtonCaptionRect(const TRect& Content, TPoint Cell, int Spacing, TButtonLayout Layout) {
  TRect R = Content;
  switch (Layout) {
  case blGlyphLeft:
    R.Left += Cell.X + Spacing;
    break;
  case blGlyphRight:
    R.Right -= Cell.X + Spacing;
    break;
  case blGlyphTop:
    R.Top += Cell.Y + Spacing;
    break;
  case blGlyphBottom:
    R.Bottom -= Cell.Y + Spacing;
    break;
  }
  return R;
}

TRect ButtonGlyphRect(const TRect& Content, TPoint Cell, int Spacing, TButtonLayout Layout) {
  TRect R = Content;
  switch (Layout) {
  case blGlyphLeft:
    R.Right = R.Left + Cell.X + Spacing;
    break;
  case blGlyphRight:
    R.Left = R.Right - Cell.X - Spacing;
    break;
  case blGlyphTop:
    R.Bottom = R.Top + Cell.Y + Spacing;
    break;
  case blGlyphBottom:
    R.Top = R.Bottom - Cell.Y - Spacing;
    break;
  }
  return R;
}

TRect CentredRect(const TRect& Bounds, int Width, int Height) {
  const int Left = Bounds.Left + (Bounds.Width() - Width) / 2;
  const int Top = Bounds.Top + (Bounds.Height() - Height) / 2;
  return {Left, Top, Left + Width, Top + Height};
}

TsePixel GlyphPixel(TsePixel Pixel, bool BlackAndWhite, bool DisabledSingleCell) {
  if (!BlackAndWhite && !DisabledSingleCell)
    return Pixel & 0xFFFFFF;
  const float L = RGBToHSL(Pixel).L;
  const int32_t Grey =
      DisabledSingleCell ? 160 + RoundHalfEven(L * 50.0f) : RoundHalfEven(L * 255.0f);
  const auto G = static_cast<TsePixel>(Grey);
  return G << 16 | G << 8 | G;
}

TButtonKindInfo ButtonKindInfo(TBitBtnKind Kind) {
  switch (Kind) {
  case bkOK:
    return {true, 1, true, "SE_BTN_OK"};
  case bkCancel:
    return {true, 2, false, "SE_BTN_CANCEL"};
  case bkHelp:
    return {true, 0, false, "SE_BTN_HELP"};
  case bkYes:
    return {true, 6, true, "SE_BTN_YES"};
  case bkNo:
    return {true, 7, false, "SE_BTN_NO"};
  case bkClose:
    return {true, 0, false, "SE_BTN_CLOSE"};
  case bkAbort:
    return {true, 3, false, "SE_BTN_ABORT"};
  case bkRetry:
    return {true, 4, false, "SE_BTN_RETRY"};
  case bkIgnore:
    return {true, 5, false, "SE_BTN_IGNORE"};
  case bkAll:
    return {true, 8, false, "SE_BTN_ALL"};
  case bkCustom:
    break;
  }
  return {};
}
