#include "gfx/Bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "gfx/PixelRows.h"
#include "toolkit/ScopeGuards.h"

TseBitmap::TseBitmap() = default;

TseBitmap::~TseBitmap() = default;

void TseBitmap::SetSize(int32_t AWidth, int32_t AHeight) { Resize(AWidth, AHeight, true); }

void TseBitmap::Resize(int32_t AWidth, int32_t AHeight, bool Zeroed) {
  // Absolute values, computed without overflowing on the most negative integer.
  const auto Magnitude = [](int32_t V) { return V == INT32_MIN ? INT32_MAX : std::abs(V); };
  AWidth = Magnitude(AWidth);
  AHeight = Magnitude(AHeight);
  if (AWidth == 0 || AHeight == 0 || (AWidth == FWidth && AHeight == FHeight && FStorage))
    return;
  FStorage.reset();
  FStorage = TseBitmapStorage::Create(AWidth, AHeight, Zeroed);
  FWidth = AWidth;
  FHeight = AHeight;
}

namespace {

size_t PixelCount(const TseBitmap& Bitmap) {
  return static_cast<size_t>(Bitmap.Width()) * static_cast<size_t>(Bitmap.Height());
}

} // namespace

void TseBitmap::Clear(TsePixel Pixel) {
  if (!Empty())
    FillRow(Bits(), Pixel, PixelCount(*this));
}

void TseBitmap::SetAlpha(uint8_t Alpha) {
  if (!Empty())
    SetAlphaRow(Bits(), Alpha, PixelCount(*this));
}

void TseBitmap::SetAlphaRect(uint8_t Alpha, TRect R) {
  if (Empty() || R.Width() == 0 || R.Height() == 0)
    return;
  const TRect Clipped = IntersectRect(R, BoundsRect());
  if (Clipped.IsEmpty())
    return;
  for (int32_t Y = Clipped.Top; Y < Clipped.Bottom; ++Y)
    SetAlphaRow(PixelPtr(Clipped.Left, Y), Alpha, static_cast<size_t>(Clipped.Width()));
}

void TseBitmap::FillRect(TRect R, TsePixel Pixel) {
  if (Empty())
    return;
  const TRect Clipped = IntersectRect(R, BoundsRect());
  if (Clipped.IsEmpty())
    return;
  const auto Count = static_cast<size_t>(Clipped.Width());
  for (int32_t Y = Clipped.Top; Y < Clipped.Bottom; ++Y) {
    if (AlphaBlend)
      PixelRows().BlendFillRow(PixelPtr(Clipped.Left, Y), Pixel, Count);
    else
      FillRow(PixelPtr(Clipped.Left, Y), Pixel, Count);
  }
}

TsePixel TseBitmap::GetPixel(int32_t X, int32_t Y) const {
  if (Empty() || X < 0 || Y < 0 || X >= FWidth || Y >= FHeight)
    return 0;
  return *PixelPtr(X, Y);
}

void TseBitmap::CheckAlphaBlend() {
  AlphaBlend = !Empty() && PixelRows().HasPartialAlpha(Bits(), PixelCount(*this));
}

void TseBitmap::CheckTransparent(TsePixel Key) {
  Transparent = !Empty() && PixelRows().SnapKeyRow(Bits(), PixelCount(*this), Key);
}

void TseBitmap::MergeUnder(const TseBitmap& Background, int32_t X, int32_t Y, TRect R) {
  if (Empty() || Background.Empty())
    return;
  R = IntersectRect(R, Background.BoundsRect());
  if (R.IsEmpty())
    return;
  // Background column bx lands on surface column X + bx - R.Left; keep the columns that do.
  const int64_t OffsetX = static_cast<int64_t>(X) - R.Left;
  const int64_t OffsetY = static_cast<int64_t>(Y) - R.Top;
  const int64_t FirstX = std::max<int64_t>(R.Left, -OffsetX);
  const int64_t EndX = std::min<int64_t>(R.Right, FWidth - OffsetX);
  if (FirstX >= EndX)
    return;
  for (int64_t BY = R.Top; BY < R.Bottom; ++BY) {
    const int64_t SY = BY + OffsetY;
    if (SY < 0 || SY >= FHeight)
      continue;
    TsePixel* Row = PixelPtr(static_cast<int32_t>(FirstX + OffsetX), static_cast<int32_t>(SY));
    PixelRows().BlendRows(
        Row, Row, Background.PixelPtr(static_cast<int32_t>(FirstX), static_cast<int32_t>(BY)),
        static_cast<size_t>(EndX - FirstX));
  }
}

void TseBitmap::Assign(const TPersistent& Source) {
  if (const auto* Other = dynamic_cast<const TseBitmap*>(&Source)) {
    if (Other == this)
      return;
    SetSize(Other->Width(), Other->Height());
    if (Empty() || Other->Empty() || FWidth != Other->Width() || FHeight != Other->Height())
      return;
    std::memcpy(Bits(), Other->Bits(), PixelCount(*this) * sizeof(TsePixel));
    SetAlpha(255);
    return;
  }
#ifdef _WIN32
  if (AssignGraphic(Source))
    return;
#endif
  TPersistent::Assign(Source);
}

// ---------------------------------------------------------------------------------------
// The stream record

std::string ReadString(TStream& Stream) {
  const int32_t Length = Stream.ReadInt32();
  if (Length < 0 || Length > Stream.Remaining())
    throw EReadError();
  std::string Text(static_cast<size_t>(Length), '\0');
  Stream.ReadBuffer(Text.data(), Length);
  return Text;
}

void WriteString(TStream& Stream, const std::string& Text) {
  Stream.WriteInt32(static_cast<int32_t>(Text.size()));
  Stream.WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
}

void TseBitmap::LoadFromStream(TStream& Stream) {
  Name = ReadString(Stream);
  const int32_t W = Stream.ReadInt32();
  const int32_t H = Stream.ReadInt32();
  // Never allocate more than the record can still supply.
  if (W < 0 || H < 0 ||
      static_cast<uint64_t>(W) * static_cast<uint64_t>(H) * 4 >
          static_cast<uint64_t>(std::max<int64_t>(Stream.Remaining(), 0)))
    throw EReadError();
  // Every pixel comes from the record, or the read fails and the surface goes.
  Resize(W, H, false);
  if (!Empty() && FWidth == W && FHeight == H) {
    const TFailureScope Drop([this] { FStorage.reset(); });
    Stream.ReadBuffer(Bits(), static_cast<int64_t>(W) * H * 4);
  }
  CheckAlphaBlend();
  if (!AlphaBlend)
    CheckTransparent(KeyColor);
}

void TseBitmap::SaveToStream(TStream& Stream) const {
  WriteString(Stream, Name);
  // A surface without storage writes no pixels, so it must not claim a size either.
  Stream.WriteInt32(Empty() ? 0 : FWidth);
  Stream.WriteInt32(Empty() ? 0 : FHeight);
  if (!Empty())
    Stream.WriteBuffer(Bits(), static_cast<int64_t>(PixelCount(*this)) * 4);
}
