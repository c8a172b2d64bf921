#pragma once
// Transition effects: the registry of named effect procedures, the shared pseudo-random
// generator, and the signatures every procedure follows.
//
// An effect computes one frame for a completion percentage 0..100:
// - FADE: a byte mask (0 old image, 255 new image, between: translucent new image);
// - SLIDE: a grid of cells, each naming the cell of the new image shown there and its alpha;
// - MANUAL: the frame drawn by the procedure itself from the two surfaces.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/SysUtils.h"

class TseBitmap;
class TseAnimationRec;

enum TseProcKind : uint8_t { pkFade = 0, pkSlide = 1, pkManual = 2 };

// One cell of a SLIDE grid: 6 bytes, as the procedures lay them out.
struct TseSlideCell {
  uint8_t Alpha;
  uint8_t Reserved;
  int16_t SourceX;
  int16_t SourceY;
};
static_assert(sizeof(TseSlideCell) == 6);

// Mask and Cells are Width x Height, row after row, zero on entry.
using TseFadeProc = void (*)(uint8_t* Mask, int32_t Width, int32_t Height, int32_t Percent);
using TseSlideProc = void (*)(TseSlideCell* Cells, int32_t Width, int32_t Height, int32_t Percent);
// Target already holds the old image.
using TseManualProc = void (*)(TseBitmap& Target, TseBitmap& NewImage,
                               const TseAnimationRec& Settings, int32_t Percent);

struct TseProcItem {
  TseProcKind Kind = pkFade;
  // Exactly one is set, the one of Kind.
  TseFadeProc Fade = nullptr;
  TseSlideProc Slide = nullptr;
  TseManualProc Manual = nullptr;
  // The display name: "[ FADE ] - ", "[ SLIDE ] - " or "[ MANUAL ] - " and the effect's name.
  std::string Name;
  bool HasProc() const { return Fade || Slide || Manual; }
};

class EProcItemError : public Exception {
public:
  using Exception::Exception;
};

class TseProcList {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  const TseProcItem& Items(int Index) const { return *FItems.at(static_cast<size_t>(Index)); }
  // By display name, then by the name without its kind prefix; letter case ignored.
  const TseProcItem* FindProc(const std::string& Name) const;
  void Add(std::unique_ptr<TseProcItem> Item) { FItems.push_back(std::move(Item)); }
  void Clear() { FItems.clear(); }

private:
  std::vector<std::unique_ptr<TseProcItem>> FItems;
};

// The process-wide registry, holding the built-in effects from library start.
TseProcList& EffectProcs();

// Each raises EProcItemError "Effect procedute <name> already exists in list" when the
// procedure is registered already.
void RegisterEffectProc(const std::string& Name, TseFadeProc Proc);
void RegisterEffectProc(const std::string& Name, TseSlideProc Proc);
void RegisterEffectProc(const std::string& Name, TseManualProc Proc);

// "[ RANDOM ] - Random selection", "[ BITMAP ] - Bitmap Animation", then every registered
// display name in registration order.
const std::vector<std::string>& EffectNames();
extern const char* const RandomEffectName;
extern const char* const BitmapEffectName;

// The shared pseudo-random generator: Seed := Seed * 134775813 + 1 (mod 2^32), then the
// upper 32 bits of Seed * N, a number in 0..N - 1.
uint32_t RandomNumber(uint32_t N);
uint32_t& RandomSeed();

// Registers the 58 built-in effects in their fixed order (called once at library start).
void RegisterBuiltInEffects();
