// How skin objects paint themselves: fill and text, children, bitmaps whole or in nine
// parts, and the shapes that follow from their pictures.

#include <windows.h>

#include "gfx/Regions.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "skin/SkinObjects.h"
#include "skin/SkinPainting.h"
#include "toolkit/Controls.h"
#include "toolkit/Graphics.h"

namespace {

constexpr TColor SeparatorDisabledColor = 0x808080;

// Text flags by TextAlign: for Text, and mirrored for ShortCutText.
constexpr UINT TextFlags[9][2] = {{0x20, 0x22}, {0x21, 0x21}, {0x22, 0x20},
                                  {0x24, 0x26}, {0x25, 0x25}, {0x26, 0x24},
                                  {0x28, 0x2A}, {0x29, 0x29}, {0x2A, 0x28}};

UINT FlagsOf(TSeTextAlign Align, bool ShortCut) {
  return TextFlags[Align <= taBottomRight ? Align : taLeft][ShortCut ? 1 : 0];
}

} // namespace

// ---------------------------------------------------------------------------------------
// TSeSkinObject

void TSeSkinObject::Draw(TCanvas& Canvas) {
  if (!Visible || !HasArea())
    return;
  if (ChildCount() == 0 || DrawIfOwner) {
    if (Color != clNone)
      FillRectColor(Canvas, BoundsRect(), Color);
    DrawText(Canvas);
  }
  DrawChildren(Canvas);
}

void TSeSkinObject::DrawChildren(TCanvas& Canvas) {
  for (int I = 0; I < ChildCount(); ++I) {
    TSeSkinObject* Child = GetChild(I);
    if (Child->Visible && Child->HasArea())
      Child->Draw(Canvas);
  }
}

void TSeSkinObject::DrawText(TCanvas& Canvas) {
  TRect Bounds = BoundsRect();
  if (Text == L"-") { // a separator line across the middle
    Bounds.Left += 3;
    Bounds.Right -= 3;
    Bounds.Top = Bounds.Top + FHeight / 2 - 1;
    Bounds.Bottom = Bounds.Top + 1;
    FillRectColor(Canvas, Bounds, GetFont().Color());
    return;
  }
  const TRect TextRect{Bounds.Left + TextMarginLeft, Bounds.Top + TextMarginTop,
                       Bounds.Right - TextMarginRight, Bounds.Bottom};
  if (!Text.empty()) {
    UINT Flags = FlagsOf(TextAlign, false);
    Canvas.Font.Assign(Font);
    if (!Enabled)
      Canvas.Font.SetColor(SeparatorDisabledColor);
    std::wstring Shown = Text;
    if (Kind == skTitle) {
      const HGDIOBJ Old = SelectObject(Canvas.Handle(), Canvas.Font.Handle());
      Shown = EllipsisText(Canvas.Handle(), Text, FWidth - TextMarginLeft - TextMarginRight);
      SelectObject(Canvas.Handle(), Old);
    }
    if (UseRightToLeftAlignment()) {
      if (Flags & DT_RIGHT)
        Flags &= ~DT_RIGHT;
      else if (!(Flags & DT_CENTER))
        Flags |= DT_RIGHT;
    }
    if (UseRightToLeftReading())
      Flags |= DT_RTLREADING;
    if (TextEffect == teShadow) {
      const TColor Colour = Canvas.Font.Color();
      Canvas.Font.SetColor(clBlack);
      TRect Shadow{TextRect.Left + 1, TextRect.Top + 1, TextRect.Right + 1, TextRect.Bottom + 1};
      DrawSkinText(Canvas, Shown, Shadow, Flags);
      Canvas.Font.SetColor(Colour);
    }
    TRect Area = TextRect;
    DrawSkinText(Canvas, Shown, Area, Flags);
  }
  if (!ShortCutText.empty()) {
    UINT Flags = FlagsOf(TextAlign, true);
    if (FControl)
      Flags = FControl->DrawTextBiDiModeFlags(Flags);
    TRect Area = TextRect;
    DrawSkinText(Canvas, ShortCutText, Area, Flags);
  }
}

TRegionHandle TSeSkinObject::CreateRegion() {
  return TRegionHandle(CreateRectRgn(FLeft, FTop, FLeft + FWidth, FTop + FHeight));
}

TRegionHandle TSeSkinObject::GetRegion() {
  if (!HasArea())
    return nullptr;
  if (ChildCount() == 0 || DrawIfOwner || !Masked)
    return CreateRegion();
  TRegionHandle Union;
  for (int I = 0; I < ChildCount(); ++I) {
    TSeSkinObject* Child = GetChild(I);
    if (!Child->Visible)
      continue;
    TRegionHandle Part = Child->GetRegion();
    if (!Part)
      continue;
    if (!Union)
      Union = std::move(Part);
    else
      CombineRgn(Union.get(), Union.get(), Part.get(), RGN_OR);
  }
  return Union;
}

// ---------------------------------------------------------------------------------------
// Shapes from pictures

// The non-key pixels of Object drawn alone at the origin, moved back to its place.
TRegionHandle BitmapShapeRegion(TSeSkinObject& Object) {
  const TRect Bounds = Object.BoundsRect();
  TseBitmap Surface;
  Surface.SetSize(Bounds.Width(), Bounds.Height());
  Surface.Clear(KeyColor);
  Object.SetBounds({0, 0, Bounds.Width(), Bounds.Height()});
  TCanvas Canvas(Surface.DC());
  {
    const TScopeExit PutBack([&] { Object.SetBounds(Bounds); });
    Object.Draw(Canvas);
  }
  GdiFlush();
  return CreateRegionFromBitmap(Surface, Bounds.Left, Bounds.Top);
}

// ---------------------------------------------------------------------------------------
// TSeBitmapObject

void TSeBitmapObject::Draw(TCanvas& Canvas) {
  if (!Bitmap->IsValid() || !HasArea())
    return;
  const TRect Bounds = BoundsRect();
  if (MarginLeft == 0 && MarginTop == 0 && MarginRight == 0 && MarginBottom == 0) {
    if (Color != clNone)
      PaintBitmapPart(Canvas.Handle(), *Bitmap->Image, Bitmap->Rect, Bounds, TileStyle,
                      Bitmap->Masked, Bounds);
    // Without a fill colour the picture is not painted: the text and the children (below)
    // are all there is.
  } else {
    PaintNineParts(
        Canvas.Handle(), *Bitmap, Bounds, Margins(), TileStyle, BorderTileStyle,
        {Bitmap->Masked, Bitmap->MaskedBorder, Bitmap->MaskedAngles, Bitmap->MaskedAngles});
  }
  DrawText(Canvas);
  AlignObjects();
  DrawChildren(Canvas);
}

TRegionHandle TSeBitmapObject::CreateRegion() {
  if (!Bitmap->IsValid() || !HasArea())
    return nullptr;
  if (Kind == skClient || !Masked)
    return TSeSkinObject::CreateRegion();
  return BitmapShapeRegion(*this);
}
