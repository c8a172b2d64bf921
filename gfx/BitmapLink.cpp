#include "gfx/BitmapLink.h"

#include "toolkit/Published.h"

const TPropTable& TseBitmapLink::Properties() {
  using T = TseBitmapLink;
  static const TPropTable Table(
      nullptr, {FieldProp("Name", &T::Name),
                AccessorProp<T>("Left", TPropKind::pkInteger, &T::Left, &T::SetLeft),
                AccessorProp<T>("Top", TPropKind::pkInteger, &T::Top, &T::SetTop),
                AccessorProp<T>("Right", TPropKind::pkInteger, &T::Right, &T::SetRight),
                AccessorProp<T>("Bottom", TPropKind::pkInteger, &T::Bottom, &T::SetBottom)});
  return Table;
}

void TseBitmapLink::Assign(const TPersistent& Source) {
  if (const auto* Other = dynamic_cast<const TseBitmapLink*>(&Source)) {
    Image = Other->Image;
    Rect = Other->Rect;
    Name = Other->Name;
    Masked = Other->Masked;
    MaskedBorder = Other->MaskedBorder;
    MaskedAngles = Other->MaskedAngles;
    return;
  }
  TPersistent::Assign(Source);
}

bool TseBitmapLink::IsValid() const {
  return Image && static_cast<int64_t>(Rect.Width()) * Rect.Height() > 0;
}

void TseBitmapLink::CheckMasked(const TRect& Margins) {
  Masked = MaskedBorder = MaskedAngles = false;
  if (!Image)
    return;
  const auto Hole = [](TsePixel Pixel) {
    return Pixel != 0x33333333 && (Pixel == KeyColor || PixelAlpha(Pixel) < 255);
  };
  const bool NoMargins = Margins == TRect{};
  const int32_t W = Rect.Width(), H = Rect.Height();
  const int32_t L = Margins.Left, T = Margins.Top, R = Margins.Right, B = Margins.Bottom;
  const auto In = [](int32_t V, int32_t From, int32_t To) { return V >= From && V < To; };
  for (int32_t Y = Rect.Top; Y < Rect.Bottom; ++Y)
    for (int32_t X = Rect.Left; X < Rect.Right; ++X) {
      if (!Hole(Image->GetPixel(X, Y)))
        continue;
      if (NoMargins) {
        Masked = true;
        return;
      }
      const int32_t PX = X - Rect.Left, PY = Y - Rect.Top;
      const bool Left = In(PX, 0, L), Right = In(PX, W - R, W), Middle = In(PX, L, W - R);
      const bool Upper = In(PY, 0, T), Lower = In(PY, H - B, H), Centre = In(PY, T, H - B);
      if ((Left || Right) && (Upper || Lower))
        MaskedAngles = true;
      if ((Middle && (Upper || Lower)) || ((Left || Right) && Centre))
        MaskedBorder = true;
      if (Middle && Centre)
        Masked = true;
    }
}

std::unique_ptr<TseBitmapLink> CreateBitmapLink(TseBitmap* Bitmap, const TRect& Rect) {
  auto Link = std::make_unique<TseBitmapLink>();
  Link->Image = Bitmap;
  Link->Name = Bitmap ? Bitmap->Name : std::string();
  Link->Rect = Rect;
  return Link;
}

TseBitmap* TseBitmapList::Add(std::unique_ptr<TseBitmap> Bitmap) {
  FItems.push_back(std::move(Bitmap));
  return FItems.back().get();
}

TseBitmap* TseBitmapList::GetBitmap(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)].get() : nullptr;
}

std::unique_ptr<TseBitmapLink> TseBitmapList::GetBitmapLink(const std::string& Name,
                                                            const TRect& Rect) const {
  for (auto It = FItems.rbegin(); It != FItems.rend(); ++It)
    if (SameText((*It)->Name, Name))
      return CreateBitmapLink(It->get(), Rect);
  return nullptr;
}
