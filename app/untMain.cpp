#include "app/untMain.h"

#include "app/DragOutline.h"
#include "app/EnumrateWindow.h"
#include "app/RunningCopy.h"
#include "app/TransparentMgr.h"
#include "controls/buttons/SeSkinButton.h"
#include "controls/buttons/SeSkinCheckBox.h"
#include "controls/edit/SeSkinEdit.h"
#include "controls/frame/SeSkinForm.h"
#include "controls/labels/SeSkinLabel.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "hook/Hook.h"
#include "toolkit/AnsiText.h"

// The table of private messages is portable and so spells this one as a number.
static_assert(WM_LAUNCHSENTINEL == WM_APP + 1);

TfrmTransparentMain::TfrmTransparentMain(TComponent* AOwner) : TForm(AOwner) {
  TMemoryStream Layout = StoredMainLayout();
  CreateLayout(Layout);
}

TfrmTransparentMain::TfrmTransparentMain(TComponent* AOwner, TStream& Layout) : TForm(AOwner) {
  CreateLayout(Layout);
}

LRESULT TfrmTransparentMain::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_HOOKNOTIFY:
    WMHookNotify(WParam, LParam);
    return 0;
  case WM_LAUNCHSENTINEL:
    TransparentManager->LaunchSentinel();
    return 0;
  case WM_HOTKEY:
    if (const auto Action = TGlobalKeys::ActionOf(WParam)) {
      GlobalKeyPressed(*Action);
      return 0;
    }
    return TForm::WndProc(Msg, WParam, LParam);
  case WM_SYSCOMMAND:
    // Swallowed: the frame carries out the commands it knows.
    return 0;
  default:
    if (Msg == TRunningCopy::ComeForwardMessage()) {
      ComeForward();
      return 0;
    }
    return TForm::WndProc(Msg, WParam, LParam);
  }
}

void TfrmTransparentMain::ComeForward() {
  // From the tray, rolled up or minimised the window comes back; maximised it stays so.
  const TSeWindowState State = SeSkinForm1->WindowState();
  if (State == qwsTray || State == qwsRollup || State == qwsMinimized)
    SeSkinForm1->Restore();
  SetForegroundWindow(Handle());
}

void TfrmTransparentMain::WMHookNotify(WPARAM WParam, LPARAM LParam) {
  switch (LParam) {
  case HOOK_WINDOWSHOWN:
    // Reports may still be queued from before the option was switched off.
    if (TransparentManager->TransparentNewWindow()) {
      TransparentManager->TransparentWindow(reinterpret_cast<HWND>(WParam));
      ShowListStatus();
    }
    break;
  case HOOK_WINDOWDESTROYED:
    TransparentManager->RemoveDeadWindows();
    break;
  default:
    break;
  }
}

void TfrmTransparentMain::FormCreate(TObject*) {
  TransparentManager->SetNotifyWindow(Handle());
  // Handled once the window has shown: the sentinel's start does not slow the window's.
  PostMessageW(Handle(), WM_LAUNCHSENTINEL, 0, 0);
  SeSkinPageControl1->SetActivePageIndex(0);
  Screen->SetCursors(crDragTool, LoadCursorA(GetModuleHandleA(nullptr), "DRAG"));
  FOutline = MakeComponent<TDragOutline>(this);
  FGlobalKeys = std::make_unique<TGlobalKeys>(Handle());
  for (int I = 0; I < GlobalActionCount; ++I) {
    const auto Action = static_cast<TGlobalAction>(I);
    FGlobalKeys->Set(Action, TransparentManager->GlobalKey(Action));
    KeyField(Action)->OnAccept = [this, Action](TObject*, int ShortCut, bool& Accept) {
      KeyFieldAccept(Action, ShortCut, Accept);
    };
    KeyField(Action)->OnChange = [this, Action](TObject*) { KeyFieldChange(Action); };
    // While a field has the keyboard, the keys are its own to take, the set ones included.
    KeyField(Action)->OnEnter = [this](TObject*) { FGlobalKeys->Suspend(); };
    KeyField(Action)->OnExit = [this](TObject*) { FGlobalKeys->Resume(); };
  }
  ShowKeys();
}

void TfrmTransparentMain::FormDestroy(TObject*) {
  FGlobalKeys.reset();
  // Gone with the window even when it goes in the middle of a drag.
  if (FOutline)
    FOutline->Surround({});
}

void TfrmTransparentMain::SeSkinPageControl1Change(TObject*) {
  const TSeCustomTabSheet* Page = SeSkinPageControl1->ActivePage();
  if (Page && Page == tsWindowsList) {
    TransparentManager->FillListView(lvList);
  } else if (Page && Page == tsShortcuts) {
    FGlobalKeys->Retry(); // a key freed meanwhile is taken now
    ShowKeys();
  } else if (Page && Page == tsSettings) {
    chkStart->SetChecked(TransparentManager->TransparentStart());
    chkNewWindow->SetChecked(TransparentManager->TransparentNewWindow());
    chkClose->SetChecked(TransparentManager->OpacityOnClose());
    chkAutoStart->SetChecked(TransparentManager->AutoStart());
    tbTransparency->SetPosition(TransparentManager->Transparency());
  }
}

void TfrmTransparentMain::btnTransparentClick(TObject*) {
  Screen->SetCursor(crHourGlass);
  SetEnabled(false);
  TransparentManager->TransparentAll();
  SetEnabled(true);
  Screen->SetCursor(crDefault);
  TEnumrate::EnumAllWindows();
  ShowListStatus();
}

void TfrmTransparentMain::btnOpacityClick(TObject*) {
  Screen->SetCursor(crHourGlass);
  SetEnabled(false);
  TransparentManager->OpacityAll();
  SetEnabled(true);
  Screen->SetCursor(crDefault);
  ShowListStatus();
}

void TfrmTransparentMain::btnRefreshClick(TObject*) {
  Screen->SetCursor(crHourGlass);
  TransparentManager->RemoveDeadWindows();
  TransparentManager->FillListView(lvList);
  Screen->SetCursor(crDefault);
}

void TfrmTransparentMain::btnMakeTransparentClick(TObject*) { ApplyToChecked(true); }

void TfrmTransparentMain::btnMakeOpacityClick(TObject*) { ApplyToChecked(false); }

void TfrmTransparentMain::ApplyToChecked(bool ToTransparent) {
  const int Count = lvList->ItemCount();
  for (int I = 0; I < Count; ++I) {
    TListItem* Row = lvList->Items(I);
    auto* Entry = static_cast<TTransparentItem*>(Row->Data);
    if (!Row->Checked() || !Entry)
      continue;
    if (ToTransparent)
      Entry->MakeTransparent(TransparentManager->Alpha());
    else
      Entry->MakeOpacity();
  }
  ShowListStatus();
}

void TfrmTransparentMain::ShowListStatus() {
  for (int I = 0; I < lvList->ItemCount(); ++I) {
    TListItem* Row = lvList->Items(I);
    const auto* Entry = static_cast<const TTransparentItem*>(Row->Data);
    if (Entry && !Row->SubItems().empty() && Row->SubItems()[0] != Entry->StatusText())
      Row->SetSubItem(0, Entry->StatusText());
  }
}

void TfrmTransparentMain::ShowPickedState() {
  chkIsTransparent->SetChecked(TransparentManager->IsTransparentWindow(PickedWindow));
}

void TfrmTransparentMain::btnCheckAllClick(TObject*) {
  for (int I = 0; I < lvList->ItemCount(); ++I)
    lvList->Items(I)->SetChecked(true);
}

void TfrmTransparentMain::btnUnCheckallClick(TObject*) {
  for (int I = 0; I < lvList->ItemCount(); ++I)
    lvList->Items(I)->SetChecked(false);
}

void TfrmTransparentMain::lvListColumnClick(TObject*, TListColumn* Column) {
  lvList->CustomSort(Column->Index());
  SortAscending = !SortAscending;
}

void TfrmTransparentMain::lvListCompare(TObject*, TListItem* Item1, TListItem* Item2, int Data,
                                        int& Compare) {
  const auto Text = [Data](const TListItem* Item) -> std::string {
    if (Data == 0)
      return Item->Caption();
    const auto& Sub = Item->SubItems();
    return Data - 1 < static_cast<int>(Sub.size()) ? Sub[Data - 1] : std::string();
  };
  Compare = AnsiCompareText(Text(Item1), Text(Item2));
  if (!SortAscending)
    Compare = -Compare;
}

void TfrmTransparentMain::pnlDragMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  img1->Picture().LoadFromFile("DragOn.bmp");
  Screen->SetCursor(crDragTool);
}

void TfrmTransparentMain::Panel1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  img2->Picture().LoadFromFile("DragOn.bmp");
  Screen->SetCursor(crDragTool);
}

void TfrmTransparentMain::pnlDragMouseMove(TObject*, TShiftState, int, int) {
  POINT Pointer;
  GetCursorPos(&Pointer);
  PickedWindow = TopLevelWindowOf(WindowFromPoint(Pointer));
  edtCaption->SetText(WindowText(ReadWindowTitle(PickedWindow)));
  edtClass->SetText(WindowText(ReadWindowClassName(PickedWindow)));
  ShowPickedState();
  GetWindowRect(PickedWindow, &NewRect); // fails for none, leaving NewRect as it was
  DrawFrame();
}

void TfrmTransparentMain::pnlDragMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  Screen->SetCursor(crDefault);
  img1->Picture().LoadFromFile("DragOff.bmp");
  NewRect = {};
  DrawFrame();
  MakeTransparent(PickedWindow);
}

void TfrmTransparentMain::Panel1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  Screen->SetCursor(crDefault);
  img2->Picture().LoadFromFile("DragOff.bmp");
  NewRect = {};
  DrawFrame();
  MakeOpaque(PickedWindow);
}

void TfrmTransparentMain::MakeTransparent(HWND Wnd) {
  TransparentManager->TransparentWindow(Wnd);
  ShowPickedState();
  ShowListStatus();
}

void TfrmTransparentMain::MakeOpaque(HWND Wnd) {
  // A managed window stays managed, but its entry, and so its row, says it is opaque now.
  if (TTransparentItem* Entry = TransparentManager->FindItem(Wnd))
    Entry->MakeOpacity();
  else
    TTransparentItem::OpacityWindow(Wnd);
  ShowPickedState();
  ShowListStatus();
}

HWND TfrmTransparentMain::TopLevelWindowOf(HWND Wnd) {
  while (GetWindowLongA(Wnd, GWL_STYLE) & WS_CHILD)
    Wnd = GetParent(Wnd);
  // Mirevan's own windows (this one, its menus, hints, outline) are never picked.
  return TransparentManager->IsOwnWindow(Wnd) ? nullptr : Wnd;
}

void TfrmTransparentMain::DrawFrame() {
  if (EqualRect(&OldRect, &NewRect))
    return;
  FOutline->Surround(NewRect);
  OldRect = NewRect;
}

void TfrmTransparentMain::chkStartClick(TObject*) {
  TransparentManager->SetTransparentStart(chkStart->Checked());
}

void TfrmTransparentMain::chkNewWindowClick(TObject*) {
  TransparentManager->SetTransparentNewWindow(chkNewWindow->Checked());
}

void TfrmTransparentMain::chkCloseClick(TObject*) {
  TransparentManager->SetOpacityOnClose(chkClose->Checked());
}

void TfrmTransparentMain::chkAutoStartClick(TObject*) {
  TransparentManager->SetAutoStart(chkAutoStart->Checked());
}

void TfrmTransparentMain::GlobalKeyPressed(TGlobalAction Action) {
  if (Action == TGlobalAction::gaIncrease || Action == TGlobalAction::gaDecrease) {
    SetLevel(KeyedLevel(TransparentManager->Transparency(), Action));
    return;
  }
  // The window the user works in, never one of Mirevan's own, as if a drag target were
  // dropped on it.
  const HWND Wnd = GetForegroundWindow();
  if (!Wnd || TransparentManager->IsOwnWindow(Wnd))
    return;
  if (Action == TGlobalAction::gaTransparent)
    MakeTransparent(Wnd);
  else
    MakeOpaque(Wnd);
}

TSeSkinHotKey* TfrmTransparentMain::KeyField(TGlobalAction Action) const {
  const std::array<TSeSkinHotKey*, GlobalActionCount> Fields{hkIncrease, hkDecrease,
                                                             hkTransparent, hkOpacity};
  return Fields[static_cast<size_t>(Action)];
}

TSeSkinLabel* TfrmTransparentMain::TakenLabel(TGlobalAction Action) const {
  const std::array<TSeSkinLabel*, GlobalActionCount> Labels{
      lblIncreaseTaken, lblDecreaseTaken, lblTransparentTaken, lblOpacityTaken};
  return Labels[static_cast<size_t>(Action)];
}

void TfrmTransparentMain::ShowKeys() {
  for (int I = 0; I < GlobalActionCount; ++I) {
    const auto Action = static_cast<TGlobalAction>(I);
    KeyField(Action)->SetShortCut(FGlobalKeys->ShortCut(Action)); // no change to take
    TakenLabel(Action)->SetCaption(FGlobalKeys->Taken(Action) ? "Taken" : "");
  }
}

void TfrmTransparentMain::KeyFieldAccept(TGlobalAction Action, int ShortCut, bool& Accept) {
  for (int I = 0; I < GlobalActionCount; ++I)
    if (static_cast<TGlobalAction>(I) != Action && ShortCut != 0 &&
        FGlobalKeys->ShortCut(static_cast<TGlobalAction>(I)) == ShortCut)
      Accept = false;
}

void TfrmTransparentMain::KeyFieldChange(TGlobalAction Action) {
  const int ShortCut = KeyField(Action)->ShortCut();
  if (ShortCut == FGlobalKeys->ShortCut(Action))
    return;
  FGlobalKeys->Set(Action, ShortCut);
  TransparentManager->SetGlobalKey(Action, static_cast<uint16_t>(ShortCut));
  TakenLabel(Action)->SetCaption(FGlobalKeys->Taken(Action) ? "Taken" : "");
}

void TfrmTransparentMain::SetLevel(int32_t Level) {
  if (tbTransparency->Position() != Level)
    tbTransparency->SetPosition(Level); // its change handler does the rest
  else
    tbTransparencyChange(tbTransparency);
}

void TfrmTransparentMain::tbTransparencyChange(TObject*) {
  const int Position = tbTransparency->Position();
  lblTransparency->SetCaption(std::to_string(Position * 100 / 255) + " %");
  TransparentManager->SetTransparency(Position);
  ShowListStatus();
}
