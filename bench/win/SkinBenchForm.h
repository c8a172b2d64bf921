#pragma once
// The start the benchmarks over one skin share: run as "<Program> SKIN [SECONDS-PER-CASE]",
// they measure on a form of their own that holds an engine wearing SKIN.

#include <cstdio>
#include <cstdlib>

#include "skin/SkinEngine.h"
#include "toolkit/Forms.h"
#include "tools/skingallery/SkinViews.h"

struct TSkinBench {
  const char* Skin = nullptr;
  double Seconds = 1.0;
  TForm* Form = nullptr;
  TSeSkinEngine* Engine = nullptr;
};

// The arguments; false after printing the usage when the skin is missing.
inline bool ReadSkinBenchArguments(int argc, char** argv, const char* Program, TSkinBench& Bench) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SKIN [SECONDS-PER-CASE]\n", Program);
    return false;
  }
  Bench.Skin = argv[1];
  Bench.Seconds = argc > 2 ? std::atof(argv[2]) : 1.0;
  return true;
}

// The application's form at the given place (not shown yet) and its engine with the skin.
inline void MakeSkinBenchForm(TSkinBench& Bench, int Left, int Top, int Width, int Height) {
  Application->Initialize();
  Bench.Form = MakeComponent<TForm>(Application);
  Bench.Form->Position = TPosition::poDesigned;
  Bench.Form->SetBounds(Left, Top, Width, Height);
  Bench.Engine = MakeComponent<TSeSkinEngine>(Bench.Form);
  LoadSkin(Bench.Skin, *Bench.Engine->Source());
}
