#include "SkinCompiler.h"

#include <stdexcept>
#include <zlib.h>

#include "toolkit/PropertyText.h"
#include "toolkit/PropertyValues.h"

namespace SkinGen {
namespace {

constexpr int32_t BinaryCountMark = 0xF0000;

void PutString(TStream& Out, const std::string& Text) {
  Out.WriteInt32(static_cast<int32_t>(Text.size()));
  Out.WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
}

// One object of a property stream (after "TPF0") copied to Out with its children moved
// from the child list into an "Objects" value.
void MoveChildren(TValueReader& In, TStream& Out, std::string* ClassName = nullptr) {
  const std::string Class = In.ShortString();
  const std::string Name = In.ShortString();
  if (ClassName)
    *ClassName = Class;
  WriteShortStr(Out, Class);
  WriteShortStr(Out, Name);
  TStream& Source = In.Stream();
  for (std::string Property = In.ShortString(); !Property.empty(); Property = In.ShortString()) {
    WriteShortStr(Out, Property);
    const int64_t Start = Source.Position();
    In.SkipValue(In.Byte());
    const int64_t End = Source.Position();
    std::string Value(static_cast<size_t>(End - Start), '\0');
    Source.SetPosition(Start);
    Source.ReadBuffer(Value.data(), End - Start);
    Out.WriteBuffer(Value.data(), End - Start);
  }
  TMemoryStream Children;
  int32_t Count = 0;
  for (std::string ChildClass = In.ShortString(); !ChildClass.empty();
       ChildClass = In.ShortString()) {
    Source.Seek(-static_cast<int64_t>(ChildClass.size()) - 1, TSeekOrigin::soCurrent);
    TMemoryStream Child;
    Child.WriteBuffer("TPF0", 4);
    MoveChildren(In, Child);
    PutString(Children, ChildClass);
    Children.WriteInt32(static_cast<int32_t>(Child.Size()));
    Children.WriteBuffer(Child.Bytes().data(), Child.Size());
    ++Count;
  }
  if (Count > 0) {
    WriteShortStr(Out, "Objects");
    WriteValueByte(Out, vaBinary);
    Out.WriteInt32(static_cast<int32_t>(Children.Size() + 4));
    Out.WriteInt32(Count | BinaryCountMark);
    Out.WriteBuffer(Children.Bytes().data(), Children.Size());
  }
  const uint8_t Ends[2] = {0, 0};
  Out.WriteBuffer(Ends, 2);
}

// The top-level "object ... end" blocks of a source: lines starting "object " and "end" at
// the left margin.
std::vector<std::string> TopLevelBlocks(const std::string& Text) {
  std::vector<std::string> Blocks;
  size_t Start = std::string::npos;
  size_t At = 0;
  while (At < Text.size()) {
    size_t End = Text.find('\n', At);
    End = End == std::string::npos ? Text.size() : End + 1;
    const std::string Line = Text.substr(At, End - At);
    if (Line.rfind("object ", 0) == 0) {
      if (Start != std::string::npos)
        throw std::runtime_error("object inside object at the left margin");
      Start = At;
    } else if (Line.rfind("end", 0) == 0 && Start != std::string::npos) {
      Blocks.push_back(Text.substr(Start, End - Start));
      Start = std::string::npos;
    }
    At = End;
  }
  if (Start != std::string::npos)
    throw std::runtime_error("the last object has no end");
  return Blocks;
}

// CR LF line ends, whatever the file had.
std::string WithCrLf(const std::string& Text) {
  std::string Result;
  for (char C : Text) {
    if (C == '\r')
      continue;
    if (C == '\n')
      Result += '\r';
    Result += C;
  }
  return Result;
}

} // namespace

SkinSource ParseSkinSource(const std::string& Text) {
  SkinSource Result;
  for (const std::string& Block : TopLevelBlocks(WithCrLf(Text))) {
    TMemoryStream Binary;
    ObjectTextToBinary(Block, Binary);
    Binary.SetPosition(4);
    TValueReader In(Binary);
    TMemoryStream Moved;
    Moved.WriteBuffer("TPF0", 4);
    std::string ClassName;
    MoveChildren(In, Moved, &ClassName);
    Moved.SetPosition(0);
    if (ClassName == "TSeSkinSource") {
      // The header strings, in their order, each a string value.
      TValueReader Header(Moved);
      Header.Bytes(4);
      Header.ShortString();
      Header.ShortString();
      const char* Names[] = {"SkinName", "SkinVersion", "Author", "AuthorEMail", "AuthorURL"};
      Result.Header.assign(5, "");
      for (std::string Property = Header.ShortString(); !Property.empty();
           Property = Header.ShortString()) {
        if (Header.Byte() != vaString)
          throw std::runtime_error("header values are strings");
        const std::string Value = Header.ShortString();
        for (int I = 0; I < 5; ++I)
          if (Property == Names[I])
            Result.Header[static_cast<size_t>(I)] = Value;
      }
      continue;
    }
    Result.Objects.push_back({ClassName, ObjectBinaryToText(Moved)});
  }
  if (Result.Header.empty())
    throw std::runtime_error("the source has no skin header (object Skin: TSeSkinSource)");
  return Result;
}

std::vector<uint8_t> SkinBody(const SkinSource& Source, const std::vector<SkinBitmap>& Bitmaps) {
  TMemoryStream Body;
  for (const std::string& Text : Source.Header)
    PutString(Body, Text);
  Body.WriteInt32(static_cast<int32_t>(Bitmaps.size()));
  for (const SkinBitmap& Bitmap : Bitmaps) {
    PutString(Body, Bitmap.Name);
    Body.WriteInt32(Bitmap.Width);
    Body.WriteInt32(Bitmap.Height);
    const size_t Row = static_cast<size_t>(Bitmap.Width) * 4;
    for (int Y = Bitmap.Height - 1; Y >= 0; --Y)
      Body.WriteBuffer(Bitmap.Bgra.data() + Row * static_cast<size_t>(Y),
                       static_cast<int64_t>(Row));
  }
  Body.WriteInt32(static_cast<int32_t>(Source.Objects.size()));
  for (const ObjectRecord& Object : Source.Objects) {
    PutString(Body, Object.ClassName);
    PutString(Body, Object.Text);
  }
  return Body.Bytes();
}

std::vector<uint8_t> CompressedSkin(const std::vector<uint8_t>& Body) {
  uLongf Size = compressBound(static_cast<uLong>(Body.size()));
  std::vector<uint8_t> Compressed(4 + Size);
  Compressed[0] = 'Q';
  Compressed[1] = 'Z';
  Compressed[2] = 'L';
  Compressed[3] = 'Z';
  if (compress2(Compressed.data() + 4, &Size, Body.data(), static_cast<uLong>(Body.size()), 1) !=
      Z_OK)
    throw std::runtime_error("deflate failed");
  Compressed.resize(4 + Size);
  return Compressed;
}

std::vector<uint8_t> StoredSkin(const std::vector<uint8_t>& Body) {
  std::vector<uint8_t> Stored = CompressedSkin(Body);
  Stored.insert(Stored.begin(), 2);
  return Stored;
}

} // namespace SkinGen
