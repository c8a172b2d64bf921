// The tab control as a page control on a real form: the tabs follow the sheets as they are
// added, renamed, hidden, reordered and removed; a real click on a tab shows its sheet alone
// over the page; losing the active sheet brings page 0 forward; the active sheet always covers
// the page area, whatever the tab strip does.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/tabs/SeCustomTabControl.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"

namespace {

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

std::vector<std::string> TabTexts(const TSeCustomTabControl& Control) {
  return Control.Tabs().Items();
}

class PageControlTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(100, 100, 460, 300);
    Pages = MakeComponent<TSeCustomTabControl>(Form);
    Pages->SetParent(Form);
    Pages->SetBounds(10, 10, 400, 220);
    Pages->SetUsePages(true);
    Pages->OnChanging = [this](TObject*, bool& Allow) { Allow = Allow && Allowed; };
    Pages->OnChange = [this](TObject*) { Changes.push_back(Pages->TabIndex()); };
    ShowInFront(*Form);
  }
  void TearDown() override {
    if (GetCapture())
      ReleaseCapture();
    Form->Free();
  }

  TSeCustomTabSheet* AddSheet(const std::string& Caption) {
    auto* Sheet = MakeComponent<TSeCustomTabSheet>(Form);
    Sheet->SetCaption(Caption);
    Sheet->SetTabControl(Pages);
    return Sheet;
  }
  bool ClickAt(TPoint Point) {
    if (!PointAt(Pages->ClientToScreen({Point.X, Point.Y})))
      return false;
    LeftButton(true);
    LeftButton(false);
    return true;
  }
  // Only Shown is visible, to the toolkit and on the screen.
  void ExpectOnlyShown(const TSeCustomTabSheet* Shown) {
    for (int I = 0; I < Pages->PageCount(); ++I) {
      TSeCustomTabSheet* Sheet = Pages->Pages(I);
      EXPECT_EQ(Sheet->Visible(), Sheet == Shown) << Sheet->Caption();
      EXPECT_EQ(IsWindowVisible(Sheet->Handle()) != FALSE, Sheet == Shown) << Sheet->Caption();
    }
  }
  void ExpectOnThePage(TSeCustomTabSheet* Sheet) {
    const TRect Area = Pages->Layout().SheetRect();
    EXPECT_EQ(Sheet->Left(), Area.Left);
    EXPECT_EQ(Sheet->Top(), Area.Top);
    EXPECT_EQ(Sheet->Width(), Area.Width());
    EXPECT_EQ(Sheet->Height(), Area.Height());
    RECT Window;
    GetWindowRect(Sheet->Handle(), &Window);
    const POINT Origin = Pages->ClientToScreen({Area.Left, Area.Top});
    EXPECT_EQ(Window.left, Origin.x);
    EXPECT_EQ(Window.top, Origin.y);
    EXPECT_EQ(Window.right - Window.left, Area.Width());
    EXPECT_EQ(Window.bottom - Window.top, Area.Height());
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeCustomTabControl* Pages = nullptr;
  bool Allowed = true;
  std::vector<int> Changes;
};

TEST_F(PageControlTest, TabsFollowTheSheets) {
  EXPECT_EQ(Pages->TabIndex(), -1);
  EXPECT_EQ(Pages->ActivePage(), nullptr);
  TSeCustomTabSheet* Operate = AddSheet("Operate");
  // The first sheet becomes the active page.
  EXPECT_EQ(Pages->ActivePage(), Operate);
  EXPECT_EQ(Pages->TabIndex(), 0);
  ExpectOnlyShown(Operate);
  TSeCustomTabSheet* List = AddSheet("Windows List");
  TSeCustomTabSheet* Unnamed = AddSheet("");
  EXPECT_EQ(Unnamed->Caption(), "New Page 2");
  EXPECT_EQ(TabTexts(*Pages), (std::vector<std::string>{"Operate", "Windows List", "New Page 2"}));
  EXPECT_EQ(Unnamed->PageIndex(), 2);
  EXPECT_EQ(Pages->ActivePage(), Operate); // later sheets stay hidden
  ExpectOnlyShown(Operate);

  // A caption change renames its tab.
  Unnamed->SetCaption("Drag Operate");
  EXPECT_EQ(TabTexts(*Pages),
            (std::vector<std::string>{"Operate", "Windows List", "Drag Operate"}));

  // Reordering moves the tabs; the active sheet keeps its tab wherever it goes.
  Pages->SetActivePage(List);
  EXPECT_EQ(Pages->TabIndex(), 1);
  List->SetPageIndex(99); // kept within the list: the last place
  EXPECT_EQ(List->PageIndex(), 2);
  EXPECT_EQ(TabTexts(*Pages),
            (std::vector<std::string>{"Operate", "Drag Operate", "Windows List"}));
  EXPECT_EQ(Pages->ActivePage(), List);
  EXPECT_EQ(Pages->TabIndex(), 2);
  Operate->SetPageIndex(1);
  EXPECT_EQ(TabTexts(*Pages),
            (std::vector<std::string>{"Drag Operate", "Operate", "Windows List"}));
  EXPECT_EQ(Pages->TabIndex(), 2);

  // A sheet without its tab keeps its place among the pages; tabs count shown sheets only.
  Operate->SetPageVisible(false);
  EXPECT_EQ(TabTexts(*Pages), (std::vector<std::string>{"Drag Operate", "Windows List"}));
  EXPECT_EQ(Operate->PageIndex(), 1);
  EXPECT_EQ(Pages->TabIndex(), 1);
  EXPECT_EQ(Pages->PageOfTab(1), List);
  Pages->SetTabIndex(0);
  EXPECT_EQ(Pages->ActivePage(), Unnamed);
  Operate->SetPageVisible(true);
  EXPECT_EQ(TabTexts(*Pages),
            (std::vector<std::string>{"Drag Operate", "Operate", "Windows List"}));

  // Removing a sheet that is not active removes its tab only.
  Operate->Free();
  EXPECT_EQ(TabTexts(*Pages), (std::vector<std::string>{"Drag Operate", "Windows List"}));
  EXPECT_EQ(Pages->ActivePage(), Unnamed);
  EXPECT_EQ(Pages->TabIndex(), 0);
  ExpectOnlyShown(Unnamed);
  // Every change of the active page was reported, with its tab in place.
  EXPECT_EQ(Changes, (std::vector<int>{0, 1, 0}));
}

TEST_F(PageControlTest, AClickOnATabShowsItsSheetAlone) {
  TSeCustomTabSheet* Sheets[] = {AddSheet("Operate"), AddSheet("Windows List"),
                                 AddSheet("Settings")};
  std::vector<std::string> Events;
  for (TSeCustomTabSheet* Sheet : Sheets) {
    Sheet->OnShow = [&, Sheet](TObject*) { Events.push_back("show " + Sheet->Caption()); };
    Sheet->OnHide = [&, Sheet](TObject*) { Events.push_back("hide " + Sheet->Caption()); };
  }
  PumpFor(30);
  ASSERT_TRUE(ClickAt(Centre(Pages->Layout().TabRect(2))));
  ASSERT_TRUE(PumpUntil([&] { return Pages->ActivePage() == Sheets[2]; }, 1000));
  EXPECT_EQ(Pages->TabIndex(), 2);
  ExpectOnlyShown(Sheets[2]);
  EXPECT_EQ(Events, (std::vector<std::string>{"hide Operate", "show Settings"}));
  PumpFor(30);
  // On the screen the page area belongs to the sheet.
  const TRect Area = Pages->Layout().SheetRect();
  const POINT Middle = Pages->ClientToScreen({Centre(Area).X, Centre(Area).Y});
  EXPECT_EQ(WindowFromPoint(Middle), Sheets[2]->Handle());
  // A click on the page is the sheet's, not the tab control's.
  ASSERT_TRUE(ClickAt(Centre(Area)));
  PumpFor(50);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);

  // A refused change keeps the sheet.
  Allowed = false;
  ASSERT_TRUE(ClickAt(Centre(Pages->Layout().TabRect(0))));
  PumpFor(100);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  EXPECT_EQ(Pages->TabIndex(), 2);
  ExpectOnlyShown(Sheets[2]);
  Allowed = true;
  ASSERT_TRUE(ClickAt(Centre(Pages->Layout().TabRect(1))));
  ASSERT_TRUE(PumpUntil([&] { return Pages->ActivePage() == Sheets[1]; }, 1000));
  ExpectOnlyShown(Sheets[1]);
  EXPECT_EQ(Changes, (std::vector<int>{0, 2, 1}));
}

TEST_F(PageControlTest, RemovingTheActiveSheetActivatesPageZero) {
  TSeCustomTabSheet* First = AddSheet("Operate");
  TSeCustomTabSheet* Second = AddSheet("Windows List");
  TSeCustomTabSheet* Third = AddSheet("Settings");
  Pages->SetActivePage(Third);
  Third->Free();
  EXPECT_EQ(Pages->ActivePage(), First);
  EXPECT_EQ(Pages->TabIndex(), 0);
  ExpectOnlyShown(First);
  // The same when the active sheet is page 0 itself: the next sheet becomes page 0.
  First->SetParent(Form);
  EXPECT_EQ(Pages->ActivePage(), Second);
  EXPECT_EQ(Pages->PageCount(), 1);
  EXPECT_EQ(TabTexts(*Pages), (std::vector<std::string>{"Windows List"}));
  EXPECT_FALSE(First->Visible()); // a sheet taken away is hidden
  ExpectOnlyShown(Second);
  // The last sheet gone, nothing is active.
  Second->Free();
  EXPECT_EQ(Pages->ActivePage(), nullptr);
  EXPECT_EQ(Pages->TabIndex(), -1);
  EXPECT_TRUE(Pages->Tabs().Items().empty());
  EXPECT_EQ(Changes, (std::vector<int>{0, 2, 0, 0})); // none for no page left
}

TEST_F(PageControlTest, TheActiveSheetCoversThePageArea) {
  Pages->SetBounds(10, 10, 260, 220);
  Pages->SetMultiLine(true);
  TSeCustomTabSheet* First = AddSheet("Operate");
  ExpectOnThePage(First);
  const int OneRow = Pages->Layout().SheetRect().Top;
  // More tabs than fit one row: the header deepens and the sheet moves down with the page.
  for (const char* Name : {"Windows List", "Drag Operate", "Settings", "About", "More"})
    AddSheet(Name);
  ASSERT_GE(Pages->Layout().Rows().size(), 2u);
  EXPECT_GT(Pages->Layout().SheetRect().Top, OneRow);
  ExpectOnThePage(First);
  // Resizing the control and moving the tabs re-bound the sheet.
  Pages->SetBounds(10, 10, 300, 240);
  ExpectOnThePage(First);
  Pages->SetTabPosition(tpLeft);
  EXPECT_GT(Pages->Layout().SheetRect().Left, Pages->MarginLeft() + 1);
  ExpectOnThePage(First);
  // A sheet activated later is put on the page before it shows.
  Pages->SetActivePage(Pages->Pages(4));
  ExpectOnThePage(Pages->Pages(4));
  ExpectOnlyShown(Pages->Pages(4));
}

} // namespace
