// The main window in this process, with the real controls, the real manager and windows of
// another process: each behaviour is driven through the window messages a user's action
// produces.

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <gtest/gtest.h>

#include "app/EnumrateWindow.h"
#include "app/TransparentMgr.h"
#include "app/untMain.h"
#include "controls/buttons/SeSkinButton.h"
#include "controls/buttons/SeSkinCheckBox.h"
#include "controls/edit/SeSkinEdit.h"
#include "controls/frame/SeSkinForm.h"
#include "controls/hint/SeHintForm.h"
#include "controls/hint/SeHintWindow.h"
#include "controls/hint/SeSkinHint.h"
#include "controls/labels/SeSkinLabel.h"
#include "controls/list/SeSkinSListView.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "tests/win/support/FixtureProcess.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Colors.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/ShortCuts.h"

namespace {

std::vector<std::string> GReported;
void RecordReport(const std::exception& E) { GReported.emplace_back(E.what()); }

class MainWindowTest : public ::testing::Test {
protected:
  // Settings lines for "Status.cfg"; the window is made by Start.
  void Start(const std::string& Settings = "TransparentNewWindow=0") {
    std::ofstream(Temp.Path() + "Status.cfg") << "[Setting]\r\n" << Settings << "\r\n";
    Manager = std::make_unique<TTransparentManagerScope>(
        std::make_unique<TStatus>(Temp.Path() + "Status.cfg"));
    Application->Initialize();
    SetExceptionReporter(RecordReport);
    GReported.clear();
    Form = Application->CreateForm<TfrmTransparentMain>();
    Form->Show();
    PumpFor(50);
  }

  void TearDown() override {
    if (Manager)
      TransparentManager->SetOpacityOnClose(true);
    Manager.reset();
    SetCurrentDirectoryA(ExtractFilePath(ExeFileName()).c_str());
  }

  // What a click on a tab does.
  void SelectPage(int Index) {
    SendMessageA(Form->SeSkinPageControl1->Handle(), TCM_SETCURFOCUS, Index, 0);
    PumpFor(10);
  }
  // What a click on a button does.
  static void Click(TSeSkinButton* Button) { Button->Click(); }
  // What dragging the track bar's thumb does.
  // What moving the track bar does (the bar's own dragging is tested with the real pointer).
  void MoveTrackBar(int Position) { Form->tbTransparency->SetPosition(Position); }
  // What a click on a column header does.
  void ClickColumn(int Column) {
    NMLISTVIEW Notify{};
    Notify.hdr.hwndFrom = Form->lvList->Handle();
    Notify.hdr.code = LVN_COLUMNCLICK;
    Notify.iItem = -1;
    Notify.iSubItem = Column;
    SendMessageA(GetParent(Form->lvList->Handle()), WM_NOTIFY, 0,
                 reinterpret_cast<LPARAM>(&Notify));
  }
  std::vector<std::string> RowTexts() const {
    std::vector<std::string> Texts;
    for (int I = 0; I < Form->lvList->ItemCount(); ++I)
      Texts.push_back(Form->lvList->Items(I)->Caption());
    return Texts;
  }
  HWND NewWindow(const std::string& Title) {
    return Fixture.Create("MirevanProbe", Title, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  }

  TTempDir Temp;
  TFixtureProcess Fixture;
  TApplicationScope App;
  std::unique_ptr<TTransparentManagerScope> Manager;
  TfrmTransparentMain* Form = nullptr;
};

TEST_F(MainWindowTest, OpensOnTheFirstPageWithEveryPageAndTheStoredLayout) {
  Start();
  EXPECT_EQ(Form->SeSkinPageControl1->ActivePageIndex(), 0);
  ASSERT_EQ(Form->SeSkinPageControl1->PageCount(), 6);
  const char* Captions[] = {"Operate",  "Windows List", "Drag Operate",
                            "Settings", "About",        "Shortcuts"};
  for (int I = 0; I < 6; ++I)
    EXPECT_EQ(Form->SeSkinPageControl1->Pages(I)->Caption(), Captions[I]);
  RECT Client;
  GetClientRect(Form->Handle(), &Client);
  EXPECT_EQ(Client.right, 471);
  EXPECT_EQ(Client.bottom, 339); // grown from 332 so that every page shows whole
  char Title[64] = {};
  GetWindowTextA(Form->Handle(), Title, sizeof Title);
  EXPECT_STREQ(Title, "Mirevan V1.0"); // the frame's caption
  EXPECT_EQ(TransparentManager->NotifyWindow(), Form->Handle());
  EXPECT_NE(SendMessageA(Form->Handle(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(Screen->Cursors(crDragTool), LoadCursorA(GetModuleHandleA(nullptr), "DRAG"));
  EXPECT_NE(Screen->Cursors(crDragTool), Screen->Cursors(crDefault));
}

std::string Text(const RECT& R) {
  return std::to_string(R.left) + ", " + std::to_string(R.top) + ", " +
         std::to_string(R.right - R.left) + " x " + std::to_string(R.bottom - R.top);
}

// Visible controls that their parent's window clips, down the tree from Parent, as "name at
// l, t, w x h in Parent's w x h". A control of no width or height has nothing to cut.
void CollectCut(TWinControl& Parent, std::vector<std::string>& Cut) {
  const RECT Area{0, 0, Parent.Width(), Parent.Height()};
  for (int I = 0; I < Parent.ControlCount(); ++I) {
    TControl& Child = *Parent.Controls(I);
    const RECT B = Child.BoundsRect();
    if (!Child.Visible() || B.right <= B.left || B.bottom <= B.top)
      continue;
    if (B.left < Area.left || B.top < Area.top || B.right > Area.right || B.bottom > Area.bottom)
      Cut.push_back(Child.Name() + " at " + Text(B) + " in " + Parent.Name() + "'s " + Text(Area));
    if (auto* Windowed = dynamic_cast<TWinControl*>(&Child))
      CollectCut(*Windowed, Cut);
  }
}

// The page control fills the client area, the active sheet its page area, and nothing on the
// sheet is cut off.
void ExpectFits(TfrmTransparentMain& Form, const std::string& Where) {
  TSeSkinPageControl& Pages = *Form.SeSkinPageControl1;
  RECT Client;
  GetClientRect(Form.Handle(), &Client);
  EXPECT_EQ(Text(Pages.BoundsRect()), Text(Client)) << Where;
  TSeCustomTabSheet& Sheet = *Pages.Pages(Pages.ActivePageIndex());
  EXPECT_EQ(Text(Sheet.BoundsRect()), Text(Pages.AlignArea())) << Where;
  std::vector<std::string> Cut;
  CollectCut(Sheet, Cut);
  for (const std::string& Control : Cut)
    ADD_FAILURE() << Where << ": " << Control;
}

// The window's minimum as the frame enforces it: the bounds after asking for a 1 x 1 window.
SIZE SmallestClient(HWND Wnd) {
  RECT Window;
  GetWindowRect(Wnd, &Window);
  SetWindowPos(Wnd, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT Client;
  GetClientRect(Wnd, &Client);
  SetWindowPos(Wnd, nullptr, 0, 0, Window.right - Window.left, Window.bottom - Window.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return {Client.right, Client.bottom};
}

// The point nearest the window's bottom-right corner that sizes both ways (inside the
// window's shape).
POINT SizingCorner(HWND Wnd) {
  RECT W;
  GetWindowRect(Wnd, &W);
  for (int In = 1; In < 16; ++In) {
    const POINT P{W.right - In, W.bottom - In};
    if (WindowFromPoint(P) == Wnd &&
        SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y)) == HTBOTTOMRIGHT)
      return P;
  }
  return {-1, -1};
}

SIZE ClientSize(HWND Wnd) {
  RECT Client;
  GetClientRect(Wnd, &Client);
  return {Client.right, Client.bottom};
}

TEST_F(MainWindowTest, DraggedByItsCornerTheWindowTakesThePagesAlongAndStopsWhereTheyFit) {
  Start();
  SelectPage(2); // the page that needs the most height
  const SIZE Start = ClientSize(Form->Handle());
  const struct {
    POINT By;
    SIZE Client; // 0: the smallest the pages fit in
  } Drags[] = {{{60, 40}, {Start.cx + 60, Start.cy + 40}}, {{-300, -300}, {0, 0}}};
  for (const auto& [By, Client] : Drags) {
    const POINT Corner = SizingCorner(Form->Handle());
    ASSERT_NE(Corner.x, -1);
    PointAt(Corner);
    PumpFor(50);
    LeftButton(true);
    PumpFor(50);
    for (const int Step : {1, 2, 3, 4}) {
      PointAt({Corner.x + By.x * Step / 4, Corner.y + By.y * Step / 4});
      PumpFor(50);
    }
    LeftButton(false);
    const TSize Need = Form->ContentMinimum();
    const SIZE Expected{Client.cx ? Client.cx : Need.Width, Client.cy ? Client.cy : Need.Height};
    PumpUntil([&] { return ClientSize(Form->Handle()).cx == Expected.cx; }, 2000);
    PumpFor(50);
    const SIZE Now = ClientSize(Form->Handle());
    EXPECT_EQ(Now.cx, Expected.cx);
    EXPECT_EQ(Now.cy, Expected.cy);
    ExpectFits(*Form, "dragged by " + std::to_string(By.x) + ", " + std::to_string(By.y));
  }
}

TEST_F(MainWindowTest, EveryControlOfEveryPageShowsWholeInBothSkinsAndTheWindowKeepsItSo) {
  Start();
  // The sheets: in both skins the tab row and the page frame take 10 x 31 of 471 x 339; the
  // "Drag Operate" page needs 308 pixels of height, the "Windows List" page 459 of width.
  const struct {
    const char* Skin;
    SIZE Sheet;
  } Skins[] = {{"", {461, 308}}, {MIREVAN_DARK_SKIN, {461, 308}}};
  for (const auto& [Skin, Sheet] : Skins) {
    if (*Skin)
      Form->SeSkinEngine1->SetSkinFile(Skin);
    PumpFor(20);
    const std::string Name = *Skin ? "Midnight Ember" : "the built-in skin";
    for (int Page = 0; Page < Form->SeSkinPageControl1->PageCount(); ++Page) {
      SelectPage(Page);
      ExpectFits(*Form, Name + ", page " + std::to_string(Page) + " shown");
    }
    const RECT Area = Form->SeSkinPageControl1->AlignArea();
    const TSize Smallest = Form->ContentMinimum();
    std::cout << "[ sheet    ] " << Name << ": " << Area.right - Area.left << " x "
              << Area.bottom - Area.top << ", smallest client area " << Smallest.Width << " x "
              << Smallest.Height << "\n";
    EXPECT_EQ(Area.right - Area.left, Sheet.cx) << Name;
    EXPECT_EQ(Area.bottom - Area.top, Sheet.cy) << Name;
    // No size the window can be given cuts anything off: the smallest it takes is the size
    // at which the pages fit, and that is what the pages need.
    const SIZE Enforced = SmallestClient(Form->Handle());
    EXPECT_EQ(Enforced.cx, Smallest.Width) << Name;
    EXPECT_EQ(Enforced.cy, Smallest.Height) << Name;
    RECT Normal;
    GetWindowRect(Form->Handle(), &Normal);
    SetWindowPos(Form->Handle(), nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int Page = 0; Page < Form->SeSkinPageControl1->PageCount(); ++Page) {
      SelectPage(Page);
      ExpectFits(*Form, Name + " at the smallest size, page " + std::to_string(Page));
    }
    SetWindowPos(Form->Handle(), nullptr, 0, 0, Normal.right - Normal.left,
                 Normal.bottom - Normal.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

TEST_F(MainWindowTest, TheDragPagesEditsAreDisabledSkinnedDisplays) {
  Start();
  for (TSeSkinEdit* Edit : {Form->edtCaption, Form->edtClass}) {
    EXPECT_EQ(Edit->Left(), 89);
    EXPECT_EQ(Edit->Width(), 352);
    EXPECT_TRUE(Edit->AutoSize());
    EXPECT_EQ(Edit->BevelKind(), qbkSingle);
    EXPECT_EQ(Edit->BevelWidth(), 1);
    EXPECT_EQ(Edit->BorderWidth(), 3);
    EXPECT_FALSE(Edit->Enabled());
    EXPECT_EQ(Edit->SkinEngine(), Form->SeSkinEngine1);
    EXPECT_EQ(Edit->ObjectState(), osDisabled);
    // Sized to the skin's font: the text line between the two frames.
    const RECT Line = Edit->TextRect();
    EXPECT_EQ(Edit->Height(), 2 * Line.top + (Line.bottom - Line.top));
  }
  EXPECT_EQ(Form->edtCaption->Top(), 227);
  EXPECT_EQ(Form->edtClass->Top(), 259);
}

TEST_F(MainWindowTest, SettingsPageShowsTheStoredLevelOnlyWhenActivated) {
  Start("Transparency=150\r\nTransparentStart=1\r\nOpacityOnClose=0\r\nTransparentNewWindow=0");
  EXPECT_EQ(Form->tbTransparency->Position(), 3);
  EXPECT_EQ(Form->lblTransparency->Caption(), "");
  SelectPage(3);
  EXPECT_EQ(Form->tbTransparency->Position(), 150);
  EXPECT_EQ(Form->lblTransparency->Caption(), "58 %");
  EXPECT_TRUE(Form->chkStart->Checked());
  EXPECT_FALSE(Form->chkNewWindow->Checked());
  EXPECT_FALSE(Form->chkClose->Checked());
  EXPECT_EQ(SendMessageA(Form->chkStart->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(MainWindowTest, AStoredLevelOfThreeMovesNothing) {
  Start("Transparency=3\r\nTransparentNewWindow=0");
  SelectPage(3);
  EXPECT_EQ(Form->tbTransparency->Position(), 3);
  EXPECT_EQ(Form->lblTransparency->Caption(), "");
}

TEST_F(MainWindowTest, AStoredLevelAbove255IsShownAndAppliedAs255) {
  Start("Transparency=300\r\nTransparentNewWindow=0");
  const HWND Wnd = NewWindow("managed");
  TransparentManager->TransparentWindow(Wnd);
  EXPECT_EQ(LayeredAlpha(Wnd), 44);
  SelectPage(3);
  EXPECT_EQ(Form->tbTransparency->Position(), 255);
  EXPECT_EQ(Form->lblTransparency->Caption(), "100 %");
  EXPECT_EQ(TransparentManager->Transparency(), 255);
  EXPECT_EQ(LayeredAlpha(Wnd), 255);
}

TEST_F(MainWindowTest, MovingTheTrackBarChangesEveryManagedWindowAtOnce) {
  Start("TransparentNewWindow=0");
  const HWND A = NewWindow("a");
  const HWND B = NewWindow("b");
  TransparentManager->TransparentWindow(A);
  TransparentManager->TransparentWindow(B);
  SelectPage(3);
  MoveTrackBar(40);
  EXPECT_EQ(Form->lblTransparency->Caption(), "15 %");
  EXPECT_EQ(LayeredAlpha(A), 40);
  EXPECT_EQ(LayeredAlpha(B), 40);
  MoveTrackBar(0);
  EXPECT_EQ(Form->lblTransparency->Caption(), "0 %");
  EXPECT_EQ(LayeredAlpha(A), 0);
}

TEST_F(MainWindowTest, SettingsCheckBoxesWriteThroughTheManager) {
  Start("TransparentNewWindow=0");
  SelectPage(3);
  SendMessageA(Form->chkStart->Handle(), BM_CLICK, 0, 0);
  PumpFor(10);
  EXPECT_TRUE(TransparentManager->TransparentStart());
  SendMessageA(Form->chkClose->Handle(), BM_CLICK, 0, 0);
  PumpFor(10);
  EXPECT_FALSE(TransparentManager->OpacityOnClose());
  SendMessageA(Form->chkAutoStart->Handle(), BM_CLICK, 0, 0);
  PumpFor(10);
  EXPECT_TRUE(TransparentManager->AutoStart());
  SendMessageA(Form->chkAutoStart->Handle(), BM_CLICK, 0, 0);
  PumpFor(10);
  EXPECT_FALSE(TransparentManager->AutoStart());
}

TEST_F(MainWindowTest, ColumnClicksAlternateTheSortDirectionStartingDescending) {
  Start("TransparentNewWindow=0");
  for (const char* Title : {"beta", "Alpha", "gamma"})
    TransparentManager->TransparentWindow(NewWindow(Title));
  SelectPage(1);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"gamma", "Alpha", "beta"})); // newest first
  ClickColumn(0);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"gamma", "beta", "Alpha"}));
  ClickColumn(0);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  // "Status" continues the alternation: descending now, all equal, so the order stays.
  TransparentManager->FindItem(TransparentManager->Items()[0]->Handle)->MakeOpacity();
  SelectPage(0);
  SelectPage(1);
  ClickColumn(1);
  EXPECT_EQ(Form->lvList->Items(0)->SubItems()[0], "Transparent");
  EXPECT_EQ(Form->lvList->Items(2)->SubItems()[0], "Opacity");
  ClickColumn(1);
  EXPECT_EQ(Form->lvList->Items(0)->SubItems()[0], "Opacity");
}

TEST_F(MainWindowTest, CheckAllUncheckAllAndApplyToCheckedRows) {
  Start("TransparentNewWindow=0");
  const HWND A = NewWindow("a");
  const HWND B = NewWindow("b");
  TransparentManager->TransparentWindow(A);
  TransparentManager->TransparentWindow(B);
  SelectPage(1);
  Click(Form->btnCheckAll);
  for (int I = 0; I < Form->lvList->ItemCount(); ++I)
    EXPECT_TRUE(Form->lvList->Items(I)->Checked());
  Click(Form->btnUnCheckall);
  for (int I = 0; I < Form->lvList->ItemCount(); ++I)
    EXPECT_FALSE(Form->lvList->Items(I)->Checked());

  // Row 0 is "b", the newest. Its "Status" follows every action at once.
  const auto Status = [this] { return Form->lvList->Items(0)->SubItems()[0]; };
  Form->lvList->Items(0)->SetChecked(true);
  Click(Form->btnMakeOpacity);
  EXPECT_FALSE(HasLayeredStyle(B));
  EXPECT_TRUE(HasLayeredStyle(A));
  EXPECT_EQ(Status(), "Opacity");
  Click(Form->btnMakeTransparent);
  EXPECT_EQ(LayeredAlpha(B), 150);
  EXPECT_EQ(Status(), "Transparent");
  Click(Form->btnMakeOpacity);
  EXPECT_EQ(Status(), "Opacity");
  SelectPage(3);
  MoveTrackBar(90);
  EXPECT_EQ(LayeredAlpha(B), 90);
  EXPECT_EQ(Status(), "Transparent"); // the level change took it back
}

TEST_F(MainWindowTest, RefreshDropsWindowsThatWereClosed) {
  Start("TransparentNewWindow=0");
  const HWND A = NewWindow("stays");
  const HWND B = NewWindow("goes");
  TransparentManager->TransparentWindow(A);
  TransparentManager->TransparentWindow(B);
  SelectPage(1);
  ASSERT_EQ(Form->lvList->ItemCount(), 2);
  Fixture.Destroy(B);
  Click(Form->btnRefresh);
  EXPECT_EQ(RowTexts(), std::vector<std::string>{"stays"});
  EXPECT_FALSE(TransparentManager->HasWindow(B));
}

TEST_F(MainWindowTest, HookNotificationsTakeAndDropWindows) {
  Start("TransparentNewWindow=0");
  const HWND Wnd = NewWindow("announced");
  // With the option off, a report still queued from before it was cleared takes nothing.
  EXPECT_EQ(SendMessageA(Form->Handle(), 1025, reinterpret_cast<WPARAM>(Wnd), 2), 0);
  EXPECT_FALSE(TransparentManager->HasWindow(Wnd));
  // The option's value alone: the hook itself would report these windows too.
  TransparentManager->Status().TransparentNewWindow = true;
  EXPECT_EQ(SendMessageA(Form->Handle(), 1025, reinterpret_cast<WPARAM>(Wnd), 2), 0);
  EXPECT_TRUE(TransparentManager->HasWindow(Wnd));
  EXPECT_EQ(LayeredAlpha(Wnd), 150);
  const HWND Other = NewWindow("unknown code");
  EXPECT_EQ(SendMessageA(Form->Handle(), 1025, reinterpret_cast<WPARAM>(Other), 7), 0);
  EXPECT_EQ(SendMessageA(Form->Handle(), 1025, reinterpret_cast<WPARAM>(Other), -2), 0);
  EXPECT_FALSE(TransparentManager->HasWindow(Other));
  Fixture.Destroy(Wnd);
  EXPECT_EQ(SendMessageA(Form->Handle(), 1025, 0, 3), 0);
  EXPECT_FALSE(TransparentManager->HasWindow(Wnd));
}

TEST_F(MainWindowTest, SystemCloseCommandHasNoEffectButCloseEndsTheLoop) {
  Start("TransparentNewWindow=0");
  SendMessageA(Form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  MSG Msg;
  EXPECT_FALSE(PeekMessageA(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(PeekMessageA(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The shown hint window of this process, when it reads Text.
bool HintShown(const std::string& Text) {
  const HWND Hint = FindHintWindow(GetCurrentProcessId());
  char Title[256] = {};
  return Hint && GetWindowTextA(Hint, Title, sizeof Title) >= 0 && Text == Title;
}

TEST_F(MainWindowTest, RestingOnAControlShowsItsHint) {
  Start("TransparentNewWindow=0");
  SendMessageA(Form->btnOpacity->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(HintShown("Opacity all transparenty window"));
  EXPECT_TRUE(PumpUntil([] { return HintShown("Opacity all transparenty window"); }, 2000));
  // The first hint component draws it; the second one was made inactive.
  EXPECT_TRUE(Form->SeSkinHint1->Active());
  EXPECT_FALSE(Form->SeSkinHint2->Active());
  const auto* Window = dynamic_cast<TSeHintWindow*>(Application->HintWindow());
  ASSERT_NE(Window, nullptr);
  EXPECT_EQ(Window->Hint(), Form->SeSkinHint1);
  EXPECT_TRUE(Window->HintForm()->Animation().Enabled());
  // A press hides it; a control without a hint shows none.
  SendMessageA(Form->btnOpacity->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(Form->btnOpacity->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(20);
  EXPECT_FALSE(HintShown("Opacity all transparenty window"));
  SendMessageA(Form->tsOperate->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  PumpFor(700);
  EXPECT_EQ(Application->HintControl(), nullptr);
}

TEST_F(MainWindowTest, TheWindowsListWearsTheSkinAndTheLayoutsListStyles) {
  Start("TransparentNewWindow=0");
  SelectPage(1);
  TSeSkinSListView* List = Form->lvList;
  ASSERT_TRUE(List->HandleAllocated());
  // The skin's colour has replaced the layout's RGB(206, 207, 206), on the window too.
  const TSeSkinObject* ListBox = Form->SeSkinEngine1->Source()->FindObject("ListBox");
  ASSERT_NE(ListBox, nullptr);
  ASSERT_NE(ColorToRGB(ListBox->Color), static_cast<COLORREF>(0x00CECFCE));
  EXPECT_EQ(List->Color(), ListBox->Color);
  EXPECT_EQ(static_cast<COLORREF>(ListView_GetBkColor(List->Handle())), ColorToRGB(ListBox->Color));
  EXPECT_NE(List->HeaderSkin(), nullptr);
  // Report view with check boxes, grid lines, hot tracking and whole rows; the selection
  // shows without the focus; no caption is edited in place.
  const DWORD Extended = ListView_GetExtendedListViewStyle(List->Handle());
  for (const DWORD Flag : {DWORD{LVS_EX_CHECKBOXES}, DWORD{LVS_EX_GRIDLINES},
                           DWORD{LVS_EX_TRACKSELECT}, DWORD{LVS_EX_FULLROWSELECT}})
    EXPECT_TRUE(Extended & Flag) << Flag;
  const LONG Style = GetWindowLongA(List->Handle(), GWL_STYLE);
  EXPECT_EQ(Style & LVS_TYPEMASK, static_cast<LONG>(LVS_REPORT));
  EXPECT_TRUE(Style & LVS_SHOWSELALWAYS);
  EXPECT_FALSE(Style & LVS_EDITLABELS);
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(List->Handle())), 2);
}

// What a click on one of the skin's caption buttons does: press on it, release over it.
void ClickSkinButton(TfrmTransparentMain& Form, const char* Name) {
  const TSeSkinObject* Button = Form.SeSkinForm1->SkinCopy()->FindObject(Name);
  ASSERT_NE(Button, nullptr) << Name;
  ASSERT_TRUE(Button->Visible) << Name;
  RECT Window;
  GetWindowRect(Form.Handle(), &Window);
  POINT Point{Window.left + Button->Left() + Button->Width() / 2,
              Window.top + Button->Top() + Button->Height() / 2};
  const LRESULT Hit = SendMessageA(Form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(Point.x, Point.y));
  EXPECT_EQ(Hit, HTBORDER) << "the frame handles its skin's buttons itself";
  SendMessageA(Form.Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(Hit),
               MAKELPARAM(Point.x, Point.y));
  ScreenToClient(Form.Handle(), &Point);
  SendMessageA(Form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Point.x, Point.y));
}

TEST_F(MainWindowTest, TheFrameCarriesOutCloseMinimiseAndRestore) {
  Start("TransparentNewWindow=0");
  ASSERT_TRUE(Form->SeSkinForm1->Skinned()) << "the built-in skin is in the program's resources";
  ClickSkinButton(*Form, "MinButton");
  // The frame posts itself the minimize command.
  EXPECT_TRUE(PumpUntil([this] { return IsIconic(Form->Handle()) != FALSE; }, 1000));
  SendMessageA(Form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(Form->Handle()));
  MSG Msg;
  EXPECT_FALSE(PeekMessageA(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  ClickSkinButton(*Form, "CloseButton");
  EXPECT_TRUE(PeekMessageA(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

class DragToolTest : public MainWindowTest {
protected:
  // Press on a panel, move the pointer to Target's centre (or to Point), release.
  void Drag(TPanel* Panel, POINT To) {
    const HWND Wnd = Panel->Handle();
    SendMessageA(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(PointAt(To));
    SendMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    DraggedCursor = Screen->Cursor();
    SendMessageA(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  static POINT CentreOf(HWND Wnd) {
    RECT Bounds;
    GetWindowRect(Wnd, &Bounds);
    return {(Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2};
  }
  void SetUp() override {
    // The drag pictures are looked up in the working directory.
    SetCurrentDirectoryA(ExtractFilePath(ExeFileName()).c_str());
  }
  TCursor DraggedCursor = crDefault;
};

TEST_F(DragToolTest, ReleasingOverAChildControlTakesItsTopLevelWindow) {
  Start("TransparentNewWindow=0\r\nTransparency=120");
  SelectPage(2);
  const HWND Target = NewWindow("drag target");
  const HWND Child = Fixture.CreateChild(Target, "MirevanProbeChild", "inner");
  Drag(Form->pnlDrag, CentreOf(Child));
  EXPECT_EQ(DraggedCursor, crDragTool);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(Form->PickedWindow, Target);
  EXPECT_EQ(Form->edtCaption->Text(), L"drag target");
  EXPECT_EQ(Form->edtClass->Text(), L"MirevanProbe");
  EXPECT_TRUE(TransparentManager->HasWindow(Target));
  EXPECT_EQ(LayeredAlpha(Target), 120);
  EXPECT_TRUE(GReported.empty());
}

TEST_F(DragToolTest, ReleasingOverTheMainWindowChangesNothing) {
  Start("TransparentNewWindow=0");
  SelectPage(2);
  Drag(Form->pnlDrag, CentreOf(Form->Handle()));
  EXPECT_EQ(Form->PickedWindow, nullptr);
  EXPECT_EQ(Form->edtCaption->Text(), L"");
  EXPECT_EQ(Form->edtClass->Text(), L"");
  EXPECT_FALSE(Form->chkIsTransparent->Checked());
  EXPECT_TRUE(TransparentManager->Items().empty());
  EXPECT_FALSE(HasLayeredStyle(Form->Handle()));
}

TEST_F(DragToolTest, TheOpacityTargetClearsWindowsTheProgramNeverManaged) {
  Start("TransparentNewWindow=0");
  SelectPage(2);
  const HWND Foreign = NewWindow("layered by its owner");
  Fixture.MakeLayered(Foreign, 60);
  const HWND Managed = NewWindow("managed");
  SetWindowPos(Managed, nullptr, 300, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  TransparentManager->TransparentWindow(Managed);

  ASSERT_TRUE(PointAt(CentreOf(Managed)));
  SendMessageA(Form->Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Form->chkIsTransparent->Checked());
  ASSERT_TRUE(PointAt(CentreOf(Foreign)));
  SendMessageA(Form->Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Form->PickedWindow, Foreign);
  EXPECT_FALSE(Form->chkIsTransparent->Checked()); // layered, but not the program's

  Drag(Form->Panel1, CentreOf(Foreign));
  EXPECT_FALSE(HasLayeredStyle(Foreign));
  EXPECT_FALSE(TransparentManager->HasWindow(Foreign));
  Drag(Form->Panel1, CentreOf(Managed));
  EXPECT_FALSE(HasLayeredStyle(Managed));
  EXPECT_FALSE(Form->chkIsTransparent->Checked()); // as it is after the release
  // Still managed, and its entry says what it is now.
  ASSERT_TRUE(TransparentManager->HasWindow(Managed));
  EXPECT_FALSE(TransparentManager->FindItem(Managed)->Transparent);
}

TEST_F(DragToolTest, AMissingPictureIsReportedAndTheCursorStays) {
  Start("TransparentNewWindow=0");
  SelectPage(2);
  SetCurrentDirectoryA(Temp.Path().c_str());
  SendMessageA(Form->pnlDrag->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(Form->pnlDrag->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_GE(GReported.size(), 1u);
  EXPECT_EQ(GReported[0], "Cannot open file DragOn.bmp");
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

} // namespace

namespace {

// Ctrl+Alt+T, Ctrl+Alt+O, Ctrl+Alt+Down and Ctrl+Alt+Up in the menus' encoding.
constexpr int CtrlAlt = 0x4000 | 0x8000;
constexpr int KeyTransparent = CtrlAlt | 'T', KeyOpacity = CtrlAlt | 'O',
              KeyMore = CtrlAlt | VK_DOWN, KeyLess = CtrlAlt | VK_UP;

std::string KeySettings(int Opacity = KeyOpacity) {
  return "TransparentNewWindow=0\r\nIncreaseTransparency=" + std::to_string(KeyMore) +
         "\r\nDecreaseTransparency=" + std::to_string(KeyLess) +
         "\r\nTransparentShortCut=" + std::to_string(KeyTransparent) +
         "\r\nOpacityShortCut=" + std::to_string(Opacity);
}

void PressCtrlAlt(int ShortCut) {
  KeyInput(VK_CONTROL, true);
  KeyInput(VK_MENU, true);
  TapKey(static_cast<WORD>(ShortCut & 0xFF));
  KeyInput(VK_MENU, false);
  KeyInput(VK_CONTROL, false);
}

// Whether the key is free for anyone to take now; a key somebody holds fails with 1409.
bool KeyIsFree(int ShortCut) {
  const TGlobalKey Key = GlobalKeyOf(ShortCut);
  if (RegisterHotKey(nullptr, 0x77, Key.Modifiers, Key.Key)) {
    UnregisterHotKey(nullptr, 0x77);
    return true;
  }
  EXPECT_EQ(GetLastError(), 1409u);
  return false;
}

} // namespace

TEST_F(MainWindowTest, TheFourKeysActOnTheWindowInFrontAndOnTheSharedLevel) {
  Start(KeySettings());
  for (const int Key : {KeyTransparent, KeyOpacity, KeyMore, KeyLess})
    EXPECT_FALSE(KeyIsFree(Key)) << ShortCutToText(Key);
  const HWND Other = NewWindow("Worked in");
  SetForegroundWindow(Other);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Other; }, 2000));
  const auto Press = [&](int Key, const std::function<bool()>& Done) {
    PressCtrlAlt(Key);
    return PumpUntil(Done, 2000);
  };
  // The window in front joins the list at the current level, and leaves its translucency
  // with the other key.
  ASSERT_TRUE(Press(KeyTransparent, [&] { return LayeredAlpha(Other) == 150; }));
  EXPECT_TRUE(TransparentManager->IsTransparentWindow(Other));
  // The time from a key to the window's new alpha, a step at a time (the test pumps the
  // window's messages as the program's loop does).
  std::vector<double> Reactions;
  for (int Level = 140; Level >= 100; Level -= 10) {
    LARGE_INTEGER Frequency, From, To;
    QueryPerformanceFrequency(&Frequency);
    QueryPerformanceCounter(&From);
    ASSERT_TRUE(Press(KeyMore, [&] { return LayeredAlpha(Other) == Level; }));
    QueryPerformanceCounter(&To);
    Reactions.push_back(1000.0 * (To.QuadPart - From.QuadPart) / Frequency.QuadPart);
  }
  std::sort(Reactions.begin(), Reactions.end());
  std::cout << "[ reaction ] key press to the window's new alpha: median "
            << Reactions[Reactions.size() / 2] << " ms, slowest " << Reactions.back()
            << " ms of " << Reactions.size() << "\n";
  Form->tbTransparency->SetPosition(150);
  // Its row in the list says so.
  SelectPage(1);
  const auto StatusOf = [&](const std::string& Text) -> std::string {
    for (int I = 0; I < Form->lvList->ItemCount(); ++I)
      if (Form->lvList->Items(I)->Caption() == Text)
        return Form->lvList->Items(I)->SubItems().at(0);
    return "(no row)";
  };
  EXPECT_EQ(StatusOf("Worked in"), "Transparent");
  // One step at a time, the level goes no lower than 26 and no higher than 255; the slider,
  // its percentage, the window and the file follow each step.
  const struct {
    int Key;
    int Presses;
    int Level;
  } Steps[] = {{KeyMore, 1, 140}, {KeyMore, 13, 26}, {KeyLess, 1, 36}, {KeyLess, 30, 255}};
  for (const auto& [Key, Presses, Level] : Steps) {
    for (int I = 0; I < Presses; ++I)
      PressCtrlAlt(Key);
    ASSERT_TRUE(PumpUntil([&] { return TransparentManager->Transparency() == Level; }, 3000))
        << Level << ", not " << TransparentManager->Transparency();
    PumpFor(50);
    EXPECT_EQ(TransparentManager->Transparency(), Level);
    EXPECT_EQ(Form->tbTransparency->Position(), Level);
    EXPECT_EQ(Form->lblTransparency->Caption(), std::to_string(Level * 100 / 255) + " %");
    EXPECT_EQ(LayeredAlpha(Other), Level);
    EXPECT_EQ(GetPrivateProfileIntA("Setting", "Transparency", -1,
                                    (Temp.Path() + "Status.cfg").c_str()),
              Level);
  }
  SetForegroundWindow(Other);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Other; }, 2000));
  ASSERT_TRUE(Press(KeyOpacity, [&] { return !HasLayeredStyle(Other); }));
  EXPECT_EQ(StatusOf("Worked in"), "Opacity");
  // Mirevan's own window in front: the keys leave it alone.
  SetForegroundWindow(Form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 2000));
  PressCtrlAlt(KeyTransparent);
  PumpFor(100);
  EXPECT_FALSE(HasLayeredStyle(Form->Handle()));
  // Gone with the window: the keys are free again.
  Form->Free();
  Form = nullptr;
  PumpFor(20);
  EXPECT_TRUE(KeyIsFree(KeyTransparent));
}

TEST_F(MainWindowTest, AnOldSettingsFileTakesNoKeyAndAKeyHeldElsewhereIsMarkedTakenAndKept) {
  Start(); // the four values 0, as in every settings file before them
  for (const int Key : {KeyTransparent, KeyOpacity, KeyMore, KeyLess})
    EXPECT_TRUE(KeyIsFree(Key)) << ShortCutToText(Key);
  // Held by someone else, a key is marked taken and kept; freed, it is taken at the retry.
  const TGlobalKey Held = GlobalKeyOf(KeyOpacity);
  ASSERT_TRUE(RegisterHotKey(nullptr, 0x78, Held.Modifiers, Held.Key));
  TGlobalKeys& Keys = *Form->GlobalKeys();
  EXPECT_FALSE(Keys.Set(TGlobalAction::gaOpacity, KeyOpacity));
  EXPECT_TRUE(Keys.Taken(TGlobalAction::gaOpacity));
  EXPECT_EQ(Keys.ShortCut(TGlobalAction::gaOpacity), KeyOpacity);
  UnregisterHotKey(nullptr, 0x78);
  Keys.Retry();
  EXPECT_FALSE(Keys.Taken(TGlobalAction::gaOpacity));
  EXPECT_FALSE(KeyIsFree(KeyOpacity));
  // Plain typing is never taken: a letter alone, or with Shift.
  EXPECT_TRUE(Keys.Set(TGlobalAction::gaOpacity, 'Q'));
  EXPECT_TRUE(Keys.Set(TGlobalAction::gaIncrease, 0x2000 | 'Q'));
  EXPECT_TRUE(KeyIsFree('Q'));
  EXPECT_TRUE(KeyIsFree(0x2000 | 'Q'));
}


TEST_F(MainWindowTest, TheShortcutsPageSetsClearsAndRefusesKeysWithRealKeys) {
  // Another program holds Ctrl+Alt+K, which the settings give the opacity key.
  const TGlobalKey Held = GlobalKeyOf(CtrlAlt | 'K');
  char Hold[32];
  std::snprintf(Hold, sizeof Hold, "hotkey\t%x\t%x", Held.Modifiers, Held.Key);
  Fixture.Command(Hold);
  Start(KeySettings(CtrlAlt | 'K'));
  SelectPage(5);
  EXPECT_EQ(Form->hkTransparent->Text(), L"Ctrl+Alt+T");
  EXPECT_EQ(Form->hkIncrease->Text(), L"Ctrl+Alt+Down");
  // Held elsewhere: kept, shown, and marked taken beside its field.
  EXPECT_EQ(Form->hkOpacity->Text(), L"Ctrl+Alt+K");
  EXPECT_EQ(Form->lblOpacityTaken->Caption(), "Taken");
  EXPECT_EQ(Form->lblTransparentTaken->Caption(), "");
  const std::string File = Temp.Path() + "Status.cfg";
  const auto Stored = [&](const char* Key) {
    return static_cast<int>(GetPrivateProfileIntA("Setting", Key, -1, File.c_str()));
  };
  const auto ClickField = [&] {
    ASSERT_TRUE(ClickAtCentre(Form->hkTransparent->Handle()));
    ASSERT_TRUE(PumpUntil([&] { return Form->hkTransparent->Focused(); }, 2000));
  };
  // Click the field, press the keys: taken, shown and stored at once.
  ClickField();
  PressCtrlAlt('Y');
  ASSERT_TRUE(PumpUntil([&] { return Stored("TransparentShortCut") == (CtrlAlt | 'Y'); }, 2000));
  EXPECT_EQ(Form->hkTransparent->Text(), L"Ctrl+Alt+Y");
  // Another action's key (set, yet the field's to press while it has the keyboard) is
  // refused on the spot.
  PressCtrlAlt(VK_DOWN);
  ASSERT_TRUE(PumpUntil([&] { return Form->hkTransparent->Refused() == KeyMore; }, 2000));
  EXPECT_EQ(Stored("TransparentShortCut"), CtrlAlt | 'Y');
  EXPECT_EQ(TransparentManager->Transparency(), 150); // the level key did nothing
  // The field left: the keys are the desktop's again, the old one free.
  SelectPage(0);
  EXPECT_TRUE(KeyIsFree(KeyTransparent));
  EXPECT_FALSE(KeyIsFree(CtrlAlt | 'Y'));
  EXPECT_FALSE(KeyIsFree(KeyMore));
  // Freed by the other program, the opacity key is taken the next time the page opens.
  Fixture.Command("unhotkey");
  SelectPage(5);
  EXPECT_EQ(Form->lblOpacityTaken->Caption(), "");
  EXPECT_FALSE(KeyIsFree(CtrlAlt | 'K'));
  // Backspace: no key, and nothing held.
  ClickField();
  TapKey(VK_BACK);
  ASSERT_TRUE(PumpUntil([&] { return Stored("TransparentShortCut") == 0; }, 2000));
  EXPECT_EQ(Form->hkTransparent->Text(), L"None");
  SelectPage(0);
  EXPECT_TRUE(KeyIsFree(CtrlAlt | 'Y'));
}
