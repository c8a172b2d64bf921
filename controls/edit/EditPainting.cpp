// The edit's content: background, selection, the text from the first visible character (or
// one mask per character), and the selected part again in the selection's colours.

#include <vector>

#include "controls/base/TextMeasure.h"
#include "controls/edit/SeCustomEdit.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "toolkit/GdiGuards.h"

namespace {

TRect ToRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }

} // namespace

void TSeCustomEdit::PaintClient() {
  PaintBackground();
  PaintFont().Assign(TextFont());
  Canvas().Font.Assign(PaintFont());
  const TMeasureDC Measure(PaintFont(), msColour);
  const TEditLayout L = Layout(Measure);
  const RECT Line = LineRect(LineHeight(Measure));
  const std::u16string& Text = FModel.Text();
  const int First = FModel.First();
  RECT Selection{};
  if ((FocusedFlag() || !FHideSelection) && FModel.HasSelection()) {
    const int Start = FModel.SelStart();
    const RECT Span{EditCaretX(L, Text, First, Start), Line.top,
                    EditCaretX(L, Text, First, Start + FModel.SelCount()), Line.bottom};
    IntersectRect(&Selection, &Span, &Line);
  }
  if (!IsRectEmpty(&Selection))
    FillRectColor(Canvas(), ToRect(Selection), clHighlight);
  const int Left = EditCaretX(L, Text, First, First - 1);
  PaintText(Left, L.CellWidth, Line, Line, PaintFont().Color());
  if (!IsRectEmpty(&Selection))
    PaintText(Left, L.CellWidth, Line, Selection, clHighlightText);
}

void TSeCustomEdit::PaintBackground() {
  if (!Transparent())
    FillRectColor(Canvas(), ToRect(GetInnerRect()), Color());
}

void TSeCustomEdit::PaintText(int Left, int Cell, const RECT& Line, const RECT& Clip,
                              TColor Color) {
  const HDC DC = Canvas().Handle();
  const TSavedDC Saved(DC);
  IntersectClipRect(DC, Clip.left, Clip.top, Clip.right, Clip.bottom);
  const std::u16string& Text = FModel.Text();
  const int From = FModel.First() - 1;
  if (FPasswordKind == pkNone) {
    // Each character at the place the caret and the selection are measured to (the
    // extents of the runs from the first visible character), whatever the font's shaping.
    const auto* Visible = reinterpret_cast<const wchar_t*>(Text.data()) + From;
    const int Count = static_cast<int>(Text.size()) - From;
    if (Count <= 0)
      return;
    const TSelectObject Font(DC, Canvas().Font.Handle());
    std::vector<INT> Advances(static_cast<size_t>(Count));
    SIZE Size{};
    GetTextExtentExPointW(DC, Visible, Count, 0, nullptr, Advances.data(), &Size);
    for (int I = Count - 1; I > 0; --I)
      Advances[static_cast<size_t>(I)] -= Advances[static_cast<size_t>(I) - 1];
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, ColorToRGB(Color));
    ExtTextOutW(DC, Left, Line.top, 0, nullptr, Visible, static_cast<UINT>(Count), Advances.data());
    return;
  }
  for (int Pos = From, X = Left; Pos < static_cast<int>(Text.size()) && X < Line.right;
       Pos = NextCharPos(Text, Pos), X += Cell)
    PaintMask({X, Line.top, X + Cell, Line.bottom}, Color);
}

void TSeCustomEdit::PaintMask(const RECT& Cell, TColor Color) {
  const HDC DC = Canvas().Handle();
  const TSavedDC Saved(DC);
  IntersectClipRect(DC, Cell.left, Cell.top, Cell.right, Cell.bottom);
  const TRect Glyph{Cell.left + 2, Cell.top + 3, Cell.right - 2, Cell.bottom - 3};
  switch (FPasswordKind) {
  case pkChar: {
    Canvas().Font.SetColor(Color);
    TRect R = ToRect(Cell);
    DrawSkinText(Canvas(), std::wstring(1, MaskChar()), R,
                 DT_SINGLELINE | DT_NOPREFIX | DT_CENTER | DT_VCENTER);
    break;
  }
  case pkRect:
    FillRectColor(Canvas(), Glyph, Color);
    break;
  case pkRoundRect:
    FillRoundRect(Canvas(), Glyph, 2 * 2, Color); // corners of radius 2
    break;
  case pkCircle: {
    const int Side = std::min(Glyph.Width(), Glyph.Height());
    const int X = Glyph.Left + (Glyph.Width() - Side) / 2,
              Y = Glyph.Top + (Glyph.Height() - Side) / 2;
    FillRoundRect(Canvas(), {X, Y, X + Side, Y + Side}, 2 * (Side / 2 + 1), Color);
    break;
  }
  case pkTriangle: {
    const POINT Points[] = {{Glyph.Left, Glyph.Bottom - 1},
                            {Glyph.Right - 1, Glyph.Bottom - 1},
                            {(Glyph.Left + Glyph.Right - 1) / 2, Glyph.Top}};
    FillPolygon(Canvas(), Points, 2, Color);
    break;
  }
  case pkNone:
    break;
  }
}
