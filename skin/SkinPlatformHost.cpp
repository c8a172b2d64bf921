// Where there is no window system, skin objects have no control and no form, read left to
// right, and a character is half the font's height wide.

#include <cstdlib>

#include "skin/SkinKinds.h"

void TSeSkinObject::AttachControl(TControl* AControl) {
  FControl = AControl;
  for (int I = 0; I < ChildCount(); ++I)
    GetChild(I)->AttachControl(AControl);
}

void TSeSkinObject::Invalidate() {}

TSeSkinFormLink* TSeSkinObject::GetForm() const { return nullptr; }

void TSeSkinObject::ShowHint() {}

bool TSeSkinObject::UseRightToLeftAlignment() const { return false; }
bool TSeSkinObject::UseRightToLeftReading() const { return false; }

int PlatformTextWidth(const std::wstring& Text, const TFont& Font) {
  return static_cast<int>(Text.size()) * (std::abs(Font.Height()) / 2);
}

void ProcessSkinMessages() {}
