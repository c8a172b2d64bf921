#pragma once
// A control with a style that only window creation can set, so tests can make the toolkit
// re-create its window.

#include "toolkit/Controls.h"

class TRecreatedControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  bool Bordered = false;
  void SetBordered(bool Value) {
    Bordered = Value;
    RecreateWnd();
  }

protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    if (Bordered)
      Params.Style |= WS_BORDER;
  }
};
