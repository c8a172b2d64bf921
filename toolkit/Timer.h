#pragma once
// The timer component: OnTimer every Interval milliseconds while Enabled, from the message
// loop of the thread that made it.

#include <windows.h>

#include <string>

#include "toolkit/Classes.h"

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; 0 stops the timer. A new interval starts counting afresh.
  UINT Interval() const { return FInterval; }
  void SetInterval(UINT Value);
  void SetOnTimer(TNotifyEvent Value);
  // Whether the platform's timer runs now.
  bool Running() const { return FId != 0; }

protected:
  virtual void Timer();

private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR Id, DWORD);
  void UpdateTimer();
  void Stop();

  bool FEnabled = true;
  UINT FInterval = 1000;
  TNotifyEvent FOnTimer;
  UINT_PTR FId = 0;
};
