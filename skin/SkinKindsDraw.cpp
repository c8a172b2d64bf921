// How the further kinds paint: one bitmap without layout or children, its inactive, hover
// and pressed variants, nine-part boxes, colour buttons and the placeholder of a control.

#include <windows.h>

#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "skin/SkinKinds.h"
#include "skin/SkinPainting.h"
#include "toolkit/Graphics.h"

namespace {
constexpr TSeState osPlaceholder = 1; // set by design tools only
}

void TSeLinkSkinObject::Draw(TCanvas& Canvas) {
  if (State() != osPlaceholder || !HasArea())
    return;
  const TRect Bounds = BoundsRect();
  FillRectColor(Canvas, Bounds, clWhite);
  DrawRectOutline(Canvas, Bounds, clBlack);
  Canvas.Font.SetName("Arial");
  Canvas.Font.SetColor(clBlack);
  Canvas.Font.SetStyle(fsItalic);
  TRect Area = Bounds;
  DrawSkinText(Canvas, std::wstring(LinkControl.begin(), LinkControl.end()), Area,
               DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TSeBitmapSkinObject::Draw(TCanvas& Canvas) {
  if (!Bitmap->IsValid() || !HasArea())
    return;
  const TRect Bounds = BoundsRect();
  PaintBitmapPart(Canvas.Handle(), *Bitmap->Image, Bitmap->Rect, Bounds, TileStyle, Bitmap->Masked,
                  Bounds);
  DrawText(Canvas);
}

TRegionHandle TSeBitmapSkinObject::CreateRegion() {
  if (!Bitmap->IsValid() || !HasArea())
    return nullptr;
  if (Kind == skClient)
    return TSeSkinObject::CreateRegion();
  return BitmapShapeRegion(*this);
}

void TSeFormBitmapSkinObject::Draw(TCanvas& Canvas) {
  const TSwapScope<TseBitmapLinkPtr> Picture(Bitmap, InactiveBitmap,
                                             !Active() && InactiveBitmap->IsValid());
  TSeBitmapSkinObject::Draw(Canvas);
}

void TSeSysButtonSkinObject::Draw(TCanvas& Canvas) {
  if (!HasArea())
    return;
  if (Action == sbaSysMenu) {
    DrawWindowIcon(Canvas, *this);
    return;
  }
  TseBitmapLinkPtr* Picture = ButtonState == bsHot       ? &BitmapHover
                              : ButtonState == bsPressed ? &BitmapDown
                                                         : nullptr;
  const bool Swap = Picture && (*Picture)->IsValid();
  const TSwapScope<TseBitmapLinkPtr> Scope(Bitmap, Swap ? *Picture : Bitmap, Swap);
  TSeBitmapSkinObject::Draw(Canvas);
}

void TSeActiveSkinObject::Draw(TCanvas& Canvas) {
  const bool Lit = StateIn(State(), {osHot, osFocused});
  const TSwapScope<TColor> Colour(Color, ActiveColor, Lit);
  const TSwapScope<TFont> Lettering(Font, ActiveFont, Lit);
  TSeSkinObject::Draw(Canvas);
}

void TSeColorButtonObject::Draw(TCanvas& Canvas) {
  if (!HasArea())
    return;
  TFont* StateFont = nullptr;
  TColor StateColor = Color;
  switch (State()) {
  case osHot:
    StateFont = &HotFont, StateColor = HotColor;
    break;
  case osPressed:
    StateFont = &PressedFont, StateColor = PressedColor;
    break;
  case osFocused:
    StateFont = &FocusedFont, StateColor = FocusedColor;
    break;
  case osDisabled:
    StateFont = &DisabledFont, StateColor = DisabledColor;
    break;
  default:
    break;
  }
  // The attributes are copied into the font GetFont gives, and copied back afterwards.
  TFont& Target = GetFont();
  const TFont Kept = Target;
  const TColor KeptColor = Color;
  const TScopeExit PutBack([&] {
    Target.Assign(Kept);
    Color = KeptColor;
  });
  if (StateFont) {
    Target.Assign(*StateFont);
    Color = StateColor;
  }
  TSeSkinObject::Draw(Canvas);
}

void TSeBitmapBoxObject::Draw(TCanvas& Canvas) {
  if (!Bitmap->IsValid() || !HasArea())
    return;
  if (MarginLeft == 0 && MarginTop == 0 && MarginRight == 0 && MarginBottom == 0) {
    TSeBitmapSkinObject::Draw(Canvas);
    return;
  }
  const bool Masks = Bitmap->Masked;
  PaintNineParts(Canvas.Handle(), *Bitmap, BoundsRect(), Margins(), TileStyle, BorderTileStyle,
                 {Masks, Masks, Masks, Masked});
  DrawText(Canvas);
}

void TSeActiveBitmapBoxObject::Draw(TCanvas& Canvas) {
  const bool Lit = StateIn(State(), {osHot, osFocused}) && FocusedBitmap->IsValid();
  const TSwapScope<TseBitmapLinkPtr> Picture(Bitmap, FocusedBitmap, Lit);
  TSeBitmapBoxObject::Draw(Canvas);
}
