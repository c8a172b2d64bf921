// Shows a stored window layout and converts it between its two forms.
//
//   layoutinfo FILE                         the tree: class, name, bounds, stored values
//   layoutinfo FILE --text OUT              the text form of a binary layout
//   layoutinfo FILE --binary OUT [FILLS]    the binary form of a text layout
//
// FILE may be in either form ("TPF0" starts the binary one). FILLS put files into values that
// the text leaves empty ("{}"): --data Object.Property=FILE takes the file's bytes as they
// are, --bitmap Object.Property=FILE a bitmap file as a picture's value. On failure one line
// "layoutinfo: <file>: <reason>" goes to standard error and the exit code is 1.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/PropertyText.h"
#include "toolkit/Streams.h"
#include "tools/layoutinfo/LayoutFill.h"
#include "tools/layoutinfo/LayoutTree.h"

namespace {

constexpr const char* Usage =
    "usage: layoutinfo FILE [--text OUT | --binary OUT [--data|--bitmap Object.Property=FILE]...]";

struct TFailure {
  std::string File, Reason;
};

std::string ReadFile(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  if (!In)
    throw TFailure{Name, "cannot be read"};
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& Name, const std::string& Bytes) {
  std::ofstream Out(Name, std::ios::binary);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!Out)
    throw TFailure{Name, "cannot be written"};
}

bool IsBinary(const std::string& Bytes) { return Bytes.compare(0, 4, "TPF0") == 0; }

TMemoryStream BinaryOf(const std::string& Bytes) {
  TMemoryStream Stream;
  if (IsBinary(Bytes))
    Stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  else
    ObjectTextToBinary(Bytes, Stream);
  Stream.SetPosition(0);
  return Stream;
}

std::string StreamBytes(TMemoryStream& Stream) {
  const std::vector<uint8_t>& Bytes = Stream.Bytes();
  return {Bytes.begin(), Bytes.end()};
}

// "--data Object.Property=FILE" or "--bitmap ...", applied to the layout's text.
std::string Fill(const std::string& Text, const std::string& Kind, const std::string& Spec) {
  const size_t Dot = Spec.find('.');
  const size_t Equals = Spec.find('=');
  if (Dot == std::string::npos || Equals == std::string::npos || Equals < Dot)
    throw TFailure{Spec, "expected Object.Property=FILE"};
  const std::string File = Spec.substr(Equals + 1);
  const std::string Bytes = ReadFile(File);
  return FillBinaryValue(Text, Spec.substr(0, Dot), Spec.substr(Dot + 1, Equals - Dot - 1),
                         Kind == "--bitmap" ? BitmapPictureData(Bytes) : Bytes);
}

int Run(const std::vector<std::string>& Args) {
  if (Args.empty())
    throw TFailure{"", Usage};
  const std::string& Input = Args[0];
  std::string Bytes = ReadFile(Input);
  try {
    if (Args.size() == 1) {
      TMemoryStream Binary = BinaryOf(Bytes);
      std::fputs(LayoutTree(Binary).c_str(), stdout);
      return 0;
    }
    if (Args.size() == 3 && Args[1] == "--text") {
      TMemoryStream Binary = BinaryOf(Bytes);
      WriteFile(Args[2], ObjectBinaryToText(Binary));
      return 0;
    }
    if (Args.size() % 2 == 1 && Args[1] == "--binary") {
      if (IsBinary(Bytes) && Args.size() > 3)
        throw TFailure{Input, "values are filled in the text form only"};
      for (size_t I = 3; I < Args.size(); I += 2) {
        if (Args[I] != "--data" && Args[I] != "--bitmap")
          throw TFailure{"", Usage};
        Bytes = Fill(Bytes, Args[I], Args[I + 1]);
      }
      TMemoryStream Binary = BinaryOf(Bytes);
      WriteFile(Args[2], StreamBytes(Binary));
      return 0;
    }
  } catch (const Exception& Error) {
    throw TFailure{Input, Error.what()};
  }
  throw TFailure{"", Usage};
}

} // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const TFailure& Failure) {
    std::fprintf(stderr, "layoutinfo: %s%s%s\n", Failure.File.c_str(),
                 Failure.File.empty() ? "" : ": ", Failure.Reason.c_str());
    return 1;
  }
}
