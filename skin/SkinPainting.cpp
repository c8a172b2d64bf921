#include "skin/SkinPainting.h"

#include "skin/SkinObject.h"
#include "toolkit/Forms.h"
#include "toolkit/Graphics.h"

namespace {

// A surface's drawing flag set for one call.
class TTransparentScope {
public:
  TTransparentScope(const TseBitmap& Image, bool Value)
      : FImage(const_cast<TseBitmap&>(Image)), FOld(Image.Transparent) {
    FImage.Transparent = Value;
  }
  ~TTransparentScope() { FImage.Transparent = FOld; }
  TTransparentScope(const TTransparentScope&) = delete;
  TTransparentScope& operator=(const TTransparentScope&) = delete;

private:
  TseBitmap& FImage;
  bool FOld;
};

} // namespace

void PaintBitmapPart(HDC DC, const TseBitmap& Image, const TRect& Src, const TRect& Dst,
                     TscTileStyle Style, bool Transparent, const TRect& Whole) {
  if (Src.IsEmpty())
    return;
  const TTransparentScope Flag(Image, Transparent);
  switch (Style) {
  case tsTile:
    Image.Tile(DC, Dst, Src);
    break;
  case tsStretch:
    Image.Draw(DC, Dst, Src);
    break;
  case tsCenter:
    Image.Draw(DC, Whole.Left + (Whole.Width() - Src.Width()) / 2,
               Whole.Top + (Whole.Height() - Src.Height()) / 2, Src);
    break;
  }
}

void PaintNineParts(HDC DC, const TseBitmapLink& Link, const TRect& Bounds, const TRect& Margins,
                    TscTileStyle CentreStyle, TscTileStyle BorderStyle,
                    const TNinePartMasks& Masks) {
  const TseBitmap& Image = *Link.Image;
  const TRect S = Link.Rect;
  const int32_t ML = Margins.Left, MT = Margins.Top, MR = Margins.Right, MB = Margins.Bottom;
  const int32_t W = Bounds.Width(), H = Bounds.Height();
  const int32_t X = Bounds.Left, Y = Bounds.Top;
  const auto At = [X, Y](int32_t L, int32_t T, int32_t R, int32_t B) {
    return TRect{X + L, Y + T, X + R, Y + B};
  };
  const auto Part = [&](const TRect& Src, const TRect& Dst, TscTileStyle Style, bool Masked) {
    PaintBitmapPart(DC, Image, Src, Dst, Style, Masked, Bounds);
  };
  Part({S.Left + ML, S.Top + MT, S.Right - MR, S.Bottom - MB}, At(ML, MT, W - MR, H - MB),
       CentreStyle, Masks.Centre);
  Part({S.Left + ML, S.Top, S.Right - MR, S.Top + MT}, At(ML, 0, W - MR, MT), BorderStyle,
       Masks.Edges);
  Part({S.Left + ML, S.Bottom - MB, S.Right - MR, S.Bottom}, At(ML, H - MB, W - MR, H), BorderStyle,
       Masks.Edges);
  Part({S.Left, S.Top + MT, S.Left + ML, S.Bottom - MB}, At(0, MT, ML, H - MB), BorderStyle,
       Masks.Edges);
  Part({S.Right - MR, S.Top + MT, S.Right, S.Bottom - MB}, At(W - MR, MT, W, H - MB), BorderStyle,
       Masks.Edges);
  // Corners unscaled, at their corner of the bounds.
  const auto Corner = [&](const TRect& Src, int32_t L, int32_t T, bool Masked) {
    if (Src.IsEmpty())
      return;
    const TTransparentScope Flag(Image, Masked);
    Image.Draw(DC, X + L, Y + T, Src);
  };
  Corner({S.Left, S.Top, S.Left + ML, S.Top + MT}, 0, 0, Masks.TopLeftCorner);
  Corner({S.Right - MR, S.Top, S.Right, S.Top + MT}, W - MR, 0, Masks.Corners);
  Corner({S.Left, S.Bottom - MB, S.Left + ML, S.Bottom}, 0, H - MB, Masks.Corners);
  Corner({S.Right - MR, S.Bottom - MB, S.Right, S.Bottom}, W - MR, H - MB, Masks.Corners);
}

std::unique_ptr<TseBitmapLink>*
StateLink(TSeState State,
          std::initializer_list<std::pair<TSeState, std::unique_ptr<TseBitmapLink>*>> Links) {
  for (const auto& [Which, Link] : Links)
    if (Which == State && (*Link)->IsValid())
      return Link;
  return nullptr;
}

void DrawWindowIcon(TCanvas& Canvas, const TSeSkinObject& Object) {
  auto* Form = dynamic_cast<TForm*>(Object.Control());
  if (!Form)
    return;
  HICON Icon = nullptr;
  if (Form->HandleAllocated()) {
    const HWND Wnd = Form->Handle();
    Icon = reinterpret_cast<HICON>(SendMessageW(Wnd, WM_GETICON, ICON_SMALL, 0));
    if (!Icon)
      Icon = reinterpret_cast<HICON>(GetClassLongPtrW(Wnd, GCLP_HICONSM));
  }
  if (!Icon)
    Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  if (!Icon)
    Icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  int Size = GetSystemMetrics(SM_CXSMICON);
  if (Size == 0)
    Size = GetSystemMetrics(SM_CXSIZE);
  DrawIconEx(Canvas.Handle(), Object.Left(), Object.Top(), Icon, Size, Size, 0, nullptr, DI_NORMAL);
}
