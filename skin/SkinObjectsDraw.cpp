// The state variants of the skin object kinds: each swaps in the colour, font or picture of
// its state for one draw and puts the usual one back, also when drawing fails.

#include <windows.h>

#include "skin/SkinKinds.h"
#include "skin/SkinPainting.h"
#include "toolkit/Graphics.h"

void TSeActiveObject::Draw(TCanvas& Canvas) {
  if (!HasArea())
    return;
  const bool Lit = Active() || StateIn(State(), {osHot, osPressed, osFocused});
  const TSwapScope<TColor> Colour(Color, ActiveColor, Lit);
  const TSwapScope<TFont> Lettering(Font, ActiveFont, Lit);
  TSeSkinObject::Draw(Canvas);
}

void TSeActiveBitmap::Draw(TCanvas& Canvas) {
  const bool Lit = (Active() || StateIn(State(), {osHot, osFocused})) && ActiveBitmap->IsValid();
  const TSwapScope<TseBitmapLinkPtr> Picture(Bitmap, ActiveBitmap, Lit);
  TSeBitmapObject::Draw(Canvas);
}

template <class Base> void TSeStateBitmaps<Base>::Draw(TCanvas& Canvas) {
  TseBitmapLinkPtr& Bitmap = this->Bitmap;
  if (!Bitmap->IsValid() || !this->HasArea())
    return;
  TseBitmapLinkPtr* Link = StateLink(this->State(), {{osFocused, &BitmapFocused},
                                                     {osHot, &BitmapHot},
                                                     {osDisabled, &BitmapDisabled},
                                                     {osPressed, &BitmapPressed}});
  const TSwapScope<TseBitmapLinkPtr> Picture(Bitmap, Link ? *Link : Bitmap, Link != nullptr);
  Base::Draw(Canvas);
}

template class TSeStateBitmaps<TSeBitmapObject>;
template class TSeStateBitmaps<TSeBitmapBoxObject>;

void TSeTextObject::Draw(TCanvas& Canvas) {
  if (!HasArea())
    return;
  TFont& StateFont = GetFont();
  const TSwapScope<TFont> Lettering(Font, StateFont, &StateFont != &Font);
  TSeSkinObject::Draw(Canvas);
}

void TSeSystemButton::Draw(TCanvas& Canvas) {
  if (!HasArea())
    return;
  if (Action == sbaSysMenu) {
    DrawWindowIcon(Canvas, *this);
    return;
  }
  if (!Active()) {
    SetChildrenState(osDisabled);
    TSeActiveBitmap::Draw(Canvas);
    SetChildrenState(osNormal);
    return;
  }
  if (ButtonState == bsNormal) {
    TSeActiveBitmap::Draw(Canvas);
    return;
  }
  // Hot or pressed: that picture in place of Bitmap, drawn as an inactive one so that the
  // active picture does not take over; the children show the state too.
  TseBitmapLinkPtr& Picture = ButtonState == bsHot ? BitmapHot : BitmapPressed;
  const bool Swap = Picture->IsValid();
  SetActive(false);
  SetChildrenState(ButtonState == bsHot ? osHot : osPressed);
  const TScopeExit PutBack([this] {
    SetActive(true);
    SetChildrenState(osNormal);
  });
  const TSwapScope<TseBitmapLinkPtr> Scope(Bitmap, Picture, Swap);
  TSeActiveBitmap::Draw(Canvas);
}
