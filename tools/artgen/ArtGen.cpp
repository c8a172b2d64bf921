// Draws the program's icon, drag cursor and dialog pictures and writes them into the
// directory named on the command line, creating it if needed.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "Artwork.h"
#include "ImageFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argc > 0 ? argv[0] : "artgen");
    return 2;
  }
  const std::filesystem::path Directory(argv[1]);
  std::error_code Error;
  std::filesystem::create_directories(Directory, Error);
  if (Error) {
    std::fprintf(stderr, "artgen: cannot create directory '%s': %s\n", argv[1],
                 Error.message().c_str());
    return 1;
  }
  try {
    for (const ArtGen::ArtFile& File : ArtGen::BuildArtwork())
      ArtGen::WriteFile((Directory / File.Name).string(), File.Bytes);
  } catch (const std::exception& Failure) {
    std::fprintf(stderr, "artgen: %s\n", Failure.what());
    return 1;
  }
  return 0;
}
