// Skinned menus with the built-in skin: the rows measure and draw from the skin's
// "PopupMenu" objects, the level's frame is its "Frame" with that object's margins.

#include <windows.h>

#include <gtest/gtest.h>
#include <thread>

#include "SkinViews.h"
#include "controls/menu/MenuMetrics.h"
#include "controls/menu/SePopupView.h"
#include "controls/menu/SeSkinItem.h"
#include "controls/menu/SeSkinPopupMenu.h"
#include "gfx/SkinText.h"
#include "skin/SkinEngine.h"
#include "skin/SkinSource.h"
#include "tests/win/controls/menu/MenuTestSupport.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/AnsiText.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Forms.h"
#include "toolkit/ImageList.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/ShortCuts.h"

namespace {

class SkinPopupMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    Form->AfterConstruction();
    PumpFor(30);
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 1000);
    Engine = MakeComponent<TSeSkinEngine>(Form);
    LoadSkin(MIREVAN_BUILTIN_SKIN, *Engine->Source());
    ASSERT_TRUE(Engine->HasSkin());
    Menu = MakeComponent<TSeSkinPopupMenu>(Form);
    Menu->SetSkinEngine(Engine);
    PointAt({20, 20});
  }
  void TearDown() override { Form->Free(); }

  TSeSkinObject* PopupObject(const char* Name) {
    TSeSkinObject* Popup = Engine->Source()->FindObject("PopupMenu");
    return Popup ? Popup->FindObject(Name) : nullptr;
  }
  TSeSkinItem* Add(const std::string& Caption) {
    auto* Item = MakeComponent<TSeSkinItem>(Form);
    Item->SetCaption(Caption);
    Menu->Items()->Add(Item);
    return Item;
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TSeSkinEngine* Engine = nullptr;
  TSeSkinPopupMenu* Menu = nullptr;
};

TEST_F(SkinPopupMenuTest, ARowMeasuresItsCaptionAndShortCutInTheSkinsFont) {
  TSeSkinItem* Save = Add("Save");
  Save->SetShortCut(0x4053); // Ctrl+S
  TSeSkinItem* Line = Add("-");
  Menu->SetSkinEngine(Engine);
  TSeSkinObject* Row = PopupObject("Item");
  ASSERT_NE(nullptr, Row);
  TSePopupView View(nullptr);
  View.SetItem(Menu->Items());
  const TPoint Size = Save->MeasureItem(*View.Canvas(), View);
  TCanvas Probe(View.Canvas()->Handle());
  Probe.Font = Row->GetFont();
  const int Column = ImageColumnWidth(*Save);
  EXPECT_EQ(TextWidth(Probe, L"Save") + TextWidth(Probe, WindowText(ShortCutToText(0x4053))) +
                Column + 42,
            Size.X);
  const int Expected = Row->Height() < Column - 4 ? Column + 4 : Row->Height();
  EXPECT_EQ(Expected, Size.Y);
  // A separator keeps the row object's own height.
  EXPECT_EQ(Row->Height(), Line->MeasureItem(*View.Canvas(), View).Y);

  // Without a skin the plain measure holds.
  TSeSkinEngine* Empty = MakeComponent<TSeSkinEngine>(Form);
  Menu->SetSkinEngine(Empty);
  EXPECT_FALSE(Save->SkinUsable());
  EXPECT_EQ(MenuMetrics().Height, Save->MeasureItem(*View.Canvas(), View).Y);
}

TEST_F(SkinPopupMenuTest, TheLevelsContentStartsInsideTheSkinsFrameMargins) {
  TSeSkinObject* Frame = Engine->Source()->FindObject("PopupMenu")->FindObject("Frame");
  ASSERT_NE(nullptr, Frame);
  // The built-in skin's frame: 2 left and top, 3 right and bottom.
  EXPECT_EQ(2, Frame->MarginLeft);
  EXPECT_EQ(2, Frame->MarginTop);
  EXPECT_EQ(3, Frame->MarginRight);
  EXPECT_EQ(3, Frame->MarginBottom);
  EXPECT_EQ(nullptr, PopupObject("Separator"));
  Add("Open");
  Add("-");
  Add("Close");
  const DWORD Thread = GetCurrentThreadId();
  RECT Level{};
  HWND Window = nullptr;
  std::thread User([&] {
    if (WaitForLevels(Thread, 1)) {
      Window = VisibleLevels(Thread).front();
      Level = WindowRectOf(Window);
    }
    TapKey(VK_ESCAPE);
  });
  Menu->Popup(300, 200);
  User.join();
  ASSERT_NE(nullptr, Window);
  // The rows: two of the row object's height and one separator of the same.
  TSeSkinObject* Row = PopupObject("Item");
  const int Column = 22;
  const int RowHeight = Row->Height() < Column - 4 ? Column + 4 : Row->Height();
  EXPECT_EQ(2 * RowHeight + Row->Height() + 2 + 3, Level.bottom - Level.top);
  EXPECT_EQ(300, Level.left);
  EXPECT_EQ(200, Level.top);
}

TEST_F(SkinPopupMenuTest, AStoredMenuIsMadeByClassNameAndFindsItsEngineAndImagesByName) {
  Engine->SetName("SeSkinEngine1");
  const TPersistentFactory* Factory = FindPersistentClass("TSeSkinPopupMenu");
  ASSERT_NE(nullptr, Factory);
  std::unique_ptr<TPersistent> Made = (*Factory)(Form);
  auto* Stored = dynamic_cast<TSeSkinPopupMenu*>(Made.get());
  ASSERT_NE(nullptr, Stored);
  for (const char* ItemClass : {"TSeCustomItem", "TSeSkinItem", "TSeCustomPopupMenu"})
    EXPECT_NE(nullptr, FindPersistentClass(ItemClass)) << ItemClass;
  // The image list comes after the menu in the layout: found once the menu has loaded.
  Stored->SetLoading(true);
  ComponentFromText("object pmTray: TSeSkinPopupMenu\r\n"
                    "  Images = ImageList1\r\n"
                    "  SkinEngine = SeSkinEngine1\r\n"
                    "end\r\n",
                    *Stored);
  auto* Images = MakeComponent<TImageList>(Form);
  Images->SetName("ImageList1");
  Stored->Loaded();
  EXPECT_EQ(Engine, Stored->SkinEngine());
  EXPECT_EQ(Images, Stored->Images());
  EXPECT_EQ(Images, Stored->Items()->Images());
  // Every item of the tree takes the engine.
  auto* Item = dynamic_cast<TSeSkinItem*>(Stored->NewItem());
  ASSERT_NE(nullptr, Item);
  Stored->Items()->Add(Item);
  Stored->SetSkinEngine(Engine);
  EXPECT_EQ(Engine, Item->SkinEngine());
  // Going, the engine and the images leave no reference behind.
  Images->Free();
  EXPECT_EQ(nullptr, Stored->Images());
  Engine->Free();
  Engine = nullptr;
  EXPECT_EQ(nullptr, Stored->SkinEngine());
  EXPECT_EQ(nullptr, Item->SkinEngine());
}

} // namespace
