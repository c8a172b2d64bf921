// Compiles the built-in skin: reads the object source, draws the bitmaps, writes the
// engine's stored form.
//   skingen SOURCE.txt OUTPUT.bin

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>

#include "SkinArt.h"
#include "SkinCompiler.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skingen SOURCE.txt OUTPUT.bin\n");
    return 2;
  }
  try {
    std::ifstream In(argv[1], std::ios::binary);
    if (!In)
      throw std::runtime_error(std::string("cannot open ") + argv[1]);
    const std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    const SkinGen::SkinSource Source = SkinGen::ParseSkinSource(Text);
    const std::vector<uint8_t> Stored =
        SkinGen::StoredSkin(SkinGen::SkinBody(Source, SkinGen::DrawSkinBitmaps()));
    std::ofstream Out(argv[2], std::ios::binary);
    Out.write(reinterpret_cast<const char*>(Stored.data()),
              static_cast<std::streamsize>(Stored.size()));
    if (!Out)
      throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& Failure) {
    std::fprintf(stderr, "skingen: %s\n", Failure.what());
    return 1;
  }
  return 0;
}
