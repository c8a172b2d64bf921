// Writes the sample skin in every form into a directory:
//   WriteSkinSamples DIR
// sample.uskn, sample.qzkn, sample.xskn, sample.mskn, legacy.mskn (BMP bitmap records) and
// sample.stored (the engine's stored form: a leading byte 2).

#include <cstdio>
#include <fstream>
#include <string>

#include "SkinSamples.h"

namespace {
bool Write(const std::string& Path, const std::vector<uint8_t>& Bytes) {
  std::ofstream File(Path, std::ios::binary);
  File.write(reinterpret_cast<const char*>(Bytes.data()),
             static_cast<std::streamsize>(Bytes.size()));
  return static_cast<bool>(File);
}
} // namespace

int main(int Argc, char** Argv) {
  if (Argc != 2) {
    std::fprintf(stderr, "usage: WriteSkinSamples DIR\n");
    return 2;
  }
  const std::string Dir = std::string(Argv[1]) + "/";
  bool Ok = true;
  for (const char* Extension : {"uskn", "qzkn", "xskn", "mskn"})
    Ok &= Write(Dir + "sample." + Extension, SampleSkinBytes(Extension));
  Ok &= Write(Dir + "legacy.mskn", SampleLegacyMaxSkinBytes());
  Ok &= Write(Dir + "sample.stored", SampleStoredSkinBytes());
  if (!Ok)
    std::fprintf(stderr, "WriteSkinSamples: cannot write into %s\n", Argv[1]);
  return Ok ? 0 : 1;
}
