#pragma once
// One page of a page control: a panel the page control shows while its tab is selected.

#include <string>

#include "toolkit/CustomControl.h"

class TPageControl;

class TTabSheet : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* Value);
  int PageIndex() const;

protected:
  void CaptionChanged() override;

private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
};
