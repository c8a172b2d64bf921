// Compiles a skin: reads the object source, draws the bitmaps of its art set, and writes the
// engine's stored form, or the compressed skin file when the output's name ends in .qzkn.
//   skingen [--art slate|ember] SOURCE.txt OUTPUT
// The art set is "slate" (the built-in skin's) unless named.

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

#include "EmberArt.h"
#include "SkinArt.h"
#include "SkinCompiler.h"

namespace {

bool EndsWith(const std::string& Text, const std::string& Tail) {
  return Text.size() >= Tail.size() && Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) == 0;
}

} // namespace

int main(int argc, char** argv) {
  std::string Art = "slate";
  int First = 1;
  if (argc > 2 && std::string(argv[1]) == "--art") {
    Art = argv[2];
    First = 3;
  }
  if (argc - First != 2 || (Art != "slate" && Art != "ember")) {
    std::fprintf(stderr, "usage: skingen [--art slate|ember] SOURCE.txt OUTPUT\n");
    return 2;
  }
  const std::string SourceName = argv[First], OutputName = argv[First + 1];
  try {
    std::ifstream In(SourceName, std::ios::binary);
    if (!In)
      throw std::runtime_error("cannot open " + SourceName);
    const std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    const SkinGen::SkinSource Source = SkinGen::ParseSkinSource(Text);
    const std::vector<uint8_t> Body = SkinGen::SkinBody(
        Source, Art == "ember" ? SkinGen::DrawEmberBitmaps() : SkinGen::DrawSkinBitmaps());
    const std::vector<uint8_t> Bytes =
        EndsWith(OutputName, ".qzkn") ? SkinGen::CompressedSkin(Body) : SkinGen::StoredSkin(Body);
    std::ofstream Out(OutputName, std::ios::binary);
    Out.write(reinterpret_cast<const char*>(Bytes.data()),
              static_cast<std::streamsize>(Bytes.size()));
    if (!Out)
      throw std::runtime_error("cannot write " + OutputName);
  } catch (const std::exception& Failure) {
    std::fprintf(stderr, "skingen: %s\n", Failure.what());
    return 1;
  }
  return 0;
}
