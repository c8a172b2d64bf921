#include "controls/SeCustomTabSheet.h"

#include <exception>

#include "controls/SeCustomTabControl.h"
#include "toolkit/Application.h"

TSeCustomTabSheet::TSeCustomTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
}

TSeCustomTabSheet::~TSeCustomTabSheet() { Detach(); }

void TSeCustomTabSheet::BeforeDestruction() {
  // Marked as going first, so that leaving its control hides nothing and fires no OnHide.
  TCustomControl::BeforeDestruction();
  Detach();
}

void TSeCustomTabSheet::Detach() {
  if (TSeCustomTabControl* Control = FTabControl) {
    FTabControl = nullptr;
    Control->RemovePage(this);
  }
}

void TSeCustomTabSheet::SetParent(TWinControl* AParent) {
  if (AParent == Parent())
    return;
  Detach();
  TCustomControl::SetParent(AParent);
  if (auto* Control = dynamic_cast<TSeCustomTabControl*>(AParent)) {
    FTabControl = Control;
    Control->InsertPage(this);
  }
}

void TSeCustomTabSheet::SetTabControl(TSeCustomTabControl* Value) { SetParent(Value); }

int TSeCustomTabSheet::PageIndex() const {
  return FTabControl ? FTabControl->IndexOfPage(this) : -1;
}

void TSeCustomTabSheet::SetPageIndex(int Value) {
  if (FTabControl)
    FTabControl->MovePage(this, Value);
}

void TSeCustomTabSheet::SetPageVisible(bool Value) {
  if (Value == FPageVisible)
    return;
  FPageVisible = Value;
  if (FTabControl)
    FTabControl->UpdateTabs();
}

void TSeCustomTabSheet::SetImageIndex(int Value) {
  if (Value == FImageIndex)
    return;
  FImageIndex = Value;
  if (FTabControl)
    FTabControl->UpdateTabs();
}

void TSeCustomTabSheet::CaptionChanged() {
  TCustomControl::CaptionChanged();
  if (FTabControl)
    FTabControl->UpdateTabs();
}

void TSeCustomTabSheet::VisibleChanged() {
  TCustomControl::VisibleChanged();
  const TNotifyEvent& Event = Visible() ? OnShow : OnHide;
  if (!Event || Loading())
    return;
  try {
    Event(this);
  } catch (const std::exception& E) {
    Application->ShowException(E);
  }
}
