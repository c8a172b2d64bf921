// The reference pictures of the main window's page test (tests/golden/pages), made on purpose
// by hand, never by a test, when the window's look changes: the real Mirevan.exe beside this
// program is started and its pages taken exactly as the test takes them.
//   PageGallery DIR
// Run it under Wine, with nothing else on the display.

#include <cstdio>
#include <exception>
#include <string>

#include "tests/win/support/MirevanProcess.h"
#include "tests/win/support/PageShots.h"
#include "tests/win/support/WinTestSupport.h"
#include "tools/contactsheet/PngFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: PageGallery DIR\n");
    return 2;
  }
  try {
    ClearAutoStart();
    TTempDir Temp;
    TMirevanProcess Mirevan(Temp.Path(), PageShotSettings());
    for (int Page = 0; Page < 6; ++Page) {
      const TSkinPicture Shot = ShootPage(Mirevan, Page);
      if (Shot.Width == 0)
        throw std::runtime_error("page " + std::to_string(Page) + " could not be taken");
      const std::string File = PageReferenceName(argv[1], Page);
      if (!WritePng(File, Shot.Width, Shot.Height, Shot.Pixels))
        throw std::runtime_error("cannot write " + File);
    }
  } catch (const std::exception& Failure) {
    std::fprintf(stderr, "PageGallery: %s\n", Failure.what());
    return 1;
  }
  return 0;
}
