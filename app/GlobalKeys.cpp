#include "app/GlobalKeys.h"

#include <algorithm>
#include <utility>

#include "toolkit/ShortCuts.h"

namespace {

// The identifiers the keys are registered under: the action's number from here.
constexpr int FirstId = 0x4D31;
constexpr int32_t KeyStep = 10, KeyFloor = 26, KeyCeiling = 255;

} // namespace

int32_t KeyedLevel(int32_t Level, TGlobalAction Action) {
  switch (Action) {
  case TGlobalAction::gaIncrease:
    return Level <= KeyFloor ? Level : std::max(Level - KeyStep, KeyFloor);
  case TGlobalAction::gaDecrease:
    return std::clamp(Level + KeyStep, KeyFloor, KeyCeiling);
  default:
    return Level;
  }
}

TGlobalKeys::~TGlobalKeys() {
  for (int I = 0; I < GlobalActionCount; ++I)
    if (FKeys[I].Registered)
      UnregisterHotKey(FOwner, FirstId + I);
}

bool TGlobalKeys::Set(TGlobalAction Action, int ShortCut) {
  TKey& Key = FKeys[Index(Action)];
  if (Key.Registered)
    UnregisterHotKey(FOwner, FirstId + static_cast<int>(Index(Action)));
  Key = {ShortCut, false, false};
  Take(Action);
  return !Key.Taken;
}

void TGlobalKeys::Take(TGlobalAction Action) {
  TKey& Key = FKeys[Index(Action)];
  if (!IsGlobalShortCut(Key.ShortCut))
    return; // none, or one that would take plain typing
  const TGlobalKey Global = GlobalKeyOf(Key.ShortCut);
  const int Id = FirstId + static_cast<int>(Index(Action));
  Key.Registered = RegisterHotKey(FOwner, Id, Global.Modifiers, Global.Key) != FALSE;
  Key.Taken = !Key.Registered;
  // Suspended: only whether another program holds it.
  if (FSuspended && std::exchange(Key.Registered, false))
    UnregisterHotKey(FOwner, Id);
}

void TGlobalKeys::Retry() {
  for (int I = 0; I < GlobalActionCount; ++I)
    if (FKeys[I].Taken)
      Take(static_cast<TGlobalAction>(I));
}

void TGlobalKeys::Suspend() {
  for (int I = 0; I < GlobalActionCount; ++I)
    if (std::exchange(FKeys[I].Registered, false))
      UnregisterHotKey(FOwner, FirstId + I);
  FSuspended = true;
}

void TGlobalKeys::Resume() {
  FSuspended = false;
  for (int I = 0; I < GlobalActionCount; ++I)
    Take(static_cast<TGlobalAction>(I));
}

std::optional<TGlobalAction> TGlobalKeys::ActionOf(WPARAM Id) {
  const WPARAM Index = Id - FirstId;
  if (Id < FirstId || Index >= GlobalActionCount)
    return std::nullopt;
  return static_cast<TGlobalAction>(Index);
}
