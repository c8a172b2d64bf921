// The page control with the real keyboard and its pictures: Ctrl+Tab and Ctrl+Shift+Tab turn
// the pages round, also from a button on a sheet; Alt and a caption's letter chooses a tab; a
// sheet's image sits at the start of its tab and pushes the caption along; a sheet shows the
// page frame under it without a seam and paints nothing while hidden; the controls' stored
// properties go through the stored layout and back, and the classes are known by name.

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "SkinViews.h"
#include "controls/buttons/SeSkinButton.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "controls/tabs/SeSkinPageControl.h"
#include "gfx/Bitmap.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObjects.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Forms.h"
#include "toolkit/ImageList.h"
#include "toolkit/PropertyStream.h"

namespace {

struct TSurfacePixels {
  const TseBitmap& Surface;
  uint32_t Pixel(int X, int Y) const { return Surface.GetPixel(X, Y) & 0xFFFFFF; }
};

class PageFeatureTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = NewTestForm(100, 100, 460, 300);
    Pages = MakeComponent<TSeSkinPageControl>(Form);
    Pages->SetName("Pages");
    Pages->SetParent(Form);
    Pages->SetBounds(10, 10, 400, 220);
    Pages->SetPerformance(qzpDoubleBuffer);
    Pages->OnChange = [this](TObject*) { Changes.push_back(Pages->TabIndex()); };
    for (const char* Caption : {"&Operate", "&Windows List", "&Settings"}) {
      auto* Sheet = MakeComponent<TSeCustomTabSheet>(Form);
      Sheet->SetCaption(Caption);
      Sheet->SetTabControl(Pages);
      Sheets.push_back(Sheet);
    }
    Button = MakeComponent<TSeSkinButton>(Form);
    Button->SetParent(Sheets[0]);
    Button->SetBounds(10, 10, 75, 23);
    Button->SetCaption("Apply");
    ShowInFront(*Form);
    Changes.clear(); // the first sheet's arrival
  }
  void TearDown() override { Form->Free(); }

  static void CtrlTab(bool Shift) { CtrlKey(VK_TAB, Shift); }
  bool WaitForTab(int Tab) {
    return ProcessUntil([&] { return Pages->TabIndex() == Tab; }, 2000);
  }
  void Print(HWND Wnd, TDibShot& Shot, LPARAM Flags) {
    SendMessageW(Wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()), Flags);
    GdiFlush();
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeSkinPageControl* Pages = nullptr;
  std::vector<TSeCustomTabSheet*> Sheets;
  TSeSkinButton* Button = nullptr;
  std::vector<int> Changes;
};

TEST_F(PageFeatureTest, CtrlTabTurnsThePagesRoundFromAControlOnASheet) {
  Button->SetFocus();
  ASSERT_TRUE(ProcessUntil([&] { return Button->Focused(); }, 2000));
  CtrlTab(false);
  ASSERT_TRUE(WaitForTab(1));
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
  EXPECT_TRUE(Pages->Focused()); // the button's sheet went away with it
  CtrlTab(false);
  ASSERT_TRUE(WaitForTab(2));
  CtrlTab(false); // round to the first
  ASSERT_TRUE(WaitForTab(0));
  CtrlTab(true); // and back round to the last
  ASSERT_TRUE(WaitForTab(2));
  CtrlTab(true);
  ASSERT_TRUE(WaitForTab(1));
  EXPECT_EQ(Changes, (std::vector<int>{1, 2, 0, 2, 1}));
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
}

TEST_F(PageFeatureTest, CtrlTabElsewhereLeavesThePagesAlone) {
  auto* Outside = MakeComponent<TSeSkinButton>(Form);
  Outside->SetParent(Form);
  Outside->SetBounds(10, 240, 75, 23);
  Outside->SetFocus();
  ASSERT_TRUE(ProcessUntil([&] { return Outside->Focused(); }, 2000));
  CtrlTab(false);
  ProcessUntil([] { return false; }, 200);
  EXPECT_EQ(Pages->TabIndex(), 0);
  EXPECT_TRUE(Changes.empty());
}

TEST_F(PageFeatureTest, AltAndACaptionsLetterChoosesItsTab) {
  AltKey('S');
  ASSERT_TRUE(WaitForTab(2));
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  AltKey('W');
  ASSERT_TRUE(WaitForTab(1));
  // A disabled control takes no accelerator.
  Pages->SetEnabled(false);
  AltKey('O');
  ProcessUntil([] { return false; }, 200);
  EXPECT_EQ(Pages->TabIndex(), 1);
}

// 12 x 10 images: a green one inside a magenta border, and a blue one.
TBitmap ImageStrip() {
  TBitmap Strip;
  Strip.SetSize32(24, 10);
  const TBitmapDC DC(Strip.Handle());
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 24; ++X) {
      const bool Border = X == 0 || Y == 0 || X == 11 || Y == 9;
      SetPixelV(DC.Handle(), X, Y,
                X >= 12  ? RGB(0, 0, 200)
                : Border ? RGB(255, 0, 255)
                         : RGB(0, 150, 0));
    }
  return Strip;
}

TEST_F(PageFeatureTest, ASheetsImageSitsAtTheStartOfItsTab) {
  auto* Images = MakeComponent<TImageList>(Form);
  Images->SetWidth(12);
  Images->SetHeight(10);
  Images->Add(ImageStrip(), static_cast<TColor>(RGB(255, 0, 255)));
  const int PlainWidth = Pages->TabWidthOf(1);
  Pages->SetImages(Images);
  EXPECT_EQ(Pages->TabWidthOf(1), PlainWidth); // no image index yet
  Sheets[1]->SetImageIndex(0);
  EXPECT_EQ(Pages->TabWidthOf(1), PlainWidth + 12);
  EXPECT_EQ(Pages->TabImageIndex(1), 0);
  EXPECT_EQ(Pages->TabImageIndex(0), -1);

  TDibShot Shot(400, 220);
  Print(Pages->Handle(), Shot, PRF_CLIENT);
  const TRect Tab = Pages->Layout().TabRect(1);
  // 3 pixels in from the outer corner; the image's border is its mask colour.
  const uint32_t Green = 0x009600;
  EXPECT_EQ(Shot.Pixel(Tab.Left + 3 + 1, Tab.Top + 3 + 1), Green);
  EXPECT_EQ(Shot.Pixel(Tab.Left + 3 + 10, Tab.Top + 3 + 8), Green);
  EXPECT_NE(Shot.Pixel(Tab.Left + 3, Tab.Top + 3), 0xFF00FFu);
  int GreenPixels = 0;
  for (uint32_t P : Shot.Pixels())
    GreenPixels += P == Green;
  EXPECT_EQ(GreenPixels, 10 * 8);

  // The image goes when the list does.
  Images->Free();
  EXPECT_EQ(Pages->Images(), nullptr);
  EXPECT_EQ(Pages->TabWidthOf(1), PlainWidth);
  Print(Pages->Handle(), Shot, PRF_CLIENT);
  EXPECT_NE(Shot.Pixel(Tab.Left + 3 + 1, Tab.Top + 3 + 1), Green);
}

// A skin whose page frame is a 40 x 30 picture of different pixels, its middle tiled: a sheet
// at the wrong offset would show it shifted.
void InstallTiledFrame(TSeSkinEngine& Engine) {
  TSeSkinSource& Source = *Engine.Source();
  Source.Clear();
  auto Picture = std::make_unique<TseBitmap>();
  Picture->Name = "pattern";
  Picture->SetSize(40, 30);
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X)
      *Picture->PixelPtr(X, Y) = 0xFF000000u | (X * 6) << 16 | (Y * 8) << 8 | 0x40;
  Source.Bitmaps().Add(std::move(Picture));
  auto Tabs = std::make_unique<TSeSkinObject>(nullptr);
  Tabs->SetName("Tabs");
  Tabs->Color = clNone;
  auto Frame = std::make_unique<TSeBitmapObject>(Tabs.get());
  Frame->SetName("Frame");
  Frame->SetBounds({0, 0, 50, 50});
  Frame->MarginLeft = Frame->MarginTop = Frame->MarginRight = Frame->MarginBottom = 3;
  Frame->TileStyle = tsTile;
  Frame->Masked = Frame->MaskedBorder = Frame->MaskedAngles = false;
  Frame->Bitmap->Name = "pattern";
  Frame->Bitmap->Rect = {0, 0, 40, 30};
  Tabs->InsertComponent(std::move(Frame));
  Tabs->SetBitmaps(&Source.Bitmaps());
  Tabs->ResolveLinks();
  Source.AddObject(std::move(Tabs));
}

TEST_F(PageFeatureTest, ASheetShowsThePageFrameUnderItWithoutASeam) {
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  InstallTiledFrame(*Engine);
  Pages->SetSkinEngine(Engine);
  ASSERT_EQ(Pages->MarginLeft(), 3);
  TSeCustomTabSheet* Sheet = Sheets[0];
  TDibShot Control(400, 220);
  Print(Pages->Handle(), Control, PRF_CLIENT);
  // The sheet's own picture in a surface of the skin library's (the skin draws into those
  // directly).
  TseBitmap Surface;
  Surface.SetSize(Sheet->Width(), Sheet->Height());
  SendMessageW(Sheet->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Surface.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  const TSurfacePixels Own{Surface};
  std::vector<uint32_t> Seen;
  for (int Y = 0; Y < Sheet->Height(); ++Y)
    for (int X = 0; X < Sheet->Width(); ++X) {
      if (X >= Button->Left() && X < Button->Left() + Button->Width() && Y >= Button->Top() &&
          Y < Button->Top() + Button->Height())
        continue;
      ASSERT_EQ(Own.Pixel(X, Y), Control.Pixel(Sheet->Left() + X, Sheet->Top() + Y))
          << X << "," << Y;
      if (std::find(Seen.begin(), Seen.end(), Own.Pixel(X, Y)) == Seen.end())
        Seen.push_back(Own.Pixel(X, Y));
    }
  EXPECT_GT(Seen.size(), 400u); // much of the picture, not one flat colour

  // The screen shows the same: the sheet's window over the control's.
  ASSERT_TRUE(ProcessUntil([&] { return !GetUpdateRect(Sheet->Handle(), nullptr, FALSE); }, 2000));
  TDibShot Screen(Sheet->Width(), Sheet->Height());
  const HDC Window = GetDC(Sheet->Handle());
  BitBlt(Screen.DC(), 0, 0, Screen.Width(), Screen.Height(), Window, 0, 0, SRCCOPY);
  ReleaseDC(Sheet->Handle(), Window);
  GdiFlush();
  int Different = 0, Tried = 0;
  for (int Y = 0; Y < Sheet->Height(); ++Y)
    for (int X = Button->Left() + Button->Width(); X < Sheet->Width(); ++X) {
      ++Tried;
      Different += Screen.Pixel(X, Y) != Own.Pixel(X, Y);
    }
  EXPECT_EQ(Different, 0) << "of " << Tried << "; at the corner " << std::hex
                          << Screen.Pixel(Sheet->Width() - 20, Sheet->Height() - 20) << " for "
                          << Own.Pixel(Sheet->Width() - 20, Sheet->Height() - 20);

  // A sheet that is not shown paints nothing, its children included.
  TDibShot Hidden(Sheet->Width(), Sheet->Height());
  const RECT All{0, 0, Hidden.Width(), Hidden.Height()};
  FillRect(Hidden.DC(), &All, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Pages->SetActivePage(Sheets[1]);
  Print(Sheet->Handle(), Hidden, PRF_CLIENT | PRF_ERASEBKGND);
  for (uint32_t Pixel : Hidden.Pixels())
    ASSERT_EQ(Pixel, 0xFFFFFFu);
}

TEST_F(PageFeatureTest, StoredPropertiesGoThroughTheLayoutAndBack) {
  auto* Engine = MakeComponent<TSeSkinEngine>(Form);
  Engine->SetName("SkinEngine1");
  Pages->SetSkinEngine(Engine);
  auto* Images = MakeComponent<TImageList>(Form);
  Images->SetName("Pictures");
  Pages->SetImages(Images);
  const char* Names[] = {"tsOperate", "tsWindowsList", "tsSettings"};
  for (int I = 0; I < 3; ++I)
    Sheets[I]->SetName(Names[I]);
  Pages->SetSkinObject("OtherTabs");
  Pages->SetHotTrack(true);
  Pages->SetMultiLine(true);
  Pages->SetTabPosition(tpBottom);
  Pages->SetRaggedRight(true);
  Pages->SetTabHeight(21);
  Pages->SetTabWidth(90);
  Pages->SetTabIndex(2);
  const std::string Text = ComponentToText(*Pages);
  EXPECT_EQ(Text.find("Version ="), std::string::npos) << Text; // read-only, not stored
  // Stream order: the plain control's own list, then the skin's.
  const std::vector<std::string> InOrder{"ActivePage = tsSettings",
                                         "Images = Pictures",
                                         "HotTrack = True",
                                         "MultiLine = True",
                                         "Tabs = ",
                                         "TabPosition = tpBottom",
                                         "TabIndex = 2",
                                         "RaggedRight = True",
                                         "TabHeight = 21",
                                         "TabWidth = 90",
                                         "UsePages = True",
                                         "SkinEngine = SkinEngine1",
                                         "SkinObject = 'OtherTabs'"};
  size_t At = 0;
  for (const std::string& Item : InOrder) {
    const size_t Found = Text.find(Item);
    ASSERT_NE(Found, std::string::npos) << Item << "\n" << Text;
    EXPECT_GT(Found, At) << Item;
    At = Found;
  }

  // The copy's sheets bear the same names, on a form of their own.
  TForm* Other = NewTestForm(0, 0, 100, 100);
  auto* Copy = MakeComponent<TSeSkinPageControl>(Form);
  Copy->SetParent(Form);
  for (int I = 0; I < 3; ++I) {
    auto* Sheet = MakeComponent<TSeCustomTabSheet>(Other);
    Sheet->SetName(Names[I]);
    Sheet->SetCaption(std::string(1, static_cast<char>('a' + I)));
    Sheet->SetTabControl(Copy);
  }
  int CopyChanges = 0;
  Copy->OnChange = [&](TObject*) { ++CopyChanges; };
  Copy->SetLoading(true);
  ComponentFromText(Text, *Copy);
  EXPECT_EQ(Copy->TabIndex(), 0); // remembered until the layout is in place
  EXPECT_EQ(CopyChanges, 0);
  Copy->Loaded();
  EXPECT_EQ(Copy->TabIndex(), 2);
  EXPECT_EQ(Copy->ActivePage(), Copy->Pages(2));
  EXPECT_TRUE(Copy->HotTrack());
  EXPECT_TRUE(Copy->MultiLine());
  EXPECT_EQ(Copy->TabPosition(), tpBottom);
  EXPECT_TRUE(Copy->RaggedRight());
  EXPECT_EQ(Copy->TabHeight(), 21);
  EXPECT_EQ(Copy->TabWidth(), 90);
  EXPECT_TRUE(Copy->UsePages());
  EXPECT_EQ(Copy->SkinEngine(), Engine);
  EXPECT_EQ(Copy->SkinObject(), "OtherTabs");
  EXPECT_EQ(Copy->Images(), Images);
  EXPECT_EQ(Copy->Version(), "3.4.0");
  Other->Free(); // its sheets leave the copy
  EXPECT_EQ(Copy->PageCount(), 0);

  // A plain tab control keeps its own tabs through the layout.
  auto* Plain = MakeComponent<TSeCustomTabControl>(Form);
  Plain->Tabs().Assign({"One", "Two words", "Three"});
  auto* PlainCopy = MakeComponent<TSeCustomTabControl>(Form);
  ComponentFromText(ComponentToText(*Plain), *PlainCopy);
  EXPECT_EQ(PlainCopy->Tabs().Items(), Plain->Tabs().Items());
  // And a sheet its own values.
  Sheets[1]->SetImageIndex(4);
  Sheets[1]->SetPageVisible(false);
  const std::string SheetText = ComponentToText(*Sheets[1]);
  auto* SheetCopy = MakeComponent<TSeCustomTabSheet>(Form);
  ComponentFromText(SheetText, *SheetCopy);
  EXPECT_EQ(SheetCopy->Caption(), "&Windows List");
  EXPECT_EQ(SheetCopy->ImageIndex(), 4);
  EXPECT_FALSE(SheetCopy->PageVisible());
}

TEST_F(PageFeatureTest, TheClassesAreKnownByName) {
  for (const char* Name :
       {"TSeCustomTabControl", "TSeCustomTabSheet", "TSeSkinTabControl", "TSeSkinPageControl"}) {
    const TPersistentFactory* Factory = FindPersistentClass(Name);
    ASSERT_NE(Factory, nullptr) << Name;
    std::unique_ptr<TPersistent> Made = (*Factory)(nullptr);
    EXPECT_EQ(Made->ClassName(), Name);
  }
  std::unique_ptr<TPersistent> Made = (*FindPersistentClass("TSeSkinPageControl"))(nullptr);
  EXPECT_TRUE(static_cast<TSeSkinPageControl*>(Made.get())->UsePages());
  EXPECT_EQ(static_cast<TSeSkinPageControl*>(Made.get())->SkinObject(), "Tabs");
}

} // namespace
