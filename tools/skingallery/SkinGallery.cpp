// Pictures of a skin: the gallery of every top-level object in every state at two sizes,
// and (with --references) one picture per object for the rendering tests. The skin is a
// skin file (.qzkn and the other forms) or the engine's stored form.
//   SkinGallery SKIN GALLERY.png [--references DIR]
// Run it under Wine: the objects draw through the platform's graphics.

#include <cstdio>
#include <exception>
#include <string>

#include "SkinViews.h"
#include "tools/contactsheet/PngFile.h"

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--references")) {
    std::fprintf(stderr, "usage: SkinGallery SKIN GALLERY.png [--references DIR]\n");
    return 2;
  }
  try {
    TSeSkinSource Skin;
    LoadSkin(argv[1], Skin);
    const TSkinPicture Gallery = RenderGallery(Skin);
    if (!WritePng(argv[2], Gallery.Width, Gallery.Height, Gallery.Pixels))
      throw std::runtime_error(std::string("cannot write ") + argv[2]);
    if (argc == 5)
      for (int I = 0; I < Skin.ObjectCount(); ++I) {
        const TSkinPicture Strip = RenderObjectStrip(*Skin.GetObject(I), SkinBackdrop(Skin));
        const std::string File = std::string(argv[4]) + "/" + Skin.GetObject(I)->Name() + ".png";
        if (!WritePng(File, Strip.Width, Strip.Height, Strip.Pixels))
          throw std::runtime_error("cannot write " + File);
      }
  } catch (const std::exception& Failure) {
    std::fprintf(stderr, "SkinGallery: %s\n", Failure.what());
    return 1;
  }
  return 0;
}
