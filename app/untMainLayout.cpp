// The main window from its stored layout: read from the program's resources, then every field
// bound to the component of its name and every handler offered by name.

#include "app/untMain.h"
#include "controls/SeSkinButton.h"
#include "controls/SeSkinCheckBox.h"
#include "controls/SeSkinEdit.h"
#include "controls/SeSkinForm.h"
#include "controls/SeSkinGroupBox.h"
#include "controls/SeSkinHint.h"
#include "controls/SeSkinLabel.h"
#include "controls/SeSkinSListView.h"
#include "controls/SeSkinTrackBar.h"
#include "skin/SkinEngine.h"
#include "toolkit/Methods.h"
#include "toolkit/Streams.h"

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

template <class T> void TfrmTransparentMain::Bind(T*& Field, const char* Name) {
  Field = dynamic_cast<T*>(FindComponent(Name));
  if (!Field)
    throw EReadError(std::string("The main window's layout has no ") + Name + " of its kind");
}

void TfrmTransparentMain::CreateLayout(TStream& Layout) {
  ReadLayout(Layout);
#define MIREVAN_BIND(Field) Bind(Field, #Field)
  MIREVAN_BIND(SeSkinEngine1);
  MIREVAN_BIND(SeSkinForm1);
  MIREVAN_BIND(SeSkinHint1);
  MIREVAN_BIND(SeSkinHint2);
  MIREVAN_BIND(SeSkinPageControl1);
  MIREVAN_BIND(tsOperate);
  MIREVAN_BIND(tsWindowsList);
  MIREVAN_BIND(tsDragOperate);
  MIREVAN_BIND(tsSettings);
  MIREVAN_BIND(tsAbout);
  MIREVAN_BIND(btnTransparent);
  MIREVAN_BIND(SeSkinGroupBox5);
  MIREVAN_BIND(Image3);
  MIREVAN_BIND(SeSkinLabel1);
  MIREVAN_BIND(btnOpacity);
  MIREVAN_BIND(SeSkinGroupBox6);
  MIREVAN_BIND(Image2);
  MIREVAN_BIND(SeSkinLabel2);
  MIREVAN_BIND(SeSkinLabel12);
  MIREVAN_BIND(btnRefresh);
  MIREVAN_BIND(btnMakeTransparent);
  MIREVAN_BIND(btnMakeOpacity);
  MIREVAN_BIND(lvList);
  MIREVAN_BIND(btnCheckAll);
  MIREVAN_BIND(btnUnCheckall);
  MIREVAN_BIND(bvl1);
  MIREVAN_BIND(bvl2);
  MIREVAN_BIND(pnlDrag);
  MIREVAN_BIND(img1);
  MIREVAN_BIND(SeSkinLabel4);
  MIREVAN_BIND(Panel1);
  MIREVAN_BIND(img2);
  MIREVAN_BIND(SeSkinLabel11);
  MIREVAN_BIND(edtText);
  MIREVAN_BIND(edtCaption);
  MIREVAN_BIND(SeSkinLabel14);
  MIREVAN_BIND(edtClass);
  MIREVAN_BIND(chkIsTransparent);
  MIREVAN_BIND(SeSkinGroupBox1);
  MIREVAN_BIND(chkStart);
  MIREVAN_BIND(chkNewWindow);
  MIREVAN_BIND(chkClose);
  MIREVAN_BIND(chkAutoStart);
  MIREVAN_BIND(SeSkinGroupBox2);
  MIREVAN_BIND(tbTransparency);
  MIREVAN_BIND(lblTransparency);
  MIREVAN_BIND(SeSkinGroupBox3);
  MIREVAN_BIND(imgBanner);
  MIREVAN_BIND(SeSkinGroupBox4);
  MIREVAN_BIND(lblVersion);
  MIREVAN_BIND(lblNotice);
#undef MIREVAN_BIND
}
