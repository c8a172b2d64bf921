// The main window from its stored layout, read from the program's resources: each component
// put in the field of its name as it is read, and the handlers offered by name.

#include "app/untMain.h"
#include "controls/buttons/SeSkinButton.h"
#include "controls/buttons/SeSkinCheckBox.h"
#include "controls/edit/SeSkinEdit.h"
#include "controls/frame/SeSkinForm.h"
#include "controls/hint/SeSkinHint.h"
#include "controls/labels/SeSkinGroupBox.h"
#include "controls/labels/SeSkinLabel.h"
#include "controls/list/SeSkinSListView.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "skin/SkinEngine.h"
#include "toolkit/Methods.h"
#include "toolkit/Streams.h"
#include "toolkit/SysUtils.h"

#include <functional>
#include <vector>

// The layout the build compiled into the program (raw data named after the form's class).
TMemoryStream StoredMainLayout() {
  const HMODULE Module = GetModuleHandleW(nullptr);
  const HRSRC Info = FindResourceW(Module, L"TFRMTRANSPARENTMAIN", MAKEINTRESOURCEW(10));
  const HGLOBAL Data = Info ? LoadResource(Module, Info) : nullptr;
  const auto* Bytes = Data ? static_cast<const uint8_t*>(LockResource(Data)) : nullptr;
  if (!Bytes)
    throw EReadError("The main window's layout is missing from the program");
  return TMemoryStream(std::vector<uint8_t>(Bytes, Bytes + SizeofResource(Module, Info)));
}

const TMethodTable* TfrmTransparentMain::MethodTable() const {
  using C = TfrmTransparentMain;
  static const TMethodTable Table({
      Method("FormCreate", &C::FormCreate),
      Method("FormDestroy", &C::FormDestroy),
      Method("SeSkinPageControl1Change", &C::SeSkinPageControl1Change),
      Method("btnTransparentClick", &C::btnTransparentClick),
      Method("btnOpacityClick", &C::btnOpacityClick),
      Method("btnRefreshClick", &C::btnRefreshClick),
      Method("btnMakeTransparentClick", &C::btnMakeTransparentClick),
      Method("btnMakeOpacityClick", &C::btnMakeOpacityClick),
      Method("btnCheckAllClick", &C::btnCheckAllClick),
      Method("btnUnCheckallClick", &C::btnUnCheckallClick),
      Method("lvListColumnClick", &C::lvListColumnClick),
      Method("lvListCompare", &C::lvListCompare),
      Method("pnlDragMouseDown", &C::pnlDragMouseDown),
      Method("pnlDragMouseUp", &C::pnlDragMouseUp),
      Method("pnlDragMouseMove", &C::pnlDragMouseMove),
      Method("Panel1MouseDown", &C::Panel1MouseDown),
      Method("Panel1MouseUp", &C::Panel1MouseUp),
      Method("chkStartClick", &C::chkStartClick),
      Method("chkNewWindowClick", &C::chkNewWindowClick),
      Method("chkCloseClick", &C::chkCloseClick),
      Method("chkAutoStartClick", &C::chkAutoStartClick),
      Method("tbTransparencyChange", &C::tbTransparencyChange),
  });
  return &Table;
}

namespace {

// A field of the window and how a component read under its name is put there: false when the
// component is not of the field's class.
struct TFieldEntry {
  const char* Name;
  std::function<bool(TfrmTransparentMain&, TComponent&)> Bind;
  std::function<bool(const TfrmTransparentMain&)> Bound;
};

template <class T> TFieldEntry Field(const char* Name, T* TfrmTransparentMain::*Member) {
  return {Name,
          [Member](TfrmTransparentMain& Form, TComponent& Component) {
            Form.*Member = dynamic_cast<T*>(&Component);
            return Form.*Member != nullptr;
          },
          [Member](const TfrmTransparentMain& Form) { return Form.*Member != nullptr; }};
}

[[noreturn]] void Missing(const char* Name) {
  throw EReadError(std::string("The main window's layout has no ") + Name + " of its kind");
}

const std::vector<TFieldEntry>& Fields() {
#define MIREVAN_FIELD(Name) Field(#Name, &TfrmTransparentMain::Name)
  static const std::vector<TFieldEntry> Entries{
      MIREVAN_FIELD(SeSkinEngine1),
      MIREVAN_FIELD(SeSkinForm1),
      MIREVAN_FIELD(SeSkinHint1),
      MIREVAN_FIELD(SeSkinHint2),
      MIREVAN_FIELD(SeSkinPageControl1),
      MIREVAN_FIELD(tsOperate),
      MIREVAN_FIELD(tsWindowsList),
      MIREVAN_FIELD(tsDragOperate),
      MIREVAN_FIELD(tsSettings),
      MIREVAN_FIELD(tsAbout),
      MIREVAN_FIELD(btnTransparent),
      MIREVAN_FIELD(SeSkinGroupBox5),
      MIREVAN_FIELD(Image3),
      MIREVAN_FIELD(SeSkinLabel1),
      MIREVAN_FIELD(btnOpacity),
      MIREVAN_FIELD(SeSkinGroupBox6),
      MIREVAN_FIELD(Image2),
      MIREVAN_FIELD(SeSkinLabel2),
      MIREVAN_FIELD(SeSkinLabel12),
      MIREVAN_FIELD(btnRefresh),
      MIREVAN_FIELD(btnMakeTransparent),
      MIREVAN_FIELD(btnMakeOpacity),
      MIREVAN_FIELD(lvList),
      MIREVAN_FIELD(btnCheckAll),
      MIREVAN_FIELD(btnUnCheckall),
      MIREVAN_FIELD(bvl1),
      MIREVAN_FIELD(bvl2),
      MIREVAN_FIELD(pnlDrag),
      MIREVAN_FIELD(img1),
      MIREVAN_FIELD(SeSkinLabel4),
      MIREVAN_FIELD(Panel1),
      MIREVAN_FIELD(img2),
      MIREVAN_FIELD(SeSkinLabel11),
      MIREVAN_FIELD(edtText),
      MIREVAN_FIELD(edtCaption),
      MIREVAN_FIELD(SeSkinLabel14),
      MIREVAN_FIELD(edtClass),
      MIREVAN_FIELD(chkIsTransparent),
      MIREVAN_FIELD(SeSkinGroupBox1),
      MIREVAN_FIELD(chkStart),
      MIREVAN_FIELD(chkNewWindow),
      MIREVAN_FIELD(chkClose),
      MIREVAN_FIELD(chkAutoStart),
      MIREVAN_FIELD(SeSkinGroupBox2),
      MIREVAN_FIELD(tbTransparency),
      MIREVAN_FIELD(lblTransparency),
      MIREVAN_FIELD(SeSkinGroupBox3),
      MIREVAN_FIELD(imgBanner),
      MIREVAN_FIELD(SeSkinGroupBox4),
      MIREVAN_FIELD(lblVersion),
      MIREVAN_FIELD(lblNotice),
      MIREVAN_FIELD(tsShortcuts),
      MIREVAN_FIELD(gbShortcuts),
      MIREVAN_FIELD(lblIncreaseKey),
      MIREVAN_FIELD(hkIncrease),
      MIREVAN_FIELD(lblIncreaseTaken),
      MIREVAN_FIELD(lblDecreaseKey),
      MIREVAN_FIELD(hkDecrease),
      MIREVAN_FIELD(lblDecreaseTaken),
      MIREVAN_FIELD(lblTransparentKey),
      MIREVAN_FIELD(hkTransparent),
      MIREVAN_FIELD(lblTransparentTaken),
      MIREVAN_FIELD(lblOpacityKey),
      MIREVAN_FIELD(hkOpacity),
      MIREVAN_FIELD(lblOpacityTaken),
      MIREVAN_FIELD(lblShortcutsHelp),
  };
#undef MIREVAN_FIELD
  return Entries;
}

} // namespace

void TfrmTransparentMain::BindField(TComponent& Component) {
  for (const TFieldEntry& Entry : Fields())
    if (SameText(Entry.Name, Component.Name())) {
      if (!Entry.Bind(*this, Component))
        Missing(Entry.Name);
      return;
    }
}

void TfrmTransparentMain::CreateLayout(TStream& Layout) {
  ReadLayout(Layout);
  for (const TFieldEntry& Entry : Fields())
    if (!Entry.Bound(*this))
      Missing(Entry.Name);
}
