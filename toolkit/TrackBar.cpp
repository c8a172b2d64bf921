#include "toolkit/TrackBar.h"

#include <algorithm>
#include <commctrl.h>

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TTrackBar::SetRange(int AMin, int AMax) {
  FMin = AMin;
  FMax = AMax;
  if (HandleAllocated()) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, FMin);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, FMax);
  }
  SetPosition(FPosition);
}

void TTrackBar::SetPosition(int Value) {
  Value = std::clamp(Value, FMin, FMax);
  if (Value == FPosition)
    return;
  FPosition = Value;
  if (HandleAllocated())
    SendMessageW(Handle(), TBM_SETPOS, TRUE, FPosition);
  Changed();
}

void TTrackBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = TRACKBAR_CLASSW;
  Params.Style |= TBS_HORZ | TBS_BOTH | TBS_AUTOTICKS;
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, FMax);
  SendMessageW(Handle(), TBM_SETLINESIZE, 0, LineSize);
  SendMessageW(Handle(), TBM_SETPAGESIZE, 0, PageSize);
  SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(Frequency), 0);
  SendMessageW(Handle(), TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::CNScroll(WORD) {
  const int Value = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
  if (Value != FPosition) {
    FPosition = Value;
    Changed();
  }
}

void TTrackBar::Changed() {
  if (OnChange)
    OnChange(this);
}
