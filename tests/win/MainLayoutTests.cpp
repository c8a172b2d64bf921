// The main window's stored layout read into the real window class: every component in place,
// its handlers bound by name, and written again to the very bytes the build compiled; a
// layout naming what does not exist is refused with the name.

#include <windows.h>

#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/untMain.h"
#include "controls/buttons/SeSkinButton.h"
#include "controls/frame/SeSkinForm.h"
#include "controls/hint/SeSkinHint.h"
#include "controls/list/SeSkinSListView.h"
#include "controls/trackbar/SeSkinTrackBar.h"
#include "skin/SkinEngine.h"
#include "toolkit/Forms.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/PropertyText.h"

namespace {

class MainLayoutTest : public ::testing::Test {
protected:
  void SetUp() override { Application->Initialize(); }
  TApplicationScope App;
};

std::string Text(TStream& Binary) {
  Binary.SetPosition(0);
  return ObjectBinaryToText(Binary);
}

// The text with the binary values of Property (every one for "") emptied, as the layout's
// source leaves them for the build.
std::string WithoutBinaryValues(std::string Text, const std::string& Property = "") {
  const std::string Start = Property + " = {";
  for (size_t Open = Text.find(Start); Open != std::string::npos;
       Open = Text.find(Start, Open + 1)) {
    Open += Property.size();
    const size_t Close = Text.find('}', Open);
    Text.erase(Open + 4, Close - Open - 4);
  }
  return Text;
}

std::string SourceText() {
  std::ifstream In(MIREVAN_MAIN_LAYOUT_SOURCE, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// The error reading Text into the main window gives, or "no error".
std::string ReadError(const std::string& Text) {
  TMemoryStream Layout;
  ObjectTextToBinary(Text, Layout);
  Layout.SetPosition(0);
  try {
    TfrmTransparentMain Form(nullptr, Layout);
    Form.OnCreate = nullptr;
    Form.AfterConstruction();
  } catch (const EReadError& Error) {
    return Error.what();
  }
  return "no error";
}

} // namespace

TEST_F(MainLayoutTest, TheCompiledLayoutReadsIntoTheWindowAndWritesBackToTheSameBytes) {
  TMemoryStream Stored = StoredMainLayout();
  // Read, not yet loaded: what the layout says, before the components act on it.
  auto* Form = MakeComponent<TfrmTransparentMain>(Application);
  // Every component of the layout is the window's, named and placed.
  EXPECT_EQ("frmTransparentMain", Form->Name());
  ASSERT_NE(nullptr, Form->btnRefresh);
  EXPECT_EQ("Refresh", Form->btnRefresh->Caption());
  EXPECT_EQ(Form->tsWindowsList, Form->btnRefresh->Parent());
  EXPECT_EQ("SeSkinEngine1", Form->btnRefresh->PendingReference("SkinEngine"));
  EXPECT_EQ(18, Form->SeSkinEngine1->Source()->ObjectCount()); // the built-in skin came along
  EXPECT_EQ(255, Form->tbTransparency->Max());
  EXPECT_EQ(3, Form->tbTransparency->Position());
  EXPECT_EQ(64, Form->Image3->Picture().Bitmap().Width());
  EXPECT_EQ(97, Form->imgBanner->Picture().Bitmap().Height());
  // Handlers are the window's own methods, by the names the layout gives them.
  EXPECT_TRUE(Form->btnRefresh->OnClick);
  EXPECT_EQ("btnRefreshClick", Form->btnRefresh->EventName("OnClick"));
  EXPECT_EQ("pnlDragMouseMove", Form->Panel1->EventName("OnMouseMove"));
  EXPECT_TRUE(Form->lvList->OnCompare);
  EXPECT_TRUE(Form->OnCreate);

  // Written again before anything runs, the window gives what it came from, and the text the
  // layout's source has (the source leaves the skin and the pictures to the build). The skin
  // is the engine's own writing of the skin the build made: the same skin, compressed anew.
  TMemoryStream Written;
  WriteComponentBinary(Written, *Form);
  const std::string WrittenText = Text(Written);
  // (Equal texts are equal bytes: the two forms convert one to one.)
  EXPECT_EQ(WithoutBinaryValues(Text(Stored), "SkinStream"),
            WithoutBinaryValues(WrittenText, "SkinStream"));
  TMemoryStream Skin, SkinAgain;
  Form->SeSkinEngine1->WriteSkinStream(Skin);
  Skin.SetPosition(0);
  TSeSkinEngine Engine(nullptr);
  Engine.ReadSkinStream(Skin);
  Engine.WriteSkinStream(SkinAgain);
  EXPECT_EQ(18, Engine.Source()->ObjectCount());
  EXPECT_TRUE(Skin.Bytes() == SkinAgain.Bytes()) << "the skin does not write as it reads";
  EXPECT_EQ(SourceText(), WithoutBinaryValues(WrittenText));
  // To bring the source up to date on purpose: MIREVAN_LAYOUT_OUT names where the text goes.
  if (const char* Out = std::getenv("MIREVAN_LAYOUT_OUT"))
    std::ofstream(Out, std::ios::binary) << WithoutBinaryValues(WrittenText);

  // Loaded (as the application does, here without the program's own start-up): the
  // references in place, the first hint drawing the hints, the frame's caption the window's.
  Form->OnCreate = nullptr;
  Form->AfterConstruction();
  EXPECT_FALSE(Form->Loading());
  EXPECT_EQ(Form->SeSkinEngine1, Form->btnRefresh->SkinEngine());
  EXPECT_EQ(Form->SeSkinEngine1, Form->SeSkinForm1->SkinEngine());
  EXPECT_EQ(Form->SeSkinEngine1, Form->lvList->SkinEngine());
  EXPECT_EQ(Form->tsOperate, Form->SeSkinPageControl1->ActivePage());
  EXPECT_EQ("Mirevan V1.0", Form->Caption());
  EXPECT_TRUE(Form->SeSkinHint1->Active());
  EXPECT_FALSE(Form->SeSkinHint2->Active());
  Form->Free();
}

TEST_F(MainLayoutTest, ALayoutNamingAHandlerOrAComponentThatIsNotThereIsRefusedByName) {
  TMemoryStream Stored = StoredMainLayout();
  const std::string Layout = Text(Stored);
  ASSERT_EQ("no error", ReadError(Layout));
  const auto Edited = [&](const std::string& From, const std::string& To) {
    const size_t At = Layout.find(From);
    EXPECT_NE(std::string::npos, At) << From;
    return Layout.substr(0, At) + To + Layout.substr(At + From.size());
  };
  EXPECT_EQ("Method 'btnRefreshClack' not found for btnRefresh.OnClick",
            ReadError(Edited("OnClick = btnRefreshClick", "OnClick = btnRefreshClack")));
  EXPECT_EQ("Method 'lvListCompare' does not fit tbTransparency.OnChange",
            ReadError(Edited("OnChange = tbTransparencyChange", "OnChange = lvListCompare")));
  EXPECT_EQ("Unresolved reference 'SeSkinEngine9' in btnTransparent",
            ReadError(Edited("OnClick = btnTransparentClick\r\n        SkinEngine = SeSkinEngine1",
                             "OnClick = btnTransparentClick\r\n        SkinEngine = SeSkinEngine9")));
  EXPECT_EQ("Class TSeSkinButon not found",
            ReadError(Edited("btnOpacity: TSeSkinButton", "btnOpacity: TSeSkinButon")));
  EXPECT_EQ("The main window's layout has no lvList of its kind",
            ReadError(Edited("lvList: TSeSkinSListView", "lvList: TSeSkinButton")));
}
