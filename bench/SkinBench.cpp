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
// Each pair runs in turns (bench/Turns.h): the row Read_Compressed shows ours= and inflate=,
// the CPU seconds per step of each.

#include <benchmark/benchmark.h>
#include <iostream>
#include <stdexcept>
#include <vector>
#include <zlib.h>

#include "bench/RatioReporter.h"
#include "bench/Turns.h"
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

// ---------------------------------------------------------------------------------------
// Reading. Each set-up reads or writes once and checks the result before the steps run.

// Steps that read Form's file into Source through Load, checked once to give the sample skin.
TStep Read(const TForm& Form, std::shared_ptr<TSeSkinSource> Source,
           std::function<void(TStream&)> Load) {
  auto File = std::make_shared<TMemoryStream>(Form.File);
  TStep Step = [File, Source, Load] {
    File->SetPosition(0);
    Load(*File);
    benchmark::DoNotOptimize(Source->ObjectCount());
  };
  Step();
  if (Source->Bitmaps().Count() != 3 || Source->ObjectCount() != 3)
    throw std::runtime_error("the skin read back is not the sample skin");
  return Step;
}

TStep ReadCompressed() {
  auto Source = std::make_shared<TSeSkinSource>();
  return Read(Compressed(), Source, [Source](TStream& File) { Source->LoadFromStream(File); });
}

TStep ReadMax() {
  auto Source = std::make_shared<TSeSkinSource>();
  std::shared_ptr<TSeSkinFilter> Filter = MaxFilter().Create();
  Filter->Source = Source.get();
  return Read(Max(), Source, [Filter](TStream& File) { Filter->LoadFromStream(File); });
}

TSetUp Inflate(const TForm& Form) {
  return [&Form]() -> TStep {
    auto Body = std::make_shared<std::vector<uint8_t>>(Form.Body.size());
    auto Result = std::make_shared<int>(Z_OK);
    TStep Step = [&Form, Body, Result] {
      uLongf Size = Body->size();
      *Result = uncompress(Body->data(), &Size, Form.File.data() + MagicSize,
                           static_cast<uLong>(Form.File.size() - MagicSize));
    };
    Step();
    if (*Result != Z_OK || *Body != Form.Body)
      throw std::runtime_error("uncompress gave other bytes");
    return Step;
  };
}

// ---------------------------------------------------------------------------------------
// Writing

// Steps that write through Save, checked once to give a file of the sample file's size.
TStep Write(std::function<void(TStream&)> Save, const TForm& Form) {
  TMemoryStream File;
  Save(File);
  if (File.Size() != static_cast<int64_t>(Form.File.size()))
    throw std::runtime_error("the skin written differs in size from the sample file");
  return [Save] {
    TMemoryStream File;
    Save(File);
    benchmark::DoNotOptimize(File.Size());
  };
}

TStep WriteCompressed() {
  auto Source = std::make_shared<TSeSkinSource>();
  BuildSampleSkin(*Source, Side);
  return Write([Source](TStream& File) { Source->SaveToStream(File); }, Compressed());
}

TStep WriteMax() {
  auto Source = std::make_shared<TSeSkinSource>();
  BuildSampleSkin(*Source, Side);
  std::shared_ptr<TSeSkinFilter> Filter = MaxFilter().Create();
  Filter->Source = Source.get();
  // Source is held for the filter, which points to it.
  return Write([Source, Filter](TStream& File) { Filter->SaveToStream(File); }, Max());
}

TSetUp Deflate(const TForm& Form, int Level) {
  return [&Form, Level]() -> TStep {
    auto Out =
        std::make_shared<std::vector<uint8_t>>(compressBound(static_cast<uLong>(Form.Body.size())));
    auto Result = std::make_shared<int>(Z_OK);
    TStep Step = [&Form, Level, Out, Result] {
      uLongf Size = Out->size();
      *Result = compress2(Out->data(), &Size, Form.Body.data(),
                          static_cast<uLong>(Form.Body.size()), Level);
      benchmark::DoNotOptimize(Size);
    };
    Step();
    if (*Result != Z_OK)
      throw std::runtime_error("compress2 failed");
    return Step;
  };
}

std::vector<TRatio> Ratios;

// Ours in turns with zlib's Reference on the same bytes.
void RegisterPair(const std::string& Name, const std::string& Ratio, const TSetUp& Ours,
                  const std::string& Reference, const TSetUp& ReferenceSetUp) {
  RegisterTurns(Name, {{"ours", Ours}, {Reference, ReferenceSetUp}});
  Ratios.push_back({Ratio + "_vs_" + Reference, Name + ":ours", Name + ":" + Reference});
}

} // namespace

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
  RegisterPair("Read_Compressed", "skin_read", ReadCompressed, "inflate", Inflate(Compressed()));
  RegisterPair("Read_Max", "skin_read_max", ReadMax, "inflate", Inflate(Max()));
  RegisterPair("Write_Compressed", "skin_write", WriteCompressed, "deflate",
               Deflate(Compressed(), 1));
  RegisterPair("Write_Max", "skin_write_max", WriteMax, "deflate", Deflate(Max(), 9));
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios(std::cout, Ratios);
  benchmark::Shutdown();
  return 0;
}
