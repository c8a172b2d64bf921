// What skin objects ask of the window system: their control, its form, its reading order,
// text widths on the screen and the application's pending messages.

#include <windows.h>

#include "skin/SkinKinds.h"
#include "toolkit/Controls.h"
#include "toolkit/Forms.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/PrivateMessages.h"

namespace {

// A message to a control: through its window, where hooks such as the form frame see it,
// or straight to the handler of a control that has none (yet).
LRESULT SendToControl(TControl* Control, UINT Msg, LPARAM LParam) {
  auto* Windowed = dynamic_cast<TWinControl*>(Control);
  if (Windowed && Windowed->HandleAllocated())
    return SendMessageW(Windowed->Handle(), Msg, 0, LParam);
  return Control->Perform(Msg, 0, LParam);
}

} // namespace

void TSeSkinObject::AttachControl(TControl* AControl) {
  FControl = AControl;
  if (AControl)
    BiDiMode = AControl->BiDiMode();
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->AttachControl(AControl);
}

void TSeSkinObject::Invalidate() {
  if (Visible && FControl)
    SendToControl(FControl, SE_OBJECTINVALIDATE, reinterpret_cast<LPARAM>(this));
}

TSeSkinFormLink* TSeSkinObject::GetForm() const {
  // A windowless control is drawn in its parent's window.
  TControl* Control = FControl && !FControl->Windowed() ? FControl->Parent() : FControl;
  if (!Control)
    return nullptr;
  return reinterpret_cast<TSeSkinFormLink*>(SendToControl(Control, SE_GETSKINFORM, 0));
}

void TSeSkinObject::ShowHint() {
  if (FControl && Application)
    Application->ShowHintAt(FControl, FControl->ClientToScreen({FLeft, FTop}));
}

bool TSeSkinObject::UseRightToLeftAlignment() const {
  return GetSystemMetrics(SM_MIDEASTENABLED) != 0 && BiDiMode != 0;
}

bool TSeSkinObject::UseRightToLeftReading() const {
  return GetSystemMetrics(SM_MIDEASTENABLED) != 0 && BiDiMode == 1;
}

int PlatformTextWidth(const std::wstring& Text, const TFont& Font) {
  const TScreenScratchDC Screen;
  SelectObject(Screen.DC(), Font.Handle());
  SIZE Size{};
  GetTextExtentPoint32W(Screen.DC(), Text.c_str(), static_cast<int>(Text.size()), &Size);
  return Size.cx;
}

void ProcessSkinMessages() {
  if (Application)
    Application->ProcessMessages();
}
