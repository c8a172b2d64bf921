// The built-in skin drawn, object by object, in every state at two sizes, against reviewed
// reference pictures (tests/golden/skin). SkinGallery --references makes them anew, on
// purpose, when the skin changes; this test never does.

#include <windows.h>

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "SkinViews.h"
#include "tools/contactsheet/PngFile.h"

namespace {

class BuiltInSkinRenderTest : public ::testing::TestWithParam<int> {
protected:
  static void SetUpTestSuite() {
    std::ifstream In(MIREVAN_BUILTIN_SKIN, std::ios::binary);
    const std::vector<uint8_t> Bytes{std::istreambuf_iterator<char>(In),
                                     std::istreambuf_iterator<char>()};
    ASSERT_GT(Bytes.size(), 1u);
    TMemoryStream Stream(std::vector<uint8_t>(Bytes.begin() + 1, Bytes.end()));
    Skin = std::make_unique<TSeSkinSource>();
    Skin->LoadFromStream(Stream);
  }
  static void TearDownTestSuite() { Skin.reset(); }
  static std::unique_ptr<TSeSkinSource> Skin;
};
std::unique_ptr<TSeSkinSource> BuiltInSkinRenderTest::Skin;

TEST_P(BuiltInSkinRenderTest, MatchesItsReferencePictureExactly) {
  ASSERT_EQ(Skin->ObjectCount(), 18);
  const TSeSkinObject& Object = *Skin->GetObject(GetParam());
  const TSkinPicture Actual = RenderObjectStrip(Object);
  const std::string Reference = std::string(MIREVAN_SKIN_GOLDEN_DIR) + "/" + Object.Name() + ".png";
  TSkinPicture Expected;
  ASSERT_TRUE(ReadPng(Reference, Expected.Width, Expected.Height, Expected.Pixels))
      << "no reference " << Reference;
  ASSERT_EQ(Actual.Width, Expected.Width) << Object.Name();
  ASSERT_EQ(Actual.Height, Expected.Height) << Object.Name();
  size_t Different = 0, First = 0;
  for (size_t I = 0; I < Actual.Pixels.size(); ++I)
    if (Actual.Pixels[I] != Expected.Pixels[I] && Different++ == 0)
      First = I;
  if (Different > 0) {
    char Temp[MAX_PATH];
    GetTempPathA(MAX_PATH, Temp);
    const std::string Saved = std::string(Temp) + "actual-" + Object.Name() + ".png";
    WritePng(Saved, Actual.Width, Actual.Height, Actual.Pixels);
    ADD_FAILURE() << Object.Name() << ": " << Different << " pixels differ, the first at ("
                  << First % Actual.Width << ", " << First / Actual.Width << "); drawn: " << Saved;
  }
}

INSTANTIATE_TEST_SUITE_P(TopLevelObjects, BuiltInSkinRenderTest, ::testing::Range(0, 18));

} // namespace
