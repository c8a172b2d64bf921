// Describes a skin file: its header strings, its bitmaps and its object trees, and can write
// the skin again in another file form.
//
//   skininfo [--stored] FILE [--convert OUT]
//
// FILE is read in the form its extension names (.uskn, .qzkn, .xskn, .mskn), or with
// --stored in the engine's stored form: one byte, 0 for no skin, any other (2 as written) for a
// skin in the compressed form after it. OUT is written in the form its extension names, .stored for
// the stored form. On success the description goes to standard output and the exit code is
// 0; on failure one line "skininfo: <file>: <reason>" goes to standard error, nothing to
// standard output, and the exit code is 1.
//
// The description, one item per line (strings in double quotes, with \", \\ and \xNN for
// control characters):
//   SkinName "..."                   the five header strings, in this order
//   Bitmaps <count>
//     <index> "<name>" <width>x<height> [Transparent, AlphaBlend]   flags that are set
//   Objects <count>                  top-level objects, each followed by its children
//     <class> "<name>" <kind> (<left>, <top>, <width>, <height>)    two spaces per level
//   Skipped <count>                  only when the load passed over unknown classes
//     <class>
// A stored file without a skin is described by the one line "No skin".

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "skin/SkinFilters.h"
#include "skin/SkinRegistry.h"
#include "skin/SkinSource.h"
#include "skin/SkinTypes.h"
#include "toolkit/FileStreams.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr const char* Usage = "usage: skininfo [--stored] FILE [--convert OUT]";
constexpr uint8_t StoredNoSkin = 0;
constexpr uint8_t StoredCompressed = 2;

// A failure to report: the file it concerns and why.
struct TFailure {
  std::string File;
  std::string Reason;
};

bool IsStoredName(const std::string& FileName) {
  const size_t Dot = FileName.find_last_of(".\\/:");
  return Dot != std::string::npos && FileName[Dot] == '.' &&
         SameText(FileName.substr(Dot), ".stored");
}

std::string Quoted(const std::string& Text) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Result = "\"";
  for (const char C : Text) {
    const auto Code = static_cast<unsigned char>(C);
    if (C == '"' || C == '\\') {
      Result += '\\';
      Result += C;
    } else if (Code < 0x20 || Code == 0x7F) {
      Result += "\\x";
      Result += Hex[Code >> 4];
      Result += Hex[Code & 15];
    } else {
      Result += C;
    }
  }
  return Result + "\"";
}

std::string KindName(TSeKind Kind) {
  return Kind < KindNames.size() ? KindNames[Kind] : std::to_string(static_cast<int>(Kind));
}

void DescribeObject(const TSeSkinObject& Object, int Depth, std::string& Out) {
  Out += std::string(static_cast<size_t>(Depth) * 2, ' ') + Object.ClassName() + ' ' +
         Quoted(Object.Name()) + ' ' + KindName(Object.Kind) + " (" +
         std::to_string(Object.Left()) + ", " + std::to_string(Object.Top()) + ", " +
         std::to_string(Object.Width()) + ", " + std::to_string(Object.Height()) + ")\n";
  for (int I = 0; I < Object.ChildCount(); ++I)
    DescribeObject(*Object.GetChild(I), Depth + 1, Out);
}

std::string Describe(const TSeSkinSource& Source) {
  std::string Out;
  Out += "SkinName " + Quoted(Source.SkinName) + '\n';
  Out += "SkinVersion " + Quoted(Source.SkinVersion) + '\n';
  Out += "Author " + Quoted(Source.Author) + '\n';
  Out += "AuthorEMail " + Quoted(Source.AuthorEMail) + '\n';
  Out += "AuthorURL " + Quoted(Source.AuthorURL) + '\n';
  const TseBitmapList& Bitmaps = Source.Bitmaps();
  Out += "Bitmaps " + std::to_string(Bitmaps.Count()) + '\n';
  for (int I = 0; I < Bitmaps.Count(); ++I) {
    const TseBitmap& Bitmap = *Bitmaps.GetBitmap(I);
    std::string Flags;
    if (Bitmap.Transparent)
      Flags = "Transparent";
    if (Bitmap.AlphaBlend)
      Flags += Flags.empty() ? "AlphaBlend" : ", AlphaBlend";
    Out += "  " + std::to_string(I) + ' ' + Quoted(Bitmap.Name) + ' ' +
           std::to_string(Bitmap.Width()) + 'x' + std::to_string(Bitmap.Height()) + " [" + Flags +
           "]\n";
  }
  Out += "Objects " + std::to_string(Source.ObjectCount()) + '\n';
  for (int I = 0; I < Source.ObjectCount(); ++I)
    DescribeObject(*Source.GetObject(I), 1, Out);
  const std::vector<std::string>& Skipped = Source.SkippedClasses();
  if (!Skipped.empty()) {
    Out += "Skipped " + std::to_string(Skipped.size()) + '\n';
    for (const std::string& Name : Skipped)
      Out += "  " + Name + '\n';
  }
  return Out;
}

// The skin as stored, through the filter itself: the engine's own loading also unmasks the
// client areas, which a description or a conversion must not do.
void ReadWith(const TSkinFilterClass& Class, TStream& Stream, TSeSkinSource& Source) {
  const auto Filter = Class.Create();
  Filter->Source = &Source;
  Filter->LoadFromStream(Stream);
}

// Reads FILE into Source; false for a stored file that holds no skin.
bool Load(const std::string& FileName, bool Stored, TSeSkinSource& Source) {
  if (!FileExists(FileName))
    throw TFailure{FileName, "no such file"};
  if (Stored) {
    TFileStream File(FileName, TFileMode::fmOpenRead);
    uint8_t Form = 0;
    if (File.Read(&Form, 1) != 1)
      throw TFailure{FileName, "empty file"};
    if (Form == StoredNoSkin)
      return false;
    ReadWith(DefaultSkinFilter(), File, Source);
    return true;
  }
  const TSkinFilterClass* Class = FindSkinFilter(FileName);
  if (!Class)
    throw TFailure{FileName, "unknown skin file extension"};
  TFileStream File(FileName, TFileMode::fmOpenRead);
  ReadWith(*Class, File, Source);
  return true;
}

// Writes Source (null: no skin, only the stored form can say so) in the form of FileName's
// extension. A file that could not be written whole is removed.
void Save(TSeSkinSource* Source, const std::string& FileName) {
  const bool Stored = IsStoredName(FileName);
  if (!Source && !Stored)
    throw TFailure{FileName, "no skin to write in this form"};
  auto File = std::make_unique<TFileStream>(FileName, TFileMode::fmCreate);
  try {
    if (Stored) {
      const uint8_t Form = Source ? StoredCompressed : StoredNoSkin;
      File->WriteBuffer(&Form, 1);
      if (Source)
        Source->SaveToStream(*File);
    } else {
      const auto Filter = FindSkinFilter(FileName)->Create();
      Filter->Source = Source;
      Filter->SaveToStream(*File);
    }
  } catch (...) {
    File.reset();
    std::remove(FileName.c_str());
    throw;
  }
}

int Fail(const std::string& File, const std::string& Reason) {
  std::fprintf(stderr, "skininfo: %s: %s\n", File.c_str(), Reason.c_str());
  return 1;
}

} // namespace

int main(int Argc, char** Argv) {
#ifdef _WIN32
  // The same bytes as on every other system: no carriage returns added.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  bool Stored = false;
  std::string Input, Output;
  bool HaveOutput = false;
  for (int I = 1; I < Argc; ++I) {
    const std::string Arg = Argv[I];
    if (Arg == "--stored") {
      Stored = true;
    } else if (Arg == "--convert") {
      if (I + 1 >= Argc || HaveOutput)
        return Fail(Arg, Usage);
      Output = Argv[++I];
      HaveOutput = true;
    } else if (Arg == "--help" || Arg == "-h") {
      std::printf("%s\n", Usage);
      return 0;
    } else if (Arg.size() > 1 && Arg[0] == '-') {
      return Fail(Arg, "unknown option");
    } else if (Input.empty()) {
      Input = Arg;
    } else {
      return Fail(Arg, "one skin file at a time");
    }
  }
  if (Input.empty())
    return Fail("(no file)", Usage);
  if (HaveOutput && !IsStoredName(Output) && !FindSkinFilter(Output))
    return Fail(Output, "unknown skin file extension");

  std::string Description;
  std::string Current = Input;
  try {
    TSeSkinSource Source;
    const bool HasSkin = Load(Input, Stored, Source);
    Description = HasSkin ? Describe(Source) : "No skin\n";
    if (HaveOutput) {
      Current = Output;
      Save(HasSkin ? &Source : nullptr, Output);
    }
  } catch (const TFailure& Failure) {
    return Fail(Failure.File, Failure.Reason);
  } catch (const EZlibError& E) {
    // zlib's own failures carry no detail worth showing.
    return Fail(Current, E.Message() == "error" ? "damaged compressed data" : E.Message());
  } catch (const std::exception& E) {
    return Fail(Current, E.what());
  } catch (...) {
    return Fail(Current, "unexpected error");
  }
  std::fwrite(Description.data(), 1, Description.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
