// Library start: every component class that stored layouts may name, the library's own and
// the toolkit's plain ones, made by that name when a layout is read. They are registered in
// one place so that a program that reads layouts finds them all, whichever of them its own
// code uses.

#include "controls/classes/LayoutClasses.h"

#include "controls/buttons/SeSkinButton.h"
#include "controls/buttons/SeSkinCheckBox.h"
#include "controls/edit/SeSkinEdit.h"
#include "controls/edit/SeSkinHotKey.h"
#include "controls/frame/SeCustomForm.h"
#include "controls/frame/SeSkinForm.h"
#include "controls/hint/SeCustomHint.h"
#include "controls/hint/SeSkinHint.h"
#include "controls/labels/SeSkinGroupBox.h"
#include "controls/labels/SeSkinLabel.h"
#include "controls/list/SeSkinSListView.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SeSkinItem.h"
#include "controls/menu/SeSkinPopupMenu.h"
#include "controls/scroll/SeSkinScrollBar.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "controls/tabs/SeSkinPageControl.h"
#include "controls/tabs/SeSkinTabControl.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "skin/SkinEngine.h"
#include "toolkit/Bevel.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"

namespace {

const bool GRegistered = [] {
  // The toolkit's plain components.
  RegisterComponentClass<TPanel>("TPanel");
  RegisterComponentClass<TImage>("TImage");
  RegisterComponentClass<TBevel>("TBevel");
  RegisterComponentClass<TLabel>("TLabel");
  RegisterComponentClass<TTimer>("TTimer");
  RegisterComponentClass<TListView>("TListView");
  // The skin's components, and the skins a skin list stores with a form.
  RegisterComponentClass<TSeSkinEngine>("TSeSkinEngine");
  RegisterComponentClass<TSeSkinList>("TSeSkinList");
  RegisterPersistentClass<TSeSkinStream>();
  // Form frames and hints.
  RegisterComponentClass<TSeCustomForm>("TSeCustomForm");
  RegisterComponentClass<TSeSkinForm>("TSeSkinForm");
  RegisterComponentClass<TSeCustomHint>("TSeCustomHint");
  RegisterComponentClass<TSeSkinHint>("TSeSkinHint");
  // Menus and their items.
  RegisterComponentClass<TSeCustomItem>("TSeCustomItem");
  RegisterComponentClass<TSeSkinItem>("TSeSkinItem");
  RegisterComponentClass<TSeCustomPopupMenu>("TSeCustomPopupMenu");
  RegisterComponentClass<TSeSkinPopupMenu>("TSeSkinPopupMenu");
  // Controls.
  RegisterComponentClass<TSeCustomButton>("TSeCustomButton");
  RegisterComponentClass<TSeSkinButton>("TSeSkinButton");
  RegisterComponentClass<TSeCustomCheckBox>("TSeCustomCheckBox");
  RegisterComponentClass<TSeSkinCheckBox>("TSeSkinCheckBox");
  RegisterComponentClass<TSeCustomGroupBox>("TSeCustomGroupBox");
  RegisterComponentClass<TSeSkinGroupBox>("TSeSkinGroupBox");
  RegisterComponentClass<TSeCustomLabel>("TSeCustomLabel");
  RegisterComponentClass<TSeSkinLabel>("TSeSkinLabel");
  RegisterComponentClass<TSeCustomTrackBar>("TSeCustomTrackBar");
  RegisterComponentClass<TSeSkinTrackBar>("TSeSkinTrackBar");
  RegisterComponentClass<TSeCustomEdit>("TSeCustomEdit");
  RegisterComponentClass<TSeSkinEdit>("TSeSkinEdit");
  RegisterComponentClass<TSeSkinHotKey>("TSeSkinHotKey");
  RegisterComponentClass<TSeCustomListView>("TSeCustomListView");
  RegisterComponentClass<TSeSkinSListView>("TSeSkinSListView");
  RegisterComponentClass<TSeCustomTabControl>("TSeCustomTabControl");
  RegisterComponentClass<TSeCustomTabSheet>("TSeCustomTabSheet");
  RegisterComponentClass<TSeSkinTabControl>("TSeSkinTabControl");
  RegisterComponentClass<TSeSkinPageControl>("TSeSkinPageControl");
  RegisterComponentClass<TSeCustomScrollBar>("TSeCustomScrollBar");
  RegisterComponentClass<TSeSkinScrollBar>("TSeSkinScrollBar");
  return true;
}();

} // namespace

extern "C" const bool MirevanControlClassesRegistered = GRegistered;
