#include "gfx/Effects.h"

#include <chrono>

const char* const RandomEffectName = "[ RANDOM ] - Random selection";
const char* const BitmapEffectName = "[ BITMAP ] - Bitmap Animation";

namespace {

TseProcList GProcList;
std::vector<std::string> GNames;
uint32_t GSeed = 0;

const char* Prefix(TseProcKind Kind) {
  switch (Kind) {
  case pkFade:
    return "[ FADE ] - ";
  case pkSlide:
    return "[ SLIDE ] - ";
  default:
    return "[ MANUAL ] - ";
  }
}

void Register(const std::string& Name, std::unique_ptr<TseProcItem> Item) {
  for (int I = 0; I < GProcList.Count(); ++I) {
    const TseProcItem& Other = GProcList.Items(I);
    if ((Item->Fade && Item->Fade == Other.Fade) || (Item->Slide && Item->Slide == Other.Slide) ||
        (Item->Manual && Item->Manual == Other.Manual))
      throw EProcItemError(FormatStr("Effect procedute %s already exists in list", {Name}));
  }
  Item->Name = Prefix(Item->Kind) + Name;
  GProcList.Add(std::move(Item));
}

// The name without its kind prefix: everything after the first "- ".
std::string_view Bare(const std::string& DisplayName) {
  const size_t Dash = DisplayName.find("- ");
  return Dash == std::string::npos ? std::string_view(DisplayName)
                                   : std::string_view(DisplayName).substr(Dash + 2);
}

// Library start: the generator seeded from the clock, the built-in effects registered, the
// names listed. Runs after GProcList exists (same file, defined above).
const bool GStarted = [] {
  GSeed = static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                std::chrono::system_clock::now().time_since_epoch().count());
  RegisterBuiltInEffects();
  GNames = {RandomEffectName, BitmapEffectName};
  for (int I = 0; I < GProcList.Count(); ++I)
    GNames.push_back(GProcList.Items(I).Name);
  return true;
}();

} // namespace

const TseProcItem* TseProcList::FindProc(const std::string& Name) const {
  for (const auto& Item : FItems)
    if (SameText(Item->Name, Name))
      return Item.get();
  for (const auto& Item : FItems)
    if (SameText(Bare(Item->Name), Name))
      return Item.get();
  return nullptr;
}

TseProcList& EffectProcs() { return GProcList; }

void RegisterEffectProc(const std::string& Name, TseFadeProc Proc) {
  auto Item = std::make_unique<TseProcItem>();
  Item->Kind = pkFade;
  Item->Fade = Proc;
  Register(Name, std::move(Item));
}

void RegisterEffectProc(const std::string& Name, TseSlideProc Proc) {
  auto Item = std::make_unique<TseProcItem>();
  Item->Kind = pkSlide;
  Item->Slide = Proc;
  Register(Name, std::move(Item));
}

void RegisterEffectProc(const std::string& Name, TseManualProc Proc) {
  auto Item = std::make_unique<TseProcItem>();
  Item->Kind = pkManual;
  Item->Manual = Proc;
  Register(Name, std::move(Item));
}

const std::vector<std::string>& EffectNames() {
  (void)GStarted;
  return GNames;
}

uint32_t& RandomSeed() { return GSeed; }

uint32_t RandomNumber(uint32_t N) {
  GSeed = GSeed * 134775813u + 1u;
  return static_cast<uint32_t>((static_cast<uint64_t>(GSeed) * N) >> 32);
}
