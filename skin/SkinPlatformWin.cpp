// What skin objects ask of the window system: their control, its form, its reading order,
// text widths on the screen and the application's pending messages.

#include <windows.h>

#include "skin/SkinKinds.h"
#include "skin/SkinMessages.h"
#include "toolkit/Controls.h"
#include "toolkit/Forms.h"

void TSeSkinObject::AttachControl(TWinControl* AControl) {
  FControl = AControl;
  if (AControl)
    BiDiMode = AControl->BiDiMode();
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->AttachControl(AControl);
}

void TSeSkinObject::Invalidate() {
  if (Visible && FControl)
    SendMessageW(FControl->Handle(), SE_OBJECTINVALIDATE, 0, reinterpret_cast<LPARAM>(this));
}

TSeSkinFormLink* TSeSkinObject::GetForm() const {
  if (!FControl)
    return nullptr;
  return reinterpret_cast<TSeSkinFormLink*>(SendMessageW(FControl->Handle(), SE_GETSKINFORM, 0, 0));
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
  const HDC DC = GetDC(nullptr);
  const HGDIOBJ Old = SelectObject(DC, Font.Handle());
  SIZE Size{};
  GetTextExtentPoint32W(DC, Text.c_str(), static_cast<int>(Text.size()), &Size);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return Size.cx;
}

void ProcessSkinMessages() {
  if (Application)
    Application->ProcessMessages();
}
