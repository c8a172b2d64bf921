#include "gfx/BitmapLink.h"

#include <algorithm>

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
  if (!Image || Rect.IsEmpty())
    return;
  const auto Hole = [](TsePixel Pixel) {
    return Pixel != 0x33333333 && (Pixel == KeyColor || PixelAlpha(Pixel) < 255);
  };
  // Positions outside the image read as this (and count as holes). A skin may give any
  // rectangle, so only the part inside the image is looked at pixel by pixel: the rest is
  // judged by the bands it falls in, and all sums are taken in 64 bits.
  constexpr TsePixel Outside = 0;
  const int64_t ImageW = Image->Width(), ImageH = Image->Height();
  const int64_t Left0 = Rect.Left, Top0 = Rect.Top;
  const int64_t W = int64_t{Rect.Right} - Rect.Left, H = int64_t{Rect.Bottom} - Rect.Top;
  const int64_t ClipLeft = std::max<int64_t>(Left0, 0), ClipTop = std::max<int64_t>(Top0, 0);
  const int64_t ClipRight = std::min<int64_t>(Rect.Right, ImageW);
  const int64_t ClipBottom = std::min<int64_t>(Rect.Bottom, ImageH);
  const bool Clipped = ClipLeft != Left0 || ClipTop != Top0 || ClipRight != Rect.Right ||
                       ClipBottom != Rect.Bottom;

  if (Margins == TRect{}) {
    // Any hole at all sets Masked.
    if (Clipped && Hole(Outside)) {
      Masked = true;
      return;
    }
    for (int64_t Y = ClipTop; Y < ClipBottom; ++Y)
      for (int64_t X = ClipLeft; X < ClipRight; ++X)
        if (Hole(*Image->PixelPtr(static_cast<int32_t>(X), static_cast<int32_t>(Y)))) {
          Masked = true;
          return;
        }
    return;
  }

  // The nine-slice bands as offsets [From, To) in the rectangle: columns left, middle, right
  // and rows upper, centre, lower (the left and right bands, the upper and lower ones, may
  // overlap). A hole in a corner band on both axes marks the angles, on one axis the border,
  // in the middle band on both the centre.
  const int64_t L = Margins.Left, T = Margins.Top, R = Margins.Right, B = Margins.Bottom;
  const int64_t Columns[3][2] = {{0, L}, {L, W - R}, {W - R, W}};
  const int64_t Rows[3][2] = {{0, T}, {T, H - B}, {H - B, H}};
  const auto Mark = [this](int Column, int Row) {
    const int Sides = (Column != 1) + (Row != 1);
    (Sides == 2 ? MaskedAngles : Sides == 1 ? MaskedBorder : Masked) = true;
  };
  const auto In = [](int64_t V, const int64_t(&Band)[2]) { return V >= Band[0] && V < Band[1]; };

  if (Clipped && Hole(Outside))
    for (int C = 0; C < 3; ++C)
      for (int Rw = 0; Rw < 3; ++Rw) {
        // The band pair within the rectangle, in image positions: does it reach outside?
        const int64_t X0 = Left0 + std::max<int64_t>(Columns[C][0], 0);
        const int64_t X1 = Left0 + std::min(Columns[C][1], W);
        const int64_t Y0 = Top0 + std::max<int64_t>(Rows[Rw][0], 0);
        const int64_t Y1 = Top0 + std::min(Rows[Rw][1], H);
        if (X0 < X1 && Y0 < Y1 && (X0 < 0 || Y0 < 0 || X1 > ImageW || Y1 > ImageH))
          Mark(C, Rw);
      }
  for (int64_t Y = ClipTop; Y < ClipBottom; ++Y)
    for (int64_t X = ClipLeft; X < ClipRight; ++X) {
      if (!Hole(*Image->PixelPtr(static_cast<int32_t>(X), static_cast<int32_t>(Y))))
        continue;
      for (int C = 0; C < 3; ++C)
        for (int Rw = 0; Rw < 3; ++Rw)
          if (In(X - Left0, Columns[C]) && In(Y - Top0, Rows[Rw]))
            Mark(C, Rw);
      if (Masked && MaskedBorder && MaskedAngles)
        return;
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
