// Single-line edits as the main window has them (AutoSize, single bevel, border 3): at rest,
// hot, focused with a selection, disabled, centred, and the five password masks (the circles
// focused with part of them selected).

#include "EditViews.h"

#include <vector>

#include "ViewSupport.h"
#include "controls/edit/SeSkinEdit.h"
#include "controls/edit/SeSkinHotKey.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/Forms.h"

namespace {

enum TLook {
  Normal,
  Hot,
  Selected,
  Disabled,
  Centred,
  MaskChar,
  MaskRect,
  MaskRoundRect,
  MaskCircle,
  MaskTriangle,
  LookCount
};

TSkinPicture Edits(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < LookCount; ++Look) {
    auto* Edit = MakeComponent<TSeSkinEdit>(&Form);
    Edit->SetParent(&Form);
    Edit->SetBounds(10, 10, 96, 23);
    Edit->SetSkinEngine(Engine);
    Edit->SetText(Look >= MaskChar ? L"secret" : Look == Centred ? L"Centre" : L"Edit text");
    switch (Look) {
    case Hot:
      SendMouse(*Edit, WM_MOUSEMOVE, 0, {20, 10});
      break;
    case Selected:
    case MaskCircle:
      Edit->Perform(CM_ENTER, 0, 0);
      Edit->SetSelection(2, 3);
      break;
    case Disabled:
      Edit->SetEnabled(false);
      break;
    case Centred:
      Edit->SetTextAlignment(TAlignment::taCenter);
      break;
    default:
      break;
    }
    if (Look >= MaskChar)
      Edit->SetPasswordKind(static_cast<TPasswordKind>(pkChar + (Look - MaskChar)));
    Views.push_back(CaptureWindowed(Form, *Edit));
    if (Look == Selected || Look == MaskCircle)
      Edit->Perform(CM_EXIT, 0, 0);
    Edit->Free();
  }
  return SideBySide(Views);
}

// Hot-key fields: without a key, with one, and focused.
TSkinPicture HotKeys(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < 3; ++Look) {
    auto* Field = MakeComponent<TSeSkinHotKey>(&Form);
    Field->SetParent(&Form);
    Field->SetBounds(10, 10, 110, 23);
    Field->SetSkinEngine(Engine);
    if (Look > 0)
      Field->SetShortCut(0x4000 | 0x8000 | VK_UP);
    if (Look == 2)
      Field->Perform(CM_ENTER, 0, 0);
    Views.push_back(CaptureWindowed(Form, *Field));
    if (Look == 2)
      Field->Perform(CM_EXIT, 0, 0);
    Field->Free();
  }
  return SideBySide(Views);
}

} // namespace

TControlView EditView() { return {"Edit", Edits}; }
TControlView HotKeyView() { return {"HotKey", HotKeys}; }
