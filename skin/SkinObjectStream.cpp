#include "skin/SkinObjectStream.h"

#include "gfx/Bitmap.h"
#include "skin/SkinRegistry.h"
#include "toolkit/PropertyStream.h"

namespace {

thread_local TSkinReadLog* GReadLog = nullptr;
thread_local int GDepth = 0;

// Counts one more level of nesting while it lives.
class TDepthGuard {
public:
  TDepthGuard() {
    if (++GDepth > MaxSkinObjectDepth) {
      --GDepth;
      throw EReadError("Skin objects are nested too deeply");
    }
  }
  ~TDepthGuard() { --GDepth; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;
};

// The smallest record: an empty class name and an empty text, or a size.
constexpr int64_t MinRecordSize = 8;

std::unique_ptr<TSeSkinObject> CreateObject(const std::string& ClassName, TComponent* Owner) {
  const TSkinObjectClass* Class = FindSkinObjectClass(ClassName);
  if (!Class) {
    NoteSkippedClass(ClassName);
    return nullptr;
  }
  return Class->Create(Owner);
}

void ReadChildren(TSeSkinObject& Parent, TStream& Stream) {
  const TMarkedCount Count = ReadMarkedCount(Stream);
  if (Count.Count * MinRecordSize > Stream.Remaining())
    throw EReadError();
  for (int32_t I = 0; I < Count.Count; ++I) {
    auto Child =
        Count.Marked ? ReadSkinObjectBinary(Stream, &Parent) : ReadSkinObject(Stream, &Parent);
    if (Child)
      Parent.InsertComponent(std::move(Child));
  }
}

void WriteChildren(const TSeSkinObject& Parent, TStream& Stream) {
  if (Parent.ChildCount() >= 0x10000)
    throw EWriteError("Too many skin objects in one object");
  Stream.WriteInt32(Parent.ChildCount() | BinaryCountMark);
  for (int I = 0; I < Parent.ChildCount(); ++I)
    WriteSkinObjectBinary(Stream, *Parent.GetChild(I));
}

bool HasChildren(const TSeSkinObject& Object) { return Object.ChildCount() > 0; }

} // namespace

void NoteSkippedClass(const std::string& ClassName) {
  if (GReadLog)
    GReadLog->FSkipped.push_back(ClassName);
}

TSkinReadLog::TSkinReadLog() : FOuter(GReadLog) { GReadLog = this; }
TSkinReadLog::~TSkinReadLog() { GReadLog = FOuter; }

TMarkedCount ReadMarkedCount(TStream& Stream) {
  const int32_t Raw = Stream.ReadInt32();
  const bool Marked = (Raw & BinaryCountMark) == BinaryCountMark;
  const int32_t Count = Marked ? (Raw & ~BinaryCountMark) : Raw;
  if (Count < 0 || (Marked && Count >= 0x10000))
    throw EReadError("Invalid count in skin stream");
  return {Count, Marked};
}

std::unique_ptr<TSeSkinObject> ReadSkinObject(TStream& Stream, TComponent* Owner) {
  const TDepthGuard Guard;
  const std::string ClassName = ReadString(Stream);
  const std::string Text = ReadString(Stream);
  auto Object = CreateObject(ClassName, Owner);
  if (Object) {
    ComponentFromText(Text, *Object);
    Object->SetCharset(DefaultCharset);
  }
  return Object;
}

std::unique_ptr<TSeSkinObject> ReadSkinObjectBinary(TStream& Stream, TComponent* Owner) {
  const TDepthGuard Guard;
  const std::string ClassName = ReadString(Stream);
  const int32_t Size = Stream.ReadInt32();
  if (Size < 0 || Size > Stream.Remaining())
    throw EReadError();
  TStreamWindow Record(Stream, Size);
  auto Object = CreateObject(ClassName, Owner);
  if (Object) {
    ReadComponentBinary(Record, *Object);
    Object->SetCharset(DefaultCharset);
  }
  Record.SkipToEnd();
  return Object;
}

void WriteSkinObject(TStream& Stream, const TSeSkinObject& Object) {
  WriteString(Stream, Object.ClassName());
  WriteString(Stream, ComponentToText(Object));
}

void WriteSkinObjectBinary(TStream& Stream, const TSeSkinObject& Object) {
  WriteString(Stream, Object.ClassName());
  TMemoryStream Properties;
  WriteComponentBinary(Properties, Object);
  Stream.WriteInt32(static_cast<int32_t>(Properties.Size()));
  Stream.WriteBuffer(Properties.Bytes().data(), Properties.Size());
}

TPropInfo ChildObjectsProperty() {
  return LastProp(BinaryProp<TSeSkinObject>("Objects", HasChildren, WriteChildren, ReadChildren));
}
