// The library's controls in their states, plainly and with both skins: one picture per
// control and skin for the reference pictures of the control tests (made on purpose, never by
// a test), and one gallery for people.
//   ControlGallery BUILT-IN-SKIN DARK-SKIN GALLERY.png REFERENCE-DIR
// Run it under Wine: the controls paint through the platform.

#include <cstdio>
#include <exception>
#include <string>

#include "ControlViews.h"
#include "toolkit/Forms.h"
#include "tools/contactsheet/PngFile.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: ControlGallery BUILT-IN-SKIN DARK-SKIN GALLERY.png DIR\n");
    return 2;
  }
  try {
    TApplicationScope Scope;
    Application->Initialize();
    // The gallery: a row per control, a column per skin.
    std::vector<std::vector<TSkinPicture>> Rows;
    for (const TControlView& View : ControlViews()) {
      Rows.emplace_back();
      for (const TViewSkin& Skin : ViewSkins(argv[1], argv[2])) {
        const TSkinPicture Picture = RenderControlView(View, Skin);
        const std::string File = std::string(argv[4]) + "/" + View.Name + "-" + Skin.Name + ".png";
        if (!WritePng(File, Picture.Width, Picture.Height, Picture.Pixels))
          throw std::runtime_error("cannot write " + File);
        Rows.back().push_back(Picture);
      }
    }
    TSkinPicture Gallery;
    for (const auto& Row : Rows) {
      int Width = 0, Height = 0;
      for (const TSkinPicture& Picture : Row) {
        Width += Picture.Width;
        Height = std::max(Height, Picture.Height);
      }
      Gallery.Width = std::max(Gallery.Width, Width);
      Gallery.Height += Height;
    }
    Gallery.Pixels.assign(static_cast<size_t>(Gallery.Width) * Gallery.Height, 0xFFFFFF);
    int Top = 0;
    for (const auto& Row : Rows) {
      int Left = 0, Height = 0;
      for (const TSkinPicture& Picture : Row) {
        for (int Y = 0; Y < Picture.Height; ++Y)
          for (int X = 0; X < Picture.Width; ++X)
            Gallery.Pixels[static_cast<size_t>(Top + Y) * Gallery.Width + Left + X] =
                Picture.Pixels[static_cast<size_t>(Y) * Picture.Width + X];
        Left += Picture.Width;
        Height = std::max(Height, Picture.Height);
      }
      Top += Height;
    }
    if (!WritePng(argv[3], Gallery.Width, Gallery.Height, Gallery.Pixels))
      throw std::runtime_error(std::string("cannot write ") + argv[3]);
  } catch (const std::exception& Failure) {
    std::fprintf(stderr, "ControlGallery: %s\n", Failure.what());
    return 1;
  }
  return 0;
}
