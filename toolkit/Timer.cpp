#include "toolkit/Timer.h"

#include <map>

#include "toolkit/ErrorReport.h"
#include "toolkit/Published.h"

namespace {

// The running timers by the platform's id.
std::map<UINT_PTR, TTimer*>& RunningTimers() {
  static std::map<UINT_PTR, TTimer*> Timers;
  return Timers;
}

} // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() { Stop(); }

const TPropTable& TTimer::Properties() {
  static const TPropTable Table(
      nullptr,
      {AccessorProp<TTimer>("Enabled", TPropKind::pkBoolean, &TTimer::Enabled, &TTimer::SetEnabled),
       AccessorProp<TTimer>("Interval", TPropKind::pkInteger, &TTimer::Interval,
                            &TTimer::SetInterval)});
  return Table;
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
  if (Value != FEnabled) {
    FEnabled = Value;
    UpdateTimer();
  }
}

void TTimer::SetInterval(UINT Value) {
  if (Value != FInterval) {
    FInterval = Value;
    UpdateTimer();
  }
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TTimer::Stop() {
  if (FId) {
    KillTimer(nullptr, FId);
    RunningTimers().erase(FId);
    FId = 0;
  }
}

void TTimer::UpdateTimer() {
  Stop();
  if (!FEnabled || FInterval == 0 || !FOnTimer || Loading() || Destroying())
    return;
  FId = SetTimer(nullptr, 0, FInterval, TimerProc);
  if (!FId)
    throw Exception("Not enough timers available");
  RunningTimers()[FId] = this;
}

void TTimer::Timer() {
  if (FOnTimer)
    FOnTimer(this);
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
  const auto It = RunningTimers().find(Id);
  if (It != RunningTimers().end()) {
    TTimer* Timer = It->second;
    Shielded([Timer] { Timer->Timer(); });
  }
}
