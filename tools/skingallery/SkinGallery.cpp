// Pictures of a stored skin: the gallery of every top-level object in every state at two
// sizes, and (with --references) one picture per object for the rendering tests.
//   SkinGallery STORED-SKIN GALLERY.png [--references DIR]
// Run it under Wine: the objects draw through the platform's graphics.

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

#include "SkinViews.h"
#include "tools/contactsheet/PngFile.h"

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--references")) {
    std::fprintf(stderr, "usage: SkinGallery STORED-SKIN GALLERY.png [--references DIR]\n");
    return 2;
  }
  try {
    std::ifstream In(argv[1], std::ios::binary);
    std::vector<uint8_t> Bytes{std::istreambuf_iterator<char>(In),
                               std::istreambuf_iterator<char>()};
    if (Bytes.empty() || Bytes[0] == 0)
      throw std::runtime_error(std::string("no skin in ") + argv[1]);
    TMemoryStream Stream(std::vector<uint8_t>(Bytes.begin() + 1, Bytes.end()));
    TSeSkinSource Skin;
    Skin.LoadFromStream(Stream);
    const TSkinPicture Gallery = RenderGallery(Skin);
    if (!WritePng(argv[2], Gallery.Width, Gallery.Height, Gallery.Pixels))
      throw std::runtime_error(std::string("cannot write ") + argv[2]);
    if (argc == 5)
      for (int I = 0; I < Skin.ObjectCount(); ++I) {
        const TSkinPicture Strip = RenderObjectStrip(*Skin.GetObject(I));
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
