// Reading and writing a skin of about 300 KB of body, beside bare zlib on the same bytes
// measured in the same run. After the table, one line "ratio <name> <value>" per comparison:
// our mean CPU time per iteration divided by zlib's, so lower is better.
//
//   skin_read_vs_inflate        the compressed form read into a skin source, against inflating
//                               the zlib stream of its file
//   skin_read_max_vs_inflate    the same for the max form
//   skin_write_vs_deflate       a skin source saved in the compressed form (level 1), against
//                               deflating its body at level 1
//   skin_write_max_vs_deflate   the same for the max form (level 9) and its max body
//
// Every benchmark reports the body's bytes as processed.

#include <benchmark/benchmark.h>
#include <iostream>
#include <stdexcept>
#include <vector>
#include <zlib.h>

#include "bench/RatioReporter.h"
#include "skin/SkinFilters.h"
#include "skin/SkinRegistry.h"
#include "tools/skinsamples/SkinSamples.h"

namespace {

// The edge of the sample skin's largest bitmap: 248 gives a body of about 300 KB.
constexpr int Side = 248;
constexpr size_t MagicSize = 4; // "QZLZ" in front of the zlib stream

struct TForm {
  std::vector<uint8_t> File; // the bytes of the file
  std::vector<uint8_t> Body; // its zlib stream inflated
};

std::vector<uint8_t> Inflated(const std::vector<uint8_t>& File) {
  // The body is never more than 64 times the file for these pictures; grow if it is.
  for (uLongf Capacity = File.size() * 64;; Capacity *= 2) {
    std::vector<uint8_t> Body(Capacity);
    uLongf Size = Capacity;
    const int Result = uncompress(Body.data(), &Size, File.data() + MagicSize,
                                  static_cast<uLong>(File.size() - MagicSize));
    if (Result == Z_OK) {
      Body.resize(Size);
      return Body;
    }
    if (Result != Z_BUF_ERROR)
      throw std::runtime_error("the sample skin's zlib stream does not inflate");
  }
}

TForm MakeForm(const char* Extension) {
  TForm Form;
  Form.File = SampleSkinBytes(Extension, Side);
  Form.Body = Inflated(Form.File);
  return Form;
}

const TForm& Compressed() {
  static const TForm Form = MakeForm("qzkn");
  return Form;
}

const TForm& Max() {
  static const TForm Form = MakeForm("mskn");
  return Form;
}

const TSkinFilterClass& MaxFilter() {
  const TSkinFilterClass* Class = FindSkinFilter("sample.mskn");
  if (!Class)
    throw std::runtime_error("no filter for .mskn");
  return *Class;
}

void CountBody(benchmark::State& State, const TForm& Form) {
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) *
                          static_cast<int64_t>(Form.Body.size()));
}

// ---------------------------------------------------------------------------------------
// Reading

void Read_Compressed(benchmark::State& State) {
  TMemoryStream File(Compressed().File);
  TSeSkinSource Source;
  for (auto _ : State) {
    File.SetPosition(0);
    Source.LoadFromStream(File);
    benchmark::DoNotOptimize(Source.ObjectCount());
  }
  if (Source.Bitmaps().Count() != 3 || Source.ObjectCount() != 3)
    State.SkipWithError("the skin read back is not the sample skin");
  CountBody(State, Compressed());
}

void Read_Max(benchmark::State& State) {
  TMemoryStream File(Max().File);
  TSeSkinSource Source;
  const auto Filter = MaxFilter().Create();
  Filter->Source = &Source;
  for (auto _ : State) {
    File.SetPosition(0);
    Filter->LoadFromStream(File);
    benchmark::DoNotOptimize(Source.ObjectCount());
  }
  if (Source.Bitmaps().Count() != 3 || Source.ObjectCount() != 3)
    State.SkipWithError("the skin read back is not the sample skin");
  CountBody(State, Max());
}

void Inflate(benchmark::State& State, const TForm& Form) {
  std::vector<uint8_t> Body(Form.Body.size());
  for (auto _ : State) {
    uLongf Size = Body.size();
    if (uncompress(Body.data(), &Size, Form.File.data() + MagicSize,
                   static_cast<uLong>(Form.File.size() - MagicSize)) != Z_OK) {
      State.SkipWithError("uncompress failed");
      break;
    }
    benchmark::ClobberMemory();
  }
  if (Body != Form.Body)
    State.SkipWithError("uncompress gave other bytes");
  CountBody(State, Form);
}

void Reference_Inflate(benchmark::State& State) { Inflate(State, Compressed()); }
void Reference_InflateMax(benchmark::State& State) { Inflate(State, Max()); }

// ---------------------------------------------------------------------------------------
// Writing

void Write_Compressed(benchmark::State& State) {
  TSeSkinSource Source;
  BuildSampleSkin(Source, Side);
  int64_t Written = 0;
  for (auto _ : State) {
    TMemoryStream File;
    Source.SaveToStream(File);
    Written = File.Size();
  }
  if (Written != static_cast<int64_t>(Compressed().File.size()))
    State.SkipWithError("the skin written differs in size from the sample file");
  CountBody(State, Compressed());
}

void Write_Max(benchmark::State& State) {
  TSeSkinSource Source;
  BuildSampleSkin(Source, Side);
  const auto Filter = MaxFilter().Create();
  Filter->Source = &Source;
  int64_t Written = 0;
  for (auto _ : State) {
    TMemoryStream File;
    Filter->SaveToStream(File);
    Written = File.Size();
  }
  if (Written != static_cast<int64_t>(Max().File.size()))
    State.SkipWithError("the skin written differs in size from the sample file");
  CountBody(State, Max());
}

void Deflate(benchmark::State& State, const TForm& Form, int Level) {
  std::vector<uint8_t> Out(compressBound(static_cast<uLong>(Form.Body.size())));
  for (auto _ : State) {
    uLongf Size = Out.size();
    if (compress2(Out.data(), &Size, Form.Body.data(), static_cast<uLong>(Form.Body.size()),
                  Level) != Z_OK) {
      State.SkipWithError("compress2 failed");
      break;
    }
    benchmark::DoNotOptimize(Size);
    benchmark::ClobberMemory();
  }
  CountBody(State, Form);
}

void Reference_Deflate1(benchmark::State& State) { Deflate(State, Compressed(), 1); }
void Reference_Deflate9(benchmark::State& State) { Deflate(State, Max(), 9); }

const std::vector<TRatio> Ratios = {
    {"skin_read_vs_inflate", "Read_Compressed", "Reference_Inflate"},
    {"skin_read_max_vs_inflate", "Read_Max", "Reference_InflateMax"},
    {"skin_write_vs_deflate", "Write_Compressed", "Reference_Deflate1"},
    {"skin_write_max_vs_deflate", "Write_Max", "Reference_Deflate9"},
};

} // namespace

BENCHMARK(Read_Compressed)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reference_Inflate)->Unit(benchmark::kMicrosecond);
BENCHMARK(Read_Max)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reference_InflateMax)->Unit(benchmark::kMicrosecond);
BENCHMARK(Write_Compressed)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reference_Deflate1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Write_Max)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reference_Deflate9)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  std::vector<char*> Arguments = BenchArguments(argc, argv);
  int Count = static_cast<int>(Arguments.size()) - 1;
  benchmark::Initialize(&Count, Arguments.data());
  if (benchmark::ReportUnrecognizedArguments(Count, Arguments.data()))
    return 1;
  benchmark::AddCustomContext("skin_body_bytes", std::to_string(Compressed().Body.size()));
  benchmark::AddCustomContext("skin_max_body_bytes", std::to_string(Max().Body.size()));
  benchmark::AddCustomContext("skin_file_bytes", std::to_string(Compressed().File.size()) +
                                                     " compressed, " +
                                                     std::to_string(Max().File.size()) + " max");
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios(std::cout, Ratios);
  benchmark::Shutdown();
  return 0;
}
