// The library's controls in their states, plainly and with both skins, against reviewed
// reference pictures (tests/golden/controls). ControlGallery makes them anew, on purpose, when
// a control's look changes; this test never does.

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "ControlViews.h"
#include "tests/win/support/ReferencePicture.h"
#include "toolkit/Forms.h"

namespace {

struct TCase {
  const TControlView* View;
  TViewSkin Skin;
};

std::vector<TCase> AllCases() {
  std::vector<TCase> Cases;
  for (const TControlView& View : ControlViews())
    for (const TViewSkin& Skin : ViewSkins(MIREVAN_BUILTIN_SKIN, MIREVAN_DARK_SKIN))
      Cases.push_back({&View, Skin});
  return Cases;
}

class ControlPictureTest : public ::testing::TestWithParam<TCase> {
protected:
  void SetUp() override { Application->Initialize(); }
  TApplicationScope App;
};

TEST_P(ControlPictureTest, MatchesItsReferencePictureExactly) {
  const TCase& Case = GetParam();
  const std::string Name = Case.View->Name + "-" + Case.Skin.Name;
  ExpectMatchesReference(RenderControlView(*Case.View, Case.Skin),
                         std::string(MIREVAN_CONTROL_GOLDEN_DIR) + "/" + Name + ".png", Name);
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlPictureTest, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<TCase>& Info) {
                           std::string Name = Info.param.View->Name + "_" + Info.param.Skin.Name;
                           std::replace(Name.begin(), Name.end(), '-', '_');
                           return Name;
                         });

} // namespace
