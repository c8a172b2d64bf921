#include "toolkit/TabSheet.h"

#include <algorithm>

#include "toolkit/PageControl.h"

TTabSheet::~TTabSheet() {
  if (FPageControl)
    FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
  if (Value == FPageControl)
    return;
  if (FPageControl)
    FPageControl->RemovePage(this);
  FPageControl = Value;
  SetParent(Value);
  if (Value)
    Value->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!FPageControl)
    return -1;
  const auto& Pages = FPageControl->FPages;
  return static_cast<int>(std::find(Pages.begin(), Pages.end(), this) - Pages.begin());
}

void TTabSheet::CaptionChanged() {
  if (FPageControl)
    FPageControl->UpdateTab(this);
}
