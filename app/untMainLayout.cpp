// How the main window is put together: every control with its name, caption, hint, bounds
// and events.

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
#include "gfx/Effects.h"
#include "skin/SkinEngine.h"

namespace {

template <class T>
T* Place(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width,
         int Height) {
  T* Control = MakeComponent<T>(Owner);
  Control->SetName(Name);
  Control->SetParent(Parent);
  Control->SetBounds(Left, Top, Width, Height);
  return Control;
}

// A label sized to its text; Engine null: drawn plainly.
TSeSkinLabel* PlaceLabel(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                         int Top, const std::string& Caption, TSeSkinEngine* Engine) {
  auto* Label = Place<TSeSkinLabel>(Owner, Parent, Name, Left, Top, 0, 0);
  Label->SetCaption(Caption);
  Label->SetSkinEngine(Engine);
  return Label;
}

TSeSkinLabel* PlaceWrappedLabel(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                                int Top, int Width, int Height, const std::string& Caption,
                                TSeSkinEngine* Engine) {
  auto* Label = Place<TSeSkinLabel>(Owner, Parent, Name, Left, Top, Width, Height);
  Label->SetAutoSize(false);
  Label->SetWordWrap(true);
  Label->SetCaption(Caption);
  Label->SetSkinEngine(Engine);
  return Label;
}

// A group box; without a caption it is a see-through frame drawn plainly (Engine null).
TSeSkinGroupBox* PlaceGroupBox(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                               int Top, int Width, int Height, const std::string& Caption,
                               TSeSkinEngine* Engine) {
  auto* Group = Place<TSeSkinGroupBox>(Owner, Parent, Name, Left, Top, Width, Height);
  Group->SetCaption(Caption);
  Group->SetTransparent(Caption.empty());
  Group->SetSkinEngine(Engine);
  return Group;
}

// A push button of the window's: skinned, double-buffered.
TSeSkinButton* PlaceButton(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                           int Top, int Width, const std::string& Caption, const std::string& Hint,
                           TSeSkinEngine* Engine) {
  auto* Button = Place<TSeSkinButton>(Owner, Parent, Name, Left, Top, Width, 23);
  Button->SetCaption(Caption);
  Button->SetHint(Hint);
  Button->SetPerformance(qzpDoubleBuffer);
  Button->SetSkinEngine(Engine);
  return Button;
}

TSeSkinCheckBox* PlaceCheckBox(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                               int Top, int Width, const std::string& Caption,
                               const std::string& Hint, TSeSkinEngine* Engine) {
  auto* Box = Place<TSeSkinCheckBox>(Owner, Parent, Name, Left, Top, Width, 20);
  Box->SetCaption(Caption);
  Box->SetHint(Hint);
  Box->SetSkinEngine(Engine);
  return Box;
}

// A display-only edit of the drag page: 352 x 23, sized to its font, single bevel, border 3.
TSeSkinEdit* PlaceDisplayEdit(TComponent* Owner, TWinControl* Parent, const char* Name, int Top,
                              const std::string& Hint, TSeSkinEngine* Engine) {
  auto* Edit = Place<TSeSkinEdit>(Owner, Parent, Name, 89, Top, 352, 23);
  Edit->SetAutoSize(true);
  Edit->SetBevelKind(qbkSingle);
  Edit->SetBevelWidth(1);
  Edit->SetBorderWidth(3);
  Edit->SetEnabled(false);
  Edit->SetHint(Hint);
  Edit->SetSkinEngine(Engine);
  return Edit;
}

TImage* PlacePicture(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                     const char* Resource) {
  auto* Image = Place<TImage>(Owner, Parent, Name, Left, Top, 0, 0);
  Image->Picture().Bitmap().LoadFromResourceName(GetModuleHandleA(nullptr), Resource);
  Image->SetBounds(Left, Top, Image->Picture().Bitmap().Width(),
                   Image->Picture().Bitmap().Height());
  return Image;
}

TSeCustomTabSheet* AddPage(TComponent* Owner, TSeSkinPageControl* Pages, const char* Name,
                           const std::string& Caption) {
  auto* Page = MakeComponent<TSeCustomTabSheet>(Owner);
  Page->SetName(Name);
  Page->SetCaption(Caption);
  Page->SetTabControl(Pages);
  return Page;
}

// The skin the program is built with, from its resources; none when they do not hold it.
void LoadBuiltInSkin(TSeSkinEngine& Engine) {
  const HMODULE Module = GetModuleHandleW(nullptr);
  const HRSRC Info = FindResourceW(Module, L"BUILTINSKIN", MAKEINTRESOURCEW(10)); // raw data
  const HGLOBAL Data = Info ? LoadResource(Module, Info) : nullptr;
  const auto* Bytes = Data ? static_cast<const uint8_t*>(LockResource(Data)) : nullptr;
  if (!Bytes)
    return;
  TMemoryStream Stream(std::vector<uint8_t>(Bytes, Bytes + SizeofResource(Module, Info)));
  Engine.ReadSkinStream(Stream);
}

} // namespace

void TfrmTransparentMain::CreateLayout() {
  SetName("frmTransparentMain");
  SetCaption("Mirevan ");
  Font().SetName("MS Sans Serif");
  Font().SetSize(8);
  SetShowHint(true);
  SetClientSize(471, 332);
  Position = TPosition::poDesktopCenter;
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnDestroy = [this](TObject* Sender) { FormDestroy(Sender); };

  SeSkinEngine1 = MakeComponent<TSeSkinEngine>(this);
  SeSkinEngine1->SetName("SeSkinEngine1");
  LoadBuiltInSkin(*SeSkinEngine1);
  SeSkinForm1 = MakeComponent<TSeSkinForm>(this);
  SeSkinForm1->SetName("SeSkinForm1");
  SeSkinForm1->SetBorderIcons(static_cast<TSeBorderIcons>(1u << qbiClose | 1u << qbiSystemMenu |
                                                          1u << qbiMinimize | 1u << qbiRollup));
  SeSkinForm1->SetPerformance(qzfpDoubleBuffer);
  SeSkinForm1->Animation().SetEnabled(true);
  SeSkinForm1->Animation().SetEffectKind(RandomEffectName);
  // The system menu and the tray menu show with the same kind of transition.
  TSeAnimation MenuAnimation;
  MenuAnimation.SetEffectKind(RandomEffectName);
  SeSkinForm1->SystemMenuOptions().SetAnimation(MenuAnimation);
  SeSkinForm1->TrayMenuOptions().SetAnimation(MenuAnimation);
  SeSkinForm1->SetSkinEngine(SeSkinEngine1);
  // Both hint components are active as laid out; loaded first, the first one takes the
  // application's hints and makes the second inactive.
  SeSkinHint1 = MakeComponent<TSeSkinHint>(this);
  SeSkinHint1->SetName("SeSkinHint1");
  SeSkinHint1->Animation().SetEnabled(true);
  SeSkinHint1->Animation().SetEffectKind(RandomEffectName);
  SeSkinHint1->SetSkinEngine(SeSkinEngine1);
  SeSkinHint2 = MakeComponent<TSeSkinHint>(this);
  SeSkinHint2->SetName("SeSkinHint2");

  SeSkinPageControl1 = Place<TSeSkinPageControl>(this, this, "SeSkinPageControl1", 0, 0, 471, 332);
  SeSkinPageControl1->SetPerformance(qzpDoubleBuffer);
  SeSkinPageControl1->SetMultiLine(true);
  SeSkinPageControl1->SetSkinEngine(SeSkinEngine1);
  SeSkinPageControl1->OnChange = [this](TObject* Sender) { SeSkinPageControl1Change(Sender); };
  tsOperate = AddPage(this, SeSkinPageControl1, "tsOperate", "Operate");
  tsWindowsList = AddPage(this, SeSkinPageControl1, "tsWindowsList", "Windows List");
  tsDragOperate = AddPage(this, SeSkinPageControl1, "tsDragOperate", "Drag Operate");
  tsSettings = AddPage(this, SeSkinPageControl1, "tsSettings", "Settings");
  tsAbout = AddPage(this, SeSkinPageControl1, "tsAbout", "About");

  // Page 0, "Operate".
  btnTransparent = PlaceButton(this, tsOperate, "btnTransparent", 16, 31, 75, "Transparent",
                               "Transparent all opened window", SeSkinEngine1);
  btnTransparent->OnClick = [this](TObject* Sender) { btnTransparentClick(Sender); };
  SeSkinGroupBox5 =
      PlaceGroupBox(this, tsOperate, "SeSkinGroupBox5", 96, 32, 353, 129, "", nullptr);
  Image3 = PlacePicture(this, SeSkinGroupBox5, "Image3", 16, 16, "OPERATETRANSPARENT");
  SeSkinLabel1 = PlaceWrappedLabel(
      this, SeSkinGroupBox5, "SeSkinLabel1", 88, 16, 249, 89,
      "    Click \"Transparent\" button  you can Transparent all opened window. Mirevan also "
      "spying new opened window, transparent it automatic.",
      SeSkinEngine1);
  btnOpacity = PlaceButton(this, tsOperate, "btnOpacity", 16, 175, 75, "Opacity",
                           "Opacity all transparenty window", SeSkinEngine1);
  btnOpacity->OnClick = [this](TObject* Sender) { btnOpacityClick(Sender); };
  SeSkinGroupBox6 =
      PlaceGroupBox(this, tsOperate, "SeSkinGroupBox6", 96, 176, 353, 129, "", nullptr);
  Image2 = PlacePicture(this, SeSkinGroupBox6, "Image2", 16, 16, "OPERATEOPACITY");
  SeSkinLabel2 = PlaceWrappedLabel(
      this, SeSkinGroupBox6, "SeSkinLabel2", 88, 16, 249, 89,
      "    Click\"Opacity\" button  you can return all opened window to original state. If you "
      "unchecked  Option(Opacity while exit application) all  window will still  transparent.",
      SeSkinEngine1);

  // Page 1, "Windows List".
  SeSkinLabel12 =
      PlaceLabel(this, tsWindowsList, "SeSkinLabel12", 16, 16, "Handled Windows List:", nullptr);
  btnRefresh = PlaceButton(this, tsWindowsList, "btnRefresh", 238, 12, 107, "Refresh",
                           "Refresh handled window list", SeSkinEngine1);
  btnRefresh->OnClick = [this](TObject* Sender) { btnRefreshClick(Sender); };
  btnMakeTransparent =
      PlaceButton(this, tsWindowsList, "btnMakeTransparent", 352, 39, 107, "Make Transparent",
                  "Transparent window which checked in list", SeSkinEngine1);
  btnMakeTransparent->OnClick = [this](TObject* Sender) { btnMakeTransparentClick(Sender); };
  btnMakeOpacity = PlaceButton(this, tsWindowsList, "btnMakeOpacity", 352, 71, 107, "Make Opacity",
                               "Opacity window which checked in list", SeSkinEngine1);
  btnMakeOpacity->OnClick = [this](TObject* Sender) { btnMakeOpacityClick(Sender); };
  lvList = Place<TSeSkinSListView>(this, tsWindowsList, "lvList", 16, 40, 329, 265);
  lvList->AddColumn("Window Text", 200);
  lvList->AddColumn("Status", 80);
  lvList->SetHint("Click column to  sort list");
  lvList->SetViewStyle(vsReport);
  lvList->SetCheckboxes(true);
  lvList->SetGridLines(true);
  lvList->SetHotTrack(true);
  lvList->SetRowSelect(true);
  lvList->SetHideSelection(false);
  lvList->SetReadOnly(true);
  lvList->BevelInner = bvNone;
  lvList->BevelOuter = bvNone;
  lvList->SetColor(0x00CECFCE); // RGB(206, 207, 206), until the skin gives its own
  lvList->SetSkinObject("ListBox");
  lvList->SetSkinHeaderObject("Header");
  lvList->SetSkinEngine(SeSkinEngine1);
  lvList->OnColumnClick = [this](TObject* Sender, TListColumn* Column) {
    lvListColumnClick(Sender, Column);
  };
  lvList->OnCompare = [this](TObject* Sender, TListItem* Item1, TListItem* Item2, int Data,
                             int& Compare) { lvListCompare(Sender, Item1, Item2, Data, Compare); };
  btnCheckAll = PlaceButton(this, tsWindowsList, "btnCheckAll", 352, 255, 107, "Check All",
                            "Check all window in list", SeSkinEngine1);
  btnCheckAll->OnClick = [this](TObject* Sender) { btnCheckAllClick(Sender); };
  btnUnCheckall = PlaceButton(this, tsWindowsList, "btnUnCheckall", 352, 279, 107, "Uncheck All",
                              "Uncheck all window in list", SeSkinEngine1);
  btnUnCheckall->OnClick = [this](TObject* Sender) { btnUnCheckallClick(Sender); };

  // Page 2, "Drag Operate".
  bvl1 = Place<TBevel>(this, tsDragOperate, "bvl1", 16, 16, 433, 89);
  bvl1->Shape = TBevelShape::bsFrame;
  bvl2 = Place<TBevel>(this, tsDragOperate, "bvl2", 16, 112, 433, 105);
  bvl2->Shape = TBevelShape::bsFrame;
  pnlDrag = Place<TPanel>(this, tsDragOperate, "pnlDrag", 32, 36, 32, 32);
  pnlDrag->BevelOuter = TPanelBevel::bvNone;
  pnlDrag->SetHint("Transparent a window by dragging over the window");
  pnlDrag->OnMouseDown = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) {
    pnlDragMouseDown(S, B, Sh, X, Y);
  };
  pnlDrag->OnMouseUp = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) {
    pnlDragMouseUp(S, B, Sh, X, Y);
  };
  pnlDrag->OnMouseMove = [this](TObject* S, TShiftState Sh, int X, int Y) {
    pnlDragMouseMove(S, Sh, X, Y);
  };
  img1 = PlacePicture(this, pnlDrag, "img1", 0, 0, "DRAGOFF");
  img1->SetEnabled(false); // the panel gets the mouse
  img1->SetHint(pnlDrag->Hint());
  SeSkinLabel4 = PlaceWrappedLabel(
      this, tsDragOperate, "SeSkinLabel4", 80, 32, 361, 65,
      "    Drag target over a window  to select it, then release  the mouse button. The window "
      "which you selected will be transparent automatic. The transparency is same as global "
      "transparency.",
      SeSkinEngine1);
  Panel1 = Place<TPanel>(this, tsDragOperate, "Panel1", 32, 131, 32, 32);
  Panel1->BevelOuter = TPanelBevel::bvNone;
  Panel1->SetHint("Opacity a window by dragging over the window");
  Panel1->OnMouseDown = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) {
    Panel1MouseDown(S, B, Sh, X, Y);
  };
  Panel1->OnMouseUp = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) {
    Panel1MouseUp(S, B, Sh, X, Y);
  };
  Panel1->OnMouseMove = pnlDrag->OnMouseMove;
  img2 = PlacePicture(this, Panel1, "img2", 0, 0, "DRAGOFF");
  img2->SetEnabled(false);
  SeSkinLabel11 = PlaceWrappedLabel(
      this, tsDragOperate, "SeSkinLabel11", 80, 128, 361, 73,
      "    Drag target over a window which is transparent to select it, then release  the mouse "
      "button. The window which you selected will be opacity automatic.",
      SeSkinEngine1);
  edtText = PlaceLabel(this, tsDragOperate, "edtText", 16, 232, "Window Text:", nullptr);
  edtCaption = PlaceDisplayEdit(this, tsDragOperate, "edtCaption", 227,
                                "Show the text of window which drag over", SeSkinEngine1);
  SeSkinLabel14 =
      PlaceLabel(this, tsDragOperate, "SeSkinLabel14", 16, 264, "Window Class:", nullptr);
  edtClass = PlaceDisplayEdit(this, tsDragOperate, "edtClass", 259,
                              "Show the class name of window which drag over", SeSkinEngine1);
  chkIsTransparent =
      PlaceCheckBox(this, tsDragOperate, "chkIsTransparent", 352, 288, 97, "Is Transparent",
                    "The window which dragged by mouse is transparent?", SeSkinEngine1);

  // Page 3, "Settings".
  SeSkinGroupBox1 = PlaceGroupBox(this, tsSettings, "SeSkinGroupBox1", 16, 16, 441, 153,
                                  "Common Settings", SeSkinEngine1);
  const auto Setting = [this](const char* Name, int Top, const std::string& Caption) {
    return PlaceCheckBox(this, SeSkinGroupBox1, Name, 16, Top, 393, Caption, Caption,
                         SeSkinEngine1);
  };
  chkStart =
      Setting("chkStart", 24, "Transparent current all opened window while run this application");
  chkStart->OnClick = [this](TObject* Sender) { chkStartClick(Sender); };
  chkNewWindow = Setting("chkNewWindow", 56, "Transparent while new window show or opened");
  chkNewWindow->OnClick = [this](TObject* Sender) { chkNewWindowClick(Sender); };
  chkClose = Setting("chkClose", 88, "Opacity all transparent window while exit application");
  chkClose->OnClick = [this](TObject* Sender) { chkCloseClick(Sender); };
  chkAutoStart = Setting("chkAutoStart", 120, "Auto start application while Windows  start");
  chkAutoStart->OnClick = [this](TObject* Sender) { chkAutoStartClick(Sender); };
  SeSkinGroupBox2 = PlaceGroupBox(this, tsSettings, "SeSkinGroupBox2", 16, 176, 441, 129,
                                  "Transparency Adjust", SeSkinEngine1);
  tbTransparency = Place<TSeSkinTrackBar>(this, SeSkinGroupBox2, "tbTransparency", 16, 72, 329, 45);
  tbTransparency->SetHint("Adjust transparency by control the progress");
  tbTransparency->SetMin(0);
  tbTransparency->SetMax(255);
  tbTransparency->SetPosition(3); // as stored: the level shows once the page is activated
  tbTransparency->SetLineSize(10);
  tbTransparency->SetPageSize(2);
  tbTransparency->SetFrequency(10);
  tbTransparency->SetTickMarks(tmBoth);
  tbTransparency->SetThumbHalfWidth(5);
  tbTransparency->SetSkinEngine(SeSkinEngine1);
  tbTransparency->OnChange = [this](TObject* Sender) { tbTransparencyChange(Sender); };
  lblTransparency = Place<TSeSkinLabel>(this, SeSkinGroupBox2, "lblTransparency", 360, 88, 65, 13);
  lblTransparency->SetAutoSize(false);
  lblTransparency->SetSkinEngine(SeSkinEngine1);

  // Page 4, "About".
  SeSkinGroupBox3 = PlaceGroupBox(this, tsAbout, "SeSkinGroupBox3", 16, 12, 441, 121, "", nullptr);
  imgBanner = PlacePicture(this, SeSkinGroupBox3, "imgBanner", 40, 12, "ABOUTBANNER");
  SeSkinGroupBox4 =
      PlaceGroupBox(this, tsAbout, "SeSkinGroupBox4", 16, 144, 441, 161, "", SeSkinEngine1);
  lblVersion =
      PlaceLabel(this, SeSkinGroupBox4, "lblVersion", 24, 28, "Mirevan V2.0012", SeSkinEngine1);
  lblVersion->Font().SetStyle(fsBold);
  lblVersion->SetParentFont(false);
  lblVersion->FontChanged();
  lblNotice = PlaceWrappedLabel(
      this, SeSkinGroupBox4, "lblNotice", 24, 60, 393, 80,
      "Mirevan makes the windows of other programs translucent, one by one or all at once.\r\n"
      "Free to use and to pass on; it changes nothing but the windows you give it.",
      SeSkinEngine1);
}
