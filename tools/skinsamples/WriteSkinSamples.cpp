// Writes sample skins into a directory.
//
//   WriteSkinSamples [--side N] DIR
//     The sample skin in every form: sample.uskn, sample.qzkn, sample.xskn, sample.mskn,
//     legacy.mskn (BMP bitmap records) and sample.stored (the engine's stored form: a leading
//     byte 2). N is the edge of the sample's largest bitmap (128 when not given).
//
//   WriteSkinSamples --seeds FORM [--side N] DIR
//     Small seed inputs of one input form for the fuzz targets, each a few variants of the
//     sample (as it is with edge N, with every bitmap cut down to at most N x N pixels, with
//     no bitmaps, empty, with text records for children). FORM is one of
//       uskn qzkn xskn mskn  the file forms
//       mbody                max bodies, uncompressed (the fuzz target deflates them)
//       stored               the engine's stored form (byte 0, or byte 2 and a skin)
//       objbin objtext       one skin object each: a byte giving the index of its class among
//                            the registered classes, then its binary property stream or its
//                            text form

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "SkinSamples.h"
#include "skin/SkinFilters.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"
#include "skin/ZlibStreams.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/PropertyText.h"
#include "toolkit/SysUtils.h"

namespace {

bool Write(const std::string& Path, const std::vector<uint8_t>& Bytes) {
  std::ofstream File(Path, std::ios::binary);
  File.write(reinterpret_cast<const char*>(Bytes.data()),
             static_cast<std::streamsize>(Bytes.size()));
  return static_cast<bool>(File);
}

std::vector<uint8_t> Concat(std::vector<uint8_t> Head, const std::vector<uint8_t>& Tail) {
  Head.insert(Head.end(), Tail.begin(), Tail.end());
  return Head;
}

// --------------------------------------------------------------------------------------
// Variants of the sample

// Every bitmap cut down to at most Side x Side pixels (a key-coloured corner, a soft bottom
// row), the links bound again; the objects and their link rectangles stay as they are.
void ShrinkBitmaps(TSeSkinSource& Source, int Side) {
  for (int I = 0; I < Source.Bitmaps().Count(); ++I) {
    TseBitmap& Bitmap = *Source.Bitmaps().GetBitmap(I);
    const int W = std::min(Bitmap.Width(), Side), H = std::min(Bitmap.Height(), Side);
    Bitmap.SetSize(W, H);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X)
        *Bitmap.PixelPtr(X, Y) = X == 0 && Y == 0 ? KeyColor
                                 : Y == H - 1     ? 0x80102030u
                                                  : 0xFF000000u | static_cast<uint32_t>(
                                                                      (X * 40) << 16 | Y * 40);
  }
  for (int I = 0; I < Source.ObjectCount(); ++I)
    Source.GetObject(I)->ResolveLinks();
}

std::vector<uint8_t> Saved(const std::string& Extension, TSeSkinSource& Source) {
  const auto Filter = FindSkinFilter("x." + Extension)->Create();
  Filter->Source = &Source;
  TMemoryStream Stream;
  Filter->SaveToStream(Stream);
  return Stream.Bytes();
}

std::vector<uint8_t> MaxBody(TSeSkinSource& Source) {
  const auto Filter = FindSkinFilter("x.mskn")->Create();
  Filter->Source = &Source;
  TMemoryStream Stream;
  Filter->WriteSkin(Stream);
  return Stream.Bytes();
}

// The body of a compressed container.
std::vector<uint8_t> Inflated(const std::vector<uint8_t>& File) {
  TMemoryStream Stream(File);
  Stream.SetPosition(4); // past the magic
  TDecompressionStream Inflater(Stream);
  std::vector<uint8_t> Body;
  uint8_t Chunk[4096];
  for (int64_t Got; (Got = Inflater.Read(Chunk, sizeof Chunk)) > 0;)
    Body.insert(Body.end(), Chunk, Chunk + Got);
  return Body;
}

// A parent object whose "Objects" property holds its children as text records (a count
// without the binary mark), which no save writes but older skins hold. Binary form.
std::vector<uint8_t> ParentWithTextChildren(const TSeSkinObject& Object) {
  const auto Parent = FindSkinObjectClass(Object.ClassName())->Create(nullptr);
  Parent->SetName(Object.Name());
  Parent->SetBounds(Object.BoundsRect());
  TMemoryStream Children;
  Children.WriteInt32(Object.ChildCount());
  for (int I = 0; I < Object.ChildCount(); ++I)
    WriteSkinObject(Children, *Object.GetChild(I));
  // The stream without children ends in the two end bytes: the property goes before them.
  TMemoryStream Bare;
  WriteComponentBinary(Bare, *Parent);
  std::vector<uint8_t> Bytes(Bare.Bytes().begin(), Bare.Bytes().end() - 2);
  TMemoryStream Property;
  const char Name[] = "Objects";
  const uint8_t NameLength = sizeof Name - 1, Binary = 10;
  Property.WriteBuffer(&NameLength, 1);
  Property.WriteBuffer(Name, NameLength);
  Property.WriteBuffer(&Binary, 1);
  Property.WriteInt32(static_cast<int32_t>(Children.Size()));
  Property.WriteBuffer(Children.Bytes().data(), Children.Size());
  Bytes = Concat(Bytes, Property.Bytes());
  Bytes.push_back(0);
  Bytes.push_back(0);
  return Bytes;
}

std::string BinaryToText(const std::vector<uint8_t>& Bytes) {
  TMemoryStream Stream(Bytes);
  return ObjectBinaryToText(Stream);
}

// An uncompressed body with no bitmaps and the sample's first object as a text record whose
// children are text records too.
std::vector<uint8_t> BodyWithTextChildren(TSeSkinSource& Source) {
  TMemoryStream Body;
  for (const std::string* Text : {&Source.SkinName, &Source.SkinVersion, &Source.Author,
                                  &Source.AuthorEMail, &Source.AuthorURL})
    WriteString(Body, *Text);
  Body.WriteInt32(0);
  Body.WriteInt32(1);
  const TSeSkinObject& Form = *Source.GetObject(0);
  WriteString(Body, Form.ClassName());
  WriteString(Body, BinaryToText(ParentWithTextChildren(Form)));
  return Body.Bytes();
}

uint8_t ClassIndex(const TSeSkinObject& Object) {
  const std::vector<TSkinObjectClass>& Classes = SkinObjectClasses();
  for (size_t I = 0; I < Classes.size(); ++I)
    if (Classes[I].Name == Object.ClassName())
      return static_cast<uint8_t>(I);
  return 0;
}

void ForEachObject(const TSeSkinObject& Object,
                   const std::function<void(const TSeSkinObject&)>& Visit) {
  Visit(Object);
  for (int I = 0; I < Object.ChildCount(); ++I)
    ForEachObject(*Object.GetChild(I), Visit);
}

// --------------------------------------------------------------------------------------
// Seeds by form

using TSeeds = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

TSeeds SeedsFor(const std::string& Form, int Side) {
  TSeSkinSource Sample, Small, Bare, Empty;
  BuildSampleSkin(Sample, Side);
  BuildSampleSkin(Small, Side);
  ShrinkBitmaps(Small, Side);
  BuildSampleSkin(Bare, Side);
  for (int I = 0; I < Bare.ObjectCount(); ++I)
    Bare.GetObject(I)->SetBitmaps(nullptr);
  Bare.Bitmaps().Clear(); // objects only: their links find nothing
  Empty.Clear();

  TSeeds Seeds;
  if (Form == "uskn" || Form == "qzkn" || Form == "xskn" || Form == "mskn") {
    Seeds.push_back({"sample." + Form, Saved(Form, Sample)});
    Seeds.push_back({"small." + Form, Saved(Form, Small)});
    Seeds.push_back({"objects." + Form, Saved(Form, Bare)});
    Seeds.push_back({"empty." + Form, Saved(Form, Empty)});
    if (Form == "uskn")
      Seeds.push_back({"textchildren.uskn", BodyWithTextChildren(Small)});
    if (Form == "mskn")
      Seeds.push_back({"legacy.mskn", SampleLegacyMaxSkinBytes()});
  } else if (Form == "mbody") {
    Seeds.push_back({"sample.mbody", MaxBody(Sample)});
    Seeds.push_back({"small.mbody", MaxBody(Small)});
    Seeds.push_back({"objects.mbody", MaxBody(Bare)});
    Seeds.push_back({"empty.mbody", MaxBody(Empty)});
    Seeds.push_back({"legacy.mbody", Inflated(SampleLegacyMaxSkinBytes())});
  } else if (Form == "stored") {
    Seeds.push_back({"none.stored", {0}});
    Seeds.push_back({"sample.stored", SampleStoredSkinBytes(Side)});
    Seeds.push_back({"small.stored", Concat({2}, Saved("qzkn", Small))});
    Seeds.push_back({"empty.stored", Concat({2}, Saved("qzkn", Empty))});
  } else if (Form == "objbin" || Form == "objtext") {
    const bool Text = Form == "objtext";
    int Count = 0;
    const auto Add = [&](const TSeSkinObject& Object, const std::vector<uint8_t>& Binary) {
      std::vector<uint8_t> Seed{ClassIndex(Object)};
      if (Text) {
        const std::string Converted = BinaryToText(Binary);
        Seed.insert(Seed.end(), Converted.begin(), Converted.end());
      } else {
        Seed.insert(Seed.end(), Binary.begin(), Binary.end());
      }
      Seeds.push_back({std::to_string(Count++) + "-" + Object.ClassName() + "." + Form, Seed});
    };
    for (int I = 0; I < Small.ObjectCount(); ++I)
      ForEachObject(*Small.GetObject(I), [&](const TSeSkinObject& Object) {
        TMemoryStream Binary;
        WriteComponentBinary(Binary, Object);
        Add(Object, Binary.Bytes());
      });
    Add(*Small.GetObject(0), ParentWithTextChildren(*Small.GetObject(0)));
  }
  return Seeds;
}

int Usage() {
  std::fprintf(stderr, "usage: WriteSkinSamples [--seeds FORM] [--side N] DIR\n");
  return 2;
}

} // namespace

int main(int Argc, char** Argv) {
  std::string Form, Dir;
  int Side = 128;
  for (int I = 1; I < Argc; ++I) {
    const std::string Arg = Argv[I];
    if (Arg == "--seeds" && I + 1 < Argc) {
      Form = Argv[++I];
    } else if (Arg == "--side" && I + 1 < Argc) {
      Side = StrToIntDef(Argv[++I], 0);
      if (Side < 1 || Side > 4096)
        return Usage();
    } else if (Dir.empty() && Arg.rfind("--", 0) != 0) {
      Dir = Arg;
    } else {
      return Usage();
    }
  }
  if (Dir.empty())
    return Usage();
  Dir += "/";

  bool Ok = true;
  if (Form.empty()) {
    for (const char* Extension : {"uskn", "qzkn", "xskn", "mskn"})
      Ok &= Write(Dir + "sample." + Extension, SampleSkinBytes(Extension, Side));
    Ok &= Write(Dir + "legacy.mskn", SampleLegacyMaxSkinBytes());
    Ok &= Write(Dir + "sample.stored", SampleStoredSkinBytes(Side));
  } else {
    const TSeeds Seeds = SeedsFor(Form, Side);
    if (Seeds.empty()) {
      std::fprintf(stderr, "WriteSkinSamples: unknown seed form %s\n", Form.c_str());
      return 2;
    }
    for (const auto& [Name, Bytes] : Seeds)
      Ok &= Write(Dir + Name, Bytes);
  }
  if (!Ok)
    std::fprintf(stderr, "WriteSkinSamples: cannot write into %s\n", Dir.c_str());
  return Ok ? 0 : 1;
}
