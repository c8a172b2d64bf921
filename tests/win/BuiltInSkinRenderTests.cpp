// Both skins drawn, object by object, in every state at two sizes, against reviewed reference
// pictures (tests/golden/skin for the built-in skin, tests/golden/skin-midnight-ember for the
// dark one). SkinGallery --references makes them anew, on purpose, when a skin changes; this
// test never does.

#include <windows.h>

#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "SkinViews.h"
#include "tests/win/support/ReferencePicture.h"

namespace {

struct TSkinUnderTest {
  const char* Title;
  const char* File;
  const char* References;
  std::vector<std::string> Objects; // its top-level objects, in order
};

const std::vector<std::string> ControlObjects = {
    "Form",      "MenuBar",     "PopupMenu", "CheckBox",    "RadioButton", "Button",
    "Tabs",      "ProgressBar", "Edit",      "SpeedButton", "ComboBox",    "ListBox",
    "ScrollBox", "Header",      "StatusBar", "ControlBar",  "Toolbar",     "SpinButton"};

std::vector<std::string> WithDarkExtras() {
  std::vector<std::string> Names = ControlObjects;
  for (const char* Extra : {"ScrollBar", "TrackBar", "GroupBox", "Label", "Hint", "ToolWindow"})
    Names.push_back(Extra);
  return Names;
}

const TSkinUnderTest Skins[] = {
    {"BuiltIn", MIREVAN_BUILTIN_SKIN, MIREVAN_SKIN_GOLDEN_DIR, ControlObjects},
    {"MidnightEmber", MIREVAN_DARK_SKIN, MIREVAN_DARK_SKIN_GOLDEN_DIR, WithDarkExtras()}};

// Each skin is read once for all its objects.
const TSeSkinSource& Loaded(const TSkinUnderTest& Skin) {
  static std::map<std::string, std::unique_ptr<TSeSkinSource>> Cache;
  auto& Source = Cache[Skin.Title];
  if (!Source) {
    Source = std::make_unique<TSeSkinSource>();
    LoadSkin(Skin.File, *Source);
  }
  return *Source;
}

struct TCase {
  const TSkinUnderTest* Skin;
  std::string Object;
};

std::vector<TCase> AllCases() {
  std::vector<TCase> Cases;
  for (const TSkinUnderTest& Skin : Skins)
    for (const std::string& Object : Skin.Objects)
      Cases.push_back({&Skin, Object});
  return Cases;
}

class SkinRenderTest : public ::testing::TestWithParam<TCase> {};

TEST(SkinRender, EachSkinHasExactlyTheObjectsThatHaveReferences) {
  for (const TSkinUnderTest& Skin : Skins) {
    const TSeSkinSource& Source = Loaded(Skin);
    std::vector<std::string> Names;
    for (int I = 0; I < Source.ObjectCount(); ++I)
      Names.push_back(Source.GetObject(I)->Name());
    EXPECT_EQ(Names, Skin.Objects) << Skin.Title;
  }
}

TEST_P(SkinRenderTest, MatchesItsReferencePictureExactly) {
  const TSkinUnderTest& Skin = *GetParam().Skin;
  const TSeSkinSource& Source = Loaded(Skin);
  const TSeSkinObject* Object = Source.FindObject(GetParam().Object);
  ASSERT_NE(Object, nullptr) << GetParam().Object;
  ExpectMatchesReference(RenderObjectStrip(*Object, SkinBackdrop(Source)),
                         std::string(Skin.References) + "/" + Object->Name() + ".png",
                         std::string(Skin.Title) + "-" + Object->Name());
}

INSTANTIATE_TEST_SUITE_P(TopLevelObjects, SkinRenderTest, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<TCase>& Info) {
                           return std::string(Info.param.Skin->Title) + "_" + Info.param.Object;
                         });

} // namespace
