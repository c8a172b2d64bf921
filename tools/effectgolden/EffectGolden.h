#pragma once
// Reference frames of the built-in FADE and SLIDE effects: the frames at fixed percentages
// on two grid sizes, packed into one small file per effect. Shared by the generator and the
// test that compares the procedures with the committed files.
//
// File: "MFXG", kind byte, name length byte, name; then per grid and percentage a record:
// width (u16), height (u16), percent (u8), packing (u8: 0 raw, 1 runs, 2 runs of each row
// XORed with the row above), byte count (u32), bytes. All little-endian. A FADE frame is the
// mask; a SLIDE frame is five planes of Width x Height bytes: Alpha, then SourceX - x and
// SourceY - y as 16-bit values split into low and high byte planes.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/EffectProcs.h"

namespace effectgolden {

struct TGrid {
  int32_t Width, Height;
};
inline const std::vector<TGrid>& Grids() {
  static const std::vector<TGrid> Value = {{37, 23}, {64, 64}};
  return Value;
}
inline const std::vector<int32_t>& Percents() {
  static const std::vector<int32_t> Value = {0, 1, 25, 50, 75, 99, 100};
  return Value;
}
constexpr uint32_t GoldenSeed = 0x2545F491u;

inline std::string FileName(const TseBuiltInEffect& Effect) {
  std::string Name = Effect.Name;
  for (char& C : Name)
    if (C == ' ')
      C = '_';
  return Name + ".mfx";
}

// One frame as bytes (the mask, or the five cell planes).
inline std::vector<uint8_t> Frame(const TseBuiltInEffect& Effect, int32_t W, int32_t H,
                                  int32_t Percent) {
  const size_t Area = static_cast<size_t>(W) * H;
  RandomSeed() = GoldenSeed;
  if (Effect.Kind == pkFade) {
    std::vector<uint8_t> Mask(Area, 0);
    Effect.Fade(Mask.data(), W, H, Percent);
    return Mask;
  }
  std::vector<TseSlideCell> Cells(Area, TseSlideCell{0, 0, 0, 0});
  Effect.Slide(Cells.data(), W, H, Percent);
  std::vector<uint8_t> Planes(Area * 5, 0);
  for (size_t I = 0; I < Area; ++I) {
    const int32_t X = static_cast<int32_t>(I % W), Y = static_cast<int32_t>(I / W);
    const uint16_t DX = static_cast<uint16_t>(Cells[I].SourceX - X);
    const uint16_t DY = static_cast<uint16_t>(Cells[I].SourceY - Y);
    Planes[I] = Cells[I].Alpha;
    Planes[Area + I] = static_cast<uint8_t>(DX);
    Planes[2 * Area + I] = static_cast<uint8_t>(DX >> 8);
    Planes[3 * Area + I] = static_cast<uint8_t>(DY);
    Planes[4 * Area + I] = static_cast<uint8_t>(DY >> 8);
  }
  return Planes;
}

inline std::vector<uint8_t> Runs(const std::vector<uint8_t>& Data) {
  std::vector<uint8_t> Out;
  for (size_t I = 0; I < Data.size();) {
    size_t J = I + 1;
    while (J < Data.size() && Data[J] == Data[I] && J - I < 256)
      ++J;
    Out.push_back(static_cast<uint8_t>(J - I - 1));
    Out.push_back(Data[I]);
    I = J;
  }
  return Out;
}

inline void PutLE(std::vector<uint8_t>& Out, uint32_t Value, int Bytes) {
  for (int I = 0; I < Bytes; ++I)
    Out.push_back(static_cast<uint8_t>(Value >> (8 * I)));
}

// The whole file of one FADE or SLIDE effect.
inline std::vector<uint8_t> Encode(const TseBuiltInEffect& Effect) {
  std::vector<uint8_t> Out = {'M', 'F', 'X', 'G', static_cast<uint8_t>(Effect.Kind)};
  const std::string Name = Effect.Name;
  Out.push_back(static_cast<uint8_t>(Name.size()));
  Out.insert(Out.end(), Name.begin(), Name.end());
  for (const TGrid& Grid : Grids()) {
    for (int32_t Percent : Percents()) {
      const std::vector<uint8_t> Raw = Frame(Effect, Grid.Width, Grid.Height, Percent);
      std::vector<uint8_t> Xored = Raw;
      for (size_t I = Xored.size(); I-- > static_cast<size_t>(Grid.Width);)
        Xored[I] ^= Raw[I - Grid.Width];
      const std::vector<uint8_t> Packed[3] = {Raw, Runs(Raw), Runs(Xored)};
      int Best = 0;
      for (int I = 1; I < 3; ++I)
        if (Packed[I].size() < Packed[Best].size())
          Best = I;
      PutLE(Out, static_cast<uint32_t>(Grid.Width), 2);
      PutLE(Out, static_cast<uint32_t>(Grid.Height), 2);
      Out.push_back(static_cast<uint8_t>(Percent));
      Out.push_back(static_cast<uint8_t>(Best));
      PutLE(Out, static_cast<uint32_t>(Packed[Best].size()), 4);
      Out.insert(Out.end(), Packed[Best].begin(), Packed[Best].end());
    }
  }
  return Out;
}

} // namespace effectgolden
