#pragma once
// What the skin fuzz targets share: loading bytes through a filter, using whatever a load left
// behind the way the engine and the controls would, and the save-and-load-again check.
//
// Any failed check calls abort(), which libFuzzer reports as a crash with its input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Pixels.h"
#include "skin/SkinFilters.h"
#include "skin/SkinObject.h"
#include "skin/SkinRegistry.h"
#include "skin/SkinSource.h"
#include "skin/ZlibStreams.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/SysUtils.h"

namespace skinfuzz {

[[noreturn]] inline void Fail(const char* What) {
  std::fprintf(stderr, "skin fuzz check failed: %s\n", What);
  std::abort();
}

inline std::unique_ptr<TSeSkinFilter> MakeFilter(const char* Extension) {
  const TSkinFilterClass* Class = FindSkinFilter(std::string("x.") + Extension);
  if (!Class)
    Fail("no filter for the extension");
  return Class->Create();
}

// Loads Bytes into Source through the filter of Extension; false when the load raised an
// error of the system (anything else escapes and is a finding).
inline bool Load(const char* Extension, const std::vector<uint8_t>& Bytes, TSeSkinSource& Source) {
  const auto Filter = MakeFilter(Extension);
  Filter->Source = &Source;
  TMemoryStream Stream(Bytes);
  try {
    Filter->LoadFromStream(Stream);
  } catch (const Exception&) {
    return false;
  }
  return true;
}

// Every object of a tree: the tree links hold together and lookups find what is there.
inline void WalkTree(TSeSkinObject& Object, const TSeSkinSource& Source, int Depth) {
  if (Depth > 200)
    Fail("object tree deeper than any reader allows");
  // Objects a filter added share the source's bitmaps, children included.
  if (Object.Bitmaps() != &Source.Bitmaps())
    Fail("object not bound to the source's bitmaps");
  (void)Object.ClassName();
  (void)Object.BoundsRect();
  if (Object.GetChild(Object.ChildCount()) || Object.GetChild(-1))
    Fail("a child outside the list");
  for (int I = 0; I < Object.ChildCount(); ++I) {
    TSeSkinObject* Child = Object.GetChild(I);
    if (!Child || Child->Owner() != &Object)
      Fail("a child that is missing or owned elsewhere");
    WalkTree(*Child, Source, Depth + 1);
  }
}

// Uses a source the way the engine does after a load, whether the load succeeded or not:
// lookups, the form object, every bitmap, every tree, a copy of each top-level object, a
// layout at a typical window size and a hue change there and back.
inline void Exercise(TSeSkinSource& Source) {
  const int Count = Source.ObjectCount();
  if (Count < 0 || Source.GetObject(Count) || Source.GetObject(-1))
    Fail("object count and list disagree");
  for (int I = 0; I < Count; ++I) {
    TSeSkinObject* Object = Source.GetObject(I);
    if (!Object)
      Fail("a listed object is missing");
    TSeSkinObject* Found = Source.FindObject(Object->Name());
    if (!Found || !SameText(Found->Name(), Object->Name()))
      Fail("a top-level object is not found by its name");
    if (!Source.FindObjectByKind(Object->Kind))
      Fail("a top-level object is not found by its kind");
    WalkTree(*Object, Source, 0);
  }
  if (TSeSkinObject* Form = Source.GetFormObject())
    if (!SameText(Form->Name(), "Form") && Form->Kind != skForm)
      Fail("the form object is neither named Form nor of kind skForm");
  Source.FindObject("Form");
  Source.FindObject("");

  const TseBitmapList& Bitmaps = Source.Bitmaps();
  for (int I = 0; I < Bitmaps.Count(); ++I) {
    const TseBitmap* Bitmap = Bitmaps.GetBitmap(I);
    if (!Bitmap)
      Fail("a listed bitmap is missing");
    if (!Bitmap->Empty()) {
      Bitmap->GetPixel(0, 0);
      Bitmap->GetPixel(Bitmap->Width() - 1, Bitmap->Height() - 1);
    }
    Bitmaps.GetBitmapLink(Bitmap->Name, {0, 0, 1, 1});
  }
  if (Bitmaps.GetBitmap(Bitmaps.Count()))
    Fail("a bitmap outside the list");

  // Controls clone the object they draw with and lay it out at their own size.
  for (int I = 0; I < Count; ++I)
    if (auto Copy = CloneSkinObject(*Source.GetObject(I), nullptr))
      Copy->SetBounds({0, 0, 640, 480});
  if (TSeSkinObject* Form = Source.GetFormObject())
    Form->SetBounds({10, 10, 810, 610});
  Source.ChangeHue(10);
  Source.ChangeHue(0);
}

// Saves a loaded source with the filter of Extension and loads the bytes back into a fresh
// source: the header strings, the bitmap count and the object count must survive.
//
// Not checked when saving raises EWriteError: a load may accept more bitmaps or children
// than the binary count of a save can mark (65536 and up), and that save refuses them.
inline void CheckSaveAndLoadAgain(const char* Extension, TSeSkinSource& Source) {
  const auto Filter = MakeFilter(Extension);
  Filter->Source = &Source;
  TMemoryStream Saved;
  try {
    Filter->SaveToStream(Saved);
  } catch (const EWriteError&) {
    return;
  }
  TSeSkinSource Again;
  if (!Load(Extension, Saved.Bytes(), Again))
    Fail("a saved skin does not load again");
  if (Again.SkinName != Source.SkinName || Again.SkinVersion != Source.SkinVersion ||
      Again.Author != Source.Author || Again.AuthorEMail != Source.AuthorEMail ||
      Again.AuthorURL != Source.AuthorURL)
    Fail("header strings changed through save and load");
  if (Again.Bitmaps().Count() != Source.Bitmaps().Count())
    Fail("bitmap count changed through save and load");
  if (Again.ObjectCount() != Source.ObjectCount())
    Fail("object count changed through save and load");
}

// The whole run of a file-form target: load, check a successful load survives saving, use
// the source either way, and let it go.
inline void RunFileForm(const char* Extension, const std::vector<uint8_t>& Bytes) {
  TSeSkinSource Source;
  if (Load(Extension, Bytes, Source))
    CheckSaveAndLoadAgain(Extension, Source);
  Exercise(Source);
}

// A compressed container around Body, as the compressed filters write it.
inline std::vector<uint8_t> Container(const uint8_t* Body, size_t Size) {
  TMemoryStream File;
  File.WriteBuffer("QZLZ", 4);
  TCompressionStream Deflater(TCompressionLevel::clFastest, File);
  Deflater.WriteBuffer(Body, static_cast<int64_t>(Size));
  Deflater.Finish();
  return File.Bytes();
}

// The skin object class a fuzz input's first byte chooses.
inline const TSkinObjectClass& ChosenClass(uint8_t Byte) {
  const std::vector<TSkinObjectClass>& Classes = SkinObjectClasses();
  return Classes[Byte % Classes.size()];
}

// A small bitmap list with the names sample skins use, so that objects read on their own
// bind their links to something (holes and soft pixels included).
inline TseBitmapList& SampleBitmaps() {
  static TseBitmapList List = [] {
    TseBitmapList Made;
    const char* Names[] = {"top", "frame", "client"};
    for (int N = 0; N < 3; ++N) {
      auto Bitmap = std::make_unique<TseBitmap>();
      Bitmap->Name = Names[N];
      Bitmap->SetSize(8 + 4 * N, 8);
      for (int Y = 0; Y < Bitmap->Height(); ++Y)
        for (int X = 0; X < Bitmap->Width(); ++X)
          *Bitmap->PixelPtr(X, Y) = X < 2 && Y < 2 ? KeyColor
                                    : Y == 7       ? 0x80404040u
                                             : 0xFF000000u | static_cast<uint32_t>(X * 20 + Y);
      Bitmap->CheckAlphaBlend();
      Bitmap->CheckTransparent(KeyColor);
      Made.Add(std::move(Bitmap));
    }
    return Made;
  }();
  return List;
}

// An object read on its own, used as a control would: bound to bitmaps, laid out, hue
// shifted, its character set set, copied.
inline void ExerciseObject(TSeSkinObject& Object) {
  Object.SetBitmaps(&SampleBitmaps());
  Object.ResolveLinks();
  Object.FindObject("Client");
  Object.FindObjectByKind(skClient);
  Object.SetBounds({0, 0, 300, 200});
  Object.ChangeHue(10);
  Object.SetCharset(DefaultCharset);
  Object.SetState(osHot);
  if (auto Copy = CloneSkinObject(Object, nullptr))
    Copy->SetBounds({0, 0, 120, 40});
}

} // namespace skinfuzz

namespace skinfuzz {

// One stored form of a skin object, both ways. Form::Read(Input, Object) reads the form,
// Form::Write(Object) writes it. The first input byte chooses the class, the rest is the
// form. Any input either reads or raises an error of the system, and the object is usable
// either way. Writing normalises (table order, clamped bounds, empty strings left out, so
// an empty string where the class has another default reads back as that default): the
// second write is the fixed point, and reading it and writing again must give the same.
template <class Form> int RunObjectForm(const uint8_t* Data, size_t Size) {
  if (Size == 0)
    return 0;
  const TSkinObjectClass& Class = ChosenClass(Data[0]);
  const auto Object = Class.Create(nullptr);
  const typename Form::Input Input(Data + 1, Data + Size);
  bool Read = true;
  try {
    Form::Read(Input, *Object);
  } catch (const Exception&) {
    Read = false;
  }
  const auto WrittenAfterReading = [&Class](const typename Form::Input& Written) {
    const auto Fresh = Class.Create(nullptr);
    try {
      Form::Read(Written, *Fresh);
    } catch (const Exception& E) {
      Fail(("a written object does not read again: " + E.Message()).c_str());
    }
    return Form::Write(*Fresh);
  };
  if (Read) {
    try {
      const auto First = WrittenAfterReading(Form::Write(*Object));
      if (WrittenAfterReading(First) != First)
        Fail("an object read from its own form writes another");
    } catch (const EWriteError&) {
      // more children than a marked count holds: the object cannot be written
    }
  }
  ExerciseObject(*Object);
  return 0;
}

} // namespace skinfuzz
