#pragma once
// The platform's track bar.

#include <string>

#include "toolkit/WinControl.h"

class TTrackBar : public TWinControl {
public:
  explicit TTrackBar(TComponent* AOwner);
  std::string ClassName() const override { return "TTrackBar"; }

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  void SetRange(int AMin, int AMax);
  int Position() const { return FPosition; }
  // Clamps to the range; a change of position raises OnChange.
  void SetPosition(int Value);
  int LineSize = 1;
  int PageSize = 2;
  int Frequency = 1;

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNScroll(WORD Code) override;

private:
  void Changed();
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
};
