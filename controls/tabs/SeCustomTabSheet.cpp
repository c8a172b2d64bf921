#include "controls/tabs/SeCustomTabSheet.h"

#include <exception>

#include "controls/base/PublishedControl.h"
#include "controls/tabs/SeCustomTabControl.h"
#include "toolkit/Application.h"

TSeCustomTabSheet::TSeCustomTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetAlign(TAlign::alClient); // the page area of its control
}

TSeCustomTabSheet::~TSeCustomTabSheet() { Detach(); }

const TPropTable& TSeCustomTabSheet::Properties() {
  using S = TSeCustomTabSheet;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Caption"), // the page control gives a sheet its bounds
       DefaultProp(AccessorProp<S>("ImageIndex", TPropKind::pkInteger, &S::ImageIndex,
                                   &S::SetImageIndex),
                   -1),
       AccessorProp<S>("PageIndex", TPropKind::pkInteger, &S::PageIndex, &S::SetPageIndex),
       DefaultProp(AccessorProp<S>("PageVisible", TPropKind::pkBoolean, &S::PageVisible,
                                   &S::SetPageVisible),
                   true),
       DefaultProp(AccessorProp<S>("BorderWidth", TPropKind::pkInteger, &S::BorderWidth,
                                   &S::SetBorderWidth),
                   0),
       ControlProp("Font"), ControlProp("ParentFont"), ControlProp("Hint"),
       ControlProp("ShowHint")});
  return Table;
}

bool TSeCustomTabSheet::IsActivePage() const {
  return FTabControl && FTabControl->ActivePage() == this;
}

void TSeCustomTabSheet::EraseBackground(HDC DC) {
  if (FTabControl)
    FTabControl->PaintPageFrameOn(DC, Left(), Top(), Width(), Height());
  else
    TCustomControl::EraseBackground(DC);
}

LRESULT TSeCustomTabSheet::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  // A sheet that is not the shown page paints nothing at all (it may still be on the way out).
  if (FTabControl && !IsActivePage()) {
    switch (Msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (!WParam)
        ValidateRect(Handle(), nullptr);
      return 0;
    case WM_PRINTCLIENT:
      return 0;
    default:
      break;
    }
  }
  return TCustomControl::WndProc(Msg, WParam, LParam);
}

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
