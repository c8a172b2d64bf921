#pragma once
// The main window: five pages that drive every transparency operation.

#include <windows.h>

#include <memory>

#include "app/GlobalKeys.h"
#include "controls/edit/SeSkinHotKey.h"
#include "controls/list/SeSkinSListView.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "controls/tabs/SeSkinPageControl.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/StdCtrls.h"

class TSeSkinForm;
class TSeSkinEngine;
class TSeSkinTrackBar;
class TSeSkinButton;
class TSeSkinCheckBox;
class TSeSkinGroupBox;
class TSeSkinLabel;
class TSeSkinEdit;
class TSeSkinHint;
class TDragOutline;

// The main window's layout as the build compiled it into the program's resources.
TMemoryStream StoredMainLayout();

constexpr TCursor crDragTool = 5;

class TfrmTransparentMain : public TForm {
public:
  // The window as the program stores it (its resource), or as Layout holds it.
  explicit TfrmTransparentMain(TComponent* AOwner);
  TfrmTransparentMain(TComponent* AOwner, TStream& Layout);
  std::string ClassName() const override { return "TfrmTransparentMain"; }
  // The handlers the stored layout names.
  const TMethodTable* MethodTable() const override;
  // Puts a component read from the layout in the field of its name.
  void BindField(TComponent& Component) override;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  // Asked by a second start of the program: the window back from the tray, a roll-up or
  // the task bar, and to the front.
  void ComeForward();

  // Frame and pages.
  TSeSkinEngine* SeSkinEngine1 = nullptr;
  TSeSkinForm* SeSkinForm1 = nullptr;
  // The window's hints: the first one draws them, the second stays inactive.
  TSeSkinHint* SeSkinHint1 = nullptr;
  TSeSkinHint* SeSkinHint2 = nullptr;
  TSeSkinPageControl* SeSkinPageControl1 = nullptr;
  TSeCustomTabSheet* tsOperate = nullptr;
  TSeCustomTabSheet* tsWindowsList = nullptr;
  TSeCustomTabSheet* tsDragOperate = nullptr;
  TSeCustomTabSheet* tsSettings = nullptr;
  TSeCustomTabSheet* tsAbout = nullptr;
  // Page 0.
  TSeSkinButton* btnTransparent = nullptr;
  TSeSkinGroupBox* SeSkinGroupBox5 = nullptr;
  TImage* Image3 = nullptr;
  TSeSkinLabel* SeSkinLabel1 = nullptr;
  TSeSkinButton* btnOpacity = nullptr;
  TSeSkinGroupBox* SeSkinGroupBox6 = nullptr;
  TImage* Image2 = nullptr;
  TSeSkinLabel* SeSkinLabel2 = nullptr;
  // Page 1.
  TSeSkinLabel* SeSkinLabel12 = nullptr;
  TSeSkinButton* btnRefresh = nullptr;
  TSeSkinButton* btnMakeTransparent = nullptr;
  TSeSkinButton* btnMakeOpacity = nullptr;
  TSeSkinSListView* lvList = nullptr;
  TSeSkinButton* btnCheckAll = nullptr;
  TSeSkinButton* btnUnCheckall = nullptr;
  // Page 2.
  TBevel* bvl1 = nullptr;
  TBevel* bvl2 = nullptr;
  TPanel* pnlDrag = nullptr;
  TImage* img1 = nullptr;
  TSeSkinLabel* SeSkinLabel4 = nullptr;
  TPanel* Panel1 = nullptr;
  TImage* img2 = nullptr;
  TSeSkinLabel* SeSkinLabel11 = nullptr;
  TSeSkinLabel* edtText = nullptr;
  TSeSkinEdit* edtCaption = nullptr;
  TSeSkinLabel* SeSkinLabel14 = nullptr;
  TSeSkinEdit* edtClass = nullptr;
  TSeSkinCheckBox* chkIsTransparent = nullptr;
  // Page 3.
  TSeSkinGroupBox* SeSkinGroupBox1 = nullptr;
  TSeSkinCheckBox* chkStart = nullptr;
  TSeSkinCheckBox* chkNewWindow = nullptr;
  TSeSkinCheckBox* chkClose = nullptr;
  TSeSkinCheckBox* chkAutoStart = nullptr;
  TSeSkinGroupBox* SeSkinGroupBox2 = nullptr;
  TSeSkinTrackBar* tbTransparency = nullptr;
  TSeSkinLabel* lblTransparency = nullptr;
  // Page 4.
  TSeSkinGroupBox* SeSkinGroupBox3 = nullptr;
  TImage* imgBanner = nullptr;
  TSeSkinGroupBox* SeSkinGroupBox4 = nullptr;
  TSeSkinLabel* lblVersion = nullptr;
  TSeSkinLabel* lblNotice = nullptr;
  // Page 5: a field for each desktop-wide key, and beside it whether another program holds it.
  TSeCustomTabSheet* tsShortcuts = nullptr;
  TSeSkinGroupBox* gbShortcuts = nullptr;
  TSeSkinLabel* lblIncreaseKey = nullptr;
  TSeSkinHotKey* hkIncrease = nullptr;
  TSeSkinLabel* lblIncreaseTaken = nullptr;
  TSeSkinLabel* lblDecreaseKey = nullptr;
  TSeSkinHotKey* hkDecrease = nullptr;
  TSeSkinLabel* lblDecreaseTaken = nullptr;
  TSeSkinLabel* lblTransparentKey = nullptr;
  TSeSkinHotKey* hkTransparent = nullptr;
  TSeSkinLabel* lblTransparentTaken = nullptr;
  TSeSkinLabel* lblOpacityKey = nullptr;
  TSeSkinHotKey* hkOpacity = nullptr;
  TSeSkinLabel* lblOpacityTaken = nullptr;
  TSeSkinLabel* lblShortcutsHelp = nullptr;

  // The direction of the next sort of the windows list.
  bool SortAscending = false;
  // The drag tool's state.
  RECT OldRect{};
  RECT NewRect{};
  HWND PickedWindow = nullptr;
  // The desktop-wide keys of "Status.cfg", from FormCreate to FormDestroy.
  TGlobalKeys* GlobalKeys() const { return FGlobalKeys.get(); }

  // Event handlers.
  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void SeSkinPageControl1Change(TObject* Sender);
  void btnTransparentClick(TObject* Sender);
  void btnOpacityClick(TObject* Sender);
  void btnRefreshClick(TObject* Sender);
  void btnMakeTransparentClick(TObject* Sender);
  void btnMakeOpacityClick(TObject* Sender);
  void btnCheckAllClick(TObject* Sender);
  void btnUnCheckallClick(TObject* Sender);
  void lvListColumnClick(TObject* Sender, TListColumn* Column);
  void lvListCompare(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare);
  void pnlDragMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void pnlDragMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Panel1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Panel1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void pnlDragMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void chkStartClick(TObject* Sender);
  void chkNewWindowClick(TObject* Sender);
  void chkCloseClick(TObject* Sender);
  void chkAutoStartClick(TObject* Sender);
  void tbTransparencyChange(TObject* Sender);

private:
  // Reads the layout: the controls, their properties and their events.
  void CreateLayout(TStream& Layout);
  void ApplyToChecked(bool ToTransparent);
  HWND TopLevelWindowOf(HWND Wnd);
  void DrawFrame();
  // Each row's "Status" as its entry now stands; called after every action that may make a
  // managed window transparent or opaque.
  void ShowListStatus();
  // "Is Transparent" for the picked window as it now stands.
  void ShowPickedState();
  void WMHookNotify(WPARAM WParam, LPARAM LParam);
  // What dropping the upper (lower) drag target on a window does; the keys do the same.
  void MakeTransparent(HWND Wnd);
  void MakeOpaque(HWND Wnd);
  // A desktop-wide key was pressed.
  void GlobalKeyPressed(TGlobalAction Action);
  // The shared level as the slider would set it: the slider, its percentage, every managed
  // window and the settings file follow.
  void SetLevel(int32_t Level);
  // The field of an action's key and the label that marks it taken.
  TSeSkinHotKey* KeyField(TGlobalAction Action) const;
  TSeSkinLabel* TakenLabel(TGlobalAction Action) const;
  // The Shortcuts page as the keys stand.
  void ShowKeys();
  // A field's combination: refused when another action has it; else kept and taken.
  void KeyFieldAccept(TGlobalAction Action, int ShortCut, bool& Accept);
  void KeyFieldChange(TGlobalAction Action);

  // The drag tool's outline, from FormCreate on; owned by the form.
  TDragOutline* FOutline = nullptr;
  std::unique_ptr<TGlobalKeys> FGlobalKeys;
};
