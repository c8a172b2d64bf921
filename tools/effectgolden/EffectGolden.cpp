// Writes the reference frames of every built-in FADE and SLIDE effect into a directory
// (default tests/golden/effects), one file per effect. With --pgm DIR it also writes each
// frame of each FADE effect as a grey-scale picture for looking at.

#include "tools/effectgolden/EffectGolden.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  std::string OutDir = "tests/golden/effects", PgmDir;
  for (int I = 1; I < argc; ++I) {
    if (std::strcmp(argv[I], "--pgm") == 0 && I + 1 < argc)
      PgmDir = argv[++I];
    else
      OutDir = argv[I];
  }
  size_t Total = 0;
  for (const TseBuiltInEffect& Effect : BuiltInEffects()) {
    if (Effect.Kind == pkManual)
      continue;
    const std::vector<uint8_t> Data = effectgolden::Encode(Effect);
    const std::string Path = OutDir + "/" + effectgolden::FileName(Effect);
    std::ofstream File(Path, std::ios::binary);
    File.write(reinterpret_cast<const char*>(Data.data()),
               static_cast<std::streamsize>(Data.size()));
    if (!File) {
      std::fprintf(stderr, "cannot write %s\n", Path.c_str());
      return 1;
    }
    Total += Data.size();
    if (PgmDir.empty() || Effect.Kind != pkFade)
      continue;
    for (const auto& Grid : effectgolden::Grids()) {
      for (int32_t Percent : effectgolden::Percents()) {
        const std::vector<uint8_t> Mask =
            effectgolden::Frame(Effect, Grid.Width, Grid.Height, Percent);
        char Name[256];
        std::snprintf(Name, sizeof Name, "%s/%s_%dx%d_%03d.pgm", PgmDir.c_str(),
                      effectgolden::FileName(Effect).c_str(), Grid.Width, Grid.Height, Percent);
        std::ofstream Pgm(Name, std::ios::binary);
        Pgm << "P5\n" << Grid.Width << " " << Grid.Height << "\n255\n";
        Pgm.write(reinterpret_cast<const char*>(Mask.data()),
                  static_cast<std::streamsize>(Mask.size()));
      }
    }
  }
  std::printf("%zu bytes written to %s\n", Total, OutDir.c_str());
  return 0;
}
