// The skinned list view with the dark skin: the list takes the skin's colour, its border and
// header sections come from the skin ("ListBox", "Header"), the pressed section from its
// pressed picture, and the in-place bars are skinned bars of the same engine. Without the
// engine it is plain again.

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "SkinViews.h"
#include "controls/list/SeSkinSListView.h"
#include "skin/SkinEngine.h"
#include "tests/win/controls/list/ListViewFixture.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Colors.h"
#include "toolkit/Forms.h"
#include "toolkit/PropertyStream.h"

namespace {

// The classic plain look also where the platform's theme is on.
class TClassicSkinList : public TSeSkinSListView {
public:
  using TSeSkinSListView::TSeSkinSListView;

protected:
  bool Themed() const override { return false; }
};

constexpr TColor DesignColor = 0x0000FFFF; // yellow

class SkinListViewTest : public ListViewFixture<TClassicSkinList> {
protected:
  void SetUp() override {
    MakeList();
    Engine = MakeComponent<TSeSkinEngine>(Form);
    LoadSkin(MIREVAN_DARK_SKIN, *Engine->Source());
    List->AddColumn("Window Text", 200);
    List->AddColumn("Status", 80);
    List->SetColor(DesignColor);
    ShowList({16, 40, 329, 225});
  }
  // The header painted into a picture of its size.
  std::vector<uint32_t> HeaderShot() const {
    RECT Client{};
    GetClientRect(Header(), &Client);
    TDibShot Shot(Client.right, Client.bottom);
    SendMessageW(Header(), WM_PAINT, reinterpret_cast<WPARAM>(Shot.DC()), 0);
    return Shot.Pixels();
  }
  // The pixels of one header item's rectangle, row by row; with Blank only its right quarter,
  // where the caption does not reach.
  std::vector<uint32_t> SectionPixels(const std::vector<uint32_t>& Shot, int Index,
                                      bool Blank = false) const {
    RECT Client{};
    GetClientRect(Header(), &Client);
    const RECT R = ItemRect(Index);
    std::vector<uint32_t> Section;
    for (int Y = R.top; Y < R.bottom; ++Y)
      for (int X = Blank ? R.right - (R.right - R.left) / 4 : R.left; X < R.right; ++X)
        Section.push_back(Shot[static_cast<size_t>(Y * Client.right + X)]);
    return Section;
  }
  // A pixel of the list's non-client border, as 0x00BBGGRR.
  COLORREF BorderPixel(int X, int Y) const {
    RedrawWindow(List->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const HDC DC = GetWindowDC(List->Handle());
    const COLORREF Pixel = GetPixel(DC, X, Y);
    ReleaseDC(List->Handle(), DC);
    return Pixel;
  }
  // A pixel of the rows' area below the last row.
  COLORREF EmptyRowPixel() const {
    RedrawWindow(List->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT Client{};
    GetClientRect(List->Handle(), &Client);
    const HDC DC = GetDC(List->Handle());
    const COLORREF Pixel = GetPixel(DC, Client.right / 2, Client.bottom - 10);
    ReleaseDC(List->Handle(), DC);
    return Pixel;
  }
  TSeSkinObject* SkinTemplate(const char* Name) const { return Engine->Source()->FindObject(Name); }

  TSeSkinEngine* Engine = nullptr;
};

TEST_F(SkinListViewTest, SkinColourReplacesTheDesignColourAndTheBorderComesFromTheSkin) {
  ASSERT_NE(SkinTemplate("ListBox"), nullptr);
  const TColor SkinColor = SkinTemplate("ListBox")->Color;
  ASSERT_NE(ColorToRGB(SkinColor), ColorToRGB(DesignColor));
  EXPECT_EQ(EmptyRowPixel(), ColorToRGB(DesignColor));
  const int H = List->Height();
  const COLORREF PlainBorder = BorderPixel(0, H / 2);
  ASSERT_EQ(PlainBorder, ColorToRGB(clBtnShadow));

  List->SetSkinEngine(Engine);
  EXPECT_EQ(List->Color(), SkinColor);
  EXPECT_EQ(static_cast<COLORREF>(ListView_GetBkColor(List->Handle())), ColorToRGB(SkinColor));
  EXPECT_EQ(EmptyRowPixel(), ColorToRGB(SkinColor));
  const COLORREF SkinBorder = BorderPixel(0, H / 2);
  EXPECT_NE(SkinBorder, PlainBorder);

  // Without the engine the border and header are plain again; the colour stays the one the
  // skin gave.
  List->SetSkinEngine(nullptr);
  EXPECT_EQ(List->HeaderSkin(), nullptr);
  EXPECT_EQ(BorderPixel(0, H / 2), PlainBorder);
  EXPECT_EQ(BorderPixel(1, H / 2), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(List->Color(), SkinColor);
}

TEST_F(SkinListViewTest, HeaderSectionsAreTheSkinsNormalAndPressed) {
  const std::vector<uint32_t> Plain = HeaderShot();
  List->SetSkinEngine(Engine);
  ASSERT_NE(List->HeaderSkin(), nullptr);
  const std::vector<uint32_t> Normal = HeaderShot();
  EXPECT_NE(SectionPixels(Normal, 1, true), SectionPixels(Plain, 1, true));
  // The empty rest after the last section is the skin's too.
  RECT Client{};
  GetClientRect(Header(), &Client);
  const int RestX = (ItemRect(1).right + Client.right) / 2;
  ASSERT_LT(ItemRect(1).right, Client.right - 4);
  EXPECT_NE(Normal[static_cast<size_t>(Client.bottom / 2 * Client.right + RestX)],
            Plain[static_cast<size_t>(Client.bottom / 2 * Client.right + RestX)]);
  // The caption in the skin's lettering.
  TSeSkinObject* Section = SkinTemplate("Header")->FindObject("Section");
  ASSERT_NE(Section, nullptr);
  const COLORREF Lettering = ColorToRGB(Section->GetFont().Color());
  const uint32_t Letters = (Lettering & 0xFF) << 16 | (Lettering & 0xFF00) | (Lettering >> 16);
  const auto Has = [](const std::vector<uint32_t>& Pixels, uint32_t Colour) {
    return std::find(Pixels.begin(), Pixels.end(), Colour) != Pixels.end();
  };
  EXPECT_TRUE(Has(SectionPixels(Normal, 1), Letters));
  EXPECT_FALSE(Has(SectionPixels(Plain, 1), Letters));

  // Held down on "Status": that section turns to the pressed picture, the other stays.
  const RECT Status = ItemRect(1);
  POINT Centre{(Status.left + Status.right) / 2, (Status.top + Status.bottom) / 2};
  ClientToScreen(Header(), &Centre);
  ASSERT_TRUE(PointAt(Centre));
  LeftButton(true);
  ASSERT_TRUE(PumpUntil([&] { return List->PressedSection() == 1; }, 2000));
  const std::vector<uint32_t> Pressed = HeaderShot();
  LeftButton(false);
  ASSERT_TRUE(PumpUntil([&] { return List->PressedSection() == -1; }, 2000));
  // The picture itself, not only the caption moved a pixel.
  EXPECT_NE(SectionPixels(Pressed, 1, true), SectionPixels(Normal, 1, true));
  EXPECT_NE(SectionPixels(Pressed, 1, true), SectionPixels(Plain, 1, true));
  EXPECT_EQ(SectionPixels(Pressed, 0), SectionPixels(Normal, 0));
  // Let go, it is the normal picture again.
  EXPECT_EQ(SectionPixels(HeaderShot(), 1), SectionPixels(Normal, 1));

  List->SetSkinEngine(nullptr);
  EXPECT_EQ(HeaderShot(), Plain);
}

TEST_F(SkinListViewTest, HeaderObjectNameTakesEffectAtTheNextAttachment) {
  List->SetSkinEngine(Engine);
  const std::vector<uint32_t> Skinned = HeaderShot();
  List->SetSkinHeaderObject("NoSuchObject");
  EXPECT_EQ(List->SkinHeaderObject(), "NoSuchObject");
  ASSERT_NE(List->HeaderSkin(), nullptr);
  EXPECT_EQ(HeaderShot(), Skinned);
  // Attached again: no header object, so the header is plain while the list stays skinned.
  List->SetSkinEngine(Engine);
  EXPECT_EQ(List->HeaderSkin(), nullptr);
  EXPECT_NE(BorderPixel(0, List->Height() / 2), ColorToRGB(clBtnShadow));
  List->SetSkinEngine(nullptr);
  const std::vector<uint32_t> Plain = HeaderShot();
  List->SetSkinEngine(Engine);
  EXPECT_EQ(HeaderShot(), Plain);
}

TEST_F(SkinListViewTest, ASkinChangeOfItsEngineAttachesTheHeaderAgain) {
  List->SetSkinEngine(Engine);
  List->SetSkinHeaderObject("NoSuchObject");
  ASSERT_NE(List->HeaderSkin(), nullptr);
  // Another engine's change leaves it be.
  auto* Other = MakeComponent<TSeSkinEngine>(Form);
  LoadSkin(MIREVAN_DARK_SKIN, *Other->Source());
  Other->SetDeltaHue(60);
  EXPECT_NE(List->HeaderSkin(), nullptr);
  // Its own engine's change: the list and header objects are copied again by name.
  Engine->SetDeltaHue(60);
  EXPECT_EQ(List->HeaderSkin(), nullptr);
  EXPECT_EQ(List->Color(), SkinTemplate("ListBox")->Color);
  EXPECT_EQ(List->SkinBar(List->ScrollBars()->VertBar())->SkinEngine(), Engine);
}

TEST_F(SkinListViewTest, InPlaceBarsAreSkinnedBarsOfTheSameEngine) {
  TSeInplaceScrollBar* Vert = List->ScrollBars()->VertBar();
  TSeInplaceScrollBar* Horz = List->ScrollBars()->HorzBar();
  List->BeginUpdate();
  for (int I = 0; I < 97; ++I)
    List->AddItem("row " + std::to_string(I))->AddSubItem("ok");
  List->EndUpdate();
  ASSERT_TRUE(
      PumpUntil([&] { return Vert->HandleAllocated() && IsWindowVisible(Vert->Handle()); }, 2000));
  // The plain look of the bar's middle column, and its skinned one.
  const auto BarColumn = [&] {
    RedrawWindow(Vert->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(20);
    std::vector<COLORREF> Column;
    const HDC DC = GetDC(Vert->Handle());
    for (int Y = 0; Y < Vert->Height(); ++Y)
      Column.push_back(GetPixel(DC, Vert->Width() / 2, Y));
    ReleaseDC(Vert->Handle(), DC);
    return Column;
  };
  const std::vector<COLORREF> Plain = BarColumn();

  List->SetSkinEngine(Engine);
  for (TSeInplaceScrollBar* Bar : {Vert, Horz}) {
    TSeSkinScrollBar* Inner = List->SkinBar(Bar);
    ASSERT_NE(Inner, nullptr);
    EXPECT_EQ(Inner->SkinEngine(), Engine);
    // It still fills its place over the platform bar, whatever thickness the skin gives.
    EXPECT_EQ(Inner->Width(), Bar->Width());
    EXPECT_EQ(Inner->Height(), Bar->Height());
  }
  const std::vector<COLORREF> Skinned = BarColumn();
  EXPECT_NE(Skinned, Plain);
  // The skin's "ScrollBar" gives its top button's length.
  const TSeSkinObject* TopButton = SkinTemplate("ScrollBar")->FindObject("TopButton");
  ASSERT_NE(TopButton, nullptr);
  EXPECT_EQ(List->SkinBar(Vert)->ButtonSize(), TopButton->Height());

  List->SetSkinEngine(nullptr);
  EXPECT_EQ(List->SkinBar(Vert)->SkinEngine(), nullptr);
  EXPECT_EQ(BarColumn(), Plain);
}

TEST_F(SkinListViewTest, EngineGoingAwayLeavesThePlainList) {
  List->SetSkinEngine(Engine);
  ASSERT_NE(List->HeaderSkin(), nullptr);
  const COLORREF SkinBorder = BorderPixel(0, List->Height() / 2);
  ASSERT_NE(SkinBorder, ColorToRGB(clBtnShadow));
  Engine->Free();
  Engine = nullptr;
  EXPECT_EQ(List->SkinEngine(), nullptr);
  EXPECT_EQ(List->HeaderSkin(), nullptr);
  EXPECT_EQ(List->SkinBar(List->ScrollBars()->VertBar())->SkinEngine(), nullptr);
  EXPECT_EQ(BorderPixel(0, List->Height() / 2), ColorToRGB(clBtnShadow));
}

TEST_F(SkinListViewTest, TheListObjectsNameAloneWaitsForTheNextAttachment) {
  List->SetSkinEngine(Engine);
  const TColor SkinColor = SkinTemplate("ListBox")->Color;
  ASSERT_EQ(List->Color(), SkinColor);
  // Naming the object again copies nothing: a colour set since stays.
  List->SetColor(DesignColor);
  List->SetSkinObject("ListBox");
  EXPECT_EQ(List->SkinObject(), "ListBox");
  EXPECT_EQ(List->Color(), DesignColor);
  // The next attachment takes the skin's colour over the one set before.
  List->SetSkinEngine(Engine);
  EXPECT_EQ(List->Color(), SkinColor);
  EXPECT_EQ(EmptyRowPixel(), ColorToRGB(SkinColor));
}

TEST_F(SkinListViewTest, TheStoredLayoutNamesItsEngineAndKeepsTheStreamOrder) {
  Engine->SetName("SeSkinEngine1");
  List->SetName("lvList");
  List->SetSkinEngine(Engine);
  List->SetSkinHeaderObject("Header2");
  List->SetReadOnly(true);
  List->SetHideSelection(false);
  List->BevelInner = bvNone;
  List->SetViewStyle(vsList); // the list's own default is a report
  const std::string Text = ComponentToText(*List);
  // The toolkit list's properties first, then the skin's; the version is never stored.
  const size_t Bevel = Text.find("BevelInner = bvNone"), Columns = Text.find("Columns = <"),
               View = Text.find("ViewStyle = vsList"),
               EngineAt = Text.find("SkinEngine = SeSkinEngine1"),
               Object = Text.find("SkinObject = 'ListBox'"),
               Header = Text.find("SkinHeaderObject = 'Header2'");
  ASSERT_NE(Header, std::string::npos) << Text;
  EXPECT_LT(Bevel, Columns);
  EXPECT_LT(Columns, View);
  EXPECT_LT(View, EngineAt);
  EXPECT_LT(EngineAt, Object);
  EXPECT_LT(Object, Header);
  EXPECT_EQ(Text.find("Version"), std::string::npos) << Text;

  // Read back by the registered class, the engine found once the whole layout is read.
  const TPersistentFactory* Factory = FindPersistentClass("TSeSkinSListView");
  ASSERT_NE(Factory, nullptr);
  std::unique_ptr<TPersistent> Made = (*Factory)(Form);
  auto* Copy = dynamic_cast<TSeSkinSListView*>(Made.get());
  ASSERT_NE(Copy, nullptr);
  Copy->SetLoading(true);
  ComponentFromText(Text + "", *Copy);
  EXPECT_EQ(Copy->SkinEngine(), nullptr);
  EXPECT_EQ(Copy->SkinHeaderObject(), "Header2");
  Copy->Loaded();
  EXPECT_EQ(Copy->SkinEngine(), Engine);
  EXPECT_EQ(Copy->Color(), SkinTemplate("ListBox")->Color);
  ASSERT_EQ(Copy->ColumnCount(), 2);
  EXPECT_EQ(Copy->Columns(1)->Caption, "Status");
  EXPECT_EQ(Copy->Columns(1)->Width, 80);
  EXPECT_TRUE(Copy->ReadOnly());
  EXPECT_FALSE(Copy->HideSelection());
  EXPECT_EQ(Copy->BevelInner, bvNone);
  EXPECT_EQ(Copy->Version(), "3.4.0");
  // An engine name the owner does not know is an error naming it; the list is left detached
  // and loaded.
  Copy->SetLoading(true);
  ComponentFromText("object lvList: TSeSkinSListView\r\n  SkinEngine = NoEngine\r\nend\r\n", *Copy);
  try {
    Copy->Loaded();
    ADD_FAILURE() << "an unknown engine name was taken";
  } catch (const EReadError& Error) {
    EXPECT_STREQ(Error.what(), "Unresolved reference 'NoEngine' in lvList");
  }
  EXPECT_EQ(Copy->SkinEngine(), nullptr);
  EXPECT_FALSE(Copy->Loading());
  EXPECT_NE(FindPersistentClass("TSeCustomListView"), nullptr);
}

} // namespace
