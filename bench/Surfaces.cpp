#include "bench/Surfaces.h"

#include <algorithm>
#include <cstring>

uint32_t TRandom::Next() {
  uint64_t Z = (FState += 0x9E3779B97F4A7C15ull);
  Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
  Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((Z ^ (Z >> 31)) >> 32);
}

std::unique_ptr<TseBitmap> MakeSurface(int32_t Width, int32_t Height, uint64_t Seed,
                                       TPixelMaker Pixel) {
  auto Bitmap = std::make_unique<TseBitmap>();
  Bitmap->SetSize(Width, Height);
  TRandom Random(Seed);
  TsePixel* Out = Bitmap->Bits();
  const size_t Count = static_cast<size_t>(Width) * static_cast<size_t>(Height);
  for (size_t I = 0; I < Count;) {
    const size_t Run = std::min<size_t>(1 + Random.Below(32), Count - I);
    const uint32_t Kind = Random.Below(3);
    for (size_t End = I + Run; I < End; ++I)
      Out[I] = Pixel(Random, Kind);
  }
  return Bitmap;
}

TsePixel MixedAlphaPixel(TRandom& Random, uint32_t Kind) {
  const TsePixel Color = Random.Next() & 0x00FFFFFF;
  switch (Kind) {
  case 0:
    return Color;
  case 1:
    return 0xFF000000 | Color;
  default:
    return ((1 + Random.Below(254)) << 24) | Color;
  }
}

TsePixel TwoLevelAlphaPixel(TRandom& Random, uint32_t Kind) {
  const TsePixel Color = Random.Next() & 0x00FFFFFF;
  return Kind == 0 ? Color : 0xFF000000 | Color;
}

TsePixel KeyHolePixel(TRandom& Random, uint32_t Kind) {
  return Kind == 0 ? KeyColor : OpaquePixel(Random, Kind);
}

TsePixel OpaquePixel(TRandom& Random, uint32_t) { return 0xFF000000 | Random.Next(); }

std::vector<uint32_t> Premultiplied(const TseBitmap& Bitmap) {
  const size_t Count = static_cast<size_t>(Bitmap.Width()) * static_cast<size_t>(Bitmap.Height());
  std::vector<uint32_t> Out(Bitmap.Bits(), Bitmap.Bits() + Count);
  for (uint32_t& P : Out) {
    const uint32_t A = P >> 24;
    const auto Scale = [A](uint32_t C) { return (C * A + 127) / 255; };
    P = (A << 24) | (Scale((P >> 16) & 0xFF) << 16) | (Scale((P >> 8) & 0xFF) << 8) |
        Scale(P & 0xFF);
  }
  return Out;
}

TSetUp MemcpyFrame(int32_t Width, int32_t Height) {
  return [Width, Height]() -> TStep {
    std::shared_ptr<TseBitmap> Source = MakeSurface(Width, Height, 1, OpaquePixel);
    std::shared_ptr<TseBitmap> Target = MakeSurface(Width, Height, 2, OpaquePixel);
    const size_t Bytes = static_cast<size_t>(Width) * static_cast<size_t>(Height) * 4;
    return [Source, Target, Bytes] { std::memcpy(Target->Bits(), Source->Bits(), Bytes); };
  };
}
