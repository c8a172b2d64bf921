// The plain skinned list view on a real form: its header paints its own sections (the one
// under the held left button pressed, none for a divider, left to right in the order the
// columns were put in) and the empty area after the last one; the border is its own. Its
// in-place scroll bars lie over the platform's, come and go with them and scroll the rows.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/list/SeCustomListView.h"
#include "tests/win/controls/list/ListViewFixture.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Colors.h"
#include "toolkit/Forms.h"
#include "toolkit/PropertyStream.h"

namespace {

struct TSectionPaint {
  TRect Rect;
  bool IsBackground;
  bool Pressed;
  std::string Caption;
};

// A list that logs each section it draws and keeps the classic look where the theme is on.
class TProbeList : public TSeCustomListView {
public:
  using TSeCustomListView::TSeCustomListView;
  std::vector<TSectionPaint> Sections;

protected:
  bool Themed() const override { return false; }
  void DrawHeaderSection(TCanvas& Canvas, const TRect& Rect, bool IsBackground, bool Hot,
                         bool Pressed, const std::string& Caption) override {
    Sections.push_back({Rect, IsBackground, Pressed, Caption});
    TSeCustomListView::DrawHeaderSection(Canvas, Rect, IsBackground, Hot, Pressed, Caption);
  }
};

class ListViewTest : public ListViewFixture<TProbeList> {
protected:
  void SetUp() override {
    MakeList();
    List->AddColumn("Alpha", 100);
    List->AddColumn("Beta", 80);
    List->AddColumn("Gamma", 60);
    ShowList({20, 20, 329, 200});
  }
  // The header's point in screen coordinates.
  POINT OnScreen(POINT Point) const {
    ClientToScreen(Header(), &Point);
    return Point;
  }
  // The header painted again now, with a fresh log.
  void Repaint() {
    List->Sections.clear();
    RedrawWindow(Header(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  // The sections (not the background) of the last paint, left to right as drawn.
  std::vector<TSectionPaint> DrawnSections() const {
    std::vector<TSectionPaint> Drawn;
    for (const auto& Paint : List->Sections)
      if (!Paint.IsBackground)
        Drawn.push_back(Paint);
    return Drawn;
  }
  bool PaintedPressed(const std::string& Caption) const {
    for (const auto& Paint : List->Sections)
      if (Paint.Pressed && Paint.Caption == Caption)
        return true;
    return false;
  }
  bool PaintedAnyPressed() const {
    for (const auto& Paint : List->Sections)
      if (Paint.Pressed)
        return true;
    return false;
  }
};

TEST_F(ListViewTest, HeaderPaintsEachSectionAndTheEmptyRestItself) {
  ASSERT_NE(Header(), nullptr);
  EXPECT_EQ(List->HeaderHandle(), Header());
  Repaint();
  const auto Drawn = DrawnSections();
  ASSERT_EQ(Drawn.size(), 3u);
  const char* Captions[] = {"Alpha", "Beta", "Gamma"};
  for (int I = 0; I < 3; ++I) {
    const RECT R = ItemRect(I);
    EXPECT_EQ(Drawn[I].Caption, Captions[I]);
    EXPECT_EQ(Drawn[I].Rect, (TRect{R.left, R.top, R.right, R.bottom}));
    EXPECT_FALSE(Drawn[I].Pressed);
  }
  // After the last column, up to two pixels past the header's width.
  RECT Client{};
  GetClientRect(Header(), &Client);
  ASSERT_FALSE(List->Sections.empty());
  const TSectionPaint& Rest = List->Sections.back();
  EXPECT_TRUE(Rest.IsBackground);
  EXPECT_EQ(Rest.Rect, (TRect{ItemRect(2).right, 0, Client.right + 2, Client.bottom}));
  EXPECT_EQ(Rest.Caption, "");
  EXPECT_FALSE(Rest.Pressed);
}

TEST_F(ListViewTest, ClickedSectionIsPressedWhileHeldAndNormalAfter) {
  const RECT Beta = ItemRect(1);
  ASSERT_TRUE(PointAt(OnScreen({(Beta.left + Beta.right) / 2, (Beta.top + Beta.bottom) / 2})));
  List->Sections.clear();
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return PaintedPressed("Beta"); }, 2000));
  EXPECT_EQ(List->PressedSection(), 1);
  // Only the one under the button, and it stays so while held.
  Repaint();
  ASSERT_EQ(DrawnSections().size(), 3u);
  EXPECT_FALSE(DrawnSections()[0].Pressed);
  EXPECT_TRUE(DrawnSections()[1].Pressed);
  EXPECT_FALSE(DrawnSections()[2].Pressed);

  List->Sections.clear();
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return !DrawnSections().empty(); }, 2000));
  EXPECT_EQ(List->PressedSection(), -1);
  EXPECT_FALSE(PaintedAnyPressed());
}

TEST_F(ListViewTest, PressedSectionLooksSunken) {
  // The classic push-button frame: raised shows the highlight at its top-left corner, pressed
  // shows the shadow.
  const RECT Beta = ItemRect(1);
  const auto CornerColour = [&] {
    const HDC DC = GetDC(Header());
    const COLORREF Colour = GetPixel(DC, Beta.left, Beta.top);
    ReleaseDC(Header(), DC);
    return Colour;
  };
  Repaint();
  const COLORREF Raised = CornerColour();
  ASSERT_TRUE(PointAt(OnScreen({(Beta.left + Beta.right) / 2, (Beta.top + Beta.bottom) / 2})));
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return List->PressedSection() == 1; }, 2000));
  Repaint();
  const COLORREF Sunken = CornerColour();
  LeftButton(false);
  EXPECT_EQ(Raised, ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Sunken, ColorToRGB(clBtnShadow));
}

TEST_F(ListViewTest, DividerPressesNothing) {
  const RECT Alpha = ItemRect(0);
  // On the divider between the first two columns.
  ASSERT_TRUE(PointAt(OnScreen({Alpha.right - 1, (Alpha.top + Alpha.bottom) / 2})));
  List->Sections.clear();
  LeftButton(true);
  // The header starts tracking the divider and captures the pointer.
  ASSERT_TRUE(PumpUntil([&] { return GetCapture() == Header(); }, 2000));
  PumpFor(50);
  EXPECT_EQ(List->PressedSection(), -1);
  EXPECT_FALSE(PaintedAnyPressed());
  LeftButton(false);
  PumpFor(30);
  EXPECT_EQ(ItemRect(0).right, Alpha.right); // held still: the column kept its width
}

TEST_F(ListViewTest, ReorderedColumnsPaintInVisualOrderWithTheirOwnCaptions) {
  int Order[] = {2, 0, 1};
  ASSERT_TRUE(ListView_SetColumnOrderArray(List->Handle(), 3, Order));
  Repaint();
  const auto Drawn = DrawnSections();
  ASSERT_EQ(Drawn.size(), 3u);
  EXPECT_EQ(Drawn[0].Caption, "Gamma");
  EXPECT_EQ(Drawn[1].Caption, "Alpha");
  EXPECT_EQ(Drawn[2].Caption, "Beta");
  EXPECT_EQ(Drawn[0].Rect.Left, 0);
  EXPECT_EQ(Drawn[0].Rect.Width(), 60);
  EXPECT_EQ(Drawn[1].Rect.Left, Drawn[0].Rect.Right);
  EXPECT_EQ(Drawn[1].Rect.Width(), 100);
  EXPECT_EQ(Drawn[2].Rect.Left, Drawn[1].Rect.Right);
  EXPECT_EQ(Drawn[2].Rect.Width(), 80);

  // The section now at the far left is the third column: pressing it presses that one.
  const RECT First = ItemRect(2);
  ASSERT_EQ(First.left, 0);
  ASSERT_TRUE(PointAt(OnScreen({(First.left + First.right) / 2, (First.top + First.bottom) / 2})));
  List->Sections.clear();
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return PaintedPressed("Gamma"); }, 2000));
  EXPECT_EQ(List->PressedSection(), 2);
  EXPECT_FALSE(PaintedPressed("Alpha"));
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return List->PressedSection() == -1; }, 2000));
}

TEST_F(ListViewTest, BorderIsTheClassicDoubleFrame) {
  RedrawWindow(List->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const HDC DC = GetWindowDC(List->Handle());
  const int W = List->Width(), H = List->Height();
  const COLORREF Outer = GetPixel(DC, 0, H / 2), Inner = GetPixel(DC, 1, H / 2);
  const COLORREF OuterEnd = GetPixel(DC, W - 1, H / 2), InnerEnd = GetPixel(DC, W - 2, H / 2);
  ReleaseDC(List->Handle(), DC);
  EXPECT_EQ(Outer, ColorToRGB(clBtnShadow));
  EXPECT_EQ(Inner, ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(OuterEnd, ColorToRGB(clBtnHighlight));
  EXPECT_EQ(InnerEnd, ColorToRGB(clBtnFace));
}

TEST_F(ListViewTest, TheHeaderLetsGoWhenItsWindowGoes) {
  ASSERT_NE(List->HeaderHandle(), nullptr);
  DestroyWindow(Header());
  EXPECT_EQ(List->HeaderHandle(), nullptr);
}

// The in-place bars over the same list, which starts with three rows that fit.
class ListScrollBarTest : public ListViewTest {
protected:
  void AddRows(int Count) {
    List->BeginUpdate();
    for (int I = 0; I < Count; ++I)
      List->AddItem("row " + std::to_string(I))->AddSubItem("ok");
    List->EndUpdate();
  }
  TSeInplaceScrollBar* Vert() const { return List->ScrollBars()->VertBar(); }
  TSeCustomScrollBar* Inner() const { return Vert()->ScrollBar(); }
  int TopIndex() const { return ListView_GetTopIndex(List->Handle()); }
  int PerPage() const { return ListView_GetCountPerPage(List->Handle()); }
  bool VertShown() const { return Vert()->HandleAllocated() && IsWindowVisible(Vert()->Handle()); }
  // A point of the inner bar on the screen.
  POINT BarPoint(TPoint Point) const { return Vert()->ClientToScreen({Point.X, Point.Y}); }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  // The bar and the list agree on the top row.
  bool InStep() const { return Inner()->Position() == TopIndex(); }
};

TEST_F(ListScrollBarTest, VerticalBarComesAndGoesWithThePlatformBarAndLiesOverIt) {
  ASSERT_NE(Vert()->Parent(), nullptr);
  EXPECT_EQ(Vert()->Parent(), static_cast<TWinControl*>(Form));
  EXPECT_FALSE(VertShown());                              // three rows fit
  EXPECT_FALSE(List->ScrollBars()->HorzBar()->Visible()); // and so do the columns

  AddRows(97);
  ASSERT_TRUE(PumpUntil([&] { return VertShown(); }, 2000));
  // Where the platform bar is: right of the client area, as tall as it.
  RECT Client{};
  GetClientRect(List->Handle(), &Client);
  POINT Corner{Client.right, Client.top};
  ClientToScreen(List->Handle(), &Corner);
  RECT Shown{};
  GetWindowRect(Vert()->Handle(), &Shown);
  EXPECT_EQ(Shown.left, Corner.x);
  EXPECT_EQ(Shown.top, Corner.y);
  EXPECT_EQ(Shown.right - Shown.left, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(Shown.bottom - Shown.top, Client.bottom);
  // The inner bar fills it and the pointer finds it on top of the list.
  EXPECT_EQ(Inner()->Height(), Client.bottom);
  EXPECT_EQ(WindowFromPoint({(Shown.left + Shown.right) / 2, (Shown.top + Shown.bottom) / 2}),
            Vert()->Handle());
  // The rows' range, a page of what fits, at the top.
  EXPECT_EQ(Inner()->Min(), 0);
  EXPECT_EQ(Inner()->Max(), 99);
  EXPECT_EQ(Inner()->PageSize(), PerPage());
  EXPECT_EQ(Inner()->Position(), 0);

  List->ClearItems();
  ASSERT_TRUE(PumpUntil([&] { return !VertShown(); }, 2000));
  AddRows(2);
  PumpFor(50);
  EXPECT_FALSE(VertShown());
}

TEST_F(ListScrollBarTest, DraggingTheThumbScrollsTheRows) {
  AddRows(97);
  ASSERT_TRUE(PumpUntil([&] { return VertShown(); }, 2000));
  const TRect Thumb = Inner()->ThumbRect();
  ASSERT_FALSE(Thumb.IsEmpty());
  const TPoint Grab = Centre(Thumb);
  ASSERT_TRUE(PointAt(BarPoint(Grab)));
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return Inner()->Dragging(); }, 2000));
  // A third of the track down: the rows follow while the button is held.
  const int Down = Inner()->TrackRect().Height() / 3;
  ASSERT_TRUE(PointAt(BarPoint({Grab.X, Grab.Y + Down})));
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() > 0; }, 2000));
  PumpFor(50);
  // The thumb stays where the pointer put it: the list went as many rows as the thumb stands
  // for (a row is less than two pixels of this track).
  EXPECT_NEAR(Inner()->ThumbRect().Top, Thumb.Top + Down, 2);
  EXPECT_TRUE(InStep());
  // Beyond the track's end in one move: the last page, in one go.
  ASSERT_TRUE(PointAt(BarPoint({Grab.X, Inner()->Height() + 40})));
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 100 - PerPage(); }, 2000))
      << "top row " << TopIndex();
  EXPECT_TRUE(InStep());
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return !Inner()->Dragging(); }, 2000));
  EXPECT_EQ(TopIndex(), 100 - PerPage());
  EXPECT_TRUE(InStep());
  // And back to the top.
  const TPoint Back = Centre(Inner()->ThumbRect());
  ASSERT_TRUE(PointAt(BarPoint(Back)));
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return Inner()->Dragging(); }, 2000));
  ASSERT_TRUE(PointAt(BarPoint({Back.X, -40})));
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 0; }, 2000)) << "top row " << TopIndex();
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return !Inner()->Dragging(); }, 2000));
  EXPECT_TRUE(InStep());
}

TEST_F(ListScrollBarTest, ArrowAndTrackClicksScrollByARowAndByAPage) {
  AddRows(97);
  ASSERT_TRUE(PumpUntil([&] { return VertShown(); }, 2000));
  ASSERT_TRUE(PointAt(BarPoint(Centre(Inner()->Button2Rect()))));
  LeftButton(true);
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 1; }, 2000)) << "top row " << TopIndex();
  PumpFor(30);
  EXPECT_TRUE(InStep());
  // Below the thumb: a page on.
  const TRect After = Inner()->TrackAfterRect();
  ASSERT_FALSE(After.IsEmpty());
  ASSERT_TRUE(PointAt(BarPoint({Centre(After).X, After.Bottom - 3})));
  LeftButton(true);
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 1 + PerPage(); }, 2000))
      << "top row " << TopIndex();
  PumpFor(30);
  EXPECT_TRUE(InStep());
}

TEST_F(ListScrollBarTest, TheListsOwnScrollingMovesTheBar) {
  AddRows(97);
  ASSERT_TRUE(PumpUntil([&] { return VertShown(); }, 2000));
  // The keyboard: End selects the last row and brings it into view.
  List->SetFocus();
  ListView_SetItemState(List->Handle(), 0, LVIS_FOCUSED | LVIS_SELECTED,
                        LVIS_FOCUSED | LVIS_SELECTED);
  TapKey(VK_END);
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 100 - PerPage() && InStep(); }, 2000))
      << "top row " << TopIndex() << ", bar " << Inner()->Position();
  TapKey(VK_HOME);
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 0 && InStep(); }, 2000))
      << "bar " << Inner()->Position();
  // The list told to scroll, by rows of pixels.
  RECT Row{};
  ListView_GetItemRect(List->Handle(), 0, &Row, LVIR_BOUNDS);
  ListView_Scroll(List->Handle(), 0, 10 * (Row.bottom - Row.top));
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 10 && InStep(); }, 2000))
      << "top row " << TopIndex() << ", bar " << Inner()->Position();
  // The wheel over the list.
  ASSERT_TRUE(PointAt(List->ClientToScreen({100, 100})));
  INPUT Wheel{};
  Wheel.type = INPUT_MOUSE;
  Wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
  Wheel.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
  SendInput(1, &Wheel, sizeof Wheel);
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() > 10 && InStep(); }, 2000))
      << "top row " << TopIndex() << ", bar " << Inner()->Position();
}

TEST_F(ListScrollBarTest, HorizontalBarFollowsColumnsWiderThanTheList) {
  TSeInplaceScrollBar* Horz = List->ScrollBars()->HorzBar();
  EXPECT_FALSE(Horz->Visible());
  List->AddColumn("Delta", 300);
  ASSERT_TRUE(PumpUntil([&] { return Horz->Visible() && IsWindowVisible(Horz->Handle()); }, 2000));
  EXPECT_EQ(Horz->ScrollBar()->Kind(), sbHorizontal);
  EXPECT_EQ(Horz->ScrollBar()->Max() + 1, 100 + 80 + 60 + 300);
  // Its arrow scrolls the columns to the left.
  ASSERT_TRUE(PointAt(Horz->ClientToScreen(
      {Centre(Horz->ScrollBar()->Button2Rect()).X, Centre(Horz->ScrollBar()->Button2Rect()).Y})));
  LeftButton(true);
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return Horz->ScrollBar()->Position() > 0; }, 2000));
  EXPECT_EQ(Horz->ScrollBar()->Position(), GetScrollPos(List->Handle(), SB_HORZ));
}

TEST_F(ListScrollBarTest, BarsLeaveTheParentWithTheList) {
  const int Before = Form->ControlCount();
  const HWND Bar = Vert()->Handle();
  ASSERT_TRUE(IsWindow(Bar));
  List->Free();
  List = nullptr;
  EXPECT_EQ(Form->ControlCount(), Before - 3);
  EXPECT_FALSE(IsWindow(Bar));
}

} // namespace

TEST(EllipsisText, KeepsWhatFitsAndCutsTheRest) {
  const auto Measure = [](const std::string& Text) { return static_cast<int>(Text.size()) * 10; };
  EXPECT_EQ(EllipsisText("Status", 60, Measure), "Status");
  EXPECT_EQ(EllipsisText("Status", 59, Measure), "St...");
  EXPECT_EQ(EllipsisText("Status", 30, Measure), "...");
  EXPECT_EQ(EllipsisText("Status", 5, Measure), "...");
  EXPECT_EQ(EllipsisText("", 0, Measure), "");
}

// The toolkit's list view: its properties through the stored layout, and style changes that
// reach a list that already has its window.
TEST(ToolkitListView, ItsPropertiesAndColumnsGoThroughTheStoredLayout) {
  TListView List(nullptr);
  List.SetName("List");
  List.AddColumn("Window Text", 200);
  List.AddColumn("Status", 80);
  List.SetViewStyle(vsList);
  List.SetCheckboxes(false);
  List.SetGridLines(false);
  List.SetReadOnly(true);
  List.SetHideSelection(false);
  List.BevelOuter = bvNone;
  List.BevelKind = bkFlat;
  List.SetColor(0x00CECFCE);
  const std::string Text = ComponentToText(List);
  EXPECT_NE(Text.find("  Columns = <\r\n    item\r\n      Caption = 'Window Text'\r\n"
                      "      Width = 200\r\n    end\r\n    item\r\n      Caption = 'Status'\r\n"
                      "      Width = 80\r\n    end>\r\n"),
            std::string::npos)
      << Text;
  EXPECT_LT(Text.find("Checkboxes = False"), Text.find("Columns"));
  EXPECT_LT(Text.find("Columns"), Text.find("GridLines = False"));

  TListView Copy(nullptr);
  Copy.AddColumn("dropped by the read", 10);
  ComponentFromText(Text, Copy);
  ASSERT_EQ(Copy.ColumnCount(), 2);
  EXPECT_EQ(Copy.Columns(0)->Caption, "Window Text");
  EXPECT_EQ(Copy.Columns(0)->Width, 200);
  EXPECT_EQ(Copy.Columns(1)->Index(), 1);
  EXPECT_EQ(Copy.ViewStyle(), vsList);
  EXPECT_FALSE(Copy.Checkboxes());
  EXPECT_FALSE(Copy.GridLines());
  EXPECT_TRUE(Copy.HotTrack());
  EXPECT_TRUE(Copy.ReadOnly());
  EXPECT_FALSE(Copy.HideSelection());
  EXPECT_EQ(Copy.BevelOuter, bvNone);
  EXPECT_EQ(Copy.BevelKind, bkFlat);
  EXPECT_EQ(Copy.Color(), static_cast<TColor>(0x00CECFCE));
  EXPECT_NE(FindPersistentClass("TListView"), nullptr);
}

TEST_F(ListViewTest, StylesAndColumnsReachTheWindowItHasAlready) {
  const HWND Wnd = List->Handle();
  const auto Extended = [&] { return ListView_GetExtendedListViewStyle(Wnd); };
  const auto Style = [&] { return GetWindowLongW(Wnd, GWL_STYLE); };
  ASSERT_TRUE(Extended() & LVS_EX_CHECKBOXES);
  List->SetCheckboxes(false);
  List->SetGridLines(false);
  EXPECT_FALSE(Extended() & (LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES));
  EXPECT_TRUE(Extended() & LVS_EX_FULLROWSELECT);
  // Not read-only: captions edit in place; the selection hides without the focus.
  EXPECT_TRUE(Style() & LVS_EDITLABELS);
  EXPECT_FALSE(Style() & LVS_SHOWSELALWAYS);
  List->SetReadOnly(true);
  List->SetHideSelection(false);
  EXPECT_FALSE(Style() & LVS_EDITLABELS);
  EXPECT_TRUE(Style() & LVS_SHOWSELALWAYS);
  List->SetViewStyle(vsList);
  EXPECT_EQ(Style() & LVS_TYPEMASK, static_cast<LONG>(LVS_LIST));
  List->SetViewStyle(vsReport);
  EXPECT_EQ(Style() & LVS_TYPEMASK, static_cast<LONG>(LVS_REPORT));
  EXPECT_EQ(List->ItemCount(), ListView_GetItemCount(Wnd)); // the rows stay

  List->Columns(1)->SetCaption("Renamed");
  List->Columns(1)->SetWidth(120);
  char Caption[32] = {};
  LVCOLUMNA Native{};
  Native.mask = LVCF_TEXT | LVCF_WIDTH;
  Native.pszText = Caption;
  Native.cchTextMax = sizeof Caption;
  SendMessageA(Wnd, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&Native));
  EXPECT_STREQ(Caption, "Renamed");
  EXPECT_EQ(Native.cx, 120);
  List->ClearColumns();
  EXPECT_EQ(Header_GetItemCount(Header()), 0);
  EXPECT_EQ(List->ColumnCount(), 0);
}
