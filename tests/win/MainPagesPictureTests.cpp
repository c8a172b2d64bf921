// The real Mirevan.exe with its built-in skin, each of the five pages opened with a real click
// on its tab and taken from the screen, frame included, against reviewed reference pictures
// (tests/golden/pages). PageGallery makes them anew, on purpose, when the window's look
// changes; this test never does.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/PageShots.h"
#include "tests/win/support/ReferencePicture.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

// The pictures are taken from the screen and go through the platform's text drawing, which
// another machine's fonts may shade a little differently. Here, on one display, they come out
// the same to the pixel run after run; the allowance takes a few shades on a few pixels and no
// more: 16 steps per channel on at most 0.005 % of the window (8 of its 172,320 pixels), well
// under what one letter changed, a control moved by a pixel or another skin object makes.
constexpr int MaxChannelDifference = 16;
constexpr double MaxDifferentShare = 0.00005;

TEST(MainPagesPictureTest, EveryPageLooksAsReviewed) {
  ClearAutoStart();
  TTempDir Temp;
  TMirevanProcess Mirevan(Temp.Path(), PageShotSettings());
  for (int Page = 0; Page < 6; ++Page) {
    const TSkinPicture Shot = ShootPage(Mirevan, Page);
    ASSERT_GT(Shot.Width, 0) << "page " << Page << " could not be taken";
    const std::string Reference = PageReferenceName(MIREVAN_PAGE_GOLDEN_DIR, Page);
    ExpectMatchesReferenceWithin(Shot, Reference, "page" + std::to_string(Page),
                                 MaxChannelDifference, MaxDifferentShare);
  }
  LeftButton(false);
}

} // namespace
