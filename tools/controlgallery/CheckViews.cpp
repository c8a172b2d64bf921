#include "CheckViews.h"

#include <vector>

#include "ViewSupport.h"
#include "controls/buttons/SeSkinCheckBox.h"
#include "controls/labels/SeSkinGroupBox.h"
#include "controls/labels/SeSkinLabel.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/Forms.h"

namespace {

// Check boxes: unchecked, checked, grayed, hot, pressed, focused, disabled (unchecked and
// checked), and the glyph on the right.
TSkinPicture CheckBoxes(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < 9; ++Look) {
    auto* Box = MakeComponent<TSeSkinCheckBox>(&Form);
    Box->SetParent(&Form);
    Box->SetBounds(10, 10, 76, 20);
    Box->SetCaption("Option");
    Box->SetAllowGrayed(true);
    Box->SetSkinEngine(Engine);
    switch (Look) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
      Box->SetChecked(true);
      break;
    case 2:
      Box->SetState(cbGrayed);
      break;
    default:
      break;
    }
    if (Look == 3)
      SendMouse(*Box, WM_MOUSEMOVE, 0, {5, 5});
    if (Look == 4)
      SendMouse(*Box, WM_LBUTTONDOWN, MK_LBUTTON, {5, 5});
    if (Look == 5)
      Box->Perform(CM_ENTER, 0, 0);
    if (Look == 6 || Look == 7)
      Box->SetEnabled(false);
    if (Look == 8)
      Box->SetAlignment(lrRight);
    Views.push_back(CaptureWindowed(Form, *Box));
    if (GetCapture())
      ReleaseCapture();
    Box->Free();
  }
  return SideBySide(Views);
}

// Group boxes around a check box: a caption, the caption on a ticked and on an unticked
// check box, disabled, and without a caption.
TSkinPicture GroupBoxes(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < 5; ++Look) {
    auto* Group = MakeComponent<TSeSkinGroupBox>(&Form);
    Group->SetParent(&Form);
    Group->SetBounds(10, 10, 120, 64);
    Group->SetCaption(Look == 4 ? "" : "Group");
    auto* Inside = MakeComponent<TSeSkinCheckBox>(Group);
    Inside->SetParent(Group);
    Inside->SetBounds(10, 30, 90, 20);
    Inside->SetCaption("Inside");
    Inside->SetSkinEngine(Engine);
    if (Look == 1 || Look == 2)
      Group->SetUseCheckBox(true);
    if (Look == 2)
      Group->SetChecked(false);
    if (Look == 3)
      Group->SetEnabled(false);
    Group->SetSkinEngine(Engine);
    Views.push_back(CaptureWindowed(Form, *Group));
    Group->Free();
  }
  return SideBySide(Views);
}

// Labels: sized to their text, right-aligned at the bottom and centred in the middle of a
// larger box, wrapped, with an accelerator, disabled, and opaque (showing the skin's colour).
TSkinPicture Labels(TForm& Form, TSeSkinEngine* Engine) {
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < 7; ++Look) {
    auto* Label = MakeComponent<TSeSkinLabel>(&Form);
    Label->SetParent(&Form);
    Label->SetBounds(10, 10, 65, 17);
    Label->SetSkinEngine(Engine);
    switch (Look) {
    case 0:
      Label->SetCaption("Plain text");
      break;
    case 1:
    case 2:
      Label->SetAutoSize(false);
      Label->SetBounds(10, 10, 80, 34);
      Label->SetAlignment(Look == 1 ? TAlignment::taRightJustify : TAlignment::taCenter);
      Label->SetLayout(Look == 1 ? tlBottom : tlCenter);
      Label->SetCaption(Look == 1 ? "Right" : "Centre");
      break;
    case 3:
      Label->SetAutoSize(false);
      Label->SetBounds(10, 10, 60, 17);
      Label->SetWordWrap(true);
      Label->SetAutoSize(true);
      Label->SetCaption("Words that wrap here");
      break;
    case 4:
      Label->SetCaption("&Accelerator");
      break;
    case 5:
      Label->SetCaption("Disabled");
      Label->SetEnabled(false);
      break;
    default:
      Label->SetCaption("Opaque");
      Label->SetTransparent(false);
      break;
    }
    Views.push_back(Capture(Form, *Label));
    Label->Free();
  }
  return SideBySide(Views);
}

} // namespace

TControlView CheckBoxView() { return {"CheckBox", CheckBoxes}; }
TControlView GroupBoxView() { return {"GroupBox", GroupBoxes}; }
TControlView LabelView() { return {"Label", Labels}; }
